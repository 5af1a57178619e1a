#include "commandline.h"

#include "app/sessionlanguage.h"
#include "app/version.h"
#include "checkcommand.h"
#include "convertcommand.h"
#include "diffcommand.h"
#include "exportimagecommand.h"
#include "simulatecommand.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstring>
#include <iterator>

namespace {
struct Options
{
    QCommandLineOption debug{QStringList{QStringLiteral("d")},
                             QCoreApplication::translate("main", "Enable debug logs")};
    QCommandLineOption language{
        QStringList{QStringLiteral("l"), QStringLiteral("locale")},
        QCoreApplication::translate("main", "Set application language to <language>."),
        QStringLiteral("language")};
    QCommandLineOption convert{
        QStringList{QStringLiteral("convert")},
        QCoreApplication::translate("main", "Convert the group file IN to OUT without a window: "
                                            "--convert IN OUT. Each file's format follows its "
                                            "suffix (.mcr, or .mcx for any other).")};
    QCommandLineOption check{
        QStringList{QStringLiteral("check")},
        QCoreApplication::translate("main", "Check the group files FILE... against the "
                                            "terminal's rules without a window: --check FILE... "
                                            "Exit status 0 when nothing was found, 1 when "
                                            "something was, 2 when a file can't be read.")};
    QCommandLineOption jobs{
        QStringList{QStringLiteral("jobs")},
        QCoreApplication::translate("main", "With --check: how many files are read and checked "
                                            "at once (default: one per processor core)."),
        QStringLiteral("count")};
    QCommandLineOption diff{
        QStringList{QStringLiteral("diff")},
        QCoreApplication::translate("main", "Compare the group files OLD and NEW by meaning "
                                            "without a window: --diff OLD NEW. Exit status 0 "
                                            "when they are the same, 1 when they differ, 2 when "
                                            "a file can't be read.")};
    QCommandLineOption layout{
        QStringList{QStringLiteral("layout")},
        QCoreApplication::translate("main", "With --diff: box positions and sizes count as "
                                            "changes too.")};
    QCommandLineOption format{
        QStringList{QStringLiteral("format")},
        QCoreApplication::translate("main", "Report of --check and --diff: text (one line per "
                                            "finding or change, the default) or json."),
        QStringLiteral("format")};
    QCommandLineOption exportImage{
        QStringList{QStringLiteral("export-image")},
        QCoreApplication::translate("main", "Draw the flow diagram of the group file IN into "
                                            "the picture OUT without a window: --export-image "
                                            "IN OUT. PNG or SVG by the suffix of OUT.")};
    QCommandLineOption scale{
        QStringList{QStringLiteral("scale")},
        QCoreApplication::translate("main", "Pixels per diagram unit of --export-image "
                                            "(default 1)."),
        QStringLiteral("factor")};
    QCommandLineOption arrange{
        QStringList{QStringLiteral("arrange")},
        QCoreApplication::translate("main", "With --convert or --export-image: lay the boxes out "
                                            "by their flow first, top to bottom.")};
    QCommandLineOption simulate{
        QStringList{QStringLiteral("simulate")},
        QCoreApplication::translate("main", "Run the group file GROUP on a simulated driver "
                                            "terminal without a window: --simulate GROUP "
                                            "--script STEPS. Exit status 0 when every step was "
                                            "accepted, 1 when one was refused, 2 when the group "
                                            "or the script can't be read.")};
    QCommandLineOption script{
        QStringList{QStringLiteral("script")},
        QCoreApplication::translate("main", "Steps of --simulate, one a line: open N, field K "
                                            "TEXT, send, next FK, back, screen."),
        QStringLiteral("steps")};
};

// The commands that work without a window, and so without a display.
const char* const HeadlessCommands[] = {"--convert", "--check", "--diff", "--export-image",
                                        "--simulate"};

bool hasArgument(int argc, char* argv[], const char* const* options, size_t count)
{
    for (int i = 1; i < argc; ++i) {
        // Everything after "--" is a file name.
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        for (size_t k = 0; k < count; ++k) {
            if (std::strcmp(argv[i], options[k]) == 0)
                return true;
        }
    }
    return false;
}

void setUpParser(QCommandLineParser& parser, const Options& options)
{
    parser.setApplicationDescription(QCoreApplication::translate("main", "Zor"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("main", "File to open"));
    parser.addOption(options.debug);
    parser.addOption(options.language);
    for (const QCommandLineOption* option :
         {&options.convert, &options.check, &options.jobs, &options.diff, &options.layout,
          &options.format, &options.exportImage, &options.scale, &options.arrange,
          &options.simulate, &options.script})
        parser.addOption(*option);
}

// The commands without a window print only their own output: their
// messages and reports. The toolkit's notes about the session (a missing
// runtime folder, the platform) and the program's diagnostics are not for a
// script's standard error; only what ends the process still shows.
void headlessMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtCriticalMsg && type != QtFatalMsg)
        return;
    const QByteArray line = qFormatLogMessage(type, context, text).toLocal8Bit();
    std::fprintf(stderr, "%s\n", line.constData());
}

int usageError(const QString& usage, int status = 1)
{
    const QByteArray text =
        QCoreApplication::translate("main", "Usage: %1").arg(usage).toLocal8Bit();
    std::fprintf(stderr, "%s\n", text.constData());
    return status;
}

} // namespace

bool CommandLine::answersWithoutWindow(int argc, char* argv[])
{
    static const char* const options[] = {"-h", "--help", "-?", "-v", "--version"};
    return hasArgument(argc, argv, options, std::size(options));
}

bool CommandLine::requestsCommand(int argc, char* argv[])
{
    return hasArgument(argc, argv, HeadlessCommands, std::size(HeadlessCommands));
}

bool CommandLine::displayVariablesApply(int argc, char* argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    static const char* const platformOptions[] = {"-platform", "--platform"};
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           !hasArgument(argc, argv, platformOptions, std::size(platformOptions));
#else
    Q_UNUSED(argc)
    Q_UNUSED(argv)
    return false;
#endif
}

bool CommandLine::hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void CommandLine::setApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Orvenda"));
    QCoreApplication::setApplicationName(QStringLiteral("Zor"));
    QCoreApplication::setApplicationVersion(Version::number());
    // Lets a Wayland desktop match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.orvenda.zor"));
}

QString CommandLine::languageOption(const QStringList& arguments)
{
    QCommandLineParser parser;
    const Options options;
    setUpParser(parser, options);
    parser.parse(arguments);
    return parser.value(options.language);
}

CommandLine::WindowOptions CommandLine::windowOptions(const QCoreApplication& app)
{
    QCommandLineParser parser;
    const Options options;
    setUpParser(parser, options);
    parser.process(app);
    WindowOptions window;
    const QStringList positional = parser.positionalArguments();
    window.fileToOpen = positional.isEmpty() ? QString() : positional.first();
    window.debug = parser.isSet(options.debug);
    return window;
}

void CommandLine::quietMessages()
{
    qInstallMessageHandler(headlessMessageHandler);
}

int CommandLine::runCommand(int argc, char* argv[])
{
    // No window is ever shown; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Before the application object, whose start-up has notes of its own.
    quietMessages();
    // Widgets, for the canvas items that draw the exported pictures.
    QApplication app(argc, argv);
    setApplicationNames();
    // Only -l translates: a script sees the same messages whatever language
    // the window was left in.
    const SessionLanguage language(languageOption(app.arguments()));

    QCommandLineParser parser;
    const Options options;
    setUpParser(parser, options);
    parser.process(app);
    const QStringList files = parser.positionalArguments();

    if (parser.isSet(options.convert)) {
        if (files.size() != 2)
            return usageError(QStringLiteral("zor --convert IN OUT [--arrange]"));
        return ConvertCommand::run(files.at(0), files.at(1), parser.isSet(options.arrange));
    }
    if (parser.isSet(options.check)) {
        CheckCommand::Format format;
        int jobs = 0;
        if (files.isEmpty() || !CheckCommand::parseFormat(parser.value(options.format), &format) ||
            (parser.isSet(options.jobs) &&
             !CheckCommand::parseJobs(parser.value(options.jobs), &jobs)))
            return usageError(QStringLiteral("zor --check FILE... [--format text|json] [--jobs N]"),
                              CheckCommand::CannotCheck);
        return CheckCommand::run(files, format, jobs);
    }
    if (parser.isSet(options.diff)) {
        DiffCommand::Options diffOptions;
        diffOptions.layout = parser.isSet(options.layout);
        diffOptions.language = parser.value(options.language);
        if (files.size() != 2 ||
            !CheckCommand::parseFormat(parser.value(options.format), &diffOptions.format))
            return usageError(QStringLiteral("zor --diff OLD NEW [--format text|json] [--layout]"),
                              DiffCommand::CannotCompare);
        return DiffCommand::run(files.at(0), files.at(1), diffOptions);
    }
    if (parser.isSet(options.exportImage)) {
        if (files.size() != 2)
            return usageError(QStringLiteral("zor --export-image IN OUT [--scale F] [--arrange]"));
        return ExportImageCommand::run(files.at(0), files.at(1), parser.value(options.scale),
                                       parser.isSet(options.arrange));
    }
    if (parser.isSet(options.simulate)) {
        if (files.size() != 1 || parser.value(options.script).isEmpty())
            return usageError(QStringLiteral("zor --simulate GROUP --script STEPS"),
                              SimulateCommand::CannotRun);
        return SimulateCommand::run(files.at(0), parser.value(options.script));
    }
    return 1;
}
