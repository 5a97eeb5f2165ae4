// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small pieces every part of the main window builds with: the speed buttons with their hints,
// the help-link captions and the panel colours.

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QSlider;
class QToolButton;

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
// A list whose choice costs something (the design list: a save prompt, or the undo history)
// changes only when an item is picked from its open list, by click or Enter: the mouse wheel
// and typing over the closed box do nothing, and the arrow keys open the list.
void chooseOnlyDeliberately(QComboBox *box);

// The captions of a horizontal slider's positions, each centred under its tick mark. Placed
// below the slider in the same layout column; the slider's own style decides where the ticks
// are, so the captions follow any style and size.
class SliderTickLabels : public QWidget {
    Q_OBJECT
public:
    SliderTickLabels(QSlider *slider, QStringList captions, QWidget *parent);
    const QStringList &captions() const { return captions_; }
    // The x of the tick of slider position `value`, in this widget's coordinates.
    int tickX(int value) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSlider *slider_;
    QStringList captions_;
};

} // namespace zindle
