#include "checkcommand.h"

#include "app/filemessenger.h"
#include "app/messagebuffer.h"
#include "app/messenger.h"
#include "commandoutput.h"
#include "model/group.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QThread>
#include <QThreadPool>
#include <QVector>
#include <QWaitCondition>

#include <optional>

bool CheckCommand::parseFormat(const QString& name, Format* format)
{
    if (name.isEmpty() || name == QLatin1String("text"))
        *format = Format::Text;
    else if (name == QLatin1String("json"))
        *format = Format::Json;
    else
        return false;
    return true;
}

namespace {

// The reports of the files, filled by the workers in any order and taken
// in the order of the files.
template <typename Report> class ReportSlots
{
public:
    explicit ReportSlots(int count) : m_slots(count) {}

    void put(int index, Report report)
    {
        const QMutexLocker lock(&m_mutex);
        m_slots[index] = std::move(report);
        m_filled.wakeAll();
    }

    Report take(int index)
    {
        QMutexLocker lock(&m_mutex);
        while (!m_slots.at(index))
            m_filled.wait(&m_mutex);
        Report report = std::move(*m_slots[index]);
        m_slots[index].reset();
        return report;
    }

private:
    QMutex m_mutex;
    QWaitCondition m_filled;
    QVector<std::optional<Report>> m_slots;
};

} // namespace

int CheckCommand::run(const QStringList& files, Format format, int jobs)
{
    warnWithoutAnchorSettings();
    QList<FileReport> reports;
    checkInOrder(files, jobs, [&](const FileReport& report) {
        reports.append(report);
        // Line by line, each file's findings as soon as it is read, beside
        // the messages of its reading.
        if (format == Format::Text)
            CommandOutput::print(text({report}));
    });
    if (format == Format::Json)
        CommandOutput::print(json(reports));
    return exitCode(reports);
}

bool CheckCommand::parseJobs(const QString& text, int* jobs)
{
    bool isNumber = false;
    const int count = text.toInt(&isNumber);
    if (!isNumber || count < 1)
        return false;
    *jobs = count;
    return true;
}

QList<CheckCommand::FileReport> CheckCommand::check(const QStringList& files, int jobs)
{
    warnWithoutAnchorSettings();
    QList<FileReport> reports;
    checkInOrder(files, jobs, [&](const FileReport& report) { reports.append(report); });
    return reports;
}

void CheckCommand::checkInOrder(const QStringList& files, int jobs,
                                const std::function<void(const FileReport&)>& take)
{
    // More threads than cores would only hold more files in memory at once.
    const int cores = qMax(1, QThread::idealThreadCount());
    jobs = jobs <= 0 ? cores : qMin(jobs, cores);
    if (jobs <= 1 || files.size() <= 1) {
        for (const QString& path : files) {
            const FileReport report = checkFile(path);
            tell(report);
            take(report);
        }
        return;
    }
    ReportSlots<FileReport> reports(files.size());
    QThreadPool pool;
    pool.setMaxThreadCount(qMin(jobs, files.size()));
    for (int i = 0; i < files.size(); ++i)
        pool.start([&reports, &files, i] { reports.put(i, checkFile(files.at(i))); });
    for (int i = 0; i < files.size(); ++i) {
        const FileReport report = reports.take(i);
        tell(report);
        take(report);
    }
}

CheckCommand::FileReport CheckCommand::checkFile(const QString& path)
{
    FileReport report;
    report.path = path;
    Group group{QString(), QString()};
    {
        const MessageBuffer messages;
        report.readable = group.readFile(path);
        if (!report.readable) {
            UserMessage message;
            message.icon = UserMessage::Icon::Critical;
            message.text = tr("Não foi possível abrir o arquivo.");
            if (!group.errorString().isEmpty())
                message.text += QLatin1Char('\n') + group.errorString();
            Messenger::current().show(message);
        }
        report.messages = messages.messages();
    }
    if (report.readable)
        report.findings = GroupCheck(group).findings();
    return report;
}

void CheckCommand::tell(const FileReport& report)
{
    if (report.messages.isEmpty())
        return;
    const FileMessenger messenger(report.path);
    for (const UserMessage& message : report.messages)
        Messenger::current().show(message);
}

QByteArray CheckCommand::text(const QList<FileReport>& reports)
{
    QString lines;
    for (const FileReport& report : reports) {
        for (const GroupCheck::Finding& finding : report.findings) {
            // A finding about the file as a whole names no macro.
            if (finding.sigla.isEmpty() && finding.num.isEmpty()) {
                lines += QStringLiteral("%1: %2\n").arg(report.path, finding.message);
            } else {
                lines += QStringLiteral("%1: %2 (%3): %4\n")
                             .arg(report.path, finding.sigla, finding.num, finding.message);
            }
        }
    }
    return lines.toLocal8Bit();
}

QByteArray CheckCommand::json(const QList<FileReport>& reports)
{
    QJsonArray files;
    for (const FileReport& report : reports) {
        QJsonArray findings;
        for (const GroupCheck::Finding& finding : report.findings) {
            findings.append(QJsonObject{{QStringLiteral("rule"), finding.rule},
                                        {QStringLiteral("sigla"), finding.sigla},
                                        {QStringLiteral("num"), finding.num},
                                        {QStringLiteral("message"), finding.message}});
        }
        files.append(QJsonObject{{QStringLiteral("file"), report.path},
                                 {QStringLiteral("readable"), report.readable},
                                 {QStringLiteral("findings"), findings}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("files"), files}})
        .toJson(QJsonDocument::Indented);
}

int CheckCommand::exitCode(const QList<FileReport>& reports)
{
    int code = Clean;
    for (const FileReport& report : reports) {
        if (!report.readable)
            return CannotCheck;
        if (!report.findings.isEmpty())
            code = FindingsFound;
    }
    return code;
}

void CheckCommand::warnWithoutAnchorSettings()
{
    CommandOutput::warnWithoutAnchorSettings(
        tr("Sem a violação de âncora de \"zor.ini\" na pasta de trabalho: a sequência "
           "e o raio das macros com análise de âncora não serão verificados."));
}
