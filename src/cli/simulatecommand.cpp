#include "simulatecommand.h"

#include "commandoutput.h"
#include "model/group.h"
#include "simulator/terminalsession.h"

#include <QFile>

using Step = SimulationScript::Step;

namespace {

void printLine(const QByteArray& line)
{
    CommandOutput::print(line + '\n');
}

} // namespace

int SimulateCommand::run(const QString& groupPath, const QString& scriptPath)
{
    Group group{QString(), QString()};
    if (!group.readFile(groupPath))
        return CommandOutput::fail(CannotRun,
                                   tr("Não foi possível abrir o arquivo %1").arg(groupPath));
    QString script;
    if (!readScript(scriptPath, &script))
        return CommandOutput::fail(CannotRun,
                                   tr("Não foi possível ler o roteiro %1").arg(scriptPath));
    QList<Step> steps;
    QString error;
    if (!SimulationScript::parse(script, &steps, &error))
        return CommandOutput::fail(CannotRun, QStringLiteral("%1: %2").arg(scriptPath, error));

    TerminalSession session(group);
    int code = Accepted;
    for (const Step& step : steps) {
        const QString refusal = perform(session, step);
        if (refusal.isEmpty())
            continue;
        // "error: " stays as it is in every language, for scripts to look for.
        printLine("error: " + tr("linha %1: %2").arg(step.line).arg(refusal).toLocal8Bit());
        code = Refused;
    }
    return code;
}

bool SimulateCommand::readScript(const QString& path, QString* script)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *script = QString::fromUtf8(file.readAll());
    return file.error() == QFileDevice::NoError;
}

QString SimulateCommand::perform(TerminalSession& session, const Step& step)
{
    switch (step.action) {
    case Step::Action::Open:
        return session.open(step.number);
    case Step::Action::Field:
        return fillField(session, step.number - 1, step.text);
    case Step::Action::Send: {
        const QString refusal = session.send();
        if (refusal.isEmpty())
            printLine(session.sentMessages().constLast().jsonLine());
        return refusal;
    }
    case Step::Action::Next:
        return session.next(step.number);
    case Step::Action::Back:
        return session.back();
    case Step::Action::Screen:
        for (const QString& row : session.screen())
            printLine(row.toLocal8Bit());
        return QString();
    }
    return QString();
}

// A mark takes the words on and off; every other field its text.
QString SimulateCommand::fillField(TerminalSession& session, int field, const QString& text)
{
    const QList<TerminalField>& fields = session.form().fields();
    if (field < 0 || field >= fields.size() || !fields.at(field).isMark())
        return session.fill(field, text);
    if (text == QLatin1String("on") || text == QLatin1String("off"))
        return session.mark(field, text == QLatin1String("on"));
    return tr("campo %1 (%2): escreva on ou off")
        .arg(field + 1)
        .arg(TerminalField::kindName(fields.at(field).kind()));
}
