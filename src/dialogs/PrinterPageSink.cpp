// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrinterPageSink.h"

#include "output/PaperSize.h"

#include <QPrintDialog>
#include <QPrinter>

namespace zindle {

PrinterPageSink::PrinterPageSink(QPrinter &printer) : m_printer(printer) {}

PrinterPageSink::~PrinterPageSink() { finish(); }

bool PrinterPageSink::toFile() const
{
    return m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty();
}

QPainter *PrinterPageSink::beginItem(QPageLayout::Orientation orientation)
{
    if (m_failed)
        return nullptr;
    if (toFile() && m_painter.isActive()) {
        // The next page of the one document.
        m_printer.setPageOrientation(orientation);
        if (!m_printer.newPage()) {
            m_failed = true;
            return nullptr;
        }
    } else {
        m_printer.setPageOrientation(orientation);
        // The pages keep their own margin from the paper's edge; the printer's would be added to it.
        m_printer.setFullPage(true);
        m_printer.setDocName(QStringLiteral("Zindle"));
        if (!m_painter.begin(&m_printer)) {
            m_failed = true;
            return nullptr;
        }
        ++m_jobs;
    }
    ++m_items;
    m_painter.save();
    return &m_painter;
}

bool PrinterPageSink::endItem()
{
    if (!m_painter.isActive())
        return false;
    m_painter.restore();
    // A real printer gets each item as a job of its own.
    if (!toFile() && !m_painter.end())
        m_failed = true;
    return !m_failed;
}

bool PrinterPageSink::finish()
{
    if (m_painter.isActive() && !m_painter.end())
        m_failed = true;
    return !m_failed;
}

void ChooseInitialPaper(QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setPageSize(QPageSize(DefaultPaperSize()));
}

bool RunSystemPrintDialog(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print"));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zindle
