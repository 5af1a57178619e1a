#include "io/compactjsonwriter.h"
#include "io/jsonreindenter.h"
#include "io/jsontext.h"
#include "io/mcxwriter.h"
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

#include <climits>

using ZorTest::contentsOf;
using ZorTest::TestEnvironment;
using ZorTest::writeFile;

namespace {

QByteArray qtCompact(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// The text the toolkit writes for one string value, with its quotes.
QByteArray qtString(const QString& text)
{
    const QByteArray wrapped = qtCompact(QJsonObject{{"s", text}});
    // {"s":...}
    return wrapped.mid(5, wrapped.size() - 6);
}

QByteArray ourString(const QString& text)
{
    QByteArray out;
    JsonText::appendString(out, text);
    return out;
}

QString allUnitsBelow(int limit)
{
    QString text;
    for (int unit = 0; unit < limit; ++unit)
        text += QChar(unit);
    return text;
}

QString randomText(QRandomGenerator& random, int length)
{
    // Mostly the interesting ranges: controls, ASCII, Latin-1, surrogates.
    static const int ranges[][2] = {{0, 0x20},        {0x20, 0x80},     {0x80, 0x100},
                                    {0x100, 0xd800},  {0xd800, 0xdc00}, {0xdc00, 0xe000},
                                    {0xe000, 0x10000}};
    QString text;
    for (int i = 0; i < length; ++i) {
        const auto& range = ranges[random.bounded(7)];
        text += QChar(ushort(random.bounded(range[0], range[1])));
    }
    return text;
}

// A group whose texts hold everything a string can: quotes, backslashes,
// control characters, accents, characters beyond the BMP, lone surrogates.
std::unique_ptr<Group> awkwardGroup()
{
    auto group = std::make_unique<Group>(
        QStringLiteral("Aç\"ão \\ \t\x01 ") + QChar(0xd83d) + QChar(0xde00) + QChar(0xdc00),
        QStringLiteral("linha 1\nlinha 2\r\f\b") + QChar(0x7f) + QChar(0xd800) + QChar(0xfffe));
    group->setCreationDate(QStringLiteral("2024/02/29 23:59:59"));
    auto* macro = new Macro(QStringLiteral("007"), QStringLiteral("Nome \"citado\" é"), QString(),
                            QStringLiteral("A\\B"), 6, true);
    QByteArray form(Macro::ScreenSize, ' ');
    form[0] = '\0';
    form[1] = char(0xe9);
    form[2] = '"';
    form[3] = char(0xff);
    form[799] = 'Z';
    macro->setForm(form);
    macro->setConfirmationText(QByteArray("\x01\x1f tail") + QByteArray(780, ' '));
    // More than ten flow entries, an empty acronym and a number 0.
    QStringList flow;
    QList<quint16> numbers;
    QList<quint16> positions;
    for (int i = 0; i < 12; ++i) {
        flow << (i == 3 ? QString() : QStringLiteral("F%1").arg(i));
        numbers << quint16(i == 5 ? 0 : 300 + i);
        positions << quint16(i);
    }
    macro->setFlow(flow);
    macro->setFlowNum(numbers);
    macro->setFlowPos(positions);
    macro->setViolation({0, 23, 7, 255});
    macro->setViolationReactions({1, 2, 3});
    macro->setViolationTimers({240});
    macro->setRaio(4999);
    macro->setAutomation({0, 255});
    macro->setSecureSensors({});
    macro->setSecureActuators({9});
    macro->setValidationInt(65535);
    macro->setPosition(QPoint(-13, 2147483647));
    macro->setDimensions(QRect(-5, 7, 40, 41));
    group->addMacro(macro);
    group->addMacro(nullptr);
    group->addMacro(new Macro(QString(), QString(), QStringLiteral("x"), QString(), 0, false));
    return group;
}

} // namespace

class TestJsonText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void strings_data();
    void strings();
    void randomStrings();
    void integers();
    void writerNesting();
    void groupDocument_data();
    void groupDocument();
    void reindentMatchesToolkit_data();
    void reindentMatchesToolkit();
    void reindentDeclines_data();
    void reindentDeclines();
    void reindentKeptFiles_data();
    void reindentKeptFiles();
    void loadRewritesAsToolkit_data();
    void loadRewritesAsToolkit();

private:
    std::unique_ptr<TestEnvironment> environment;
};

void TestJsonText::initTestCase()
{
    environment = std::make_unique<TestEnvironment>();
    QVERIFY(environment->isValid());
}

void TestJsonText::strings_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("every ASCII unit") << allUnitsBelow(0x80);
    QTest::newRow("Latin-1") << allUnitsBelow(0x100).mid(0x80);
    QTest::newRow("accents") << QStringLiteral("Ação e Âncora, não é?");
    QTest::newRow("pair") << QString::fromUcs4(U"\U0001F600\U0010FFFF");
    QTest::newRow("lone high") << QString(QChar(0xd800)) + QLatin1Char('A');
    QTest::newRow("lone low") << QString(QChar(0xdfff));
    QTest::newRow("high at the end") << QStringLiteral("x") + QChar(0xdbff);
    QTest::newRow("two highs") << QString(QChar(0xd800)) + QChar(0xd801) + QChar(0xdc00);
    QTest::newRow("noncharacters") << QString(QChar(0xfffe)) + QChar(0xffff) + QChar(0xfdd0);
    QTest::newRow("NUL inside") << QString(QChar(0)) + QStringLiteral("a") + QChar(0);
}

void TestJsonText::strings()
{
    QFETCH(QString, text);
    QCOMPARE(ourString(text), qtString(text));
}

void TestJsonText::randomStrings()
{
    QRandomGenerator random(2024);
    for (int i = 0; i < 2000; ++i) {
        const QString text = randomText(random, int(random.bounded(40)));
        QCOMPARE(ourString(text), qtString(text));
    }
    // The Latin-1 overload, for every byte.
    QByteArray bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes += char(byte);
    QByteArray out;
    JsonText::appendString(out, QLatin1String(bytes));
    QCOMPARE(out, qtString(QString::fromLatin1(bytes)));
}

void TestJsonText::integers()
{
    for (const int value : {0, 1, -1, 9, 10, -10, 2100, 65535, INT_MAX, INT_MIN, INT_MIN + 1}) {
        QByteArray out;
        JsonText::appendInteger(out, value);
        QCOMPARE(out, qtCompact(QJsonObject{{"n", value}}).mid(5).chopped(1)); // {"n":...}
    }
}

void TestJsonText::writerNesting()
{
    CompactJsonWriter writer;
    writer.beginObject();
    writer.key(QLatin1String("a"));
    writer.beginArray();
    writer.endArray();
    writer.key(QLatin1String("b"));
    writer.beginArray();
    writer.value(1);
    writer.beginObject();
    writer.endObject();
    writer.beginArray();
    writer.value(true);
    writer.value(false);
    writer.endArray();
    writer.value(QStringLiteral("s"));
    writer.endArray();
    writer.key(QLatin1String("c"));
    writer.beginObject();
    writer.key(QLatin1String("d"));
    writer.value(-2);
    writer.endObject();
    writer.endObject();
    const QJsonObject expected{{"a", QJsonArray()},
                               {"b", QJsonArray{1, QJsonObject(), QJsonArray{true, false}, "s"}},
                               {"c", QJsonObject{{"d", -2}}}};
    QCOMPARE(writer.take(), qtCompact(expected));
}

void TestJsonText::groupDocument_data()
{
    // The saved text is the toolkit's text of the object the macros write.
    QTest::addColumn<QByteArray>("direct");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char* name, const std::unique_ptr<Group>& group) {
        QTest::newRow(name) << McxWriter::toJson(*group)
                            << qtCompact(McxWriter::toJsonObject(*group));
    };
    row("sample", SampleGroups::sample());
    row("every field", SampleGroups::everyField());
    row("awkward texts", awkwardGroup());
    row("empty group", std::make_unique<Group>(QString(), QString()));
}

void TestJsonText::groupDocument()
{
    QFETCH(QByteArray, direct);
    QTEST(direct, "expected");
}

void TestJsonText::reindentMatchesToolkit_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("empty object") << QByteArray("{}");
    QTest::newRow("empty containers") << QByteArray(R"({"a":[],"b":{},"c":[[],{}],"d":{"e":[]}})");
    QTest::newRow("scalars") << QByteArray(
        R"({"big":999999999999999,"f":false,"m":-7,"n":null,"t":true,"z":0})");
    QTest::newRow("escapes") << QByteArray(
        R"({"s":"q\" b\\ \b\f\n\r\t \u0000\u001f\u0001 é 😀 "})");
    QTest::newRow("deep") << QByteArray(R"({"a":{"b":{"c":[1,[2,[3,{"d":[4]}]]]}}})");
    QTest::newRow("spaced") << QByteArray(
        " \r\n\t{ \"a\" :\n[ 1 ,\t2 ] , \"b\" : { \"c\" : \"x\" } }\n\n ");
    QTest::newRow("sample indented")
        << QJsonDocument(McxWriter::toJsonObject(*SampleGroups::sample()))
               .toJson(QJsonDocument::Indented);
    QTest::newRow("sample compact") << McxWriter::toJson(*SampleGroups::sample());
    QTest::newRow("every field compact") << McxWriter::toJson(*SampleGroups::everyField());
}

void TestJsonText::reindentMatchesToolkit()
{
    QFETCH(QByteArray, json);
    QByteArray out;
    QVERIFY(JsonReindenter::reindent(json, &out));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(out, document.toJson(QJsonDocument::Indented));
}

void TestJsonText::reindentDeclines_data()
{
    // Texts the toolkit reads but writes differently, or does not read: the
    // caller serialises those the toolkit's way.
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("keys out of order") << QByteArray(R"({"b":1,"a":2})");
    QTest::newRow("key twice") << QByteArray(R"({"a":1,"a":2})");
    QTest::newRow("nested keys out of order") << QByteArray(R"({"a":{"y":1,"x":2}})");
    QTest::newRow("escaped key") << QByteArray(R"({"\u0061":1})");
    QTest::newRow("accented key") << QByteArray("{\"\xc3\xa9\":1}");
    QTest::newRow("escaped slash") << QByteArray(R"({"a":"\/"})");
    QTest::newRow("escaped letter") << QByteArray(R"({"a":"\u00e9"})");
    QTest::newRow("upper-case hex") << QByteArray(R"({"a":"\u001F"})");
    QTest::newRow("tab as \\u") << QByteArray(R"({"a":"\u0009"})");
    QTest::newRow("escaped pair") << QByteArray(R"({"a":"\ud83d\ude00"})");
    // The toolkit writes a lone surrogate so, but whether one is lone takes
    // a look at its neighbours: left to the toolkit.
    QTest::newRow("escaped lone surrogate") << QByteArray(R"({"a":"\ud800"})");
    QTest::newRow("awkward group") << McxWriter::toJson(*awkwardGroup());
    QTest::newRow("fraction") << QByteArray(R"({"a":5.0})");
    QTest::newRow("exponent") << QByteArray(R"({"a":1e2})");
    QTest::newRow("minus zero") << QByteArray(R"({"a":-0})");
    QTest::newRow("sixteen digits") << QByteArray(R"({"a":1234567890123456})");
    QTest::newRow("leading zero") << QByteArray(R"({"a":01})");
    QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf{\"a\":1}");
    QTest::newRow("array root") << QByteArray("[1]");
    QTest::newRow("trailing text") << QByteArray(R"({"a":1} x)");
    QTest::newRow("trailing comma") << QByteArray(R"({"a":[1,]})");
    QTest::newRow("cut short") << QByteArray(R"({"a":[1,2)");
    QTest::newRow("overlong UTF-8") << QByteArray("{\"a\":\"\xc0\xaf\"}");
    QTest::newRow("encoded surrogate") << QByteArray("{\"a\":\"\xed\xa0\x80\"}");
    QTest::newRow("raw control") << QByteArray("{\"a\":\"\x01\"}");
    QTest::newRow("bad literal") << QByteArray(R"({"a":tru})");
    QTest::newRow("empty") << QByteArray();
}

void TestJsonText::reindentDeclines()
{
    QFETCH(QByteArray, json);
    QByteArray out;
    QVERIFY(!JsonReindenter::reindent(json, &out));
}

void TestJsonText::reindentKeptFiles_data()
{
    QTest::addColumn<QString>("file");
    for (const QString& file : ZorTest::keptMcxFiles())
        QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
}

void TestJsonText::reindentKeptFiles()
{
    // Whatever a file holds: either the toolkit's indented text, or a refusal.
    QFETCH(QString, file);
    const QByteArray json = contentsOf(file);
    QByteArray out;
    if (!JsonReindenter::reindent(json, &out))
        return;
    QCOMPARE(out, QJsonDocument::fromJson(json).toJson(QJsonDocument::Indented));
}

void TestJsonText::loadRewritesAsToolkit_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("dropsTimer");
    const QByteArray saved = McxWriter::toJson(*SampleGroups::sample());
    const QJsonObject document = QJsonDocument::fromJson(saved).object();
    QTest::newRow("as saved") << saved << false;
    QTest::newRow("as rewritten") << QJsonDocument(document).toJson(QJsonDocument::Indented)
                                  << false;

    // Keys out of order and an escaped slash: the toolkit's way.
    QByteArray unordered = saved;
    unordered.replace("{\"header\":{\"creationDate\":\"2024/05/13 08:30:00\",",
                      "{\"header\":{\"creationDate\":\"2024\\/05/13 08:30:00\",");
    QVERIFY(unordered != saved);
    unordered.replace("\"nMacros\":12,\"name\"", "\"name\"");
    unordered.replace("\"version\":2100}", "\"version\":2100,\"nMacros\":12}");
    QTest::newRow("unordered") << unordered << false;

    // Violation 4 of the first macro has no analysis time: a timer of 1 goes.
    QByteArray timer = saved;
    QVERIFY(timer.contains("{\"id\":4,\"reacao\":1,\"tempo\":0}"));
    timer.replace("{\"id\":4,\"reacao\":1,\"tempo\":0}", "{\"id\":4,\"reacao\":1,\"tempo\":1}");
    QTest::newRow("timer dropped") << timer << true;
}

void TestJsonText::loadRewritesAsToolkit()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, dropsTimer);
    const QString file = environment->filePath("rewrite.mcx");
    writeFile(file, json);
    MessageRecorder recorder;
    Group group{QString(), QString()};
    QVERIFY(group.loadMcx(file, SampleGroups::timerFlags()));

    // The file holds the toolkit's indented text of the document read, less
    // the dropped timer.
    QByteArray expected = json;
    if (dropsTimer)
        expected.replace("{\"id\":4,\"reacao\":1,\"tempo\":1}", "{\"id\":4,\"reacao\":1}");
    QCOMPARE(contentsOf(file), QJsonDocument::fromJson(expected).toJson(QJsonDocument::Indented));
}

QTEST_GUILESS_MAIN(TestJsonText)
#include "tst_jsontext.moc"
