#include "differencejson.h"

#include "app/referencelists.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPoint>
#include <QSize>

namespace {

using Field = FieldChange::Field;

QString fieldKey(Field field)
{
    switch (field) {
    case Field::GroupName:
    case Field::Name:
        return QStringLiteral("name");
    case Field::GroupDescription:
        return QStringLiteral("description");
    case Field::Sigla:
        return QStringLiteral("sigla");
    case Field::Shortcut:
        return QStringLiteral("shortcut");
    case Field::Type:
        return QStringLiteral("type");
    case Field::Kind:
        return QStringLiteral("kind");
    case Field::Validation:
        return QStringLiteral("validation");
    case Field::Automation:
        return QStringLiteral("automation");
    case Field::SecureSensor:
        return QStringLiteral("secure-sensor");
    case Field::SecureActuator:
        return QStringLiteral("secure-actuator");
    case Field::Violation:
        return QStringLiteral("violation");
    case Field::Reaction:
        return QStringLiteral("reaction");
    case Field::Time:
        return QStringLiteral("time");
    case Field::Radius:
        return QStringLiteral("radius");
    case Field::Next:
        return QStringLiteral("next");
    case Field::Position:
        return QStringLiteral("position");
    case Field::Size:
        return QStringLiteral("size");
    case Field::Form:
        return QStringLiteral("form");
    case Field::Confirmation:
        return QStringLiteral("confirmation");
    }
    return QString();
}

QString changeKey(MacroDifference::Kind kind)
{
    switch (kind) {
    case MacroDifference::Kind::Added:
        return QStringLiteral("added");
    case MacroDifference::Kind::Removed:
        return QStringLiteral("removed");
    case MacroDifference::Kind::Renumbered:
        return QStringLiteral("renumbered");
    case MacroDifference::Kind::Changed:
        break;
    }
    return QStringLiteral("changed");
}

QJsonValue jsonValue(Field field, const QVariant& value)
{
    switch (field) {
    case Field::Kind:
        return value.toBool() ? QStringLiteral("security") : QStringLiteral("information");
    case Field::Shortcut:
    case Field::Type:
    case Field::Time:
    case Field::Radius:
        return value.toInt();
    case Field::Position: {
        const QPoint point = value.toPoint();
        return QJsonObject{{QStringLiteral("x"), point.x()}, {QStringLiteral("y"), point.y()}};
    }
    case Field::Size: {
        const QSize size = value.toSize();
        return QJsonObject{{QStringLiteral("width"), size.width()},
                           {QStringLiteral("height"), size.height()}};
    }
    default:
        return value.toString();
    }
}

} // namespace

QByteArray DifferenceJson::document(const GroupDifference& difference, const QString& oldPath,
                                    const QString& newPath) const
{
    QJsonArray header;
    for (const FieldChange& change : difference.header)
        header.append(field(change));
    QJsonArray macros;
    for (const MacroDifference& entry : difference.macros)
        macros.append(macro(entry));
    const QJsonObject root{{QStringLiteral("old"), oldPath},
                           {QStringLiteral("new"), newPath},
                           {QStringLiteral("same"), difference.isEmpty()},
                           {QStringLiteral("header"), header},
                           {QStringLiteral("macros"), macros}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QJsonObject DifferenceJson::macro(const MacroDifference& macro) const
{
    QJsonArray fields;
    for (const FieldChange& change : macro.changes)
        fields.append(field(change));
    QJsonObject object{{QStringLiteral("change"), changeKey(macro.kind)},
                       {QStringLiteral("num"), macro.num},
                       {QStringLiteral("sigla"), macro.sigla},
                       {QStringLiteral("name"), macro.name},
                       {QStringLiteral("fields"), fields}};
    if (macro.kind == MacroDifference::Kind::Renumbered)
        object.insert(QStringLiteral("oldNum"), macro.oldNum);
    return object;
}

QJsonObject DifferenceJson::field(const FieldChange& change) const
{
    QJsonObject object{{QStringLiteral("field"), fieldKey(change.field)}};
    switch (change.field) {
    case Field::Validation:
    case Field::Automation:
    case Field::SecureSensor:
    case Field::SecureActuator:
    case Field::Violation:
    case Field::Reaction:
        addMembership(&object, change);
        break;
    default:
        addValues(&object, change);
        break;
    }
    return object;
}

void DifferenceJson::addName(QJsonObject* object, const QStringList& list, int index) const
{
    const QString name = list.value(index);
    if (!name.isEmpty())
        object->insert(QStringLiteral("name"), name);
}

void DifferenceJson::addMembership(QJsonObject* object, const FieldChange& change) const
{
    object->insert(QStringLiteral("change"),
                   change.isAddition() ? QStringLiteral("added") : QStringLiteral("removed"));
    switch (change.field) {
    case Field::Validation:
        object->insert(QStringLiteral("bit"), change.id);
        addName(object, lists.validations, change.id);
        return;
    case Field::Reaction:
        object->insert(QStringLiteral("violation"), change.violation);
        object->insert(QStringLiteral("bit"), change.id);
        addName(object, lists.reactions, change.id);
        return;
    case Field::Automation:
        addName(object, lists.automations, change.id - 1);
        break;
    case Field::SecureSensor:
        addName(object, lists.secureModeSensors, change.id - 1);
        break;
    case Field::SecureActuator:
        addName(object, lists.secureModeActuators, change.id - 1);
        break;
    default: {
        addName(object, lists.violations, change.id - 1);
        QJsonArray reactions;
        for (int bit = 0; bit < 8; ++bit) {
            if (!(change.setting.reactions & (1u << bit)))
                continue;
            QJsonObject reaction{{QStringLiteral("bit"), bit}};
            addName(&reaction, lists.reactions, bit);
            reactions.append(reaction);
        }
        object->insert(QStringLiteral("reactions"), reactions);
        object->insert(QStringLiteral("time"), int(change.setting.time));
        if (change.setting.radius >= 0)
            object->insert(QStringLiteral("radius"), change.setting.radius);
        break;
    }
    }
    object->insert(QStringLiteral("id"), change.id);
}

void DifferenceJson::addValues(QJsonObject* object, const FieldChange& change) const
{
    object->insert(QStringLiteral("old"), jsonValue(change.field, change.before));
    object->insert(QStringLiteral("new"), jsonValue(change.field, change.after));
    switch (change.field) {
    case Field::Time:
    case Field::Radius:
        object->insert(QStringLiteral("violation"), change.violation);
        break;
    case Field::Next:
        object->insert(QStringLiteral("key"), QStringLiteral("F%1").arg(change.id));
        break;
    case Field::Form:
    case Field::Confirmation:
        object->insert(QStringLiteral("row"), change.id);
        break;
    default:
        break;
    }
}
