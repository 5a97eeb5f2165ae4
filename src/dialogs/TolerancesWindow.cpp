// SPDX-License-Identifier: GPL-3.0-or-later
#include "TolerancesWindow.h"

#include "app/ToleranceTexts.h"
#include "app/WorkerPool.h"
#include "charts/ToleranceChart.h"
#include "model/NumberText.h"
#include "model/Prompter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zindle {

namespace {

constexpr qint64 MaxBuilds = 100000;

QString typedText(const ToleranceKind &kind, const BuildTolerances &tolerances)
{
    const double value = tolerances.*kind.value;
    return kind.inches ? fixedText(value, 4) : fixedText(value * 100.0, 1);
}

std::optional<qint64> wholeNumber(const QString &text, qint64 low, qint64 high)
{
    const std::optional<double> value = parseDouble(text.trimmed());
    if (!value || *value != std::floor(*value) || *value < static_cast<double>(low) || *value > static_cast<double>(high))
        return std::nullopt;
    return static_cast<qint64>(*value);
}

} // namespace

class TolerancesWindow::Canvas : public QWidget {
public:
    explicit Canvas(TolerancesWindow &window) : QWidget(&window), window_(window)
    {
        setMinimumSize(320, 260);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (!window_.study_)
            return;
        painter.setRenderHint(QPainter::Antialiasing);
        paintToleranceChart(painter, QRectF(rect()), toleranceChartData(*window_.study_, window_.studyName_));
    }

private:
    TolerancesWindow &window_;
};

TolerancesWindow::TolerancesWindow(WorkerPool &workers, Prompter &prompter, QWidget *parent)
    : QWidget(parent, Qt::Tool), workers_(workers), prompter_(prompter)
{
    setObjectName(QStringLiteral("TolerancesWin"));
    setWindowTitle(tr("Build Tolerances"));
    auto *column = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    const BuildTolerances defaults;
    // Two columns of fields leave the chart the room on a small screen.
    for (int i = 0; i < ToleranceCount; ++i) {
        const ToleranceKind &kind = ToleranceKinds[static_cast<size_t>(i)];
        QString caption = tr(kind.caption);
        caption[0] = caption[0].toUpper();
        auto *label = new QLabel(caption + QStringLiteral(" ±"), this);
        QLineEdit *field = fields_[static_cast<size_t>(i)] = new QLineEdit(typedText(kind, defaults), this);
        field->setObjectName(QStringLiteral("Tolerance_%1").arg(QLatin1String(kind.name)));
        field->setMaximumWidth(90);
        label->setBuddy(field);
        const int row = i / 2, col = (i % 2) * 3;
        grid->addWidget(label, row, col);
        grid->addWidget(field, row, col + 1);
        grid->addWidget(new QLabel(kind.inches ? tr("in") : QStringLiteral("%"), this), row, col + 2);
    }
    const int lastRow = (ToleranceCount + 1) / 2;
    auto *buildsLabel = new QLabel(tr("Builds"), this);
    samples_ = new QLineEdit(QStringLiteral("1000"), this);
    samples_->setObjectName(QStringLiteral("ToleranceBuilds"));
    samples_->setMaximumWidth(90);
    buildsLabel->setBuddy(samples_);
    auto *seedLabel = new QLabel(tr("Seed"), this);
    seed_ = new QLineEdit(QStringLiteral("1"), this);
    seed_->setObjectName(QStringLiteral("ToleranceSeed"));
    seed_->setMaximumWidth(90);
    seedLabel->setBuddy(seed_);
    grid->addWidget(buildsLabel, lastRow, 0);
    grid->addWidget(samples_, lastRow, 1);
    grid->addWidget(seedLabel, lastRow, 3);
    grid->addWidget(seed_, lastRow, 4);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(5, 1);
    column->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    run_ = new QPushButton(tr("Run"), this);
    run_->setObjectName(QStringLiteral("RunTolerancesBtn"));
    stop_ = new QPushButton(tr("Stop"), this);
    stop_->setObjectName(QStringLiteral("StopTolerancesBtn"));
    stop_->setEnabled(false);
    progress_ = new QLabel(this);
    progress_->setObjectName(QStringLiteral("ToleranceProgress"));
    race_ = new QPushButton(tr("Race Chances"), this);
    race_->setObjectName(QStringLiteral("RaceChancesBtn"));
    race_->setToolTip(tr("How often each design that raced beats each other, every car built within these tolerances"));
    buttons->addWidget(run_);
    buttons->addWidget(stop_);
    buttons->addWidget(race_);
    buttons->addWidget(progress_, 1);
    column->addLayout(buttons);
    connect(run_, &QPushButton::clicked, this, [this] { RunClick(); });
    connect(stop_, &QPushButton::clicked, this, [this] { StopClick(); });
    connect(race_, &QPushButton::clicked, this, [this] { emit raceChancesAsked(); });

    canvas_ = new Canvas(*this);
    column->addWidget(canvas_, 1);
    sentence_ = new QLabel(this);
    sentence_->setObjectName(QStringLiteral("ToleranceSentence"));
    sentence_->setTextFormat(Qt::PlainText);
    sentence_->setWordWrap(true);
    column->addWidget(sentence_);
    chances_ = new QTableWidget(this);
    chances_->setObjectName(QStringLiteral("RaceChancesTable"));
    chances_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    chances_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    chances_->hide();
    column->addWidget(chances_);
    resize(620, 700);
    if (const QScreen *shownOn = screen())
        resize(size().boundedTo(shownOn->availableGeometry().size() - QSize(16, 64)).expandedTo(minimumSizeHint()));
}

TolerancesWindow::~TolerancesWindow()
{
    if (stopFlag_)
        stopFlag_->store(true);
    watch_.wait();
    chancesWatch_.wait();
}

void TolerancesWindow::showDesign(const Workspace &workspace, const QString &name, const QByteArray &key)
{
    if (key == key_)
        return;
    design_ = std::make_shared<const Workspace>(workspace);
    name_ = name;
    key_ = key;
    // The chances were of the race as it stood; a change of the design changes the race.
    chances_->hide();
    setWindowTitle(tr("%1 - Build Tolerances").arg(name));
    // What is shown belongs to the design it names: another design's study goes.
    if (study_ && studyKey_ != key_) {
        study_.reset();
        studyKey_.clear();
        sentence_->setText(tr("Press Run to build %1 within these tolerances.").arg(name));
        canvas_->update();
        emit studied();
    } else if (!study_) {
        sentence_->setText(tr("Press Run to build %1 within these tolerances.").arg(name));
    }
}

bool TolerancesWindow::readSettings(BuildTolerances &tolerances, ToleranceOptions &options)
{
    for (int i = 0; i < ToleranceCount; ++i) {
        const ToleranceKind &kind = ToleranceKinds[static_cast<size_t>(i)];
        const std::optional<double> value = ParseToleranceValue(field(i)->text(), kind.inches);
        if (!value) {
            prompter_.message(kind.inches ? tr("The %1 tolerance is a number of inches from 0 to 0.5, such as 0.0625 "
                                               "or 1/16.")
                                                .arg(tr(kind.caption))
                                          : tr("The %1 tolerance is a percentage from 0 to 50.").arg(tr(kind.caption)),
                              tr("Build tolerances"));
            field(i)->setFocus();
            return false;
        }
        tolerances.*kind.value = *value;
    }
    const std::optional<qint64> builds = wholeNumber(samples_->text(), 1, MaxBuilds);
    const std::optional<qint64> seed = wholeNumber(seed_->text(), 0, 9007199254740991LL);
    if (!builds || !seed) {
        prompter_.message(!builds ? tr("The number of builds is a whole number from 1 to 100000.")
                                  : tr("The seed is a whole number from 0 up."),
                          tr("Build tolerances"));
        return false;
    }
    options.samples = static_cast<int>(*builds);
    options.seed = static_cast<std::uint64_t>(*seed);
    stopFlag_ = std::make_shared<std::atomic<bool>>(false);
    completed_ = std::make_shared<std::atomic<qint64>>(0);
    options.stopFlag = stopFlag_.get();
    options.progress = [completed = completed_](qint64 done, qint64) { completed->store(done); };
    total_ = *builds;
    return true;
}

void TolerancesWindow::startWatching()
{
    run_->setEnabled(false);
    race_->setEnabled(false);
    stop_->setEnabled(true);
}

void TolerancesWindow::RunClick()
{
    if (running() || chancesWatch_.watching() || !design_)
        return;
    BuildTolerances tolerances;
    ToleranceOptions options;
    if (!readSettings(tolerances, options))
        return;
    startWatching();
    progress_->setText(tr("%1 of %2 builds").arg(0).arg(total_));
    // The worker holds the copy, the flag and the counter it reports to; the window only reads.
    WorkerPool &workers = workers_;
    watch_.watch(
        workers.run([design = design_, tolerances, options, stop = stopFlag_, &workers] {
            return RunTolerances(workers, *design, tolerances, options);
        }),
        [this, key = key_, name = name_](std::future<ToleranceStudy> &done) { finished(done.get(), key, name); },
        [this] { progress_->setText(tr("%1 of %2 builds").arg(completed_->load()).arg(total_)); });
}

void TolerancesWindow::runRaceChances(RaceChanceDesigns designs)
{
    if (running() || chancesWatch_.watching())
        return;
    if (designs.designs.size() < 2) {
        prompter_.message(tr("At least two designs must have raced (been simulated since their last change) to say "
                             "who beats whom."),
                          tr("Build tolerances"));
        return;
    }
    BuildTolerances tolerances;
    ToleranceOptions options;
    if (!readSettings(tolerances, options))
        return;
    startWatching();
    const qint64 perDesign = total_;
    const int count = static_cast<int>(designs.designs.size());
    progress_->setText(tr("Building %1 designs").arg(count));
    WorkerPool &workers = workers_;
    auto shared = std::make_shared<RaceChanceDesigns>(std::move(designs));
    chancesWatch_.watch(
        workers.run([shared, tolerances, options, stop = stopFlag_, &workers] {
            return ComputeRaceChances(workers, *shared, tolerances, options);
        }),
        [this](std::future<RaceChancesResult> &done) { showChances(done.get()); },
        [this, perDesign, count] {
            progress_->setText(tr("Building %1 designs, %2 builds each").arg(count).arg(perDesign));
        });
}

void TolerancesWindow::showChances(const RaceChancesResult &result)
{
    run_->setEnabled(true);
    race_->setEnabled(true);
    stop_->setEnabled(false);
    if (result.names.isEmpty()) {
        progress_->setText(tr("Stopped"));
        return;
    }
    progress_->setText(result.skipped.isEmpty() ? tr("Row beats column in this share of builds")
                                                : tr("Not built: %1").arg(result.skipped.join(QStringLiteral("; "))));
    const int n = static_cast<int>(result.names.size());
    chances_->clear();
    chances_->setRowCount(n);
    chances_->setColumnCount(n);
    chances_->setHorizontalHeaderLabels(result.names);
    chances_->setVerticalHeaderLabels(result.names);
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b) {
            const double chance = result.chance[static_cast<size_t>(a)][static_cast<size_t>(b)];
            auto *cell = new QTableWidgetItem(a == b ? QStringLiteral("-") : fixedText(chance * 100.0, 0) + QStringLiteral(" %"));
            cell->setTextAlignment(Qt::AlignCenter);
            if (a != b)
                cell->setToolTip(tr("%1 beats %2 in %3 % of builds")
                                     .arg(result.names[a], result.names[b], fixedText(chance * 100.0, 0)));
            chances_->setItem(a, b, cell);
        }
    chances_->show();
}

void TolerancesWindow::StopClick()
{
    if (stopFlag_)
        stopFlag_->store(true);
}

void TolerancesWindow::finished(ToleranceStudy study, const QByteArray &key, const QString &name)
{
    run_->setEnabled(true);
    race_->setEnabled(true);
    stop_->setEnabled(false);
    if (!study.message.isEmpty()) {
        progress_->setText(QString());
        sentence_->setText(study.message);
        return;
    }
    progress_->setText(study.stopped ? tr("Stopped after %1 of %2 builds").arg(study.builds.size()).arg(total_)
                                     : tr("%1 builds").arg(study.builds.size()));
    if (key != key_)
        return; // the design changed meanwhile: this study is of a design no longer shown
    study_ = std::move(study);
    studyKey_ = key;
    studyName_ = name;
    sentence_->setText(ShownToleranceSentence(*study_));
    canvas_->update();
    emit studied();
}

QString TolerancesWindow::sentence() const { return sentence_->text(); }

QImage TolerancesWindow::picture(QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!study_)
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintToleranceChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), toleranceChartData(*study_, studyName_));
    return image;
}

} // namespace zindle
