#pragma once
// What the physics chain asks the window to do between its steps. Drawing of the body regions,
// force picture and simulation frames arrives with the rendering work; until then the window
// shows the empty sheet of the mode with the results.

#include "physics/RefreshChain.h"

namespace zindle {

class MainWindow;

class WindowRefreshHooks : public RefreshHooks {
public:
    explicit WindowRefreshHooks(MainWindow &window) : window_(window) {}
    void clearSheet(Workspace &, int mode) override;

private:
    MainWindow &window_;
};

} // namespace zindle
