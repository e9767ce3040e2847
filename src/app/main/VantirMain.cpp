#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include "app/shell/ApplicationInfo.h"
#include "app/shell/CommandTable.h"
#include "app/shell/LongLivedScreens.h"
#include "app/shell/MainWindow.h"
#include "app/shell/ScreenFactories.h"
#include "app/shell/StartUp.h"
#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "data/HandBacks.h"
#include "data/HookTargets.h"
#include "platform/system/Registry.h"
#include "platform/ui/QtMessages.h"

using namespace vantir;

// vantir [--dir PATH]: the program on a program directory, the current one by default.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationInfo::title());
    QApplication::setApplicationVersion(ApplicationInfo::version());

    QCommandLineParser parser;
    parser.setApplicationDescription(ApplicationInfo::title());
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dirOption(
        QStringLiteral("dir"), QStringLiteral("The program directory (default: the current one)."),
        QStringLiteral("PATH"));
    parser.addOption(dirOption);
    parser.process(app);
    // The program directory is the program's home, as the current directory at start.
    QString programDir = QDir::currentPath();
    if (parser.isSet(dirOption)) {
        programDir = QDir(parser.value(dirOption)).absolutePath();
        QDir::setCurrent(programDir);  // a directory that is not there is reported at start
    }

    QtMessages messages;
    Registry registry(Registry::defaultPath());
    StartUp startUp(programDir, registry, messages);
    if (!startUp.run()) return 1;

    AppState state;
    state.EditTen = startUp.office().code;
    state.EditTen2 = startUp.office().name;
    HookTargets hookTargets;
    HandBacks handBacks;
    DataModule1 dm1(programDir, state, hookTargets);
    DataModule2 dm2(programDir, state, hookTargets);
    // A program directory of an earlier version keeps its databases outside DataBase.
    dm1.database().setPath(startUp.mainDatabasePath());
    dm2.database().setPath(startUp.workingCopyPath());

    CommandTable table;
    LongLivedScreens longLived;
    registerScreens(table, longLived);
    MainWindow window(table,
                      ScreenContext{state, dm1, dm2, hookTargets, handBacks, messages, longLived},
                      programDir, startUp.upgradeCompleted());
    messages.setParent(&window);
    QObject::connect(&window, &MainWindow::closed, &app, &QCoreApplication::quit);
    window.show();
    const int exitCode = app.exec();

    startUp.shutDown();
    return exitCode;
}
