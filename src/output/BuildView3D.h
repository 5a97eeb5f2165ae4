// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 3D build view of the Build mode: the car drawn as a stack of flat parts, each swept back
// along a slanted depth direction, one stage at a time, from the far wheels to the near axle
// ends. Painter code only; a window drives it.
//
// How a window uses it:
//   - keep one BuildView3D for the window's life; it holds Built3DStage, the stop flag, the
//     progress text and the enabled state of the Build panel's controls;
//   - a button asks for its draw request (refreshRequest, rewindRequest, stepRequest,
//     toEndRequest), clears the sheet when the request says so, then either draws it whole
//       draw(painter, workspace, placement, request, afterStage, afterStep)
//     or a stage per tick of a timer (the window's way; Stop calls stop() between two ticks):
//       begin(...); while (hasNextStage()) drawNextStage(...); finish();
//   - the Stop button calls stop(); switching modes calls modeSwitched().
// Reads: the design, the board materials, LayersCoredEF, CaseIDEF, the build's
// DriveAxleHeightPt, the sheet scale (ScreenScale, PreviewScale, PreviewZoom).
// Writes: nothing of the workspace.

#include "geometry/SheetScale.h"

#include <QColor>
#include <QPainter>
#include <QRegion>
#include <QString>
#include <functional>
#include <vector>

namespace zindle {

struct PhysicsState;

// What one stage of the stack is.
enum class Build3DStageKind {
    FarWheels,     // 1
    AxleStubs,     // 2 and N - 2
    FarFullLayer,  // 3
    CoredLayer,    // 4 .. N - 4, one per cored layer
    NearFullLayer, // N - 3
    NearWheels,    // N - 1
    AxleEnds,      // N
};

// Which board's thickness a stage is swept over.
enum class Build3DBoard { DriveWheel, OuterBody, InnerBody };

struct Build3DStage {
    int number = 0; // 1 .. N
    Build3DStageKind kind = Build3DStageKind::FarWheels;
    Build3DBoard board = Build3DBoard::DriveWheel;
    int coredLayer = 0; // 1 .. n for cored layers, else 0
};

// N = cored layers + 7.
int Build3DStageCount(int coredLayers);
// The stages from the back of the stack to the front.
std::vector<Build3DStage> Build3DStageTable(int coredLayers);

namespace build3d {
inline const QColor FaceColor(238, 221, 255);
inline const QColor LayerOutline(204, 187, 238);
inline const QColor WheelPen(255, 153, 153);
inline const QColor AxleFill(255, 204, 170);
inline const QColor AxleOutline(238, 187, 153);
inline const QColor SpringFill(0, 255, 0);
inline const QColor SpringOutline(85, 221, 85);
inline constexpr int WholePicture = 999; // `to` of a whole drawing
} // namespace build3d

// Where the picture goes: the main window's width and the sheet picture's left edge.
struct Build3DPlacementInput {
    int mainWindowWidth = 0;
    int imageLeft = 0;
};

// Depth per inch and the placement of the stack.
struct Build3DPlacement {
    int DepthPxX = 0, DepthPxY = 0; // pixels per inch of thickness, leftward and downward
    int stackDepth = 0;             // W_d
    int pictureWidth = 0;           // W_p
    int freeWidth = 0;              // W_f
    int x0 = 0;                     // x offset of the back face
};
// DepthPxX = Trunc(ScreenScale x 32 x PreviewZoom), DepthPxY = Trunc(ScreenScale x 8 x PreviewZoom).
Build3DPlacement ComputeBuild3DPlacement(const SheetScale &scale, int coredLayers, float outerT,
                                         float innerT, float driveWheelT,
                                         const Build3DPlacementInput &input);

// One sweep: a digital line over (tx, ty) from the back to the front, one pixel at a time
// along the longer direction. Returns the step offsets (dx <= 0, dy >= 0) in order.
std::vector<QPoint> Build3DSweepSteps(float tx, float ty);

// A draw request of the Build panel: stages `from` .. `to` are painted, the ones below `from`
// only walked. `clearSheet` asks the window to clear the sheet first.
struct Build3DRequest {
    int from = 0;
    int to = build3d::WholePicture;
    bool clearSheet = true;
};

// Enabled and shown states of the Build panel's controls.
struct Build3DControls {
    bool stepEnabled = false;   // StepForward3DBtn
    bool toEndEnabled = false;  // ToEnd3DBtn
    bool rewindEnabled = true;  // Rewind3DBtn
    bool sliderEnabled = true;  // Slider3D
    bool cancelVisible = false; // DrawCancelBtn
    QString cancelCaption = QStringLiteral("Cancel");
    bool toolsLocked = false;   // the sheet tools' lock and the hourglass, while drawing
};

class BuildView3D {
public:
    // The number of the last stage drawn (0 = none), kept between button presses.
    int Built3DStage = 0;
    // Set while a drawing is in progress; stop() clears it and the drawing ends at the next
    // stage boundary.
    bool StopFlag = false;
    Build3DControls controls;

    // Requests of the Build mode refresh and of the panel's buttons. They update Built3DStage
    // and the controls as the buttons do before drawing. After a Stop, Step draws the stage
    // after the last one drawn and To end draws from there to the end.
    Build3DRequest refreshRequest();
    Build3DRequest rewindRequest();
    Build3DRequest stepRequest();
    Build3DRequest toEndRequest();
    void stop() { StopFlag = false; }
    void modeSwitched() { Built3DStage = 0; }
    // The "Picture Size" slider at position 0, 1 or 2: zoom 0.4 + 0.175 x position. Returns
    // true when the zoom changed by more than 0.001 (then `previewZoom` is set and stepping is
    // disabled until the picture is rebuilt).
    bool sliderMoved(int position, float &previewZoom);

    // A whole draw request. afterStage(stage) runs after each stage (repaint, show
    // progressText(); a stop() there ends the drawing). afterStep runs after every painted
    // sweep step.
    void draw(QPainter &painter, const PhysicsState &workspace, const Build3DPlacementInput &placement,
              const Build3DRequest &request, const std::function<void(int)> &afterStage = {},
              const std::function<void()> &afterStep = {});

    // The same request in pieces, for a window that draws one stage per timer tick.
    void begin(const PhysicsState &workspace, const Build3DPlacementInput &placement, int from, int to);
    bool hasNextStage() const;
    // Walks (and paints, when at or above `from`) the next stage; returns its number.
    int drawNextStage(QPainter &painter, const std::function<void()> &afterStep = {});
    void finish();

    int stageCount() const { return m_stageCount; }
    const QString &progressText() const { return m_progress; } // Progress3DLabel
    const Build3DPlacement &placement() const { return m_placement; }
    QPoint sweepPosition() const { return m_position; }
    bool isDrawing() const { return m_drawing; }

private:
    struct Shapes {
        QRegion fullLayer, coredLayer, axles, spring, wheels;
        QRegion fullFrame, coredFrame, axleFrame, springFrame, wheelFrame;
    };
    void paintStage(QPainter &painter, const Build3DStage &stage, QPoint offset, bool firstStep) const;

    Build3DPlacement m_placement;
    Shapes m_shapes;
    std::vector<Build3DStage> m_stages;
    float m_thicknessIn[3] = {0.0f, 0.0f, 0.0f}; // by Build3DBoard
    int m_stageCount = 0;
    int m_from = 0, m_to = 0;
    size_t m_next = 0;
    QPoint m_position;
    bool m_drawing = false;
    QString m_progress;
};

} // namespace zindle
