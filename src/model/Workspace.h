#pragma once
// Everything the program holds for its one window. Owned by the application (or a test, or the
// command line) and passed by reference; there are no globals.

#include "DesignList.h"
#include "DesignRecord.h"
#include "MaterialCatalogue.h"

#include <random>

namespace zindle {

struct Workspace {
    DesignRecord design;
    DesignList list;
    MaterialCatalogue catalogue;
    std::mt19937 random{std::random_device{}()};

    void MarkDesignChanged() { list.MarkDesignChanged(list.CurrentDesign); }
};

// Builds built-in design `slot` into the current design from scratch: reset, clear the
// outlines and weights, generate, then the drive buttons' side effects. The catalogue is kept.
void BuildBuiltInDesign(Workspace &workspace, int slot);

} // namespace zindle
