#include "model/identitytext.h"

#include <QRegularExpression>
#include <QtTest>

class TestIdentityText : public QObject
{
    Q_OBJECT

private slots:
    void checkAndCorrection_data();
    void checkAndCorrection();
    void expressionCompiledOnce();
};

void TestIdentityText::checkAndCorrection_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("corrected");

    QTest::newRow("empty") << "" << true << "";
    QTest::newRow("upper case") << "PARADA 1" << true << "PARADA 1";
    QTest::newRow("every accepted sign") << "parada_1 (km-2/b.)" << true << "PARADA_1 (KM-2/B.)";
    QTest::newRow("tab and line break") << "a\tb\nc" << true << "A\tB\nC";
    QTest::newRow("cedilla and tilde") << "ação" << false << "ACAO";
    QTest::newRow("acute") << "Café" << false << "CAFE";
    QTest::newRow("diaeresis") << "naïve" << false << "NAIVE";
    QTest::newRow("upper-case accents") << "ÇÃÕÉ" << false << "CAOE";
    QTest::newRow("comma and exclamation mark") << "Pare, já!" << false << "PARE JA";
    QTest::newRow("other signs") << "Km: 5 * 2 = 10" << false << "KM 5  2  10";
    QTest::newRow("sharp s has no base letter") << "Straße" << false << "STRAE";
    QTest::newRow("ligature") << QString::fromUtf8("\xef\xac\x81m") << false << "M";
    QTest::newRow("greek") << "Ωmega" << false << "MEGA";
    QTest::newRow("non-breaking space") << QString::fromUtf8("a\xc2\xa0"
                                                             "b")
                                        << false << "AB";
    QTest::newRow("brackets and dollar") << "[x]$" << false << "X";
}

void TestIdentityText::checkAndCorrection()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(QString, corrected);

    QCOMPARE(IdentityText::isAccepted(text), accepted);
    QCOMPARE(IdentityText::corrected(text), corrected);
    QCOMPARE(text.contains(IdentityText::refusedCharacter()), !accepted);
    // A second OK in a dialog goes through: the corrected text passes and stays.
    QVERIFY(IdentityText::isAccepted(corrected));
    QCOMPARE(IdentityText::corrected(corrected), corrected);
}

void TestIdentityText::expressionCompiledOnce()
{
    const QRegularExpression& first = IdentityText::refusedCharacter();
    QCOMPARE(&IdentityText::refusedCharacter(), &first);
    QVERIFY(first.isValid());
}

QTEST_APPLESS_MAIN(TestIdentityText)
#include "tst_identitytext.moc"
