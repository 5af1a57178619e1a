#include "app/anchorsettings.h"
#include "io/checkcommand.h"
#include "model/group.h"
#include "model/groupcheck.h"
#include "model/macro.h"
#include "samplegroups.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <functional>
#include <utility>

using ZorTest::contentsOf;
using ZorTest::TestEnvironment;
using Finding = GroupCheck::Finding;
using Mutation = std::function<void(Group&)>;
Q_DECLARE_METATYPE(Mutation)
Q_DECLARE_METATYPE(QList<Finding>)

namespace {

const QString OlderVersion =
    QStringLiteral("O arquivo foi gerado em uma versão mais antiga do Zor.");
const QString CannotOpen = QStringLiteral("Não foi possível abrir o arquivo.");
const QString NoSuchFile = QStringLiteral("\nNo such file or directory");

Macro& macro(Group& group, const char* sigla)
{
    Macro* found = group.findBySigla(QString::fromLatin1(sigla));
    if (!found)
        qFatal("no macro %s in the sample", sigla);
    return *found;
}

// Writes text over a row of a screen, from its first column.
QByteArray withRow(QByteArray screen, int row, const QByteArray& text)
{
    screen.replace(row * Macro::ScreenColumns, text.size(), text);
    return screen;
}

using FileState = std::pair<QByteArray, QDateTime>;

FileState stateOf(const QString& path)
{
    return {contentsOf(path), QFileInfo(path).lastModified()};
}

QJsonArray findingsJson(const QList<Finding>& findings)
{
    QJsonArray array;
    for (const Finding& finding : findings) {
        array.append(QJsonObject{{"rule", finding.rule},
                                 {"sigla", finding.sigla},
                                 {"num", finding.num},
                                 {"message", finding.message}});
    }
    return array;
}

QJsonArray filesOf(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << "not JSON:" << error.errorString() << json;
    return document.object().value("files").toArray();
}

// Every other macro, in list order: more next macros than the terminal's
// ten function keys.
void elevenNextMacros(Group& group)
{
    Macro& rot = macro(group, "ROT");
    QStringList flow;
    QList<quint16> numbers;
    QList<quint16> positions;
    const QList<Macro*> macros = group.macros();
    for (const Macro* other : macros) {
        if (other == &rot)
            continue;
        flow.append(other->sigla());
        numbers.append(other->num().toUShort());
        positions.append(quint16(positions.size()));
    }
    rot.setFlow(flow);
    rot.setFlowNum(numbers);
    rot.setFlowPos(positions);
}

void violations(Macro& target, int count)
{
    QList<quint8> ids;
    for (int id = 1; id <= count; ++id)
        ids.append(quint8(id));
    target.setViolation(ids);
    target.setViolationReactions(QVector<quint8>(ids.size(), 0).toList());
    target.setViolationTimers(QVector<quint16>(ids.size(), 0).toList());
}

// Runs the program with no display to fall back on.
bool runHeadless(QProcess& zor, const QStringList& arguments, const QString& folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Without a runtime folder, as under cron or a bare container.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(name);
    zor.setProcessEnvironment(environment);
    zor.setWorkingDirectory(folder);
    zor.start(TestEnvironment::executable(), arguments);
    return zor.waitForFinished(60000);
}

} // namespace

class TestCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanGroups_data();
    void cleanGroups();
    void eachRule_data();
    void eachRule();
    void readNotes_data();
    void readNotes();
    void unreadableFiles_data();
    void unreadableFiles();
    void severalThreadsKeepTheOrder();
    void executable_data();
    void executable();
    void legacyWithoutReferenceData();
    void helpListsTheCommands();

private:
    QString path(const QString& name) const { return env->filePath("in/" + name); }
    QString writeGroup(const QString& name, const Mutation& mutation) const;
    std::unique_ptr<TestEnvironment> env;
};

void TestCheck::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
    QCOMPARE(Group::anchorSettings().anchorViolationId(), 23);
    QVERIFY(QDir(env->path()).mkpath("in"));
    const QString examples = TestEnvironment::sourceDir() + "/examples/";
    const QString data = TestEnvironment::testDataDir() + "/";
    QVERIFY(QFile::copy(examples + "sample.mcx", path("sample.mcx")));
    QVERIFY(QFile::copy(examples + "legacy.mcr", path("legacy.mcr")));
    for (const char* name : {"no-creation-date.mcx", "not-json.mcx"})
        QVERIFY(QFile::copy(data + name, path(name)));
    QVERIFY(!writeGroup("stream.mcr", {}).isEmpty());
    const QByteArray legacy = SampleGroups::legacySample();
    ZorTest::writeFile(path("short.mcr"), legacy.left(3));
    ZorTest::writeFile(path("leftover.mcr"), legacy + QByteArray(10, 'x'));
    QByteArray unfit = contentsOf(path("sample.mcx"));
    const QByteArray radius = "\"raio\": 300";
    unfit.replace(unfit.indexOf(radius), radius.size(), "\"raio\": 70000");
    ZorTest::writeFile(path("unfit.mcx"), unfit);
}

QString TestCheck::writeGroup(const QString& name, const Mutation& mutation) const
{
    const std::unique_ptr<Group> group = SampleGroups::sample();
    if (mutation)
        mutation(*group);
    const QString file = path(name);
    QFile::remove(file);
    return group->saveAs(file) ? file : QString();
}

void TestCheck::cleanGroups_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("older");
    QTest::newRow("sample") << "sample.mcx" << false;
    QTest::newRow("legacy sample") << "legacy.mcr" << true;
    QTest::newRow("sample as data stream") << "stream.mcr" << false;
}

void TestCheck::cleanGroups()
{
    QFETCH(QString, name);
    QFETCH(bool, older);
    const QString file = path(name);
    const FileState before = stateOf(file);

    MessageRecorder recorder;
    const QList<CheckCommand::FileReport> reports = CheckCommand::check({file});
    // The version warning names the file, and does not make it fail.
    QCOMPARE(recorder.texts(), older ? QStringList{file + ": " + OlderVersion} : QStringList());
    QCOMPARE(reports.size(), 1);
    QVERIFY(reports.at(0).readable);
    QCOMPARE(reports.at(0).findings, QList<Finding>());
    QCOMPARE(CheckCommand::exitCode(reports), 0);
    QCOMPARE(CheckCommand::text(reports), QByteArray());
    const QJsonArray files = filesOf(CheckCommand::json(reports));
    QCOMPARE(files.size(), 1);
    QCOMPARE(files.at(0).toObject(),
             (QJsonObject{{"file", file}, {"readable", true}, {"findings", QJsonArray()}}));
    QVERIFY(stateOf(file) == before);
}

namespace {

void ruleRow(const char* name, const QString& suffix, const Mutation& mutation,
             const QList<Finding>& findings)
{
    QTest::newRow(name) << suffix << mutation << findings;
}

Mutation setFormRow(const char* sigla, int row, const QByteArray& text)
{
    return [=](Group& g) {
        Macro& target = macro(g, sigla);
        target.setForm(withRow(target.form(), row, text));
    };
}

} // namespace

void TestCheck::eachRule_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<Mutation>("mutation");
    QTest::addColumn<QList<Finding>>("expected");

    const QString refused =
        "Caracteres não aceitos pelo terminal no formulário ou no texto de confirmação: ";
    ruleRow("characters in a form", "mcx", setFormRow("INI", 12, "TOTAL: R$ 10,00 & 5%"),
            {{"characters", "INI", "1", refused + "&"}});
    const Mutation confirmation = [](Group& g) {
        Macro& man = macro(g, "MAN");
        man.setConfirmationText(withRow(man.confirmationText(), 5, "PEDIDO #12 @ OFICINA"));
    };
    ruleRow("characters in a confirmation text", "mcr", confirmation,
            {{"characters", "MAN", "30", refused + "#, @"}});

    ruleRow(
        "marker left open", "mcx", setFormRow("ROT", 14, "OBS: [cccccccc"),
        {{"field-markers", "ROT", "31", "Marcador de campo malformado no formulário, linha 15."}});
    ruleRow(
        "marker with a blank", "mcx", setFormRow("ROT", 0, "[cc cc]"),
        {{"field-markers", "ROT", "31", "Marcador de campo malformado no formulário, linha 1."}});

    ruleRow("accented name", "mcx",
            [](Group& g) { macro(g, "MAN").setName("SOLICITAÇÃO DE MANUTENÇÃO"); },
            {{"name-characters", "MAN", "30", "O nome contém caracteres não aceitos: Ç, Ã"}});
    ruleRow("refused character in an acronym", "mcx",
            [](Group& g) { macro(g, "ROT").setSigla("R#T"); },
            {{"name-characters", "R#T", "31", "A sigla contém caracteres não aceitos: #"}});

    const QString number = "O número %1 está fora do intervalo de 1 a 999.";
    ruleRow("number 1000", "mcx", [](Group& g) { macro(g, "ROT").setNum("1000"); },
            {{"number-range", "ROT", "1000", number.arg(1000)}});
    ruleRow("number 0", "mcr", [](Group& g) { macro(g, "ROT").setNum("0"); },
            {{"number-range", "ROT", "0", number.arg(0)}});
    ruleRow("shortcut 250", "mcx", [](Group& g) { macro(g, "ROT").setShortcut("250"); },
            {{"shortcut-range", "ROT", "31", "O atalho 250 está fora do intervalo de 0 a 249."}});
    ruleRow("anchor macro with a shortcut", "mcx",
            [](Group& g) { macro(g, "DES").setShortcut("11"); },
            {{"anchor-shortcut", "DES", "11",
              "Macro com análise de âncora e atalho 11: uma macro com a violação de âncora não "
              "tem atalho."}});

    ruleRow("empty acronym", "mcx", [](Group& g) { macro(g, "ROT").setSigla(""); },
            {{"sigla", "", "31", "A sigla está vazia."}});
    ruleRow("acronym of four", "mcx", [](Group& g) { macro(g, "ROT").setSigla("ROTA"); },
            {{"sigla", "ROTA", "31", "A sigla ROTA tem mais de 3 caracteres."}});

    ruleRow("number twice", "mcx", [](Group& g) { macro(g, "ROT").setNum("30"); },
            {{"duplicate-number", "ROT", "30", "O número 30 já é usado pela macro MAN."}});
    ruleRow("acronym twice", "mcr", [](Group& g) { macro(g, "ROT").setSigla("MAN"); },
            {{"duplicate-sigla", "MAN", "31", "A sigla MAN já é usada pela macro de número 30."}});
    ruleRow("shortcut twice", "mcx", [](Group& g) { macro(g, "ROT").setShortcut("30"); },
            {{"duplicate-shortcut", "ROT", "31", "O atalho 30 já é usado pela macro MAN."}});

    const Mutation unknown = [](Group& g) {
        Macro& rot = macro(g, "ROT");
        rot.setFlow({"XYZ"});
        rot.setFlowNum({99});
        rot.setFlowPos({4});
    };
    ruleRow("unknown next macro", "mcx", unknown,
            {{"unknown-flow", "ROT", "31", "A sigla XYZ da função F4 não existe no grupo."}});
    ruleRow("eleven next macros", "mcx", elevenNextMacros,
            {{"flow-count", "ROT", "31", "11 macros seguintes; o terminal aceita no máximo 10."}});

    const Mutation anchorAfterAnchor = [](Group& g) {
        Macro& des = macro(g, "DES");
        des.setFlow(des.flow() << "AGD");
        des.setFlowNum(des.flowNum() << 22);
        des.setFlowPos(des.flowPos() << 5);
    };
    const QString sequence = "Macros com análise de âncora em sequência: %1.";
    ruleRow("anchor after anchor", "mcx", anchorAfterAnchor,
            {{"anchor-sequence", "DES", "11", sequence.arg("DES -> AGD")}});

    const QString outside =
        "O raio de âncora de %1 m está fora dos limites permitidos (50 a 5000 m).";
    ruleRow("radius below the minimum", "mcx", [](Group& g) { macro(g, "DES").setRaio(49); },
            {{"radius-range", "DES", "11", outside.arg(49)}});
    ruleRow("radius above the maximum", "mcx", [](Group& g) { macro(g, "AGD").setRaio(5001); },
            {{"radius-range", "AGD", "22", outside.arg(5001)}});

    ruleRow("21 violations", "mcx", [](Group& g) { violations(macro(g, "ROT"), 21); },
            {{"violation-count", "ROT", "31", "21 violações; o terminal aceita no máximo 20."}});

    // Everything at the terminal's limits, and two macros without shortcut.
    const Mutation limits = [](Group& g) {
        Macro& rot = macro(g, "ROT");
        elevenNextMacros(g);
        rot.setFlow(rot.flow().mid(0, 10));
        rot.setFlowNum(rot.flowNum().mid(0, 10));
        rot.setFlowPos(rot.flowPos().mid(0, 10));
        violations(rot, 20);
        rot.setShortcut("0");
        macro(g, "AGD").setShortcut("0");
        macro(g, "DES").setRaio(50);
        macro(g, "AGD").setRaio(5000);
    };
    ruleRow("limits accepted", "mcx", limits, {});

    // Two pairs, one of them named in two slots: each pair once.
    const Mutation pairs = [](Group& g) {
        Macro& des = macro(g, "DES");
        des.setFlow(des.flow() << "AGD"
                               << "AGD");
        des.setFlowNum(des.flowNum() << 22 << 22);
        des.setFlowPos(des.flowPos() << 5 << 6);
        Macro& agd = macro(g, "AGD");
        agd.setFlow(agd.flow() << "DES");
        agd.setFlowNum(agd.flowNum() << 11);
        agd.setFlowPos(agd.flowPos() << 7);
    };
    ruleRow("every anchor pair", "mcx", pairs,
            {{"anchor-sequence", "DES", "11", sequence.arg("DES -> AGD")},
             {"anchor-sequence", "AGD", "22", sequence.arg("AGD -> DES")}});
}

void TestCheck::eachRule()
{
    QFETCH(QString, suffix);
    QFETCH(Mutation, mutation);
    QFETCH(QList<Finding>, expected);

    const QString file = writeGroup("broken." + suffix, mutation);
    QVERIFY(!file.isEmpty());
    const FileState before = stateOf(file);

    MessageRecorder recorder;
    const QList<CheckCommand::FileReport> reports = CheckCommand::check({file});
    QCOMPARE(recorder.texts(), QStringList());
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports.at(0).findings, expected);
    QCOMPARE(CheckCommand::exitCode(reports), expected.isEmpty() ? 0 : 1);

    QString lines;
    for (const Finding& f : expected)
        lines += QStringLiteral("%1: %2 (%3): %4\n").arg(file, f.sigla, f.num, f.message);
    QCOMPARE(QString::fromLocal8Bit(CheckCommand::text(reports)), lines);
    const QJsonArray files = filesOf(CheckCommand::json(reports));
    QCOMPARE(files.size(), 1);
    QCOMPARE(
        files.at(0).toObject(),
        (QJsonObject{{"file", file}, {"readable", true}, {"findings", findingsJson(expected)}}));
    QVERIFY(stateOf(file) == before);
}

void TestCheck::readNotes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<Finding>>("expected");
    QTest::addColumn<QString>("text"); // "%1" stands for the file

    const QString left = "Sobram 10 bytes depois do último registro completo; foram ignorados.";
    QTest::newRow("legacy with bytes left over")
        << "leftover.mcr" << QList<Finding>{{"legacy-damage", "", "", left}} << "%1: " + left;
    const QString unfit = "O valor 70000 de \"violacoes[1].raio\" está fora do intervalo de 0 a "
                          "65535; lido como 4464.";
    QTest::newRow("radius that does not fit")
        << "unfit.mcx" << QList<Finding>{{"value-range", "DES", "11", unfit}}
        << "%1: DES (11): " + unfit;
}

// What the reading found odd is a finding of its own, first in the file's report.
void TestCheck::readNotes()
{
    QFETCH(QString, name);
    QFETCH(QList<Finding>, expected);
    QFETCH(QString, text);

    MessageRecorder recorder;
    const QList<CheckCommand::FileReport> reports = CheckCommand::check({path(name)});
    QCOMPARE(reports.at(0).findings, expected);
    QCOMPARE(CheckCommand::exitCode(reports), 1);
    QCOMPARE(QString::fromLocal8Bit(CheckCommand::text(reports)), text.arg(path(name)) + "\n");
}

void TestCheck::unreadableFiles_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<bool>>("readable");
    QTest::addColumn<QStringList>("messages"); // "%1" stands for the file of the message

    QTest::newRow("missing") << QStringList{"absent.mcx"} << QList<bool>{false}
                             << QStringList{"%1: " + CannotOpen + NoSuchFile};
    QTest::newRow("missing legacy") << QStringList{"absent.mcr"} << QList<bool>{false}
                                    << QStringList{"%1: " + CannotOpen + NoSuchFile};
    QTest::newRow("legacy shorter than its header")
        << QStringList{"short.mcr"} << QList<bool>{false}
        << QStringList{
               "%1: " + CannotOpen +
               "\nO arquivo tem 3 bytes, menos que os 369 do cabeçalho de um arquivo .mcr."};
    QTest::newRow("structure error")
        << QStringList{"no-creation-date.mcx"} << QList<bool>{false}
        << QStringList{"%1: Formato do arquivo inválido (creation date).", "%1: " + CannotOpen};
    // A file that can't be read wins over findings and clean files.
    QTest::newRow("clean, broken and not JSON")
        << QStringList{"sample.mcx", "broken.mcx", "not-json.mcx"} << QList<bool>{true, true, false}
        << QStringList{"%1: Formato do arquivo inválido (header).",
                       "%1: " + CannotOpen +
                           "\nErro de sintaxe JSON na linha 1, coluna 2 (byte 1): illegal value."};
}

void TestCheck::unreadableFiles()
{
    QFETCH(QStringList, names);
    QFETCH(QList<bool>, readable);
    QFETCH(QStringList, messages);

    QVERIFY(!writeGroup("broken.mcx", [](Group& g) { macro(g, "ROT").setNum("30"); }).isEmpty());
    QStringList files;
    for (const QString& name : qAsConst(names))
        files.append(path(name));
    for (QString& message : messages)
        message = message.arg(files.last());

    MessageRecorder recorder;
    const QList<CheckCommand::FileReport> reports = CheckCommand::check(files);
    QCOMPARE(recorder.texts(), messages);
    QCOMPARE(CheckCommand::exitCode(reports), 2);
    const QJsonArray json = filesOf(CheckCommand::json(reports));
    QCOMPARE(json.size(), files.size());
    for (int i = 0; i < files.size(); ++i) {
        QCOMPARE(reports.at(i).readable, readable.at(i));
        QCOMPARE(json.at(i)["file"].toString(), files.at(i));
        QCOMPARE(json.at(i)["readable"].toBool(), readable.at(i));
        QCOMPARE(json.at(i)["findings"].toArray().size(), reports.at(i).findings.size());
    }
    // Nothing is created in place of a missing file.
    QVERIFY(!QFileInfo::exists(path("absent.mcx")));
}

void TestCheck::severalThreadsKeepTheOrder()
{
    // A large group first: the small files after it are done before it.
    const QString large = writeGroup("large.mcx", [](Group& g) {
        for (int i = 0; i < 600; ++i) {
            const QString sigla =
                QString("Z%1%2").arg(QChar('A' + i / 26 % 26), QChar('A' + i % 26));
            g.addMacro(new Macro(QString::number(300 + i), "COPIA " + sigla, "0", sigla, 2, false));
        }
    });
    const QString broken = writeGroup("broken.mcx", [](Group& g) { macro(g, "ROT").setNum("30"); });
    const QStringList files{large,
                            path("legacy.mcr"),
                            broken,
                            path("not-json.mcx"),
                            path("absent.mcx"),
                            path("sample.mcx"),
                            path("unfit.mcx"),
                            broken};

    MessageRecorder recorder;
    const QList<CheckCommand::FileReport> alone = CheckCommand::check(files, 1);
    const QStringList told = recorder.texts();
    recorder.clear();
    const QList<CheckCommand::FileReport> together = CheckCommand::check(files, 4);
    QCOMPARE(recorder.texts(), told);
    QCOMPARE(CheckCommand::text(together), CheckCommand::text(alone));
    QCOMPARE(CheckCommand::json(together), CheckCommand::json(alone));
}

void TestCheck::executable_data()
{
    QTest::addColumn<QStringList>("arguments"); // "%in/" stands for the input folder
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("errors");

    const QString line = "%in/broken.mcx: ROT (30): O número 30 já é usado pela macro MAN.\n";
    const QString usage = "zor --check FILE... [--format text|json] [--jobs N]";
    QTest::newRow("clean") << QStringList{"--check", "%in/sample.mcx"} << "" << 0 << "";
    QTest::newRow("finding") << QStringList{"--check", "%in/sample.mcx", "%in/broken.mcx"} << line
                             << 1 << "";
    QTest::newRow("options after the files")
        << QStringList{"%in/broken.mcx", "--check", "--format", "text"} << line << 1 << "";
    QTest::newRow("json") << QStringList{"--check", "--format", "json", "%in/broken.mcx"} << "json"
                          << 1 << "";
    QTest::newRow("version warning")
        << QStringList{"--check", "%in/legacy.mcr"} << "" << 0 << "%in/legacy.mcr: " + OlderVersion;
    QTest::newRow("missing file") << QStringList{"--check", "%in/broken.mcx", "%in/nothing.mcx"}
                                  << line << 2 << "%in/nothing.mcx: " + CannotOpen + NoSuchFile;
    QTest::newRow("two at once") << QStringList{"--check", "--jobs", "2", "%in/broken.mcx",
                                                "%in/nothing.mcx"}
                                 << line << 2 << "%in/nothing.mcx: " + CannotOpen + NoSuchFile;
    QTest::newRow("no file") << QStringList{"--check"} << "" << 2 << usage;
    QTest::newRow("no jobs") << QStringList{"--check", "--jobs", "0", "%in/sample.mcx"} << "" << 2
                             << usage;
    QTest::newRow("unknown format")
        << QStringList{"--check", "--format", "xml", "%in/sample.mcx"} << "" << 2 << usage;
}

void TestCheck::executable()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    QFETCH(int, status);
    QFETCH(QString, errors);

    const QString broken = writeGroup("broken.mcx", [](Group& g) { macro(g, "ROT").setNum("30"); });
    QVERIFY(!broken.isEmpty());
    const QString in = env->filePath("in");
    for (QString& argument : arguments)
        argument.replace("%in/", in + "/");
    output.replace("%in/", in + "/");
    errors.replace("%in/", in + "/");
    const FileState before = stateOf(broken);

    QProcess zor;
    QVERIFY(runHeadless(zor, arguments, env->path()));
    const QString standardError = QString::fromLocal8Bit(zor.readAllStandardError());
    const QByteArray standardOutput = zor.readAllStandardOutput();
    QCOMPARE(zor.exitStatus(), QProcess::NormalExit);
    QVERIFY2(zor.exitCode() == status, qPrintable(standardError));
    // Only the command's own messages, none of the toolkit's.
    if (errors.isEmpty())
        QCOMPARE(standardError, QString());
    else
        QVERIFY2(standardError.contains(errors), qPrintable(standardError));
    if (output == "json") {
        const QJsonArray files = filesOf(standardOutput);
        QCOMPARE(files.size(), 1);
        QCOMPARE(files.at(0)["findings"].toArray(),
                 findingsJson({{"duplicate-number", "ROT", "30",
                                "O número 30 já é usado pela macro MAN."}}));
    } else {
        QCOMPARE(QString::fromLocal8Bit(standardOutput), output);
    }
    QVERIFY(stateOf(broken) == before);
}

void TestCheck::legacyWithoutReferenceData()
{
    // The legacy records fill their unused violation slots with identifier 0,
    // so without an anchor violation every legacy macro would seem to have
    // one, and INI -> FIM would be an anchor sequence.
    const QString folder = env->filePath("bare");
    QVERIFY(QDir(env->path()).mkpath("bare"));
    QProcess zor;
    QVERIFY(runHeadless(zor, {"--check", path("legacy.mcr")}, folder));
    const QString errors = QString::fromLocal8Bit(zor.readAllStandardError());
    QVERIFY2(zor.exitCode() == 0, qPrintable(errors));
    QCOMPARE(zor.readAllStandardOutput(), QByteArray());
}

void TestCheck::helpListsTheCommands()
{
    QProcess zor;
    QVERIFY(runHeadless(zor, {"-h"}, env->path()));
    QCOMPARE(zor.exitCode(), 0);
    const QString help = QString::fromLocal8Bit(zor.readAllStandardOutput());
    for (const char* option : {"--check", "--format <format>", "--jobs <count>", "--export-image",
                               "--scale <factor>", "--convert"})
        QVERIFY2(help.contains(option), qPrintable(help));
}

QTEST_GUILESS_MAIN(TestCheck)
#include "tst_check.moc"
