#include "simulator/simulationscript.h"
#include "support/headlessrun.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QtTest>

using Step = SimulationScript::Step;
using ZorTest::contentsOf;
using ZorTest::TestEnvironment;

class TestSimulateCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env = std::make_unique<TestEnvironment>();
        QVERIFY(QFile::copy(sample, env->filePath("sample.mcx")));
    }

    void scriptLines_data()
    {
        // The line is the row's name; the step as "action number text", or
        // the start of the error.
        QTest::addColumn<QString>("parsed");
        QTest::newRow("field 3   A B  ") << "1 3 A B";
        QTest::newRow("field 2") << "1 2 ";
        QTest::newRow("next f3") << "3 3 ";
        QTest::newRow("  # open x") << "";
        QTest::newRow("field 0 X") << "linha 1: \"field\" pede";
        QTest::newRow("next F10") << "linha 1: \"next\" pede";
        QTest::newRow("open") << "linha 1: \"open\" pede";
        QTest::newRow("send now") << "linha 1: \"send\" não leva";
    }

    void scriptLines()
    {
        const QString line = QString::fromUtf8(QTest::currentDataTag());
        QFETCH(QString, parsed);

        QList<Step> steps;
        QString error;
        if (!SimulationScript::parse(line, &steps, &error)) {
            QVERIFY2(!parsed.isEmpty() && error.startsWith(parsed), qPrintable(error));
            return;
        }
        QString shown;
        for (const Step& step : steps)
            shown =
                QStringLiteral("%1 %2 %3").arg(int(step.action)).arg(step.number).arg(step.text);
        QCOMPARE(shown, parsed);
    }

    void runs_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");

        // Arguments split at blanks; no errors expected where errors is empty.
        const auto row = [](const char* name, const char* arguments, const QByteArray& script,
                            int status, const QString& output, const char* errors) {
            QTest::newRow(name) << QString(arguments).split(' ') << script << status << output
                                << errors;
        };
        // A whole trip, line by line: the start screen, a filled form, its
        // message, the confirmation, the next macro and its message.
        const QString data = TestEnvironment::testDataDir() + "/simulate/";
        row("sample trip", "--simulate sample.mcx", contentsOf(data + "sample.steps"), 0,
            contentsOf(data + "sample.out"), "");
        const QByteArray refused = "open 1\nsend\nfield 7 X\n\nback\nback\n";
        row("refused steps go on", "--simulate sample.mcx", refused, 1,
            "error: linha 2: campo 1 (Login): obrigatório, está vazio\n"
            "error: linha 3: não há campo 7 nesta tela (campos: 6)\n"
            "error: linha 6: já está na tela inicial\n",
            "");
        row("unreadable group", "--simulate missing.mcx", refused, 2, "",
            "Não foi possível abrir o arquivo missing.mcx");
        row("unreadable script", "--simulate sample.mcx --script none", QByteArray(), 2, "",
            "Não foi possível ler o roteiro none");
        row("not a step", "--simulate sample.mcx", "send\nsned\n", 2, "",
            "linha 2: passo desconhecido \"sned\"");
        row("no script", "--simulate sample.mcx", QByteArray(), 2, "",
            "zor --simulate GROUP --script STEPS");
    }

    void runs()
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
        const ZorTest::HeadlessRun zor(arguments, env->path());
        QVERIFY2(zor.finished && zor.exitCode == status, qPrintable(zor.errors));
        QVERIFY2(zor.says(errors), qPrintable(zor.errors));
        QCOMPARE(QString::fromLocal8Bit(zor.output).split('\n'), output.split('\n'));
        // The simulator never writes the group.
        QCOMPARE(contentsOf(env->filePath("sample.mcx")), contentsOf(sample));
    }

private:
    std::unique_ptr<TestEnvironment> env;
    const QString sample = TestEnvironment::sourceDir() + "/examples/sample.mcx";
};

QTEST_GUILESS_MAIN(TestSimulateCommand)
#include "tst_simulatecommand.moc"
