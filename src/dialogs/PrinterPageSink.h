// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printed items over a QPrinter: each item is its own print job at the printer's resolution,
// so one inch of the sheet is one inch on paper.
//
// A printer set to write a PDF file is the exception: separate jobs would each rewrite the
// same file and only the last item would survive, so there every item becomes one page of a
// single document, finished when the sink is finished or destroyed.

#include "output/PrintJobs.h"

#include <QPainter>

class QPrinter;
class QWidget;

namespace zindle {

class PrinterPageSink : public PageSink {
public:
    // The printer must outlive the sink.
    explicit PrinterPageSink(QPrinter &printer);
    ~PrinterPageSink() override;
    QPainter *beginItem(QPageLayout::Orientation orientation) override;
    bool endItem() override;
    // Ends a document that is still open; false when something could not be printed.
    bool finish();
    int itemCount() const { return m_items; }
    int jobCount() const { return m_jobs; }

private:
    bool toFile() const;

    QPrinter &m_printer;
    QPainter m_painter;
    int m_items = 0;
    int m_jobs = 0;
    bool m_failed = false;
};

// The paper a new printer starts with: a real printer keeps the paper it is set up for; with
// no printer installed (the dialog then writes a PDF file) the locale's paper is taken, A4 or
// US Letter. Either way the print dialog lets the user choose another.
void ChooseInitialPaper(QPrinter &printer);

// Shows the system's print dialog for `printer` (the user may also choose a PDF file and the
// paper there); false when it was cancelled.
bool RunSystemPrintDialog(QPrinter &printer, QWidget *parent);

} // namespace zindle
