// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four kinds of material a car is built from. Per kind, entry 0 is the built-in material;
// entries 1..100 are the user's. Every value stays the text that was typed or read, and
// consumers parse it at the moment they use it.

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace zindle {

enum class MaterialKind { Board, Axle, Spring, Tread };

inline constexpr int MaxMaterialEntries = 101; // entry 0 + 100 user entries
inline constexpr int TorqueCurveCells = 49;

struct BoardMaterial {
    QString BoardName, BoardThickness, BoardDensity;
};
struct AxleMaterial {
    QString AxleName, AxleDensity;
};
struct SpringMaterial {
    QString SpringName, SpringThickness, SpringDensity, SpringSampleWidth;
    std::array<QString, TorqueCurveCells> SpringTorqueCurve;
};
struct TreadMaterial {
    QString TreadName, TreadFriction;
};

class MaterialCatalogue {
public:
    MaterialCatalogue(); // the four built-in entries only

    std::vector<BoardMaterial> boards;
    std::vector<AxleMaterial> axles;
    std::vector<SpringMaterial> springs;
    std::vector<TreadMaterial> treads;

    int count(MaterialKind kind) const;
    QString name(MaterialKind kind, int index) const;
    QStringList names(MaterialKind kind) const;
    bool isFull(MaterialKind kind) const { return count(kind) >= MaxMaterialEntries; }

    // Deletes user entry `index` (1 and up) of a kind, moving later entries down; entry 0 and
    // indices out of range are left alone. Returns whether an entry was removed.
    bool removeEntry(MaterialKind kind, int index);
    // Drops every user entry, keeping the four built-ins.
    void removeUserMaterials();

    static BoardMaterial builtInBoard();
    static AxleMaterial builtInAxle();
    static SpringMaterial builtInSpring();
    static TreadMaterial builtInTread();
};

// The text shown for entry 0 in the main window's material combos and the material lists;
// the tread's item is spelled with a small r while its stored name is "Ideal Rubber".
QString builtInItemText(MaterialKind kind);

} // namespace zindle
