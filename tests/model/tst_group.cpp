#include "app/anchorsettings.h"
#include "io/mcxwriter.h"
#include "model/flowdiagram.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"

#include <QtTest>

namespace {

// The anchor violation of the sample data.
constexpr quint8 Anchor = 23;

Macro* makeMacro(const QString& num, const QString& sigla, const QString& shortcut = "0",
                 bool anchor = false, const QStringList& flow = {})
{
    auto* macro = new Macro(num, QStringLiteral("MACRO ") + sigla, shortcut, sigla, 2, false);
    if (anchor) {
        macro->setViolation({4, Anchor});
        macro->setViolationReactions({0, 0});
        macro->setViolationTimers({0, 0});
    }
    macro->setFlow(flow);
    QList<quint16> numbers;
    QList<quint16> positions;
    for (int i = 0; i < flow.size(); ++i) {
        numbers.append(0);
        positions.append(quint16(i));
    }
    macro->setFlowNum(numbers);
    macro->setFlowPos(positions);
    return macro;
}

QStringList consoleMessages;

void recordMessage(QtMsgType, const QMessageLogContext&, const QString& text)
{
    consoleMessages.append(text);
}

class FakeDiagram : public FlowDiagram
{
public:
    bool boxGeometry(const Macro* macro, QPointF* position, QRectF* rect) const override
    {
        if (!boxes.contains(macro->sigla()))
            return false;
        *position = boxes.value(macro->sigla()).first;
        *rect = boxes.value(macro->sigla()).second;
        return true;
    }

    QHash<QString, QPair<QPointF, QRectF>> boxes;
};

} // namespace

class TestGroup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void construction();
    void lookups();
    void removeMacroDeletesIt();
    void description_data();
    void description();
    void updateFlowNumbers();
    void anchorSequences();
    void wouldCreateAnchorSequence_data();
    void wouldCreateAnchorSequence();
    void anchorSequenceMessages();
    void checkVersion_data();
    void checkVersion();
    void syncGeometry();

private:
    std::unique_ptr<ZorTest::TestEnvironment> env;
};

void TestGroup::initTestCase()
{
    env = std::make_unique<ZorTest::TestEnvironment>();
    QCOMPARE(ZorObject::anchorSettings().anchorViolationId(), int(Anchor));
}

void TestGroup::construction()
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    Group group(QStringLiteral("Frota"), QStringLiteral("Rotas do sul"));
    QCOMPARE(group.name(), QStringLiteral("Frota"));
    QCOMPARE(group.description(), QStringLiteral("Rotas do sul"));
    QVERIFY(!group.isModified());
    const QDateTime created =
        QDateTime::fromString(group.creationDate(), QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    QVERIFY2(created.isValid(), qPrintable(group.creationDate()));
    QVERIFY(created >= before.addSecs(-1));
}

void TestGroup::lookups()
{
    Group group{QString(), QString()};
    Macro* first = makeMacro("10", "AB", "5");
    Macro* second = makeMacro("11", "AB", "6");
    Macro* third = makeMacro("12", "CD", "5");
    group.addMacro(first);
    group.addMacro(second);
    group.addMacro(third);
    QVERIFY(group.isModified());
    QCOMPARE(group.macroCount(), 3);

    QCOMPARE(group.findBySigla("AB"), first);
    QCOMPARE(group.findBySigla("ab"), nullptr);
    QCOMPARE(group.findBySigla(""), nullptr);
    QCOMPARE(group.findByNumber("11"), second);
    QCOMPARE(group.findByNumber("011"), nullptr);
    QCOMPARE(group.findByShortcut("5"), first);
    QCOMPARE(group.findByShortcut("7"), nullptr);
    QCOMPARE(group.macros(), (QList<Macro*>{first, second, third}));
}

void TestGroup::removeMacroDeletesIt()
{
    Group group{QString(), QString()};
    group.addMacro(makeMacro("1", "A"));
    group.addMacro(makeMacro("2", "B"));
    group.addMacro(makeMacro("3", "B"));
    group.setModified(false);

    group.removeMacro("Z");
    QCOMPARE(group.macroCount(), 3);
    QVERIFY(!group.isModified());

    // The first of two equal acronyms goes; the sanitizer build reports the
    // macro should it not be deleted.
    group.removeMacro("B");
    QCOMPARE(group.macroCount(), 2);
    QCOMPARE(group.findBySigla("B")->num(), QStringLiteral("3"));
    QVERIFY(group.isModified());

    group.clear();
    QCOMPARE(group.macroCount(), 0);
}

void TestGroup::description_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");

    QTest::newRow("short") << QStringLiteral("Entregas") << QStringLiteral("Entregas");
    QTest::newRow("280") << QString(280, 'x') << QString(280, 'x');
    QTest::newRow("281") << QString(281, 'y') << QString(280, 'y');
    QTest::newRow("300") << QString(280, 'a') + QString(20, 'b') << QString(280, 'a');
}

void TestGroup::description()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);

    Group group(QString(), QString(300, 'z'));
    QCOMPARE(group.description(), QString(280, 'z'));
    group.setDescription(text);
    QCOMPARE(group.description(), stored);
    QVERIFY(group.isModified());

    group.setModified(false);
    group.setDescription(text);
    QVERIFY2(!group.isModified(), "setting the same text again changes nothing");
    group.setDescription(stored);
    QVERIFY(!group.isModified());

    group.setName(QString());
    QVERIFY(!group.isModified());
    group.setName(QStringLiteral("B"));
    QVERIFY(group.isModified());
    QCOMPARE(group.name(), QStringLiteral("B"));
}

void TestGroup::updateFlowNumbers()
{
    Group group{QString(), QString()};
    Macro* source = makeMacro("1", "SRC", "0", false, {"TGT", "", "NON", "SRC"});
    source->setFlowNum({12, 0, 44, 1});
    Macro* target = makeMacro("12", "TGT");
    group.addMacro(source);
    group.addMacro(target);

    QVERIFY(!group.updateFlowNumbers());
    QCOMPARE(source->flowNum(), (QList<quint16>{12, 0, 44, 1}));

    target->setNum(QStringLiteral("15"));
    // Its lines go to the debug log only, never to the console.
    const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
    const bool changed = group.updateFlowNumbers();
    qInstallMessageHandler(previous);
    QVERIFY(changed);
    QCOMPARE(consoleMessages, QStringList());
    // The entry without a macro keeps its number; the empty one is skipped.
    QCOMPARE(source->flowNum(), (QList<quint16>{15, 0, 44, 1}));
    QVERIFY(!group.updateFlowNumbers());

    // A number that is not numeric counts as 0.
    target->setNum(QStringLiteral("x"));
    QVERIFY(group.updateFlowNumbers());
    QCOMPARE(source->flowNum().first(), quint16(0));
}

void TestGroup::anchorSequences()
{
    Group group{QString(), QString()};
    QCOMPARE(group.anchorSequences().size(), 0);
    QString from = QStringLiteral("unchanged");
    QString next;
    QVERIFY(!group.findAnchorSequence(from, next));
    QCOMPARE(from, QStringLiteral("unchanged"));
    // A: anchor, follows into N (none), B twice and itself; B: anchor, back
    // into A; C: anchor, into an unknown acronym and an empty slot.
    group.addMacro(makeMacro("1", "A", "0", true, {"N", "B", "B", "A"}));
    group.addMacro(makeMacro("2", "N", "0", false, {"A", "B"}));
    group.addMacro(makeMacro("3", "B", "0", true, {"A"}));
    group.addMacro(makeMacro("4", "C", "0", true, {"X", ""}));
    const auto pairs = group.anchorSequences();
    QStringList found;
    for (const auto& pair : pairs)
        found.append(pair.first->sigla() + "->" + pair.second->sigla());
    QCOMPARE(found, (QStringList{"A->B", "A->A", "B->A"}));

    // The save refuses on the first pair, which it names.
    QVERIFY(group.findAnchorSequence(from, next));
    QCOMPARE(from + "->" + next, QStringLiteral("A->B"));
}

void TestGroup::wouldCreateAnchorSequence_data()
{
    QTest::addColumn<QStringList>("storedFlow");
    QTest::addColumn<bool>("anchor");
    QTest::addColumn<QStringList>("newFlow");
    QTest::addColumn<bool>("expected");

    // S is the edited macro, T has anchor, U has none.
    QTest::newRow("empty stored flow takes the new one") << QStringList{} << true
                                                         << QStringList{"T"} << true;
    QTest::newRow("new flow replaces the stored one")
        << QStringList{"U"} << true << QStringList{"T"} << true;
    QTest::newRow("stored flow left behind")
        << QStringList{"T"} << true << QStringList{"U"} << false;
    QTest::newRow("edited macro without anchor") << QStringList{} << false
                                                 << QStringList{"T"} << false;
    QTest::newRow("flow to itself") << QStringList{} << true << QStringList{"S"} << true;
    QTest::newRow("unknown acronym") << QStringList{} << true << QStringList{"ZZ", ""} << false;
    QTest::newRow("T follows into S") << QStringList{} << true << QStringList{} << true;
}

void TestGroup::wouldCreateAnchorSequence()
{
    QFETCH(QStringList, storedFlow);
    QFETCH(bool, anchor);
    QFETCH(QStringList, newFlow);

    Group group{QString(), QString()};
    group.addMacro(makeMacro("1", "S", "0", false, storedFlow));
    const bool tFlowsToS = QString(QTest::currentDataTag()) == QLatin1String("T follows into S");
    group.addMacro(makeMacro("2", "T", "0", true, tFlowsToS ? QStringList{"S"} : QStringList{}));
    group.addMacro(makeMacro("3", "U"));
    QTEST(group.wouldCreateAnchorSequence("S", anchor, newFlow), "expected");
}

void TestGroup::anchorSequenceMessages()
{
    MessageRecorder recorder;
    Group group{QString(), QString()};
    const QString base = QStringLiteral(
        "Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte o "
        "manual e revise o sequenciamento das macros.");

    group.showAnchorSequenceError();
    group.showAnchorSequenceError(QStringLiteral("A"), QStringLiteral("B"));
    QCOMPARE(recorder.messages.size(), 2);
    QCOMPARE(recorder.messages.at(0).text, base);
    QCOMPARE(recorder.messages.at(1).text, base + QStringLiteral(" (Macro A->B)"));
    for (const UserMessage& message : qAsConst(recorder.messages)) {
        QCOMPARE(message.icon, UserMessage::Icon::Warning);
        QCOMPARE(message.title, QStringLiteral("Atenção!"));
        QCOMPARE(message.buttonText, QStringLiteral("Ok"));
        QVERIFY(!message.richText);
    }
}

void TestGroup::checkVersion_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("textStart");
    QTest::addColumn<bool>("richText");

    QTest::newRow("current") << 2100 << QString() << false;
    QTest::newRow("older") << 2000 << QStringLiteral(
        "O arquivo foi gerado em uma versão mais antiga do Zor.") << false;
    QTest::newRow("zero") << 0 << QStringLiteral(
        "O arquivo foi gerado em uma versão mais antiga do Zor.") << false;
    QTest::newRow("newer") << 2200 << QStringLiteral(
        "O arquivo foi gerado em uma versão mais nova do Zor  e pode conter funcionalidades não "
        "suportadas. Faça o download da versão mais recente do Zor na página da Orvenda (<a href=")
                           << true;
}

void TestGroup::checkVersion()
{
    QFETCH(int, version);
    QFETCH(QString, textStart);
    QFETCH(bool, richText);

    MessageRecorder recorder;
    Group group{QString(), QString()};
    QVERIFY(group.checkVersion(version));
    if (textStart.isEmpty()) {
        QVERIFY(recorder.messages.isEmpty());
        return;
    }
    QCOMPARE(recorder.messages.size(), 1);
    const UserMessage& message = recorder.messages.first();
    QCOMPARE(message.icon, UserMessage::Icon::Warning);
    QVERIFY(message.title.isEmpty());
    QCOMPARE(message.richText, richText);
    QVERIFY2(message.text.startsWith(textStart), qPrintable(message.text));
    if (richText)
        QVERIFY(message.text.endsWith(QStringLiteral("</a>)")));
    else
        QCOMPARE(message.text, textStart);
}

void TestGroup::syncGeometry()
{
    Group group{QString(), QString()};
    Macro* macro = makeMacro("1", "A");
    group.addMacro(macro);
    macro->setPosition(QPoint(5, 5));

    group.syncGeometry(macro);
    QCOMPARE(macro->position(), QPoint(5, 5));

    FakeDiagram diagram;
    group.setGraph(&diagram);
    group.syncGeometry(macro); // no box for the macro: unchanged
    QCOMPARE(macro->position(), QPoint(5, 5));

    diagram.boxes.insert("A", {QPointF(180.4, 39.6), QRectF(0, 0, 121, 81)});
    group.syncGeometry(macro);
    QCOMPARE(macro->position(), QPoint(180, 40));
    QCOMPARE(macro->dimensions(), QRect(0, 0, 121, 81));

    // Resized from its top-left corner: the stored box is where it is drawn.
    diagram.boxes.insert("A", {QPointF(200, 100), QRectF(-20, 10, 140, 70.6)});
    group.syncGeometry(macro);
    QCOMPARE(macro->position(), QPoint(180, 110));
    QCOMPARE(macro->dimensions(), QRect(0, 0, 140, 71));

    // A snapshot taken while the box is dragged keeps the stored place, which
    // the drag's command takes as its start.
    diagram.boxes.insert("A", {QPointF(900, 900), QRectF(0, 0, 10, 10)});
    const QByteArray snapshot = McxWriter::snapshot(group);
    QCOMPARE(macro->position(), QPoint(180, 110));
    group.setGraph(nullptr);
    QCOMPARE(snapshot, McxWriter::toJson(group));
}

QTEST_GUILESS_MAIN(TestGroup)
#include "tst_group.moc"
