#include "model/characterscan.h"
#include "model/group.h"
#include "model/identitytext.h"
#include "model/macro.h"
#include "model/macrosearch.h"
#include "model/screentext.h"

#include <QtTest>

#include <vector>

namespace {

// A screen of blanks (or another fill) with texts placed at (row, column).
struct Placed
{
    int row;
    int col;
    QByteArray text;
};

QByteArray screen(std::initializer_list<Placed> placed, char fill = ' ')
{
    QByteArray bytes(ScreenText::Size, fill);
    for (const Placed& p : placed)
        bytes.replace(p.row * ScreenText::Columns + p.col, p.text.size(), p.text);
    return bytes;
}

} // namespace

// The texts of a macro as the terminal takes them: screens, names and
// acronyms, and the search over them.
class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    // Digits, letters, white space and ",.;:?![]_-/$%"; every other byte is
    // replaced by one of these, the few that have a look-alike by it.
    void allowedBytes()
    {
        const QByteArray signs = ",.;:?![]_-/$%";
        std::vector<char> corrected(256);
        for (int value = 0; value < 256; ++value)
            corrected[value] = char(value);
        ScreenText::correctCharacters(corrected.data(), 256);
        for (int value = 0; value < 256; ++value) {
            const char byte = char(value);
            const bool allowed =
                QChar(value).isLetterOrNumber()
                    ? value < 128
                    : signs.contains(byte) || (value >= 9 && value <= 13) || value == ' ';
            QVERIFY2(ScreenText::isAllowed(byte) == allowed, qPrintable(QString::number(value)));
            const char replacement = QByteArray("&+@\\|").contains(byte)
                                         ? "E $/!"[QByteArray("&+@\\|").indexOf(byte)]
                                         : '-';
            QCOMPARE(corrected[value], allowed || value == 0 ? byte : replacement);
        }
    }

    void checkFields_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("row");

        QTest::newRow("all NUL") << screen({}, '\0') << 800 << 0;
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
        QTest::newRow("closed before opened")
            << screen({{1, 0, "]abc"}, {1, 36, "[ab"}}) << 800 << 2;
        QTest::newRow("blank inside") << screen({{3, 10, "[dd mm]"}}) << 800 << 4;
        QTest::newRow("open inside") << screen({{6, 10, "[a[b]]"}}) << 800 << 7;
        QTest::newRow("runs into the next row")
            << screen({{8, 0, "]"}, {8, 37, "[ab"}, {9, 0, "c]"}, {9, 5, "["}}) << 800 << 9;
        QTest::newRow("open in the very last cell")
            << screen({{19, 0, "]"}, {19, 39, "["}}) << 800 << 20;
        QTest::newRow("unbalanced row wins over an earlier blank")
            << screen({{1, 0, "[a b]"}, {10, 0, "[["}}) << 800 << 11;
        const QByteArray tail = screen({{2, 20, "[ccccc]"}});
        QTest::newRow("length cuts a marker") << tail << 103 << 3;
        QTest::newRow("length just after the marker") << tail << 107 << 0;
        QTest::newRow("negative length") << screen({{0, 0, "["}}) << -5 << 0;
        QTest::newRow("length above 800") << screen({{19, 30, "[nnnnn]"}}) << 5000 << 0;
    }

    void checkFields()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, length);
        // Exactly the bytes the call may see, for the sanitizer build.
        std::vector<char> bytes(text.cbegin(), text.cbegin() + qBound(0, length, ScreenText::Size));
        QTEST(ScreenText::checkFields(bytes.data(), length), "row");
        QCOMPARE(ScreenText::checkFields(nullptr, length), 0);
    }

    void checkFieldsStopsAtTheLength()
    {
        // "[" as the last byte the call may see: the scan for its "]" must stop.
        for (int length = 1; length <= ScreenText::Size; ++length) {
            std::vector<char> bytes(length, 'a');
            bytes.back() = '[';
            QCOMPARE(ScreenText::checkFields(bytes.data(), length), (length - 1) / 40 + 1);
        }
    }

    void correctCharacters_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("NUL bytes stay")
            << QByteArray("ab\0\0#\0", 6) << 6 << QByteArray("ab\0\0-\0", 6);
        QTest::newRow("only the given length") << QByteArray("&&&&") << 2 << QByteArray("EE&&");
        QTest::newRow("length above 800") << QByteArray(800, '#') << 100000 << QByteArray(800, '-');
    }

    void correctCharacters()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, length);
        std::vector<char> bytes(text.cbegin(), text.cend());
        ScreenText::correctCharacters(bytes.data(), length);
        QTEST(QByteArray(bytes.data(), int(bytes.size())), "expected");
        ScreenText::correctCharacters(nullptr, length);
    }

    void refusedCharacters_data()
    {
        QTest::addColumn<QByteArray>("form");
        QTest::addColumn<QByteArray>("confirmation");
        QTest::addColumn<QStringList>("refused");
        QTest::addColumn<QByteArray>("correctedForm");

        QTest::newRow("clean") << screen({{0, 0, "LOGIN [LLLLL] 10,5% $ a/b-c_d ?!;:"}})
                               << screen({}) << QStringList{} << QByteArray();
        // One byte, one Latin-1 character, each once, in the order they come.
        QTest::newRow("Latin-1, once each")
            << screen({{0, 0, "A\xc7\xc3O&\xc7"}}) << screen({{0, 0, "N\xcdVEL"}})
            << QStringList{"Ç", "Ã", "&", "Í"} << screen({{0, 0, "A--OE-"}});
        // A form exported from the grid has NUL bytes in its empty cells: the
        // confirmation text after it is still scanned, and they stay.
        QTest::newRow("after the NUL cells of a form")
            << screen({{0, 0, "F#"}}, '\0') << screen({{0, 0, "<b>"}}) << QStringList{"#", "<", ">"}
            << screen({{0, 0, "F-"}}, '\0');
        QTest::newRow("NUL inside the confirmation")
            << screen({}) << screen({{0, 0, QByteArray("A\0B+", 4)}}) << QStringList{"+"}
            << QByteArray();
        QTest::newRow("only the last byte")
            << screen({}) << screen({{19, 39, "~"}}) << QStringList{"~"} << QByteArray();
    }

    void refusedCharacters()
    {
        QFETCH(QByteArray, form);
        QFETCH(QByteArray, confirmation);
        QFETCH(QByteArray, correctedForm);

        Macro macro("1", "M", "0", "M", 0, false);
        macro.setForm(form);
        macro.setConfirmationText(confirmation);
        QTEST(CharacterScan::refusedCharacters(macro), "refused");
        CharacterScan::correct(macro);
        QVERIFY(CharacterScan::refusedCharacters(macro).isEmpty());
        QCOMPARE(macro.form(), correctedForm.isEmpty() ? form : correctedForm);
        QCOMPARE(macro.confirmationText().size(), ScreenText::Size);
    }

    void identity_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("corrected");

        QTest::newRow("every accepted sign")
            << "parada_1 (km-2/b.)" << true << "PARADA_1 (KM-2/B.)";
        QTest::newRow("tab and line break") << "a\tb\nc" << true << "A\tB\nC";
        QTest::newRow("accents") << "ação Café ÇÃÕÉ naïve" << false << "ACAO CAFE CAOE NAIVE";
        QTest::newRow("other signs") << "Pare, já! 5 * 2 = 10" << false << "PARE JA 5  2  10";
        QTest::newRow("no base letter") << "Straße Ωmega" << false << "STRAE MEGA";
        QTest::newRow("non-breaking space") << QString("a\u00a0b") << false << "AB";
        QTest::newRow("brackets and dollar") << "[x]$" << false << "X";
    }

    void identity()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(QString, corrected);

        QCOMPARE(IdentityText::isAccepted(text), accepted);
        QCOMPARE(IdentityText::corrected(text), corrected);
        // A second OK in a dialog goes through: the corrected text passes and stays.
        QVERIFY(IdentityText::isAccepted(corrected));
        QCOMPARE(IdentityText::corrected(corrected), corrected);
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        // The acronyms of the matches, in the group's order; "*" marks those that
        // match exactly.
        QTest::addColumn<QStringList>("found");

        QTest::newRow("blanks only") << "  " << QStringList();
        QTest::newRow("acronym, any case") << "ent" << QStringList{"ENT*"};
        QTest::newRow("acronym or name") << "re" << QStringList{"ENT", "REF", "REN"};
        QTest::newRow("part of a name") << "Viagem" << QStringList{"INI", "REN"};
        QTest::newRow("accents and cedilla") << "refeição" << QStringList{"REF"};
        QTest::newRow("number") << "87" << QStringList{"REF*", "R87"};
        QTest::newRow("number with a leading zero") << "087" << QStringList{"REF*"};
        QTest::newRow("surrounding blanks") << " 187 " << QStringList{"R87*"};
    }

    void search()
    {
        QFETCH(QString, text);
        Group group(QStringLiteral("G"), QString());
        group.addMacro(new Macro("1", "INICIO DE VIAGEM", "0", "INI", 0, false));
        group.addMacro(new Macro("20", "ENTREGA", "0", "ENT", 2, false));
        group.addMacro(new Macro("87", "PARADA PARA REFEICAO", "0", "REF", 1, false));
        group.addMacro(new Macro("187", "ROTA", "0", "R87", 3, false));
        group.addMacro(new Macro("40", "REINICIO DE VIAGEM", "0", "REN", 4, false));

        const MacroSearch search(text);
        QStringList found;
        const QList<Macro*> matches = search.matchesIn(group);
        for (Macro* macro : group.macros()) {
            if (matches.contains(macro))
                found.append(macro->sigla() + (search.isExactMatch(*macro) ? "*" : ""));
            else
                QVERIFY(!search.isExactMatch(*macro));
        }
        QTEST(found, "found");
    }
};

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
