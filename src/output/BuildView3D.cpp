// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuildView3D.h"

#include "model/NumberText.h"
#include "physics/PhysicsState.h"
#include "model/PartMaterials.h"
#include "geometry/PartRegions.h"
#include "sheet/RegionPainting.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(BuildView3D)
};

} // namespace

using namespace build3d;

int Build3DStageCount(int coredLayers) { return std::max(coredLayers, 0) + 7; }

std::vector<Build3DStage> Build3DStageTable(int coredLayers)
{
    const int n = std::max(coredLayers, 0);
    const int count = Build3DStageCount(n);
    std::vector<Build3DStage> stages;
    stages.reserve(static_cast<size_t>(count));
    auto add = [&](Build3DStageKind kind, Build3DBoard board, int cored = 0) {
        stages.push_back({static_cast<int>(stages.size()) + 1, kind, board, cored});
    };
    add(Build3DStageKind::FarWheels, Build3DBoard::DriveWheel);
    add(Build3DStageKind::AxleStubs, Build3DBoard::DriveWheel);
    add(Build3DStageKind::FarFullLayer, Build3DBoard::OuterBody);
    for (int k = 1; k <= n; ++k)
        add(Build3DStageKind::CoredLayer, Build3DBoard::InnerBody, k);
    add(Build3DStageKind::NearFullLayer, Build3DBoard::OuterBody);
    add(Build3DStageKind::AxleStubs, Build3DBoard::DriveWheel);
    add(Build3DStageKind::NearWheels, Build3DBoard::DriveWheel);
    add(Build3DStageKind::AxleEnds, Build3DBoard::DriveWheel);
    return stages;
}

Build3DPlacement ComputeBuild3DPlacement(const SheetScale &scale, int coredLayers, float outerT,
                                         float innerT, float driveWheelT,
                                         const Build3DPlacementInput &input)
{
    Build3DPlacement p;
    p.DepthPxX = truncToInt(scale.ScreenScale * 32.0f * scale.PreviewZoom);
    p.DepthPxY = truncToInt(scale.ScreenScale * 8.0f * scale.PreviewZoom);
    const float depth = static_cast<float>(p.DepthPxX);
    const float txOuter = outerT * depth, txInner = innerT * depth, txWheel = driveWheelT * depth;
    const float stack = 2.0f * txOuter + static_cast<float>(std::max(coredLayers, 0)) * txInner
                        + depth + 2.0f * txWheel;
    p.stackDepth = truncToInt(stack);
    p.pictureWidth = truncToInt(scale.ScreenScale * 720.0f * scale.PreviewZoom) + p.stackDepth;
    p.freeWidth = input.mainWindowWidth - input.imageLeft;
    p.x0 = truncToInt(static_cast<float>(p.freeWidth - p.pictureWidth) / 2.0f) + p.stackDepth;
    return p;
}

std::vector<QPoint> Build3DSweepSteps(float tx, float ty)
{
    std::vector<QPoint> steps;
    if (!(tx > 0.0f) && !(ty > 0.0f))
        return steps;
    const bool alongX = tx >= ty;
    const float longer = alongX ? tx : ty;
    const float ratio = (alongX ? ty : tx) / longer;
    // A part far thicker than any board would only freeze the window; no sweep is that long.
    const int count = std::min(truncToInt(longer), 100000);
    float accumulator = 0.0f;
    steps.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        accumulator += ratio;
        int side = 0;
        if (accumulator >= 1.0f) {
            side = 1;
            accumulator = 0.0f;
        }
        steps.push_back(alongX ? QPoint(-1, side) : QPoint(-side, 1));
    }
    return steps;
}

// ---- requests and controls --------------------------------------------------------------------

Build3DRequest BuildView3D::refreshRequest()
{
    Built3DStage = 0;
    return {0, WholePicture, true};
}

Build3DRequest BuildView3D::rewindRequest()
{
    Built3DStage = 0;
    return {1, 1, true};
}

Build3DRequest BuildView3D::stepRequest()
{
    ++Built3DStage;
    return {Built3DStage, Built3DStage, false};
}

Build3DRequest BuildView3D::toEndRequest()
{
    controls.stepEnabled = false;
    // A picture that was stopped or stepped part of the way goes on from its last stage; the
    // stages before it are on the sheet already.
    if (Built3DStage > 0 && Built3DStage < m_stageCount)
        return {Built3DStage + 1, WholePicture, false};
    Built3DStage = 0;
    return {0, WholePicture, true};
}

bool BuildView3D::sliderMoved(int position, float &previewZoom)
{
    const float zoom = 0.4f + 0.175f * static_cast<float>(position);
    if (std::fabs(zoom - previewZoom) <= 0.001f)
        return false;
    previewZoom = zoom;
    controls.stepEnabled = false;
    controls.toEndEnabled = false;
    return true;
}

// ---- drawing ------------------------------------------------------------------------------------

void BuildView3D::begin(const PhysicsState &workspace, const Build3DPlacementInput &placementInput,
                        int from, int to)
{
    m_drawing = true;
    StopFlag = true;
    controls.toolsLocked = true;
    controls.sliderEnabled = controls.stepEnabled = controls.rewindEnabled = controls.toEndEnabled = false;
    controls.cancelVisible = true;
    controls.cancelCaption = QStringLiteral("Stop");

    const DesignRecord &d = workspace.design;
    const MaterialCatalogue &c = workspace.catalogue;
    m_thicknessIn[static_cast<int>(Build3DBoard::DriveWheel)] =
        floatOr(boardOf(d, c, DriveWheelPart).BoardThickness, 0.0f);
    m_thicknessIn[static_cast<int>(Build3DBoard::OuterBody)] =
        floatOr(boardOf(d, c, OuterBodyPart).BoardThickness, 0.0f);
    m_thicknessIn[static_cast<int>(Build3DBoard::InnerBody)] =
        floatOr(boardOf(d, c, InnerBodyPart).BoardThickness, 0.0f);

    const int cored = std::max(truncToInt(floatOr(workspace.results.LayersCoredEF, 0.0f)), 0);
    m_stages = Build3DStageTable(cored);
    m_stageCount = static_cast<int>(m_stages.size());
    m_from = from;
    m_to = to;
    m_next = 0;
    m_progress = QString::number(m_stageCount) + QStringLiteral(" layers");

    m_placement = ComputeBuild3DPlacement(
        workspace.scale, cored, m_thicknessIn[static_cast<int>(Build3DBoard::OuterBody)],
        m_thicknessIn[static_cast<int>(Build3DBoard::InnerBody)],
        m_thicknessIn[static_cast<int>(Build3DBoard::DriveWheel)], placementInput);

    // The preview shapes are built afresh from the design at the current zoom, on copies, so
    // that drawing never changes the design or the workspace's regions.
    DesignRecord design = workspace.design;
    OutlineCopies outer = makeOutlineCopies(design.OuterPts, workspace.scale);
    OutlineCopies inner = makeOutlineCopies(design.InnerPts, workspace.scale);
    const CaseRadii radii = redrawCaseRadii(workspace.results.CaseIDEF);
    const PartGeometry geometry = partGeometry(design, workspace.catalogue, radii.rIn, radii.rOut,
                                               workspace.build.DriveAxleHeightPt);
    PartRegions regions;
    BuildAllParts(regions, geometry, workspace.scale, design, outer, inner);
    const RegionSet &pv = regions.preview();
    const bool awd = geometry.allWheel();

    // Nothing of the body lies below the sheet's bottom edge. The band is open downward and
    // sideways so that it cuts at any zoom.
    const int bottom = truncToInt(540.0 * static_cast<double>(workspace.scale.PreviewScale)
                                  * static_cast<double>(workspace.scale.PreviewZoom));
    const QRegion band(QRect(QPoint(-1000000, bottom), QPoint(1000000, 1000000)));

    QRegion cases = pv.caseShape[0], chambers = pv.chamberShape[0];
    if (awd) {
        cases += pv.caseShape[1];
        chambers += pv.chamberShape[1];
    }
    Shapes s;
    s.fullLayer = (pv.outerOutline + cases) - band;
    s.coredLayer = ((pv.innerOutline + cases) - chambers) - band;
    s.axles = awd ? pv.driveAxle : pv.driveAxle + pv.otherAxle;
    s.spring = pv.spring;
    s.wheels = awd ? pv.driveWheels : pv.driveWheels + pv.otherWheels;
    const int x0 = m_placement.x0;
    for (QRegion *r : {&s.fullLayer, &s.coredLayer, &s.axles, &s.spring, &s.wheels})
        r->translate(x0, 0);
    s.fullFrame = frameRegion(s.fullLayer, 1, 1);
    s.coredFrame = frameRegion(s.coredLayer, 1, 1);
    s.axleFrame = frameRegion(s.axles, 1, 1);
    s.springFrame = frameRegion(s.spring, 1, 1);
    s.wheelFrame = frameRegion(s.wheels, 3, 3);
    m_shapes = s;
    m_position = QPoint(0, 0);
}

bool BuildView3D::hasNextStage() const
{
    return m_drawing && StopFlag && m_next < m_stages.size() && m_stages[m_next].number <= m_to;
}

void BuildView3D::paintStage(QPainter &painter, const Build3DStage &stage, QPoint offset,
                             bool firstStep) const
{
    const Shapes &s = m_shapes;
    auto fill = [&](const QRegion &region, const QColor &colour) {
        fillRegion(painter, region.translated(offset), QBrush(colour));
    };
    auto axles = [&] {
        fill(s.axles, AxleFill);
        fill(s.axleFrame, AxleOutline);
    };
    // A layer's first face blends into the face colour; the later faces' outlines form its side.
    const QColor layerOutline = firstStep ? FaceColor : LayerOutline;
    switch (stage.kind) {
    case Build3DStageKind::FarWheels:
    case Build3DStageKind::NearWheels:
        fill(s.wheels, FaceColor);
        fill(s.wheelFrame, WheelPen);
        break;
    case Build3DStageKind::AxleStubs:
    case Build3DStageKind::AxleEnds:
        axles();
        break;
    case Build3DStageKind::FarFullLayer:
    case Build3DStageKind::NearFullLayer:
        fill(s.fullLayer, FaceColor);
        fill(s.fullFrame, layerOutline);
        axles();
        break;
    case Build3DStageKind::CoredLayer:
        // The chamber stays open, so the wound spring shows through it.
        fill(s.spring, SpringFill);
        fill(s.coredLayer, FaceColor);
        fill(s.coredFrame, layerOutline);
        axles();
        fill(s.springFrame, SpringOutline);
        break;
    }
}

int BuildView3D::drawNextStage(QPainter &painter, const std::function<void()> &afterStep)
{
    if (m_next >= m_stages.size())
        return 0;
    const Build3DStage &stage = m_stages[m_next++];
    const float t = m_thicknessIn[static_cast<int>(stage.board)];
    const float tx = t * static_cast<float>(m_placement.DepthPxX);
    const float ty = t * static_cast<float>(m_placement.DepthPxY);
    const bool paint = stage.number >= m_from;
    const std::vector<QPoint> steps = Build3DSweepSteps(tx, ty);
    if (paint && steps.empty()) {
        // A board thinner than a pixel still shows its face.
        paintStage(painter, stage, m_position, true);
        if (afterStep)
            afterStep();
    }
    bool first = true;
    for (const QPoint &step : steps) {
        m_position += step;
        if (!paint)
            continue;
        paintStage(painter, stage, m_position, first);
        first = false;
        if (afterStep)
            afterStep();
    }
    if (paint)
        Built3DStage = stage.number;
    m_progress = Texts::tr("%1 of %2").arg(stage.number).arg(m_stageCount);
    return stage.number;
}

void BuildView3D::finish()
{
    StopFlag = false;
    m_drawing = false;
    controls.cancelVisible = false;
    controls.cancelCaption = QStringLiteral("Cancel");
    controls.toolsLocked = false;
    controls.sliderEnabled = true;
    controls.rewindEnabled = true;
    // A drawing that was stopped before its last stage can be taken on by Step or To end.
    const bool done = Built3DStage >= m_stageCount;
    controls.stepEnabled = !done;
    controls.toEndEnabled = !done;
}

void BuildView3D::draw(QPainter &painter, const PhysicsState &workspace,
                       const Build3DPlacementInput &placement, const Build3DRequest &request,
                       const std::function<void(int)> &afterStage,
                       const std::function<void()> &afterStep)
{
    begin(workspace, placement, request.from, request.to);
    while (hasNextStage()) {
        const int stage = drawNextStage(painter, afterStep);
        if (afterStage)
            afterStage(stage);
    }
    finish();
}

} // namespace zindle
