// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintJobs.h"

#include "DesignReport.h"
#include "PrintedPage.h"
#include "Templates.h"
#include "WheelPages.h"
#include "files/FileAccess.h"
#include "model/NumberText.h"
#include "physics/PhysicsState.h"
#include "sheet/CarRenderer.h"
#include "geometry/PartRegions.h"
#include "physics/SheetPreparation.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QPaintDevice>
#include <QPolygon>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PrintJobs)
};

} // namespace

// ---- PDF sink ---------------------------------------------------------------------------------

PdfPageSink::PdfPageSink(QIODevice &device, int dpi, const QPageSize &pageSize)
    : m_writer(std::make_unique<QPdfWriter>(&device))
{
    m_writer->setResolution(dpi);
    m_writer->setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait,
                                        QMarginsF(0, 0, 0, 0)));
    m_writer->setCreator(QStringLiteral("zindle"));
}

PdfPageSink::~PdfPageSink() { close(); }

QPainter *PdfPageSink::beginItem(QPageLayout::Orientation orientation)
{
    if (m_failed)
        return nullptr;
    m_writer->setPageOrientation(orientation);
    if (m_pages == 0) {
        if (!m_painter.begin(m_writer.get())) {
            m_failed = true;
            return nullptr;
        }
    } else if (!m_writer->newPage()) {
        m_failed = true;
        return nullptr;
    }
    ++m_pages;
    m_painter.save();
    return &m_painter;
}

bool PdfPageSink::endItem()
{
    if (!m_painter.isActive())
        return false;
    m_painter.restore();
    return !m_failed;
}

bool PdfPageSink::close()
{
    if (m_painter.isActive() && !m_painter.end())
        m_failed = true;
    return !m_failed && m_pages > 0;
}

PdfFileSink::PdfFileSink(const QString &path, int dpi, const QPageSize &pageSize)
    : m_path(path), m_document(), m_pdf((m_document.open(QIODevice::WriteOnly), m_document), dpi, pageSize)
{
}

WriteOutcome PdfFileSink::finish()
{
    if (!m_pdf.close())
        return FailedWrite(
            writeError(m_path, FileText(QT_TRANSLATE_NOOP("FileErrors", "nothing could be printed into it"))));
    return WriteFileAtomically(m_path, m_document.data());
}

// ---- printer scale ------------------------------------------------------------------------------

void ApplyPrinterResolution(SheetScale &s, float dpiX, float dpiY)
{
    s.PrinterScaleX = (dpiX > 0.0f ? dpiX : 600.0f) / 72.0f;
    s.PrinterScaleY = (dpiY > 0.0f ? dpiY : 600.0f) / 72.0f;
    const float px = s.PrinterScaleX, py = s.PrinterScaleY;
    s.GroundBandPrinter = QRect(QPoint(0, truncToInt(540.0f * py)),
                                QPoint(truncToInt(1000.0f * px) - 1, truncToInt(768.0f * py) - 1));
    s.GroundBandRegionPrinter = QRegion(s.GroundBandPrinter);
    s.PrinterDrawRect = QRect(0, 0, truncToInt(static_cast<float>(s.DrawPxWidth) * px),
                              truncToInt(static_cast<float>(s.DrawPxHeight) * py));
    const int w = s.PrinterDrawRect.width(), h = s.PrinterDrawRect.height();
    QPolygon paper;
    paper << QPoint(0, h) << QPoint(w, h) << QPoint(w, 0) << QPoint(0, 0);
    paper.translate(s.PrinterOriginX, s.PrinterOriginY);
    s.PrinterDrawAreaRegion = QRegion(paper, Qt::WindingFill);
}

// ---- jobs ---------------------------------------------------------------------------------------

namespace {

class JobRunner {
public:
    JobRunner(PhysicsState &workspace, PageSink &sink, PrintOutcome &outcome)
        : ws(workspace), sink(sink), outcome(outcome), savedScale(workspace.scale)
    {
    }
    ~JobRunner()
    {
        // The sheet goes back to the screen's printer scale, with its copies and regions.
        ws.scale = savedScale;
        refreshCopies();
        RescaleDesign(ws);
    }

    bool report()
    {
        return item(QPageLayout::Portrait, [&](QPainter &p) { PaintDesignReport(p, ws); });
    }

    bool layer(bool outer, int number)
    {
        return item(QPageLayout::Landscape, [&](QPainter &p) {
            // The Print Templates refresh: sheet and build step, then the car on paper.
            PrepareTemplates(ws);
            TemplateLabelPage page;
            page.layerTemplate = true;
            page.outerLayer = outer;
            page.noteXPt = redrawCaseRadii(ws.results.CaseIDEF).rOut;
            RedrawDesign(p, ws, PaintTarget::Printer, outer, [&](QPainter &labels) {
                PrintTemplateLabels(labels, ws, PaintTarget::Printer, page, number);
            });
        });
    }

    bool wheels(int number)
    {
        for (const WheelPage &page : WheelPages(ws.design)) {
            if (!item(QPageLayout::Landscape, [&](QPainter &p) { PaintWheelPage(p, ws, page, number); }))
                return false;
        }
        return true;
    }

private:
    // The copies keep their old printer points while their size is unchanged, and the printer
    // scale changes under them here.
    void refreshCopies()
    {
        ws.outerCopies = makeOutlineCopies(ws.design.OuterPts, ws.scale);
        ws.innerCopies = makeOutlineCopies(ws.design.InnerPts, ws.scale);
    }

    // One item on as many sheets as it needs (several when it is tiled); each sheet counts.
    template <typename Paint>
    bool item(QPageLayout::Orientation orientation, Paint paint)
    {
        auto at = [&](QPainter &painter, float dpiX, float dpiY) {
            ApplyPrinterResolution(ws.scale, dpiX, dpiY);
            // Outline copies at the device's resolution; the car's renderer builds the paper regions.
            refreshCopies();
            painter.setBrush(Qt::white);
            painter.setPen(Qt::black);
            paint(painter);
        };
        const int sheets = PrintOnSheets(
            [&] { return sink.beginItem(orientation); }, [&] { return sink.endItem(); },
            [&](QPainter &probe, const QSizeF &) { at(probe, 72.0f, 72.0f); },
            [&](QPainter &painter, const QSizeF &) {
                const QPaintDevice *device = painter.device();
                at(painter, static_cast<float>(device->logicalDpiX()), static_cast<float>(device->logicalDpiY()));
            });
        if (sheets < 0) {
            outcome.ok = false;
            return false;
        }
        outcome.itemsPrinted += sheets;
        return true;
    }

    PhysicsState &ws;
    PageSink &sink;
    PrintOutcome &outcome;
    SheetScale savedScale;
};

} // namespace

PrintOutcome RunPrintJob(PhysicsState &workspace, PageSink &sink, PrintJobKind job, PrintState &state)
{
    PrintOutcome outcome;
    JobRunner run(workspace, sink, outcome);
    switch (job) {
    case PrintJobKind::Report:
        run.report();
        break;
    case PrintJobKind::OneInnerLayer:
    case PrintJobKind::OneOuterLayer:
        state.TemplateLayerNumber = 0;
        run.layer(job == PrintJobKind::OneOuterLayer, 0);
        break;
    case PrintJobKind::Wheels:
        run.wheels(state.TemplateLayerNumber);
        break;
    case PrintJobKind::EntireSet: {
        state.TemplateLayerNumber = 0;
        if (const int layers = TemplateCount(workspace.results); layers > MaxLayerTemplates) {
            outcome.ok = false;
            outcome.error = Texts::tr("The design has %1 layers; at most %2 layer templates can be printed.")
                                .arg(layers)
                                .arg(MaxLayerTemplates);
            break;
        }
        if (!run.report())
            break;
        // The set is laid out from the build as it stands when printing starts.
        PrepareTemplates(workspace);
        bool ok = true;
        for (const LayerTemplate &t : TemplateSet(workspace.results)) {
            state.TemplateLayerNumber = t.TemplateLayerNumber;
            if (!(ok = run.layer(t.kind == LayerKind::Outer, t.TemplateLayerNumber)))
                break;
        }
        if (ok)
            run.wheels(state.TemplateLayerNumber);
        break;
    }
    }
    return outcome;
}

} // namespace zindle
