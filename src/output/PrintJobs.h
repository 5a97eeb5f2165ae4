// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print jobs of the Paper Prototype window: the report, one inner or one outer layer
// template, the wheel pages, or the entire set, printed at full size (one inch on the sheet is
// one inch on paper) through a page sink.
//
// A page sink hands out one printed item at a time. The desktop program implements it over
// QPrinter (each item its own print job, after the print dialog, on the paper chosen there);
// PdfPageSink writes every item as one page of a PDF on the paper it is given. Items are placed
// inside a margin the printer can ink, with a check square (PrintedPage.h); one that does not fit
// the paper there is tiled onto several pages, each begun as an item of the sink. The printer
// scale is taken from the item's paint device (dots per inch / 72) while the job runs and the
// workspace's scale is restored afterwards.
//
// Reads: the whole workspace; run the Simulate chain first (the Print button does when the
// design is not simulated). Writes: the design's corrected texts and the result fields of the
// build step (the template pages run it, as the Print Templates refresh does).

#include "files/FileErrors.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <memory>

namespace zindle {

struct PhysicsState;
struct SheetScale;

class PageSink {
public:
    virtual ~PageSink() = default;
    // Starts one printed item; returns the painter to draw it with (on the item's device), or
    // nullptr when it cannot be printed.
    virtual QPainter *beginItem(QPageLayout::Orientation orientation) = 0;
    // Ends the item begun last; false when it could not be finished.
    virtual bool endItem() = 0;
};

// Every item a page of one PDF document, its paint device the whole paper, 600 dots per inch unless told otherwise,
// written to `device`. Callers collect the document in memory and write the file whole once it
// is complete (WriteFileAtomically), so a failed write never leaves half a PDF behind.
class PdfPageSink : public PageSink {
public:
    explicit PdfPageSink(QIODevice &device, int dpi = 600,
                         const QPageSize &pageSize = QPageSize(QPageSize::Letter));
    ~PdfPageSink() override;
    QPainter *beginItem(QPageLayout::Orientation orientation) override;
    bool endItem() override;
    // Finishes the document; false when nothing was printed or it could not be written.
    bool close();
    int pageCount() const { return m_pages; }

private:
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
    int m_pages = 0;
    bool m_failed = false;
};

// A PDF file written whole, or not at all, when finished: the document grows in memory and
// replaces the file only once it is complete, so a failed print never leaves half a PDF
// where a good one was.
class PdfFileSink : public PageSink {
public:
    explicit PdfFileSink(const QString &path, int dpi = 600,
                         const QPageSize &pageSize = QPageSize(QPageSize::Letter));
    QPainter *beginItem(QPageLayout::Orientation orientation) override { return m_pdf.beginItem(orientation); }
    bool endItem() override { return m_pdf.endItem(); }
    // Ends the document and writes the file; the error names the file.
    WriteOutcome finish();

private:
    QString m_path;
    QBuffer m_document;
    PdfPageSink m_pdf;
};

enum class PrintJobKind { Report, OneInnerLayer, OneOuterLayer, Wheels, EntireSet };

// What lives on between jobs: the number printed on the next layer template.
struct PrintState {
    int TemplateLayerNumber = 0;
};

// A car of more layers than this was drawn with boards thinner than any that can be cut; its
// entire set would run to a page per layer without end, so it is refused before printing.
inline constexpr int MaxLayerTemplates = 500;

struct PrintOutcome {
    bool ok = true;
    int itemsPrinted = 0; // pages: a tiled item counts each of its tiles
    QString error; // why nothing was printed, when the job was refused before its first page
};

PrintOutcome RunPrintJob(PhysicsState &workspace, PageSink &sink, PrintJobKind job, PrintState &state);

// Sets the printer part of a sheet scale for a device of the given resolution: the printer
// scale, the printer ground band and the printer drawing area.
void ApplyPrinterResolution(SheetScale &scale, float dpiX, float dpiY);

} // namespace zindle
