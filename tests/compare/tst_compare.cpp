#include "app/anchorsettings.h"
#include "app/referencedata.h"
#include "compare/differencejson.h"
#include "compare/differencetext.h"
#include "compare/groupcomparer.h"
#include "io/samplegroups.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <functional>

using ZorTest::TestEnvironment;
using Mutation = std::function<void(Group&)>;
Q_DECLARE_METATYPE(Mutation)

namespace {

Mutation on(const char* sigla, const std::function<void(Macro&)>& change)
{
    return [=](Group& g) {
        Macro* macro = g.findBySigla(QLatin1String(sigla));
        QVERIFY(macro);
        change(*macro);
    };
}

QByteArray withRow(QByteArray screen, int row, const QByteArray& text)
{
    return screen.replace(row * Macro::ScreenColumns, Macro::ScreenColumns,
                          text.leftJustified(Macro::ScreenColumns, ' '));
}

void setViolations(Macro& m, const QList<quint8>& ids, const QList<quint8>& reactions,
                   const QList<quint16>& timers)
{
    m.setViolation(ids);
    m.setViolationReactions(reactions);
    m.setViolationTimers(timers);
}

} // namespace

class TestCompare : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void eachChange_data();
    void eachChange();
    void sameByMeaning_data();
    void sameByMeaning();
    void json();
    void numbersWithoutReferenceData();
    void executable_data();
    void executable();

private:
    QString file(const QString& name) const { return env->filePath(name); }
    GroupDifference compare(const Group& before, const Group& after, bool layout = false) const;
    std::unique_ptr<TestEnvironment> env;
    ReferenceLists lists;
};

void TestCompare::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
    QVERIFY(ReferenceData::load(file("zor.ini"), &lists));
    MessageRecorder quiet;
    const QString examples = TestEnvironment::sourceDir() + "/examples/";
    QVERIFY(QFile::copy(examples + "sample.mcx", file("sample.mcx")));
    QVERIFY(QFile::copy(examples + "legacy.mcr", file("legacy.mcr")));
    QVERIFY(QFile::copy(TestEnvironment::testDataDir() + "/version-2000.mcx", file("v2000.mcx")));
    for (const QString& name : QStringList{"legacy.mcr", "v2000.mcx"}) {
        Group group{QString(), QString()};
        QVERIFY(group.readFile(file(name)));
        QVERIFY(group.saveAs(file(name.left(name.size() - 4) + "-converted.mcx")));
        QVERIFY(group.saveAs(file(name.left(name.size() - 4) + "-opened.mcx")));
    }
    // Opened in the editor: the load drops the timers of violations without time.
    for (const char* name : {"legacy-opened.mcx", "v2000-opened.mcx"}) {
        Group group{QString(), QString()};
        QVERIFY(group.loadMcx(file(name), lists.violationTimerFlags));
    }
    std::unique_ptr<Group> changed = SampleGroups::sample();
    changed->findBySigla("MAN")->setName("PEDIDO DE MANUTENCAO");
    changed->findBySigla("INI")->setPosition(QPoint(60, 40));
    QVERIFY(changed->saveAs(file("changed.mcx")));
}

GroupDifference TestCompare::compare(const Group& before, const Group& after, bool layout) const
{
    CompareOptions options;
    options.layout = layout;
    options.timerFlags = lists.violationTimerFlags;
    options.anchorViolationId = Group::anchorSettings().anchorViolationId();
    return GroupComparer::compare(before, after, options);
}

void TestCompare::eachChange_data()
{
    QTest::addColumn<Mutation>("mutation");
    QTest::addColumn<bool>("layout");
    QTest::addColumn<QStringList>("expected");

    const auto row = [](const char* name, const Mutation& m, const QStringList& lines,
                        bool layout = false) { QTest::newRow(name) << m << layout << lines; };
    row("group name", [](Group& g) { g.setName("FROTA NORTE"); },
        {"Grupo: nome: \"FROTA SUL - DISTRIBUICAO\" -> \"FROTA NORTE\""});
    row("group description", [](Group& g) { g.setDescription("Frota norte"); },
        {"Grupo: descrição: \"" + SampleGroups::sample()->description() + "\" -> \"Frota norte\""});
    row("macro added", [](Group& g) { g.addMacro(new Macro("60", "NOVA", "60", "NOV", 2, false)); },
        {"NOV (60): macro adicionada: NOVA"});
    row("macro removed", [](Group& g) { g.removeMacro("ROT"); },
        {"ROT (31): macro removida: SOLICITACAO DE ROTA"});
    row("renumbered",
        on("ROT",
           [](Macro& m) {
               m.setNum("35");
               m.setName("ROTA");
           }),
        {"ROT (35): macro renumerada: 31 -> 35",
         "ROT (35): nome: \"SOLICITACAO DE ROTA\" -> \"ROTA\""});
    row("number with leading zeros", on("ROT", [](Macro& m) { m.setNum("031"); }), {});
    row("acronym", on("MAN", [](Macro& m) { m.setSigla("MNT"); }), {"MNT (30): sigla: MAN -> MNT"});
    row("shortcut", on("MAN", [](Macro& m) { m.setShortcut("31"); }),
        {"MAN (30): atalho: 30 -> 31"});
    row("empty shortcut", on("AGD", [](Macro& m) { m.setShortcut(""); }), {});
    row("type", on("MAN", [](Macro& m) { m.setType(6); }),
        {"MAN (30): tipo: Solicitação -> Especiais"});
    row("kind", on("MAN", [](Macro& m) { m.setSecurity(false); }),
        {"MAN (30): segurança ou informação: Segurança -> Informação"});
    row("validation", on("MAN", [](Macro& m) { m.setValidationInt(0x42); }),
        {"MAN (30): validação adicionada: Hodômetro"});
    row("automation", on("INI", [](Macro& m) { m.setAutomation({8}); }),
        {"INI (1): automação removida: Travar portas do baú"});
    row("automation order and empty slots",
        on("INI",
           [](Macro& m) {
               m.setAutomation({8, 0, 2, 0});
           }),
        {});
    row("secure-mode sensor", on("DES", [](Macro& m) { m.setSecureSensors({1}); }),
        {"DES (11): sensor do modo seguro removido: Porta do baú"});
    row("violation added", on("MAN", [](Macro& m) { setViolations(m, {10}, {0x09}, {0}); }),
        {"MAN (30): violação adicionada: Desengate da carreta; reações: Sinal sonoro na cabine, "
         "Sirene externa (Alarm)"});
    row("violation removed", on("DES", [](Macro& m) { setViolations(m, {13}, {0x02}, {240}); }),
        {"DES (11): violação removida: Violação de Âncora; reações: Aviso à central (Alert), "
         "Sirene externa (Alarm); raio: 300 m"});
    row("reaction",
        on("INI",
           [](Macro& m) {
               m.setViolationReactions({3, 3, 0x81, 6, 0x85});
           }),
        {"INI (1): violação Freada brusca: reação adicionada: Foto da cabine"});
    row("time",
        on("INI",
           [](Macro& m) {
               m.setViolationTimers({45, 20, 0, 240, 120});
           }),
        {"INI (1): violação Excesso de velocidade: tempo de análise: 0:30 -> 0:45"});
    row("one second of a violation with time",
        on("INI",
           [](Macro& m) {
               m.setViolationTimers({30, 1, 0, 240, 120});
           }),
        {"INI (1): violação Excesso de velocidade na chuva: tempo de análise: 0:20 -> 0:01"});
    row("one second of a violation without time",
        on("INI",
           [](Macro& m) {
               m.setViolationTimers({30, 20, 1, 240, 120});
           }),
        {});
    row("radius", on("DES", [](Macro& m) { m.setRaio(350); }),
        {"DES (11): violação Violação de Âncora: raio: 300 m -> 350 m"});
    row("radius without the anchor violation", on("INI", [](Macro& m) { m.setRaio(999); }), {});
    row("next macro",
        on("INI",
           [](Macro& m) {
               m.setFlowPos({1, 2, 5, 4, 9});
           }),
        {"INI (1): próxima macro F3: ENT -> (nenhuma)",
         "INI (1): próxima macro F5: (nenhuma) -> ENT"});
    row("form row",
        on("MAN", [](Macro& m) { m.setForm(withRow(m.form(), 2, "DEFEITO: [rrrrrrrr]")); }),
        {"MAN (30): formulário, linha 3: \"DEFEITO: [cccccccc]\" -> \"DEFEITO: [rrrrrrrr]\""});
    // NUL cells of the grid, a "<" the reader blanks, white space the writer drops.
    row("form blanks the files keep as blanks",
        on("MAN",
           [](Macro& m) {
               m.setForm(m.form().replace(700, 100, QByteArray(99, 0) + '\t').replace(600, 1, "<"));
           }),
        {});
    row("confirmation row",
        on("ROT", [](Macro& m) { m.setConfirmationText(withRow(m.confirmationText(), 19, "OK")); }),
        {"ROT (31): texto de confirmação, linha 20: \"\" -> \"OK\""});
    row("position without layout", on("INI", [](Macro& m) { m.setPosition({60, 40}); }), {});
    row("position",
        on("INI",
           [](Macro& m) {
               m.setPosition({60, 40});
           }),
        {"INI (1): posição: (40, 40) -> (60, 40)"}, true);
    row("size",
        on("INI",
           [](Macro& m) {
               m.setDimensions({0, 0, 121, 81});
           }),
        {"INI (1): tamanho: 201 x 81 -> 121 x 81"}, true);
}

void TestCompare::eachChange()
{
    QFETCH(Mutation, mutation);
    QFETCH(bool, layout);
    QFETCH(QStringList, expected);
    const std::unique_ptr<Group> before = SampleGroups::sample();
    const std::unique_ptr<Group> after = SampleGroups::sample();
    mutation(*after);

    const GroupDifference difference = compare(*before, *after, layout);
    QCOMPARE(DifferenceText(lists).report(difference).split('\n', Qt::SkipEmptyParts), expected);
    QCOMPARE(difference.isEmpty(), expected.isEmpty());
}

void TestCompare::sameByMeaning_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("sample against itself") << "sample.mcx"
                                           << "sample.mcx";
    QTest::newRow("legacy against itself") << "legacy.mcr"
                                           << "legacy.mcr";
    QTest::newRow("legacy against its conversion") << "legacy.mcr"
                                                   << "legacy-converted.mcx";
    QTest::newRow("legacy against its conversion opened") << "legacy.mcr"
                                                          << "legacy-opened.mcx";
    QTest::newRow("version 2000 against its conversion opened") << "v2000.mcx"
                                                                << "v2000-opened.mcx";
}

void TestCompare::sameByMeaning()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    MessageRecorder quiet;
    Group old{QString(), QString()};
    Group now{QString(), QString()};
    QVERIFY(old.readFile(file(before)) && now.readFile(file(after)));
    const GroupDifference difference = compare(old, now, true);
    QVERIFY2(difference.isEmpty(), qPrintable(DifferenceText(lists).report(difference)));
}

void TestCompare::json()
{
    const std::unique_ptr<Group> before = SampleGroups::sample();
    const std::unique_ptr<Group> after = SampleGroups::sample();
    Macro* rot = after->findBySigla("ROT");
    rot->setNum("35");
    rot->setSecurity(true);
    setViolations(*rot, {23}, {0x01}, {0});
    rot->setRaio(80);
    after->removeMacro("SOS");

    const QByteArray json = DifferenceJson(lists).document(compare(*before, *after), "a", "b");
    const QJsonObject expected = QJsonDocument::fromJson(R"json({
        "old": "a", "new": "b", "same": false, "header": [],
        "macros": [
          {"change": "renumbered", "num": "35", "oldNum": "31", "sigla": "ROT",
           "name": "SOLICITACAO DE ROTA", "fields": [
             {"field": "kind", "old": "information", "new": "security"},
             {"field": "violation", "change": "added", "id": 23, "name": "Violação de Âncora",
              "reactions": [{"bit": 0, "name": "Sinal sonoro na cabine"}], "time": 0,
              "radius": 80}]},
          {"change": "removed", "num": "50", "sigla": "SOS", "name": "EMERGENCIA (SOS)",
           "fields": []}]})json")
                                     .object();
    QCOMPARE(QJsonDocument::fromJson(json).object(), expected);
}

void TestCompare::numbersWithoutReferenceData()
{
    const std::unique_ptr<Group> before = SampleGroups::sample();
    const std::unique_ptr<Group> after = SampleGroups::sample();
    setViolations(*after->findBySigla("MAN"), {10}, {0x09}, {0});
    const GroupDifference difference = compare(*before, *after);
    const ReferenceLists none;
    QCOMPARE(DifferenceText(none).report(difference),
             QString("MAN (30): violação adicionada: 10; reações: 1, 4\n"));
    const QJsonObject field = DifferenceJson(none).field(difference.macros.at(0).changes.at(0));
    QVERIFY(!field.contains("name"));
}

void TestCompare::executable_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("errors");

    const QString name =
        "MAN (30): nome: \"SOLICITACAO DE MANUTENCAO\" -> \"PEDIDO DE MANUTENCAO\"\n";
    const QString usage = "zor --diff OLD NEW [--format text|json] [--layout]";
    QTest::newRow("same") << QStringList{"--diff", "sample.mcx", "sample.mcx"} << 0 << ""
                          << "";
    QTest::newRow("different") << QStringList{"sample.mcx", "--diff", "changed.mcx"} << 1 << name
                               << "";
    QTest::newRow("layout") << QStringList{"--diff", "--layout", "sample.mcx", "changed.mcx"} << 1
                            << "INI (1): posição: (40, 40) -> (60, 40)\n" + name << "";
    QTest::newRow("english")
        << QStringList{"-l", "en", "--diff", "sample.mcx", "changed.mcx"} << 1
        << "MAN (30): name: \"SOLICITACAO DE MANUTENCAO\" -> \"PEDIDO DE MANUTENCAO\"\n"
        << "";
    QTest::newRow("json") << QStringList{"--diff", "--format", "json", "sample.mcx", "changed.mcx"}
                          << 1 << "json"
                          << "";
    QTest::newRow("missing file") << QStringList{"--diff", "nothing.mcx", "sample.mcx"} << 2 << ""
                                  << "nothing.mcx: Não foi possível abrir o arquivo.";
    QTest::newRow("one file") << QStringList{"--diff", "sample.mcx"} << 2 << "" << usage;
    QTest::newRow("unknown format")
        << QStringList{"--diff", "--format", "xml", "sample.mcx", "changed.mcx"} << 2 << ""
        << usage;
}

void TestCompare::executable()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, errors);
    const QByteArray before = ZorTest::contentsOf(file("changed.mcx"));

    QProcess zor;
    zor.setWorkingDirectory(env->path());
    zor.start(TestEnvironment::executable(), arguments);
    QVERIFY(zor.waitForFinished(60000));
    const QString standardError = QString::fromLocal8Bit(zor.readAllStandardError());
    const QByteArray standardOutput = zor.readAllStandardOutput();
    QVERIFY2(zor.exitCode() == status, qPrintable(standardError));
    QVERIFY2(standardError.contains(errors), qPrintable(standardError));
    if (output == "json") {
        const QJsonObject root = QJsonDocument::fromJson(standardOutput).object();
        QCOMPARE(root["same"].toBool(), false);
        QCOMPARE(root["macros"].toArray().size(), 1);
    } else {
        QCOMPARE(QString::fromLocal8Bit(standardOutput), output);
    }
    QCOMPARE(ZorTest::contentsOf(file("changed.mcx")), before);
}

QTEST_GUILESS_MAIN(TestCompare)
#include "tst_compare.moc"
