// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "What if": sliders for the sizes a student most often tries (spring length and width, the
// drive wheel, an added weight's mass and position, friction). Every move runs the car again on
// a worker from a copy of the design and redraws its distance and speed, with the run from
// before the move faded behind it; letting go of a slider offers to put the value into the
// design. The design itself is never touched here: applying is the main window's step.

#include "app/FutureWatch.h"
#include "app/WhatIf.h"

#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class QComboBox;
class QLayout;
class QLabel;
class QPainter;
class QPushButton;
class QSlider;

namespace zindle {

class WorkerPool;

class WhatIfWindow : public QWidget {
    Q_OBJECT
public:
    WhatIfWindow(WorkerPool &workers, QWidget *parent);
    ~WhatIfWindow() override;

    // The design to try changes on, copied now; its own run is computed first. The sliders go
    // back to its values.
    void showDesign(const Workspace &workspace, const QString &name);

    // Moves a slider as the user would (tests; keyboard steps reach it the same way).
    void moveKnob(WhatIfKnob knob, int index, bool released);
    void ApplyClick();

    // What the window shows (tests and screenshots).
    const std::optional<WhatIfRun> &shownRun() const { return shown_; }
    const std::optional<WhatIfRun> &fadedRun() const { return faded_; }
    bool computing() const { return watch_.watching(); }
    QString timeText() const;
    QString offerText() const;
    QImage picture(QSize size) const;

signals:
    // The student applies `value` of `knob` (for the weight in slot `weight`).
    void applyValue(WhatIfKnob knob, int weight, double value);

private:
    struct Request {
        bool changed = false; // false: the design's own run
        WhatIfKnob knob = WhatIfKnob::SpringLength;
        int weight = -1;
        double value = 0.0;
    };
    class Canvas;
    static QString timeWords(const WhatIfRun &run);
    static void paintRuns(QPainter &painter, const QRectF &area, const WhatIfRun *shown, const WhatIfRun *faded,
                          const QString &name);
    // `weight` is the slot of the weight the two weight knobs move, -1 for none.
    static QString knobCaption(WhatIfKnob knob, int weight);
    static QString applyText(WhatIfKnob knob, int weight, const QString &value);
    QLayout *buildSliders();
    void resetSliders();
    void weightChosen();
    void request(const Request &request);
    void startNext();
    void finished(WhatIfRun run, const Request &request);

    WorkerPool &workers_;
    std::shared_ptr<const Workspace> base_;
    QString name_;
    QComboBox *weights_ = nullptr;
    struct Row {
        QLabel *caption = nullptr, *value = nullptr;
        QSlider *slider = nullptr;
        WhatIfRange range;
    };
    std::array<Row, WhatIfKnobs.size()> rows_{};
    Canvas *canvas_ = nullptr;
    QLabel *time_ = nullptr;
    QPushButton *apply_ = nullptr;
    bool syncing_ = false;
    std::optional<Request> pending_, offered_;
    Request running_, shownAsked_;
    std::optional<WhatIfRun> shown_, faded_;
    QString shownTime_, fadedTime_;
    bool keepFaded_ = false; // a drag in progress keeps the run from before it
    FutureWatch<WhatIfRun> watch_;
};

} // namespace zindle
