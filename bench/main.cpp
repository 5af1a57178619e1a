// zor-bench: how long the editor makes a user wait on large groups.
//
// Generates groups of 100 and 999 macros, writes them with the program's own
// writer and measures, in this process, the real main window's open, save
// and delete-all commands and the canvas's repaint, each beside the bare
// toolkit operation it can't do without, and the peak memory with the large
// group open. See "Benchmark" in the README.

#include "benchrun.h"
#include "modalguard.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <cstring>

namespace {

constexpr int DefaultRuns = 9;
constexpr int MinimumRuns = 5;

struct Options
{
    bool tsv = false;
    int runs = DefaultRuns;
    // For a profiler: the one measurement to take (see printUsage); the
    // window is set up in any case.
    QString only;
    bool help = false;
    QString error;
};

const QStringList& measurements()
{
    static const QStringList names{
        QStringLiteral("open"),      QStringLiteral("save"),    QStringLiteral("delete"),
        QStringLiteral("undo"),      QStringLiteral("repaint"), QStringLiteral("diff"),
        QStringLiteral("check"),     QStringLiteral("arrange"), QStringLiteral("drag"),
        QStringLiteral("zoom"),      QStringLiteral("configure"), QStringLiteral("startup"),
        QStringLiteral("parallel")};
    return names;
}

Options parseOptions(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--tsv") == 0) {
            options.tsv = true;
        } else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            options.runs = QString::fromLocal8Bit(argv[++i]).toInt();
            if (options.runs < MinimumRuns)
                options.error =
                    QStringLiteral("--runs takes a number of at least %1").arg(MinimumRuns);
        } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
            options.only = QString::fromLocal8Bit(argv[++i]);
            if (!measurements().contains(options.only))
                options.error = QStringLiteral("--only takes %1")
                                    .arg(measurements().join(QStringLiteral(", ")));
        } else if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0) {
            options.help = true;
        } else {
            options.error =
                QStringLiteral("unknown argument %1").arg(QString::fromLocal8Bit(argv[i]));
        }
    }
    return options;
}

void printUsage(FILE* stream)
{
    std::fprintf(stream,
                 "Usage: zor-bench [--tsv] [--runs N] [--only WHAT]\n"
                 "  --tsv        one \"figure<TAB>value\" line per figure\n"
                 "  --runs N     runs per figure after a warm-up (default %d, at least %d)\n"
                 "  --only WHAT  for a profiler: take only open, save, delete, undo, repaint,\n"
                 "               diff, check, arrange, drag, zoom, configure, startup or\n"
                 "               parallel\n",
                 DefaultRuns, MinimumRuns);
}

QtMessageHandler g_previousHandler = nullptr;

// The program's debug lines are produced as always, but not printed: the
// speed of a terminal must not enter the figures. Warnings go through.
void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    // The offscreen platform says so at every show of a window.
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    g_previousHandler(type, context, message);
}

// Window settings, "zortmp.ini" and the generated files stay in a private
// folder, away from the user's.
bool setUpPrivateFolders(const QTemporaryDir& home)
{
    const QDir dir(home.path());
    if (!dir.mkpath(QStringLiteral("config")) || !dir.mkpath(QStringLiteral("tmp")) ||
        !dir.mkpath(QStringLiteral("runtime")))
        return false;
    QFile::setPermissions(dir.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.filePath(QStringLiteral("runtime"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
    qputenv("TMPDIR", QFile::encodeName(dir.filePath(QStringLiteral("tmp"))));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    const Options options = parseOptions(argc, argv);
    if (options.help || !options.error.isEmpty()) {
        if (!options.error.isEmpty())
            std::fprintf(stderr, "zor-bench: %s\n", qPrintable(options.error));
        printUsage(options.help ? stdout : stderr);
        return options.help ? 0 : 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    const QTemporaryDir home;
    if (!home.isValid() || !setUpPrivateFolders(home)) {
        std::fprintf(stderr, "zor-bench: cannot create a temporary folder\n");
        return 1;
    }

    Q_INIT_RESOURCE(zoricons);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvenda"));
    QCoreApplication::setApplicationName(QStringLiteral("Zor"));
    g_previousHandler = qInstallMessageHandler(messageHandler);
    // A file in the current folder would override the reference data.
    QDir::setCurrent(home.path());

    ModalGuard guard;
    BenchRun run(home.path(), options.runs, guard);
    QString error;
    if (!run.writeGroups(&error)) {
        std::fprintf(stderr, "zor-bench: %s\n", qPrintable(error));
        return 1;
    }
    run.measureMemory();
    const auto wanted = [&](const char* name) {
        return options.only.isEmpty() || options.only == QLatin1String(name);
    };
    if (wanted("open"))
        run.measureOpen();
    if (wanted("save"))
        run.measureSave();
    if (wanted("delete"))
        run.measureDelete();
    if (wanted("undo"))
        run.measureUndo();
    if (wanted("repaint"))
        run.measureRepaint();
    if (wanted("diff"))
        run.measureDiff();
    if (wanted("check")) {
        run.measureCheck();
        run.measureCheckRefresh();
    }
    if (wanted("arrange"))
        run.measureArrange();
    if (wanted("drag"))
        run.measureDrag();
    if (wanted("zoom"))
        run.measureZoom();
    if (wanted("configure"))
        run.measureConfigure();
    if (wanted("startup"))
        run.measureStartup();
    if (wanted("parallel"))
        run.measureParallelCheck();
    run.summarise();

    QTextStream out(stdout);
    if (options.tsv)
        run.report().writeTsv(out);
    else
        run.report().writeTable(out, options.runs);
    out.flush();

    if (!guard.seen().isEmpty()) {
        std::fprintf(stderr, "zor-bench: dialogs appeared during the run, the figures are void:\n");
        for (const QString& text : guard.seen())
            std::fprintf(stderr, "  %s\n", qPrintable(text));
        return 1;
    }
    return 0;
}
