// SPDX-License-Identifier: GPL-3.0-or-later
#include "AdvisoriesWindow.h"

#include "physics/Advisories.h"

#include <QFont>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace zindle {

namespace {
// Wide enough for its title beside the close box on the usual window managers (at 170 pixels
// it reads "Adv... ries").
constexpr int WindowWidth = 230, WindowHeight = 134;
} // namespace

AdvisoriesWindow::AdvisoriesWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TADWin"));
    setWindowTitle(tr("Advisories"));
    setFixedSize(WindowWidth, WindowHeight);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(1);
    // Designs the model cannot run, above the advisories about building the car.
    addLabel("NoBodyLabel",
             tr("Indicates that the outer layer has no outline, so the car cannot be weighed or run. Draw the "
                "outer layer of the body."));
    addLabel("NotNumberLabel",
             tr("Indicates that a value read from the design file is not a number, so the car cannot be analysed "
                "or run. Type a number into that field."));
    addLabel("NoRevolutionsLabel",
             tr("Indicates that the spring delivers no revolutions: it is too short for its drive axle and "
                "chamber. Use a longer spring, a thinner drive axle or a smaller case ratio."));
    addLabel("TooLightLabel",
             tr("Indicates that the whole car weighs less than 0.01 lb (negative added weights can do this), so "
                "its balance cannot be found and it cannot be run. Remove or lighten negative weights."));
    addLabel("AxlesTooCloseLabel",
             tr("Indicates that the drive and front axles are less than 0.1 inch apart, so the weight of the car "
                "cannot be shared between its wheels and it cannot be run. Move the front axle."));
    addLabel("SkidAdvisoryLabel",
             tr("Indicates that the drive wheels are likely to lose traction while accelerating."));
    addLabel("CarTooBigLabel",
             tr("Indicates that part of the car body will exceed the dimensions of the paper and will be clipped."));
    addLabel("AxleFreeLabel", tr("Indicates that the non-drive axle is not connected to the rest of the car."));
    addLabel("CaseFreeLabel",
             tr("Indicates that the spring case/drive axle assembly is not connected to the rest of the car."));
    addLabel("CoreInterfereLabel",
             tr("Indicates that the two spring chambers in a four-wheel-drive car are interfering with each other."));
    addLabel("FloatingLabel", tr("Indicates that some parts of the body are not connected to anything."));
    column->addStretch();
}

QLabel *AdvisoriesWindow::addLabel(const char *name, const QString &hint)
{
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setToolTip(hint);
    QFont font = label->font();
    font.setPointSize(8);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: red;"));
    // The window is narrow; a long line wraps rather than being cut off.
    label->setWordWrap(true);
    label->hide();
    layout()->addWidget(label);
    return label;
}

void AdvisoriesWindow::placeBesideTheFields()
{
    // The screen's fixed place (8, 171) lies over the main window's result fields (Top speed
    // among them) whatever the window's size; the sheet's top right corner holds none of them
    // and rarely any of the car.
    const QWidget *owner = parentWidget();
    const QWidget *sheet = owner ? owner->findChild<QWidget *>(QStringLiteral("Image")) : nullptr;
    if (!sheet)
        return;
    move(sheet->mapToGlobal(QPoint(std::max(0, sheet->width() - width() - 12), 12)));
}

QLabel *AdvisoriesWindow::label(const QString &objectName) const { return findChild<QLabel *>(objectName); }

void AdvisoriesWindow::sync(const AdvisoryState &state)
{
    const std::pair<const char *, const AdvisoryLabel *> labels[] = {
        {"NoBodyLabel", &state.NoBodyLabel},             {"NotNumberLabel", &state.NotNumberLabel},
        {"NoRevolutionsLabel", &state.NoRevolutionsLabel}, {"TooLightLabel", &state.TooLightLabel},
        {"AxlesTooCloseLabel", &state.AxlesTooCloseLabel},
        {"SkidAdvisoryLabel", &state.SkidAdvisoryLabel}, {"CarTooBigLabel", &state.CarTooBigLabel},
        {"AxleFreeLabel", &state.AxleFreeLabel},         {"CaseFreeLabel", &state.CaseFreeLabel},
        {"CoreInterfereLabel", &state.CoreInterfereLabel}, {"FloatingLabel", &state.FloatingLabel},
    };
    for (const auto &[name, advisory] : labels) {
        QLabel *shown = label(QLatin1String(name));
        shown->setText(advisoryText(advisory->caption));
        shown->setVisible(advisory->visible);
    }
    // The window keeps its width; it grows downwards when more lines are shown than its usual
    // height holds, rather than cutting the last ones off.
    const int needed = layout()->totalHeightForWidth(width());
    setFixedSize(width(), std::max(WindowHeight, needed));
    if (state.windowVisible) {
        if (!isVisible()) {
            placeBesideTheFields();
            show();
        }
    } else {
        hide();
    }
}

} // namespace zindle
