// SPDX-License-Identifier: GPL-3.0-or-later
#include "Calibration.h"

#include "physics/Coast.h"
#include "physics/RunResiduals.h"

#include <nlopt.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zindle {

namespace {

// Grid of the global phase over the box (friction x efficiency); the local phase then refines
// the designs' own values and the best grid points.
constexpr int FrictionGridPoints = 13;
constexpr int EfficiencyGridPoints = 9;
constexpr int RefinedGridPoints = 3;
// A local method stopped at a kink (the step in which the spring runs out, or a skid) starts
// again from where it stopped, until a restart finds nothing better.
constexpr int Restarts = 3;
constexpr int LocalEvaluations = 200;

// One design with what its runs need between evaluations: the scratch state a run may not
// share and the pace of each run.
struct Subject {
    const CalibrationDesign *design = nullptr;
    ResultFields results;
    DesignList list;
    ForcePictureState forces;
    std::vector<double> paces;
};

CoastedRun predict(Subject &subject, const ModelFactors &factors)
{
    const CalibrationDesign &d = *subject.design;
    // The run works on copies of what it is handed, so the design's state serves every call.
    const SimulationContext context{d.design, d.catalogue,      d.numbers,         d.balance, subject.results,
                                    subject.list, subject.forces, SheetMode::Race, nullptr,   nullptr,
                                    factors};
    return RunWithCoast(context);
}

class Problem {
public:
    explicit Problem(const std::vector<CalibrationDesign> &designs)
    {
        for (const CalibrationDesign &design : designs) {
            if (design.runs.empty())
                continue;
            Subject subject;
            subject.design = &design;
            subject.results = design.results;
            subject.forces = design.forces;
            subject.list.CurrentDesign = -1;
            // Runs timed at no mark are paced by the design's own prediction, once, so the
            // weights stay the same whatever the fit tries.
            const double fallback = PoweredPace(predict(subject, {}));
            for (const MeasuredRun &run : design.runs) {
                subject.paces.push_back(RunPace(run, fallback));
                ++runs;
                observations += ObservationCount(run);
                marks += static_cast<int>(run.marks.size());
            }
            subjects.push_back(std::move(subject));
        }
    }

    double sumOfSquares(const ModelFactors &factors)
    {
        residuals.clear();
        for (Subject &subject : subjects) {
            const CoastedRun prediction = predict(subject, factors);
            for (size_t i = 0; i < subject.design->runs.size(); ++i)
                AppendResiduals(prediction, subject.design->runs[i], subject.paces[i], residuals);
        }
        double sum = 0.0;
        for (double r : residuals)
            sum += r * r;
        return std::isfinite(sum) ? sum : std::numeric_limits<double>::max();
    }

    double rms(const ModelFactors &factors)
    {
        const double sum = sumOfSquares(factors);
        return residuals.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(residuals.size()));
    }

    std::vector<Subject> subjects;
    std::vector<double> residuals;
    int runs = 0, observations = 0, marks = 0;
};

// The search runs in the unit box, x in [0, 1] for each factor, so that one step size and one
// tolerance suit the friction (tenths of a pound) and the efficiency (near 1) alike.
struct Search {
    Search(Problem &p, bool two) : problem(p), twoFactors(two) {}
    Problem &problem;
    bool twoFactors;
    double bestSum = std::numeric_limits<double>::max();
    std::vector<double> best;

    static double friction(double x) { return MinFittedFriction + x * (MaxFittedFriction - MinFittedFriction); }
    static double efficiency(double x)
    {
        return MinSpringEfficiency + x * (MaxSpringEfficiency - MinSpringEfficiency);
    }
    static double unitFriction(double f) { return (f - MinFittedFriction) / (MaxFittedFriction - MinFittedFriction); }
    static double unitEfficiency(double e)
    {
        return (e - MinSpringEfficiency) / (MaxSpringEfficiency - MinSpringEfficiency);
    }

    ModelFactors factorsAt(const double *x) const
    {
        ModelFactors factors;
        factors.friction = static_cast<float>(friction(std::clamp(x[0], 0.0, 1.0)));
        factors.springEfficiency = twoFactors ? static_cast<float>(efficiency(std::clamp(x[1], 0.0, 1.0))) : 1.0f;
        return factors;
    }

    double evaluate(const double *x)
    {
        const double sum = problem.sumOfSquares(factorsAt(x));
        if (sum < bestSum) {
            bestSum = sum;
            best.assign(x, x + (twoFactors ? 2 : 1));
        }
        return sum;
    }

    static double objective(unsigned, const double *x, double *, void *data)
    {
        return static_cast<Search *>(data)->evaluate(x);
    }

    // A bounded derivative-free refinement from `start`; the best point any evaluation met is
    // kept by evaluate(), so a stop for round-off loses nothing.
    void refine(std::vector<double> start)
    {
        const unsigned n = static_cast<unsigned>(start.size());
        // Quadratic models of the error need two dimensions; the friction alone is refined by
        // the simplex method.
        nlopt_opt opt = nlopt_create(n == 2 ? NLOPT_LN_BOBYQA : NLOPT_LN_NELDERMEAD, n);
        const std::vector<double> lower(n, 0.0), upper(n, 1.0), step(n, 0.05);
        nlopt_set_lower_bounds(opt, lower.data());
        nlopt_set_upper_bounds(opt, upper.data());
        nlopt_set_initial_step(opt, step.data());
        nlopt_set_xtol_abs1(opt, 1e-6);
        nlopt_set_ftol_abs(opt, 1e-14);
        nlopt_set_maxeval(opt, LocalEvaluations);
        nlopt_set_min_objective(opt, &Search::objective, this);
        double value = 0.0;
        nlopt_optimize(opt, start.data(), &value);
        nlopt_destroy(opt);
    }
};

} // namespace

ModelFactors FactorsOf(const Calibration &calibration)
{
    ModelFactors factors;
    factors.friction = static_cast<float>(calibration.friction);
    factors.springEfficiency = static_cast<float>(calibration.springEfficiency);
    return factors;
}

double CalibrationRms(const std::vector<CalibrationDesign> &designs, const ModelFactors &factors)
{
    Problem problem(designs);
    return problem.rms(factors);
}

Calibration Calibrate(const std::vector<CalibrationDesign> &designs)
{
    Problem problem(designs);
    Calibration result;
    result.runs = problem.runs;
    result.observations = problem.observations;
    result.marks = problem.marks;
    if (problem.observations == 0)
        return result;
    result.rmsBefore = problem.rms({});

    Search search{problem, problem.observations >= ObservationsForTwoFactors};
    // Where the designs stand: their own friction (the middle one, when they differ) at the
    // rated torque.
    std::vector<double> own;
    for (const Subject &subject : problem.subjects)
        own.push_back(subject.design->numbers.Friction);
    std::nth_element(own.begin(), own.begin() + static_cast<std::ptrdiff_t>(own.size() / 2), own.end());
    const double ownFriction = std::clamp(own[own.size() / 2], MinFittedFriction, MaxFittedFriction);
    std::vector<double> start{Search::unitFriction(ownFriction)};
    if (search.twoFactors)
        start.push_back(Search::unitEfficiency(1.0));

    // The global phase: the whole box on a grid, points kept by their error.
    std::vector<std::pair<double, std::vector<double>>> grid;
    const int efficiencies = search.twoFactors ? EfficiencyGridPoints : 1;
    const int frictions = search.twoFactors ? FrictionGridPoints : FrictionGridPoints * 2 - 1;
    for (int i = 0; i < frictions; ++i)
        for (int j = 0; j < efficiencies; ++j) {
            std::vector<double> x{double(i) / (frictions - 1)};
            if (search.twoFactors)
                x.push_back(double(j) / (efficiencies - 1));
            const double sum = search.evaluate(x.data());
            grid.emplace_back(sum, std::move(x));
        }
    std::sort(grid.begin(), grid.end(), [](const auto &a, const auto &b) { return a.first < b.first; });

    // The local phase, from the designs' own values and the best of the grid.
    search.refine(start);
    for (int k = 0; k < RefinedGridPoints && k < static_cast<int>(grid.size()); ++k)
        search.refine(grid[static_cast<size_t>(k)].second);
    for (int k = 0; k < Restarts; ++k) {
        const double before = search.bestSum;
        search.refine(search.best);
        if (!(search.bestSum < before))
            break;
    }

    const ModelFactors fitted = search.factorsAt(search.best.data());
    result.friction = *fitted.friction;
    result.springEfficiency = fitted.springEfficiency;
    result.frictionFitted = true;
    result.efficiencyFitted = search.twoFactors;
    result.rmsAfter = problem.rms(fitted);
    return result;
}

} // namespace zindle
