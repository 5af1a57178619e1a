#include "simulator/simulationscript.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QProcess>
#include <QtTest>

#include <memory>

using Step = SimulationScript::Step;
using ZorTest::contentsOf;
using ZorTest::TestEnvironment;

class TestSimulateCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void scriptLines_data();
    void scriptLines();
    void sampleTrip();
    void runs_data();
    void runs();

private:
    // Runs zor with no display, in the test's folder.
    bool run(QProcess& zor, const QStringList& arguments) const;

    std::unique_ptr<TestEnvironment> env;
};

void TestSimulateCommand::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
    QVERIFY(env->isValid());
}

bool TestSimulateCommand::run(QProcess& zor, const QStringList& arguments) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    zor.setProcessEnvironment(environment);
    zor.setWorkingDirectory(env->path());
    zor.start(TestEnvironment::executable(), arguments);
    return zor.waitForFinished(60000) && zor.exitStatus() == QProcess::NormalExit;
}

void TestSimulateCommand::scriptLines_data()
{
    QTest::addColumn<QString>("line");
    // The step as "action number text", or the start of the error.
    QTest::addColumn<QString>("parsed");

    QTest::newRow("field text") << "field 3   A B  "
                                << "1 3 A B";
    QTest::newRow("field emptied") << "field 2"
                                   << "1 2 ";
    QTest::newRow("lower-case key") << "next f3"
                                    << "3 3 ";
    QTest::newRow("open") << "  open 40"
                          << "0 40 ";
    QTest::newRow("comment") << "# open x"
                             << "";
    QTest::newRow("field 0") << "field 0 X"
                             << "linha 1: \"field\" pede";
    QTest::newRow("key F10") << "next F10"
                             << "linha 1: \"next\" pede";
    QTest::newRow("open without number") << "open"
                                         << "linha 1: \"open\" pede";
    QTest::newRow("send with argument") << "send now"
                                        << "linha 1: \"send\" não leva";
    QTest::newRow("unknown") << "jump 3"
                             << "linha 1: passo desconhecido \"jump\"";
}

void TestSimulateCommand::scriptLines()
{
    QFETCH(QString, line);
    QFETCH(QString, parsed);

    QList<Step> steps;
    QString error;
    if (!SimulationScript::parse(line, &steps, &error)) {
        QVERIFY2(!parsed.isEmpty() && error.startsWith(parsed), qPrintable(error));
        return;
    }
    QString shown;
    for (const Step& step : steps)
        shown = QStringLiteral("%1 %2 %3").arg(int(step.action)).arg(step.number).arg(step.text);
    QCOMPARE(shown, parsed);
}

// The transcript of a whole trip on the sample group, line by line: the
// start screen, a filled form, its message, the confirmation, the next
// macro and its message.
void TestSimulateCommand::sampleTrip()
{
    const QString group = env->filePath("sample.mcx");
    QVERIFY(QFile::copy(TestEnvironment::sourceDir() + "/examples/sample.mcx", group));
    const QByteArray before = contentsOf(group);
    const QString data = TestEnvironment::testDataDir() + "/simulate/";

    QProcess zor;
    QVERIFY(run(zor, {"--simulate", group, "--script", data + "sample.steps"}));
    const QString errors = QString::fromLocal8Bit(zor.readAllStandardError());
    QVERIFY2(zor.exitCode() == 0, qPrintable(errors));
    const QList<QByteArray> lines = zor.readAllStandardOutput().split('\n');
    const QList<QByteArray> expected = contentsOf(data + "sample.out").split('\n');
    for (int i = 0; i < qMin(lines.size(), expected.size()); ++i)
        QVERIFY2(lines.at(i) == expected.at(i),
                 qPrintable(QString("line %1: %2").arg(i + 1).arg(QString(lines.at(i)))));
    QCOMPARE(lines.size(), expected.size());
    QCOMPARE(contentsOf(group), before);
}

void TestSimulateCommand::runs_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("errors");

    const QString sample = TestEnvironment::sourceDir() + "/examples/sample.mcx";
    const QByteArray refused = "open 1\nsend\nfield 7 X\n\nback\nback\n";
    QTest::newRow("refused steps go on")
        << QStringList{"--simulate", sample} << refused << 1
        << "error: linha 2: campo 1 (Login): obrigatório, está vazio\n"
           "error: linha 3: não há campo 7 nesta tela (campos: 6)\n"
           "error: linha 6: já está na tela inicial\n"
        << "";
    QTest::newRow("in English") << QStringList{"-l", "en", "--simulate", sample} << refused << 1
                                << "error: line 2: field 1 (Login): obligatory, it is empty\n"
                                   "error: line 3: there is no field 7 on this screen (fields: 6)\n"
                                   "error: line 6: already on the start screen\n"
                                << "";
    QTest::newRow("unreadable group")
        << QStringList{"--simulate", "missing.mcx"} << refused << 2 << ""
        << "Não foi possível abrir o arquivo missing.mcx";
    QTest::newRow("unreadable script")
        << QStringList{"--simulate", sample, "--script", "none"} << QByteArray() << 2 << ""
        << "Não foi possível ler o roteiro none";
    QTest::newRow("not a step") << QStringList{"--simulate", sample} << QByteArray("send\nsned\n")
                                << 2 << ""
                                << "linha 2: passo desconhecido \"sned\"";
    QTest::newRow("no script") << QStringList{"--simulate", sample} << QByteArray() << 2 << ""
                               << "zor --simulate GROUP --script STEPS";
}

void TestSimulateCommand::runs()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, script);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, errors);

    if (!script.isEmpty()) {
        ZorTest::writeFile(env->filePath("steps"), script);
        arguments << "--script" << env->filePath("steps");
    }
    QProcess zor;
    QVERIFY(run(zor, arguments));
    const QString standardError = QString::fromLocal8Bit(zor.readAllStandardError());
    QVERIFY2(zor.exitCode() == status, qPrintable(standardError));
    QVERIFY2(standardError.contains(errors), qPrintable(standardError));
    const QString standardOutput = QString::fromLocal8Bit(zor.readAllStandardOutput());
    QCOMPARE(standardOutput, output);
}

QTEST_GUILESS_MAIN(TestSimulateCommand)
#include "tst_simulatecommand.moc"
