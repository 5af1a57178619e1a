#include "model/group.h"
#include "model/macro.h"
#include "model/macrosearch.h"

#include <QtTest>

class TestMacroSearch : public QObject
{
    Q_OBJECT

private slots:
    void matches_data();
    void matches();
};

void TestMacroSearch::matches_data()
{
    QTest::addColumn<QString>("text");
    // The acronyms of the matches, in the group's order; "*" marks those that
    // match exactly.
    QTest::addColumn<QStringList>("found");

    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("blanks only") << "  " << QStringList();
    QTest::newRow("acronym, any case") << "ent" << QStringList{"ENT*"};
    QTest::newRow("acronym or name") << "re" << QStringList{"ENT", "REF", "REN"};
    QTest::newRow("part of a name") << "Viagem" << QStringList{"INI", "REN"};
    QTest::newRow("accents and cedilla") << "refeição" << QStringList{"REF"};
    QTest::newRow("number") << "87" << QStringList{"REF*", "R87"};
    QTest::newRow("number with a leading zero") << "087" << QStringList{"REF*"};
    QTest::newRow("surrounding blanks") << " 187 " << QStringList{"R87*"};
    QTest::newRow("nothing") << "xyz" << QStringList();
}

void TestMacroSearch::matches()
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
    for (const Macro* macro : matches)
        found.append(macro->sigla() + (search.isExactMatch(*macro) ? "*" : ""));
    QTEST(found, "found");
}

QTEST_GUILESS_MAIN(TestMacroSearch)
#include "tst_macrosearch.moc"
