// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Paper Prototype": the Print Templates mode's window. The student picks what to print (the
// design report, one inner or outer layer template, the wheel templates, or everything) and
// presses Print. The window stays up beside the main window.
//
// Printing goes through `openPrinter`, which shows the print dialog and hands back the pages
// to print on (nothing when the dialog is cancelled); tests put a PDF sink there.

#include "CutExportDialog.h"
#include "ModalRunner.h"
#include "app/FutureWatch.h"
#include "output/CutFiles.h"
#include "output/PrintJobs.h"

#include <QDialog>
#include <atomic>
#include <functional>
#include <memory>

class QPrinter;
class QPushButton;
class QRadioButton;

namespace zindle {

struct Workspace;
class Prompter;
class WorkerPool;

class PaperPrototypeDialog : public QDialog {
    Q_OBJECT
public:
    PaperPrototypeDialog(Workspace &workspace, WorkerPool &workers, Prompter &prompter, QWidget *parent = nullptr);
    ~PaperPrototypeDialog() override;

    PrintJobKind selectedJob() const;
    void selectJob(PrintJobKind job);

    // Print: an unsimulated design is simulated first (enterSimulate), then the print dialog
    // and the job, then afterPrint redraws the sheet. A cancelled print dialog prints nothing.
    void PPPrintBtnClick();
    void PPCancelBtnClick() { hide(); }
    // "Export Cut Files...": every cut part as SVG or DXF files for a laser cutter or cutting
    // plotter, on boards of the size the student gives (the File menu's "Export templates..."
    // comes here too). Asks for the file, then the machine and the board (CutExportDialog,
    // through modalRunner); reports the boards, a warning, or what went wrong. The nesting and
    // drawing run on a worker while the window shows that it is busy, with Stop; the question
    // before replacing files and the writing come once they are done.
    void ExportCutFiles();
    bool exporting() const { return cutWatch_.watching(); }
    void StopExport();

    // The print dialog and the printer; nullptr when the user cancels.
    std::function<std::unique_ptr<PageSink>(QWidget *parent)> openPrinter;
    // Enters Simulate mode, which analyses and simulates the design.
    std::function<void()> enterSimulate;
    // The Design mode update after a job.
    std::function<void()> afterPrint;
    // The window was closed (Cancel, its close button or Escape): Print Templates has nothing
    // more to show.
    std::function<void()> afterClose;

    // Lives between jobs: the number on the next layer template.
    PrintState printState;
    const PrintOutcome &lastOutcome() const { return lastOutcome_; }
    // What the export dialog offers: the last choices, which the window keeps between runs.
    CutExportChoices cutChoices;
    std::function<void(const CutExportChoices &)> cutChoicesChosen;
    ModalRunner modalRunner;
    int jobsRun() const { return jobsRun_; }

protected:
    void hideEvent(QHideEvent *event) override;

private:
    std::unique_ptr<PageSink> openSystemPrinter(QWidget *parent);
    void showExporting(bool busy);
    void finishExport(const CutExport &job, const DrawnCutBoards &drawn);

    Workspace &workspace_;
    WorkerPool &workers_;
    Prompter &prompter_;
    std::unique_ptr<QPrinter> printer_; // keeps the user's printer choices between jobs
    QRadioButton *buttons_[5] = {};
    PrintOutcome lastOutcome_;
    int jobsRun_ = 0;
    QPushButton *exportCut_ = nullptr;
    QWidget *exportBusy_ = nullptr;
    QPushButton *stopExport_ = nullptr;
    std::shared_ptr<std::atomic<bool>> exportStop_;
    // Last: waited for before anything the worker's result is handed to goes.
    FutureWatch<DrawnCutBoards> cutWatch_;
};

} // namespace zindle
