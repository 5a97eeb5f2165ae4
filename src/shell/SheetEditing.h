// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sheet tools of the Design mode: drawing the outer and inner outlines, placing the front
// axle, adding and removing weights, and (with no tool active) hovering over and clicking the
// parts. The sheet's mouse events try these in that order. While a tool is active the tool
// lock keeps every other control of the window disabled.

#include "SheetImage.h"
#include "sheet/OutlineTool.h"
#include "sheet/ToolLock.h"
#include "app/DesignHistory.h"

#include <QPoint>
#include <functional>
#include <memory>
#include <optional>

class QColor;

namespace zindle {

class DesignPanel;
class HowHeavyDialog;
class PointsDialog;
class MainWindow;

class SheetEditing : public SheetMouse {
public:
    SheetEditing(MainWindow &window, DesignPanel &panel);
    ~SheetEditing() override;

    // The tool buttons.
    void DrawOuterBtnClick();
    void DrawInnerBtnClick();
    void DrawCancelBtnClick();
    void ClearOuterBtnClick();
    void ClearInnerBtnClick();
    void ClearAllCustomBtnClick();
    void SetFrontAxleBtnClick();
    void AddWtBtnClick();
    void RemoveWtBtnClick();

    void ImageMouseDown(QPoint pixel) override;
    void ImageMouseMove(QPoint pixel) override;
    void ImageMouseUp(QPoint pixel) override;
    void ImageDblClick(QPoint pixel) override;
    void ImageMouseLeave() override;
    // Escape: whatever tool is in use ends without a change, as Cancel ends a drawing.
    void EscapePressed();
    // Edit > Points...: the outlines as typed inches; what OK gives is drawn as the tool would.
    void EditPoints();

    // Outlines the part under the mouse (part-box index, -1 for none) and describes it.
    void HighlightPart(int partNameIndex);
    // The part whose hit region contains the pixel, tested other axle first, inner layers last.
    int partAt(QPoint pixel) const;

    // The screen rectangle the front axle may be dropped in: right of the drive axle's centre,
    // within the drawing area.
    QRect frontAxleArea() const;

    // Ends whatever tool is active without a change (the design is being reset).
    void resetToolStates();
    bool toolActive() const;
    // True while a tool (or the weight dialog it opened) holds the rest of the window locked.
    bool locked() const;

    const OutlineTool &outlines() const { return outlines_; }
    bool placingFrontAxle() const { return placingFrontAxle_; }
    bool addingWeight() const { return addingWeight_; }
    bool removingWeight() const { return removingWeight_; }
    ToolLock &lock();
    HowHeavyDialog &howHeavy();

    // Stops the 3D build animation if it runs and tells whether it did; Cancel then does
    // nothing else. Set by whoever runs that animation.
    std::function<bool()> stopBuildAnimation;

private:
    void startDrawing(OutlineTarget which);
    void finishDrawing();
    void endTool(const char *button);
    // Ends the front-axle or a weight tool without a change.
    void cancelSheetTool();
    void lockTools(const QString &activeTool = QString());
    void unlockTools();
    // The hint and Cancel over the part attributes while a tool is in use.
    void showToolHint(const QString &hint);
    void hideToolHint();
    void designRefresh();
    void registerLockControls();
    void setSheetCursor(SheetCursor cursor);
    void drawLines(const std::vector<SheetLine> &lines);
    void enableFileItems(bool enabled);
    // A tool marks the design changed when chosen; ended without a change, it gives the marks
    // back, so choosing and cancelling a tool leaves the design unchanged.
    void markChangedByTool();
    void settleToolMark();

    MainWindow &window_;
    DesignPanel &panel_;
    OutlineTool outlines_;
    std::unique_ptr<ToolLock> lock_;
    std::unique_ptr<HowHeavyDialog> howHeavy_;
    std::unique_ptr<PointsDialog> points_;
    bool placingFrontAxle_ = false, addingWeight_ = false, removingWeight_ = false;
    int LastGuideX = 0;
    std::optional<TentativeMark> toolMark_;
};

} // namespace zindle
