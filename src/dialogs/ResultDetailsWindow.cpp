// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultDetailsWindow.h"

#include "HelpLinks.h"
#include "model/NumberText.h"
#include "physics/BuildGeometry.h"
#include "physics/ResultFieldTable.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zindle {

namespace {
enum Column { CaptionColumn, ValueColumn, MeaningColumn, ColumnCount };
} // namespace

ResultDetailsWindow::ResultDetailsWindow(const HelpLinks &help, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      help_(help)
{
    setObjectName(QStringLiteral("ResultDetailsWindow"));
    setWindowTitle(tr("Results in Detail"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("ResultDetailsNotice"));
    notice_->setWordWrap(true);
    notice_->hide();
    layout->addWidget(notice_);
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("ResultDetailsTable"));
    table_->setColumnCount(ColumnCount);
    table_->setHorizontalHeaderLabels({tr("Result"), tr("Value"), tr("Meaning")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(true);
    table_->horizontalHeader()->setSectionResizeMode(CaptionColumn, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(ValueColumn, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(MeaningColumn, QHeaderView::Stretch);

    const std::span<const ResultFieldRow> rows = resultFieldTable();
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < table_->rowCount(); ++i) {
        const ResultFieldRow &row = rows[static_cast<size_t>(i)];
        auto *caption = new QTableWidgetItem(row.shownCaptionText());
        // The name the command line and the files use, for those who meet it there.
        caption->setToolTip(QString::fromLatin1(row.name));
        if (*row.helpPath) {
            QFont font = caption->font();
            font.setUnderline(true);
            caption->setFont(font);
            caption->setForeground(QColor(0, 0, 170));
            caption->setToolTip(tr("%1: activate for its help page").arg(caption->toolTip()));
        }
        table_->setItem(i, CaptionColumn, caption);
        auto *value = new QTableWidgetItem;
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(i, ValueColumn, value);
        auto *meaning = new QTableWidgetItem(row.hintText());
        meaning->setToolTip(meaning->text());
        table_->setItem(i, MeaningColumn, meaning);
    }
    layout->addWidget(table_);
    connect(table_, &QTableWidget::cellActivated, this, [this](int row, int) { openHelpOfRow(row); });
    resize(720, 520);
}

void ResultDetailsWindow::showValues(const DesignRecord &design, const ResultFields &results,
                                     ResultsCoverage coverage, const QString &designName)
{
    const std::span<const ResultFieldRow> rows = resultFieldTable();
    for (int i = 0; i < table_->rowCount() && i < static_cast<int>(rows.size()); ++i) {
        const ResultFieldRow &row = rows[static_cast<size_t>(i)];
        // The design's own sizes are always its own; a result only when computed for it.
        const bool own = row.parameter || coverage == ResultsCoverage::All
                         || (coverage == ResultsCoverage::WithoutRun && row.cli != CliListing::Run);
        table_->item(i, ValueColumn)->setText(own ? row.value(design, results) : QString());
        if (row.parameter == &DesignRecord::DriveWhlDia) {
            // The build enlarges a wheel smaller than the spring case to the size it writes for
            // that case; any other wheel is as the student typed it.
            const auto caseInner = parseFloat(results.CaseIDEF);
            const bool enlarged = coverage != ResultsCoverage::None && caseInner
                                  && design.DriveWhlDia == enlargedDriveWheelText(*caseInner);
            QString meaning = row.hintText();
            if (enlarged)
                meaning = tr("%1, enlarged to fit the spring case").arg(meaning);
            table_->item(i, MeaningColumn)->setText(meaning);
            table_->item(i, MeaningColumn)->setToolTip(meaning);
        }
    }
    QString text;
    if (coverage == ResultsCoverage::None)
        text = tr("No results of %1 as it stands yet: press Analyze or Simulate to compute them.")
                   .arg(designName);
    else if (coverage == ResultsCoverage::WithoutRun)
        text = tr("%1 has not been run as it stands: press Simulate for its time and speed.")
                   .arg(designName);
    notice_->setText(text);
    notice_->setVisible(!text.isEmpty());
}

void ResultDetailsWindow::openHelpOfRow(int row)
{
    const std::span<const ResultFieldRow> rows = resultFieldTable();
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return;
    if (const char *path = rows[static_cast<size_t>(row)].helpPath; *path)
        help_.open(QString::fromLatin1(path));
}

} // namespace zindle
