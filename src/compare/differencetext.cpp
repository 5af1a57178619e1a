#include "differencetext.h"

#include "app/referencelists.h"

#include <QPoint>
#include <QSize>

namespace {

using Field = FieldChange::Field;

QString quoted(const QVariant& value)
{
    return QLatin1Char('"') + value.toString() + QLatin1Char('"');
}

// Seconds as the violation tab shows them, m:ss.
QString timeText(int seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QString DifferenceText::headerTitle()
{
    return tr("Grupo");
}

QString DifferenceText::title(const MacroDifference& macro)
{
    return QStringLiteral("%1 (%2)").arg(macro.sigla, macro.num);
}

QString DifferenceText::typeName(int type)
{
    switch (type) {
    case 0:
        return tr("Início de viagem");
    case 1:
        return tr("Parada");
    case 2:
        return tr("Operação");
    case 3:
        return tr("Solicitação");
    case 4:
        return tr("Reinício de viagem");
    case 5:
        return tr("Fim de viagem");
    case 6:
        return tr("Especiais");
    default:
        return QString::number(type);
    }
}

QStringList DifferenceText::lines(const MacroDifference& macro) const
{
    QStringList lines;
    switch (macro.kind) {
    case MacroDifference::Kind::Added:
        lines.append(tr("macro adicionada: %1").arg(macro.name));
        break;
    case MacroDifference::Kind::Removed:
        lines.append(tr("macro removida: %1").arg(macro.name));
        break;
    case MacroDifference::Kind::Renumbered:
        lines.append(tr("macro renumerada: %1 -> %2").arg(macro.oldNum, macro.num));
        break;
    case MacroDifference::Kind::Changed:
        break;
    }
    for (const FieldChange& change : macro.changes)
        lines.append(line(change));
    return lines;
}

QString DifferenceText::report(const GroupDifference& difference) const
{
    QString text;
    for (const FieldChange& change : difference.header)
        text += headerTitle() + QStringLiteral(": ") + line(change) + QLatin1Char('\n');
    for (const MacroDifference& macro : difference.macros) {
        const QString prefix = title(macro) + QStringLiteral(": ");
        const QStringList macroLines = lines(macro);
        for (const QString& macroLine : macroLines)
            text += prefix + macroLine + QLatin1Char('\n');
    }
    return text;
}

QString DifferenceText::line(const FieldChange& change) const
{
    switch (change.field) {
    case Field::Validation:
    case Field::Automation:
    case Field::SecureSensor:
    case Field::SecureActuator:
    case Field::Reaction:
        return membershipLine(change);
    case Field::Violation:
    case Field::Time:
    case Field::Radius:
        return violationLine(change);
    case Field::Position:
    case Field::Size:
    case Field::Form:
    case Field::Confirmation:
        return layoutLine(change);
    default:
        return valueLine(change);
    }
}

QString DifferenceText::valueLine(const FieldChange& change) const
{
    const QString before = change.before.toString();
    const QString after = change.after.toString();
    switch (change.field) {
    case Field::GroupName:
    case Field::Name:
        return tr("nome: %1 -> %2").arg(quoted(before), quoted(after));
    case Field::GroupDescription:
        return tr("descrição: %1 -> %2").arg(quoted(before), quoted(after));
    case Field::Sigla:
        return tr("sigla: %1 -> %2").arg(before, after);
    case Field::Shortcut:
        return tr("atalho: %1 -> %2").arg(before, after);
    case Field::Type:
        return tr("tipo: %1 -> %2")
            .arg(typeName(change.before.toInt()), typeName(change.after.toInt()));
    case Field::Kind: {
        const auto kind = [](const QVariant& isSecurity) {
            return isSecurity.toBool() ? tr("Segurança") : tr("Informação");
        };
        return tr("segurança ou informação: %1 -> %2").arg(kind(change.before), kind(change.after));
    }
    default: {
        const QString none = tr("(nenhuma)");
        return tr("próxima macro F%1: %2 -> %3")
            .arg(QString::number(change.id), before.isEmpty() ? none : before,
                 after.isEmpty() ? none : after);
    }
    }
}

QString DifferenceText::membershipLine(const FieldChange& change) const
{
    const bool added = change.isAddition();
    switch (change.field) {
    case Field::Validation: {
        const QString text = name(lists.validations, change.id, change.id + 1);
        return added ? tr("validação adicionada: %1").arg(text)
                     : tr("validação removida: %1").arg(text);
    }
    case Field::Automation: {
        const QString text = name(lists.automations, change.id - 1, change.id);
        return added ? tr("automação adicionada: %1").arg(text)
                     : tr("automação removida: %1").arg(text);
    }
    case Field::SecureSensor: {
        const QString text = name(lists.secureModeSensors, change.id - 1, change.id);
        return added ? tr("sensor do modo seguro adicionado: %1").arg(text)
                     : tr("sensor do modo seguro removido: %1").arg(text);
    }
    case Field::SecureActuator: {
        const QString text = name(lists.secureModeActuators, change.id - 1, change.id);
        return added ? tr("atuador do modo seguro adicionado: %1").arg(text)
                     : tr("atuador do modo seguro removido: %1").arg(text);
    }
    default: {
        const QString violation = violationName(change.violation);
        const QString text = name(lists.reactions, change.id, change.id + 1);
        return added ? tr("violação %1: reação adicionada: %2").arg(violation, text)
                     : tr("violação %1: reação removida: %2").arg(violation, text);
    }
    }
}

QString DifferenceText::violationLine(const FieldChange& change) const
{
    if (change.field == Field::Time) {
        return tr("violação %1: tempo de análise: %2 -> %3")
            .arg(violationName(change.violation), timeText(change.before.toInt()),
                 timeText(change.after.toInt()));
    }
    if (change.field == Field::Radius) {
        return tr("violação %1: raio: %2 m -> %3 m")
            .arg(violationName(change.violation), change.before.toString(),
                 change.after.toString());
    }
    QString text = violationName(change.id);
    const FieldChange::ViolationSetting& setting = change.setting;
    if (setting.reactions != 0)
        text += QStringLiteral("; ") + tr("reações: %1").arg(reactionNames(setting.reactions));
    if (setting.time != 0)
        text += QStringLiteral("; ") + tr("tempo de análise: %1").arg(timeText(setting.time));
    if (setting.radius >= 0)
        text += QStringLiteral("; ") + tr("raio: %1 m").arg(setting.radius);
    return change.isAddition() ? tr("violação adicionada: %1").arg(text)
                               : tr("violação removida: %1").arg(text);
}

QString DifferenceText::layoutLine(const FieldChange& change) const
{
    switch (change.field) {
    case Field::Position: {
        const QPoint before = change.before.toPoint();
        const QPoint after = change.after.toPoint();
        return tr("posição: (%1, %2) -> (%3, %4)")
            .arg(before.x())
            .arg(before.y())
            .arg(after.x())
            .arg(after.y());
    }
    case Field::Size: {
        const QSize before = change.before.toSize();
        const QSize after = change.after.toSize();
        return tr("tamanho: %1 x %2 -> %3 x %4")
            .arg(before.width())
            .arg(before.height())
            .arg(after.width())
            .arg(after.height());
    }
    case Field::Form:
        return tr("formulário, linha %1: %2 -> %3")
            .arg(QString::number(change.id), quoted(change.before), quoted(change.after));
    default:
        return tr("texto de confirmação, linha %1: %2 -> %3")
            .arg(QString::number(change.id), quoted(change.before), quoted(change.after));
    }
}

QString DifferenceText::name(const QStringList& list, int index, int number) const
{
    const QString text = list.value(index);
    return text.isEmpty() ? QString::number(number) : text;
}

QString DifferenceText::violationName(int id) const
{
    return name(lists.violations, id - 1, id);
}

QString DifferenceText::reactionNames(quint8 reactions) const
{
    QStringList names;
    for (int bit = 0; bit < 8; ++bit) {
        if (reactions & (1u << bit))
            names.append(name(lists.reactions, bit, bit + 1));
    }
    return names.join(QStringLiteral(", "));
}
