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

#include <cmath>
#include <cstring>

namespace {

constexpr int AnObject = 4;

// Any JSON value (of the kind given, a case below) the toolkit writes in a
// way the one-pass re-layout must take: keys of plain ASCII, integers below
// 10^15, text without lone surrogates.
QJsonValue anyJson(QRandomGenerator& random, int level, int kind = -1)
{
    static const int ranges[][2] = {{0, 0x20},       {0x20, 0x7f},      {0x7f, 0x800},
                                    {0x800, 0xd800}, {0xe000, 0x10000}, {0x10000, 0x110000}};
    // The first and last of each length of UTF-8.
    static const char32_t limits[] = {0x1f,    0x20,    0x7f,    0x80,     0x7ff,   0x800,
                                      0xfff,   0x1000,  0xd7ff,  0xe000,   0xffff,  0x10000,
                                      0x3ffff, 0x40000, 0xfffff, 0x100000, 0x10ffff};
    QString text;
    QJsonObject object;
    QJsonArray array;
    switch (kind >= 0 ? kind : random.bounded(level < 4 ? 7 : 5)) {
    case 0:
        return random.bounded(3) == 0 ? QJsonValue() : QJsonValue(random.bounded(2) == 1);
    case 1:
        return qint64(random.bounded(2) ? 1 : -1) *
               qint64(random.generate64() % quint64(std::pow(10, random.bounded(16))));
    case 2:
    case 3:
        for (int i = random.bounded(8); i > 0; --i) {
            const auto* range = ranges[random.bounded(6)];
            const char32_t point = random.bounded(3) == 0
                                       ? limits[random.bounded(int(std::size(limits)))]
                                       : char32_t(random.bounded(range[0], range[1]));
            text += QString::fromUcs4(&point, 1);
        }
        return text;
    case AnObject:
    case AnObject + 1:
        for (int i = random.bounded(6); i > 0; --i) {
            QString key;
            for (int length = random.bounded(5); length > 0; --length)
                key += QChar(random.bounded(0x20, 0x7f));
            if (!key.contains('"') && !key.contains('\\'))
                object.insert(key, anyJson(random, level + 1));
        }
        return object;
    default:
        for (int i = random.bounded(4); i > 0; --i)
            array.append(anyJson(random, level + 1));
        return array;
    }
}

// Where a hand may change a text: inside a string, where a key or a value
// starts, and between tokens.
struct Places
{
    QList<int> inString, keyStart, valueStart, between;
};

// The text with white space of every kind between its tokens, and where it
// could be changed.
QByteArray spaced(const QByteArray& json, QRandomGenerator& random, Places& places)
{
    QByteArray out;
    QByteArray open;
    bool inString = false;
    for (int i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        if (inString) {
            if ((uchar(c) & 0xc0) != 0x80) // not within a character
                places.inString.append(out.size());
            inString = c != '"';
            // An escape whole.
            const int length = c != '\\' ? 1 : json.at(i + 1) == 'u' ? 6 : 2;
            out += json.mid(i, length);
            i += length - 1;
            continue;
        }
        // Not inside a number or a literal.
        while (std::strchr("{}[],:\"", c) && random.bounded(4) == 0)
            out += " \t\n\r"[random.bounded(4)];
        places.between.append(out.size());
        out += c;
        inString = c == '"';
        if (c == '{' || c == '[')
            open += c;
        else if (c == '}' || c == ']')
            open.chop(1);
        if (c == '{' || (c == ',' && open.endsWith('{')))
            places.keyStart.append(out.size());
        else if (c == '[' || c == ',')
            places.valueStart.append(out.size());
    }
    return out + QByteArray(random.bounded(3), '\n');
}

// A text changed the way a hand might: a token written otherwise than the
// toolkit writes it, a key out of order or twice, a character escaped or
// not well-formed, a stray byte, or the text cut short.
QByteArray edited(QByteArray json, QRandomGenerator& random, const Places& places)
{
    // Each list separated by blanks.
    static const QByteArrayList inString =
        QByteArray("\\/ \\u0020 \\u0022 \\u005c \\u0008 \\u0009 \\u000a \\u000c \\u000d \\u001F "
                   "\\u0041 \\u101f \\ud83d\\ude9a \\udc00 \\x \x01 \x1f \t \xc0\xaf \xc1\xbf "
                   "\xe0\x9f\xbf \xed\xa0\x80 \xe2\x82 \xe2\x28\xa1 \xf0\x8f\xbf\xbf "
                   "\xf4\x90\x80\x80 \xf5\x80\x80\x80 \xc3")
            .split(' ');
    static const QByteArrayList keys =
        QByteArray("\"~\":0, \"\\n\":0, \"\xc3\xa9\":0, \"\":0,").split(' ');
    static const QByteArrayList values =
        QByteArray("01 -0 5.0 1e2 +1 tru nul 9999999999999999 - \"x\" []").split(' ');
    static const QByteArrayList between = QByteArray("\f x , {} \"\"").split(' ');
    const auto any = [&](const QList<int>& list) {
        return list.isEmpty() ? json.size() : list.at(random.bounded(list.size()));
    };
    const auto pick = [&](const QByteArrayList& list) {
        return list.at(random.bounded(list.size()));
    };
    const QByteArray value = pick(values);
    const int at = any(places.keyStart);
    const int quote = json.indexOf('"', at);
    switch (random.bounded(7)) {
    case 0:
        return json.insert(any(places.inString), pick(inString));
    case 1:
        return json.insert(at, pick(keys));
    case 2:
        // The next key once more.
        return json.insert(at, json.mid(quote, json.indexOf('"', quote + 1) - quote + 1) + ":0,");
    case 3:
        // An empty key, the first of its object when it opens it.
        return json.insert(at, "\"\":" + value + ",");
    case 4:
        return json.insert(any(places.valueStart), value + ",");
    case 5:
        return json.insert(any(places.between), pick(between));
    default:
        return json.left(random.bounded(json.size() + 1));
    }
}

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
    static const QJsonArray values = QJsonDocument::fromJson(R"([true, 5, 2.5, "7", [1], {}, null,
        2147483648, -2147483649, 999999999999999, 2000, "2.1.0.0", 2200, 23, 1, 70000, "",
        {"id": 23, "reacao": 1, "tempo": 1, "raio": 300}])")
                                         .array();
    return values.at(random.bounded(values.size()));
}

// The value changed somewhere down its tree the way a hand or another
// program might: a value replaced, a key dropped or added, an element added.
QJsonValue perturbed(const QJsonValue& value, QRandomGenerator& random)
{
    if (value.isObject()) {
        QJsonObject object = value.toObject();
        const QStringList keys = object.keys();
        const QString key = keys.isEmpty() ? "extra" : keys.at(random.bounded(keys.size()));
        if (random.bounded(6) == 0)
            object.remove(key);
        else if (random.bounded(6) == 0)
            object.insert(random.bounded(2) ? "extra" : key, anyValue(random));
        else
            object.insert(key, perturbed(object.value(key), random));
        return object;
    }
    if (value.isArray()) {
        QJsonArray array = value.toArray();
        const int i = random.bounded(array.size() + 1);
        if (i == array.size() || random.bounded(6) == 0)
            array.insert(i, anyValue(random));
        else
            array.replace(i, perturbed(array.at(i), random));
        return array;
    }
    return anyValue(random);
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
    void initTestCase() { env = std::make_unique<ZorTest::TestEnvironment>(); }
    void reindent_data() { SampleGroups::addSeedRows(300); }
    // A text the toolkit wrote, however spaced, is laid out as it lays it out;
    // changed by hand, it is declined or still laid out as the toolkit does.
    void reindent()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        const QJsonDocument root(anyJson(random, 0, AnObject).toObject());
        Places places;
        const QByteArray own = spaced(
            root.toJson(random.bounded(2) ? QJsonDocument::Compact : QJsonDocument::Indented),
            random, places);
        QByteArray out;
        QVERIFY(JsonReindenter::reindent(own, &out));
        QCOMPARE(out, root.toJson(QJsonDocument::Indented));

        for (int i = 0; i < 20; ++i) {
            const QByteArray json = edited(own, random, places);
            // Only what it accepts goes to the toolkit, whose parser loses
            // memory on some of the texts it refuses.
            if (JsonReindenter::reindent(json, &out)) {
                QJsonParseError error;
                const QJsonDocument document = QJsonDocument::fromJson(json, &error);
                QCOMPARE(error.error, QJsonParseError::NoError);
                QVERIFY(document.isObject());
                QCOMPARE(out, document.toJson(QJsonDocument::Indented));
            }
        }
    }

    void readerAgreesWithDocument_data() { SampleGroups::addSeedRows(80); }
    // Documents as the program writes them, indented as its load leaves them,
    // and changed: the reader takes the first two in one pass (but for lone
    // surrogates, which it leaves to the toolkit), and reads them all alike.
    void readerAgreesWithDocument()
    {
        QFETCH(quint32, seed);
        const auto group = SampleGroups::random(seed);
        const QByteArray saved = McxWriter::toJson(*group);
        const QByteArray indented = QJsonDocument::fromJson(saved).toJson(QJsonDocument::Indented);
        for (const QByteArray& json : {saved, indented}) {
            const bool onePass = readsAsTheDocument(json);
            QVERIFY(onePass || saved.contains("\\ud"));
        }
        QRandomGenerator random(seed);
        for (int i = 0; i < 4; ++i) {
            const QJsonValue changed = perturbed(QJsonDocument::fromJson(saved).object(), random);
            readsAsTheDocument(QJsonDocument(changed.toObject()).toJson(QJsonDocument::Compact));
            if (QTest::currentTestFailed())
                return;
        }
    }

    void keptFiles_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString& file : ZorTest::keptMcxFiles())
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
    }

    // The example, the test files and the inputs the fuzzer kept: read alike
    // either way; what the reader accepts, the writer writes so that it reads
    // back, the same from the second save on (the first may drop what the format
    // does not keep).
    void keptFiles()
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

    void latin1Strings()
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

private:
    std::unique_ptr<ZorTest::TestEnvironment> env;
};

QTEST_GUILESS_MAIN(TestJsonFormat)
#include "tst_jsonformat.moc"
