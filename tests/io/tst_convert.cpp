#include "io/convertcommand.h"
#include "io/inputfile.h"
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

#include <utility>

#include <sys/stat.h>

using ZorTest::contentsOf;
using ZorTest::TestEnvironment;
using ZorTest::writeFile;

namespace {

const QString CannotOpen = QStringLiteral("Não foi possível abrir o arquivo ");
const QString NoSuchFile = QStringLiteral("\nNo such file or directory");
const QString CannotSave = QStringLiteral("Não foi possível salvar o arquivo ");
const QString OlderVersion =
    QStringLiteral("O arquivo foi gerado em uma versão mais antiga do Zor.");

using FileState = std::pair<QByteArray, QDateTime>;

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

// Runs the program with no display to fall back on.
bool runHeadless(QProcess& zor, const QString& program, const QStringList& arguments,
                 const QString& folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    zor.setProcessEnvironment(environment);
    zor.setWorkingDirectory(folder);
    zor.start(program, arguments);
    return zor.waitForFinished(60000);
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
    void existingOutputKeptOnFailure();
    void sameFileRefused();
    void executable_data();
    void executable();
    void executableWithoutReferenceData();
    void fullDiskSaysWhy();

private:
    QString input(const QString& name) const { return env->filePath("in/" + name); }
    QString output(const QString& name) const { return env->filePath("out/" + name); }
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
    const Group header{sample->name(), sample->description()};
    writeFile(input("truncated.mcr"),
              McrWriter::toBytes(*sample).left(McrWriter::toBytes(header).size() + 100));
    // Legacy files cut in their header and with bytes after the last record.
    const QByteArray legacy = SampleGroups::legacySample();
    writeFile(input("short.mcr"), legacy.left(3));
    writeFile(input("leftover.mcr"), legacy + QByteArray(100, 'x'));
    // A radius that its 16 bits can't hold.
    QByteArray unfit = contentsOf(input("sample.mcx"));
    const QByteArray radius = "\"raio\": 300";
    unfit.replace(unfit.indexOf(radius), radius.size(), "\"raio\": 70000");
    writeFile(input("unfit.mcx"), unfit);
    // Inputs that no group is: a FIFO with no writer and a file far larger
    // than the largest group (sparse: it takes no room).
    QCOMPARE(mkfifo(QFile::encodeName(input("fifo.mcx")).constData(), 0600), 0);
    QFile huge(input("huge.mcr"));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(InputFile::MaxSize + 1));
}

void TestConvert::init()
{
    QDir(env->filePath("out")).removeRecursively();
    QVERIFY(QDir(env->path()).mkpath("out"));
}

void TestConvert::convert_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QStringList>("messages"); // "%in" and "%out" stand for the paths

    const QStringList notOpened{CannotOpen + "%in" + NoSuchFile};
    QTest::newRow("mcx to mcx") << "sample.mcx" << 0 << "copy.mcx" << QStringList();
    QTest::newRow("mcx to mcr") << "sample.mcx" << 0 << "copy.mcr" << QStringList();
    QTest::newRow("legacy to mcx")
        << "legacy.mcr" << 0 << "legacy.mcx" << QStringList{OlderVersion};
    QTest::newRow("legacy to mcr")
        << "legacy.mcr" << 0 << "legacy.mcr" << QStringList{OlderVersion};
    QTest::newRow("version 2000") << "version-2000.mcx" << 0 << "new.mcx"
                                  << QStringList{OlderVersion};
    QTest::newRow("missing input") << "absent.mcx" << 1 << "x.mcx" << notOpened;
    QTest::newRow("missing legacy input") << "absent.mcr" << 1 << "x.mcx" << notOpened;
    QTest::newRow("structure error")
        << "no-creation-date.mcx" << 1 << "x.mcx"
        << QStringList{"Formato do arquivo inválido (creation date).", CannotOpen + "%in"};
    // The parser's reason and position on the line after the message.
    QTest::newRow("not JSON") << "not-json.mcx" << 1 << "x.mcr"
                              << QStringList{"Formato do arquivo inválido (header).",
                                             CannotOpen + "%in\nErro de sintaxe JSON na linha 1, "
                                                          "coluna 2 (byte 1): illegal value."};
    QTest::newRow("truncated stream")
        << "truncated.mcr" << 1 << "x.mcx"
        << QStringList{CannotOpen + "%in\nO arquivo termina antes do fim dos seus dados (12 "
                                    "macros beyond the end of the data at offset "};
    QTest::newRow("legacy shorter than its header")
        << "short.mcr" << 1 << "x.mcx"
        << QStringList{CannotOpen +
                       "%in\nO arquivo tem 3 bytes, menos que os 369 do cabeçalho de um arquivo "
                       ".mcr."};
    QTest::newRow("legacy with bytes left over")
        << "leftover.mcr" << 0 << "leftover.mcx"
        << QStringList{OlderVersion,
                       "Sobram 100 bytes depois do último registro completo; foram ignorados."};
    QTest::newRow("radius that does not fit")
        << "unfit.mcx" << 0 << "unfit.mcx"
        << QStringList{"DES (11): O valor 70000 de \"violacoes[1].raio\" está fora do intervalo "
                       "de 0 a 65535; lido como 4464."};
    QTest::newRow("output folder missing")
        << "sample.mcx" << 1 << "missing/x.mcx" << QStringList{CannotSave + "%out" + NoSuchFile};
}

void TestConvert::convert()
{
    QFETCH(QString, in);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QStringList, messages);

    const QString inPath = input(in);
    const QString outPath = output(out);
    const FileState before = stateOf(inPath);
    for (QString& message : messages)
        message.replace("%in", inPath).replace("%out", outPath);

    MessageRecorder recorder;
    QCOMPARE(ConvertCommand::run(inPath, outPath), status);
    // A reason that names an offset is checked as far as the row gives it.
    QCOMPARE(recorder.texts().size(), messages.size());
    for (int i = 0; i < messages.size(); ++i)
        QVERIFY2(recorder.texts().at(i).startsWith(messages.at(i)),
                 qPrintable(recorder.texts().at(i)));
    if (status != 0)
        QCOMPARE(recorder.messages.last().icon, UserMessage::Icon::Critical);
    QCOMPARE(QFileInfo::exists(outPath), status == 0);
    // The input is read, never rewritten.
    QVERIFY(stateOf(inPath) == before);
    // Nothing but the output is left in its folder.
    QCOMPARE(QDir(env->filePath("out")).entryList(QDir::Files),
             status == 0 && !out.contains('/') ? QStringList{out} : QStringList());
    if (status != 0)
        return;

    // The output reads back to the input, but for what its format does not
    // hold: that keeps its default.
    const bool toStream = Group::hasMcrSuffix(out);
    Group source{QString(), QString()};
    Group converted{QString(), QString()};
    QVERIFY(Group::hasMcrSuffix(in) ? source.loadMcr(inPath) : source.readMcx(inPath));
    QVERIFY(toStream ? converted.loadMcr(outPath) : converted.readMcx(outPath));
    QSet<QString> ignored{"formFields"};
    if (toStream)
        ignored.unite({"violationReactions", "raio", "flowPos"});
    else
        dropEmptyViolations(source);
    QCOMPARE(groupDifference(source, converted, ignored), QString());
    if (!toStream)
        QCOMPARE(converted.version(), 2100);
}

void TestConvert::existingOutputKeptOnFailure()
{
    const QString outPath = output("kept.mcx");
    writeFile(outPath, "previous");

    MessageRecorder recorder;
    for (const char* name : {"no-creation-date.mcx", "short.mcr"}) {
        QCOMPARE(ConvertCommand::run(input(name), outPath), 1);
        QCOMPARE(contentsOf(outPath), QByteArray("previous"));
    }
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

void TestConvert::executable_data()
{
    QTest::addColumn<QStringList>("arguments"); // "%in/" and "%out/" stand for the folders
    QTest::addColumn<QString>("stderrText");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("created");

    const QString usage = "zor --convert IN OUT";
    QTest::newRow("sample") << QStringList{"--convert", "%in/sample.mcx", "%out/s.mcr"} << "" << 0
                            << "s.mcr";
    QTest::newRow("arranged") << QStringList{"--convert", "%in/sample.mcx", "%out/a.mcx",
                                             "--arrange"}
                              << "" << 0 << "a.mcx";
    QTest::newRow("options after the files")
        << QStringList{"%in/legacy.mcr", "%out/l.mcx", "--convert"} << OlderVersion << 0 << "l.mcx";
    QTest::newRow("structure error")
        << QStringList{"--convert", "%in/no-creation-date.mcx", "%out/x.mcx"}
        << "Formato do arquivo inválido (creation date).\n" + CannotOpen +
               "%in/no-creation-date.mcx"
        << 1 << "";
    QTest::newRow("missing input") << QStringList{"--convert", "%in/nothing.mcr", "%out/x.mcx"}
                                   << CannotOpen + "%in/nothing.mcr" << 1 << "";
    const QString notRegular = "Não é um arquivo comum (é uma pasta, um dispositivo ou um pipe).";
    QTest::newRow("a device") << QStringList{"--convert", "/dev/zero", "%out/x.mcx"} << notRegular
                              << 1 << "";
    QTest::newRow("a FIFO to check")
        << QStringList{"--check", "%in/fifo.mcx"} << notRegular << 2 << "";
    QTest::newRow("far too large")
        << QStringList{"--convert", "%in/huge.mcr", "%out/x.mcx"}
        << "O arquivo tem 67108865 bytes; um grupo de macros não passa de 67108864 bytes." << 1
        << "";
    QTest::newRow("one file") << QStringList{"--convert", "%in/sample.mcx"} << usage << 1 << "";
    QTest::newRow("three files") << QStringList{"--convert", "%in/sample.mcx", "%out/a.mcx",
                                                "%out/b.mcx"}
                                 << usage << 1 << "";
}

void TestConvert::executable()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, stderrText);
    QFETCH(int, status);
    QFETCH(QString, created);

    const QString in = env->filePath("in");
    const QString out = env->filePath("out");
    for (QString& argument : arguments)
        argument.replace("%in/", in + "/").replace("%out/", out + "/");
    stderrText.replace("%in/", in + "/");
    const FileState sample = stateOf(input("sample.mcx"));

    QProcess zor;
    QVERIFY(runHeadless(zor, TestEnvironment::executable(), arguments, env->path()));
    const QString errors = QString::fromLocal8Bit(zor.readAllStandardError());
    QCOMPARE(zor.exitStatus(), QProcess::NormalExit);
    QVERIFY2(zor.exitCode() == status, qPrintable(errors));
    QVERIFY2(errors.contains(stderrText), qPrintable(errors));
    QCOMPARE(QDir(out).entryList(QDir::Files),
             created.isEmpty() ? QStringList() : QStringList{created});
    QVERIFY(stateOf(input("sample.mcx")) == sample);
    if (arguments.contains("--arrange")) {
        // The boxes moved as the command arranges them in this process.
        const QString arranged = env->filePath("arranged.mcx");
        QCOMPARE(ConvertCommand::run(input("sample.mcx"), arranged, true), 0);
        QCOMPARE(contentsOf(out + "/" + created), contentsOf(arranged));
        QVERIFY(contentsOf(arranged) != contentsOf(input("sample.mcx")));
    }
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
    QVERIFY(runHeadless(zor, bareExecutable, {"--convert", input("sample.mcx"), output("bare.mcx")},
                        folder));
    QCOMPARE(zor.exitCode(), 0);
    QVERIFY(QString::fromLocal8Bit(zor.readAllStandardError()).contains("zor.ini"));
    QVERIFY(QFileInfo::exists(output("bare.mcx")));
}

// A write cut short by a full disk (here a file size limit) fails with the
// system's reason and leaves nothing behind, whether the bytes went out in
// one write or sat in a buffer until the end.
void TestConvert::fullDiskSaysWhy()
{
    for (const char* name : {"sample.mcx", "legacy.mcr"}) {
        QProcess zor;
        const QString command = QStringLiteral("trap '' XFSZ; ulimit -f 1; exec \"$0\" \"$@\"");
        QVERIFY(runHeadless(zor, "bash",
                            {"-c", command, TestEnvironment::executable(), "--convert", input(name),
                             output("full.mcx")},
                            env->path()));
        const QString errors = QString::fromLocal8Bit(zor.readAllStandardError());
        QVERIFY2(zor.exitCode() == 1, qPrintable(errors));
        QVERIFY2(errors.contains(CannotSave + output("full.mcx") + "\nFile too large"),
                 qPrintable(errors));
        QCOMPARE(QDir(env->filePath("out")).entryList(QDir::Files), QStringList());
    }
}

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
