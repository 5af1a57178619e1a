#include "app/anchorsettings.h"
#include "io/mcrreader.h"
#include "io/mcrwriter.h"
#include "model/group.h"
#include "model/macro.h"
#include "samplegroups.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

using ZorTest::contentsOf;
using ZorTest::TestEnvironment;

// The example files are the output of the generators below; the sample
// group is clean by the terminal's rules, so that checks find nothing in it.
// ZOR_WRITE_EXAMPLES=1 writes the generated files into examples/ (and the
// stream seed into tests/data/).
namespace {

QString examplePath(const QString& name)
{
    return TestEnvironment::sourceDir() + "/examples/" + name;
}

// The sample group in the data-stream layout: a seed of the .mcr fuzz target.
QString streamSamplePath()
{
    return TestEnvironment::testDataDir() + "/sample-stream.mcr";
}

// Entries of a reference list in "zor.ini", by 1-based identifier.
QStringList referenceList(const QString& section)
{
    QSettings ini(QStringLiteral("zor.ini"), QSettings::IniFormat);
    ini.beginGroup(section);
    QStringList list;
    for (int id = 1; ini.contains(QString::number(id)); ++id)
        list.append(ini.value(QString::number(id)).toString());
    return list;
}

bool usableId(int id, const QStringList& list)
{
    static const QRegularExpression reserved(QStringLiteral("^\\(.*RESERV.*\\)$"));
    return id >= 1 && id <= list.size() && !reserved.match(list.at(id - 1)).hasMatch();
}

} // namespace

class TestExamples : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void filesAreGenerated_data();
    void filesAreGenerated();
    void streamSampleReads();
    void sampleIsClean();
    void sampleLayout();

private:
    QByteArray generatedSample() const;
    QList<QPair<QString, QByteArray>> generatedFiles() const;
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<Group> sample;
};

void TestExamples::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
    QCOMPARE(ZorObject::anchorSettings().anchorViolationId(), 23);
    if (qEnvironmentVariableIntValue("ZOR_WRITE_EXAMPLES") == 1) {
        for (const auto& file : generatedFiles()) {
            QFile out(file.first);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(file.second);
        }
    }
    MessageRecorder recorder;
    sample = std::make_unique<Group>(QString(), QString());
    QVERIFY(sample->readMcx(examplePath("sample.mcx")));
    QVERIFY(recorder.messages.isEmpty());
}

QByteArray TestExamples::generatedSample() const
{
    // Saved, then opened as the editor opens it, which rewrites it indented.
    const QString file = env->filePath("sample.mcx");
    if (!SampleGroups::sample()->saveAs(file))
        return QByteArray();
    Group reopened{QString(), QString()};
    if (!reopened.loadMcx(file, SampleGroups::timerFlags()))
        return QByteArray();
    return contentsOf(file);
}

QList<QPair<QString, QByteArray>> TestExamples::generatedFiles() const
{
    return {{examplePath("sample.mcx"), generatedSample()},
            {examplePath("legacy.mcr"), SampleGroups::legacySample()},
            {streamSamplePath(), McrWriter::toBytes(*SampleGroups::sample())}};
}

void TestExamples::filesAreGenerated_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("generated");
    for (const auto& file : generatedFiles())
        QTest::newRow(qPrintable(QFileInfo(file.first).fileName())) << file.first << file.second;
}

void TestExamples::filesAreGenerated()
{
    // Also pins the data-stream layout: a change to it shows here first.
    QFETCH(QString, file);
    QFETCH(QByteArray, generated);
    QVERIFY(!generated.isEmpty());
    QVERIFY2(contentsOf(file) == generated,
             qPrintable(file + " differs from its generator (ZOR_WRITE_EXAMPLES=1 rewrites it)"));
}

void TestExamples::streamSampleReads()
{
    Group group{QString(), QString()};
    McrReader reader;
    QVERIFY(reader.readFile(streamSamplePath(), group));
    QCOMPARE(reader.layout(), McrReader::Layout::DataStream);
    QCOMPARE(group.macroCount(), 12);
}

void TestExamples::sampleIsClean()
{
    // The rules of zor --check (characters, markers, duplicates, limits, anchor
    // sequences) tst_check applies to examples/sample.mcx; here the rest.
    const QStringList violations = referenceList("violacao");
    const QStringList timerFlags = referenceList("timers");
    const QStringList automations = referenceList("automacao");
    const QStringList validations = referenceList("validacao");
    const QStringList sensors = referenceList("modo seguro sensores");
    const QStringList actuators = referenceList("modo seguro atuadores");
    // Reactions are 8-bit sets: bits 0 to 7 of the reaction list.
    QVERIFY(referenceList("reacao").size() >= 8);

    for (const Macro* macro : sample->macros()) {
        const QString id = macro->sigla();
        QVERIFY2(macro->num().toInt() >= 1 && macro->num().toInt() <= 999, qPrintable(id));
        QVERIFY2(macro->shortcut().toInt() >= 0 && macro->shortcut().toInt() <= 249,
                 qPrintable(id));
        QCOMPARE(macro->form().size(), 800);
        QCOMPARE(macro->confirmationText().size(), 800);
        QVERIFY2(macro->form().contains('['), qPrintable(id));

        QSet<quint16> slotsUsed;
        for (int i = 0; i < macro->flow().size(); ++i) {
            const Macro* next = sample->findBySigla(macro->flow().at(i));
            QVERIFY2(next, qPrintable(id + "->" + macro->flow().at(i)));
            QCOMPARE(macro->flowNum().at(i), next->num().toUShort());
            QVERIFY(macro->flowPos().at(i) <= 9);
            QVERIFY(!slotsUsed.contains(macro->flowPos().at(i)));
            slotsUsed.insert(macro->flowPos().at(i));
        }

        for (int i = 0; i < macro->violation().size(); ++i) {
            const int violation = macro->violation().at(i);
            QVERIFY2(usableId(violation, violations), qPrintable(id));
            const quint16 timer = macro->violationTimer(quint8(i));
            QVERIFY2(timer <= 240, qPrintable(id));
            QVERIFY2((timer > 0) == (timerFlags.at(violation - 1) == "1"), qPrintable(id));
        }
        for (const quint8 automation : macro->automation())
            QVERIFY2(usableId(automation, automations), qPrintable(id));
        for (int bit = 0; bit < 16; ++bit) {
            if (macro->validationInt() & (1u << bit))
                QVERIFY2(usableId(bit + 1, validations), qPrintable(id));
        }
        for (const quint8 sensor : macro->secureSensors())
            QVERIFY2(usableId(sensor, sensors), qPrintable(id));
        for (const quint8 actuator : macro->secureActuators())
            QVERIFY2(usableId(actuator, actuators), qPrintable(id));

        if (!macro->isSecurity()) {
            QVERIFY(macro->violation().isEmpty());
            QCOMPARE(macro->validationInt(), quint16(0));
            QVERIFY(macro->secureSensors().isEmpty() && macro->secureActuators().isEmpty());
            QCOMPARE(macro->confirmationText(), QByteArray(800, ' '));
        }
    }
}

void TestExamples::sampleLayout()
{
    QCOMPARE(sample->macroCount(), 12);
    QSet<int> types;
    int anchors = 0, timers = 0, flows = 0;
    QList<QRect> boxes;
    for (const Macro* macro : sample->macros()) {
        types.insert(macro->type());
        anchors +=
            macro->violationIndex(quint8(ZorObject::anchorSettings().anchorViolationId())) != -1;
        for (const quint16 timer : macro->violationTimers())
            timers += timer > 0;
        flows += macro->flow().size();
        const QRect box(macro->position(), macro->dimensions().size());
        // A tidy grid that fits a 1600 x 1000 window beside its docks.
        QCOMPARE(box.size(), QSize(201, 81));
        QCOMPARE((box.x() - 40) % 260, 0);
        QCOMPARE((box.y() - 40) % 180, 0);
        QVERIFY(box.right() < 1100 && box.bottom() < 700);
        for (const QRect& other : qAsConst(boxes))
            QVERIFY(!other.intersects(box));
        boxes.append(box);
    }
    QCOMPARE(types, (QSet<int>{0, 1, 2, 3, 4, 5, 6}));
    QVERIFY(anchors >= 2);
    QVERIFY(timers >= 5);
    QVERIFY(flows >= 12);
    QCOMPARE(sample->creationDate(), QStringLiteral("2024/05/13 08:30:00"));
}

QTEST_GUILESS_MAIN(TestExamples)
#include "tst_examples.moc"
