#pragma once

#include "model/Workspace.h"

#include <QMainWindow>

namespace zindle {

// The main window. For now it holds the workspace and shows the program's caption; the modes,
// menus and sheet arrive with the desktop work.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Workspace &workspace, QWidget *parent = nullptr);

private:
    Workspace &workspace_;
};

} // namespace zindle
