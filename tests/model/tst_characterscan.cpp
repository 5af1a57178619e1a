#include "model/characterscan.h"
#include "model/macro.h"
#include "support/testenvironment.h"

#include <QtTest>

namespace {

QByteArray screen(const QByteArray& start, char fill = ' ')
{
    QByteArray bytes = start;
    bytes.append(QByteArray(Macro::ScreenSize - start.size(), fill));
    return bytes;
}

Macro screenMacro(const QByteArray& form, const QByteArray& confirmation)
{
    Macro macro(QStringLiteral("1"), QStringLiteral("M"), QStringLiteral("0"), QStringLiteral("M"),
                0, false);
    macro.setForm(form);
    macro.setConfirmationText(confirmation);
    return macro;
}

} // namespace

class TestCharacterScan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void refusedCharacters_data();
    void refusedCharacters();
    void correct_data();
    void correct();

private:
    std::unique_ptr<ZorTest::TestEnvironment> env;
};

void TestCharacterScan::initTestCase()
{
    env = std::make_unique<ZorTest::TestEnvironment>();
}

void TestCharacterScan::refusedCharacters_data()
{
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<QByteArray>("confirmation");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("clean") << screen("LOGIN [LLLLL] 10,5% $ a/b-c_d ?!;:") << screen("OK")
                           << QStringList{};
    QTest::newRow("ampersand only") << screen("R$ 10,00 & 5%") << screen("") << QStringList{"&"};
    // One byte, one Latin-1 character, as the files and the terminal keep them.
    QTest::newRow("latin-1 accents")
        << screen("A\xc7\xc3O") << screen("N\xcdVEL") << QStringList{"Ç", "Ã", "Í"};
    QTest::newRow("order of first appearance, once each")
        << screen("#@#") << screen("@*&") << QStringList{"#", "@", "*", "&"};
    QTest::newRow("case-sensitive distinct")
        << screen("\xe7\xc7\xe7") << screen("") << QStringList{"ç", "Ç"};
    // A form exported from the grid has NUL bytes in its empty cells: the
    // confirmation text after it is still scanned.
    QTest::newRow("after the NUL cells of a form")
        << screen("FORM", '\0') << screen("<b>") << QStringList{"<", ">"};
    QTest::newRow("NUL inside the confirmation")
        << screen("") << screen(QByteArray("A\0B+", 4)) << QStringList{"+"};
    QTest::newRow("clean, all NUL cells") << screen("", '\0') << screen("", '\0') << QStringList{};
    QTest::newRow("only the last byte of the confirmation")
        << screen("") << screen("").replace(Macro::ScreenSize - 1, 1, "~") << QStringList{"~"};
    QTest::newRow("DEL and a lone high byte")
        << screen("\x7f") << screen("\xff") << QStringList{"\x7f", "ÿ"};
}

void TestCharacterScan::refusedCharacters()
{
    QFETCH(QByteArray, form);
    QFETCH(QByteArray, confirmation);

    Macro macro = screenMacro(form, confirmation);
    QTEST(CharacterScan::refusedCharacters(macro), "expected");
}

void TestCharacterScan::correct_data()
{
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<QByteArray>("expectedForm");
    QTest::addColumn<QByteArray>("confirmation");
    QTest::addColumn<QByteArray>("expectedConfirmation");

    QTest::newRow("ampersand") << screen("R$ 10,00 & 5%") << screen("R$ 10,00 E 5%") << screen("")
                               << screen("");
    QTest::newRow("utf-8 bytes each")
        << screen("A\xc3\x87\xc3\x83O") << screen("A----O") << screen("x+y@z") << screen("x y$z");
    QTest::newRow("mapped characters")
        << screen("\\|#") << screen("/!-") << screen("*") << screen("-");
    QTest::newRow("form keeps its NUL cells")
        << screen("A&", '\0') << screen("AE", '\0') << screen("") << screen("");
}

void TestCharacterScan::correct()
{
    QFETCH(QByteArray, form);
    QFETCH(QByteArray, confirmation);

    Macro macro = screenMacro(form, confirmation);
    CharacterScan::correct(macro);
    QTEST(macro.form(), "expectedForm");
    QTEST(macro.confirmationText(), "expectedConfirmation");
    QVERIFY(CharacterScan::refusedCharacters(macro).isEmpty());
}

QTEST_GUILESS_MAIN(TestCharacterScan)
#include "tst_characterscan.moc"
