#include "io/convertcommand.h"
#include "io/mcrwriter.h"
#include "macrodiff.h"
#include "model/group.h"
#include "model/macro.h"
#include "samplegroups.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

using ZorTest::TestEnvironment;
using ZorTest::contentsOf;

namespace {

const QString CannotOpen = QStringLiteral("Não foi possível abrir o arquivo ");
const QString CannotSave = QStringLiteral("Não foi possível salvar o arquivo ");
const QString OlderVersion =
    QStringLiteral("O arquivo foi gerado em uma versão mais antiga do Zor.");

struct FileState
{
    QByteArray bytes;
    QDateTime modified;
    bool operator==(const FileState& other) const
    {
        return bytes == other.bytes && modified == other.modified;
    }
};

FileState stateOf(const QString& path)
{
    return {contentsOf(path), QFileInfo(path).lastModified()};
}

// The JSON format has no element for a violation of identifier 0 (an unused
// slot of the legacy formats).
void dropEmptyViolations(Group& group)
{
    for (Macro* macro : group.macros()) {
        QList<quint8> ids, reactions;
        QList<quint16> timers;
        for (int i = 0; i < macro->violation().size(); ++i) {
            if (macro->violation().at(i) == 0)
                continue;
            ids.append(macro->violation().at(i));
            reactions.append(macro->violationReactions().value(i));
            timers.append(macro->violationTimers().value(i));
        }
        macro->setViolation(ids);
        macro->setViolationReactions(reactions);
        macro->setViolationTimers(timers);
    }
}

} // namespace

class TestConvert : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void convert_data();
    void convert();
    void outputReadsBack_data();
    void outputReadsBack();
    void existingOutputKeptOnFailure();
    void sameFileRefused();
    void executable_data();
    void executable();
    void executableWithoutReferenceData();

private:
    QString input(const QString& name) const { return env->filePath("in/" + name); }
    QString output(const QString& name) const { return env->filePath("out/" + name); }
    QProcessEnvironment withoutDisplay() const;
    std::unique_ptr<TestEnvironment> env;
};

void TestConvert::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
    QDir dir(env->path());
    QVERIFY(dir.mkpath("in"));
    const QString examples = TestEnvironment::sourceDir() + "/examples/";
    const QString data = TestEnvironment::testDataDir() + "/";
    QVERIFY(QFile::copy(examples + "sample.mcx", input("sample.mcx")));
    QVERIFY(QFile::copy(examples + "legacy.mcr", input("legacy.mcr")));
    for (const char* name : {"version-2000.mcx", "no-creation-date.mcx", "not-json.mcx"})
        QVERIFY(QFile::copy(data + name, input(name)));

    // A data-stream .mcr cut in its first macro.
    const auto sample = SampleGroups::sample();
    QFile cut(input("truncated.mcr"));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    const Group header{sample->name(), sample->description()};
    cut.write(McrWriter::toBytes(*sample).left(McrWriter::toBytes(header).size() + 100));
}

void TestConvert::init()
{
    // A fresh output folder for each case.
    QDir(env->filePath("out")).removeRecursively();
    QVERIFY(QDir(env->path()).mkpath("out"));
}

void TestConvert::convert_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("messages"); // "%in" and "%out" stand for the paths

    QTest::newRow("mcx to mcx") << "sample.mcx"
                                << "copy.mcx" << 0 << QStringList();
    QTest::newRow("mcx to mcr") << "sample.mcx"
                                << "copy.mcr" << 0 << QStringList();
    QTest::newRow("legacy to mcx") << "legacy.mcr"
                                   << "legacy.mcx" << 0 << QStringList{OlderVersion};
    QTest::newRow("legacy to mcr") << "legacy.mcr"
                                   << "legacy.mcr" << 0 << QStringList{OlderVersion};
    QTest::newRow("version 2000") << "version-2000.mcx"
                                  << "new.mcx" << 0 << QStringList{OlderVersion};
    QTest::newRow("missing input") << "absent.mcx"
                                   << "x.mcx" << 1 << QStringList{CannotOpen + "%in"};
    QTest::newRow("missing legacy input") << "absent.mcr"
                                          << "x.mcx" << 1 << QStringList{CannotOpen + "%in"};
    QTest::newRow("structure error")
        << "no-creation-date.mcx"
        << "x.mcx" << 1
        << QStringList{"Formato do arquivo inválido (creation date).", CannotOpen + "%in"};
    QTest::newRow("not JSON") << "not-json.mcx"
                              << "x.mcr" << 1
                              << QStringList{"Formato do arquivo inválido (header).",
                                             CannotOpen + "%in"};
    QTest::newRow("truncated stream") << "truncated.mcr"
                                      << "x.mcx" << 1 << QStringList{CannotOpen + "%in"};
    QTest::newRow("output folder missing")
        << "sample.mcx"
        << "missing/x.mcx" << 1 << QStringList{CannotSave + "%out"};
}

void TestConvert::convert()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QFETCH(int, status);
    QFETCH(QStringList, messages);

    const QString inPath = input(in);
    const QString outPath = output(out);
    const FileState before = stateOf(inPath);
    for (QString& message : messages)
        message.replace("%in", inPath).replace("%out", outPath);

    MessageRecorder recorder;
    QCOMPARE(ConvertCommand::run(inPath, outPath), status);
    QCOMPARE(recorder.texts(), messages);
    if (status != 0)
        QCOMPARE(recorder.messages.last().icon, UserMessage::Icon::Critical);
    QCOMPARE(QFileInfo::exists(outPath), status == 0);
    // The input is read, never rewritten.
    QVERIFY(stateOf(inPath) == before);
    // Nothing but the output is left in its folder.
    QCOMPARE(QDir(env->filePath("out")).entryList(QDir::Files),
             status == 0 && !out.contains('/') ? QStringList{out} : QStringList());
}

void TestConvert::outputReadsBack_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QStringList>("ignored");

    QTest::newRow("mcx to mcx") << "sample.mcx"
                                << "copy.mcx" << QStringList{"formFields"};
    // What the data-stream layout does not hold keeps its default.
    QTest::newRow("mcx to mcr") << "sample.mcx"
                                << "copy.mcr"
                                << QStringList{"formFields", "violationReactions", "raio",
                                               "flowPos"};
    QTest::newRow("legacy to mcx") << "legacy.mcr"
                                   << "legacy.mcx" << QStringList{"formFields"};
    QTest::newRow("version 2000 to mcx") << "version-2000.mcx"
                                         << "new.mcx" << QStringList{"formFields"};
}

void TestConvert::outputReadsBack()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QFETCH(QStringList, ignored);

    MessageRecorder recorder;
    QCOMPARE(ConvertCommand::run(input(in), output(out)), 0);

    Group source{QString(), QString()};
    Group converted{QString(), QString()};
    QVERIFY(Group::hasMcrSuffix(in) ? source.loadMcr(input(in)) : source.readMcx(input(in)));
    QVERIFY(Group::hasMcrSuffix(out) ? converted.loadMcr(output(out))
                                     : converted.readMcx(output(out)));
    if (!Group::hasMcrSuffix(out))
        dropEmptyViolations(source);
    const QString difference =
        groupDifference(source, converted, QSet<QString>(ignored.cbegin(), ignored.cend()));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    if (!Group::hasMcrSuffix(out))
        QCOMPARE(converted.version(), 2100);
}

void TestConvert::existingOutputKeptOnFailure()
{
    const QString outPath = output("kept.mcx");
    QFile file(outPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("previous");
    file.close();

    MessageRecorder recorder;
    QCOMPARE(ConvertCommand::run(input("no-creation-date.mcx"), outPath), 1);
    QCOMPARE(contentsOf(outPath), QByteArray("previous"));
}

void TestConvert::sameFileRefused()
{
    const QString copy = output("same.mcx");
    QVERIFY(QFile::copy(input("version-2000.mcx"), copy));
    const FileState before = stateOf(copy);

    MessageRecorder recorder;
    QCOMPARE(ConvertCommand::run(copy, env->filePath("out/../out/same.mcx")), 1);
    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY(recorder.messages.at(0).text.endsWith("same.mcx"));
    QVERIFY(stateOf(copy) == before);
}

QProcessEnvironment TestConvert::withoutDisplay() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    return environment;
}

void TestConvert::executable_data()
{
    QTest::addColumn<QStringList>("arguments"); // "%in/" and "%out/" stand for the folders
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("stderrText");
    QTest::addColumn<QString>("created");

    QTest::newRow("sample") << QStringList{"--convert", "%in/sample.mcx", "%out/s.mcr"} << 0 << ""
                            << "s.mcr";
    QTest::newRow("options after the files")
        << QStringList{"%in/legacy.mcr", "%out/l.mcx", "--convert"} << 0 << OlderVersion << "l.mcx";
    QTest::newRow("structure error")
        << QStringList{"--convert", "%in/no-creation-date.mcx", "%out/x.mcx"} << 1
        << "Formato do arquivo inválido (creation date).\n" + CannotOpen +
               "%in/no-creation-date.mcx"
        << "";
    QTest::newRow("missing input") << QStringList{"--convert", "%in/nothing.mcr", "%out/x.mcx"} << 1
                                   << CannotOpen + "%in/nothing.mcr"
                                   << "";
    QTest::newRow("one file") << QStringList{"--convert", "%in/sample.mcx"} << 1
                              << "zor --convert IN OUT"
                              << "";
    QTest::newRow("three files") << QStringList{"--convert", "%in/sample.mcx", "%out/a.mcx",
                                                "%out/b.mcx"}
                                 << 1 << "zor --convert IN OUT"
                                 << "";
}

void TestConvert::executable()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, stderrText);
    QFETCH(QString, created);

    const QString in = env->filePath("in");
    const QString out = env->filePath("out");
    for (QString& argument : arguments)
        argument.replace("%in/", in + "/").replace("%out/", out + "/");
    stderrText.replace("%in/", in + "/");
    const FileState sample = stateOf(input("sample.mcx"));

    QProcess zor;
    zor.setProcessEnvironment(withoutDisplay());
    zor.setWorkingDirectory(env->path());
    zor.start(TestEnvironment::executable(), arguments);
    QVERIFY(zor.waitForFinished(60000));
    const QString errors = QString::fromLocal8Bit(zor.readAllStandardError());
    QCOMPARE(zor.exitStatus(), QProcess::NormalExit);
    QVERIFY2(zor.exitCode() == status, qPrintable(errors));
    QVERIFY2(errors.contains(stderrText), qPrintable(errors));
    QCOMPARE(QDir(out).entryList(QDir::Files),
             created.isEmpty() ? QStringList() : QStringList{created});
    QVERIFY(stateOf(input("sample.mcx")) == sample);
}

void TestConvert::executableWithoutReferenceData()
{
    // Radii are tied to the anchor violation of "zor.ini": without it the
    // conversion goes on and says what is lost.
    const QString folder = env->filePath("bare");
    QVERIFY(QDir(env->path()).mkpath("bare"));
    // A copy of the program with no data folder beside it either.
    const QString bareExecutable = folder + "/zor";
    QVERIFY(QFile::copy(TestEnvironment::executable(), bareExecutable));
    QProcess zor;
    zor.setProcessEnvironment(withoutDisplay());
    zor.setWorkingDirectory(folder);
    zor.start(bareExecutable,
              {"--convert", input("sample.mcx"), output("bare.mcx")});
    QVERIFY(zor.waitForFinished(60000));
    QCOMPARE(zor.exitCode(), 0);
    QVERIFY(QString::fromLocal8Bit(zor.readAllStandardError()).contains("zor.ini"));
    QVERIFY(QFileInfo::exists(output("bare.mcx")));
}

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
