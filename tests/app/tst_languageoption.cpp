#include "app/sessionlanguage.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QtTest>

using ZorTest::TestEnvironment;

namespace {

const char* const NotStored = "(none)";

void storeLanguage(const QString& code)
{
    QSettings settings;
    settings.clear();
    if (code != QLatin1String(NotStored))
        settings.setValue(QStringLiteral("MainWindow/locale"), code);
    settings.sync();
}

QString fileToOpen()
{
    return QCoreApplication::translate("main", "File to open");
}

} // namespace

// The language of a run: the -l option against the remembered language, the
// translator of the start, and the real executable's help and messages.
class TestLanguageOption : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void startCode_data();
    void startCode();
    void startTranslator_data();
    void startTranslator();
    void handOverLeavesNoTranslator();
    void executableSpeaks_data();
    void executableSpeaks();

private:
    QProcessEnvironment childEnvironment(const QString& storedLanguage) const;
    std::unique_ptr<TestEnvironment> env;
};

void TestLanguageOption::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
    QCoreApplication::setOrganizationName(QStringLiteral("Orvenda"));
    QCoreApplication::setApplicationName(QStringLiteral("Zor"));
    QVERIFY(QFile::exists(TestEnvironment::executable()));
}

void TestLanguageOption::cleanup()
{
    SessionLanguage::setCommandLineCode(QString());
}

void TestLanguageOption::startCode_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first start") << NotStored << "" << "en";
    QTest::newRow("stored") << "de" << "" << "de";
    QTest::newRow("stored locale name") << "pt_BR" << "" << "pt_BR";
    QTest::newRow("-l over stored") << "de" << "fr" << "fr";
    QTest::newRow("-l on first start") << NotStored << "es" << "es";
    QTest::newRow("-l of a language without translation") << "de" << "it" << "it";
}

void TestLanguageOption::startCode()
{
    QFETCH(QString, stored);
    QFETCH(QString, commandLine);

    storeLanguage(stored);
    SessionLanguage::setCommandLineCode(commandLine);
    QTEST(SessionLanguage::startCode(), "expected");
    QCOMPARE(SessionLanguage::commandLineCode(), commandLine);
    // The command line changes nothing that is remembered.
    QCOMPARE(SessionLanguage::storedCode(),
             stored == QLatin1String(NotStored) ? QStringLiteral("en") : stored);
}

void TestLanguageOption::startTranslator_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("translated");
    QTest::addColumn<QString>("expected");

    // The command-line texts are English in the sources: even Portuguese
    // shows a translation.
    QTest::newRow("pt") << "pt" << true << "Arquivo a abrir";
    QTest::newRow("pt_BR") << "pt_BR" << true << "Arquivo a abrir";
    QTest::newRow("en") << "en" << true << "File to open";
    QTest::newRow("es") << "es" << true << "Archivo que se abrirá";
    QTest::newRow("fr_CA") << "fr_CA" << true << "Fichier à ouvrir";
    QTest::newRow("de") << "de" << true << "Zu öffnende Datei";
    QTest::newRow("no translation") << "it" << false << "File to open";
    QTest::newRow("empty") << "" << false << "File to open";
    QTest::newRow("case matters") << "DE" << false << "File to open";
}

void TestLanguageOption::startTranslator()
{
    QFETCH(QString, code);
    QFETCH(bool, translated);

    {
        SessionLanguage language(code);
        QCOMPARE(language.isTranslated(), translated);
        QTEST(fileToOpen(), "expected");
    }
    QCOMPARE(fileToOpen(), QStringLiteral("File to open"));
}

void TestLanguageOption::handOverLeavesNoTranslator()
{
    SessionLanguage language(QStringLiteral("de"));
    QCOMPARE(fileToOpen(), QStringLiteral("Zu öffnende Datei"));
    language.handOver();
    QVERIFY(!language.isTranslated());
    QCOMPARE(fileToOpen(), QStringLiteral("File to open"));
    language.handOver();
    QCOMPARE(fileToOpen(), QStringLiteral("File to open"));
}

QProcessEnvironment TestLanguageOption::childEnvironment(const QString& storedLanguage) const
{
    // A home of its own, with the language the window would have remembered.
    const QString home = env->filePath(QStringLiteral("home-") + storedLanguage);
    QDir().mkpath(home + QStringLiteral("/config/Orvenda"));
    QFile conf(home + QStringLiteral("/config/Orvenda/Zor.conf"));
    if (conf.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        storedLanguage != QLatin1String(NotStored))
        conf.write("[MainWindow]\nlocale=" + storedLanguage.toUtf8() + "\n");
    conf.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

void TestLanguageOption::executableSpeaks_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("absent");

    const QString french = QStringLiteral("Fichier à ouvrir");
    const QString german = QStringLiteral("Zu öffnende Datei");
    QTest::newRow("first start") << QStringList{"-h"} << NotStored
                                 << QStringList{"Usage:", "Options:", "File to open",
                                                "Enable debug logs"}
                                 << german;
    QTest::newRow("-l fr") << QStringList{"-l", "fr", "-h"} << NotStored
                           << QStringList{french, "Utilisation", "Active les journaux de débogage"}
                           << "File to open";
    QTest::newRow("-l after -h") << QStringList{"-h", "--locale", "fr"} << NotStored
                                 << QStringList{french} << "File to open";
    QTest::newRow("--locale=de over stored fr")
        << QStringList{"--locale=de", "-h"} << "fr" << QStringList{german, "Aufruf:"} << french;
    QTest::newRow("stored de") << QStringList{"-h"} << "de" << QStringList{german, "Optionen:"}
                               << "File to open";
    QTest::newRow("stored pt") << QStringList{"-h"} << "pt"
                               << QStringList{"Arquivo a abrir", "Uso:"} << "File to open";
    QTest::newRow("stored without translation")
        << QStringList{"-h"} << "it" << QStringList{"File to open"} << german;
    QTest::newRow("unknown option in French")
        << QStringList{"-l", "fr", "--nonsense"} << NotStored
        << QStringList{"Option inconnue"} << "Unknown option";
    // A script's messages do not depend on the language the window was left in.
    QTest::newRow("convert keeps the built-in texts")
        << QStringList{"--convert", "missing.mcx", "out.mcx"} << "de"
        << QStringList{"Não foi possível abrir o arquivo missing.mcx"} << german;
    QTest::newRow("convert with -l en")
        << QStringList{"-l", "en", "--convert", "missing.mcx", "out.mcx"} << "de"
        << QStringList{"Could not open the file missing.mcx"} << "Não foi possível";
    QTest::newRow("check with -l de")
        << QStringList{"--check", "missing.mcx", "--locale", "de"} << NotStored
        << QStringList{"missing.mcx: Die Datei konnte nicht geöffnet werden."}
        << "Não foi possível";
}

void TestLanguageOption::executableSpeaks()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, stored);
    QFETCH(QStringList, expected);
    QFETCH(QString, absent);

    QProcess zor;
    zor.setProcessEnvironment(childEnvironment(stored));
    zor.setWorkingDirectory(env->path());
    zor.start(TestEnvironment::executable(), arguments);
    QVERIFY(zor.waitForFinished(60000));
    QCOMPARE(zor.exitStatus(), QProcess::NormalExit);
    const QString output = QString::fromUtf8(zor.readAllStandardOutput()) +
                           QString::fromUtf8(zor.readAllStandardError());
    for (const QString& text : qAsConst(expected))
        QVERIFY2(output.contains(text), qPrintable(output));
    QVERIFY2(!output.contains(absent), qPrintable(output));
    QVERIFY(!QFile::exists(env->filePath(QStringLiteral("out.mcx"))));
}

QTEST_GUILESS_MAIN(TestLanguageOption)
#include "tst_languageoption.moc"
