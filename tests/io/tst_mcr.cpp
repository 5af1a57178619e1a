#include "groupvalues.h"
#include "io/mcrreader.h"
#include "io/mcrwriter.h"
#include "model/group.h"
#include "model/macro.h"
#include "samplegroups.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QDir>
#include <QtEndian>
#include <QtTest>

using ZorTest::contentsOf;
using ZorTest::TestEnvironment;
using ZorTest::writeFile;

namespace {

using Fields = QList<QPair<int, QByteArray>>;

template <typename T> QByteArray littleEndian(T value)
{
    QByteArray bytes(sizeof(T), '\0');
    qToLittleEndian<T>(value, bytes.data());
    return bytes;
}

// The 369-byte legacy header: version, date, NUL-padded name and
// description (not terminated when they fill their field).
QByteArray header(quint32 version, const QByteArray& date, const QByteArray& name,
                  const QByteArray& description)
{
    return littleEndian(version) + date.leftJustified(19, '\0', true) +
           name.leftJustified(50, '\0', true) + description.leftJustified(296, '\0', true);
}

// A 2036-byte legacy record: the given bytes at their offsets, the fields
// empty, and the bytes the reader must skip marked.
QByteArray record(const Fields& fields)
{
    QByteArray bytes(2036, '\0');
    bytes.replace(2, 2, "\xee\xee");
    for (int slot = 0; slot < 10; ++slot)
        bytes[52 + 6 * slot + 1] = '\xee';
    bytes.replace(128, 256, QByteArray(256, '\xee'));
    for (const auto& field : fields)
        bytes.replace(field.first, field.second.size(), field.second);
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
    QStringList shown = notes.mid(0, 10);
    if (notes.size() > 10)
        shown.append(QStringLiteral("(e mais %1)").arg(notes.size() - 10));
    const QString told = "O arquivo " + group.filePath() +
                         " está danificado; foi lido assim mesmo:\n" + shown.join('\n');
    QCOMPARE(recorder.texts().filter("está danificado"),
             notes.isEmpty() ? QStringList() : QStringList{told});
}

} // namespace

class TestMcr : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { env = std::make_unique<TestEnvironment>(); }
    // Every field of the record layout, and the bytes the reader skips.
    void legacyLayout()
    {
        // Function-key slots 0, 3 and 5 (each a number, a skipped byte and an
        // acronym); a slot without a number is unused, whatever its acronym.
        const Fields fields{{0, littleEndian<qint16>(300)},
                            {4, "\7ENTREGA"},
                            {45, "\310\3ENT\2\7"},
                            {52, "\25\356COL"},
                            {70, "\375\356FIMX"},
                            {82, QByteArray("\0\356XYZ", 5)},
                            {112, littleEndian(400) + littleEndian(-20) + littleEndian(121)},
                            {124, littleEndian(2000000)},
                            {384, "\25\26\27"},
                            {403, "\377\200\201\202"},
                            {424, QByteArray("\1\0\10\0\0\0\0\0\0\7\43\201", 12)},
                            {436, QByteArray("A<B\0\0C", 6)},
                            {1236, QByteArray("OK<\0!", 5)}};
        const QByteArray bytes =
            header(2000, "2015/03/07 08:09:10", "FROTA NORTE", "Rotas do norte") + record(fields) +
            record({{0, "\377\377"}, {46, "\3INF"}, {50, "\377"}});
        const QString file = path("two.mcr");
        writeFile(file, bytes);

        MessageRecorder recorder;
        Group group{QString(), QString()};
        QVERIFY(group.loadMcr(file));
        QCOMPARE(group.version(), 2000);
        QCOMPARE(recorder.messages.size(), 1); // the version's
        QCOMPARE(group.name(), QStringLiteral("FROTA NORTE"));
        QCOMPARE(group.description(), QStringLiteral("Rotas do norte"));
        QCOMPARE(group.creationDate(), QStringLiteral("07/03/2015 08:09:10"));
        QCOMPARE(group.creationTime(), QDateTime(QDate(2015, 3, 7), QTime(8, 9, 10)));
        QVERIFY(!group.isModified());
        QCOMPARE(group.macroCount(), 2);

        Macro first("300", "ENTREGA", "200", "ENT", 2, false);
        first.setFlow({"COL", "FIMX"});
        first.setFlowNum({21, 0xFFFD});
        first.setFlowPos({0, 3});
        first.setPosition(QPoint(400, -20));
        first.setDimensions(QRect(0, 0, 121, 1000000));
        first.setValidationInt(0x8123);
        first.setAutomation({1, 0, 8, 0, 0, 0, 0, 0, 0, 7});
        QList<quint8> ids(QVector<quint8>(20, 0).toList()), reactions = ids;
        for (int i = 0; i < 3; ++i) {
            ids[i] = quint8(21 + i);
            reactions[i] = quint8(0x80 + i);
        }
        ids[19] = 255;
        first.setViolation(ids);
        first.setViolationReactions(reactions);
        // The layout has no analysis times: 1 each, which the next load drops
        // where the violation has none.
        first.setViolationTimers(QVector<quint16>(20, 1).toList());
        first.setForm(QByteArray("A B  C").leftJustified(800, ' '));
        first.setConfirmationText(QByteArray("OK< !").leftJustified(800, ' '));
        QCOMPARE(valuesOf(*group.macros().at(0)), valuesOf(first));

        Macro second("-1", "", "0", "INF", -1, true);
        second.setDimensions(QRect(0, 0, 0, 0));
        second.setAutomation(QVector<quint8>(10, 0).toList());
        second.setViolation(QVector<quint8>(20, 0).toList());
        second.setViolationReactions(second.violation());
        second.setViolationTimers(QVector<quint16>(20, 1).toList());
        QCOMPARE(valuesOf(*group.macros().at(1)), valuesOf(second));
    }

    void legacyTexts_data()
    {
        // The name and the acronym after their length bytes, the group's name
        // and description; as read: name, acronym, group name, description.
        QTest::addColumn<QByteArrayList>("fields");
        QTest::addColumn<QStringList>("read");
        QTest::addColumn<QStringList>("notes");

        const QByteArray n40(40, 'N');
        QTest::newRow("shorter lengths") << QByteArrayList{"\3COLETA", "\1COL", "G", "D"}
                                         << QStringList{"COL", "C", "G", "D"} << QStringList();
        QTest::newRow("lengths beyond the fields")
            << QByteArrayList{"\377" + n40, "\310ABC", "G", "D"}
            << QStringList{QString(n40), "ABC", "G", "D"}
            << QStringList{"ABC (1): O comprimento do nome, 255, passa dos 40 bytes do campo e foi "
                           "cortado.",
                           "ABC (1): O comprimento da sigla, 200, passa dos 3 bytes do campo e foi "
                           "cortado."};
        // Texts that fill their fields end there, without running into the next.
        QTest::newRow("full fields")
            << QByteArrayList{"(" + n40, "\3ABC", QByteArray(50, 'G'), QByteArray(296, 'd')}
            << QStringList{QString(n40), "ABC", QString(50, 'G'), QString(280, 'd')}
            << QStringList();
        QTest::newRow("Latin-1") << QByteArrayList{"\12MANUTEN\307\303O", "\1\307", "S\343o Paulo",
                                                   "Descri\347\343o"}
                                 << QStringList{"MANUTENÇÃO", "Ç", "São Paulo", "Descrição"}
                                 << QStringList();
    }

    void legacyTexts()
    {
        QFETCH(QByteArrayList, fields);
        QFETCH(QStringList, notes);
        const QString file = path("texts.mcr");
        writeFile(file, header(2100, "2020/01/01 00:00:00", fields.at(2), fields.at(3)) +
                            record({{0, "\1"}, {4, fields.at(0)}, {46, fields.at(1)}}));

        MessageRecorder recorder;
        Group group{QString(), QString()};
        QVERIFY(group.loadMcr(file));
        verifyDamageTold(group, recorder, notes);
        const Macro* macro = group.macros().at(0);
        QTEST((QStringList{macro->name(), macro->sigla(), group.name(), group.description()}),
              "read");
    }

    void shortFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("macros");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("notes");

        const QByteArray start = header(2100, "2015/03/07 08:09:10", "NOME DO GRUPO", "Descricao");
        const QByteArray one = record({{0, "\5"}, {46, "\1A"}}); // number 5, acronym "A"

        const QString shorter = "O arquivo tem %1 bytes, menos que os 369 do cabeçalho: o grupo "
                                "fica vazio.";
        const QString left = "Sobram %1 bytes depois do último registro completo; foram ignorados.";
        QTest::newRow("empty") << QByteArray() << 0 << 0 << "" << QStringList{shorter.arg(0)};
        QTest::newRow("part of the version")
            << start.left(3) << 0 << 0x0834 << "" << QStringList{shorter.arg(3)};
        QTest::newRow("into the name")
            << start.left(27) << 0 << 2100 << "NOME" << QStringList{shorter.arg(27)};
        QTest::newRow("header less one byte")
            << start.left(368) << 0 << 2100 << "NOME DO GRUPO" << QStringList{shorter.arg(368)};
        QTest::newRow("header only") << start << 0 << 2100 << "NOME DO GRUPO" << QStringList();
        // Zero bytes after the version could pass for empty stream strings.
        QTest::newRow("zero header")
            << QByteArray(McrReader::HeaderSize, '\0') + one + one << 2 << 0 << "" << QStringList();
        QTest::newRow("one record less one byte") << start + one.left(2035) << 0 << 2100
                                                  << "NOME DO GRUPO" << QStringList{left.arg(2035)};
        QTest::newRow("one record and a half") << start + one + one.left(1000) << 1 << 2100
                                               << "NOME DO GRUPO" << QStringList{left.arg(1000)};
        QTest::newRow("version newer than the program")
            << header(2101, "2015/03/07 08:09:10", "NOVO", "") << 0 << 2101 << "NOVO"
            << QStringList{"A versão 2101 é mais nova que a de qualquer arquivo .mcr."};
        // Random bytes cut a length in every record: the first ten tell enough.
        const QByteArray cutRecord = record({{0, "\5"}, {4, "\51"}, {46, "\1A"}});
        for (const int count : {10, 11}) {
            const QStringList cut =
                QVector<QString>(count, "A (5): O comprimento do nome, 41, passa dos "
                                        "40 bytes do campo e foi cortado.")
                    .toList();
            QTest::addRow("%d notes", count)
                << start + cutRecord.repeated(count) << count << 2100 << "NOME DO GRUPO" << cut;
        }
    }

    void shortFiles()
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
        if (bytes.size() < McrReader::HeaderSize) {
            QCOMPARE(strict.errorString(),
                     QStringLiteral("O arquivo tem %1 bytes, menos que os 369 do cabeçalho de um "
                                    "arquivo .mcr.")
                         .arg(bytes.size()));
        }
    }

    void roundTrip_data() { SampleGroups::addSeedRows(40); }
    void roundTrip()
    {
        QFETCH(quint32, seed);
        const auto original = SampleGroups::random(seed);
        // The writers skip an empty entry of the list.
        original->insertMacro(int(seed % 3), nullptr);
        const auto expected = SampleGroups::random(seed);
        keepWhatStreamHolds(*expected);
        const QString file = path("roundtrip.mcr");
        QVERIFY(original->saveAs(file));

        MessageRecorder recorder;
        Group read{QString(), QString()};
        McrReader reader;
        QVERIFY(reader.readFile(file, read));
        QCOMPARE(reader.layout(), McrReader::Layout::DataStream);
        QCOMPARE(read.version(), expected->version());
        QVERIFY(!read.isModified());
        QCOMPARE(valuesOf(read), valuesOf(*expected));
        // Saved again, the same bytes but for the screens, which it fills.
        QCOMPARE(McrWriter::toBytes(read), McrWriter::toBytes(*expected));
    }

    // Cut past the header and into the macros, the file is refused. A header
    // that no longer holds its count reads as (empty) legacy file.
    void dataStreamDamaged()
    {
        const auto sample = SampleGroups::sample();
        const QByteArray bytes = McrWriter::toBytes(*sample);
        const int headerSize =
            McrWriter::toBytes(Group{sample->name(), sample->description()}).size();
        const QString file = path("damaged.mcr");
        for (const int cut : {int(bytes.size()) - 1, headerSize + 10, 20}) {
            const bool loads = cut == 20;
            writeFile(file, bytes.left(cut));
            MessageRecorder recorder;
            Group loaded{"Antes", QString()};
            if (!loads)
                QTest::ignoreMessage(QtWarningMsg,
                                     QRegularExpression("damaged.mcr .* at offset \\d+"));
            QCOMPARE(loaded.loadMcr(file), loads);
            QCOMPARE(loaded.macroCount(), 0);
            QCOMPARE(loaded.name(), QString(loads ? "" : "Antes"));
        }
    }

    // Only a suffix of exactly "mcr" takes the data stream; save() takes the
    // group's path, and only the JSON writer sets the version.
    void saveChoosesWriterBySuffix()
    {
        const auto group = SampleGroups::sample();
        for (const char* name : {"group.mcr", "group.MCR", "group.mcx", "mcr"}) {
            group->setVersion(2000);
            group->setFilePath(path(name));
            QVERIFY(group->save());
            const bool stream = QByteArray(name) == "group.mcr";
            QVERIFY(contentsOf(path(name))
                        .startsWith(stream ? QByteArray("\320\7\0\0", 4) : "{\"header\":{"));
            QCOMPARE(group->version(), stream ? 2000 : 2100);
        }
    }

    // The sample as a data stream and the inputs the fuzzer kept: whatever the
    // reader accepts, saved in the stream layout, reads back to the same bytes.
    void keptFiles_data()
    {
        QTest::addColumn<QString>("file");
        const QDir dir(TestEnvironment::testDataDir() + "/fuzz/mcr");
        QTest::newRow("sample-stream.mcr") << TestEnvironment::testDataDir() + "/sample-stream.mcr";
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << dir.filePath(name);
    }

    void keptFiles()
    {
        QFETCH(QString, file);
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
        if (file.endsWith("sample-stream.mcr"))
            QCOMPARE(written, contentsOf(file));
        Group second{QString(), QString()};
        McrReader reader;
        QVERIFY(reader.read(written, second));
        QCOMPARE(reader.layout(), McrReader::Layout::DataStream);
        QCOMPARE(McrWriter::toBytes(second), written);
    }

private:
    QString path(const QString& name) const { return env->filePath(name); }
    std::unique_ptr<TestEnvironment> env;
};

QTEST_GUILESS_MAIN(TestMcr)
#include "tst_mcr.moc"
