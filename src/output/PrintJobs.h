#pragma once
// The print jobs of the Paper Prototype window: the report, one inner or one outer layer
// template, the wheel pages, or the entire set, printed at full size (one inch on the sheet is
// one inch on paper) through a page sink.
//
// A page sink hands out one printed item at a time. The desktop program implements it over
// QPrinter (each item its own print job, after the print dialog, on the paper chosen there);
// PdfPageSink writes every item as one page of a PDF on the paper it is given. Every item fits
// A4 and US Letter alike. The printer scale is taken from the item's paint device
// (dots per inch / 72) while the job runs and the workspace's scale is restored afterwards.
//
// Reads: the whole workspace; run the Simulate chain first (the Print button does when the
// design is not simulated). Writes: the design's corrected texts and the result fields of the
// build step (the template pages run it, as the Print Templates refresh does).

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <memory>

namespace zindle {

struct Workspace;
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

// Every item a page of one PDF file, no margins, 600 dots per inch unless told otherwise.
class PdfPageSink : public PageSink {
public:
    explicit PdfPageSink(const QString &path, int dpi = 600,
                         const QPageSize &pageSize = QPageSize(QPageSize::Letter));
    ~PdfPageSink() override;
    QPainter *beginItem(QPageLayout::Orientation orientation) override;
    bool endItem() override;
    // Finishes the file; false when it could not be written.
    bool close();
    int pageCount() const { return m_pages; }

private:
    QString m_path;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
    int m_pages = 0;
    bool m_failed = false;
};

enum class PrintJobKind { Report, OneInnerLayer, OneOuterLayer, Wheels, EntireSet };

// What lives on between jobs: the number printed on the next layer template.
struct PrintState {
    int TemplateLayerNumber = 0;
};

struct PrintOutcome {
    bool ok = true;
    int itemsPrinted = 0;
};

PrintOutcome RunPrintJob(Workspace &workspace, PageSink &sink, PrintJobKind job, PrintState &state);

// Sets the printer part of a sheet scale for a device of the given resolution: the printer
// scale, the printer ground band and the printer drawing area.
void ApplyPrinterResolution(SheetScale &scale, float dpiX, float dpiY);

} // namespace zindle
