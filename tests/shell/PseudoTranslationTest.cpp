// SPDX-License-Identifier: GPL-3.0-or-later
// Every text a student reads goes through the translations: with a translator that brackets
// whatever it is asked for, a text with a letter outside the brackets never asked. The walk
// covers the parts of the window whose texts are translatable so far; each part that follows
// joins it here.

#include "GuiTestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTextDocumentFragment>
#include <QTranslator>

namespace zindle::test {
namespace {

class BracketingTranslator : public QTranslator {
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return QStringLiteral("\u27e6") + QString::fromUtf8(source) + QStringLiteral("\u27e7");
    }
    bool isEmpty() const override { return false; }
};

// A translated text may hold another (an undo step's name in "Undo %1"), so brackets nest. Rich
// text is read as the student sees it, without its markup.
bool untranslated(const QString &text)
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

struct Walk {
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
    void visibleWidgets(const QWidget *root)
    {
        for (const QWidget *child : root->findChildren<QWidget *>())
            if (child->isVisibleTo(root->window()))
                widget(child);
    }
};

TEST(PseudoTranslation, TheMenusAndTheDesignModeAreTranslated)
{
    BracketingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    {
        StartedWindow s;
        MainWindow &w = s.w();
        Walk walk;
        for (const QAction *title : w.menuBar()->actions())
            walk.menu(title->menu());
        walk.visibleWidgets(w.findChild<QWidget *>(QStringLiteral("DesignStatePanel")));
        for (const char *bar : {"DesignList", "NewBtn", "OpenBtn", "SaveBtn", "RemoveBtn", "RenameBtn", "DefineMatlBtn"})
            walk.widget(w.findChild<QWidget *>(QLatin1String(bar)));
        for (const char *mode : {"VPSetBtn", "VPBuildBtn", "VPPropBtn", "VPDynPerfBtn", "VPRaceBtn", "VPPreviewBtn",
                                 "VPPrintBtn", "Label7", "Label9", "Label10", "Label11", "Label12", "Label13", "Label18"})
            walk.widget(w.findChild<QWidget *>(QLatin1String(mode)));
        const auto *parts = w.findChild<QComboBox *>(QStringLiteral("PartNameBox"));
        for (int i = 0; i < parts->count(); ++i)
            walk.check(QStringLiteral("PartNameBox item"), parts->itemText(i));
        EXPECT_EQ(walk.failures.join(QLatin1Char('\n')).toStdString(), "");
    }
    QCoreApplication::removeTranslator(&translator);
}

} // namespace
} // namespace zindle::test
