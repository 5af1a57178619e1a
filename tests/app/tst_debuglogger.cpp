#include "app/debuglogger.h"
#include "app/zorobject.h"
#include "support/testenvironment.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

class Probe : public ZorObject
{
};

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

// The logger is a process-wide singleton: the cases run in order, the
// first before any session exists.
class TestDebugLogger : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void silentWithoutSession();
    void sessionTruncatesAndMarks();
    void linesNameTheClass();
    void sinkReceivesEveryLine();
    void unwritableFileLosesOnlyThatLine();

private:
    std::unique_ptr<ZorTest::TestEnvironment> env;
    DebugLogger* logger = nullptr;
};

void TestDebugLogger::initTestCase()
{
    env = std::make_unique<ZorTest::TestEnvironment>(false);
    logger = DebugLogger::instance();
    logger->configure(QStringLiteral("logs"), QStringLiteral("debug.log"));
}

void TestDebugLogger::silentWithoutSession()
{
    Probe probe;
    QVERIFY(!logger->isEnabled());
    QVERIFY(logger->write(QStringLiteral("nothing")));
    QVERIFY(!logger->log(QStringLiteral("nothing"), &probe));
    QVERIFY(!QFile::exists(env->filePath(QStringLiteral("debug.log"))));
}

void TestDebugLogger::sessionTruncatesAndMarks()
{
    QFile old(env->filePath(QStringLiteral("debug.log")));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("stale line of an earlier run\n");
    old.close();

    QVERIFY(logger->startSession());
    QVERIFY(logger->isOpen());
    QVERIFY(logger->isEnabled());
    const QStringList lines = readLines(env->filePath(QStringLiteral("debug.log")));
    QCOMPARE(lines.size(), 1);
    const QRegularExpression marker(QStringLiteral(
        "^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d - >>>>>>>> Debug Session Started\\. <<<<<<<<$"));
    QVERIFY2(marker.match(lines.first()).hasMatch(), qPrintable(lines.first()));
}

void TestDebugLogger::linesNameTheClass()
{
    Probe probe;
    QVERIFY(logger->log(QStringLiteral("Constructor"), &probe));
    const QStringList lines = readLines(env->filePath(QStringLiteral("debug.log")));
    QVERIFY(lines.last().endsWith(QStringLiteral("Probe - Constructor")));
    QCOMPARE(lines.last().mid(19, 3), QStringLiteral(" - "));
}

void TestDebugLogger::sinkReceivesEveryLine()
{
    QStringList received;
    logger->setLineSink([&received](const QString& line) { received.append(line); });
    QVERIFY(logger->write(QStringLiteral("first")));
    QVERIFY(logger->write(QStringLiteral("second")));
    logger->setLineSink(nullptr);
    QCOMPARE(received.size(), 2);
    QVERIFY(received.at(0).endsWith(QStringLiteral(" - first")));
    QCOMPARE(readLines(env->filePath(QStringLiteral("debug.log"))).last(), received.at(1));
}

void TestDebugLogger::unwritableFileLosesOnlyThatLine()
{
    logger->configure(QStringLiteral("logs"), env->filePath(QStringLiteral("missing/dir/x.log")));
    QVERIFY(!logger->write(QStringLiteral("lost")));
    logger->configure(QStringLiteral("logs"), env->filePath(QStringLiteral("debug.log")));
    QVERIFY(logger->write(QStringLiteral("kept")));
    QVERIFY(readLines(env->filePath(QStringLiteral("debug.log"))).last().endsWith("kept"));
}

QTEST_GUILESS_MAIN(TestDebugLogger)
#include "tst_debuglogger.moc"
