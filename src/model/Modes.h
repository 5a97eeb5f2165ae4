#pragma once
// The modes of the program, by the numbers the window and the files use.

namespace zindle {

// Mode numbers of the main window (there is no mode 2).
enum SheetMode {
    DesignMode = 1, BuildMode = 3, AnalyzeMode = 4, SimulateMode = 5, RaceMode = 6,
    PreviewMode = 7, PrintMode = 8
};

} // namespace zindle
