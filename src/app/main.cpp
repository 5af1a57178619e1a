#include "app/debuglogger.h"
#include "app/version.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/messageboxmessenger.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDebug>
#include <QDir>
#include <QScreen>

#include <cstdio>
#include <cstring>

namespace {

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Options answered without a window: they must work where no display is.
bool runsWithoutWindow(int argc, char* argv[])
{
    static const char* const options[] = {"-h", "--help", "-?", "-v", "--version"};
    for (int i = 1; i < argc; ++i) {
        for (const char* option : options) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

void setUpParser(QCommandLineParser& parser, QCommandLineOption& debugOption,
                 QCommandLineOption& languageOption)
{
    parser.setApplicationDescription(QCoreApplication::translate("main", "Zor"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("main", "File to open"));
    debugOption = QCommandLineOption(QStringList{QStringLiteral("d")},
                                     QCoreApplication::translate("main", "Enable debug logs"));
    languageOption = QCommandLineOption(
        QStringList{QStringLiteral("l"), QStringLiteral("locale")},
        QCoreApplication::translate("main", "Set application language to <language>."),
        QStringLiteral("language"));
    parser.addOption(debugOption);
    parser.addOption(languageOption);
}

} // namespace

int main(int argc, char* argv[])
{
    if (runsWithoutWindow(argc, argv) && !hasDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!hasDisplay()) {
        std::fprintf(stderr, "zor: no display found (set DISPLAY, or QT_QPA_PLATFORM=offscreen)\n");
        return 1;
    }

    Q_INIT_RESOURCE(zoricons);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvenda"));
    QCoreApplication::setApplicationName(QStringLiteral("Zor"));
    QCoreApplication::setApplicationVersion(Version::number());

    QCommandLineParser parser;
    QCommandLineOption debugOption(QStringLiteral("d"));
    QCommandLineOption languageOption(QStringLiteral("l"));
    setUpParser(parser, debugOption, languageOption);
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    const QString fileToOpen = positional.isEmpty() ? QString() : positional.first();

    DebugLogger::setDebugMode(parser.isSet(debugOption));
    DebugLogger::instance()->configure(QStringLiteral("logs"), QStringLiteral("debug.log"));
    const QString workingDirectory = QDir::currentPath();

    MessageBoxMessenger messenger;
    Messenger::install(&messenger);

    MainWindow window;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.resize(screen->availableGeometry().size());
    window.setFileToOpen(fileToOpen);
    window.setWindowTitle(window.windowTitle() + QStringLiteral(" - ") + Version::displayText());

    if (!DebugLogger::debugMode()) {
        window.showMaximized();
    } else {
        window.setWindowTitle(window.windowTitle() + QStringLiteral(" - Debug"));
        window.setGeometry(1600, 58, 800, 842);
        window.show();
        qDebug() << "dir " << workingDirectory;
    }
    return app.exec();
}
