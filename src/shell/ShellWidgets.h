#pragma once
// Small pieces every part of the main window builds with: the speed buttons with their hints,
// the help-link captions and the panel colours.

#include <QColor>
#include <QString>

class QToolButton;
class QWidget;

namespace zindle {

class ClickLabel;
class HelpLinks;

// How long a hint stays up.
constexpr int HintDuration = 10000;
// The colour of the Design mode's tool strip while another mode is up.
inline const QColor InactiveToolColour(192, 192, 192);

QToolButton *speedButton(const QString &name, const QString &text, const QString &hint, QWidget *parent);
// A caption that opens a help page when pressed.
ClickLabel *helpCaption(const QString &text, const QString &helpPath, HelpLinks &help, QWidget *parent);
void setPanelColour(QWidget *panel, const QColor &colour);

} // namespace zindle
