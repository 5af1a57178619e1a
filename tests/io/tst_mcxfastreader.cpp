#include "io/mcxfastreader.h"
#include "io/mcxreader.h"
#include "io/mcxstructurecheck.h"
#include "io/mcxwriter.h"
#include "macrodiff.h"
#include "model/group.h"
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
#include <QRandomGenerator>
#include <QtTest>

using ZorTest::TestEnvironment;

namespace {

QByteArray compact(const QJsonObject& root)
{
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

QByteArray indented(const QByteArray& json)
{
    return QJsonDocument::fromJson(json).toJson(QJsonDocument::Indented);
}

// The group as the toolkit's document gives it, step by step as the
// reader's algorithm reads it: the reference for the one-pass reader.
std::unique_ptr<Group> readThroughDocument(const QByteArray& data)
{
    const QJsonObject root = QJsonDocument::fromJson(data).object();
    QString key;
    if (!McxStructureCheck::check(root, &key))
        return nullptr;
    auto group = std::make_unique<Group>(QString(), QString());
    const QJsonObject header = root.value("header").toObject();
    int version = 0;
    McxReader::versionOf(header.value("version"), &version);
    group->setVersion(version);
    group->setName(header.value("name").toString());
    group->setDescription(header.value("description").toString());
    group->setCreationDate(header.value("creationDate").toString());
    const QJsonArray macros = root.value("macros").toArray();
    for (const QJsonValue& element : macros)
        group->addMacro(new Macro(element.toObject(), group->version()));
    return group;
}

std::unique_ptr<Group> groupOf(McxFastReader& reader)
{
    auto group = std::make_unique<Group>(reader.name(), reader.description());
    group->setCreationDate(reader.creationDate());
    std::vector<std::unique_ptr<Macro>> macros = reader.takeMacros();
    for (std::unique_ptr<Macro>& macro : macros)
        group->addMacro(macro.release());
    return group;
}

QString randomText(QRandomGenerator& random, int length)
{
    // Controls, ASCII, Latin-1, the rest of the BMP but surrogates, and
    // pairs: everything a name or a screen may hold.
    static const int ranges[][2] = {
        {0, 0x20}, {0x20, 0x80}, {0x20, 0x80}, {0x80, 0x100}, {0xe000, 0x10000}};
    QString text;
    for (int i = 0; i < length; ++i) {
        const int pick = int(random.bounded(6));
        if (pick == 5)
            text += QString::fromUcs4(U"\U0001F69A");
        else
            text += QChar(ushort(random.bounded(ranges[pick][0], ranges[pick][1])));
    }
    return text;
}

QList<quint8> randomBytes(QRandomGenerator& random, int count)
{
    QList<quint8> bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(quint8(random.bounded(256)));
    return bytes;
}

std::unique_ptr<Group> randomGroup(quint32 seed)
{
    QRandomGenerator random(seed);
    auto group = std::make_unique<Group>(randomText(random, 12), randomText(random, 40));
    group->setCreationDate(randomText(random, 19));
    const int count = int(random.bounded(1, 8));
    for (int m = 0; m < count; ++m) {
        auto* macro = new Macro(QString::number(random.bounded(-5, 1000)), randomText(random, 10),
                                QString::number(random.bounded(0, 100)), randomText(random, 3),
                                int(random.bounded(0, 7)), random.bounded(2) == 1);
        QByteArray form(Macro::ScreenSize, ' ');
        QByteArray confirmation(Macro::ScreenSize, ' ');
        for (int i = 0; i < Macro::ScreenSize; ++i) {
            form[i] = char(random.bounded(256));
            confirmation[i] = char(random.bounded(256));
        }
        macro->setForm(form);
        macro->setConfirmationText(confirmation);
        macro->setValidationInt(quint16(random.bounded(65536)));
        macro->setAutomation(randomBytes(random, int(random.bounded(4))));
        const int violations = int(random.bounded(25));
        macro->setViolation(randomBytes(random, violations));
        macro->setViolationReactions(randomBytes(random, violations));
        QList<quint16> timers;
        for (int i = 0; i < violations; ++i)
            timers.append(quint16(random.bounded(2) ? 1 : random.bounded(65536)));
        macro->setViolationTimers(timers);
        macro->setRaio(quint16(random.bounded(65536)));
        macro->setSecureSensors(randomBytes(random, int(random.bounded(5))));
        macro->setSecureActuators(randomBytes(random, int(random.bounded(5))));
        QStringList flow;
        QList<quint16> numbers;
        QList<quint16> positions;
        const int next = int(random.bounded(13));
        for (int i = 0; i < next; ++i) {
            flow.append(random.bounded(5) ? randomText(random, 3) : QString());
            numbers.append(quint16(random.bounded(5) ? random.bounded(1, 1000) : 0));
            positions.append(quint16(random.bounded(65536)));
        }
        macro->setFlow(flow);
        macro->setFlowNum(numbers);
        macro->setFlowPos(positions);
        macro->setDimensions(QRect(int(random.bounded(-100, 100)), int(random.bounded(100)),
                                   int(random.bounded(40, 400)), int(random.bounded(40, 400))));
        macro->setPosition(QPoint(int(random.bounded(-3000, 6000)), int(random.bounded(6000))));
        group->addMacro(macro);
    }
    return group;
}

// A document written by the program, as an object to change.
QJsonObject savedDocument()
{
    return QJsonDocument::fromJson(McxWriter::toJson(*SampleGroups::everyField())).object();
}

// The saved document with one key of the header or of the first macro set,
// or removed (an undefined value), as compact text.
QByteArray changed(bool inHeader, const QString& key, const QJsonValue& value)
{
    QJsonObject root = savedDocument();
    QJsonArray macros = root.value("macros").toArray();
    QJsonObject object = inHeader ? root.value("header").toObject() : macros.at(0).toObject();
    if (value.isUndefined())
        object.remove(key);
    else
        object.insert(key, value);
    if (inHeader) {
        root.insert("header", object);
    } else {
        macros.replace(0, object);
        root.insert("macros", macros);
    }
    return compact(root);
}

QByteArray macroChanged(const QString& key, const QJsonValue& value)
{
    return changed(false, key, value);
}

QByteArray headerChanged(const QString& key, const QJsonValue& value)
{
    return changed(true, key, value);
}

QByteArray withViolations(const QJsonArray& violations)
{
    return macroChanged("violacoes", violations);
}

} // namespace

class TestMcxFastReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsAsTheDocument_data();
    void readsAsTheDocument();
    void declines_data();
    void declines();
    void keptFiles_data();
    void keptFiles();
    void readerTakesEitherWay_data();
    void readerTakesEitherWay();

private:
    std::unique_ptr<TestEnvironment> environment;
};

void TestMcxFastReader::initTestCase()
{
    environment = std::make_unique<TestEnvironment>();
    QVERIFY(environment->isValid());
}

void TestMcxFastReader::readsAsTheDocument_data()
{
    // Documents the one-pass reader takes.
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("timerOfOne");

    QTest::newRow("sample") << McxWriter::toJson(*SampleGroups::sample()) << false;
    QTest::newRow("sample rewritten")
        << indented(McxWriter::toJson(*SampleGroups::sample())) << false;
    QTest::newRow("every field") << McxWriter::toJson(*SampleGroups::everyField()) << false;
    QTest::newRow("empty group") << McxWriter::toJson(
                                        *std::make_unique<Group>(QString(), QString()))
                                 << false;
    for (quint32 seed = 1; seed <= 40; ++seed) {
        const QByteArray json = McxWriter::toJson(*randomGroup(seed));
        QTest::newRow(qPrintable(QStringLiteral("random %1").arg(seed)))
            << json << json.contains("\"tempo\":1}");
    }
    QTest::newRow("idMacro at int's end") << macroChanged("idMacro", 2147483647) << false;
    QTest::newRow("anchor without raio")
        << withViolations({QJsonObject{{"id", 23}, {"reacao", 3}, {"tempo", 20}}}) << false;
    QTest::newRow("raio on another violation")
        << withViolations({QJsonObject{{"id", 7}, {"raio", 900}, {"reacao", 3}, {"tempo", 20}}})
        << false;
    QTest::newRow("timer dropped before")
        << withViolations({QJsonObject{{"id", 4}, {"reacao", 3}}}) << false;
    QTest::newRow("timer of 1") << withViolations(
                                       {QJsonObject{{"id", 4}, {"reacao", 3}, {"tempo", 1}}})
                                << true;
    QTest::newRow("skipped keys of any type")
        << macroChanged("flow", QJsonObject{{"a", QJsonArray{1, "b", QJsonValue()}}}) << false;
    QTest::newRow("empty lists") << macroChanged("fluxoMacros", QJsonArray()) << false;
}

void TestMcxFastReader::readsAsTheDocument()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, timerOfOne);

    MessageRecorder recorder;
    McxFastReader reader;
    QVERIFY(reader.read(json));
    QCOMPARE(reader.hasTimerOfOne(), timerOfOne);
    QCOMPARE(reader.indented(), indented(json));

    const std::unique_ptr<Group> expected = readThroughDocument(json);
    QVERIFY(expected);
    QCOMPARE(expected->version(), 2100);
    const std::unique_ptr<Group> actual = groupOf(reader);
    QCOMPARE(groupDifference(*expected, *actual), QString());

    // A read that writes no indented text reads the same.
    McxFastReader readOnly;
    QVERIFY(readOnly.read(json, false));
    QCOMPARE(readOnly.indented(), QByteArray());
    QCOMPARE(groupDifference(*expected, *groupOf(readOnly)), QString());
}

void TestMcxFastReader::declines_data()
{
    // Documents left to the toolkit's reader: another version, a key missing
    // or added, a value of another type, text not in the toolkit's form.
    QTest::addColumn<QByteArray>("json");

    QTest::newRow("version 2000") << headerChanged("version", 2000);
    QTest::newRow("version as text") << headerChanged("version", "2.1.0.0");
    QTest::newRow("no nMacros") << headerChanged("nMacros", QJsonValue::Undefined);
    QTest::newRow("name as number") << headerChanged("name", 5);
    QTest::newRow("extra header key") << headerChanged("author", "x");
    const QStringList keys = savedDocument().value("macros").toArray().at(0).toObject().keys();
    QCOMPARE(keys.size(), 26);
    for (const QString& key : keys)
        QTest::newRow(qPrintable("without " + key)) << macroChanged(key, QJsonValue::Undefined);
    QTest::newRow("extra macro key") << macroChanged("extra", 1);
    QTest::newRow("sigla as number") << macroChanged("sigla", 7);
    QTest::newRow("idMacro as text") << macroChanged("idMacro", "7");
    QTest::newRow("informacao as number") << macroChanged("informacao", 1);
    QTest::newRow("fraction") << macroChanged("type", 2.5);
    // The toolkit's reader tells what a number beyond int became.
    QTest::newRow("idMacro past int") << macroChanged("idMacro", 2147483648.0);
    QTest::newRow("atalho below int") << macroChanged("atalho", -2147483649.0);
    QTest::newRow("type, fifteen digits") << macroChanged("type", 999999999999999.0);
    QTest::newRow("automacao with text") << macroChanged("automacao", QJsonArray{1, "2"});
    QTest::newRow("dimensions as array") << macroChanged("dimensions", QJsonArray());
    QTest::newRow("position without y") << macroChanged("position", QJsonObject{{"x", 1}});
    QTest::newRow("violation without id")
        << withViolations({QJsonObject{{"reacao", 3}, {"tempo", 2}}});
    QTest::newRow("violation as number") << withViolations({5});
    QTest::newRow("flow entry with extra key") << macroChanged(
        "fluxoMacros",
        QJsonArray{QJsonObject{{"idMacro", 1}, {"nome", "A"}, {"posicao", 0}, {"z", 1}}});
    QTest::newRow("macros as object") << compact(
        QJsonObject{{"header", savedDocument().value("header")}, {"macros", QJsonObject()}});
    QTest::newRow("root key added") << compact(QJsonObject{
        {"header", savedDocument().value("header")}, {"macros", QJsonArray()}, {"z", 1}});
    QByteArray unordered = McxWriter::toJson(*SampleGroups::sample());
    unordered.replace("\"nMacros\":12,\"name\"", "\"name\"");
    unordered.replace("\"version\":2100}", "\"version\":2100,\"nMacros\":12}");
    QTest::newRow("keys out of order") << unordered;
    QTest::newRow("not JSON") << QByteArray("{\"header\":");
}

void TestMcxFastReader::declines()
{
    QFETCH(QByteArray, json);
    McxFastReader reader;
    QVERIFY(!reader.read(json));
    QVERIFY(reader.takeMacros().empty());
    QVERIFY(reader.indented().isEmpty());
}

void TestMcxFastReader::keptFiles_data()
{
    QTest::addColumn<QString>("file");
    for (const QString& file : ZorTest::keptMcxFiles())
        QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
}

void TestMcxFastReader::keptFiles()
{
    // Whatever a file holds: read as the document reads it, or declined.
    QFETCH(QString, file);
    const QByteArray json = ZorTest::contentsOf(file);
    MessageRecorder recorder;
    McxFastReader reader;
    if (!reader.read(json))
        return;
    const std::unique_ptr<Group> expected = readThroughDocument(json);
    QVERIFY(expected);
    QCOMPARE(reader.indented(), indented(json));
    QCOMPARE(groupDifference(*expected, *groupOf(reader)), QString());
}

void TestMcxFastReader::readerTakesEitherWay_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("one pass") << McxWriter::toJson(*SampleGroups::everyField());
    QTest::newRow("document") << headerChanged("version", "2.1.0.0");
}

void TestMcxFastReader::readerTakesEitherWay()
{
    // The group's state after a read is the same whichever way it went.
    QFETCH(QByteArray, json);
    MessageRecorder recorder;
    Group group{QStringLiteral("old"), QString()};
    QCOMPARE(McxReader().read(json, group), McxReader::Result::Ok);
    const std::unique_ptr<Group> expected = readThroughDocument(json);
    QCOMPARE(group.version(), expected->version());
    QVERIFY(!group.isModified());
    QCOMPARE(groupDifference(*expected, group), QString());
    QVERIFY(recorder.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestMcxFastReader)
#include "tst_mcxfastreader.moc"
