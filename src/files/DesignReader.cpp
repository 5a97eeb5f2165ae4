// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignReader.h"

#include "DesignFile.h"
#include "ReadingRanges.h"

namespace zindle {

namespace {

// The part parameters in file order, as a message names them.
const char *const ParameterDescriptions[8] = {
    QT_TRANSLATE_NOOP("FileErrors", "the spring width"),
    QT_TRANSLATE_NOOP("FileErrors", "the spring length"),
    QT_TRANSLATE_NOOP("FileErrors", "the drive wheel diameter"),
    QT_TRANSLATE_NOOP("FileErrors", "the drive axle diameter"),
    QT_TRANSLATE_NOOP("FileErrors", "the drive axle length"),
    QT_TRANSLATE_NOOP("FileErrors", "the other wheel diameter"),
    QT_TRANSLATE_NOOP("FileErrors", "the other axle diameter"),
    QT_TRANSLATE_NOOP("FileErrors", "the other axle length")};

// `refusal` is the whole message with the count as %1: "it holds an impossible number of weights (%1)".
int readCount(ItemSource &source, int maximum, const char *refusal)
{
    const int count = source.readInteger();
    if (count < 0 || count > maximum)
        throw DesignFileError(FileText(refusal).arg(count));
    return count;
}

QPoint readPoint(ItemSource &source, const FileText &what)
{
    const int x = source.readInteger();
    CheckCoordinate(x, what);
    const int y = source.readInteger();
    CheckCoordinate(y, what);
    return {x, y};
}

// `point` names one with its number as %1: "outer outline point %1".
std::vector<QPoint> readPoints(ItemSource &source, int count, const char *point)
{
    std::vector<QPoint> points;
    points.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        points.push_back(readPoint(source, FileText(point).arg(i + 1)));
    return points;
}

QString readLength(ItemSource &source, const FileText &what)
{
    QString text = source.readString();
    CheckLengthText(text, what);
    return text;
}

QString readNumber(ItemSource &source, const FileText &what)
{
    QString text = source.readString();
    CheckNumberText(text, what);
    return text;
}

// The four texts every spring entry begins with.
SpringMaterial readSpringTexts(ItemSource &source)
{
    SpringMaterial spring;
    spring.SpringName = source.readString();
    spring.SpringThickness = readLength(source, FileText(QT_TRANSLATE_NOOP("FileErrors", "a spring thickness")));
    spring.SpringDensity = readNumber(source, FileText(QT_TRANSLATE_NOOP("FileErrors", "a spring density")));
    spring.SpringSampleWidth = readLength(source, FileText(QT_TRANSLATE_NOOP("FileErrors", "a spring sample width")));
    return spring;
}

// The spring entry of a version-3 file: the four texts and the whole torque curve.
SpringMaterial readSpring(ItemSource &source)
{
    SpringMaterial spring = readSpringTexts(source);
    for (QString &cell : spring.SpringTorqueCurve)
        cell = readNumber(source, FileText(QT_TRANSLATE_NOOP("FileErrors", "a spring torque")));
    return spring;
}

// Older files carry only the maximum torque; the rest of the curve is empty.
SpringMaterial readOlderSpring(ItemSource &source)
{
    SpringMaterial spring = readSpringTexts(source);
    spring.SpringTorqueCurve.fill(QStringLiteral("0"));
    spring.SpringTorqueCurve[0] = readNumber(source, FileText(QT_TRANSLATE_NOOP("FileErrors", "a spring torque")));
    return spring;
}

template <typename SpringReader>
void readMaterialBlock(ItemSource &source, DesignState &workspace, SpringReader readSpringEntry)
{
    DesignRecord &design = workspace.design;
    MaterialCatalogue &catalogue = workspace.catalogue;
    std::array<int, PartCount> indices{};
    for (int &index : indices)
        index = source.readInteger();

    const int maxUser = MaxMaterialEntries - 1;
    const int boards = readCount(source, maxUser,
        QT_TRANSLATE_NOOP("FileErrors", "it holds an impossible number of board materials (%1)"));
    for (int i = 0; i < boards; ++i) {
        BoardMaterial board;
        board.BoardName = source.readString();
        board.BoardThickness = readLength(source, FileText(QT_TRANSLATE_NOOP("FileErrors", "a board thickness")));
        board.BoardDensity = readNumber(source, FileText(QT_TRANSLATE_NOOP("FileErrors", "a board density")));
        catalogue.boards.push_back(board);
    }
    const int axles = readCount(source, maxUser,
        QT_TRANSLATE_NOOP("FileErrors", "it holds an impossible number of axle materials (%1)"));
    for (int i = 0; i < axles; ++i) {
        AxleMaterial axle;
        axle.AxleName = source.readString();
        axle.AxleDensity = readNumber(source, FileText(QT_TRANSLATE_NOOP("FileErrors", "an axle density")));
        catalogue.axles.push_back(axle);
    }
    const int springs = readCount(source, maxUser,
        QT_TRANSLATE_NOOP("FileErrors", "it holds an impossible number of spring materials (%1)"));
    for (int i = 0; i < springs; ++i)
        catalogue.springs.push_back(readSpringEntry(source));
    const int treads = readCount(source, maxUser,
        QT_TRANSLATE_NOOP("FileErrors", "it holds an impossible number of tread materials (%1)"));
    for (int i = 0; i < treads; ++i) {
        TreadMaterial tread;
        tread.TreadName = source.readString();
        tread.TreadFriction = readNumber(source, FileText(QT_TRANSLATE_NOOP("FileErrors", "a tread friction")));
        catalogue.treads.push_back(tread);
    }

    // A part may only point at a material the catalogue now holds.
    static const MaterialKind kinds[PartCount] = {
        MaterialKind::Board, MaterialKind::Board, MaterialKind::Board, MaterialKind::Board,
        MaterialKind::Axle,  MaterialKind::Axle,  MaterialKind::Spring, MaterialKind::Tread};
    for (int part = 0; part < PartCount; ++part) {
        const int index = indices[static_cast<size_t>(part)];
        if (index < 0 || index >= catalogue.count(kinds[part]))
            throw DesignFileError(
                FileText(QT_TRANSLATE_NOOP("FileErrors", "part %1 names material %2, which the file does not hold"))
                    .arg(part + 1)
                    .arg(index));
    }
    design.MatIndex = indices;
}

// The three preferences that travel with the design.
void readPreferences(ItemSource &source, DesignRecord &design)
{
    design.StepSize = readNumber(source, FileText(QT_TRANSLATE_NOOP("FileErrors", "the element size")));
    design.CaseRatio = readNumber(source, FileText(QT_TRANSLATE_NOOP("FileErrors", "the case ratio")));
    design.Friction = readNumber(source, FileText(QT_TRANSLATE_NOOP("FileErrors", "the rolling friction")));
}

void readWeights(ItemSource &source, DesignRecord &design)
{
    const int count = readCount(source, WeightSlotCount,
        QT_TRANSLATE_NOOP("FileErrors", "it holds an impossible number of weights (%1)"));
    for (int i = 0; i < count; ++i) {
        WeightSlot &slot = design.Weights[static_cast<size_t>(i)];
        const QPoint at = readPoint(source,
            FileText(QT_TRANSLATE_NOOP("FileErrors", "the position of weight %1")).arg(i + 1));
        slot.X = at.x();
        slot.Y = at.y();
        slot.Mass = source.readReal();
        CheckWeightMass(slot.Mass, i + 1);
    }
}

void readFrontAxle(ItemSource &source, DesignRecord &design)
{
    design.FrontAxleXIn = source.readReal();
    CheckPositionInches(design.FrontAxleXIn, FileText(QT_TRANSLATE_NOOP("FileErrors", "the front axle's x")));
    design.FrontAxleYIn = source.readReal();
    CheckPositionInches(design.FrontAxleYIn, FileText(QT_TRANSLATE_NOOP("FileErrors", "the front axle's y")));
    design.FrontAxleXPt = source.readReal();
    CheckPositionPoints(design.FrontAxleXPt, FileText(QT_TRANSLATE_NOOP("FileErrors", "the front axle's x")));
    design.FrontAxleYPt = source.readReal();
    CheckPositionPoints(design.FrontAxleYPt, FileText(QT_TRANSLATE_NOOP("FileErrors", "the front axle's y")));
}

} // namespace

QString ReadDesign(ItemSource &source, DesignState &workspace)
{
    DesignRecord &design = workspace.design;
    const QString name = source.readString();
    for (int i = 0; QString *field : parameterFields(design))
        *field = readLength(source, FileText(ParameterDescriptions[i++]));
    design.SavedOtherWhlDia = design.OtherWhlDia;

    if (source.readInteger() == 1)
        readMaterialBlock(source, workspace, readSpring);

    readPreferences(source, design);
    ApplyChamberCode(design, source.readInteger());
    ApplyDriveCode(design, source.readInteger());

    const int outerCount = readCount(source, MaxOutlinePoints,
        QT_TRANSLATE_NOOP("FileErrors", "it holds an impossible number of outer outline points (%1)"));
    design.OuterPts = readPoints(source, outerCount, QT_TRANSLATE_NOOP("FileErrors", "outer outline point %1"));
    const int innerCount = source.readInteger();
    if (innerCount < 1) {
        design.InnerPts = design.OuterPts;
    } else {
        if (innerCount > MaxOutlinePoints)
            throw DesignFileError(
                FileText(QT_TRANSLATE_NOOP("FileErrors", "it holds an impossible number of inner outline points (%1)"))
                    .arg(innerCount));
        design.InnerPts = readPoints(source, innerCount, QT_TRANSLATE_NOOP("FileErrors", "inner outline point %1"));
    }
    readWeights(source, design);
    readFrontAxle(source, design);
    return name;
}

void ReadOlderDesign(ItemSource &source, DesignState &workspace)
{
    DesignRecord &design = workspace.design;
    design.SpringWidth = readLength(source, FileText(ParameterDescriptions[0]));
    design.SpringLength = readLength(source, FileText(ParameterDescriptions[1]));
    design.DriveWhlDia = readLength(source, FileText(ParameterDescriptions[2]));
    design.DriveAxleDia = readLength(source, FileText(ParameterDescriptions[3]));
    design.OtherWhlDia = readLength(source, FileText(ParameterDescriptions[5]));
    design.SavedOtherWhlDia = design.OtherWhlDia;

    if (source.readInteger() == 1)
        readMaterialBlock(source, workspace, readOlderSpring);

    design.StepSize = readNumber(source, FileText(QT_TRANSLATE_NOOP("FileErrors", "the element size")));
    source.readInteger(); // a setting of the old releases that nothing uses any more
    ApplyDriveCode(design, source.readInteger());
    ApplyChamberCode(design, source.readInteger());

    const int outerCount = readCount(source, MaxOutlinePoints,
        QT_TRANSLATE_NOOP("FileErrors", "it holds an impossible number of outer outline points (%1)"));
    if (outerCount >= 2)
        design.OuterPts = readPoints(source, outerCount, QT_TRANSLATE_NOOP("FileErrors", "outer outline point %1"));
    // These files have no inner outline; the inner layers take the outer shape, as a version-3
    // file without inner points does, so that every later step has a body to work on.
    design.InnerPts = design.OuterPts;
    readWeights(source, design);
    readFrontAxle(source, design);
}

} // namespace zindle
