#include "groupvalues.h"
#include "io/jsonreindenter.h"
#include "io/jsontext.h"
#include "io/mcxfastreader.h"
#include "io/mcxreader.h"
#include "io/mcxstructurecheck.h"
#include "io/mcxwriter.h"
#include "model/group.h"
#include "model/macro.h"
#include "samplegroups.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QtTest>

#include <cstring>

namespace {

// "\\u" and four lower-case hexadecimal digits.
QByteArray escaped(int unit)
{
    return "\\u" + QByteArray::number(unit, 16).rightJustified(4, '0');
}

// A JSON text made token by token, each written as the toolkit writes it
// or, now and then, otherwise: the one-pass re-layout must take the text
// exactly when every token is the toolkit's.
class TextMaker
{
public:
    explicit TextMaker(quint32 seed) : random(seed) {}

    QByteArray document(bool* plain)
    {
        m_plain = true;
        space();
        if (odd())
            array(0);
        else
            object(0);
        space();
        if (odd())
            out += "x";
        // Cut short inside a character.
        for (int i = 0; i < out.size(); ++i) {
            if (uchar(out.at(i)) >= 0xc2 && odd()) {
                out.truncate(i + 1);
                break;
            }
        }
        *plain = m_plain;
        return out;
    }

private:
    // One token in about fifty is written otherwise.
    bool odd()
    {
        if (random.bounded(50) != 0)
            return false;
        m_plain = false;
        return true;
    }

    void space()
    {
        static const char blanks[] = " \t\n\r";
        while (random.bounded(4) == 0)
            out += odd() ? '\f' : blanks[random.bounded(4)];
    }

    void value(int level)
    {
        switch (random.bounded(level < 4 ? 7 : 5)) {
        case 0:
        case 1:
            return string();
        case 2:
            return number();
        case 3:
            out += odd() ? "tru" : "true";
            return;
        case 4:
            out += random.bounded(2) ? "false" : "null";
            return;
        case 5:
            return object(level + 1);
        default:
            return array(level + 1);
        }
    }

    void object(int level)
    {
        QList<QByteArray> keys;
        for (int i = random.bounded(6); i > 0; --i) {
            QByteArray key;
            for (int length = random.bounded(5); length > 0; --length)
                key += char(random.bounded(0x20, 0x7f));
            if (!key.contains('"') && !key.contains('\\') && !keys.contains(key))
                keys.append(key);
        }
        std::sort(keys.begin(), keys.end());
        if (keys.size() > 1 && odd())
            random.bounded(2) ? keys.swapItemsAt(0, 1) : keys.append(keys.first());
        if (!keys.isEmpty() && odd())
            keys.last() += random.bounded(2) ? "\\n" : "\xc3\xa9";
        out += '{';
        space();
        for (int i = 0; i < keys.size(); ++i) {
            out += (i ? "," : "") + QByteArray("\"") + keys.at(i) + '"';
            space();
            out += ':';
            space();
            value(level);
            space();
        }
        if (!keys.isEmpty() && odd())
            out += ',';
        out += '}';
    }

    void array(int level)
    {
        out += '[';
        for (int i = random.bounded(4); i > 0; --i) {
            space();
            value(level);
            space();
            out += i > 1 || odd() ? "," : "";
        }
        out += ']';
    }

    void string()
    {
        out += '"';
        for (int i = random.bounded(8); i > 0; --i)
            character();
        out += '"';
    }

    void character()
    {
        static const char shortEscapes[] = "\"\\\b\f\n\r\t";
        static const char letters[] = "\"\\bfnrt";
        const int kind = random.bounded(8);
        if (kind == 0) {
            const int which = random.bounded(7);
            out += odd() ? escaped(uchar(shortEscapes[which])) : QByteArray("\\") + letters[which];
        } else if (kind == 1) {
            const int control = random.bounded(0x20);
            if (std::strchr(shortEscapes, control) && control != 0)
                return;
            if (!odd())
                out += escaped(control);
            else
                out += random.bounded(2) ? QByteArray(1, char(control)) : QByteArray("\\u001F");
        } else if (kind < 5) {
            const char c = char(random.bounded(0x20, 0x80));
            if (c == '"' || c == '\\')
                return;
            if (odd())
                out += c == '/' ? QByteArray("\\/") : escaped(c);
            else
                out += c;
        } else if (kind == 5) {
            const ushort unit = ushort(random.bounded(2) ? random.bounded(0x80, 0xd800)
                                                         : random.bounded(0xe000, 0x10000));
            out += odd() ? escaped(unit) : QString(QChar(unit)).toUtf8();
        } else if (kind == 6) {
            const char32_t point = char32_t(random.bounded(0x10000, 0x110000));
            out += odd() ? QByteArray("\\ud83d\\ude9a") : QString::fromUcs4(&point, 1).toUtf8();
        } else {
            // Not well-formed UTF-8: overlong, a surrogate, cut short; and
            // a lone surrogate, which the toolkit escapes.
            static const char* const broken[] = {"\xc0\xaf", "\xed\xa0\x80", "\xe2\x82",
                                                 "\xf5\x80\x80\x80", "\\udc00"};
            if (random.bounded(8) == 0) {
                m_plain = false;
                out += broken[random.bounded(5)];
            }
        }
    }

    void number()
    {
        static const char* const otherwise[] = {"1234567890123456", "01", "-0", "5.0", "1e2", "+1"};
        if (odd()) {
            out += otherwise[random.bounded(6)];
            return;
        }
        if (random.bounded(8) == 0) {
            out += '0';
            return;
        }
        if (random.bounded(2))
            out += '-';
        out += char('1' + random.bounded(9));
        for (int i = random.bounded(15); i > 0; --i)
            out += char('0' + random.bounded(10));
    }

    QRandomGenerator random;
    QByteArray out;
    bool m_plain = true;
};

// The group as McxReader reads a document through the toolkit's parser
// alone, step by step: the reference for its one-pass reader.
struct Reference
{
    McxReader::Result result = McxReader::Result::InvalidStructure;
    QString key;
    Group group{QString(), QString()};
    QStringList notes;
};

void readThroughDocument(const QByteArray& data, Reference& reference)
{
    const QJsonObject root = QJsonDocument::fromJson(data).object();
    if (!McxStructureCheck::check(root, &reference.key))
        return;
    reference.result = McxReader::Result::Ok;
    const QJsonObject header = root.value("header").toObject();
    int version = 0;
    McxReader::versionOf(header.value("version"), &version);
    Group& group = reference.group;
    group.setVersion(version);
    group.setName(header.value("name").toString());
    group.setDescription(header.value("description").toString());
    group.setCreationDate(header.value("creationDate").toString());
    for (const QJsonValue& element : root.value("macros").toArray()) {
        QStringList notes;
        group.addMacro(new Macro(element.toObject(), version, &notes));
        for (const QString& text : qAsConst(notes))
            reference.notes.append(McxReader::valueNote(*group.macros().last(), text).text());
    }
}

QJsonValue anyValue(QRandomGenerator& random)
{
    const QJsonValue values[] = {true,          5,
                                 2.5,           "7",
                                 QJsonArray{1}, QJsonObject{},
                                 QJsonValue(),  2147483648.0,
                                 -2147483649.0, 999999999999999.0};
    return values[random.bounded(10)];
}

// The saved document changed the way a hand or another program might.
QByteArray perturbed(QJsonObject root, QRandomGenerator& random)
{
    QJsonObject header = root.value("header").toObject();
    QJsonArray macros = root.value("macros").toArray();
    QJsonObject macro = macros.isEmpty() ? QJsonObject() : macros.first().toObject();
    const QStringList keys = macro.keys();
    const QString key = keys.isEmpty() ? QString("x") : keys.at(random.bounded(keys.size()));
    QJsonArray violations = macro.value("violacoes").toArray();
    QJsonObject next{{"idMacro", 1}, {"nome", "A"}, {"posicao", 2}};
    switch (random.bounded(12)) {
    case 0:
        header.insert("version", QJsonArray{2000, "2.1.0.0", 2200}.at(random.bounded(3)));
        break;
    case 1:
        header.remove(random.bounded(2) ? "nMacros" : "name");
        break;
    case 2:
        header.insert(random.bounded(2) ? "author" : "name", anyValue(random));
        break;
    case 3:
        macro.remove(key);
        break;
    case 4:
        macro.insert(random.bounded(2) ? "extra" : key, anyValue(random));
        break;
    case 5:
        violations.append(QJsonObject{{"id", 23}, {"reacao", 1}, {"tempo", 1}, {"raio", 300}});
        violations.append(random.bounded(2)
                              ? QJsonValue(QJsonObject{{"reacao", 1}})
                              : QJsonValue(QJsonObject{{"id", anyValue(random)}, {"reacao", 0}}));
        macro.insert("violacoes", violations);
        break;
    case 6:
        next.insert(random.bounded(2) ? "z" : "nome", anyValue(random));
        macro.insert("fluxoMacros", QJsonArray{next});
        break;
    case 7:
        macro.insert(random.bounded(2) ? "dimensions" : "position",
                     QJsonObject{{"x", anyValue(random)}, {"y", 1}});
        break;
    case 8:
        macro.insert("automacao", QJsonArray{1, anyValue(random)});
        break;
    case 9:
        root.insert(random.bounded(2) ? "macros" : "z", anyValue(random));
        break;
    case 10:
        // A key out of order, and twice.
        return QJsonDocument(root)
            .toJson(QJsonDocument::Compact)
            .replace("\"version\":2100}", "\"version\":2100,\"nMacros\":0}");
    default:
        // A slash escaped, which the toolkit does not.
        return QJsonDocument(root)
            .toJson(QJsonDocument::Compact)
            .replace("\"creationDate\":\"", "\"creationDate\":\"\\/");
    }
    if (!macros.isEmpty())
        macros.replace(0, macro);
    root.insert("header", header);
    if (root.value("macros").isArray())
        root.insert("macros", macros);
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

// McxReader reads the document as the reference does, whichever way it
// takes; true when it took it in one pass.
bool readsAsTheDocument(const QByteArray& json)
{
    Reference expected;
    readThroughDocument(json, expected);
    MessageRecorder recorder;
    McxReader reader;
    Group group{QStringLiteral("old"), QString()};
    const McxReader::Result result = reader.read(json, group);
    [&] {
        QCOMPARE(result, expected.result);
        if (result != McxReader::Result::Ok) {
            QCOMPARE(reader.errorKey(), expected.key);
            QCOMPARE(group.name(), QStringLiteral("old"));
            QCOMPARE(group.macroCount(), 0);
            return;
        }
        QCOMPARE(group.version(), expected.group.version());
        QCOMPARE(valuesOf(group), valuesOf(expected.group));
        QStringList notes;
        for (const ReadNote& note : group.readNotes())
            notes.append(note.text());
        QCOMPARE(notes, expected.notes);
        QVERIFY(!group.isModified());
    }();
    // Declined, the one-pass reader keeps nothing of it.
    McxFastReader fast;
    if (!fast.read(json)) {
        [&] { QVERIFY(fast.indented().isEmpty() && fast.takeMacros().empty()); }();
        return false;
    }
    [&] {
        QCOMPARE(reader.reindented(),
                 QJsonDocument::fromJson(json).toJson(QJsonDocument::Indented));
        // A read that throws the rewrite away writes none and takes as many macros.
        McxFastReader readOnly;
        QVERIFY(readOnly.read(json, false) && readOnly.indented().isEmpty());
        QCOMPARE(int(readOnly.takeMacros().size()), group.macroCount());
        bool timerOfOne = false;
        for (const Macro* macro : group.macros())
            timerOfOne = timerOfOne || macro->violationTimers().contains(1);
        QCOMPARE(reader.hasTimerOfOne(), timerOfOne);
    }();
    return true;
}

} // namespace

class TestJsonFormat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void reindent_data();
    void reindent();
    void readerAgreesWithDocument_data();
    void readerAgreesWithDocument();
    void keptFiles_data();
    void keptFiles();
    void latin1Strings();

private:
    std::unique_ptr<ZorTest::TestEnvironment> env;
};

void TestJsonFormat::initTestCase()
{
    env = std::make_unique<ZorTest::TestEnvironment>();
}

void TestJsonFormat::reindent_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 300; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// Texts the toolkit writes are laid out as it lays them out; any other is
// left to it.
void TestJsonFormat::reindent()
{
    QFETCH(quint32, seed);
    bool plain = false;
    const QByteArray json = TextMaker(seed).document(&plain);
    QByteArray out;
    QCOMPARE(JsonReindenter::reindent(json, &out), plain);
    if (!plain)
        return;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(out, document.toJson(QJsonDocument::Indented));
}

void TestJsonFormat::readerAgreesWithDocument_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 80; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// Documents as the program writes them, indented as its load leaves them,
// and changed: the reader takes the first two in one pass (but for lone
// surrogates, which it leaves to the toolkit), and reads them all alike.
void TestJsonFormat::readerAgreesWithDocument()
{
    QFETCH(quint32, seed);
    const auto group = SampleGroups::random(seed);
    const QByteArray saved = McxWriter::toJson(*group);
    QRandomGenerator random(seed);
    QByteArray json = saved;
    if (seed % 4 == 1)
        json = QJsonDocument::fromJson(saved).toJson(QJsonDocument::Indented);
    else if (seed % 4 > 1)
        json = perturbed(QJsonDocument::fromJson(saved).object(), random);
    const bool onePass = readsAsTheDocument(json);
    if (QTest::currentTestFailed())
        return;
    if (seed % 4 < 2 && !saved.contains("\\ud"))
        QVERIFY(onePass);
}

void TestJsonFormat::keptFiles_data()
{
    QTest::addColumn<QString>("file");
    for (const QString& file : ZorTest::keptMcxFiles())
        QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
}

// The example, the test files and the inputs the fuzzer kept: read alike
// either way; what the reader accepts, the writer writes so that it reads
// back, the same from the second save on (the first may drop what the format
// does not keep).
void TestJsonFormat::keptFiles()
{
    QFETCH(QString, file);
    const QByteArray json = ZorTest::contentsOf(file);
    QByteArray out;
    const bool laidOut = JsonReindenter::reindent(json, &out);
    if (laidOut)
        QCOMPARE(out, QJsonDocument::fromJson(json).toJson(QJsonDocument::Indented));
    const bool onePass = readsAsTheDocument(json);
    MessageRecorder recorder;
    Group group{QString(), QString()};
    if (McxReader().read(json, group) != McxReader::Result::Ok)
        return;
    const QByteArray first = McxWriter::toJson(group);
    // The program's own file, as the editor leaves it, goes the fast way.
    if (file.endsWith("/examples/sample.mcx")) {
        QVERIFY(laidOut && onePass);
        QCOMPARE(QJsonDocument::fromJson(first).toJson(QJsonDocument::Indented), json);
    }
    Group reread{QString(), QString()};
    QCOMPARE(McxReader().read(first, reread), McxReader::Result::Ok);
    const QByteArray second = McxWriter::toJson(reread);
    Group again{QString(), QString()};
    QCOMPARE(McxReader().read(second, again), McxReader::Result::Ok);
    QCOMPARE(McxWriter::toJson(again), second);
}

void TestJsonFormat::latin1Strings()
{
    QByteArray bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes += char(byte);
    QByteArray out;
    JsonText::appendString(out, QLatin1String(bytes));
    const QString text = QString::fromLatin1(bytes);
    const QByteArray wrapped = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    QCOMPARE(out, wrapped.mid(1, wrapped.size() - 2));
}

QTEST_GUILESS_MAIN(TestJsonFormat)
#include "tst_jsonformat.moc"
