#include "MainWindow.h"

namespace zindle {

MainWindow::MainWindow(Workspace &workspace, QWidget *parent)
    : QMainWindow(parent), workspace_(workspace)
{
    setWindowTitle(QStringLiteral("Zindle 4.1"));
    setMinimumSize(540, 440);
}

} // namespace zindle
