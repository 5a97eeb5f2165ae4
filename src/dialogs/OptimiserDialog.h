// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The optimiser in the window: the student picks the sizes to vary and their ranges, the goal
// and the constraints, and Start searches on the worker pool from a copy of the workspace taken
// at Start, the status line counting the designs tried and the best time so far; STOP ends the
// search at the next design. When it ends, the five best distinct designs are listed with what
// each changes of the student's design, and, when two sizes or more were varied, the design map
// of the first two shows where the search looked. "Apply" hands the chosen design to the window,
// which puts it into the design as one step and shows Simulate.

#include "app/DesignHistory.h"
#include "app/FutureWatch.h"
#include "app/Optimiser.h"

#include <QDialog>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace zindle {

class OptimiserMapView;
struct Workspace;

class OptimiserDialog : public QDialog {
    Q_OBJECT
public:
    OptimiserDialog(Workspace &workspace, WorkerPool &workers, QWidget *parent);
    // Stops a running search and waits for its thread.
    ~OptimiserDialog() override;

    // Puts `design` (of the sizes `parameters`) into the window's design as one step and shows
    // Simulate; false, changing nothing, when the window may not change the design now.
    std::function<bool(const std::vector<OptimiserParameter> &parameters, const OptimiserDesign &design)> applyDesign;
    // The challenge open in the window when Start is pressed, if any: a search keeps its rules.
    std::function<std::shared_ptr<const Challenge>()> openChallenge;

    void StartClick();
    void StopClick();
    // Hands the design of the chosen row of the best designs to the window.
    bool ApplyClick();
    // The window is going: a running search stops and its thread is waited for.
    void abandonSearch();

    bool searching() const { return job_ != nullptr; }
    const OptimiserResult &lastResult() const { return result_; }
    QTableWidget *sizesTable() const { return sizes_; }
    QTableWidget *bestTable() const { return best_; }
    QLabel *statusLabel() const { return status_; }
    QSpinBox *seedField() const { return seed_; }
    QSpinBox *evaluationsField() const { return evaluations_; }
    OptimiserMapView *designMap() const { return map_; }
    // Checks the sizes named (as the command line names them) and no other.
    void chooseSizes(const QStringList &names);

    // The sizes as people read them: "drive wheel", "weight 2 mass".
    static QString sizeCaption(const QString &name);

signals:
    // A search ended (done or stopped) and its results are shown.
    void searchEnded();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    struct Job;
    static constexpr int SizeNameColumn = 0; // then From and To
    // The rows of the sizes the design has, keeping the checks and ranges of those it had.
    void listSizes();
    // The chosen sizes with their ranges, or the refusal in `error`.
    std::vector<OptimiserParameter> chosenParameters(QString &error) const;
    bool readOptions(OptimiserOptions &options, QString &error) const;
    void showProgress();
    void searchDone();
    void showBest();
    void showMap();
    void setSearching(bool on);
    // Whether the window's design is still the one searched, or one this dialog put in since.
    bool designStillSearched() const;

    Workspace &workspace_;
    WorkerPool &workers_;
    std::shared_ptr<Job> job_;
    FutureWatch<void> done_;
    OptimiserResult result_;
    std::vector<OptimiserParameter> parameters_; // of result_
    std::vector<double> studentValues_;          // the design's own, at Start
    DesignSnapshot searched_, applied_;
    int searchedSlot_ = -1;

    QTableWidget *sizes_ = nullptr;
    QComboBox *goal_ = nullptr;
    QLineEdit *target_ = nullptr;
    QLineEdit *mass_ = nullptr;
    QCheckBox *noSkid_ = nullptr;
    QCheckBox *noAdvisory_ = nullptr;
    QSpinBox *seed_ = nullptr;
    QSpinBox *evaluations_ = nullptr;
    QPushButton *start_ = nullptr;
    QPushButton *stop_ = nullptr;
    QPushButton *apply_ = nullptr;
    QLabel *status_ = nullptr;
    QTableWidget *best_ = nullptr;
    QLabel *mapNote_ = nullptr;
    OptimiserMapView *map_ = nullptr;
};

} // namespace zindle
