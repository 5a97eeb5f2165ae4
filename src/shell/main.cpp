#include "MainWindow.h"
#include "dialogs/QtPrompter.h"
#include "app/Workspace.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zindle::Workspace workspace;
    zindle::QtPrompter prompter;
    zindle::MainWindow window(workspace, prompter);
    prompter.setParent(&window);
    // The start-up window comes first; dismissing it brings the design environment up.
    window.ShowStartUpWindow();
    if (!window.started())
        return 0;
    return app.exec();
}
