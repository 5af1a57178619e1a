#include "app/anchorsettings.h"
#include "io/mcrreader.h"
#include "io/mcrwriter.h"
#include "legacymcrbuilder.h"
#include "macrodiff.h"
#include "model/group.h"
#include "model/macro.h"
#include "samplegroups.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QtTest>

using ZorTest::contentsOf;
using ZorTest::TestEnvironment;
using ZorTest::writeFile;

namespace {

QByteArray blanks(int count)
{
    return QByteArray(count, ' ');
}

// Two records that use every field of the layout.
QByteArray twoRecordFile()
{
    QByteArray bytes =
        LegacyMcr::header(2000, "2015/03/07 08:09:10", "FROTA NORTE", "Rotas do norte");
    LegacyMcr::Record first;
    first.number = 300;
    first.name = "ENTREGA";
    first.shortcut = 200;
    first.sigla = "ENT";
    first.type = 2;
    first.security = 7;
    first.flow[0] = {21, "COL"};
    first.flow[3] = {-3, "FIM"};
    // A slot without a number is unused, whatever its acronym bytes hold.
    first.flow[5] = {0, "XYZ"};
    first.x = 400;
    first.y = -20;
    first.width = 121;
    first.height = 81;
    for (int i = 0; i < 20; ++i) {
        first.violations[i] = quint8(i < 3 ? 21 + i : 0);
        first.reactions[i] = quint8(i < 3 ? 0x80 + i : 0);
    }
    first.automations = {1, 0, 8, 0, 0, 0, 0, 0, 0, 7};
    first.validations = 0x8123;
    first.form = QByteArray("A<B") + QByteArray(10, '\0') + "C";
    first.confirmation = QByteArray("OK<") + QByteArray(5, '\0') + "!";
    bytes += LegacyMcr::record(first);

    LegacyMcr::Record second;
    second.number = -1;
    second.name = "INFORMACAO";
    second.shortcut = 0;
    second.sigla = "INF";
    second.type = -1;
    second.security = 0;
    second.form = blanks(800);
    bytes += LegacyMcr::record(second);
    return bytes;
}

// The editor opens a damaged legacy file all the same and tells what was
// wrong with it, in one message.
void verifyDamageTold(const Group& group, const MessageRecorder& recorder, const QStringList& notes)
{
    QStringList texts;
    for (const ReadNote& note : group.readNotes())
        texts.append(note.text());
    QCOMPARE(texts, notes);
    const QStringList told = recorder.texts().filter("está danificado; foi lido assim mesmo:");
    QCOMPARE(told.size(), notes.isEmpty() ? 0 : 1);
    if (!notes.isEmpty())
        QVERIFY(told.first().endsWith("\n" + notes.join('\n')));
}

} // namespace

class TestMcr : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void legacyLayout();
    void legacyTexts_data();
    void legacyTexts();
    void shortFiles_data();
    void shortFiles();
    void zeroDateStaysLegacy();
    void unreadableFile();
    void dataStreamLayout();
    void dataStreamRoundTrip();
    void dataStreamDamaged_data();
    void dataStreamDamaged();
    void saveChoosesWriterBySuffix_data();
    void saveChoosesWriterBySuffix();
    void fuzzInputs_data();
    void fuzzInputs();

private:
    QString path(const QString& name) const { return env->filePath(name); }
    std::unique_ptr<TestEnvironment> env;
};

void TestMcr::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
    QCOMPARE(ZorObject::anchorSettings().defaultRadius(), 100);
}

void TestMcr::legacyLayout()
{
    const QString file = path("two.mcr");
    const QByteArray bytes = twoRecordFile();
    QCOMPARE(bytes.size(), 369 + 2 * 2036);
    writeFile(file, bytes);

    MessageRecorder recorder;
    Group group{QString(), QString()};
    QVERIFY(group.loadMcr(file));
    QCOMPARE(group.filePath(), file);
    QCOMPARE(group.version(), 2000);
    QCOMPARE(recorder.texts(),
             QStringList{"O arquivo foi gerado em uma versão mais antiga do Zor."});
    QCOMPARE(group.name(), QStringLiteral("FROTA NORTE"));
    QCOMPARE(group.description(), QStringLiteral("Rotas do norte"));
    QCOMPARE(group.creationDate(), QStringLiteral("07/03/2015 08:09:10"));
    QCOMPARE(group.creationTime(), QDateTime(QDate(2015, 3, 7), QTime(8, 9, 10)));
    QVERIFY(!group.isModified());
    QCOMPARE(group.macroCount(), 2);
    // Reading a legacy file leaves it as it was.
    QCOMPARE(contentsOf(file), bytes);

    const Macro* first = group.macros().at(0);
    QCOMPARE(first->num(), QStringLiteral("300"));
    QCOMPARE(first->name(), QStringLiteral("ENTREGA"));
    QCOMPARE(first->shortcut(), QStringLiteral("200"));
    QCOMPARE(first->sigla(), QStringLiteral("ENT"));
    QCOMPARE(first->type(), 2);
    QVERIFY(first->isSecurity());
    QCOMPARE(first->flow(), (QStringList{"COL", "FIM"}));
    QCOMPARE(first->flowNum(), (QList<quint16>{21, 0xFFFD}));
    QCOMPARE(first->flowPos(), (QList<quint16>{0, 3}));
    QCOMPARE(first->position(), QPoint(400, -20));
    QCOMPARE(first->dimensions(), QRect(0, 0, 121, 81));
    QCOMPARE(first->validationInt(), quint16(0x8123));
    QCOMPARE(first->automation(), (QList<quint8>{1, 0, 8, 0, 0, 0, 0, 0, 0, 7}));
    QCOMPARE(first->violation().size(), 20);
    QCOMPARE(first->violation().mid(0, 4), (QList<quint8>{21, 22, 23, 0}));
    QCOMPARE(first->violationReactions().size(), 20);
    QCOMPARE(first->violationReactions().mid(0, 4), (QList<quint8>{0x80, 0x81, 0x82, 0}));
    QCOMPARE(first->violationTimers(), QList<quint16>(QVector<quint16>(20, 1).toList()));
    QCOMPARE(first->form(), QByteArray("A B") + blanks(10) + "C" + blanks(786));
    QCOMPARE(first->confirmationText(), QByteArray("OK<") + blanks(5) + "!" + blanks(791));
    QCOMPARE(first->raio(), quint16(100));
    QVERIFY(first->secureSensors().isEmpty());
    QVERIFY(first->secureActuators().isEmpty());

    const Macro* second = group.macros().at(1);
    QCOMPARE(second->num(), QStringLiteral("-1"));
    QCOMPARE(second->shortcut(), QStringLiteral("0"));
    QCOMPARE(second->type(), -1);
    QVERIFY(!second->isSecurity());
    QVERIFY(second->flow().isEmpty());
    QCOMPARE(second->violation(), QList<quint8>(QVector<quint8>(20, 0).toList()));
    QCOMPARE(second->form(), blanks(800));
    QCOMPARE(second->confirmationText(), blanks(800));
}

void TestMcr::legacyTexts_data()
{
    // Each field as written, its length byte (-1: the text's), and as read.
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("nameLength");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<QByteArray>("sigla");
    QTest::addColumn<int>("siglaLength");
    QTest::addColumn<QString>("expectedSigla");
    QTest::addColumn<QByteArray>("groupName");
    QTest::addColumn<QString>("expectedGroupName");
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QString>("expectedDescription");
    QTest::addColumn<QStringList>("notes");

    const QByteArray g("G");
    const QByteArray d("D");
    const QStringList none;
    QTest::newRow("plain") << QByteArray("COLETA") << -1 << "COLETA" << QByteArray("COL") << -1
                           << "COL" << g << "G" << d << "D" << none;
    QTest::newRow("shorter lengths") << QByteArray("COLETA") << 3 << "COL" << QByteArray("COL") << 1
                                     << "C" << g << "G" << d << "D" << none;
    QTest::newRow("lengths beyond the fields")
        << QByteArray(40, 'N') << 255 << QString(40, 'N') << QByteArray("ABC") << 200 << "ABC" << g
        << "G" << d << "D"
        << QStringList{"ABC (1): O comprimento do nome, 255, passa dos 40 bytes do campo e foi "
                       "cortado.",
                       "ABC (1): O comprimento da sigla, 200, passa dos 3 bytes do campo e foi "
                       "cortado."};
    // Texts that fill their fields end there, without running into the next.
    QTest::newRow("fields without NUL")
        << QByteArray("X") << -1 << "X" << QByteArray("X") << -1 << "X" << QByteArray(50, 'G')
        << QString(50, 'G') << QByteArray(296, 'd') << QString(280, 'd') << none;
    QTest::newRow("Latin-1") << QByteArray("MANUTEN\xC7\xC3O") << -1
                             << QString::fromUtf8("MANUTENÇÃO") << QByteArray("\xC7") << -1
                             << QString::fromUtf8("Ç") << QByteArray("S\xE3o Paulo")
                             << QString::fromUtf8("São Paulo") << QByteArray("Descri\xE7\xE3o")
                             << QString::fromUtf8("Descrição") << none;
}

void TestMcr::legacyTexts()
{
    QFETCH(QByteArray, name);
    QFETCH(int, nameLength);
    QFETCH(QByteArray, sigla);
    QFETCH(int, siglaLength);
    QFETCH(QByteArray, groupName);
    QFETCH(QByteArray, description);

    LegacyMcr::Record record;
    record.number = 1;
    record.name = name;
    record.nameLength = nameLength;
    record.sigla = sigla;
    record.siglaLength = siglaLength;
    const QString file = path("texts.mcr");
    writeFile(file, LegacyMcr::header(2100, "2020/01/01 00:00:00", groupName, description) +
                        LegacyMcr::record(record));

    MessageRecorder recorder;
    Group group{QString(), QString()};
    QVERIFY(group.loadMcr(file));
    QFETCH(QStringList, notes);
    verifyDamageTold(group, recorder, notes);
    QCOMPARE(group.macroCount(), 1);
    QTEST(group.macros().at(0)->name(), "expectedName");
    QTEST(group.macros().at(0)->sigla(), "expectedSigla");
    QTEST(group.name(), "expectedGroupName");
    QTEST(group.description(), "expectedDescription");
}

void TestMcr::shortFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("macros");
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("notes");

    const QByteArray header =
        LegacyMcr::header(2100, "2015/03/07 08:09:10", "NOME DO GRUPO", "Descricao");
    LegacyMcr::Record record;
    record.number = 5;
    record.sigla = "A";
    const QByteArray one = LegacyMcr::record(record);

    const QString shorter = "O arquivo tem %1 bytes, menos que os 369 do cabeçalho: o grupo "
                            "fica vazio.";
    const QString left = "Sobram %1 bytes depois do último registro completo; foram ignorados.";
    QTest::newRow("empty") << QByteArray() << 0 << 0 << "" << QStringList{shorter.arg(0)};
    QTest::newRow("part of the version")
        << header.left(3) << 0 << 0x0834 << "" << QStringList{shorter.arg(3)};
    QTest::newRow("into the date")
        << header.left(12) << 0 << 2100 << "" << QStringList{shorter.arg(12)};
    QTest::newRow("into the name")
        << header.left(27) << 0 << 2100 << "NOME" << QStringList{shorter.arg(27)};
    QTest::newRow("header less one byte")
        << header.left(368) << 0 << 2100 << "NOME DO GRUPO" << QStringList{shorter.arg(368)};
    QTest::newRow("header only") << header << 0 << 2100 << "NOME DO GRUPO" << QStringList();
    QTest::newRow("one record less one byte")
        << header + one.left(2035) << 0 << 2100 << "NOME DO GRUPO" << QStringList{left.arg(2035)};
    QTest::newRow("one record and a half") << header + one + one.left(1000) << 1 << 2100
                                           << "NOME DO GRUPO" << QStringList{left.arg(1000)};
    QTest::newRow("version newer than the program")
        << LegacyMcr::header(2200, "2015/03/07 08:09:10", "NOVO", "") << 0 << 2200 << "NOVO"
        << QStringList{"A versão 2200 é mais nova que a de qualquer arquivo .mcr."};
}

void TestMcr::shortFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, macros);

    QFETCH(QStringList, notes);

    const QString file = path("short.mcr");
    writeFile(file, bytes);
    MessageRecorder recorder;
    Group group{QString(), QString()};
    QVERIFY(group.loadMcr(file));
    QCOMPARE(group.macroCount(), macros);
    QTEST(group.version(), "version");
    QTEST(group.name(), "name");
    QVERIFY(!group.isModified());
    verifyDamageTold(group, recorder, notes);

    // The commands refuse what holds no header, and say why.
    Group strict{QString(), QString()};
    QCOMPARE(strict.readFile(file), bytes.size() >= McrReader::HeaderSize);
    if (bytes.size() < McrReader::HeaderSize)
        QVERIFY(strict.errorString().contains("menos que os 369 do cabeçalho"));
}

void TestMcr::zeroDateStaysLegacy()
{
    // Zero bytes after the version could pass for empty stream strings.
    QByteArray bytes = LegacyMcr::header(2100, QByteArray(19, '\0'), "", "");
    LegacyMcr::Record record;
    record.number = 9;
    record.sigla = "Z";
    bytes += LegacyMcr::record(record) + LegacyMcr::record(record);
    bytes.replace(0, LegacyMcr::HeaderSize, QByteArray(LegacyMcr::HeaderSize, '\0'));
    const QString file = path("zero.mcr");
    writeFile(file, bytes);

    MessageRecorder recorder;
    Group group{QString(), QString()};
    McrReader reader;
    QVERIFY(reader.readFile(file, group));
    QCOMPARE(reader.layout(), McrReader::Layout::Legacy);
    QCOMPARE(group.macroCount(), 2);
    QCOMPARE(group.creationDate(), QString());
}

void TestMcr::unreadableFile()
{
    Group group{"G", "D"};
    group.setModified(false);
    const QString file = path("absent.mcr");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("absent.mcr"));
    QVERIFY(!group.loadMcr(file));
    QCOMPARE(group.filePath(), file);
    QCOMPARE(group.name(), QStringLiteral("G"));
    QCOMPARE(group.macroCount(), 0);
    QVERIFY(!group.isModified());
}

void TestMcr::dataStreamLayout()
{
    Group group{QStringLiteral("AB"), QStringLiteral("D")};
    group.setCreationDate(QStringLiteral("2024/01/02 03:04:05"));
    auto* macro = new Macro("12", "NOME", "3", "SIG", 5, false);
    macro->setFormFields(QByteArray(240, '\x01'));
    macro->setValidationInt(0x0102);
    macro->setAutomation({7});
    macro->setViolation({23, 4});
    macro->setViolationReactions({1, 2});
    macro->setViolationTimers({240, 0x0102});
    macro->setSecureSensors({1, 2});
    macro->setSecureActuators({3});
    macro->setFlow({"X"});
    macro->setFlowNum({999});
    macro->setFlowPos({4});
    macro->setDimensions(QRect(0, 0, 121, 81));
    macro->setPosition(QPoint(40, 220));
    group.addMacro(macro);

    const QString file = path("stream.mcr");
    QVERIFY(group.saveAs(file));
    const QByteArray bytes = contentsOf(file);
    // The version in the little-endian order of the legacy header, then the
    // rest as Qt's own stream of version 11 writes it.
    QCOMPARE(bytes.left(4), QByteArray("\x34\x08\x00\x00", 4));
    QByteArray expected;
    QDataStream out(&expected, QIODevice::WriteOnly);
    out.setVersion(11);
    out << QStringLiteral("AB") << QStringLiteral("D") << QStringLiteral("2024/01/02 03:04:05")
        << qint32(1) << QStringLiteral("12") << QStringLiteral("NOME") << QStringLiteral("3")
        << QStringLiteral("SIG") << qint32(5) << true << blanks(800) << QByteArray(240, '\x01')
        << blanks(800) << QStringList() << quint16(0x0102) << QList<quint8>{7}
        << QList<quint8>{23, 4} << QList<quint16>{240, 0x0102} << QList<quint8>{1, 2}
        << QList<quint8>{3} << QStringList{"X"} << QList<quint16>{999} << QRect(0, 0, 121, 81)
        << QPoint(40, 220);
    QCOMPARE(bytes.mid(4), expected);
}

void TestMcr::dataStreamRoundTrip()
{
    const auto original = SampleGroups::sample();
    original->setVersion(1999);
    const QString file = path("sample.mcr");
    QVERIFY(original->saveAs(file));
    QCOMPARE(original->version(), 1999);

    MessageRecorder recorder;
    Group loaded{QString(), QString()};
    McrReader reader;
    QVERIFY(reader.readFile(file, loaded));
    QCOMPARE(reader.layout(), McrReader::Layout::DataStream);
    QCOMPARE(loaded.version(), 1999);
    QVERIFY(!loaded.isModified());
    // What the layout does not hold keeps its default.
    const QString difference =
        groupDifference(*original, loaded, {"violationReactions", "raio", "flowPos"});
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    for (const Macro* macro : loaded.macros()) {
        QCOMPARE(macro->violationReactions(),
                 QList<quint8>(QVector<quint8>(macro->violation().size(), 0).toList()));
        QCOMPARE(macro->raio(), quint16(100));
        QCOMPARE(macro->flowPos().size(), macro->flow().size());
        for (int i = 0; i < macro->flowPos().size(); ++i)
            QCOMPARE(macro->flowPos().at(i), quint16(i));
    }

    // Saved again, the same bytes.
    QCOMPARE(McrWriter::toBytes(loaded), contentsOf(file));
}

void TestMcr::dataStreamDamaged_data()
{
    QTest::addColumn<int>("cut");
    QTest::addColumn<bool>("loads");

    // Past the header and into the macros: the file is refused. A header
    // that no longer holds its count reads as (empty) legacy file.
    const auto group = SampleGroups::sample();
    const int size = McrWriter::toBytes(*group).size();
    const Group empty{group->name(), group->description()};
    const int headerSize = McrWriter::toBytes(empty).size();
    QTest::newRow("last byte missing") << size - 1 << false;
    QTest::newRow("half") << size / 2 << false;
    QTest::newRow("first macro cut") << headerSize + 10 << false;
    QTest::newRow("into the header") << 20 << true;
}

void TestMcr::dataStreamDamaged()
{
    QFETCH(int, cut);
    QFETCH(bool, loads);

    const auto group = SampleGroups::sample();
    const QString file = path("damaged.mcr");
    writeFile(file, McrWriter::toBytes(*group).left(cut));

    MessageRecorder recorder;
    Group loaded{"Antes", QString()};
    if (!loads)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("damaged.mcr .* at offset \\d+"));
    QCOMPARE(loaded.loadMcr(file), loads);
    QCOMPARE(loaded.macroCount(), 0);
    if (!loads)
        QCOMPARE(loaded.name(), QStringLiteral("Antes"));
}

void TestMcr::saveChoosesWriterBySuffix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("stream");

    QTest::newRow(".mcr") << "group.mcr" << true;
    QTest::newRow(".MCR") << "group.MCR" << false;
    QTest::newRow(".mcx") << "group.mcx" << false;
    QTest::newRow(".json") << "group.json" << false;
    QTest::newRow("no suffix") << "mcr" << false;
}

void TestMcr::saveChoosesWriterBySuffix()
{
    QFETCH(QString, name);
    QFETCH(bool, stream);

    const auto group = SampleGroups::everyField();
    group->setVersion(2000);
    QVERIFY(group->saveAs(path(name)));
    const QByteArray bytes = contentsOf(path(name));
    QCOMPARE(bytes.startsWith(QByteArray("\xd0\x07\x00\x00", 4)), stream);
    QCOMPARE(bytes.startsWith("{\"header\":{"), !stream);
    // Only the JSON writer sets the version.
    QCOMPARE(group->version(), stream ? 2000 : 2100);

    // save() takes the group's path.
    group->setFilePath(path(name));
    QVERIFY(group->save());
}

// Inputs kept from fuzzing (tests/data/fuzz/mcr): a spread of the fuzz
// corpus and every input that ever made the fuzz target fail.
void TestMcr::fuzzInputs_data()
{
    QTest::addColumn<QString>("file");
    const QDir dir(TestEnvironment::testDataDir() + "/fuzz/mcr");
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    for (const QString& name : files)
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
    if (files.isEmpty())
        QTest::newRow("none") << QString();
}

void TestMcr::fuzzInputs()
{
    QFETCH(QString, file);
    if (file.isEmpty())
        QSKIP("no fuzz inputs kept");

    // Whatever the reader accepts, saved in the stream layout, reads back
    // to the same bytes.
    MessageRecorder recorder;
    Group first{QString(), QString()};
    McrReader firstReader;
    if (!firstReader.read(contentsOf(file), first)) {
        // Refused: a damaged data stream, and nothing of it in the group.
        QCOMPARE(firstReader.layout(), McrReader::Layout::DataStream);
        QCOMPARE(first.macroCount(), 0);
        QVERIFY(firstReader.errorString().contains("at offset"));
        return;
    }
    const QByteArray written = McrWriter::toBytes(first);
    Group second{QString(), QString()};
    McrReader reader;
    QVERIFY(reader.read(written, second));
    QCOMPARE(reader.layout(), McrReader::Layout::DataStream);
    QCOMPARE(McrWriter::toBytes(second), written);
}

QTEST_GUILESS_MAIN(TestMcr)
#include "tst_mcr.moc"
