#include "MainWindow.h"
#include "model/Workspace.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zindle::Workspace workspace;
    zindle::BuildBuiltInDesign(workspace, 0);
    zindle::MainWindow window(workspace);
    window.showMaximized();
    return app.exec();
}
