#include "app/datafiles.h"
#include "app/referencedata.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

namespace {

QString writeIni(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(content);
    return path;
}

} // namespace

class TestReferenceData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fileNameFor_data();
    void fileNameFor();
    void readSection_data();
    void readSection();
    void loadFillsEveryList();
    void loadOfMissingFileKeepsLists();
    void locateLooksInWorkingDirectoryFirst();

private:
    std::unique_ptr<ZorTest::TestEnvironment> env;
};

void TestReferenceData::initTestCase()
{
    env = std::make_unique<ZorTest::TestEnvironment>();
}

void TestReferenceData::fileNameFor_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("pt") << "pt" << "zor.ini";
    QTest::newRow("pt_BR") << "pt_BR" << "zor.ini";
    QTest::newRow("en") << "en" << "zor-en.ini";
    QTest::newRow("en_US") << "en_US" << "zor-en.ini";
    QTest::newRow("es") << "es" << "zor-es.ini";
    QTest::newRow("en and es") << "en_es" << "zor-es.ini";
    QTest::newRow("de_DE") << "de_DE" << "zor-de.ini";
    QTest::newRow("fr") << "fr" << "zor-fr.ini";
    QTest::newRow("fr and de") << "fr_de" << "zor-de.ini";
    QTest::newRow("upper case is no match") << "EN" << "zor.ini";
    QTest::newRow("empty") << "" << "zor.ini";
}

void TestReferenceData::fileNameFor()
{
    QFETCH(QString, language);
    QTEST(ReferenceData::fileNameFor(language), "fileName");
}

void TestReferenceData::readSection_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("gaps and empty values")
        << QByteArray("1=A\n2=\n3=C\n5=E\nx=D\n") << QStringList{"A", "C", "E"};
    QTest::newRow("numeric order, not file order")
        << QByteArray("10=ten\n2=two\n") << QStringList{"two", "ten"};
    QTest::newRow("01 and 1 are one number") << QByteArray("01=first\n1=second\n")
                                             << QStringList{"second"};
    QTest::newRow("zero and negative skipped") << QByteArray("0=zero\n-1=minus\n1=one\n")
                                               << QStringList{"one"};
    QTest::newRow("huge key is only a number")
        << QByteArray("1=one\n2000000000=far\n99999999999=overflow\n")
        << QStringList{"one", "far"};
    QTest::newRow("empty section") << QByteArray() << QStringList{};
}

void TestReferenceData::readSection()
{
    QFETCH(QByteArray, section);
    QFETCH(QStringList, expected);

    const QString path = writeIni(
        env->filePath(QStringLiteral("section-%1.ini").arg(QTest::currentDataTag())),
        "[other]\n1=not this\n[violacao]\n" + section + "[after]\n7=nor this\n");
    QVERIFY(!path.isEmpty());
    QSettings settings(path, QSettings::IniFormat);
    QStringList list{QStringLiteral("stale")};
    ReferenceData::readSection(settings, QStringLiteral("violacao"), &list);
    QCOMPARE(list, expected);
}

void TestReferenceData::loadFillsEveryList()
{
    ReferenceLists lists;
    QVERIFY(ReferenceData::load(env->filePath(QStringLiteral("zor.ini")), &lists));
    QCOMPARE(lists.violations.size(), 26);
    QCOMPARE(lists.violations.at(22), QStringLiteral("Violação de Âncora"));
    QCOMPARE(lists.violationTimerFlags.size(), 26);
    QCOMPARE(lists.radiusViolations, QStringList{QStringLiteral("23")});
    QCOMPARE(lists.reactions.size(), 9);
    QVERIFY(lists.automations.contains(QStringLiteral("(RESERVADO)")));
    QCOMPARE(lists.validations.at(4), QStringLiteral("Login do motorista"));
    QCOMPARE(lists.secureModeSensors.size(), 6);
    QCOMPARE(lists.secureModeActuators.size(), 5);

    ReferenceLists german;
    QVERIFY(ReferenceData::load(env->filePath(QStringLiteral("zor-de.ini")), &german));
    QCOMPARE(german.violations.size(), 26);
    QCOMPARE(german.violations.first(), QStringLiteral("Geschwindigkeitsüberschreitung"));
}

void TestReferenceData::loadOfMissingFileKeepsLists()
{
    ReferenceLists lists;
    lists.violations = QStringList{QStringLiteral("kept")};
    QVERIFY(!ReferenceData::load(env->filePath(QStringLiteral("missing.ini")), &lists));
    QVERIFY(!ReferenceData::load(env->path(), &lists)); // a folder is not a data file
    QCOMPARE(lists.violations, QStringList{QStringLiteral("kept")});
}

void TestReferenceData::locateLooksInWorkingDirectoryFirst()
{
    QCOMPARE(QFileInfo(DataFiles::locate(QStringLiteral("zor.ini"))).absoluteFilePath(),
             QFileInfo(env->filePath(QStringLiteral("zor.ini"))).absoluteFilePath());
    QVERIFY(DataFiles::locate(QStringLiteral("no-such-file.ini")).isEmpty());

    // Beside the executable: a "data" folder next to the test program.
    QDir executableDir(QCoreApplication::applicationDirPath());
    QVERIFY(executableDir.mkpath(QStringLiteral("data")));
    const QString besideExecutable =
        executableDir.filePath(QStringLiteral("data/zor-beside-test.ini"));
    QVERIFY(!writeIni(besideExecutable, "[violacao]\n1=x\n").isEmpty());
    QCOMPARE(DataFiles::locate(QStringLiteral("zor-beside-test.ini")), besideExecutable);
    writeIni(env->filePath(QStringLiteral("zor-beside-test.ini")), "[violacao]\n1=y\n");
    QCOMPARE(QFileInfo(DataFiles::locate(QStringLiteral("zor-beside-test.ini"))).absolutePath(),
             QFileInfo(env->path()).absoluteFilePath());
    QFile::remove(besideExecutable);
}

QTEST_GUILESS_MAIN(TestReferenceData)
#include "tst_referencedata.moc"
