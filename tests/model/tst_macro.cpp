#include "model/macro.h"
#include "support/testenvironment.h"

#include <QtTest>

class TestMacro : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void defaults();
    void violationQueries();
    void hasReaction_data();
    void hasReaction();
    void screenSetters_data();
    void screenSetters();
    void typeColor_data();
    void typeColor();

private:
    std::unique_ptr<ZorTest::TestEnvironment> env;
};

void TestMacro::initTestCase()
{
    env = std::make_unique<ZorTest::TestEnvironment>();
}

void TestMacro::defaults()
{
    const Macro info(QStringLiteral("12"), QStringLiteral("INICIO"), QStringLiteral("3"),
                     QStringLiteral("INI"), 0, true);
    QVERIFY(!info.isSecurity());
    QCOMPARE(info.form(), QByteArray(800, ' '));
    QCOMPARE(info.confirmationText(), QByteArray(800, ' '));
    QCOMPARE(info.dimensions(), QRect(0, 0, 100, 80));
    // The sample data's default anchor radius.
    QCOMPARE(info.raio(), quint16(100));

    const Macro security(QStringLiteral("1"), QString(), QString(), QString(), 6, false);
    QVERIFY(security.isSecurity());
}

void TestMacro::violationQueries()
{
    Macro macro(QStringLiteral("1"), QStringLiteral("A"), QStringLiteral("0"),
                QStringLiteral("A"), 1, false);
    QCOMPARE(macro.violationIndex(7), -1);
    QCOMPARE(macro.violationTimer(0), quint16(0));

    macro.setViolation({4, 7, 23, 7});
    macro.setViolationTimers({10, 75, 240});
    QCOMPARE(macro.violationIndex(7), 1);
    QCOMPARE(macro.violationIndex(23), 2);
    QCOMPARE(macro.violationIndex(99), -1);
    QCOMPARE(macro.violationTimer(1), quint16(75));
    QCOMPARE(macro.violationTimer(2), quint16(240));
    QCOMPARE(macro.violationTimer(5), quint16(0));
    QCOMPARE(macro.violationTimer(255), quint16(0));
}

void TestMacro::hasReaction_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("bit");
    QTest::addColumn<bool>("expected");

    // Reaction sets 0b101 and 0x80.
    QTest::newRow("bit 0 set") << 0 << 0 << true;
    QTest::newRow("bit 1 clear") << 0 << 1 << false;
    QTest::newRow("bit 2 set") << 0 << 2 << true;
    QTest::newRow("bit 7 of second") << 1 << 7 << true;
    QTest::newRow("bit 8 beyond a byte") << 1 << 8 << false;
    QTest::newRow("bit 32 wraps to 0") << 0 << 32 << true;
    QTest::newRow("bit 39 wraps to 7") << 1 << 39 << true;
    QTest::newRow("index beyond the list") << 2 << 0 << false;
    QTest::newRow("index far beyond") << 255 << 7 << false;
}

void TestMacro::hasReaction()
{
    QFETCH(int, index);
    QFETCH(int, bit);
    Macro macro(QStringLiteral("1"), QString(), QString(), QString(), 0, false);
    macro.setViolationReactions({0x05, 0x80});
    QTEST(macro.hasReaction(quint8(index), quint8(bit)), "expected");
}

void TestMacro::screenSetters_data()
{
    QTest::addColumn<QString>("setter");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");

    QByteArray buffer("A<B");
    buffer.append(QByteArray(797, '\0'));
    QByteArray formExpected("A B");
    formExpected.append(QByteArray(797, ' '));
    QByteArray confirmationExpected("A<B");
    confirmationExpected.append(QByteArray(797, ' '));

    QTest::newRow("form from buffer") << "form-buffer" << buffer << formExpected;
    QTest::newRow("form from array keeps bytes") << "form-array" << buffer << buffer;
    QTest::newRow("confirmation from buffer") << "confirmation-buffer" << buffer
                                              << confirmationExpected;
    QTest::newRow("confirmation from array") << "confirmation-array" << buffer
                                             << confirmationExpected;
}

void TestMacro::screenSetters()
{
    QFETCH(QString, setter);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);

    Macro macro(QStringLiteral("1"), QString(), QString(), QString(), 0, false);
    if (setter == "form-buffer") {
        macro.setForm(input.constData(), input.size());
        QCOMPARE(macro.form(), expected);
    } else if (setter == "form-array") {
        macro.setForm(input);
        QCOMPARE(macro.form(), expected);
    } else if (setter == "confirmation-buffer") {
        macro.setConfirmationText(input.constData(), input.size());
        QCOMPARE(macro.confirmationText(), expected);
    } else {
        macro.setConfirmationText(input);
        QCOMPARE(macro.confirmationText(), expected);
    }
    QCOMPARE(macro.form().size() + macro.confirmationText().size(), 1600);
}

void TestMacro::typeColor_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QColor>("color");

    QTest::newRow("0 start of trip") << 0 << QColor(192, 220, 192);
    QTest::newRow("1 stop") << 1 << QColor(128, 128, 0);
    QTest::newRow("2 operation") << 2 << QColor(255, 255, 0);
    QTest::newRow("3 request") << 3 << QColor(0, 128, 0);
    QTest::newRow("4 restart") << 4 << QColor(153, 153, 153);
    QTest::newRow("5 end of trip") << 5 << QColor(0, 128, 128);
    QTest::newRow("6 special") << 6 << QColor(Qt::white);
    QTest::newRow("7 unknown") << 7 << QColor(192, 220, 192);
    QTest::newRow("-1 unknown") << -1 << QColor(192, 220, 192);
}

void TestMacro::typeColor()
{
    QFETCH(int, type);
    QFETCH(QColor, color);
    QCOMPARE(Macro::typeColor(type), color);
    QCOMPARE(Macro::typeColor(type).alpha(), 255);
}

QTEST_GUILESS_MAIN(TestMacro)
#include "tst_macro.moc"
