#include "model/screentext.h"

#include <QRegularExpression>
#include <QtTest>

#include <cstring>
#include <vector>

namespace {

// A blank screen with texts placed at (row, column).
struct Placed
{
    int row;
    int col;
    QByteArray text;
};

QByteArray screen(std::initializer_list<Placed> placed, char blank = ' ')
{
    QByteArray bytes(ScreenText::Size, blank);
    for (const Placed& p : placed)
        bytes.replace(p.row * ScreenText::Columns + p.col, p.text.size(), p.text);
    return bytes;
}

// A heap buffer of exactly the bytes the call may see, so that AddressSanitizer
// catches any access beyond them.
std::vector<char> exactBuffer(const QByteArray& bytes)
{
    return std::vector<char>(bytes.cbegin(), bytes.cend());
}

} // namespace

class TestScreenText : public QObject
{
    Q_OBJECT

private slots:
    void allowedBytes();
    void refusedCharacterExpression();
    void checkFields_data();
    void checkFields();
    void checkFieldsNeverReadsBeyondLength();
    void correctCharacters_data();
    void correctCharacters();
    void correctionGivesAllowedBytes();
};

void TestScreenText::allowedBytes()
{
    const QByteArray punctuation = ",.;:?![]_-/$%";
    const QByteArray whiteSpace = " \t\n\v\f\r";
    for (int value = 0; value < 256; ++value) {
        const char byte = static_cast<char>(value);
        const bool expected = (value >= '0' && value <= '9') || (value >= 'a' && value <= 'z') ||
                              (value >= 'A' && value <= 'Z') || punctuation.contains(byte) ||
                              whiteSpace.contains(byte);
        QVERIFY2(ScreenText::isAllowed(byte) == expected, qPrintable(QString::number(value)));
    }
}

void TestScreenText::refusedCharacterExpression()
{
    const QRegularExpression& refused = ScreenText::refusedCharacter();
    QVERIFY(refused.isValid());
    QCOMPARE(&refused, &ScreenText::refusedCharacter());
    QVERIFY(!refused.match(QStringLiteral("Az09 ,.;:?![]_-/$%\t")).hasMatch());
    QCOMPARE(refused.match(QStringLiteral("R$ 10,00 & 5%")).captured(), QStringLiteral("&"));
    QCOMPARE(refused.match(QStringLiteral("AÇÃO")).captured(), QStringLiteral("Ç"));
    QVERIFY(refused.match(QStringLiteral("(")).hasMatch());
    QVERIFY(refused.match(QStringLiteral("#")).hasMatch());
}

void TestScreenText::checkFields_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("expected");

    QTest::newRow("blank") << screen({}) << 800 << 0;
    QTest::newRow("all NUL") << QByteArray(800, '\0') << 800 << 0;
    QTest::newRow("well formed") << screen({{0, 0, "NOME [LLLLL] SENHA [SSSSS]"},
                                            {5, 30, "[dd/mm/aa]"},
                                            {19, 33, "[hh:mm]"}})
                                 << 800 << 0;
    QTest::newRow("marker filling its row")
        << screen({{7, 0, "[" + QByteArray(38, 'c') + "]"}}) << 800 << 0;
    QTest::newRow("adjacent markers") << screen({{2, 0, "[dd/mm/aa][hh:mm]"}}) << 800 << 0;
    QTest::newRow("NUL bytes inside a marker")
        << screen({{2, 0, QByteArray("[a\0b]", 5)}}) << 800 << 0;
    QTest::newRow("unclosed") << screen({{2, 4, "[LLLLL"}}) << 800 << 3;
    QTest::newRow("stray close") << screen({{4, 4, "LLLLL]"}}) << 800 << 5;
    QTest::newRow("closed before opened") << screen({{1, 0, "]abc"}, {1, 36, "[ab"}}) << 800 << 2;
    QTest::newRow("blank inside") << screen({{3, 10, "[dd mm]"}}) << 800 << 4;
    QTest::newRow("open inside") << screen({{6, 10, "[a[b]]"}}) << 800 << 7;
    QTest::newRow("runs into the next row")
        << screen({{8, 0, "]"}, {8, 37, "[ab"}, {9, 0, "c]"}, {9, 5, "["}}) << 800 << 9;
    QTest::newRow("open in the last cell") << screen({{18, 0, "]"}, {19, 39, "["}}) << 800 << 19;
    QTest::newRow("open in the very last cell")
        << screen({{19, 0, "]"}, {19, 39, "["}}) << 800 << 20;
    QTest::newRow("unbalanced row wins over an earlier blank")
        << screen({{1, 0, "[a b]"}, {10, 0, "[["}}) << 800 << 11;
    QTest::newRow("first of two faulty rows") << screen({{12, 0, "["}, {14, 0, "]"}}) << 800 << 13;

    const QByteArray tail = screen({{2, 20, "[ccccc]"}});
    QTest::newRow("marker beyond the length") << tail << 100 << 0;
    QTest::newRow("length cuts a marker") << tail << 103 << 3;
    QTest::newRow("length just after the marker") << tail << 107 << 0;
    QTest::newRow("zero length") << screen({{0, 0, "["}}) << 0 << 0;
    QTest::newRow("negative length") << screen({{0, 0, "["}}) << -5 << 0;
    QTest::newRow("length above 800") << screen({{19, 30, "[nnnnn]"}}) << 5000 << 0;
}

void TestScreenText::checkFields()
{
    QFETCH(QByteArray, text);
    QFETCH(int, length);
    QFETCH(int, expected);
    std::vector<char> bytes = exactBuffer(text.left(qBound(0, length, ScreenText::Size)));
    QCOMPARE(ScreenText::checkFields(bytes.data(), length), expected);
    QCOMPARE(ScreenText::checkFields(nullptr, length), 0);
}

void TestScreenText::checkFieldsNeverReadsBeyondLength()
{
    // "[" as the last byte the call may see: the scan for its "]" must stop.
    for (int length = 1; length <= ScreenText::Size; ++length) {
        std::vector<char> bytes(length, 'a');
        bytes.back() = '[';
        QCOMPARE(ScreenText::checkFields(bytes.data(), length), (length - 1) / 40 + 1);
    }
}

void TestScreenText::correctCharacters_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("allowed only") << QByteArray("Az09 ,.;:?![]_-/$%\t\n") << 20
                                  << QByteArray("Az09 ,.;:?![]_-/$%\t\n");
    QTest::newRow("ampersand") << QByteArray("R$ 10,00 & 5%") << 13 << QByteArray("R$ 10,00 E 5%");
    QTest::newRow("plus") << QByteArray("1+1") << 3 << QByteArray("1 1");
    QTest::newRow("at sign") << QByteArray("a@b") << 3 << QByteArray("a$b");
    QTest::newRow("backslash") << QByteArray("c:\\x") << 4 << QByteArray("c:/x");
    QTest::newRow("bar") << QByteArray("a|b") << 3 << QByteArray("a!b");
    QTest::newRow("other ASCII") << QByteArray("#*()<>=\"'`^~{}") << 14
                                 << QByteArray("--------------");
    QTest::newRow("control bytes") << QByteArray("\x01\x1b\x7f") << 3 << QByteArray("---");
    QTest::newRow("UTF-8 letters") << QByteArray("AÇÃO") << 6 << QByteArray("A----O");
    QTest::newRow("bytes 128 and above")
        << QByteArray("\x80\xa0\xc7\xff") << 4 << QByteArray("----");
    QTest::newRow("NUL bytes stay")
        << QByteArray("ab\0\0#\0", 6) << 6 << QByteArray("ab\0\0-\0", 6);
    QTest::newRow("only the given length") << QByteArray("&&&&") << 2 << QByteArray("EE&&");
    QTest::newRow("zero length") << QByteArray("&") << 0 << QByteArray("&");
    QTest::newRow("negative length") << QByteArray("&") << -1 << QByteArray("&");
    QTest::newRow("length above 800") << QByteArray(800, '#') << 100000 << QByteArray(800, '-');
}

void TestScreenText::correctCharacters()
{
    QFETCH(QByteArray, text);
    QFETCH(int, length);
    QFETCH(QByteArray, expected);
    std::vector<char> bytes = exactBuffer(text);
    ScreenText::correctCharacters(bytes.data(), length);
    QCOMPARE(QByteArray(bytes.data(), int(bytes.size())), expected);
    ScreenText::correctCharacters(nullptr, length);
}

void TestScreenText::correctionGivesAllowedBytes()
{
    std::vector<char> bytes(256);
    for (int value = 0; value < 256; ++value)
        bytes[value] = static_cast<char>(value);
    ScreenText::correctCharacters(bytes.data(), 256);
    QCOMPARE(bytes[0], '\0');
    for (int value = 1; value < 256; ++value) {
        const char byte = static_cast<char>(value);
        QVERIFY(ScreenText::isAllowed(bytes[value]));
        if (ScreenText::isAllowed(byte))
            QCOMPARE(bytes[value], byte);
    }
}

QTEST_GUILESS_MAIN(TestScreenText)
#include "tst_screentext.moc"
