#include "app/sessionlanguage.h"
#include "support/headlessrun.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

using ZorTest::TestEnvironment;

namespace {

const char* const NotStored = "(none)";

QString fileToOpen()
{
    return QCoreApplication::translate("main", "File to open");
}

} // namespace

// The start of a run: the language it speaks (-l against the remembered
// language), and the real executable run from a shell where no display is.
class TestEntry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { env = std::make_unique<TestEnvironment>(); }

    void startTranslator_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("translated");
        QTest::addColumn<QString>("expected");

        // The command-line texts are English in the sources: even Portuguese
        // shows a translation.
        QTest::newRow("pt_BR") << "pt_BR" << true << "Arquivo a abrir";
        QTest::newRow("de") << "de" << true << "Zu öffnende Datei";
        QTest::newRow("no translation") << "it" << false << "File to open";
    }

    void startTranslator()
    {
        QFETCH(QString, code);
        SessionLanguage language(code);
        QTEST(language.isTranslated(), "translated");
        QTEST(fileToOpen(), "expected");
        // Handed over to the window's translators, none stays underneath.
        language.handOver();
        QVERIFY(!language.isTranslated());
        QCOMPARE(fileToOpen(), QStringLiteral("File to open"));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("absent");

        // Arguments split at blanks, expected texts at "|".
        const auto row = [](const char* name, const char* arguments, const char* stored, int status,
                            const QString& expected, const char* absent) {
            QTest::newRow(name) << QString(arguments).split(' ') << stored << status
                                << expected.split('|') << absent;
        };
        row("-v", "-v", NotStored, 0, "4.2.3", "Usage");
        row("-h on first start", "-h", NotStored, 0,
            "Usage:|Options:|File to open|Enable debug logs|-l, --locale <language>|"
            "Set application language to <language>.|-v, --version|-h, --help",
            "Zu öffnende Datei");
        row("-l after -h", "-h --locale fr", NotStored, 0,
            "Fichier à ouvrir|Utilisation|Active les journaux de débogage", "File to open");
        row("--locale=de over stored fr", "--locale=de -h", "fr", 0,
            "Zu öffnende Datei|Aufruf:", "Fichier à ouvrir");
        // A platform named on the command line needs no display variable.
        row("unknown option in French", "-platform offscreen -l fr --nonsense", NotStored, 1,
            "Option inconnue", "Unknown option");
        row("window without a display", "sample.mcx", NotStored, 1, "no display found", "");
        // A script's messages do not depend on the language the window was left in.
        row("convert keeps the built-in texts", "--convert missing.mcx out.mcx", "de", 1,
            "Não foi possível abrir o arquivo missing.mcx", "Zu öffnende Datei");
        row("check with -l de", "--check missing.mcx --locale de", NotStored, 2,
            "missing.mcx: Die Datei konnte nicht geöffnet werden.", "Não foi possível");
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, stored);
        QFETCH(QString, absent);

        // zor itself does not keep its settings where the test mode puts them.
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Orvenda";
        QVERIFY(QDir().mkpath(config));
        ZorTest::writeFile(config + "/Zor.conf", stored == QLatin1String(NotStored)
                                                     ? QByteArray()
                                                     : "[MainWindow]\nlocale=" + stored.toUtf8());
        const ZorTest::HeadlessRun zor(arguments, env->path());
        QVERIFY(zor.finished);
        const QString output = QString::fromUtf8(zor.output) + zor.errors;
        QTEST(zor.exitCode, "status");
        // What succeeds says nothing on standard error.
        QVERIFY2(zor.exitCode != 0 || zor.says(""), qPrintable(zor.errors));
        QFETCH(QStringList, expected);
        for (const QString& text : qAsConst(expected))
            QVERIFY2(output.contains(text), qPrintable(output));
        QVERIFY2(absent.isEmpty() || !output.contains(absent), qPrintable(output));
        QVERIFY(!QFile::exists(env->filePath(QStringLiteral("out.mcx"))));
    }

    void debugLog_data()
    {
        QTest::addColumn<bool>("debug");
        QTest::newRow("-d") << true;
        QTest::newRow("no option") << false;
    }

    // The window started with and without the debug option: a log in the
    // working directory, or none at all.
    void debugLog()
    {
        QFETCH(bool, debug);
        const QString folder = env->filePath(QTest::currentDataTag());
        QVERIFY(QDir().mkpath(folder));
        const QString log = folder + QStringLiteral("/debug.log");

        QProcess zor;
        QStringList arguments{QStringLiteral("-platform"), QStringLiteral("offscreen")};
        if (debug)
            arguments << QStringLiteral("-d");
        zor.setWorkingDirectory(folder);
        zor.start(TestEnvironment::executable(), arguments);
        QVERIFY(zor.waitForStarted());
        // Without the option, time to build and show the window.
        const bool logged = QTest::qWaitFor(
            [&] { return ZorTest::contentsOf(log).contains(" - GraphWidget - Constructor"); },
            debug ? 20000 : 1500);
        QCOMPARE(zor.state(), QProcess::Running);
        zor.kill();
        zor.waitForFinished();
        QCOMPARE(logged, debug);
        QCOMPARE(QFile::exists(log), debug);
    }

private:
    std::unique_ptr<TestEnvironment> env;
};

QTEST_GUILESS_MAIN(TestEntry)
#include "tst_entry.moc"
