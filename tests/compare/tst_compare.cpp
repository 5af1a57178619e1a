#include "app/anchorsettings.h"
#include "app/referencedata.h"
#include "compare/differencejson.h"
#include "compare/differencetext.h"
#include "compare/groupcomparer.h"
#include "io/samplegroups.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/headlessrun.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <functional>

using ZorTest::TestEnvironment;
using Mutation = std::function<void(Group&)>;
Q_DECLARE_METATYPE(Mutation)

namespace {

Mutation on(const char* sigla, const std::function<void(Macro&)>& change)
{
    return [=](Group& g) { change(*g.findBySigla(QLatin1String(sigla))); };
}

QByteArray withRow(QByteArray screen, int row, const QByteArray& text)
{
    return screen.replace(row * Macro::ScreenColumns, Macro::ScreenColumns,
                          text.leftJustified(Macro::ScreenColumns, ' '));
}

template <typename Value>
Mutation set(const char* sigla, void (Macro::*setter)(Value), std::decay_t<Value> value)
{
    return on(sigla, [=](Macro& m) { (m.*setter)(value); });
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
    void initTestCase()
    {
        env = std::make_unique<TestEnvironment>();
        QVERIFY(ReferenceData::load(file("zor.ini"), &lists));
        QVERIFY(
            QFile::copy(TestEnvironment::sourceDir() + "/examples/sample.mcx", file("sample.mcx")));
        std::unique_ptr<Group> changed = SampleGroups::sample();
        changed->findBySigla("MAN")->setName("PEDIDO DE MANUTENCAO");
        changed->findBySigla("INI")->setPosition(QPoint(60, 40));
        QVERIFY(changed->saveAs(file("changed.mcx")));
    }

    void eachChange_data()
    {
        QTest::addColumn<Mutation>("mutation");
        QTest::addColumn<bool>("layout");
        QTest::addColumn<QStringList>("expected");

        // The report's lines separated by "\n"; empty when the groups mean the same.
        const auto row = [](const char* name, const QString& lines, const Mutation& m,
                            bool layout = false) {
            QTest::newRow(name) << m << layout << lines.split('\n', Qt::SkipEmptyParts);
        };
        row("group name", "Grupo: nome: \"FROTA SUL - DISTRIBUICAO\" -> \"FROTA NORTE\"",
            [](Group& g) { g.setName("FROTA NORTE"); });
        row("group description",
            "Grupo: descrição: \"" + SampleGroups::sample()->description() +
                "\" -> \"Frota norte\"",
            [](Group& g) { g.setDescription("Frota norte"); });
        row("macro added", "NOV (60): macro adicionada: NOVA",
            [](Group& g) { g.addMacro(new Macro("60", "NOVA", "60", "NOV", 2, false)); });
        row("macro removed", "ROT (31): macro removida: SOLICITACAO DE ROTA",
            [](Group& g) { g.removeMacro("ROT"); });
        row("renumbered", "ROT (35): macro renumerada: 31 -> 35", set("ROT", &Macro::setNum, "35"));
        row("number with leading zeros", "", set("ROT", &Macro::setNum, "031"));
        row("acronym", "MNT (30): sigla: MAN -> MNT", set("MAN", &Macro::setSigla, "MNT"));
        row("shortcut", "MAN (30): atalho: 30 -> 31", set("MAN", &Macro::setShortcut, "31"));
        row("empty shortcut", "", set("AGD", &Macro::setShortcut, ""));
        row("type", "MAN (30): tipo: Solicitação -> Especiais", set("MAN", &Macro::setType, 6));
        row("kind", "MAN (30): segurança ou informação: Segurança -> Informação",
            set("MAN", &Macro::setSecurity, false));
        row("validation", "MAN (30): validação adicionada: Hodômetro",
            set("MAN", &Macro::setValidationInt, 0x42));
        row("automation", "INI (1): automação removida: Travar portas do baú",
            set("INI", &Macro::setAutomation, {8}));
        row("automation order and empty slots", "",
            set("INI", &Macro::setAutomation, {8, 0, 2, 0}));
        row("secure-mode sensor", "DES (11): sensor do modo seguro removido: Porta do baú",
            set("DES", &Macro::setSecureSensors, {1}));
        row("violation added",
            "MAN (30): violação adicionada: Desengate da carreta; reações: Sinal sonoro na cabine, "
            "Sirene externa (Alarm)",
            on("MAN", [](Macro& m) { setViolations(m, {10}, {0x09}, {0}); }));
        row("violation removed",
            "DES (11): violação removida: Violação de Âncora; reações: Aviso à central (Alert), "
            "Sirene externa (Alarm); raio: 300 m",
            on("DES", [](Macro& m) { setViolations(m, {13}, {0x02}, {240}); }));
        row("reaction", "INI (1): violação Freada brusca: reação adicionada: Foto da cabine",
            set("INI", &Macro::setViolationReactions, {3, 3, 0x81, 6, 0x85}));
        row("one second of a violation with time",
            "INI (1): violação Excesso de velocidade na chuva: tempo de análise: 0:20 -> 0:01",
            set("INI", &Macro::setViolationTimers, {30, 1, 0, 240, 120}));
        row("one second of a violation without time", "",
            set("INI", &Macro::setViolationTimers, {30, 20, 1, 240, 120}));
        row("radius", "DES (11): violação Violação de Âncora: raio: 300 m -> 350 m",
            set("DES", &Macro::setRaio, 350));
        row("radius without the anchor violation", "", set("INI", &Macro::setRaio, 999));
        row("next macro",
            "INI (1): próxima macro F3: ENT -> (nenhuma)\nINI (1): próxima macro F5: (nenhuma) -> "
            "ENT",
            set("INI", &Macro::setFlowPos, {1, 2, 5, 4, 9}));
        row("next macros swapped",
            "INI (1): próxima macro F3: ENT -> COL\nINI (1): próxima macro F4: COL -> ENT",
            on("INI", [](Macro& m) {
                m.setFlow({"REF", "ABS", "COL", "ENT", "SOS"});
                m.setFlowNum({10, 12, 21, 20, 50});
            }));
        row("form row",
            "MAN (30): formulário, linha 3: \"DEFEITO: [cccccccc]\" -> \"DEFEITO: [rrrrrrrr]\"",
            on("MAN", [](Macro& m) { m.setForm(withRow(m.form(), 2, "DEFEITO: [rrrrrrrr]")); }));
        // NUL cells of the grid, a "<" the reader blanks, white space the writer drops.
        row("form blanks the files keep as blanks", "", on("MAN", [](Macro& m) {
                m.setForm(
                    m.form().replace(700, 100, QByteArray(99, 0) + '\t').replace(600, 1, "<"));
            }));
        row("confirmation row", "ROT (31): texto de confirmação, linha 20: \"\" -> \"OK\"",
            on("ROT",
               [](Macro& m) { m.setConfirmationText(withRow(m.confirmationText(), 19, "OK")); }));
        row("position without layout", "", set("INI", &Macro::setPosition, {60, 40}));
        row("position", "INI (1): posição: (40, 40) -> (60, 40)",
            set("INI", &Macro::setPosition, {60, 40}), true);
        row("size", "INI (1): tamanho: 201 x 81 -> 121 x 81",
            set("INI", &Macro::setDimensions, {0, 0, 121, 81}), true);
    }

    void eachChange()
    {
        QFETCH(Mutation, mutation);
        QFETCH(bool, layout);
        QFETCH(QStringList, expected);
        const std::unique_ptr<Group> before = SampleGroups::sample();
        const std::unique_ptr<Group> after = SampleGroups::sample();
        mutation(*after);

        const GroupDifference difference = compare(*before, *after, layout);
        QCOMPARE(DifferenceText(lists).report(difference).split('\n', Qt::SkipEmptyParts),
                 expected);
        QCOMPARE(difference.isEmpty(), expected.isEmpty());
    }

    void sameByMeaning_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("legacy") << TestEnvironment::sourceDir() + "/examples/legacy.mcr";
        QTest::newRow("version 2000") << TestEnvironment::testDataDir() + "/version-2000.mcx";
    }

    // An older file against its conversion, opened in the editor once (the load
    // rewrites it without the timers of violations without time).
    void sameByMeaning()
    {
        QFETCH(QString, path);
        MessageRecorder quiet;
        Group old{QString(), QString()};
        QVERIFY(old.readFile(path) && old.saveAs(file("converted.mcx")));
        QVERIFY(
            Group(QString(), QString()).loadMcx(file("converted.mcx"), lists.violationTimerFlags));
        Group now{QString(), QString()};
        QVERIFY(now.readFile(file("converted.mcx")));
        const GroupDifference difference = compare(old, now, true);
        QVERIFY2(difference.isEmpty(), qPrintable(DifferenceText(lists).report(difference)));
    }

    void json()
    {
        const std::unique_ptr<Group> before = SampleGroups::sample();
        const std::unique_ptr<Group> after = SampleGroups::sample();
        Macro* rot = after->findBySigla("ROT");
        rot->setNum("35");
        rot->setSecurity(true);
        setViolations(*rot, {23}, {0x09}, {0});
        rot->setRaio(80);
        after->removeMacro("SOS");
        after->findBySigla("INI")->setViolationReactions({3, 3, 0x81, 6, 0x85});
        const GroupDifference difference = compare(*before, *after);

        const QByteArray json = DifferenceJson(lists).document(difference, "a", "b");
        const QJsonObject expected = QJsonDocument::fromJson(R"json({
            "old": "a", "new": "b", "same": false, "header": [],
            "macros": [
              {"change": "changed", "num": "1", "sigla": "INI", "name": "INICIO DE VIAGEM", "fields": [
                 {"field": "reaction", "change": "added", "violation": 4, "bit": 7,
                  "name": "Foto da cabine"}]},
              {"change": "renumbered", "num": "35", "oldNum": "31", "sigla": "ROT",
               "name": "SOLICITACAO DE ROTA", "fields": [
                 {"field": "kind", "old": "information", "new": "security"},
                 {"field": "violation", "change": "added", "id": 23, "name": "Violação de Âncora",
                  "reactions": [{"bit": 0, "name": "Sinal sonoro na cabine"},
                                {"bit": 3, "name": "Sirene externa (Alarm)"}],
                  "time": 0, "radius": 80}]},
              {"change": "removed", "num": "50", "sigla": "SOS", "name": "EMERGENCIA (SOS)",
               "fields": []}]})json")
                                         .object();
        QCOMPARE(QJsonDocument::fromJson(json).object(), expected);

        // Without reference data the lists' entries show as numbers, and no names.
        const ReferenceLists none;
        const QString plain = DifferenceText(none).report(difference);
        QVERIFY2(plain.contains("ROT (35): violação adicionada: 23; reações: 1, 4; raio: 80 m\n"),
                 qPrintable(plain));
        QVERIFY(
            !DifferenceJson(none).field(difference.macros.at(1).changes.at(1)).contains("name"));
    }

    void executable_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("errors");

        // Arguments split at blanks; no errors expected where errors is empty.
        const auto row = [](const char* name, const char* arguments, int status,
                            const QString& output, const char* errors) {
            QTest::newRow(name) << QString(arguments).split(' ') << status << output << errors;
        };
        const QString name =
            "MAN (30): nome: \"SOLICITACAO DE MANUTENCAO\" -> \"PEDIDO DE MANUTENCAO\"\n";
        const char* const usage = "zor --diff OLD NEW [--format text|json] [--layout]";
        row("same", "--diff sample.mcx sample.mcx", 0, "", "");
        row("layout", "sample.mcx --diff changed.mcx --layout", 1,
            "INI (1): posição: (40, 40) -> (60, 40)\n" + name, "");
        Group changed{QString(), QString()};
        QVERIFY(changed.readFile(file("changed.mcx")));
        const GroupDifference difference = compare(*SampleGroups::sample(), changed);
        row("json", "--diff --format json sample.mcx changed.mcx", 1,
            DifferenceJson(lists).document(difference, "sample.mcx", "changed.mcx"), "");
        row("missing file", "--diff nothing.mcx sample.mcx", 2, "",
            "nothing.mcx: Não foi possível abrir o arquivo.");
        row("one file", "--diff sample.mcx", 2, "", usage);
        row("unknown format", "--diff --format xml sample.mcx changed.mcx", 2, "", usage);
    }

    void executable()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QString, errors);
        const QByteArray before = ZorTest::contentsOf(file("changed.mcx"));

        const ZorTest::HeadlessRun zor(arguments, env->path());
        QVERIFY2(zor.finished && zor.exitCode == status, qPrintable(zor.errors));
        QVERIFY2(zor.says(errors), qPrintable(zor.errors));
        QCOMPARE(QString::fromLocal8Bit(zor.output), output);
        QCOMPARE(ZorTest::contentsOf(file("changed.mcx")), before);
    }

private:
    QString file(const QString& name) const { return env->filePath(name); }
    GroupDifference compare(const Group& before, const Group& after, bool layout = false) const
    {
        CompareOptions options;
        options.layout = layout;
        options.timerFlags = lists.violationTimerFlags;
        options.anchorViolationId = Group::anchorSettings().anchorViolationId();
        return GroupComparer::compare(before, after, options);
    }

    std::unique_ptr<TestEnvironment> env;
    ReferenceLists lists;
};

QTEST_GUILESS_MAIN(TestCompare)
#include "tst_compare.moc"
