#include "checkprocess.h"

#include "benchgroups.h"

#include "model/group.h"
#include "model/macro.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

constexpr int ProcessTimeoutMs = 300000;

} // namespace

CheckProcess::CheckProcess(const QString& executable, const QString& folder, int runs)
    : m_executable(executable), m_folder(folder), m_runs(runs)
{
}

bool CheckProcess::writeFiles(QString* error)
{
    const QDir dir(m_folder);
    if (!dir.mkpath(QStringLiteral("check"))) {
        *error = QStringLiteral("cannot create %1").arg(dir.filePath(QStringLiteral("check")));
        return false;
    }
    for (int i = 0; i < FileCount; ++i) {
        const std::unique_ptr<Group> group = BenchGroups::generate(MacrosPerFile);
        // A name with a letter the terminal refuses, in a macro of its own.
        Macro* macro = group->macros().at(i % MacrosPerFile);
        macro->setName(macro->name() + QStringLiteral(" AÇÃO"));
        const QString path =
            dir.filePath(QStringLiteral("check/group-%1.mcx").arg(i, 3, 10, QLatin1Char('0')));
        if (!group->saveAs(path)) {
            *error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
        m_files.append(path);
    }
    return true;
}

CheckProcess::Result CheckProcess::check(const QStringList& options) const
{
    QProcess zor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    zor.setProcessEnvironment(environment);
    zor.start(m_executable, QStringList{QStringLiteral("--check")} + options + m_files);
    if (!zor.waitForFinished(ProcessTimeoutMs) || zor.exitStatus() != QProcess::NormalExit)
        qFatal("zor-bench: zor --check did not finish");
    return {zor.exitCode(), zor.readAllStandardOutput(), zor.readAllStandardError()};
}

void CheckProcess::measure(Samples* oneThread, Samples* allCores)
{
    const QStringList single{QStringLiteral("--jobs"), QStringLiteral("1")};
    // The report as one thread gives it, and a warm-up of the file cache.
    const Result expected = check(single);
    const QList<QByteArray> lines = expected.output.split('\n');
    for (int i = 0; i < FileCount; ++i) {
        if (expected.exitCode != 1 || lines.size() <= i ||
            !lines.at(i).startsWith(QFile::encodeName(m_files.at(i)) + ':'))
            qFatal("zor-bench: zor --check did not report one finding per file, in order");
    }
    for (int run = 0; run < m_runs; ++run) {
        // Turn about, as for the other pairs.
        for (int turn = 0; turn < 2; ++turn) {
            const bool one = (run + turn) % 2 == 0;
            const Stopwatch clock;
            const Result result = check(one ? single : QStringList());
            (one ? oneThread : allCores)->add(clock.elapsedMs());
            if (result.exitCode != expected.exitCode || result.output != expected.output ||
                result.errors != expected.errors)
                qFatal("zor-bench: zor --check reports differently with several threads");
        }
    }
}
