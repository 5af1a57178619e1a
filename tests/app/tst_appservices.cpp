#include "app/anchorsettings.h"
#include "app/datafiles.h"
#include "app/debuglogger.h"
#include "app/referencedata.h"
#include "app/zorobject.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

using ZorTest::contentsOf;
using ZorTest::writeFile;

namespace {

// The text of a log line after its time stamp; the whole line when it has none.
QString textOf(const QString& line)
{
    static const QRegularExpression stamp(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d - "));
    return QString(line).remove(stamp);
}

QStringList linesOf(const QString& path)
{
    return QString::fromUtf8(contentsOf(path)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Identifier, default radius, minimum and maximum.
QList<int> valuesOf(const AnchorSettings& settings)
{
    return {settings.anchorViolationId(), settings.defaultRadius(), settings.minRadius(),
            settings.maxRadius};
}

} // namespace

// The services every part of the program stands on: the data files, the
// anchor settings and the debug log. The logger and the process-wide
// settings live once per process: the cases run in order, and nothing
// before them reads the settings or starts a session.
class TestAppServices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env = std::make_unique<ZorTest::TestEnvironment>(false);
        QVERIFY(env->isValid());
    }

    void anchorSettingsFrom_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QStringList>("refused"); // "key=value:maximum", each told

        // Content null for a missing file; refused values separated by "|".
        const auto row = [](const char* name, const char* content, const QList<int>& values,
                            const char* refused) {
            QTest::newRow(name) << QByteArray(content) << values
                                << QString(refused).split('|', Qt::SkipEmptyParts);
        };
        row("sample", "[ancora]\n1=23\npadrao=100\nmin=50\nmax=5000\n", {23, 100, 50, 5000}, "");
        row("other section ignored", "[violacao]\n1=A\npadrao=7\n[ancora]\n1=3\n", {3, 0, 0, 0},
            "");
        // A value that does not fit is refused as if the key were missing.
        row("not numbers", "[ancora]\n1=x\npadrao=1e3\nmin=\nmax=-20\n", {0, 0, 0, 0},
            "padrao=1e3:65535|1=x:255|min=:65535|max=-20:65535");
        row("beyond their fields", "[ancora]\n1=256\npadrao=65536\nmin=50\nmax=70000\n",
            {0, 0, 50, 0}, "padrao=65536:65535|1=256:255|max=70000:65535");
        row("at their limits", "[ancora]\n1=255\npadrao=65535\nmin=0\nmax=65535\n",
            {255, 65535, 0, 65535}, "");
        row("missing file", nullptr, {0, 0, 0, 0}, "");
    }

    void anchorSettingsFrom()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, refused);
        // One file per row: QSettings caches a file it has read within the same second.
        const QString path =
            env->filePath(QStringLiteral("anchor-%1.ini").arg(QTest::currentDataTag()));
        if (!content.isNull())
            writeFile(path, content);

        const AnchorSettings settings = AnchorSettings::readFrom(path);
        QTEST(valuesOf(settings), "values");
        QStringList warnings;
        for (const QString& entry : qAsConst(refused)) {
            const QString value = entry.section('=', 1).section(':', 0, 0);
            warnings.append(QStringLiteral("%1: o valor \"%2\" da chave \"%3\" da seção \"ancora\" "
                                           "não é um número de 0 a %4 e foi ignorado.")
                                .arg(path, value, entry.section('=', 0, 0), entry.section(':', 1)));
        }
        QCOMPARE(settings.warnings(), warnings);
    }

    void processWideAnchorSettings()
    {
        // Read from the working directory once, and what it refused told once.
        writeFile(env->filePath(QStringLiteral("zor.ini")),
                  "[ancora]\n1=7\npadrao=120\nmin=40\nmax=70000\n");
        MessageRecorder recorder;
        const AnchorSettings& settings = ZorObject::anchorSettings();
        QCOMPARE(valuesOf(settings), (QList<int>{7, 120, 40, 0}));
        QCOMPARE(recorder.messages.first().icon, UserMessage::Icon::Warning);
        QCOMPARE(recorder.texts(), settings.warnings());

        writeFile(env->filePath(QStringLiteral("zor.ini")), "[ancora]\n1=5\nmax=x\n");
        QCOMPARE(ZorObject::anchorSettings().anchorViolationId(), 7);
        QCOMPARE(recorder.messages.size(), 1);
    }

    void referenceFileNameFor_data()
    {
        // The language is the row's name.
        QTest::addColumn<QString>("fileName");
        QTest::newRow("pt_BR") << "zor.ini";
        QTest::newRow("en_US") << "zor-en.ini";
        QTest::newRow("en_es") << "zor-es.ini"; // es before en
        QTest::newRow("fr") << "zor-fr.ini";
        QTest::newRow("fr_de") << "zor-de.ini"; // de before fr
        QTest::newRow("EN") << "zor.ini";       // case matters
    }

    void referenceFileNameFor()
    {
        QTEST(ReferenceData::fileNameFor(QTest::currentDataTag()), "fileName");
    }

    void readSection_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QStringList>("expected");

        const auto row = [](const char* name, const char* section, const char* expected) {
            QTest::newRow(name) << QByteArray(section)
                                << QString(expected).split(',', Qt::SkipEmptyParts);
        };
        row("gaps and empty values", "1=A\n2=\n3=C\n5=E\nx=D\n", "A,C,E");
        row("numeric order, not file order", "10=ten\n2=two\n", "two,ten");
        row("01 and 1 are one number", "01=first\n1=second\n", "second");
        row("zero and negative skipped", "0=zero\n-1=minus\n1=one\n", "one");
        row("huge key is only a number", "1=one\n2000000000=far\n99999999999=overflow\n",
            "one,far");
        row("empty section", "", "");
    }

    void readSection()
    {
        QFETCH(QByteArray, section);
        const QString path =
            env->filePath(QStringLiteral("section-%1.ini").arg(QTest::currentDataTag()));
        writeFile(path, "[other]\n1=not this\n[violacao]\n" + section + "[after]\n7=nor this\n");
        QSettings settings(path, QSettings::IniFormat);
        QStringList list{QStringLiteral("stale")};
        ReferenceData::readSection(settings, QStringLiteral("violacao"), &list);
        QTEST(list, "expected");
    }

    void loadReferenceData()
    {
        // Each section into its own list.
        ReferenceLists lists;
        QVERIFY(ReferenceData::load(env->dataDir() + QStringLiteral("/zor.ini"), &lists));
        QCOMPARE(
            (QList<int>{lists.violations.size(), lists.violationTimerFlags.size(),
                        lists.reactions.size(), lists.automations.size(), lists.validations.size(),
                        lists.secureModeSensors.size(), lists.secureModeActuators.size()}),
            (QList<int>{26, 26, 9, 8, 7, 6, 5}));
        QCOMPARE(lists.radiusViolations, QStringList{QStringLiteral("23")});
        QCOMPARE(lists.violations.at(22), QStringLiteral("Violação de Âncora"));

        // A file that can't be read keeps what the lists held.
        lists.violations = QStringList{QStringLiteral("kept")};
        QVERIFY(!ReferenceData::load(env->filePath(QStringLiteral("missing.ini")), &lists));
        QVERIFY(!ReferenceData::load(env->path(), &lists)); // a folder is not a data file
        QCOMPARE(lists.violations, QStringList{QStringLiteral("kept")});
    }

    void locateLooksInWorkingDirectoryFirst()
    {
        const QString name = QStringLiteral("zor-beside-test.ini");
        // Beside the executable: a "data" folder next to the test program,
        // cleared of what a failed run may have left.
        QDir executableDir(QCoreApplication::applicationDirPath());
        QVERIFY(executableDir.mkpath(QStringLiteral("data")));
        const QString besideExecutable = executableDir.filePath(QStringLiteral("data/") + name);
        QFile::remove(besideExecutable);
        QVERIFY(DataFiles::locate(name).isEmpty());
        writeFile(besideExecutable, "[violacao]\n1=x\n");
        QCOMPARE(DataFiles::locate(name), besideExecutable);
        // A folder of that name in the working directory is no data file.
        QVERIFY(QDir(env->path()).mkdir(name));
        QCOMPARE(DataFiles::locate(name), besideExecutable);
        QVERIFY(QDir(env->path()).rmdir(name));
        writeFile(env->filePath(name), "[violacao]\n1=y\n");
        QCOMPARE(QFileInfo(DataFiles::locate(name)).absoluteFilePath(),
                 QFileInfo(env->filePath(name)).absoluteFilePath());
        QFile::remove(besideExecutable);
    }

    void debugLog()
    {
        DebugLogger* logger = DebugLogger::instance();
        logger->configure(QStringLiteral("logs"), QStringLiteral("debug.log"));
        const QString log = env->filePath(QStringLiteral("debug.log"));
        const ZorObject probe;
        // Silent before a session.
        QVERIFY(!logger->isEnabled());
        QVERIFY(logger->write(QStringLiteral("nothing")));
        QVERIFY(!logger->log(QStringLiteral("nothing"), &probe));
        QVERIFY(!QFile::exists(log));

        writeFile(log, "stale line of an earlier run\n");
        QVERIFY(logger->startSession());
        QVERIFY(logger->isOpen() && logger->isEnabled());
        QCOMPARE(linesOf(log).size(), 1);
        QCOMPARE(textOf(linesOf(log).first()),
                 QStringLiteral(">>>>>>>> Debug Session Started. <<<<<<<<"));

        // The sink sees each line as the file gets it.
        QStringList received;
        logger->setLineSink([&received](const QString& line) { received.append(line); });
        QVERIFY(logger->write(QStringLiteral("first")));
        logger->setLineSink(nullptr);
        QVERIFY(logger->write(QStringLiteral("second")));
        QCOMPARE(received.size(), 1);
        QCOMPARE(textOf(received.at(0)), QStringLiteral("first"));
        QCOMPARE(linesOf(log).at(1), received.at(0));

        // A file that can't be written loses that line only, and starts no session.
        logger->configure(QStringLiteral("logs"),
                          env->filePath(QStringLiteral("missing/dir/x.log")));
        QVERIFY(!logger->write(QStringLiteral("lost")));
        QVERIFY(!logger->startSession());
        logger->configure(QStringLiteral("logs"), log);
        QVERIFY(logger->write(QStringLiteral("kept")));
        QCOMPARE(textOf(linesOf(log).last()), QStringLiteral("kept"));
    }

private:
    std::unique_ptr<ZorTest::TestEnvironment> env;
};

QTEST_GUILESS_MAIN(TestAppServices)
#include "tst_appservices.moc"
