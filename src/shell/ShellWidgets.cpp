#include "ShellWidgets.h"

#include "ClickLabel.h"
#include "dialogs/HelpLinks.h"

#include <QToolButton>

namespace zindle {

QToolButton *speedButton(const QString &name, const QString &text, const QString &hint, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    button->setToolTipDuration(HintDuration);
    button->setAutoRaise(false);
    return button;
}

ClickLabel *helpCaption(const QString &text, const QString &helpPath, HelpLinks &help, QWidget *parent)
{
    auto *link = new ClickLabel(text, parent);
    QObject::connect(link, &ClickLabel::clicked, link, [&help, helpPath] { help.open(helpPath); });
    return link;
}

void setPanelColour(QWidget *panel, const QColor &colour)
{
    if (!panel)
        return;
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
}

} // namespace zindle
