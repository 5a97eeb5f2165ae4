#include "AdvisoriesWindow.h"

#include "physics/Advisories.h"

#include <QFont>
#include <QLabel>
#include <QVBoxLayout>

namespace zindle {

AdvisoriesWindow::AdvisoriesWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TADWin"));
    setWindowTitle(QStringLiteral("Advisories"));
    setFixedSize(170, 134);
    move(8, 171);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(1);
    addLabel("SkidAdvisoryLabel", "Indicates that the drive wheels are likely to lose traction while accelerating.");
    addLabel("CarTooBigLabel",
             "Indicates that part of the car body will exceed the dimensions of the paper and will be clipped.");
    addLabel("AxleFreeLabel", "Indicates that the non-drive axle is not connected to the rest of the car.");
    addLabel("CaseFreeLabel",
             "Indicates that the spring case/drive axle assembly is not connected to the rest of the car.");
    addLabel("CoreInterfereLabel",
             "Indicates that the two spring chambers in a four-wheel-drive car are interfering with each other.");
    addLabel("FloatingLabel", "Indicates that some parts of the body are not connected to anything.");
    column->addStretch();
}

QLabel *AdvisoriesWindow::addLabel(const char *name, const char *hint)
{
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setToolTip(QLatin1String(hint));
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

QLabel *AdvisoriesWindow::label(const QString &objectName) const { return findChild<QLabel *>(objectName); }

void AdvisoriesWindow::sync(const AdvisoryState &state)
{
    const std::pair<const char *, const AdvisoryLabel *> labels[] = {
        {"SkidAdvisoryLabel", &state.SkidAdvisoryLabel}, {"CarTooBigLabel", &state.CarTooBigLabel},
        {"AxleFreeLabel", &state.AxleFreeLabel},         {"CaseFreeLabel", &state.CaseFreeLabel},
        {"CoreInterfereLabel", &state.CoreInterfereLabel}, {"FloatingLabel", &state.FloatingLabel},
    };
    for (const auto &[name, advisory] : labels) {
        QLabel *shown = label(QLatin1String(name));
        shown->setText(advisory->caption);
        shown->setVisible(advisory->visible);
    }
    if (state.windowVisible) {
        if (!isVisible())
            show();
    } else {
        hide();
    }
}

} // namespace zindle
