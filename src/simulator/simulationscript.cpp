#include "simulationscript.h"

#include <QRegularExpression>
#include <QStringList>

#include <utility>

bool SimulationScript::parse(const QString& script, QList<Step>* steps, QString* error)
{
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        Step step;
        step.line = i + 1;
        QString reason;
        if (!parseLine(line, &step, &reason)) {
            *error = tr("linha %1: %2").arg(step.line).arg(reason);
            return false;
        }
        steps->append(step);
    }
    return true;
}

bool SimulationScript::parseLine(const QString& line, Step* step, QString* error)
{
    static const QRegularExpression open(QStringLiteral("^open\\s+(\\d{1,9})$"));
    static const QRegularExpression field(QStringLiteral("^field\\s+(\\d{1,9})(?:\\s+(.*))?$"));
    static const QRegularExpression next(QStringLiteral("^next\\s+[Ff](\\d)$"));
    const QString command = line.section(QRegularExpression(QStringLiteral("\\s")), 0, 0);
    QRegularExpressionMatch match;
    if (command == QLatin1String("open")) {
        match = open.match(line);
        step->action = Step::Action::Open;
        *error = tr("\"open\" pede o número de uma macro: open 1");
    } else if (command == QLatin1String("field")) {
        match = field.match(line);
        step->action = Step::Action::Field;
        *error = tr("\"field\" pede o número do campo, a partir de 1, e o texto: field 1 JOAO");
    } else if (command == QLatin1String("next")) {
        match = next.match(line);
        step->action = Step::Action::Next;
        *error = tr("\"next\" pede uma tecla de F0 a F9: next F1");
    } else {
        const QList<std::pair<QString, Step::Action>> plain{
            {QStringLiteral("send"), Step::Action::Send},
            {QStringLiteral("back"), Step::Action::Back},
            {QStringLiteral("screen"), Step::Action::Screen}};
        for (const auto& [name, action] : plain) {
            if (command == name) {
                step->action = action;
                *error = tr("\"%1\" não leva argumentos").arg(name);
                return line == name;
            }
        }
        *error =
            tr("passo desconhecido \"%1\" (open, field, send, next, back, screen)").arg(command);
        return false;
    }
    if (!match.hasMatch())
        return false;
    step->number = match.captured(1).toInt();
    step->text = match.captured(2).trimmed();
    if (step->action == Step::Action::Field && step->number < 1)
        return false;
    error->clear();
    return true;
}
