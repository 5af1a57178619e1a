#include "app/debuglogger.h"
#include "app/sessionlanguage.h"
#include "app/version.h"
#include "app/zorobject.h"
#include "cli/commandline.h"
#include "mainwindow/firstpaintreport.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/messageboxmessenger.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[])
{
    Q_INIT_RESOURCE(zortranslations);
    if (CommandLine::requestsCommand(argc, argv))
        return CommandLine::runCommand(argc, argv);
    if (CommandLine::displayVariablesApply(argc, argv) && !CommandLine::hasDisplay()) {
        if (!CommandLine::answersWithoutWindow(argc, argv)) {
            std::fprintf(stderr,
                         "zor: no display found (set DISPLAY, or QT_QPA_PLATFORM=offscreen)\n");
            return 1;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    // -h and -v print their text and end: nothing else belongs on the terminal.
    if (CommandLine::answersWithoutWindow(argc, argv))
        CommandLine::quietMessages();
    Q_INIT_RESOURCE(zoricons);
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    CommandLine::setApplicationNames();
    SessionLanguage::setCommandLineCode(CommandLine::languageOption(app.arguments()));
    SessionLanguage language(SessionLanguage::startCode());

    const CommandLine::WindowOptions options = CommandLine::windowOptions(app);

    DebugLogger::setDebugMode(options.debug);
    DebugLogger::instance()->configure(QStringLiteral("logs"), QStringLiteral("debug.log"));
    const QString workingDirectory = QDir::currentPath();

    MessageBoxMessenger messenger;
    Messenger::install(&messenger);
    // Read now, so that a value refused in "zor.ini" is told before the
    // window opens rather than in the middle of some later command.
    ZorObject::anchorSettings();

    MainWindow window;
    if (FirstPaintReport::requested())
        new FirstPaintReport(sinceStart, window.canvas());
    language.handOver();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.resize(screen->availableGeometry().size());
    window.setFileToOpen(options.fileToOpen);
    window.setWindowTitle(window.windowTitle() + QStringLiteral(" - ") + Version::displayText());

    if (!DebugLogger::debugMode()) {
        window.showMaximized();
    } else {
        window.setWindowTitle(window.windowTitle() + QStringLiteral(" - Debug"));
        window.setGeometry(1600, 58, 800, 842);
        window.show();
        DebugLogger::instance()->write(QStringLiteral("main - dir ") + workingDirectory);
    }
    return app.exec();
}
