#include "AnalyzePanel.h"

#include "MainWindow.h"
#include "ResultFieldsView.h"
#include "sheet/EmptySheet.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>

namespace zindle {

AnalyzePanel::AnalyzePanel(MainWindow &window, ResultFieldsView &results, QWidget *parent)
    : ModePanel(parent), window_(window)
{
    setObjectName(QStringLiteral("PropStatePanel"));
    auto *row = new QHBoxLayout(this);
    auto *grid = new QGridLayout;
    results.addField(this, grid, 0, 0, QStringLiteral("Total Car Mass (lbm)"), QStringLiteral("/help/h-totalmass.html"),
                     QStringLiteral("ProjectedMassEF"), QStringLiteral("ProjectedMassLabel"));
    results.addField(this, grid, 1, 0, QStringLiteral("Board Mass (lbm)"), QStringLiteral("/help/h-boardmass.html"),
                     QStringLiteral("FoamMassEF"), QStringLiteral("Label26"));
    results.addField(this, grid, 0, 2, QStringLiteral("Spring Mass (lbm)"), QStringLiteral("/help/h-springmass.html"),
                     QStringLiteral("SpringMassEF"), QStringLiteral("Label27"));
    results.addField(this, grid, 1, 2, QStringLiteral("Axle Mass (lbm)"), QStringLiteral("/help/h-axlemass.html"),
                     QStringLiteral("AxleMassEF"), QStringLiteral("Label28"));
    results.addField(this, grid, 0, 4, QStringLiteral("Max torque (in-lb)"), QString(),
                     QStringLiteral("MaxRealTorqueEF"), QStringLiteral("MaxTorqueLabel"));
    results.addField(this, grid, 1, 4, QStringLiteral("Revolutions"), QStringLiteral("/help/h-revolutions.html"),
                     QStringLiteral("RevsEF"), QStringLiteral("Label22"));
    row->addLayout(grid);
    elementSizeGroupBox_ = new QGroupBox(QStringLiteral("Element size (in)"), this);
    elementSizeGroupBox_->setObjectName(QStringLiteral("ElementSizeGroupBox"));
    auto *sizeRow = new QHBoxLayout(elementSizeGroupBox_);
    auto *slider = new QSlider(Qt::Horizontal, elementSizeGroupBox_);
    slider->setObjectName(QStringLiteral("ElementSizeSlider"));
    slider->setRange(0, 5);
    slider->setValue(3);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setFixedWidth(140);
    sizeRow->addWidget(new QLabel(QStringLiteral("1"), elementSizeGroupBox_));
    sizeRow->addWidget(slider);
    sizeRow->addWidget(new QLabel(QStringLiteral("1/32"), elementSizeGroupBox_));
    row->addWidget(elementSizeGroupBox_);
    row->addStretch();
}

void AnalyzePanel::enter()
{
    show();
    elementSizeGroupBox_->show();
    window_.paintEmptySheet(AnalyzeMode);
    for (QWidget *w : forceWidgets) {
        w->resize(0, 0);
        w->hide();
    }
}

void AnalyzePanel::leave()
{
    hide();
    elementSizeGroupBox_->hide();
    for (QWidget *w : forceWidgets)
        w->hide();
}

} // namespace zindle
