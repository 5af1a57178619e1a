#include "app/anchorsettings.h"
#include "app/zorobject.h"
#include "support/testenvironment.h"

#include <QFile>
#include <QtTest>

class TestAnchorSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readFrom_data();
    void readFrom();
    void processWideSettingsComeFromWorkingDirectory();
    void settingsAreReadOnce();
    void classNameIsTheMostDerivedClass();

private:
    std::unique_ptr<ZorTest::TestEnvironment> env;
};

void TestAnchorSettings::initTestCase()
{
    env = std::make_unique<ZorTest::TestEnvironment>();
    QVERIFY(env->isValid());
}

void TestAnchorSettings::readFrom_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("anchorId");
    QTest::addColumn<int>("defaultRadius");
    QTest::addColumn<int>("minRadius");
    QTest::addColumn<int>("maxRadius");
    QTest::addColumn<QStringList>("refused"); // "key=value", each told

    QTest::newRow("sample") << QByteArray("[ancora]\n1=23\npadrao=100\nmin=50\nmax=5000\n") << 23
                            << 100 << 50 << 5000 << QStringList();
    QTest::newRow("other section ignored")
        << QByteArray("[violacao]\n1=A\npadrao=7\n[ancora]\n1=3\n") << 3 << 0 << 0 << 0
        << QStringList();
    // A value that does not fit is refused as if the key were missing.
    QTest::newRow("not numbers") << QByteArray("[ancora]\n1=x\npadrao=1e3\nmin=\nmax=-20\n") << 0
                                 << 0 << 0 << 0
                                 << QStringList{"padrao=1e3:65535", "1=x:255", "min=:65535",
                                                "max=-20:65535"};
    QTest::newRow("beyond their fields")
        << QByteArray("[ancora]\n1=256\npadrao=65536\nmin=50\nmax=70000\n") << 0 << 0 << 50 << 0
        << QStringList{"padrao=65536:65535", "1=256:255", "max=70000:65535"};
    QTest::newRow("at their limits")
        << QByteArray("[ancora]\n1=255\npadrao=65535\nmin=0\nmax=65535\n") << 255 << 65535 << 0
        << 65535 << QStringList();
    QTest::newRow("empty file") << QByteArray("") << 0 << 0 << 0 << 0 << QStringList();
    QTest::newRow("missing file") << QByteArray() << 0 << 0 << 0 << 0 << QStringList();
}

void TestAnchorSettings::readFrom()
{
    QFETCH(QByteArray, content);
    // One file per row: QSettings caches a file it has read within the same second.
    const QString path =
        env->filePath(QStringLiteral("anchor-%1.ini").arg(QTest::currentDataTag()));
    if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    const AnchorSettings settings = AnchorSettings::readFrom(path);
    QTEST(settings.anchorViolationId(), "anchorId");
    QTEST(settings.defaultRadius(), "defaultRadius");
    QTEST(settings.minRadius(), "minRadius");
    QTEST(settings.maxRadius, "maxRadius");
    QFETCH(QStringList, refused);
    QStringList warnings;
    for (const QString& entry : qAsConst(refused)) {
        const QString key = entry.section('=', 0, 0);
        const QString value = entry.section('=', 1).section(':', 0, 0);
        warnings.append(QStringLiteral("%1: o valor \"%2\" da chave \"%3\" da seção \"ancora\" "
                                       "não é um número de 0 a %4 e foi ignorado.")
                            .arg(path, value, key, entry.section(':', 1)));
    }
    QCOMPARE(settings.warnings(), warnings);
}

void TestAnchorSettings::processWideSettingsComeFromWorkingDirectory()
{
    // The environment copied the sample "zor.ini" into the working directory.
    const AnchorSettings& settings = ZorObject::anchorSettings();
    QCOMPARE(settings.anchorViolationId(), 23);
    QCOMPARE(settings.defaultRadius(), 100);
    QCOMPARE(settings.minRadius(), 50);
    QCOMPARE(settings.maxRadius, 5000);
}

void TestAnchorSettings::settingsAreReadOnce()
{
    QVERIFY(QFile::remove(env->filePath(QStringLiteral("zor.ini"))));
    QFile file(env->filePath(QStringLiteral("zor.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[ancora]\n1=5\npadrao=1\nmin=1\nmax=2\n");
    file.close();
    QCOMPARE(ZorObject::anchorSettings().anchorViolationId(), 23);
    QCOMPARE(ZorObject::anchorSettings().maxRadius, 5000);
}

namespace {
class Base : public ZorObject
{
};
class Derived : public Base
{
};
} // namespace

void TestAnchorSettings::classNameIsTheMostDerivedClass()
{
    Derived derived;
    const ZorObject& asBase = derived;
    QVERIFY(asBase.className().endsWith(QLatin1String("Derived")));
}

QTEST_GUILESS_MAIN(TestAnchorSettings)
#include "tst_anchorsettings.moc"
