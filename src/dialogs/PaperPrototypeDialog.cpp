// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaperPrototypeDialog.h"

#include "app/WhyFastReport.h"
#include "output/Templates.h"

#include <QHideEvent>

#include "PrinterPageSink.h"
#include "files/FileErrors.h"
#include "files/ReplaceQuestion.h"
#include "model/PartMaterials.h"
#include "model/Prompter.h"
#include "app/WorkerPool.h"
#include "app/Workspace.h"
#include "output/CutFiles.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zindle {

namespace {
struct Option {
    const char *name;
    const char *caption;
    PrintJobKind job;
};
// In the order the window lists them; the first is the default.
constexpr Option Options[5] = {
    {"PPSummaryBtn", QT_TRANSLATE_NOOP("zindle::PaperPrototypeDialog", "Print Report Only"), PrintJobKind::Report},
    {"PPOneCoredBtn", QT_TRANSLATE_NOOP("zindle::PaperPrototypeDialog", "Print One Inner Layer Template"),
     PrintJobKind::OneInnerLayer},
    {"PPOneFullBtn", QT_TRANSLATE_NOOP("zindle::PaperPrototypeDialog", "Print One Outer Layer Template"),
     PrintJobKind::OneOuterLayer},
    {"PPWheelBtn", QT_TRANSLATE_NOOP("zindle::PaperPrototypeDialog", "Print Wheel Templates"), PrintJobKind::Wheels},
    {"PPAllBtn", QT_TRANSLATE_NOOP("zindle::PaperPrototypeDialog", "Print Entire Set "), PrintJobKind::EntireSet},
};
} // namespace

PaperPrototypeDialog::PaperPrototypeDialog(Workspace &workspace, WorkerPool &workers, Prompter &prompter,
                                           QWidget *parent)
    : QDialog(parent), workspace_(workspace), workers_(workers), prompter_(prompter)
{
    setObjectName(QStringLiteral("TPPWin"));
    setWindowTitle(tr("Paper Prototype"));
    setModal(false);
    auto *layout = new QVBoxLayout(this);
    auto *group = new QGroupBox(tr("Print Options"), this);
    group->setObjectName(QStringLiteral("PrintOptionsGroup"));
    auto *groupLayout = new QVBoxLayout(group);
    auto *exclusive = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        auto *button = new QRadioButton(tr(Options[i].caption), group);
        button->setObjectName(QString::fromLatin1(Options[i].name));
        exclusive->addButton(button, i);
        groupLayout->addWidget(button);
        buttons_[i] = button;
    }
    buttons_[0]->setChecked(true);
    layout->addWidget(group);

    auto *row = new QHBoxLayout;
    exportCut_ = new QPushButton(tr("Export Cut Files..."), this);
    exportCut_->setObjectName(QStringLiteral("PPExportBtn"));
    exportCut_->setToolTip(tr("Save every part as SVG or DXF for a laser cutter or cutting plotter"));
    row->addWidget(exportCut_);
    row->addStretch();
    auto *print = new QPushButton(tr("Print"), this);
    print->setObjectName(QStringLiteral("PPPrintBtn"));
    print->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("PPCancelBtn"));
    row->addWidget(print);
    row->addWidget(cancel);
    layout->addLayout(row);

    exportBusy_ = new QWidget(this);
    exportBusy_->setObjectName(QStringLiteral("PPExportBusy"));
    auto *busyRow = new QHBoxLayout(exportBusy_);
    busyRow->setContentsMargins(0, 0, 0, 0);
    busyRow->addWidget(new QLabel(tr("Laying out the boards..."), exportBusy_));
    auto *bar = new QProgressBar(exportBusy_);
    bar->setRange(0, 0); // how long the nesting takes is not known ahead
    bar->setTextVisible(false);
    busyRow->addWidget(bar, 1);
    stopExport_ = new QPushButton(tr("Stop"), exportBusy_);
    stopExport_->setObjectName(QStringLiteral("PPStopExportBtn"));
    busyRow->addWidget(stopExport_);
    exportBusy_->setVisible(false);
    layout->addWidget(exportBusy_);
    connect(stopExport_, &QPushButton::clicked, this, &PaperPrototypeDialog::StopExport);
    connect(print, &QPushButton::clicked, this, &PaperPrototypeDialog::PPPrintBtnClick);
    connect(cancel, &QPushButton::clicked, this, &PaperPrototypeDialog::PPCancelBtnClick);
    connect(exportCut_, &QPushButton::clicked, this, &PaperPrototypeDialog::ExportCutFiles);

    openPrinter = [this](QWidget *owner) { return openSystemPrinter(owner); };
}

PaperPrototypeDialog::~PaperPrototypeDialog() = default;

void PaperPrototypeDialog::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    // A hide the system makes (the main window minimised) is not the student closing it.
    if (!event->spontaneous() && afterClose)
        afterClose();
}

PrintJobKind PaperPrototypeDialog::selectedJob() const
{
    for (int i = 0; i < 5; ++i)
        if (buttons_[i]->isChecked())
            return Options[i].job;
    return PrintJobKind::Report;
}

void PaperPrototypeDialog::selectJob(PrintJobKind job)
{
    for (int i = 0; i < 5; ++i)
        if (Options[i].job == job)
            buttons_[i]->setChecked(true);
}

std::unique_ptr<PageSink> PaperPrototypeDialog::openSystemPrinter(QWidget *owner)
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        ChooseInitialPaper(*printer_);
    }
    if (!RunSystemPrintDialog(*printer_, owner))
        return nullptr;
    // Printing to a file writes the PDF whole once it is complete, never half a file.
    if (printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty())
        return std::make_unique<PdfFileSink>(printer_->outputFileName(), printer_->resolution(),
                                             printer_->pageLayout().pageSize());
    return std::make_unique<PrinterPageSink>(*printer_);
}

void PaperPrototypeDialog::PPPrintBtnClick()
{
    // The report prints the result fields under the design's name. They hold whatever the last
    // analysis computed, which may be another design's (simulated, then another one selected
    // and this one back) or this one's before a change: unless they are this design's as it
    // stands, simulated, it is simulated first.
    const DesignList &list = workspace_.list;
    const bool simulated = list.CurrentDesign >= 0 && list.CurrentDesign < list.DesignCount()
                           && list.current().DesignSimulated
                           && ResultsOfCurrentDesign(workspace_) == ResultsCoverage::All;
    if (!simulated && enterSimulate)
        enterSimulate();

    const PrintJobKind job = selectedJob();
    std::unique_ptr<PageSink> sink = openPrinter ? openPrinter(this) : nullptr;
    if (!sink)
        return;
    lastOutcome_ = RunPrintJob(workspace_, *sink, job, printState);
    // The report is followed by why the car is fast and how sure its time is.
    if (job == PrintJobKind::Report && lastOutcome_.ok && lastOutcome_.error.isEmpty()) {
        if (PrintWhyFastPage(*sink, MakeWhyFastPage(workspace_, TemplateDesignName(workspace_.list))))
            ++lastOutcome_.itemsPrinted;
        else
            lastOutcome_.ok = false;
    }
    ++jobsRun_;
    if (auto *printer = dynamic_cast<PrinterPageSink *>(sink.get()); printer && !printer->finish())
        lastOutcome_.ok = false;
    WriteOutcome written = Written();
    if (auto *file = dynamic_cast<PdfFileSink *>(sink.get()); file && lastOutcome_.ok)
        written = file->finish();
    sink.reset();
    if (!written.ok) {
        lastOutcome_.ok = false;
        prompter_.message(written.shownError(), FileErrorCaption());
    } else if (!lastOutcome_.error.isEmpty()) {
        prompter_.message(lastOutcome_.error, tr("Paper Prototype"));
    } else if (!lastOutcome_.ok)
        prompter_.message(tr("The printer could not print every page."), tr("Paper Prototype"));
    if (afterPrint)
        afterPrint();
}

void PaperPrototypeDialog::ExportCutFiles()
{
    if (exporting())
        return;
    const QString caption = tr("Export Cut Files");
    // The first board has the name given; the question before replacing it covers the set.
    // Only the words before the bar are the student's to read: the patterns after it pick the files.
    const QString path = AskPathToWrite(prompter_, caption,
                                        {tr("SVG cut files") + QStringLiteral("|*.svg"),
                                         tr("DXF cut files") + QStringLiteral("|*.dxf")},
                                        QStringLiteral("templates.svg"));
    if (path.isEmpty())
        return;
    if (!CutFileFormatOf(path)) {
        prompter_.message(tr("Cut files are saved as .svg or .dxf files."), caption);
        return;
    }
    CutExportDialog choose(prompter_, this);
    choose.setChoices(cutChoices);
    QStringList materials;
    for (const Part part : {OuterBodyPart, InnerBodyPart, DriveWheelPart, OtherWheelPart})
        materials << boardOf(workspace_.design, workspace_.catalogue, part).BoardName;
    choose.setBoardMaterials(materials);
    if (runModal(modalRunner, choose) != QDialog::Accepted)
        return;
    cutChoices = choose.choices();
    if (cutChoicesChosen)
        cutChoicesChosen(cutChoices);
    auto job = std::make_shared<const CutExport>(
        PrepareCutExport(workspace_, path, CutSet::All, choose.board(), choose.profile()));
    // The parts were laid out anew from the workspace; the sheet shows the design again. What
    // follows works from the copy alone.
    if (afterPrint)
        afterPrint();
    if (!job->error.isEmpty()) {
        prompter_.message(job->error, caption);
        return;
    }
    exportStop_ = std::make_shared<std::atomic<bool>>(false);
    showExporting(true);
    cutWatch_.watch(workers_.run([job, stop = exportStop_] { return DrawCutBoards(*job, stop.get()); }),
                    [this, job](std::future<DrawnCutBoards> &done) { finishExport(*job, done.get()); });
}

void PaperPrototypeDialog::StopExport()
{
    if (!exportStop_)
        return;
    // The worker looks at the flag between its steps; the result it then hands back is dropped.
    exportStop_->store(true);
    stopExport_->setEnabled(false);
}

void PaperPrototypeDialog::showExporting(bool busy)
{
    exportBusy_->setVisible(busy);
    stopExport_->setEnabled(busy);
    exportCut_->setEnabled(!busy);
}

void PaperPrototypeDialog::finishExport(const CutExport &job, const DrawnCutBoards &drawn)
{
    showExporting(false);
    const bool stopped = drawn.stopped || (exportStop_ && exportStop_->load());
    exportStop_.reset();
    if (stopped)
        return; // the student stopped it: nothing is written, and that needs no message
    const QString caption = tr("Export Cut Files");
    const auto mayReplace = [&](const QStringList &others) {
        return prompter_.confirm(replaceSetFilesQuestionText(others), caption) == Answer::Yes;
    };
    const CutFilesOutcome outcome = WriteCutBoards(job, drawn, mayReplace);
    if (outcome.declined) {
        // The user kept their files; nothing was written, and that needs no message.
    } else if (!outcome.ok)
        prompter_.message(outcome.error, caption);
    else {
        const QString files = outcome.paths.join(QStringLiteral(", "));
        QString text = outcome.boards == 1
                           ? tr("The templates fit on 1 board, written to %1.").arg(files)
                           : tr("The templates fit on %1 boards, written to %2.")
                                 .arg(QString::number(outcome.boards), files);
        if (!outcome.removed.isEmpty())
            text += QLatin1Char('\n')
                    + tr("Removed the boards of an earlier export: %1").arg(outcome.removed.join(QStringLiteral(", ")));
        if (!outcome.warning.isEmpty())
            text += QLatin1Char('\n') + outcome.warning;
        prompter_.message(text, caption);
    }
}

} // namespace zindle
