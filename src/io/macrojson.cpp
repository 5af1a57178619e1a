#include "macrojson.h"

#include "app/anchorsettings.h"
#include "boxgeometry.h"
#include "compactjsonwriter.h"
#include "macrofields.h"
#include "model/macro.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// Violations of a version-2000 macro: identifiers in elements 0 to 19 of
// "violation", their reaction sets in elements 20 to 39.
constexpr int Violations2000 = 20;

quint8 anchorId()
{
    return quint8(Macro::anchorSettings().anchorViolationId());
}

// An 800-byte screen from the text of a file: character i replaces byte i of
// a blank screen, as its Latin-1 byte ("?" where Latin-1 has none); what
// lies beyond the screen is dropped.
QByteArray screenFrom(const QString& text, bool lessThanIsBlank)
{
    QByteArray screen(Macro::ScreenSize, ' ');
    const int length = qMin(text.size(), int(Macro::ScreenSize));
    const QChar* source = text.constData();
    char* target = screen.data();
    for (int i = 0; i < length; ++i) {
        const ushort unit = source[i].unicode();
        char byte = unit < 0x100 ? char(unit) : '?';
        if (lessThanIsBlank && byte == '<')
            byte = ' ';
        target[i] = byte;
    }
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

QVector<int> integersFrom(const QJsonValue& value)
{
    QVector<int> integers;
    const QJsonArray array = value.toArray();
    integers.reserve(array.size());
    for (const QJsonValue& element : array)
        integers.append(element.toInt());
    return integers;
}

QList<quint8> bytesFrom(const QVector<int>& integers)
{
    QList<quint8> bytes;
    bytes.reserve(integers.size());
    for (const int value : integers)
        bytes.append(quint8(value));
    return bytes;
}

template <typename T> QJsonArray arrayFrom(const QList<T>& values)
{
    QJsonArray array;
    for (const T value : values)
        array.append(int(value));
    return array;
}

template <typename T> void writeArray(CompactJsonWriter& writer, const QList<T>& values)
{
    writer.beginArray();
    for (const T value : values)
        writer.value(int(value));
    writer.endArray();
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
    if (version != Version2000) {
        apply(macro, currentFields(json));
        return;
    }
    readVersion2000(macro, json);
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

MacroFields MacroJson::currentFields(const QJsonObject& json)
{
    MacroFields fields;
    fields.nome = json.value(QLatin1String("nome")).toString();
    fields.idMacro = json.value(QLatin1String("idMacro")).toInt();
    fields.atalho = json.value(QLatin1String("atalho")).toInt();
    fields.informacao = json.value(QLatin1String("informacao")).toBool();
    fields.formulario = json.value(QLatin1String("formulario")).toString();
    fields.confirmacao = json.value(QLatin1String("confirmacao")).toString();
    fields.validacoes = json.value(QLatin1String("validacoes")).toInt();
    fields.automacao = integersFrom(json.value(QLatin1String("automacao")));

    const QJsonArray violations = json.value(QLatin1String("violacoes")).toArray();
    fields.violacoes.reserve(violations.size());
    for (const QJsonValue& value : violations) {
        const QJsonObject element = value.toObject();
        MacroFields::Violation violation;
        violation.id = element.value(QLatin1String("id")).toInt();
        violation.reacao = element.value(QLatin1String("reacao")).toInt();
        violation.tempo = element.value(QLatin1String("tempo")).toInt();
        violation.raio = element.value(QLatin1String("raio")).toInt();
        fields.violacoes.append(violation);
    }

    const QJsonArray next = json.value(QLatin1String("fluxoMacros")).toArray();
    fields.fluxoMacros.reserve(next.size());
    for (const QJsonValue& value : next) {
        const QJsonObject element = value.toObject();
        MacroFields::Next entry;
        entry.nome = element.value(QLatin1String("nome")).toString();
        entry.idMacro = element.value(QLatin1String("idMacro")).toInt();
        entry.posicao = element.value(QLatin1String("posicao")).toInt();
        fields.fluxoMacros.append(entry);
    }

    fields.sigla = json.value(QLatin1String("sigla")).toString();
    fields.type = json.value(QLatin1String("type")).toInt();
    const QJsonObject dimensions = json.value(QLatin1String("dimensions")).toObject();
    fields.x = dimensions.value(QLatin1String("x")).toInt();
    fields.y = dimensions.value(QLatin1String("y")).toInt();
    fields.width = dimensions.value(QLatin1String("width")).toInt();
    fields.height = dimensions.value(QLatin1String("height")).toInt();
    const QJsonObject position = json.value(QLatin1String("position")).toObject();
    fields.positionX = position.value(QLatin1String("x")).toInt();
    fields.positionY = position.value(QLatin1String("y")).toInt();
    fields.secureSensors = integersFrom(json.value(QLatin1String("secureSensors")));
    fields.secureActuators = integersFrom(json.value(QLatin1String("secureActuators")));
    return fields;
}

void MacroJson::apply(Macro& macro, const MacroFields& fields)
{
    macro.setName(fields.nome);
    macro.setNum(QString::number(fields.idMacro));
    macro.setShortcut(QString::number(fields.atalho));
    macro.setSecurity(!fields.informacao);
    macro.setForm(screenFrom(fields.formulario, true));
    macro.setConfirmationText(screenFrom(fields.confirmacao, false));
    macro.setValidationInt(quint16(fields.validacoes));
    macro.setAutomation(bytesFrom(fields.automacao));

    QList<quint8> ids;
    QList<quint8> reactions;
    QList<quint16> timers;
    ids.reserve(fields.violacoes.size());
    reactions.reserve(fields.violacoes.size());
    timers.reserve(fields.violacoes.size());
    quint16 raio = quint16(Macro::anchorSettings().defaultRadius());
    for (const MacroFields::Violation& violation : fields.violacoes) {
        const quint8 id = quint8(violation.id);
        ids.append(id);
        reactions.append(quint8(violation.reacao));
        // Analysis times run past 255 seconds: the whole 16-bit value counts.
        timers.append(quint16(violation.tempo));
        if (id == anchorId())
            raio = quint16(violation.raio);
    }
    macro.setViolation(ids);
    macro.setViolationReactions(reactions);
    macro.setViolationTimers(timers);
    macro.setRaio(raio);

    QStringList flow;
    QList<quint16> flowNum;
    QList<quint16> flowPos;
    flow.reserve(fields.fluxoMacros.size());
    flowNum.reserve(fields.fluxoMacros.size());
    flowPos.reserve(fields.fluxoMacros.size());
    for (const MacroFields::Next& next : fields.fluxoMacros) {
        flow.append(next.nome);
        // Macro numbers reach 999: the whole 16-bit value counts.
        flowNum.append(quint16(next.idMacro));
        flowPos.append(quint16(next.posicao));
    }
    macro.setFlow(flow);
    macro.setFlowNum(flowNum);
    macro.setFlowPos(flowPos);

    macro.setSigla(fields.sigla);
    macro.setType(fields.type);
    macro.setDimensions(BoxGeometry::rect(fields.x, fields.y, fields.width, fields.height));
    macro.setPosition(BoxGeometry::point(fields.positionX, fields.positionY));
    macro.setSecureSensors(bytesFrom(fields.secureSensors));
    macro.setSecureActuators(bytesFrom(fields.secureActuators));
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

// The keys go in the order QJsonObject keeps them, by their bytes.
void MacroJson::write(const Macro& macro, CompactJsonWriter& writer)
{
    const QString form = screenText(macro.form());
    const QString confirmation = screenText(macro.confirmationText());
    const QList<quint8> automation = macro.automation();
    const QRect dimensions = macro.dimensions();
    const QPoint position = macro.position();

    writer.beginObject();
    writer.key(QLatin1String("atalho"));
    writer.value(macro.shortcut().toInt());
    writer.key(QLatin1String("automacao"));
    writeArray(writer, automation);
    writer.key(QLatin1String("automation"));
    writeArray(writer, automation);
    writer.key(QLatin1String("confirmacao"));
    writer.value(confirmation);
    writer.key(QLatin1String("confirmationText"));
    writer.value(confirmation);
    writer.key(QLatin1String("dimensions"));
    writer.beginObject();
    writer.key(QLatin1String("height"));
    writer.value(dimensions.height());
    writer.key(QLatin1String("width"));
    writer.value(dimensions.width());
    writer.key(QLatin1String("x"));
    writer.value(dimensions.x());
    writer.key(QLatin1String("y"));
    writer.value(dimensions.y());
    writer.endObject();
    writeFlowArrays(macro, writer);
    writeFlowEntries(macro, writer);
    writer.key(QLatin1String("form"));
    writer.value(form);
    writer.key(QLatin1String("formulario"));
    writer.value(form);
    writer.key(QLatin1String("idMacro"));
    writer.value(macro.num().toInt());
    writer.key(QLatin1String("informacao"));
    writer.value(!macro.isSecurity());
    writer.key(QLatin1String("isSecurity"));
    writer.value(macro.isSecurity());
    writer.key(QLatin1String("name"));
    writer.value(macro.name());
    writer.key(QLatin1String("nome"));
    writer.value(macro.name());
    writer.key(QLatin1String("num"));
    writer.value(macro.num());
    writer.key(QLatin1String("position"));
    writer.beginObject();
    writer.key(QLatin1String("x"));
    writer.value(position.x());
    writer.key(QLatin1String("y"));
    writer.value(position.y());
    writer.endObject();
    writer.key(QLatin1String("secureActuators"));
    writeArray(writer, macro.secureActuators());
    writer.key(QLatin1String("secureSensors"));
    writeArray(writer, macro.secureSensors());
    writer.key(QLatin1String("shortcut"));
    writer.value(macro.shortcut());
    writer.key(QLatin1String("sigla"));
    writer.value(macro.sigla());
    writer.key(QLatin1String("type"));
    writer.value(macro.type());
    writer.key(QLatin1String("validacoes"));
    writer.value(int(macro.validationInt()));
    writer.key(QLatin1String("validationInt"));
    writer.value(int(macro.validationInt()));
    writeViolations(macro, writer);
    writer.endObject();
}

// "flow" and "flowNum": ten slots each, filled from the macro's lists.
void MacroJson::writeFlowArrays(const Macro& macro, CompactJsonWriter& writer)
{
    const QStringList flow = macro.flow();
    const QList<quint16> flowNum = macro.flowNum();
    writer.key(QLatin1String("flow"));
    writer.beginArray();
    for (int slot = 0; slot < Macro::FlowSlots; ++slot)
        writer.value(slot < flow.size() ? flow.at(slot) : QString());
    writer.endArray();
    writer.key(QLatin1String("flowNum"));
    writer.beginArray();
    for (int slot = 0; slot < Macro::FlowSlots; ++slot)
        writer.value(slot < flow.size() ? int(flowNum.value(slot)) : 0);
    writer.endArray();
}

void MacroJson::writeFlowEntries(const Macro& macro, CompactJsonWriter& writer)
{
    const QStringList flow = macro.flow();
    const QList<quint16> flowNum = macro.flowNum();
    const QList<quint16> flowPos = macro.flowPos();
    writer.key(QLatin1String("fluxoMacros"));
    writer.beginArray();
    for (int i = 0; i < flow.size(); ++i) {
        const quint16 number = flowNum.value(i);
        if (flow.at(i).isEmpty() || number == 0)
            continue;
        writer.beginObject();
        writer.key(QLatin1String("idMacro"));
        writer.value(int(number));
        writer.key(QLatin1String("nome"));
        writer.value(flow.at(i));
        writer.key(QLatin1String("posicao"));
        writer.value(int(flowPos.value(i)));
        writer.endObject();
    }
    writer.endArray();
}

void MacroJson::writeViolations(const Macro& macro, CompactJsonWriter& writer)
{
    const QList<quint8> ids = macro.violation();
    const QList<quint8> reactions = macro.violationReactions();
    const QList<quint16> timers = macro.violationTimers();
    writer.key(QLatin1String("violacoes"));
    writer.beginArray();
    for (int i = 0; i < ids.size(); ++i) {
        const quint8 id = ids.at(i);
        if (id == 0)
            continue;
        writer.beginObject();
        writer.key(QLatin1String("id"));
        writer.value(int(id));
        if (id == anchorId()) {
            writer.key(QLatin1String("raio"));
            writer.value(int(macro.raio()));
        }
        writer.key(QLatin1String("reacao"));
        writer.value(int(reactions.value(i)));
        writer.key(QLatin1String("tempo"));
        writer.value(int(timers.value(i)));
        writer.endObject();
    }
    writer.endArray();
}
