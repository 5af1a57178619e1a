#include "startuptiming.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace {

constexpr int ProcessTimeoutMs = 30000;

} // namespace

StartupTiming::StartupTiming(const QString& executable, int runs)
    : m_executable(executable), m_runs(runs)
{
}

void StartupTiming::measure(const QString& path, Samples* firstPaint, Samples* process)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("ZOR_REPORT_FIRST_PAINT"), QStringLiteral("1"));
    for (int run = 0; run <= m_runs; ++run) {
        QProcess zor;
        zor.setProcessEnvironment(environment);
        zor.setProcessChannelMode(QProcess::SeparateChannels);
        const Stopwatch clock;
        zor.start(m_executable, {path});
        // A window that waits for an answer would never end by itself.
        const auto fail = [&](const char* what) {
            zor.kill();
            zor.waitForFinished();
            qFatal("zor-bench: zor %s %s", qPrintable(path), what);
        };
        if (!zor.waitForReadyRead(ProcessTimeoutMs))
            fail("painted nothing");
        const double processMs = clock.elapsedMs();
        if (!zor.waitForFinished(ProcessTimeoutMs) || zor.exitCode() != 0)
            fail("did not end after its first paint");
        bool isNumber = false;
        const double reported =
            QString::fromLatin1(zor.readAllStandardOutput()).toDouble(&isNumber);
        if (!isNumber)
            qFatal("zor-bench: zor reported no time of its first paint");
        const QList<QByteArray> errors = zor.readAllStandardError().split('\n');
        for (const QByteArray& line : errors) {
            // The offscreen platform says so at every show of a window.
            if (!line.trimmed().isEmpty() && !line.contains("does not support propagateSizeHints"))
                qWarning("zor-bench: zor %s said: %s", qPrintable(path), line.constData());
        }
        if (run > 0) {
            firstPaint->add(reported);
            process->add(processMs);
        }
    }
}
