#include "macrojson.h"

#include "app/anchorsettings.h"
#include "boxgeometry.h"
#include "model/macro.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>

namespace {

// Violations of a version-2000 macro: identifiers in elements 0 to 19 of
// "violation", their reaction sets in elements 20 to 39.
constexpr int Violations2000 = 20;

quint8 anchorId()
{
    return quint8(Macro::anchorSettings().anchorViolationId());
}

// An 800-byte screen from the text of a file: character i replaces byte i of
// a blank screen; what lies beyond the screen is dropped.
QByteArray screenFrom(const QString& text, bool lessThanIsBlank)
{
    QByteArray bytes = text.left(Macro::ScreenSize).toLatin1();
    if (lessThanIsBlank)
        bytes.replace('<', ' ');
    QByteArray screen(Macro::ScreenSize, ' ');
    std::copy(bytes.cbegin(), bytes.cend(), screen.begin());
    return screen;
}

// A screen as the file keeps it: NUL bytes (the form grid's unused cells)
// are blanks, and blanks at the end are dropped, so an empty screen is "".
QString screenText(const QByteArray& screen)
{
    // Not the QByteArray overload: it would stop at the first NUL byte.
    QString text = QString::fromLatin1(screen.constData(), screen.size());
    text.replace(QChar(0), QLatin1Char(' '));
    int end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    text.truncate(end);
    return text;
}

QList<quint8> bytesFrom(const QJsonValue& value)
{
    QList<quint8> bytes;
    const QJsonArray array = value.toArray();
    bytes.reserve(array.size());
    for (const QJsonValue& element : array)
        bytes.append(quint8(element.toInt()));
    return bytes;
}

template <typename T> QJsonArray arrayFrom(const QList<T>& values)
{
    QJsonArray array;
    for (const T value : values)
        array.append(int(value));
    return array;
}

QRect rectFrom(const QJsonObject& object)
{
    return BoxGeometry::rect(object.value(QLatin1String("x")).toInt(),
                             object.value(QLatin1String("y")).toInt(),
                             object.value(QLatin1String("width")).toInt(),
                             object.value(QLatin1String("height")).toInt());
}

QPoint pointFrom(const QJsonObject& object)
{
    return BoxGeometry::point(object.value(QLatin1String("x")).toInt(),
                              object.value(QLatin1String("y")).toInt());
}

} // namespace

void MacroJson::read(Macro& macro, const QJsonObject& json, int version)
{
    if (version == Version2000)
        readVersion2000(macro, json);
    else
        readCurrent(macro, json);
    readCommon(macro, json);
}

void MacroJson::readCommon(Macro& macro, const QJsonObject& json)
{
    macro.setSigla(json.value(QLatin1String("sigla")).toString());
    macro.setType(json.value(QLatin1String("type")).toInt());
    macro.setDimensions(rectFrom(json.value(QLatin1String("dimensions")).toObject()));
    macro.setPosition(pointFrom(json.value(QLatin1String("position")).toObject()));
    macro.setSecureSensors(bytesFrom(json.value(QLatin1String("secureSensors"))));
    macro.setSecureActuators(bytesFrom(json.value(QLatin1String("secureActuators"))));
}

void MacroJson::readCurrent(Macro& macro, const QJsonObject& json)
{
    macro.setName(json.value(QLatin1String("nome")).toString());
    macro.setNum(QString::number(json.value(QLatin1String("idMacro")).toInt()));
    macro.setShortcut(QString::number(json.value(QLatin1String("atalho")).toInt()));
    macro.setSecurity(!json.value(QLatin1String("informacao")).toBool());
    macro.setForm(screenFrom(json.value(QLatin1String("formulario")).toString(), true));
    macro.setConfirmationText(
        screenFrom(json.value(QLatin1String("confirmacao")).toString(), false));
    macro.setValidationInt(quint16(json.value(QLatin1String("validacoes")).toInt()));
    macro.setAutomation(bytesFrom(json.value(QLatin1String("automacao"))));

    QList<quint8> ids;
    QList<quint8> reactions;
    QList<quint16> timers;
    quint16 raio = quint16(Macro::anchorSettings().defaultRadius());
    const QJsonArray violations = json.value(QLatin1String("violacoes")).toArray();
    for (const QJsonValue& value : violations) {
        const QJsonObject element = value.toObject();
        const quint8 id = quint8(element.value(QLatin1String("id")).toInt());
        ids.append(id);
        reactions.append(quint8(element.value(QLatin1String("reacao")).toInt()));
        // Analysis times run past 255 seconds: the whole 16-bit value counts.
        timers.append(quint16(element.value(QLatin1String("tempo")).toInt()));
        if (id == anchorId())
            raio = quint16(element.value(QLatin1String("raio")).toInt());
    }
    macro.setViolation(ids);
    macro.setViolationReactions(reactions);
    macro.setViolationTimers(timers);
    macro.setRaio(raio);

    QStringList flow;
    QList<quint16> flowNum;
    QList<quint16> flowPos;
    const QJsonArray next = json.value(QLatin1String("fluxoMacros")).toArray();
    for (const QJsonValue& value : next) {
        const QJsonObject element = value.toObject();
        flow.append(element.value(QLatin1String("nome")).toString());
        // Macro numbers reach 999: the whole 16-bit value counts.
        flowNum.append(quint16(element.value(QLatin1String("idMacro")).toInt()));
        flowPos.append(quint16(element.value(QLatin1String("posicao")).toInt()));
    }
    macro.setFlow(flow);
    macro.setFlowNum(flowNum);
    macro.setFlowPos(flowPos);
}

void MacroJson::readVersion2000(Macro& macro, const QJsonObject& json)
{
    macro.setName(json.value(QLatin1String("name")).toString());
    macro.setNum(json.value(QLatin1String("num")).toString());
    macro.setShortcut(json.value(QLatin1String("shortcut")).toString());
    macro.setSecurity(json.value(QLatin1String("isSecurity")).toBool());
    macro.setForm(screenFrom(json.value(QLatin1String("form")).toString(), false));
    macro.setConfirmationText(
        screenFrom(json.value(QLatin1String("confirmationText")).toString(), false));
    macro.setValidationInt(quint16(json.value(QLatin1String("validationInt")).toInt()));
    macro.setAutomation(bytesFrom(json.value(QLatin1String("automation"))));

    const QJsonArray violation = json.value(QLatin1String("violation")).toArray();
    const QJsonArray timerValues = json.value(QLatin1String("violationTimers")).toArray();
    QList<quint8> ids;
    QList<quint8> reactions;
    QList<quint16> timers;
    for (int i = 0; i < Violations2000; ++i) {
        ids.append(quint8(violation.at(i).toInt()));
        reactions.append(quint8(violation.at(i + Violations2000).toInt()));
        timers.append(quint16(timerValues.at(i).toInt()));
    }
    macro.setViolation(ids);
    macro.setViolationReactions(reactions);
    macro.setViolationTimers(timers);
    macro.setRaio(quint16(Macro::anchorSettings().defaultRadius()));

    const QJsonArray flowValues = json.value(QLatin1String("flow")).toArray();
    const QJsonArray numberValues = json.value(QLatin1String("flowNum")).toArray();
    QStringList flow;
    QList<quint16> flowNum;
    QList<quint16> flowPos;
    for (int i = 0; i < flowValues.size(); ++i) {
        flow.append(flowValues.at(i).toString());
        flowNum.append(quint16(numberValues.at(i).toInt()));
        flowPos.append(quint16(i));
    }
    macro.setFlow(flow);
    macro.setFlowNum(flowNum);
    macro.setFlowPos(flowPos);
}

void MacroJson::write(const Macro& macro, QJsonObject& json)
{
    json.insert(QLatin1String("idMacro"), macro.num().toInt());
    json.insert(QLatin1String("num"), macro.num());
    json.insert(QLatin1String("nome"), macro.name());
    json.insert(QLatin1String("name"), macro.name());
    json.insert(QLatin1String("sigla"), macro.sigla());
    json.insert(QLatin1String("atalho"), macro.shortcut().toInt());
    json.insert(QLatin1String("shortcut"), macro.shortcut());
    json.insert(QLatin1String("type"), macro.type());

    const QString form = screenText(macro.form());
    json.insert(QLatin1String("formulario"), form);
    json.insert(QLatin1String("form"), form);
    const QString confirmation = screenText(macro.confirmationText());
    json.insert(QLatin1String("confirmacao"), confirmation);
    json.insert(QLatin1String("confirmationText"), confirmation);

    json.insert(QLatin1String("informacao"), !macro.isSecurity());
    json.insert(QLatin1String("isSecurity"), macro.isSecurity());
    json.insert(QLatin1String("validacoes"), int(macro.validationInt()));
    json.insert(QLatin1String("validationInt"), int(macro.validationInt()));

    writeFlow(macro, json);
    writeViolations(macro, json);

    json.insert(QLatin1String("automacao"), arrayFrom(macro.automation()));
    json.insert(QLatin1String("automation"), arrayFrom(macro.automation()));
    json.insert(QLatin1String("secureSensors"), arrayFrom(macro.secureSensors()));
    json.insert(QLatin1String("secureActuators"), arrayFrom(macro.secureActuators()));

    const QRect dimensions = macro.dimensions();
    json.insert(QLatin1String("dimensions"),
                QJsonObject{{QLatin1String("x"), dimensions.x()},
                            {QLatin1String("y"), dimensions.y()},
                            {QLatin1String("width"), dimensions.width()},
                            {QLatin1String("height"), dimensions.height()}});
    const QPoint position = macro.position();
    json.insert(QLatin1String("position"), QJsonObject{{QLatin1String("x"), position.x()},
                                                       {QLatin1String("y"), position.y()}});
}

void MacroJson::writeFlow(const Macro& macro, QJsonObject& json)
{
    const QStringList flow = macro.flow();
    const QList<quint16> flowNum = macro.flowNum();
    const QList<quint16> flowPos = macro.flowPos();

    QJsonArray next;
    QJsonArray slotTexts;
    QJsonArray slotNumbers;
    for (int slot = 0; slot < Macro::FlowSlots; ++slot) {
        slotTexts.append(QString());
        slotNumbers.append(0);
    }
    for (int i = 0; i < flow.size(); ++i) {
        const quint16 number = flowNum.value(i);
        if (!flow.at(i).isEmpty() && number != 0) {
            next.append(QJsonObject{{QLatin1String("nome"), flow.at(i)},
                                    {QLatin1String("idMacro"), int(number)},
                                    {QLatin1String("posicao"), int(flowPos.value(i))}});
        }
        if (i < Macro::FlowSlots) {
            slotTexts.replace(i, flow.at(i));
            slotNumbers.replace(i, int(number));
        }
    }
    json.insert(QLatin1String("fluxoMacros"), next);
    json.insert(QLatin1String("flow"), slotTexts);
    json.insert(QLatin1String("flowNum"), slotNumbers);
}

void MacroJson::writeViolations(const Macro& macro, QJsonObject& json)
{
    const QList<quint8> ids = macro.violation();
    const QList<quint8> reactions = macro.violationReactions();
    const QList<quint16> timers = macro.violationTimers();

    QJsonArray violations;
    for (int i = 0; i < ids.size(); ++i) {
        const quint8 id = ids.at(i);
        if (id == 0)
            continue;
        QJsonObject element{{QLatin1String("id"), int(id)},
                            {QLatin1String("reacao"), int(reactions.value(i))},
                            {QLatin1String("tempo"), int(timers.value(i))}};
        if (id == anchorId())
            element.insert(QLatin1String("raio"), int(macro.raio()));
        violations.append(element);
    }
    json.insert(QLatin1String("violacoes"), violations);
}
