#include "model/group.h"
#include "model/macro.h"
#include "model/screentext.h"
#include "simulator/terminalsession.h"

#include <QtTest>

#include <optional>

using Stage = TerminalSession::Stage;
// Field and whether it is set.
using MarkSteps = QList<QPair<int, bool>>;

namespace {

constexpr int FieldRow = 3;

// A blank screen with text from column at row.
QByteArray screenWith(int row, int column, const QByteArray& text)
{
    QByteArray screen(ScreenText::Size, ' ');
    screen.replace(row * ScreenText::Columns + column, text.size(), text);
    return screen;
}

// The flow as the configure dialog stores it: an acronym per key.
void setKeys(Macro& macro, const QStringList& siglas, const QList<quint16>& keys)
{
    macro.setFlow(siglas);
    macro.setFlowPos(keys);
    macro.setFlowNum(QVector<quint16>(keys.size(), 0).toList());
}

Macro& addMacro(Group& group, int number, const QString& sigla, const QByteArray& form,
                bool informacao = false)
{
    auto* macro = new Macro(QString::number(number), QStringLiteral("MACRO ") + sigla,
                            QString::number(number % 7), sigla, 2, informacao);
    macro->setForm(form);
    macro->setConfirmationText(screenWith(0, 0, "OK " + sigla.toLatin1()));
    group.addMacro(macro);
    return *macro;
}

// A session on one macro, number 1, whose form is text at (FieldRow, column), opened.
struct OneScreen
{
    OneScreen(const QByteArray& text, int column)
    {
        addMacro(group, 1, QStringLiteral("ONE"), screenWith(FieldRow, column, text));
        session.emplace(group);
        QCOMPARE(session->open(1), QString());
    }
    Group group{QString(), QString()};
    std::optional<TerminalSession> session;
};

} // namespace

class TestTerminalSession : public QObject
{
    Q_OBJECT

private slots:
    void fieldValues_data()
    {
        QTest::addColumn<QByteArray>("marker");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("cells"); // how the field shows the value
        QTest::addColumn<QStringList>("refused");

        // Refused values separated by "|".
        const auto row = [](const char* marker, const char* value, const char* cells,
                            const char* refused) {
            QTest::addRow("%s %s", marker, value)
                << QByteArray(marker) << value << QByteArray(cells)
                << QString(refused).split('|', Qt::SkipEmptyParts);
        };
        row("[lllll]", "JOAO5", "[JOAO5]", "JOAOZE|JO O");
        row("[sssss]", "a1b2c", "[*****]", "12-45");
        row("[dd/mm/aa]", "29/02/24", "[29/02/24]", "29/02/23|1/5/24");
        row("[hh:mm]", "23:59", "[23:59]", "24:00|7:30");
        row("[dd/mm/aa][hh:mm]", "13/05/24 08:30", "[13/05/24][08:30]", "13/05/24");
        row("[cccc]", "A-1/", "[A-1/]", "ABCDE|A&B");
        row("[nnn]", "007", "[007]", "1.5");
        row("[ffff]", "1,5", "[1,5 ]", "1,5,|.5");
        row("[ffff]", "2.75", "[2.75]", "");
    }

    // Each kind at the end of a row: what it takes, how it shows and what the
    // message carries.
    void fieldValues()
    {
        QFETCH(QByteArray, marker);
        QFETCH(QString, value);
        QFETCH(QByteArray, cells);
        QFETCH(QStringList, refused);

        OneScreen one("LABEL" + marker, ScreenText::Columns - 5 - marker.size());
        TerminalSession& session = *one.session;
        for (const QString& wrong : qAsConst(refused)) {
            const QString refusal = session.fill(0, wrong);
            QVERIFY2(refusal.startsWith(QStringLiteral("campo 1 (")), qPrintable(refusal));
            QCOMPARE(session.form().values(), QStringList{QString()});
        }
        QCOMPARE(session.fill(0, value), QString());
        QCOMPARE(session.screen().at(FieldRow).right(marker.size()), QString::fromLatin1(cells));
        QCOMPARE(session.send(), QString());
        QCOMPARE(session.sentMessages().constLast().fields, QStringList{value});
    }

    void marks_data()
    {
        QTest::addColumn<MarkSteps>("steps");
        QTest::addColumn<QString>("values"); // separated by ","

        // Fields: 0 Checagem, 1 to 3 Seleção, 4 Texto.
        QTest::newRow("check set") << MarkSteps{{0, true}} << "1,0,0,0,";
        QTest::newRow("check cleared") << MarkSteps{{0, true}, {0, false}} << "0,0,0,0,";
        QTest::newRow("choice moves") << MarkSteps{{2, true}, {3, true}} << "0,0,0,1,";
        QTest::newRow("a choice is not cleared") << MarkSteps{{1, true}, {1, false}} << "0,1,0,0,";
        QTest::newRow("text is no mark") << MarkSteps{{4, true}} << "0,0,0,0,";
    }

    void marks()
    {
        QFETCH(MarkSteps, steps);
        QFETCH(QString, values);

        OneScreen one("[e] [r] [r] [r] [cc]", 0);
        TerminalSession& session = *one.session;
        QCOMPARE(session.fill(0, QStringLiteral("1")).left(9), QStringLiteral("campo 1 ("));
        QVERIFY(!session.type(5, QStringLiteral("x")).isEmpty()); // one past the last field
        for (const auto& [field, set] : steps)
            session.mark(field, set);
        QCOMPARE(session.form().values(), values.split(','));
        QString shown;
        for (const QString& value : values.split(',').mid(0, 4))
            shown += value == QLatin1String("1") ? "[X] " : "[ ] ";
        QCOMPARE(session.screen().at(FieldRow).trimmed(), shown + "[  ]");
    }

    void sendingNeedsObligatoryFields_data()
    {
        QTest::addColumn<QByteArray>("text");
        // The field touched (-1: none) and what it gets: "on" marks it, other
        // text is typed into it.
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("value");
        // The start of the refusal; empty when the message goes.
        QTest::addColumn<QString>("refusal");

        const auto row = [](const char* name, const char* text, int field, const char* value,
                            const char* refusal) {
            QTest::newRow(name) << QByteArray(text) << field << value << refusal;
        };
        row("empty optional", "[lllll]", -1, "", "");
        row("obligatory date", "[DD/MM/AA][HH:MM]", -1, "", "campo 1 (Data/Hora)");
        row("date before a text", "[DD/MM/AA][cc]", -1, "", "campo 1 (Data)");
        row("unfinished optional date", "[dd/mm/aa]", 0, "13/05", "campo 1 (Data): \"13/05\"");
        row("unfinished decimal", "[ff]", 0, "1,", "campo 1 (Decimal)");
        row("obligatory check clear", "[E]", -1, "", "campo 1 (Checagem): obrigatório");
        row("obligatory check set", "[E]", 0, "on", "");
        row("no choice", "[R] [r]", -1, "", "campo 1 (Seleção): obrigatório");
        row("another choice", "[R] [r]", 1, "on", "");
        row("second field first", "[cc] [NN] [LL]", 0, "AB", "campo 2 (Numérico)");
    }

    void sendingNeedsObligatoryFields()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(QString, refusal);

        OneScreen one(text, 0);
        TerminalSession& session = *one.session;
        if (field >= 0) {
            const QString answer = value == QLatin1String("on") ? session.mark(field, true)
                                                                : session.type(field, value);
            QCOMPARE(answer, QString());
        }
        const QString answer = session.send();
        QVERIFY2(refusal.isEmpty() ? answer.isEmpty() : answer.startsWith(refusal),
                 qPrintable(answer));
        QCOMPARE(session.stage(), refusal.isEmpty() ? Stage::Sent : Stage::Form);
        QCOMPARE(session.sentMessages().size(), refusal.isEmpty() ? 1 : 0);
    }

    void flowKeysAfterSend()
    {
        Group group{QString(), QString()};
        Macro& one = addMacro(group, 1, QStringLiteral("ONE"), screenWith(0, 0, "ONE [nn]"));
        setKeys(one, {"ZZZ", "ONE"}, {3, 9});
        TerminalSession session(group);
        QCOMPARE(session.open(1), QString());
        QVERIFY(session.next(9).startsWith(QStringLiteral("envie a macro ONE")));
        QCOMPARE(session.fill(0, QStringLiteral("42")), QString());
        QCOMPARE(session.send(), QString());
        QVERIFY(session.offersKeys());

        // A key that leads nowhere leaves the sent message on the screen.
        QVERIFY(session.next(3).startsWith(QStringLiteral("a tecla F3 leva à sigla ZZZ")));
        QVERIFY(
            session.next(1).startsWith(QStringLiteral("a macro ONE não tem macro na tecla F1")));
        QCOMPARE(session.stage(), Stage::Sent);
        QCOMPARE(session.next(9), QString());
        QCOMPARE(session.macro()->sigla, QStringLiteral("ONE"));
        QCOMPARE(session.stage(), Stage::Form);
        QCOMPARE(session.form().values(), QStringList{QString()});
    }

    void informationMacro()
    {
        Group group{QString(), QString()};
        const QByteArray form = screenWith(2, 30, "VIA: [LLLL]");
        setKeys(addMacro(group, 5, QStringLiteral("INF"), form, true), {"INF"}, {2});
        TerminalSession session(group);
        QCOMPARE(session.open(5), QString());
        QCOMPARE(session.stage(), Stage::Information);
        QCOMPARE(session.screen(), TerminalForm::rows(form));
        QVERIFY(session.form().fields().isEmpty());
        QVERIFY(session.fill(0, QStringLiteral("JOAO")).contains(QStringLiteral("informação")));
        QVERIFY(!session.send().isEmpty());
        QVERIFY(session.sentMessages().isEmpty());
        QVERIFY(session.offersKeys());
        QCOMPARE(session.next(2), QString());
        QCOMPARE(session.back(), QString());
        QCOMPARE(session.stage(), Stage::Start);
    }

    void startScreen()
    {
        Group group{QString(), QString()};
        for (int number :
             {30, 2, 10, 7, 21, 14, 3, 8, 11, 12, 13, 1, 15, 16, 17, 18, 19, 20, 9, 22})
            addMacro(group, number, QStringLiteral("S%1").arg(number), QByteArray());
        group.macros().at(0)->setShortcut(QStringLiteral("249"));
        group.macros().at(0)->setName(QStringLiteral("AÇÃO (30) COM UM NOME LONGO DEMAIS"));
        TerminalSession session(group);
        QCOMPARE(session.startPageCount(), 2);
        // In the order of their numbers; a shortcut 0 is none.
        QCOMPARE(session.screen().at(1), QStringLiteral("  1   1 S1  MACRO S1").leftJustified(40));
        QCOMPARE(session.screen().at(4), QStringLiteral("  7     S7  MACRO S7").leftJustified(40));
        session.setStartPage(5);
        QCOMPARE(session.screen().at(1),
                 QStringLiteral(" 30 249 S30 ACAO 30 COM UM NOME LONGO DE"));
        QCOMPARE(session.screen().at(2).trimmed(), QString());

        QCOMPARE(session.open(4), QStringLiteral("não há macro de número 4 no grupo"));
        QCOMPARE(session.open(30), QString());
        QVERIFY(!session.open(2).isEmpty());
        QCOMPARE(session.macro()->sigla, QStringLiteral("S30"));
    }
};

QTEST_GUILESS_MAIN(TestTerminalSession)
#include "tst_terminalsession.moc"
