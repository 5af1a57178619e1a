#include "app/anchorsettings.h"
#include "io/mcrwriter.h"
#include "io/mcxwriter.h"
#include "model/flowdiagram.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"

#include <QtTest>

#include <functional>

namespace {

// The anchor violation of the sample data.
constexpr quint8 Anchor = 23;

Macro* makeMacro(const QString& num, const QString& sigla, bool anchor = false,
                 const QStringList& flow = {})
{
    auto* macro = new Macro(num, "MACRO " + sigla, "0", sigla, 2, false);
    if (anchor) {
        macro->setViolation({4, Anchor});
        macro->setViolationReactions({0, 0});
        macro->setViolationTimers({0, 0});
    }
    macro->setFlow(flow);
    macro->setFlowNum(QVector<quint16>(flow.size(), 0).toList());
    return macro;
}

// One box for every macro, or none while its rectangle is null.
class FakeDiagram : public FlowDiagram
{
public:
    bool boxGeometry(const Macro*, QPointF* position, QRectF* rect) const override
    {
        *position = box.first;
        *rect = box.second;
        return !rect->isNull();
    }

    QPair<QPointF, QRectF> box;
};

} // namespace

class TestGroup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env = std::make_unique<ZorTest::TestEnvironment>();
        QCOMPARE(ZorObject::anchorSettings().anchorViolationId(), int(Anchor));
    }

    void macroDefaults()
    {
        const Macro info("12", "INICIO", "3", "INI", 0, true);
        QVERIFY(!info.isSecurity());
        QCOMPARE(info.form(), QByteArray(800, ' '));
        QCOMPARE(info.confirmationText(), QByteArray(800, ' '));
        QCOMPARE(info.dimensions(), QRect(0, 0, 100, 80));
        // The sample data's default anchor radius.
        QCOMPARE(info.raio(), quint16(100));
        QVERIFY(Macro("1", "", "", "", 6, false).isSecurity());
    }

    void macroQueries()
    {
        Macro macro("1", "A", "0", "A", 1, false);
        macro.setViolation({4, 7, 23, 7});
        macro.setViolationTimers({10, 75, 240});
        macro.setViolationReactions({0x05, 0x80});
        QCOMPARE(macro.violationIndex(9), -1);
        QCOMPARE(macro.violationIndex(7), 1);
        QCOMPARE(macro.violationIndex(23), 2);
        QCOMPARE(macro.violationTimer(2), quint16(240));
        QCOMPARE(macro.violationTimer(3), quint16(0));
        // Bits of the reaction set at an index, modulo 32; none beyond the list.
        const QList<bool> bits{macro.hasReaction(0, 0),  macro.hasReaction(0, 1),
                               macro.hasReaction(0, 2),  macro.hasReaction(1, 7),
                               macro.hasReaction(1, 8),  macro.hasReaction(0, 32),
                               macro.hasReaction(1, 39), macro.hasReaction(2, 0)};
        QCOMPARE(bits, (QList<bool>{true, false, true, true, false, true, true, false}));
    }

    void typeColors()
    {
        // Types out of range take the colour of type 0.
        const QList<QColor> colors{{192, 220, 192}, {192, 220, 192}, {128, 128, 0},
                                   {255, 255, 0},   {0, 128, 0},     {153, 153, 153},
                                   {0, 128, 128},   Qt::white,       {192, 220, 192}};
        for (int type = -1; type <= 7; ++type)
            QCOMPARE(Macro::typeColor(type), colors.at(type + 1));
    }

    // The description keeps 280 characters; a value the group already holds
    // does not mark it.
    void header()
    {
        const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
        Group group(QStringLiteral("Frota"), QString(300, 'z'));
        QVERIFY(!group.isModified());
        const QDateTime created =
            QDateTime::fromString(group.creationDate(), QStringLiteral("yyyy/MM/dd hh:mm:ss"));
        QVERIFY2(created >= before, qPrintable(group.creationDate()));
        QCOMPARE(group.description(), QString(280, 'z'));
        group.setDescription(QString(280, 'z') + 'y');
        group.setName(QStringLiteral("Frota"));
        QVERIFY(!group.isModified());
        group.setDescription(QString(281, 'y'));
        QCOMPARE(group.description(), QString(280, 'y'));
        QVERIFY(group.isModified());
        group.setModified(false);
        group.setName(QStringLiteral("B"));
        QVERIFY(group.isModified());
        QCOMPARE(group.name(), QStringLiteral("B"));
    }

    // Every value counts, each on its own.
    void sameValues()
    {
        const QList<std::function<void(Macro&)>> changes{
            [](Macro& m) { m.setNum("2"); },
            [](Macro& m) { m.setName("B"); },
            [](Macro& m) { m.setShortcut("3"); },
            [](Macro& m) { m.setSigla("T"); },
            [](Macro& m) { m.setType(4); },
            [](Macro& m) { m.setSecurity(false); },
            [](Macro& m) { m.setForm(QByteArray("F")); },
            [](Macro& m) { m.setFormFields("F"); },
            [](Macro& m) { m.setConfirmationText(QByteArray("C")); },
            [](Macro& m) { m.setValidationInt(1); },
            [](Macro& m) { m.setAutomation({1}); },
            [](Macro& m) { m.setViolation({1}); },
            [](Macro& m) { m.setViolationReactions({1}); },
            [](Macro& m) { m.setViolationTimers({1}); },
            [](Macro& m) { m.setSecureSensors({1}); },
            [](Macro& m) { m.setSecureActuators({1}); },
            [](Macro& m) { m.setRaio(7); },
            [](Macro& m) { m.setFlow({"X"}); },
            [](Macro& m) { m.setFlowNum({1}); },
            [](Macro& m) { m.setFlowPos({1}); },
            [](Macro& m) { m.setDimensions(QRect(1, 2, 3, 4)); },
            [](Macro& m) { m.setPosition(QPoint(5, 6)); }};
        const Macro base("1", "A", "0", "S", 1, false);
        QVERIFY(base.hasSameValues(Macro(base)));
        for (int i = 0; i < changes.size(); ++i) {
            Macro other(base);
            changes.at(i)(other);
            QVERIFY2(!base.hasSameValues(other), qPrintable(QString::number(i)));
        }
    }

    void macroList()
    {
        Group group{QString(), QString()};
        Macro* first = makeMacro("10", "AB");
        Macro* second = makeMacro("11", "AB");
        Macro* third = makeMacro("12", "CD");
        first->setShortcut("5");
        third->setShortcut("5");
        // Whether the change marks the group modified.
        const auto modifies = [&](const std::function<void()>& change) {
            group.setModified(false);
            change();
            return group.isModified();
        };
        QVERIFY(modifies([&] { group.addMacro(first); }));
        group.addMacro(nullptr);
        group.addMacro(third);
        QVERIFY(modifies([&] { group.insertMacro(1, second); }));
        QCOMPARE(group.macros(), (QList<Macro*>{first, second, nullptr, third}));

        QCOMPARE(group.findBySigla("AB"), first);
        QCOMPARE(group.findBySigla("ab"), nullptr);
        QCOMPARE(group.findByNumber("11"), second);
        QCOMPARE(group.findByNumber("011"), nullptr);
        QCOMPARE(group.findByShortcut("5"), first);
        QCOMPARE(group.findByShortcut("7"), nullptr);

        QVERIFY(!modifies([&] { group.removeMacro("Z"); }));
        QVERIFY(modifies([&] { QCOMPARE(group.takeMacro(third), third); }));
        QVERIFY(!modifies([&] { QCOMPARE(group.takeMacro(third), nullptr); }));
        delete third;
        // The first of two equal acronyms goes; the sanitizer build reports the
        // macro should it not be deleted.
        QVERIFY(modifies([&] { group.removeMacro("AB"); }));
        QCOMPARE(group.macros(), (QList<Macro*>{second, nullptr}));
        group.insertMacro(-1, makeMacro("13", "EF"));
        QCOMPARE(group.macros().last()->sigla(), QStringLiteral("EF"));
        group.clear();
        QCOMPARE(group.macroCount(), 0);
    }

    void updateFlowNumbers()
    {
        Group group{QString(), QString()};
        Macro* source = makeMacro("1", "SRC", false, {"TGT", "", "NON", "SRC"});
        source->setFlowNum({12, 0, 44, 1});
        Macro* target = makeMacro("12", "TGT");
        group.addMacro(source);
        group.addMacro(target);
        group.addMacro(makeMacro("99", "TGT"));

        QVERIFY(!group.updateFlowNumbers());
        QCOMPARE(source->flowNum(), (QList<quint16>{12, 0, 44, 1}));

        target->setNum(QStringLiteral("15"));
        QVERIFY(group.updateFlowNumbers());
        // The entry without a macro keeps its number; the empty one is skipped.
        QCOMPARE(source->flowNum(), (QList<quint16>{15, 0, 44, 1}));

        // A number that is not numeric counts as 0.
        target->setNum(QStringLiteral("x"));
        QVERIFY(group.updateFlowNumbers());
        QCOMPARE(source->flowNum().first(), quint16(0));
    }

    void anchorSequences()
    {
        Group group{QString(), QString()};
        QString from = QStringLiteral("unchanged");
        QString next;
        QVERIFY(!group.findAnchorSequence(from, next));
        QCOMPARE(from, QStringLiteral("unchanged"));
        // A: anchor, follows into N (none), B twice and itself; B: anchor, back
        // into A; C: anchor, into an unknown acronym and an empty slot.
        group.addMacro(makeMacro("1", "A", true, {"N", "B", "B", "A"}));
        group.addMacro(makeMacro("2", "N", false, {"A", "B"}));
        group.addMacro(makeMacro("3", "B", true, {"A"}));
        group.addMacro(makeMacro("4", "C", true, {"X", ""}));
        QStringList found;
        for (const auto& pair : group.anchorSequences())
            found.append(pair.first->sigla() + "->" + pair.second->sigla());
        QCOMPARE(found, (QStringList{"A->B", "A->A", "B->A"}));

        // The save refuses on the first pair, which it names.
        QVERIFY(group.findAnchorSequence(from, next));
        QCOMPARE(from + "->" + next, QStringLiteral("A->B"));
    }

    void wouldCreateAnchorSequence_data()
    {
        QTest::addColumn<QStringList>("storedFlow");
        QTest::addColumn<bool>("anchor");
        QTest::addColumn<QStringList>("newFlow");
        QTest::addColumn<bool>("tFollowsIntoS");
        QTest::addColumn<bool>("expected");

        // S is the edited macro, T has anchor, U has none; flows separated by ",".
        const auto row = [](const char* name, const char* stored, bool anchor, const char* flow,
                            bool tFollowsIntoS, bool expected) {
            QTest::newRow(name) << QString(stored).split(',', Qt::SkipEmptyParts) << anchor
                                << QString(flow).split(',') << tFollowsIntoS << expected;
        };
        row("new flow replaces the stored one", "U", true, "T", false, true);
        row("stored flow left behind", "T", true, "U", false, false);
        row("edited macro without anchor", "", false, "T", false, false);
        row("flow to itself", "", true, "S", false, true);
        row("unknown acronym and an empty slot", "", true, "ZZ,", false, false);
        row("T follows into S", "", true, "", true, true);
        row("into S, which loses its anchor", "", false, "", true, false);
    }

    void wouldCreateAnchorSequence()
    {
        QFETCH(QStringList, storedFlow);
        QFETCH(bool, anchor);
        QFETCH(QStringList, newFlow);
        QFETCH(bool, tFollowsIntoS);

        Group group{QString(), QString()};
        group.addMacro(makeMacro("1", "S", !anchor, storedFlow));
        group.addMacro(makeMacro("2", "T", true, tFollowsIntoS ? QStringList{"S"} : QStringList{}));
        group.addMacro(makeMacro("3", "U"));
        QTEST(group.wouldCreateAnchorSequence("S", anchor, newFlow), "expected");
    }

    void messages_data()
    {
        QTest::addColumn<int>("version"); // 0: the anchor sequence error, -1: with its pair
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("richText");

        const QString sequence =
            "Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte o "
            "manual e revise o sequenciamento das macros.";
        const QString older = "O arquivo foi gerado em uma versão mais antiga do Zor.";
        QTest::newRow("anchor sequence") << 0 << sequence << "Atenção!" << false;
        QTest::newRow("anchor sequence, named") << -1 << sequence + " (Macro A->B)"
                                                << "Atenção!" << false;
        QTest::newRow("current version") << 2100 << QString() << QString() << false;
        QTest::newRow("older version") << 2099 << older << "" << false;
        QTest::newRow("newer version")
            << 2101
            << "O arquivo foi gerado em uma versão mais nova do Zor  e pode conter funcionalidades "
               "não suportadas. Faça o download da versão mais recente do Zor na página da Orvenda "
               "(<a href=\"https://www.orvenda.com/zor/download\">"
               "https://www.orvenda.com/zor/download</a>)"
            << "" << true;
    }

    void messages()
    {
        QFETCH(int, version);
        QFETCH(QString, text);

        MessageRecorder recorder;
        Group group{QString(), QString()};
        if (version == 0)
            group.showAnchorSequenceError();
        else if (version == -1)
            group.showAnchorSequenceError(QStringLiteral("A"), QStringLiteral("B"));
        else
            QVERIFY(group.checkVersion(version));
        QCOMPARE(recorder.texts(), text.isEmpty() ? QStringList() : QStringList{text});
        if (text.isEmpty())
            return;
        const UserMessage& message = recorder.messages.first();
        QCOMPARE(message.icon, UserMessage::Icon::Warning);
        QTEST(message.title, "title");
        QTEST(message.richText, "richText");
        QCOMPARE(message.buttonText, version > 0 ? QString() : QStringLiteral("Ok"));
    }

    void syncGeometry()
    {
        Group group{QString(), QString()};
        Macro* macro = makeMacro("1", "A");
        group.addMacro(macro);
        macro->setPosition(QPoint(5, 5));
        group.syncGeometry(macro);
        FakeDiagram diagram;
        group.setGraph(&diagram);
        group.syncGeometry(macro); // no box for the macro: unchanged
        group.syncGeometry(nullptr);
        QCOMPARE(macro->position(), QPoint(5, 5));

        // Both writers take the box as the diagram shows it.
        diagram.box = {QPointF(180.4, 39.6), QRectF(0, 0, 121, 81)};
        McrWriter::toBytes(group);
        QCOMPARE(macro->position(), QPoint(180, 40));
        QCOMPARE(macro->dimensions(), QRect(0, 0, 121, 81));

        // Resized from its top-left corner: the stored box is where it is drawn.
        diagram.box = {QPointF(200, 100), QRectF(-20, 10, 140, 70.6)};
        McxWriter::toJson(group);
        QCOMPARE(macro->position(), QPoint(180, 110));
        QCOMPARE(macro->dimensions(), QRect(0, 0, 140, 71));

        // A snapshot taken while the box is dragged keeps the stored place, which
        // the drag's command takes as its start.
        diagram.box = {QPointF(900, 900), QRectF(0, 0, 10, 10)};
        const QByteArray snapshot = McxWriter::snapshot(group);
        QCOMPARE(macro->position(), QPoint(180, 110));
        group.setGraph(nullptr);
        QCOMPARE(snapshot, McxWriter::toJson(group));
    }

private:
    std::unique_ptr<ZorTest::TestEnvironment> env;
};

QTEST_GUILESS_MAIN(TestGroup)
#include "tst_group.moc"
