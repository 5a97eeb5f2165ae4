// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layer templates: how many there are, their order and numbers, the on-screen preview of
// one template, the preview's stepping state, and the labels printed on every template page.
//
// Refresh order: the Preview and Print Templates modes prepare the sheet and run the build
// step first (PrepareTemplates does both); the preview and the labels then read
// LayersCoredEF, LayersFullEF, LayersWideEF, CaseIDEF, the build's DriveAxleHeightPt, the
// screen outline regions, the design name and the board materials.
// (Printer regions are built only for a printing pass: `withPrinter`.)

#include "sheet/CarRenderer.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <vector>

namespace zindle {

class DesignList;
struct PhysicsState;
struct ResultFields;

// Sheet preparation and build step of the template modes: outline copies and part regions at
// the workspace's scale, then the build geometry and the redraw's regions.
void PrepareTemplates(PhysicsState &workspace, bool withPrinter = false);

// LayersCoredEF + LayersFullEF (unparsable or negative counts count as 0).
int TemplateCount(const ResultFields &results);

enum class LayerKind { Outer, Inner };
struct LayerTemplate {
    LayerKind kind = LayerKind::Outer;
    int TemplateLayerNumber = 0; // printed on the page; 1 .. TemplateCount in stacking order
};
// The entire set's layer templates: LayersFullEF div 2 outer, LayersCoredEF inner, then
// LayersFullEF div 2 outer, numbered 1, 2, ... in that order.
std::vector<LayerTemplate> TemplateSet(int coredLayers, int fullLayers);
std::vector<LayerTemplate> TemplateSet(const ResultFields &results);

// The design's name as the design list shows it.
QString TemplateDesignName(const DesignList &list);

// "n of N", as the preview label and the sheet show it.
QString TemplatePreviewText(int n, int templateCount);

// Draws template n on the Preview-mode sheet as its page prints it: empty sheet, the outer layer
// (n = 1 or TemplateCount) or the cored inner one filled silver with the wheels, the spring and
// the axle holes, and "n of N" at (4 in, 1 in).
// Returns the label text for PreviewLabel.
QString ShowTemplatePreview(QPainter &painter, const QSize &sheetSize, const PhysicsState &workspace,
                            int n, const QColor &background, int windowWidth);
QString ShowTemplatePreview(QImage &sheet, const PhysicsState &workspace, int n,
                            const QColor &background, int windowWidth);

// The Preview panel's state: which template is shown and whether Step and Rewind are enabled.
struct TemplatePreviewState {
    int PreviewIndex = 1;
    int templateCount = 1;
    bool stepEnabled = true;
    bool rewindEnabled = false;

    // Entering Preview mode (and every refresh of it): template 1.
    void enter(int count);
    // StepPVBtn: returns true when another template is to be shown.
    bool step();
    // RewindPvBtn.
    void rewind();
};

// What kind of page PrintTemplateLabels labels.
struct TemplateLabelPage {
    bool layerTemplate = false;
    bool outerLayer = false;
    bool wheelPage = false;
    float noteXPt = 0.0f; // where the spring-access note starts, points
};

// Printed on the layer the spring passes through.
QString SpringAccessNote();

// The three label lines of a page (line at 0.5 in, 6 in, 7 in; the last may be empty).
struct TemplateLabelLines {
    QString top, middle, bottom;
    bool springNote = false;
};
TemplateLabelLines TemplateLabels(const PhysicsState &workspace, const TemplateLabelPage &page,
                                  int templateLayerNumber);

// Prints the page labels on the printer canvas (printer coordinates from PrinterScaleX/Y);
// does nothing unless `target` is the printer.
void PrintTemplateLabels(QPainter &painter, const PhysicsState &workspace, PaintTarget target,
                         const TemplateLabelPage &page, int templateLayerNumber);

} // namespace zindle
