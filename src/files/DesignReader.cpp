#include "DesignReader.h"

#include "DesignFile.h"

namespace zindle {

namespace {

int readCount(ItemSource &source, int maximum, const char *what)
{
    const int count = source.readInteger();
    if (count < 0 || count > maximum)
        throw DesignFileError(QStringLiteral("it holds an impossible number of %1 (%2)")
                                  .arg(QLatin1String(what))
                                  .arg(count));
    return count;
}

std::vector<QPoint> readPoints(ItemSource &source, int count)
{
    std::vector<QPoint> points;
    points.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int x = source.readInteger();
        const int y = source.readInteger();
        points.emplace_back(x, y);
    }
    return points;
}

// The four texts every spring entry begins with.
SpringMaterial readSpringTexts(ItemSource &source)
{
    SpringMaterial spring;
    spring.SpringName = source.readString();
    spring.SpringThickness = source.readString();
    spring.SpringDensity = source.readString();
    spring.SpringSampleWidth = source.readString();
    return spring;
}

// The spring entry of a version-3 file: the four texts and the whole torque curve.
SpringMaterial readSpring(ItemSource &source)
{
    SpringMaterial spring = readSpringTexts(source);
    for (QString &cell : spring.SpringTorqueCurve)
        cell = source.readString();
    return spring;
}

// Older files carry only the maximum torque; the rest of the curve is empty.
SpringMaterial readOlderSpring(ItemSource &source)
{
    SpringMaterial spring = readSpringTexts(source);
    spring.SpringTorqueCurve.fill(QStringLiteral("0"));
    spring.SpringTorqueCurve[0] = source.readString();
    return spring;
}

template <typename SpringReader>
void readMaterialBlock(ItemSource &source, Workspace &workspace, SpringReader readSpringEntry)
{
    DesignRecord &design = workspace.design;
    MaterialCatalogue &catalogue = workspace.catalogue;
    std::array<int, PartCount> indices{};
    for (int &index : indices)
        index = source.readInteger();

    const int maxUser = MaxMaterialEntries - 1;
    const int boards = readCount(source, maxUser, "board materials");
    for (int i = 0; i < boards; ++i) {
        BoardMaterial board;
        board.BoardName = source.readString();
        board.BoardThickness = source.readString();
        board.BoardDensity = source.readString();
        catalogue.boards.push_back(board);
    }
    const int axles = readCount(source, maxUser, "axle materials");
    for (int i = 0; i < axles; ++i) {
        AxleMaterial axle;
        axle.AxleName = source.readString();
        axle.AxleDensity = source.readString();
        catalogue.axles.push_back(axle);
    }
    const int springs = readCount(source, maxUser, "spring materials");
    for (int i = 0; i < springs; ++i)
        catalogue.springs.push_back(readSpringEntry(source));
    const int treads = readCount(source, maxUser, "tread materials");
    for (int i = 0; i < treads; ++i) {
        TreadMaterial tread;
        tread.TreadName = source.readString();
        tread.TreadFriction = source.readString();
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
                QStringLiteral("part %1 names material %2, which the file does not hold")
                    .arg(part + 1)
                    .arg(index));
    }
    design.MatIndex = indices;
}

void readWeights(ItemSource &source, DesignRecord &design)
{
    const int count = readCount(source, WeightSlotCount, "weights");
    for (int i = 0; i < count; ++i) {
        WeightSlot &slot = design.Weights[static_cast<size_t>(i)];
        slot.X = source.readInteger();
        slot.Y = source.readInteger();
        slot.Mass = source.readReal();
    }
}

void readFrontAxle(ItemSource &source, DesignRecord &design)
{
    design.FrontAxleXIn = source.readReal();
    design.FrontAxleYIn = source.readReal();
    design.FrontAxleXPt = source.readReal();
    design.FrontAxleYPt = source.readReal();
}

} // namespace

QString ReadDesign(ItemSource &source, Workspace &workspace)
{
    DesignRecord &design = workspace.design;
    const QString name = source.readString();
    for (QString *field : parameterFields(design))
        *field = source.readString();
    design.SavedOtherWhlDia = design.OtherWhlDia;

    if (source.readInteger() == 1)
        readMaterialBlock(source, workspace, readSpring);

    design.StepSize = source.readString();
    design.CaseRatio = source.readString();
    design.Friction = source.readString();
    ApplyChamberCode(design, source.readInteger());
    ApplyDriveCode(design, source.readInteger());

    const int outerCount = readCount(source, MaxOutlinePoints, "outer outline points");
    design.OuterPts = readPoints(source, outerCount);
    const int innerCount = source.readInteger();
    if (innerCount < 1) {
        design.InnerPts = design.OuterPts;
    } else {
        if (innerCount > MaxOutlinePoints)
            throw DesignFileError(
                QStringLiteral("it holds an impossible number of inner outline points (%1)").arg(innerCount));
        design.InnerPts = readPoints(source, innerCount);
    }
    readWeights(source, design);
    readFrontAxle(source, design);
    return name;
}

void ReadOlderDesign(ItemSource &source, Workspace &workspace)
{
    DesignRecord &design = workspace.design;
    design.SpringWidth = source.readString();
    design.SpringLength = source.readString();
    design.DriveWhlDia = source.readString();
    design.DriveAxleDia = source.readString();
    design.OtherWhlDia = source.readString();
    design.SavedOtherWhlDia = design.OtherWhlDia;

    if (source.readInteger() == 1)
        readMaterialBlock(source, workspace, readOlderSpring);

    design.StepSize = source.readString();
    source.readInteger(); // a setting of the old releases that nothing uses any more
    ApplyDriveCode(design, source.readInteger());
    ApplyChamberCode(design, source.readInteger());

    const int outerCount = readCount(source, MaxOutlinePoints, "outer outline points");
    if (outerCount >= 2)
        design.OuterPts = readPoints(source, outerCount);
    // These files have no inner outline; the inner layers take the outer shape, as a version-3
    // file without inner points does, so that every later step has a body to work on.
    design.InnerPts = design.OuterPts;
    readWeights(source, design);
    readFrontAxle(source, design);
}

} // namespace zindle
