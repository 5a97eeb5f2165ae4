// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutProfile.h"

#include <QCoreApplication>
#include <array>
#include <limits>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CutProfile)
};

} // namespace

CutProfile DefaultCutProfile(CutMachine machine)
{
    CutProfile profile;
    profile.machine = machine;
    // A typical school laser's beam; a knife's blade removes nothing worth compensating.
    profile.kerfIn = machine == CutMachine::Laser ? 0.008 : 0.0;
    return profile;
}

std::optional<CutMachine> CutMachineNamed(const QString &name)
{
    if (name == QLatin1String("laser"))
        return CutMachine::Laser;
    if (name == QLatin1String("plotter"))
        return CutMachine::Plotter;
    if (name == QLatin1String("print"))
        return CutMachine::Print;
    return std::nullopt;
}

std::optional<QColor> CutColourNamed(const QString &name)
{
    // Only names a person would type: QColor alone would also take "transparent" and #argb.
    const bool hex = name.size() == 7 && name.startsWith(QLatin1Char('#'));
    bool letters = !name.isEmpty();
    for (const QChar c : name)
        letters = letters && c.isLetter() && c.unicode() < 128;
    if (!hex && !letters)
        return std::nullopt;
    const QColor colour = QColor::fromString(name);
    if (!colour.isValid() || name.compare(QLatin1String("transparent"), Qt::CaseInsensitive) == 0)
        return std::nullopt;
    return colour;
}

int DxfColourIndex(const QColor &colour)
{
    // The seven colours every DXF reader shows alike.
    constexpr std::array<std::array<int, 3>, 7> indexed = {{{255, 0, 0}, {255, 255, 0}, {0, 255, 0}, {0, 255, 255},
                                                            {0, 0, 255}, {255, 0, 255}, {0, 0, 0}}};
    int best = 1;
    long nearest = std::numeric_limits<long>::max();
    for (size_t i = 0; i < indexed.size(); ++i) {
        const long dr = colour.red() - indexed[i][0], dg = colour.green() - indexed[i][1], db = colour.blue() - indexed[i][2];
        const long distance = dr * dr + dg * dg + db * db;
        if (distance < nearest) {
            nearest = distance;
            best = static_cast<int>(i) + 1;
        }
    }
    return best;
}

QString LaserOnFoamWarning(CutMachine machine, const QString &boardMaterialName)
{
    if (machine != CutMachine::Laser || !boardMaterialName.contains(QLatin1String("foam"), Qt::CaseInsensitive))
        return {};
    return Texts::tr("Many school labs forbid foam board on a laser cutter: cutting it gives off fumes. A knife "
                     "plotter cuts it safely, or print the templates and cut them by hand.");
}

} // namespace zindle
