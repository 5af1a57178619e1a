#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using ZorTest::TestEnvironment;

// Runs the real executable, as a user would from a shell.
class TestEntry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void versionAndHelp_data();
    void versionAndHelp();
    void debugModeWritesLog();
    void noLogWithoutDebugMode();

private:
    QProcessEnvironment headless() const;
    std::unique_ptr<TestEnvironment> env;
};

void TestEntry::initTestCase()
{
    env = std::make_unique<TestEnvironment>(false);
    QVERIFY(QFile::exists(TestEnvironment::executable()));
}

QProcessEnvironment TestEntry::headless() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

void TestEntry::versionAndHelp_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("-v") << QStringList{"-v"} << QStringList{"4.2.3"};
    QTest::newRow("--version") << QStringList{"--version"} << QStringList{"4.2.3"};
    QTest::newRow("-h") << QStringList{"-h"}
                        << QStringList{"Enable debug logs",
                                       "-l, --locale <language>",
                                       "Set application language to <language>.",
                                       "File to open",
                                       "-d",
                                       "-v, --version",
                                       "-h, --help"};
}

void TestEntry::versionAndHelp()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);

    // No display at all: these options must still answer.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess zor;
    zor.setProcessEnvironment(environment);
    zor.start(TestEnvironment::executable(), arguments);
    QVERIFY(zor.waitForFinished(30000));
    QCOMPARE(zor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(zor.exitCode(), 0);
    const QString output = QString::fromLocal8Bit(zor.readAllStandardOutput());
    for (const QString& text : qAsConst(expected))
        QVERIFY2(output.contains(text), qPrintable(output));
}

void TestEntry::debugModeWritesLog()
{
    QDir folder(env->path());
    folder.mkpath(QStringLiteral("debug-run"));
    const QString workDir = folder.filePath(QStringLiteral("debug-run"));
    QFile stale(workDir + QStringLiteral("/debug.log"));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("stale\nlines\n");
    stale.close();

    QProcess zor;
    zor.setProcessEnvironment(headless());
    zor.setWorkingDirectory(workDir);
    zor.start(TestEnvironment::executable(), {QStringLiteral("-d")});
    QVERIFY(zor.waitForStarted());

    QStringList lines;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            QFile log(workDir + QStringLiteral("/debug.log"));
            if (!log.open(QIODevice::ReadOnly))
                return false;
            lines = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
            return lines.size() >= 2 && lines.join('\n').contains("MainWindow - Constructor") &&
                   lines.join('\n').contains("GraphWidget - Constructor");
        }(),
        20000);
    zor.kill();
    zor.waitForFinished();

    const QRegularExpression stamp(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d - "));
    QVERIFY(stamp.match(lines.first()).hasMatch());
    QVERIFY(lines.first().endsWith(QStringLiteral(" - >>>>>>>> Debug Session Started. <<<<<<<<")));
    QVERIFY(!lines.contains(QStringLiteral("stale")));
    // Later lines: the class of the object that wrote them, then its text.
    const QRegularExpression objectLine(QStringLiteral("^\\S+ - \\S+ - \\S.*$"));
    for (const QString& line : qAsConst(lines).mid(1))
        QVERIFY2(stamp.match(line).hasMatch() && objectLine.match(line).hasMatch(),
                 qPrintable(line));
}

void TestEntry::noLogWithoutDebugMode()
{
    QDir folder(env->path());
    folder.mkpath(QStringLiteral("plain-run"));
    const QString workDir = folder.filePath(QStringLiteral("plain-run"));

    // A platform named on the command line needs no display variable.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess zor;
    zor.setProcessEnvironment(environment);
    zor.setWorkingDirectory(workDir);
    zor.start(TestEnvironment::executable(),
              {QStringLiteral("-platform"), QStringLiteral("offscreen")});
    QVERIFY(zor.waitForStarted());
    // Give it time to build and show its window.
    QTest::qWait(1500);
    QCOMPARE(zor.state(), QProcess::Running);
    zor.kill();
    zor.waitForFinished();
    QVERIFY(!QFile::exists(workDir + QStringLiteral("/debug.log")));
}

QTEST_GUILESS_MAIN(TestEntry)
#include "tst_entry.moc"
