#include "simulatecommand.h"

#include "app/messenger.h"
#include "model/group.h"
#include "terminalsession.h"

#include <QFile>

#include <cstdio>

using Step = SimulationScript::Step;

int SimulateCommand::run(const QString& groupPath, const QString& scriptPath)
{
    Group group{QString(), QString()};
    if (!group.readFile(groupPath))
        return fail(tr("Não foi possível abrir o arquivo %1").arg(groupPath));
    QString script;
    if (!readScript(scriptPath, &script))
        return fail(tr("Não foi possível ler o roteiro %1").arg(scriptPath));
    QList<Step> steps;
    QString error;
    if (!SimulationScript::parse(script, &steps, &error))
        return fail(QStringLiteral("%1: %2").arg(scriptPath, error));

    TerminalSession session(group);
    int code = Accepted;
    for (const Step& step : steps) {
        const QString refusal = perform(session, step);
        if (refusal.isEmpty())
            continue;
        // "error: " stays as it is in every language, for scripts to look for.
        print("error: " + tr("linha %1: %2").arg(step.line).arg(refusal).toLocal8Bit());
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
            print(session.sentMessages().constLast().jsonLine());
        return refusal;
    }
    case Step::Action::Next:
        return session.next(step.number);
    case Step::Action::Back:
        return session.back();
    case Step::Action::Screen:
        for (const QString& row : session.screen())
            print(row.toLocal8Bit());
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

void SimulateCommand::print(const QByteArray& line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int SimulateCommand::fail(const QString& text)
{
    UserMessage message;
    message.icon = UserMessage::Icon::Critical;
    message.text = text;
    Messenger::current().show(message);
    return CannotRun;
}
