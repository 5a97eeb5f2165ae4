// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialCatalogue.h"

namespace zindle {

MaterialCatalogue::MaterialCatalogue()
{
    boards.push_back(builtInBoard());
    axles.push_back(builtInAxle());
    springs.push_back(builtInSpring());
    treads.push_back(builtInTread());
}

BoardMaterial MaterialCatalogue::builtInBoard()
{
    return {QStringLiteral("Default Foamcore"), QStringLiteral("0.50"), QStringLiteral("0.0023")};
}

AxleMaterial MaterialCatalogue::builtInAxle()
{
    return {QStringLiteral("Default Oak"), QStringLiteral("0.027")};
}

SpringMaterial MaterialCatalogue::builtInSpring()
{
    SpringMaterial spring{QStringLiteral("Default plastic"), QStringLiteral("0.0125"),
                          QStringLiteral("0.045"), QStringLiteral("1.5"), {}};
    spring.SpringTorqueCurve.fill(QStringLiteral("0"));
    spring.SpringTorqueCurve[0] = QStringLiteral("0.57");
    return spring;
}

TreadMaterial MaterialCatalogue::builtInTread()
{
    return {QStringLiteral("Ideal Rubber"), QStringLiteral("1")};
}

QString builtInItemText(MaterialKind kind)
{
    switch (kind) {
    case MaterialKind::Board: return QStringLiteral("Default Foamcore");
    case MaterialKind::Axle: return QStringLiteral("Default Oak");
    case MaterialKind::Spring: return QStringLiteral("Default plastic");
    case MaterialKind::Tread: return QStringLiteral("Ideal rubber");
    }
    return {};
}

int MaterialCatalogue::count(MaterialKind kind) const
{
    switch (kind) {
    case MaterialKind::Board: return static_cast<int>(boards.size());
    case MaterialKind::Axle: return static_cast<int>(axles.size());
    case MaterialKind::Spring: return static_cast<int>(springs.size());
    case MaterialKind::Tread: return static_cast<int>(treads.size());
    }
    return 0;
}

QString MaterialCatalogue::name(MaterialKind kind, int index) const
{
    if (index < 0 || index >= count(kind))
        return {};
    switch (kind) {
    case MaterialKind::Board: return boards[static_cast<size_t>(index)].BoardName;
    case MaterialKind::Axle: return axles[static_cast<size_t>(index)].AxleName;
    case MaterialKind::Spring: return springs[static_cast<size_t>(index)].SpringName;
    case MaterialKind::Tread: return treads[static_cast<size_t>(index)].TreadName;
    }
    return {};
}

QStringList MaterialCatalogue::names(MaterialKind kind) const
{
    QStringList list;
    list << builtInItemText(kind);
    for (int i = 1; i < count(kind); ++i)
        list << name(kind, i);
    return list;
}

namespace {
template <typename T> bool eraseUserEntry(std::vector<T> &entries, int index)
{
    if (index < 1 || index >= static_cast<int>(entries.size()))
        return false;
    entries.erase(entries.begin() + index);
    return true;
}
} // namespace

bool MaterialCatalogue::removeEntry(MaterialKind kind, int index)
{
    switch (kind) {
    case MaterialKind::Board: return eraseUserEntry(boards, index);
    case MaterialKind::Axle: return eraseUserEntry(axles, index);
    case MaterialKind::Spring: return eraseUserEntry(springs, index);
    case MaterialKind::Tread: return eraseUserEntry(treads, index);
    }
    return false;
}

void MaterialCatalogue::removeUserMaterials()
{
    boards.resize(1);
    axles.resize(1);
    springs.resize(1);
    treads.resize(1);
}

} // namespace zindle
