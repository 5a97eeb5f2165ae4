// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultFieldTable.h"

namespace zindle {

namespace {

using R = ResultFields;
using D = DesignRecord;
constexpr auto Analyze = CliListing::Analyze;
constexpr auto Run = CliListing::Run;
constexpr auto Performance = ReportBlock::Performance;
constexpr auto Forces = ReportBlock::ForcesAndMasses;
constexpr auto Details = ReportBlock::Details;
constexpr bool Right = true, Left = false;

const ResultFieldRow table[] = {
    {"LayersCoredEF", &R::LayersCoredEF, nullptr, "Inner Layers", "Number of inner layers in the car body",
     "count", "/help/h-innerlayers.html", Analyze, {Details, "Cored layers: ", "", Left, 4600}},
    {"LayersFullEF", &R::LayersFullEF, nullptr, "Outer Layers", "Number of outer layers in the car body (always 2)",
     "count", "/help/h-outerlayers.html", Analyze, {Details, "Non-cored layers: ", "", Left, 4700}},
    {"LayersWideEF", &R::LayersWideEF, nullptr, "Number of Layers", "= CarWidth/BoardThickness", "count", "",
     Analyze, {Details, "Total number of layers: ", " layers", Left, 4500}},
    {"CaseWidthEF", &R::CaseWidthEF, nullptr, "Case width (in)", "Width of the stack of cored layers", "in", "",
     Analyze, {Details, "Chamber width: ", " in", Left, 4300}},
    {"CarWidthEF", &R::CarWidthEF, nullptr, "Body width (in)", "Width of body (inches)", "in",
     "/help/h-bodywidth.html", Analyze, {Details, "Car width: ", " in", Left, 4400}},
    {"CaseIDEF", &R::CaseIDEF, nullptr, "Case inner dia (in)",
     "Necessary inner diameter of the spring chamber, to accommodate the spring", "in", "", Analyze,
     {Details, "Chamber inner diameter: ", " in", Left, 4100}},
    {"CaseOuterDEF", &R::CaseOuterDEF, nullptr, "Case outer dia (in)",
     "The diameter of the drive wheel(s) must be equal to or larger than the outer diameter of the spring chamber.",
     "in", "", Analyze, {Details, "Chamber outer diameter: ", " in", Left, 4200}},
    {"BottlesNeededEF", &R::BottlesNeededEF, nullptr, "Bottles needed", "= (SpringLength/12.)/(6/SpringWidth)",
     "count", "", Analyze, {Details, "Bottles needed: ", "", Left, 4800}},
    // The Design strip's captions name no part: the part box beside them does.
    {"DriveWhlDiaEF", nullptr, &D::DriveWhlDia, "Dia (in):", "Drive wheel diameter", "in", "", Analyze, {},
     "Drive wheel dia (in)"},
    {"OtherWhlDiaEF", nullptr, &D::OtherWhlDia, "Dia (in):", "Other (non-drive) wheel diameter", "in", "", Analyze, {},
     "Other wheel dia (in)"},
    {"SpringWidthEF", nullptr, &D::SpringWidth, "Width (in):", "Width of the spring strip", "in", "", Analyze, {},
     "Spring width (in)"},
    {"SpringLengthEF", nullptr, &D::SpringLength, "Length (in):", "Length of the spring strip", "in", "", Analyze, {},
     "Spring length (in)"},
    {"MaxRealTorqueEF", &R::MaxRealTorqueEF, nullptr, "Max Torque (in-lb)", "Maximum torque of the spring", "in-lb",
     "", Analyze, {Details, "Predicted Max Torque: ", " in-lb", Left, 4000}},
    {"PropulsionLeftEF", &R::PropulsionLeftEF, nullptr, "Propulsion, left (lb)",
     "Static propulsive force of the drive axle", "lb", "", Analyze,
     {Forces, "Predicted propulsive force: ", " lb", Left, 2850}},
    {"PropulsionRightEF", &R::PropulsionRightEF, nullptr, "Propulsion, right (lb)",
     "Static propulsive force of the second drive axle (all-wheel drive)", "lb", "", Analyze, {}},
    {"SpringMassEF", &R::SpringMassEF, nullptr, "Spring Mass (lbm)", "Mass of the spring(s)", "lbm",
     "/help/h-springmass.html", Analyze, {Forces, "Spring Mass: ", " lbm", Left, 3250}},
    {"ProjectedMassEF", &R::ProjectedMassEF, nullptr, "Total Car Mass (lbm)", "Mass of the whole car", "lbm",
     "/help/h-totalmass.html", Analyze, {Forces, "Total Car Mass: ", " lbm", Left, 3450}},
    {"FoamMassEF", &R::FoamMassEF, nullptr, "Board Mass (lbm)", "Mass of the body and all four wheels", "lbm",
     "/help/h-boardmass.html", Analyze, {Forces, "Board Mass: ", " lbm", Left, 3150}},
    {"AxleMassEF", &R::AxleMassEF, nullptr, "Axle Mass (lbm)", "Mass of both axles", "lbm", "/help/h-axlemass.html",
     Analyze, {Forces, "Axle Mass: ", " lbm", Left, 3350}},
    {"TrueCentroidEF", &R::TrueCentroidEF, nullptr, "x-centroid (in)", "Measured from left edge, in inches", "in", "",
     Analyze, {Details, "x-centroid: ", " in", Left, 4900}},
    {"YCentroidEF", &R::YCentroidEF, nullptr, "y-centroid (in)", "Measured down from top edge, in inches", "in", "",
     Analyze, {Details, "y-centroid: ", " in", Left, 5000}},
    {"NormalForceAtRestEF", &R::NormalForceAtRestEF, nullptr, "Normal force static (lb)",
     "Force on rear wheels when spring is not wound", "lb", "", Analyze,
     {Details, "Normal force on drive wheel, unwound: ", " lb", Left, 5100}},
    {"NormalForceWoundEF", &R::NormalForceWoundEF, nullptr, "Normal force, left (lb)",
     "Force acting on rear wheels when spring is wound", "lb", "", Analyze,
     {Details, "Normal force on drive wheel, wound: ", " lb", Left, 5200}},
    {"NormalForceFrontEF", &R::NormalForceFrontEF, nullptr, "Normal force, right (lb)",
     "= (BodyMass*CentroidInX/DistanceBetweenWheels) - (MaxTorque/DistanceBetweenWheels)", "lb", "", Analyze,
     {Details, "Normal force, other wheel: ", " lb", Left, 5300}},
    {"TractionLeftEF", &R::TractionLeftEF, nullptr, "Traction, left (lb)", "= CoeffofFriction * NormalForceWound",
     "lb", "", Analyze, {Forces, "Predicted traction, left: ", " lb", Left, 2950}},
    {"TractionRightEF", &R::TractionRightEF, nullptr, "Traction, right (lb)",
     "= CoeffofFriction * NormalForceFront (0 when the front lifts)", "lb", "", Analyze,
     {Forces, "Predicted traction, right: ", " lb", Left, 3050}},
    {"RevsEF", &R::RevsEF, nullptr, "Revolutions", "Revolutions the spring delivers", "rev",
     "/help/h-revolutions.html", Analyze, {Performance, "Revolutions: ", " turns", Left, 2750}},
    // After a run, the distance the car covered when it fell short of the prediction.
    {"PoweredDistanceEF", &R::PoweredDistanceEF, nullptr, "Distance (ft)", "Predicted powered distance", "ft",
     "/help/h-projecteddistance.html", Analyze, {Performance, "Projected Distance: ", " ft", Right, 2950}},
    {"TimeEF", &R::TimeEF, nullptr, "Time to 15 ft (sec)",
     "Time to 15 ft; in brackets the time of a car that stopped short", "s", "/help/h-timeto15feet.html", Run,
     {Performance, "Time to 15 ft: ", " sec", Right, 2750}},
    {"TopSpeedEF", &R::TopSpeedEF, nullptr, "Top speed (ft/sec)",
     "Speed at the end of the run, when the spring ran out or the time ran out", "ft/s",
     "/help/h-speedat15feet.html", Run, {Performance, "Speed at 15 ft: ", " ft/sec", Right, 2850},
     "Speed at the end of the run (ft/sec)"},
    {"PeakSpeedEF", &R::PeakSpeedEF, nullptr, "Peak speed (ft/sec)", "Highest speed of the run", "ft/s", "", Run, {}},
    {"RevisedLabel", &R::RevisedLabel, nullptr, "", "The prediction a run fell short of", "ft", "", Run, {}},
};

} // namespace

QString ResultFieldRow::value(const DesignRecord &design, const ResultFields &results) const
{
    return result ? results.*result : design.*parameter;
}

std::span<const ResultFieldRow> resultFieldTable()
{
    return table;
}

const ResultFieldRow *resultFieldRow(QStringView name)
{
    for (const ResultFieldRow &row : table)
        if (name == QLatin1String(row.name))
            return &row;
    return nullptr;
}

} // namespace zindle
