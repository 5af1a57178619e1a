#include "checkcommand.h"

#include "app/anchorsettings.h"
#include "app/filemessenger.h"
#include "app/messenger.h"
#include "model/group.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

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

void print(const QByteArray& text)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}

} // namespace

int CheckCommand::run(const QStringList& files, Format format)
{
    warnWithoutAnchorSettings();
    QList<FileReport> reports;
    for (const QString& path : files) {
        reports.append(checkFile(path));
        // Line by line, each file's findings as soon as it is read, beside
        // the messages of its reading.
        if (format == Format::Text)
            print(text({reports.constLast()}));
    }
    if (format == Format::Json)
        print(json(reports));
    return exitCode(reports);
}

QList<CheckCommand::FileReport> CheckCommand::check(const QStringList& files)
{
    warnWithoutAnchorSettings();
    QList<FileReport> reports;
    for (const QString& path : files)
        reports.append(checkFile(path));
    return reports;
}

CheckCommand::FileReport CheckCommand::checkFile(const QString& path)
{
    FileReport report;
    report.path = path;
    Group group{QString(), QString()};
    {
        const FileMessenger messenger(path);
        report.readable = group.readFile(path);
        if (!report.readable) {
            UserMessage message;
            message.icon = UserMessage::Icon::Critical;
            message.text = tr("Não foi possível abrir o arquivo.");
            if (!group.errorString().isEmpty())
                message.text += QLatin1Char('\n') + group.errorString();
            Messenger::current().show(message);
        }
    }
    if (report.readable)
        report.findings = GroupCheck(group).findings();
    return report;
}

void CheckCommand::warnWithoutAnchorSettings()
{
    if (Group::anchorSettings().anchorViolationId() != 0)
        return;
    UserMessage message;
    message.icon = UserMessage::Icon::Warning;
    message.text = tr("Sem a violação de âncora de \"zor.ini\" na pasta de trabalho: a sequência "
                      "e o raio das macros com análise de âncora não serão verificados.");
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
