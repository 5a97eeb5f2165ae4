// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultFieldTable.h"

#include <QCoreApplication>

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
    {"LayersCoredEF", &R::LayersCoredEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Inner Layers"),
     QT_TRANSLATE_NOOP("ResultFields", "Number of inner layers in the car body"),
     "count", "/help/h-innerlayers.html", Analyze,
     {Details, QT_TRANSLATE_NOOP("ResultFields", "Cored layers: "), "", Left, 4600}},
    {"LayersFullEF", &R::LayersFullEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Outer Layers"),
     QT_TRANSLATE_NOOP("ResultFields", "Number of outer layers in the car body (always 2)"),
     "count", "/help/h-outerlayers.html", Analyze,
     {Details, QT_TRANSLATE_NOOP("ResultFields", "Non-cored layers: "), "", Left, 4700}},
    {"LayersWideEF", &R::LayersWideEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Number of Layers"),
     QT_TRANSLATE_NOOP("ResultFields", "= CarWidth/BoardThickness"),
     "count", "", Analyze,
     {Details, QT_TRANSLATE_NOOP("ResultFields", "Total number of layers: "), QT_TRANSLATE_NOOP("ResultFields", " layers"), Left, 4500}},
    {"CaseWidthEF", &R::CaseWidthEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Case width (in)"),
     QT_TRANSLATE_NOOP("ResultFields", "Width of the stack of cored layers"),
     "in", "", Analyze,
     {Details, QT_TRANSLATE_NOOP("ResultFields", "Chamber width: "), QT_TRANSLATE_NOOP("ResultFields", " in"), Left, 4300}},
    {"CarWidthEF", &R::CarWidthEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Body width (in)"),
     QT_TRANSLATE_NOOP("ResultFields", "Width of body (inches)"),
     "in", "/help/h-bodywidth.html", Analyze,
     {Details, QT_TRANSLATE_NOOP("ResultFields", "Car width: "), QT_TRANSLATE_NOOP("ResultFields", " in"), Left, 4400}},
    {"CaseIDEF", &R::CaseIDEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Case inner dia (in)"),
     QT_TRANSLATE_NOOP("ResultFields", "Necessary inner diameter of the spring chamber, to accommodate the spring"),
     "in", "", Analyze,
     {Details, QT_TRANSLATE_NOOP("ResultFields", "Chamber inner diameter: "), QT_TRANSLATE_NOOP("ResultFields", " in"), Left, 4100}},
    {"CaseOuterDEF", &R::CaseOuterDEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Case outer dia (in)"),
     QT_TRANSLATE_NOOP("ResultFields", "The diameter of the drive wheel(s) must be equal to or larger than the outer diameter of the spring chamber."),
     "in", "", Analyze,
     {Details, QT_TRANSLATE_NOOP("ResultFields", "Chamber outer diameter: "), QT_TRANSLATE_NOOP("ResultFields", " in"), Left, 4200}},
    {"BottlesNeededEF", &R::BottlesNeededEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Bottles needed"),
     QT_TRANSLATE_NOOP("ResultFields", "= (SpringLength/12.)/(6/SpringWidth)"),
     "count", "", Analyze,
     {Details, QT_TRANSLATE_NOOP("ResultFields", "Bottles needed: "), "", Left, 4800}},
    // The Design strip's captions name no part: the part box beside them does.
    {"DriveWhlDiaEF", nullptr, &D::DriveWhlDia,
     QT_TRANSLATE_NOOP("ResultFields", "Dia (in):"),
     QT_TRANSLATE_NOOP("ResultFields", "Drive wheel diameter"),
     "in", "", Analyze, {},
     QT_TRANSLATE_NOOP("ResultFields", "Drive wheel dia (in)")},
    {"OtherWhlDiaEF", nullptr, &D::OtherWhlDia,
     QT_TRANSLATE_NOOP("ResultFields", "Dia (in):"),
     QT_TRANSLATE_NOOP("ResultFields", "Other (non-drive) wheel diameter"),
     "in", "", Analyze, {},
     QT_TRANSLATE_NOOP("ResultFields", "Other wheel dia (in)")},
    {"SpringWidthEF", nullptr, &D::SpringWidth,
     QT_TRANSLATE_NOOP("ResultFields", "Width (in):"),
     QT_TRANSLATE_NOOP("ResultFields", "Width of the spring strip"),
     "in", "", Analyze, {},
     QT_TRANSLATE_NOOP("ResultFields", "Spring width (in)")},
    {"SpringLengthEF", nullptr, &D::SpringLength,
     QT_TRANSLATE_NOOP("ResultFields", "Length (in):"),
     QT_TRANSLATE_NOOP("ResultFields", "Length of the spring strip"),
     "in", "", Analyze, {},
     QT_TRANSLATE_NOOP("ResultFields", "Spring length (in)")},
    {"MaxRealTorqueEF", &R::MaxRealTorqueEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Max Torque (in-lb)"),
     QT_TRANSLATE_NOOP("ResultFields", "Maximum torque of the spring"),
     "in-lb", "", Analyze,
     {Details, QT_TRANSLATE_NOOP("ResultFields", "Predicted Max Torque: "), QT_TRANSLATE_NOOP("ResultFields", " in-lb"), Left, 4000}},
    {"PropulsionLeftEF", &R::PropulsionLeftEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Propulsion, left (lb)"),
     QT_TRANSLATE_NOOP("ResultFields", "Static propulsive force of the drive axle"),
     "lb", "", Analyze,
     {Forces, QT_TRANSLATE_NOOP("ResultFields", "Predicted propulsive force: "), QT_TRANSLATE_NOOP("ResultFields", " lb"), Left, 2850}},
    {"PropulsionRightEF", &R::PropulsionRightEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Propulsion, right (lb)"),
     QT_TRANSLATE_NOOP("ResultFields", "Static propulsive force of the second drive axle (all-wheel drive)"),
     "lb", "", Analyze, {}},
    {"SpringMassEF", &R::SpringMassEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Spring Mass (lbm)"),
     QT_TRANSLATE_NOOP("ResultFields", "Mass of the spring(s)"),
     "lbm", "/help/h-springmass.html", Analyze,
     {Forces, QT_TRANSLATE_NOOP("ResultFields", "Spring Mass: "), QT_TRANSLATE_NOOP("ResultFields", " lbm"), Left, 3250}},
    {"ProjectedMassEF", &R::ProjectedMassEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Total Car Mass (lbm)"),
     QT_TRANSLATE_NOOP("ResultFields", "Mass of the whole car"),
     "lbm", "/help/h-totalmass.html", Analyze,
     {Forces, QT_TRANSLATE_NOOP("ResultFields", "Total Car Mass: "), QT_TRANSLATE_NOOP("ResultFields", " lbm"), Left, 3450}},
    {"FoamMassEF", &R::FoamMassEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Board Mass (lbm)"),
     QT_TRANSLATE_NOOP("ResultFields", "Mass of the body and all four wheels"),
     "lbm", "/help/h-boardmass.html", Analyze,
     {Forces, QT_TRANSLATE_NOOP("ResultFields", "Board Mass: "), QT_TRANSLATE_NOOP("ResultFields", " lbm"), Left, 3150}},
    {"AxleMassEF", &R::AxleMassEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Axle Mass (lbm)"),
     QT_TRANSLATE_NOOP("ResultFields", "Mass of both axles"),
     "lbm", "/help/h-axlemass.html", Analyze,
     {Forces, QT_TRANSLATE_NOOP("ResultFields", "Axle Mass: "), QT_TRANSLATE_NOOP("ResultFields", " lbm"), Left, 3350}},
    {"TrueCentroidEF", &R::TrueCentroidEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "x-centroid (in)"),
     QT_TRANSLATE_NOOP("ResultFields", "Measured from left edge, in inches"),
     "in", "", Analyze,
     {Details, QT_TRANSLATE_NOOP("ResultFields", "x-centroid: "), QT_TRANSLATE_NOOP("ResultFields", " in"), Left, 4900}},
    {"YCentroidEF", &R::YCentroidEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "y-centroid (in)"),
     QT_TRANSLATE_NOOP("ResultFields", "Measured down from top edge, in inches"),
     "in", "", Analyze,
     {Details, QT_TRANSLATE_NOOP("ResultFields", "y-centroid: "), QT_TRANSLATE_NOOP("ResultFields", " in"), Left, 5000}},
    {"NormalForceAtRestEF", &R::NormalForceAtRestEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Normal force static (lb)"),
     QT_TRANSLATE_NOOP("ResultFields", "Force on rear wheels when spring is not wound"),
     "lb", "", Analyze,
     {Details, QT_TRANSLATE_NOOP("ResultFields", "Normal force on drive wheel, unwound: "), QT_TRANSLATE_NOOP("ResultFields", " lb"), Left, 5100}},
    {"NormalForceWoundEF", &R::NormalForceWoundEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Normal force, left (lb)"),
     QT_TRANSLATE_NOOP("ResultFields", "Force acting on rear wheels when spring is wound"),
     "lb", "", Analyze,
     {Details, QT_TRANSLATE_NOOP("ResultFields", "Normal force on drive wheel, wound: "), QT_TRANSLATE_NOOP("ResultFields", " lb"), Left, 5200}},
    {"NormalForceFrontEF", &R::NormalForceFrontEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Normal force, right (lb)"),
     QT_TRANSLATE_NOOP("ResultFields", "= (BodyMass*CentroidInX/DistanceBetweenWheels) - (MaxTorque/DistanceBetweenWheels)"),
     "lb", "", Analyze,
     {Details, QT_TRANSLATE_NOOP("ResultFields", "Normal force, other wheel: "), QT_TRANSLATE_NOOP("ResultFields", " lb"), Left, 5300}},
    {"TractionLeftEF", &R::TractionLeftEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Traction, left (lb)"),
     QT_TRANSLATE_NOOP("ResultFields", "= CoeffofFriction * NormalForceWound"),
     "lb", "", Analyze,
     {Forces, QT_TRANSLATE_NOOP("ResultFields", "Predicted traction, left: "), QT_TRANSLATE_NOOP("ResultFields", " lb"), Left, 2950}},
    {"TractionRightEF", &R::TractionRightEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Traction, right (lb)"),
     QT_TRANSLATE_NOOP("ResultFields", "= CoeffofFriction * NormalForceFront (0 when the front lifts)"),
     "lb", "", Analyze,
     {Forces, QT_TRANSLATE_NOOP("ResultFields", "Predicted traction, right: "), QT_TRANSLATE_NOOP("ResultFields", " lb"), Left, 3050}},
    {"RevsEF", &R::RevsEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Revolutions"),
     QT_TRANSLATE_NOOP("ResultFields", "Revolutions the spring delivers"),
     "rev", "/help/h-revolutions.html", Analyze,
     {Performance, QT_TRANSLATE_NOOP("ResultFields", "Revolutions: "), QT_TRANSLATE_NOOP("ResultFields", " turns"), Left, 2750}},
    // After a run, the distance the car covered when it fell short of the prediction.
    {"PoweredDistanceEF", &R::PoweredDistanceEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Distance (ft)"),
     QT_TRANSLATE_NOOP("ResultFields", "Predicted powered distance"),
     "ft", "/help/h-projecteddistance.html", Analyze,
     {Performance, QT_TRANSLATE_NOOP("ResultFields", "Projected Distance: "), QT_TRANSLATE_NOOP("ResultFields", " ft"), Right, 2950}},
    {"TimeEF", &R::TimeEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Time to 15 ft (sec)"),
     QT_TRANSLATE_NOOP("ResultFields", "Time to 15 ft; in brackets the time of a car that stopped short"),
     "s", "/help/h-timeto15feet.html", Run,
     {Performance, QT_TRANSLATE_NOOP("ResultFields", "Time to 15 ft: "), QT_TRANSLATE_NOOP("ResultFields", " sec"), Right, 2750}},
    {"TopSpeedEF", &R::TopSpeedEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Top speed (ft/sec)"),
     QT_TRANSLATE_NOOP("ResultFields", "Speed at the end of the run, when the spring ran out or the time ran out"),
     "ft/s", "/help/h-speedat15feet.html", Run,
     {Performance, QT_TRANSLATE_NOOP("ResultFields", "Speed at 15 ft: "), QT_TRANSLATE_NOOP("ResultFields", " ft/sec"), Right, 2850},
     QT_TRANSLATE_NOOP("ResultFields", "Speed at the end of the run (ft/sec)")},
    {"PeakSpeedEF", &R::PeakSpeedEF, nullptr,
     QT_TRANSLATE_NOOP("ResultFields", "Peak speed (ft/sec)"),
     QT_TRANSLATE_NOOP("ResultFields", "Highest speed of the run"),
     "ft/s", "", Run, {}},
    {"RevisedLabel", &R::RevisedLabel, nullptr,
     "",
     QT_TRANSLATE_NOOP("ResultFields", "The prediction a run fell short of"),
     "ft", "", Run, {}},
};

} // namespace

QString resultFieldText(const char *english)
{
    return english && *english ? QCoreApplication::translate("ResultFields", english) : QString();
}

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
