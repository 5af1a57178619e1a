#include "app/anchorsettings.h"
#include "cli/checkcommand.h"
#include "cli/convertcommand.h"
#include "io/groupvalues.h"
#include "io/inputfile.h"
#include "io/mcrwriter.h"
#include "io/samplegroups.h"
#include "model/group.h"
#include "model/groupcheck.h"
#include "model/macro.h"
#include "support/headlessrun.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <utility>

#include <sys/stat.h>

using ZorTest::contentsOf;
using ZorTest::HeadlessRun;
using ZorTest::TestEnvironment;
using ZorTest::writeFile;
using Finding = GroupCheck::Finding;
Q_DECLARE_METATYPE(QList<Finding>)

namespace {

const QString CannotOpen = QStringLiteral("Não foi possível abrir o arquivo");
const QString CannotSave = QStringLiteral("Não foi possível salvar o arquivo ");

using FileState = std::pair<QByteArray, QDateTime>;

FileState stateOf(const QString& path)
{
    return {contentsOf(path), QFileInfo(path).lastModified()};
}

Macro& macro(Group& group, const char* sigla)
{
    Macro* found = group.findBySigla(QString::fromLatin1(sigla));
    if (!found)
        qFatal("no macro %s in the sample", sigla);
    return *found;
}

QJsonArray filesOf(const QByteArray& json)
{
    return QJsonDocument::fromJson(json).object().value("files").toArray();
}

} // namespace

namespace {

void setFlow(const Group& group, Macro& macro, const QStringList& flow)
{
    QList<quint16> numbers, positions;
    for (const QString& next : flow) {
        numbers.append(group.findBySigla(next) ? group.findBySigla(next)->num().toUShort() : 99);
        positions.append(quint16(positions.size()));
    }
    macro.setFlow(flow);
    macro.setFlowNum(numbers);
    macro.setFlowPos(positions);
}

void setViolations(Macro& macro, int count)
{
    QList<quint8> ids;
    for (int id = 1; id <= count; ++id)
        ids.append(quint8(id));
    ids.append(0);
    macro.setViolation(ids);
    macro.setViolationReactions(QVector<quint8>(ids.size(), 0).toList());
    macro.setViolationTimers(QVector<quint16>(ids.size(), 0).toList());
}

// Changes the sample by "SIG field value" lines: field is num, name, shortcut,
// sigla, raio, form (a row, then its text), flow (acronyms, "-" for an empty
// slot) or violations (a count, then an unused slot).
void change(Group& group, const QString& changes)
{
    const QHash<QString, void (Macro::*)(const QString&)> texts{{"num", &Macro::setNum},
                                                                {"name", &Macro::setName},
                                                                {"shortcut", &Macro::setShortcut},
                                                                {"sigla", &Macro::setSigla}};
    for (const QString& line : changes.split('\n')) {
        Macro& m = macro(group, qPrintable(line.section(' ', 0, 0)));
        const QString field = line.section(' ', 1, 1);
        const QString value = line.section(' ', 2);
        const QByteArray text = value.section(' ', 1).toLatin1();
        if (texts.contains(field))
            (m.*texts.value(field))(value);
        else if (field == "raio")
            m.setRaio(value.toUShort());
        else if (field == "form")
            m.setForm(m.form().replace(value.section(' ', 0, 0).toInt() * Macro::ScreenColumns,
                                       text.size(), text));
        else if (field == "flow")
            setFlow(group, m, value.split(' ').replaceInStrings(QRegularExpression("^-$"), ""));
        else if (field == "violations")
            setViolations(m, value.toInt());
        else
            qFatal("no field %s", qPrintable(field));
    }
}

} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env = std::make_unique<TestEnvironment>();
        QCOMPARE(ZorObject::anchorSettings().anchorViolationId(), 23);
        QVERIFY(QDir(env->path()).mkpath("in"));
        const QString examples = TestEnvironment::sourceDir() + "/examples/";
        const QString data = TestEnvironment::testDataDir() + "/";
        for (const QString& file :
             {examples + "sample.mcx", examples + "legacy.mcr", data + "not-json.mcx"})
            QVERIFY(QFile::copy(file, input(QFileInfo(file).fileName())));
        const auto sample = SampleGroups::sample();
        QVERIFY(sample->saveAs(input("stream.mcr")));
        // A data stream cut in its first macro, a legacy file with bytes after
        // the last record.
        writeFile(
            input("truncated.mcr"),
            McrWriter::toBytes(*sample).left(
                McrWriter::toBytes(Group{sample->name(), sample->description()}).size() + 100));
        writeFile(input("leftover.mcr"), SampleGroups::legacySample() + QByteArray(100, 'x'));
        // A radius that its 16 bits can't hold; a number used twice.
        QByteArray unfit = contentsOf(input("sample.mcx"));
        unfit.replace("\"raio\": 300", "\"raio\": 70000");
        writeFile(input("unfit.mcx"), unfit);
        macro(*sample, "ROT").setNum("30");
        QVERIFY(sample->saveAs(input("broken.mcx")));
        // Inputs that no group is: a FIFO with no writer and a file far larger
        // than the largest group (sparse: it takes no room).
        QCOMPARE(mkfifo(QFile::encodeName(input("fifo.mcx")).constData(), 0600), 0);
        QFile huge(input("huge.mcr"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(InputFile::MaxSize + 1));
    }

    void init()
    {
        QDir(env->filePath("out")).removeRecursively();
        QVERIFY(QDir(env->path()).mkpath("out"));
    }

    void convert_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("failure"); // "%in" and "%out" stand for the paths

        const auto row = [](const char* tag, const char* in, const char* out,
                            const QString& failure) { QTest::newRow(tag) << in << out << failure; };
        const QString notOpened = CannotOpen + " %in";
        row("mcx to mcr", "sample.mcx", "copy.mcr", "");
        row("legacy with bytes left over", "leftover.mcr", "leftover.mcr", "");
        row("missing input", "absent.mcx", "x.mcx", notOpened);
        row("truncated stream", "truncated.mcr", "x.mcx", notOpened);
        row("output folder missing", "sample.mcx", "missing/x.mcx", CannotSave + "%out");
    }

    // The command says what the reading said, then why it failed, if it did:
    // the reason on a second line.
    void convert()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QFETCH(QString, failure);
        const QString inPath = input(in);
        const QString outPath = output(out);
        failure.replace("%in", inPath).replace("%out", outPath);
        const FileState before = stateOf(inPath);

        QStringList expected;
        {
            MessageRecorder reading;
            Group source{QString(), QString()};
            const bool read = source.readFile(inPath);
            expected = reading.texts();
            if (read && failure.isEmpty()) {
                for (const ReadNote& note : source.readNotes())
                    expected.append(note.text());
            } else if (read) {
                QVERIFY(!source.saveAs(outPath));
            }
            if (!failure.isEmpty())
                expected.append(failure + (source.errorString().isEmpty() ? "" : "\n") +
                                source.errorString());
        }
        MessageRecorder recorder;
        QCOMPARE(ConvertCommand::run(inPath, outPath), failure.isEmpty() ? 0 : 1);
        QCOMPARE(recorder.texts(), expected);
        if (!failure.isEmpty())
            QCOMPARE(recorder.messages.last().icon, UserMessage::Icon::Critical);
        // The input is read, never rewritten; nothing but the output is left.
        QVERIFY(stateOf(inPath) == before);
        QCOMPARE(QDir(env->filePath("out")).entryList(QDir::Files),
                 failure.isEmpty() ? QStringList{out} : QStringList());
    }

    // Random groups through the program itself: .mcx to the data stream and
    // back, losing only what each format does not hold.
    void convertRoundTrip()
    {
        for (const quint32 seed : {7u, 8u, 9u}) {
            const auto expected = SampleGroups::random(seed);
            QVERIFY(expected->saveAs(output("a.mcx")));
            for (const auto& files :
                 {std::make_pair("a.mcx", "b.mcr"), std::make_pair("b.mcr", "c.mcx")}) {
                const HeadlessRun zor({"--convert", output(files.first), output(files.second)},
                                      env->path());
                QVERIFY(zor.finished && zor.says(""));
                QCOMPARE(zor.exitCode, 0);
            }
            keepWhatMcxHolds(*expected);
            keepWhatStreamHolds(*expected);
            keepWhatMcxHolds(*expected);
            Group converted{QString(), QString()};
            QVERIFY(converted.readMcx(output("c.mcx")));
            QCOMPARE(valuesOf(converted), valuesOf(*expected));
        }
    }

    void rules_data()
    {
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QList<Finding>>("expected");

        const auto row = [](const char* name, const char* changes, const QList<Finding>& found) {
            QTest::newRow(name) << QString::fromUtf8(changes) << found;
        };
        const QString refused =
            "Caracteres não aceitos pelo terminal no formulário ou no texto de confirmação: ";
        row("characters in a form", "INI form 12 TOTAL: R$ 10,00 & 5% #&",
            {{"characters", "INI", "1", refused + "&, #"}});
        row("marker left open", "ROT form 14 OBS: [cccccccc",
            {{"field-markers", "ROT", "31",
              "Marcador de campo malformado no formulário, linha 15."}});
        row("accented name", "MAN name MANUTENÇÃO Ç",
            {{"name-characters", "MAN", "30", "O nome contém caracteres não aceitos: Ç, Ã"}});
        row("refused character in an acronym", "ROT sigla R#",
            {{"name-characters", "R#", "31", "A sigla contém caracteres não aceitos: #"}});
        const QString number = "O número %1 está fora do intervalo de 1 a 999.";
        row("number 1000", "ROT num 1000", {{"number-range", "ROT", "1000", number.arg(1000)}});
        row("number 0", "ROT num 0", {{"number-range", "ROT", "0", number.arg(0)}});
        const QString shortcut = "O atalho %1 está fora do intervalo de 0 a 249.";
        row("shortcut 250", "ROT shortcut 250",
            {{"shortcut-range", "ROT", "31", shortcut.arg(250)}});
        row("shortcut -1", "ROT shortcut -1", {{"shortcut-range", "ROT", "31", shortcut.arg(-1)}});
        row("anchor macro with a shortcut", "DES shortcut 11",
            {{"anchor-shortcut", "DES", "11",
              "Macro com análise de âncora e atalho 11: uma macro com a violação de âncora não tem "
              "atalho."}});
        row("empty acronym", "ROT sigla ", {{"sigla", "", "31", "A sigla está vazia."}});
        row("acronym of four", "ROT sigla ROTA",
            {{"sigla", "ROTA", "31", "A sigla ROTA tem mais de 3 caracteres."}});
        row("number twice", "ROT num 30",
            {{"duplicate-number", "ROT", "30", "O número 30 já é usado pela macro MAN."}});
        row("acronym twice", "ROT sigla MAN",
            {{"duplicate-sigla", "MAN", "31", "A sigla MAN já é usada pela macro de número 30."}});
        row("shortcut twice", "ROT shortcut 30",
            {{"duplicate-shortcut", "ROT", "31", "O atalho 30 já é usado pela macro MAN."}});
        row("unknown next macro", "ROT flow - XYZ",
            {{"unknown-flow", "ROT", "31", "A sigla XYZ da função F1 não existe no grupo."}});
        row("eleven next macros", "ROT flow INI REI REF DES ABS ENT COL AGD MAN FIM SOS",
            {{"flow-count", "ROT", "31", "11 macros seguintes; o terminal aceita no máximo 10."}});
        row("anchor pair", "DES flow REI AGD",
            {{"anchor-sequence", "DES", "11",
              "Macros com análise de âncora em sequência: DES -> AGD."}});
        const QString outside =
            "O raio de âncora de %1 m está fora dos limites permitidos (50 a 5000 m).";
        row("radius below the minimum", "DES raio 49",
            {{"radius-range", "DES", "11", outside.arg(49)}});
        row("radius above the maximum", "AGD raio 5001",
            {{"radius-range", "AGD", "22", outside.arg(5001)}});
        row("21 violations", "ROT violations 21",
            {{"violation-count", "ROT", "31", "21 violações; o terminal aceita no máximo 20."}});
        // Everything at the terminal's limits, and two macros without shortcut.
        row("limits accepted",
            "ROT flow INI REI REF DES ABS ENT COL AGD MAN FIM\nROT violations 20\nROT num 999\n"
            "INI shortcut 249\nAGD shortcut \nDES raio 50\nAGD raio 5000",
            {});
    }

    void rules()
    {
        QFETCH(QString, changes);
        const auto group = SampleGroups::sample();
        change(*group, changes);
        QTEST(GroupCheck(*group).findings(), "expected");
    }

    void reports_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("findings"); // -1: the file can't be read
        QTest::addColumn<int>("exitCode");

        QTest::newRow("clean groups")
            << QStringList{"sample.mcx", "legacy.mcr", "stream.mcr"} << QList<int>{0, 0, 0} << 0;
        QTest::newRow("finding, clean and read notes")
            << QStringList{"broken.mcx", "sample.mcx", "leftover.mcr", "unfit.mcx"}
            << QList<int>{1, 0, 1, 1} << 1;
        // A file that can't be read wins over findings.
        QTest::newRow("broken and not JSON")
            << QStringList{"broken.mcx", "not-json.mcx"} << QList<int>{1, -1} << 2;
    }

    // Each file's reading says what it says, prefixed with the file, and a file
    // that can't be read says so; the findings follow, one line or one JSON
    // object each.
    void reports()
    {
        QFETCH(QStringList, names);
        QFETCH(int, exitCode);

        QStringList files, messages;
        QList<FileState> states;
        for (const QString& name : qAsConst(names)) {
            files.append(input(name));
            states.append(stateOf(files.last()));
            MessageRecorder reading;
            Group group{QString(), QString()};
            const bool readable = group.readFile(files.last());
            for (const QString& text : reading.texts())
                messages.append(files.last() + ": " + text);
            if (!readable) {
                messages.append(files.last() + ": " + CannotOpen + "." +
                                (group.errorString().isEmpty() ? "" : "\n") + group.errorString());
            }
        }
        MessageRecorder recorder;
        const QList<CheckCommand::FileReport> reports = CheckCommand::check(files);
        QCOMPARE(recorder.texts(), messages);
        QCOMPARE(CheckCommand::exitCode(reports), exitCode);
        // Several files at once tell the same, in the order of the files.
        recorder.clear();
        const QList<CheckCommand::FileReport> together = CheckCommand::check(files, 4);
        QCOMPARE(recorder.texts(), messages);
        QCOMPARE(CheckCommand::json(together), CheckCommand::json(reports));
        QList<int> counts;
        QString text;
        QJsonArray json;
        for (const CheckCommand::FileReport& report : reports) {
            counts.append(report.readable ? report.findings.size() : -1);
            QJsonArray findings;
            for (const Finding& f : report.findings) {
                text += f.sigla.isEmpty() && f.num.isEmpty()
                            ? QStringLiteral("%1: %2\n").arg(report.path, f.message)
                            : QStringLiteral("%1: %2 (%3): %4\n")
                                  .arg(report.path, f.sigla, f.num, f.message);
                findings.append(QJsonObject{
                    {"rule", f.rule}, {"sigla", f.sigla}, {"num", f.num}, {"message", f.message}});
            }
            json.append(QJsonObject{
                {"file", report.path}, {"readable", report.readable}, {"findings", findings}});
        }
        QTEST(counts, "findings");
        QCOMPARE(QString::fromLocal8Bit(CheckCommand::text(reports)), text);
        QCOMPARE(filesOf(CheckCommand::json(reports)), json);
        // What the reading found odd is a finding of its own, with no macro for
        // the file as a whole.
        if (names.contains("leftover.mcr")) {
            QCOMPARE(reports.at(2).findings.at(0).rule, QStringLiteral("legacy-damage"));
            QCOMPARE(reports.at(2).findings.at(0).sigla + reports.at(2).findings.at(0).num,
                     QString());
            QCOMPARE(reports.at(3).findings.at(0).rule, QStringLiteral("value-range"));
            QCOMPARE(reports.at(3).findings.at(0).sigla, QStringLiteral("DES"));
        }
        for (int i = 0; i < files.size(); ++i)
            QVERIFY(stateOf(files.at(i)) == states.at(i));
    }

    void executable_data()
    {
        QTest::addColumn<QString>("arguments"); // "%in/" and "%out/" stand for the folders
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("standardOutput");
        QTest::addColumn<QString>("standardError");

        const auto row = [](const char* tag, const char* arguments, int status,
                            const QString& standardOutput, const QString& standardError) {
            QTest::newRow(tag) << arguments << status << standardOutput << standardError;
        };
        const QString line = "%in/broken.mcx: ROT (30): O número 30 já é usado pela macro MAN.\n";
        const QString checkUsage = "zor --check FILE... [--format text|json] [--jobs N]";
        const QString notRegular =
            "Não é um arquivo comum (é uma pasta, um dispositivo ou um pipe).";
        row("clean", "--check %in/sample.mcx", 0, "", "");
        row("options after the files", "%in/sample.mcx %in/broken.mcx --check --format text", 1,
            line, "");
        row("json", "--check --format json %in/broken.mcx", 1, "json", "");
        row("a FIFO to check", "--check %in/fifo.mcx", 2, "", notRegular);
        row("two at once", "--check --jobs 2 %in/broken.mcx %in/nothing.mcx", 2, line,
            "%in/nothing.mcx: " + CannotOpen + ".\nNo such file or directory");
        row("no file", "--check", 2, "", checkUsage);
        row("no jobs", "--check --jobs 0 %in/sample.mcx", 2, "", checkUsage);
        row("unknown format", "--check --format xml %in/sample.mcx", 2, "", checkUsage);
        row("convert and arrange", "%in/sample.mcx %out/a.mcx --convert --arrange", 0, "", "");
        row("a device", "--convert /dev/zero %out/x.mcx", 1, "", notRegular);
        // The input is never written over, whatever the path that names it.
        row("output the input", "--convert %in/broken.mcx %in/../in/broken.mcx", 1, "",
            "O arquivo de saída não pode ser o próprio arquivo de entrada: %in/../in/broken.mcx");
        row("far too large", "--convert %in/huge.mcr %out/x.mcx", 1, "",
            "O arquivo tem 67108865 bytes; um grupo de macros não passa de 67108864 bytes.");
        row("one file", "--convert %in/sample.mcx", 1, "", "zor --convert IN OUT");
    }

    void executable()
    {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, standardOutput);
        QFETCH(QString, standardError);

        const QString in = env->filePath("in/");
        const QString out = env->filePath("out/");
        standardOutput.replace("%in/", in);
        standardError.replace("%in/", in);
        const FileState broken = stateOf(input("broken.mcx"));

        const HeadlessRun zor(arguments.replace("%in/", in).replace("%out/", out).split(' '),
                              env->path());
        QVERIFY(zor.finished);
        QVERIFY2(zor.exitCode == status, qPrintable(zor.errors));
        // Only the command's own messages, none of the toolkit's.
        QVERIFY2(zor.says(standardError), qPrintable(zor.errors));
        if (standardOutput == "json")
            QCOMPARE(filesOf(zor.output).at(0)["findings"].toArray().size(), 1);
        else
            QCOMPARE(QString::fromLocal8Bit(zor.output), standardOutput);
        // A conversion writes its output, and nothing else.
        const bool converts = arguments.contains("--convert") && status == 0;
        QCOMPARE(QDir(out).entryList(QDir::Files),
                 converts ? QStringList{QFileInfo(arguments.section(' ', 1, 1)).fileName()}
                          : QStringList());
        QVERIFY(stateOf(input("broken.mcx")) == broken);
    }

    // Without the anchor violation of "zor.ini" (a copy of the program with no
    // data folder beside it, run elsewhere): legacy records fill their unused
    // violation slots with 0, which must not count as an anchor (INI -> FIM
    // would be an anchor sequence); a conversion goes on and says what is lost.
    void withoutReferenceData()
    {
        const QString folder = env->filePath("bare");
        QVERIFY(QDir(env->path()).mkpath("bare"));
        const QString bare = folder + "/zor";
        QVERIFY(QFile::copy(TestEnvironment::executable(), bare));
        const HeadlessRun check({"--check", input("legacy.mcr")}, folder, bare);
        QVERIFY(check.finished && check.exitCode == 0 && check.output.isEmpty());
        const HeadlessRun convert({"--convert", input("sample.mcx"), output("bare.mcx")}, folder,
                                  bare);
        QVERIFY(convert.finished && convert.exitCode == 0 && convert.errors.contains("zor.ini"));
        QVERIFY(QFileInfo::exists(output("bare.mcx")));
    }

    // A write cut short by a full disk (here a file size limit) fails with the
    // system's reason and leaves nothing behind, whether the bytes went out in
    // one write or sat in a buffer until the end.
    void fullDiskSaysWhy()
    {
        for (const char* name : {"sample.mcx", "legacy.mcr"}) {
            const HeadlessRun zor({"-c", "trap '' XFSZ; ulimit -f 1; exec \"$0\" \"$@\"",
                                   TestEnvironment::executable(), "--convert", input(name),
                                   output("full.mcx")},
                                  env->path(), "bash");
            QVERIFY2(zor.finished && zor.exitCode == 1, qPrintable(zor.errors));
            QVERIFY2(zor.says(CannotSave + output("full.mcx") + "\nFile too large"),
                     qPrintable(zor.errors));
            QCOMPARE(QDir(env->filePath("out")).entryList(QDir::Files), QStringList());
        }
    }

private:
    QString input(const QString& name) const { return env->filePath("in/" + name); }
    QString output(const QString& name) const { return env->filePath("out/" + name); }
    std::unique_ptr<TestEnvironment> env;
};

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
