// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text a student reads goes through the translations: with a translator that brackets
// whatever it is asked for, a text with a letter outside the brackets never asked.

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QStringList>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QWidget>

namespace zindle::test {

class BracketingTranslator : public QTranslator {
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return QStringLiteral("\u27e6") + QString::fromUtf8(source) + QStringLiteral("\u27e7");
    }
    bool isEmpty() const override { return false; }
};

// Also notes which texts were asked for, as "context: source", so that a test can tell that a
// drawing asks under the context lupdate files the text in.
class RecordingTranslator : public BracketingTranslator {
public:
    QString translate(const char *context, const char *source, const char *disambiguation, int n) const override
    {
        asked.insert(QString::fromUtf8(context) + QStringLiteral(": ") + QString::fromUtf8(source));
        return BracketingTranslator::translate(context, source, disambiguation, n);
    }
    mutable QSet<QString> asked;
};

// A translated text may hold another (an undo step's name in "Undo %1"), so brackets nest. Rich
// text is read as the student sees it, without its markup.
inline bool untranslated(const QString &text)
{
    const QString shown = Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    int depth = 0;
    for (const QChar c : shown) {
        if (c == QChar(0x27e6))
            ++depth;
        else if (c == QChar(0x27e7))
            --depth;
        else if (depth == 0 && c.isLetter())
            return true;
    }
    return false;
}

struct TranslationWalk {
    QStringList failures;
    void check(const QString &where, const QString &text)
    {
        if (untranslated(text))
            failures << where + QStringLiteral(": ") + text;
    }
    void menu(const QMenu *menu)
    {
        check(menu->objectName() + QStringLiteral(" title"), menu->title());
        for (const QAction *action : menu->actions()) {
            // Each language is offered under its own name, whatever the window speaks.
            if (action->isSeparator() || (action->objectName().startsWith(QLatin1String("Language_"))
                                          && action->objectName() != QLatin1String("Language_desktop")))
                continue;
            if (action->menu())
                this->menu(action->menu());
            else
                check(action->objectName(), action->text());
        }
    }
    void widget(const QWidget *widget)
    {
        const QString name = widget->objectName();
        check(name + QStringLiteral(" hint"), widget->toolTip());
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            check(name, label->text());
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            check(name, button->text());
        else if (const auto *box = qobject_cast<const QGroupBox *>(widget))
            check(name, box->title());
    }
    // Everything shown in `root`: its title when it is a window, each visible widget's text and
    // hint, the headers of its tables and the items of its lists.
    void visibleWidgets(const QWidget *root)
    {
        if (root->isWindow())
            check(root->objectName() + QStringLiteral(" title"), root->windowTitle());
        for (const QWidget *child : root->findChildren<QWidget *>()) {
            if (!child->isVisibleTo(root->window()))
                continue;
            widget(child);
            if (const auto *table = qobject_cast<const QTableWidget *>(child)) {
                for (int c = 0; c < table->columnCount(); ++c)
                    if (const QTableWidgetItem *header = table->horizontalHeaderItem(c))
                        check(child->objectName() + QStringLiteral(" column"), header->text());
            }
        }
    }
};

// Installed for the life of the object: whatever is made meanwhile is made bracketed.
class BracketedTexts {
public:
    BracketedTexts() { QCoreApplication::installTranslator(&translator_); }
    ~BracketedTexts() { QCoreApplication::removeTranslator(&translator_); }
    BracketedTexts(const BracketedTexts &) = delete;
    BracketedTexts &operator=(const BracketedTexts &) = delete;

private:
    BracketingTranslator translator_;
};

} // namespace zindle::test
