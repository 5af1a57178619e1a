#include "macrojson.h"

#include "app/anchorsettings.h"
#include "boxgeometry.h"
#include "compactjsonwriter.h"
#include "jsontext.h"
#include "macrofields.h"
#include "model/macro.h"

#include <QJsonArray>
#include <QJsonObject>

#include <climits>
#include <cmath>
#include <limits>

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

// The key of a value in a macro object ("idMacro", "automacao[2]",
// "violacoes[0].raio"), made into text only when a note needs it.
struct Key
{
    const char* name;
    int index = -1;
    const char* member = nullptr;

    QString text() const
    {
        QString text = QLatin1String(name);
        if (index >= 0)
            text += QStringLiteral("[%1]").arg(index);
        if (member)
            text += QLatin1Char('.') + QLatin1String(member);
        return text;
    }
};

// A number as the reader takes it (QJsonValue::toInt): an integer of int as
// it is, anything else as 0, told in notes. A missing key is no value to tell.
int integerOf(const QJsonValue& value, const Key& key, QStringList* notes)
{
    const int integer = value.toInt();
    if (!notes || value.isUndefined() || (value.isDouble() && integer == value.toDouble()))
        return integer;
    const double number = value.toDouble();
    if (value.isDouble() && std::floor(number) == number) {
        notes->append(
            MacroJson::outOfRange(key.text(), JsonText::ofValue(value), INT_MIN, INT_MAX, integer));
    } else {
        notes->append(MacroJson::tr("O valor %1 de \"%2\" não é um número inteiro; lido como %3.")
                          .arg(JsonText::ofValue(value), key.text())
                          .arg(integer));
    }
    return integer;
}

// A value kept in a field of T, whose bits may not hold it.
template <typename T> T fitted(int value, const Key& key, QStringList* notes)
{
    const T kept = T(value);
    if (notes && int(kept) != value) {
        notes->append(MacroJson::outOfRange(key.text(), QString::number(value),
                                            std::numeric_limits<T>::min(),
                                            std::numeric_limits<T>::max(), kept));
    }
    return kept;
}

int boxValue(int value, const Key& key, QStringList* notes)
{
    const int kept = BoxGeometry::bounded(value);
    if (notes && kept != value) {
        notes->append(MacroJson::outOfRange(key.text(), QString::number(value), -BoxGeometry::Limit,
                                            BoxGeometry::Limit, kept));
    }
    return kept;
}

QVector<int> integersFrom(const QJsonValue& value, const char* key, QStringList* notes)
{
    QVector<int> integers;
    const QJsonArray array = value.toArray();
    integers.reserve(array.size());
    for (int i = 0; i < array.size(); ++i)
        integers.append(integerOf(array.at(i), Key{key, i}, notes));
    return integers;
}

QList<quint8> bytesFrom(const QVector<int>& integers, const char* key, QStringList* notes)
{
    QList<quint8> bytes;
    bytes.reserve(integers.size());
    for (int i = 0; i < integers.size(); ++i)
        bytes.append(fitted<quint8>(integers.at(i), Key{key, i}, notes));
    return bytes;
}

QList<quint8> bytesFrom(const QJsonValue& value, const char* key, QStringList* notes)
{
    return bytesFrom(integersFrom(value, key, notes), key, notes);
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

QRect rectFrom(const QJsonValue& value, QStringList* notes)
{
    const QJsonObject object = value.toObject();
    const auto at = [&](const char* key) {
        const Key name{"dimensions", -1, key};
        return boxValue(integerOf(object.value(QLatin1String(key)), name, notes), name, notes);
    };
    // One after the other: the notes keep the order of the keys.
    const int x = at("x");
    const int y = at("y");
    const int width = at("width");
    return QRect(x, y, width, at("height"));
}

QPoint pointFrom(const QJsonValue& value, QStringList* notes)
{
    const QJsonObject object = value.toObject();
    const auto at = [&](const char* key) {
        const Key name{"position", -1, key};
        return boxValue(integerOf(object.value(QLatin1String(key)), name, notes), name, notes);
    };
    const int x = at("x");
    return QPoint(x, at("y"));
}

} // namespace

void MacroJson::read(Macro& macro, const QJsonObject& json, int version, QStringList* notes)
{
    if (version != Version2000) {
        apply(macro, currentFields(json), notes);
        return;
    }
    readVersion2000(macro, json, notes);
    readCommon(macro, json, notes);
}

void MacroJson::readCommon(Macro& macro, const QJsonObject& json, QStringList* notes)
{
    macro.setSigla(json.value(QLatin1String("sigla")).toString());
    macro.setType(integerOf(json.value(QLatin1String("type")), Key{"type"}, notes));
    macro.setDimensions(rectFrom(json.value(QLatin1String("dimensions")), notes));
    macro.setPosition(pointFrom(json.value(QLatin1String("position")), notes));
    macro.setSecureSensors(
        bytesFrom(json.value(QLatin1String("secureSensors")), "secureSensors", notes));
    macro.setSecureActuators(
        bytesFrom(json.value(QLatin1String("secureActuators")), "secureActuators", notes));
}

MacroFields MacroJson::currentFields(const QJsonObject& json)
{
    MacroFields fields;
    QStringList* const notes = &fields.notes;
    const auto integer = [&](const QJsonObject& object, const Key& key) {
        return integerOf(object.value(QLatin1String(key.member ? key.member : key.name)), key,
                         notes);
    };
    const auto top = [&](const char* key) { return integer(json, Key{key}); };
    fields.nome = json.value(QLatin1String("nome")).toString();
    fields.idMacro = top("idMacro");
    fields.atalho = top("atalho");
    fields.informacao = json.value(QLatin1String("informacao")).toBool();
    fields.formulario = json.value(QLatin1String("formulario")).toString();
    fields.confirmacao = json.value(QLatin1String("confirmacao")).toString();
    fields.validacoes = top("validacoes");
    fields.automacao = integersFrom(json.value(QLatin1String("automacao")), "automacao", notes);

    const QJsonArray violations = json.value(QLatin1String("violacoes")).toArray();
    fields.violacoes.reserve(violations.size());
    for (int i = 0; i < violations.size(); ++i) {
        const QJsonObject element = violations.at(i).toObject();
        MacroFields::Violation violation;
        violation.id = integer(element, Key{"violacoes", i, "id"});
        violation.reacao = integer(element, Key{"violacoes", i, "reacao"});
        violation.tempo = integer(element, Key{"violacoes", i, "tempo"});
        violation.raio = integer(element, Key{"violacoes", i, "raio"});
        fields.violacoes.append(violation);
    }

    const QJsonArray next = json.value(QLatin1String("fluxoMacros")).toArray();
    fields.fluxoMacros.reserve(next.size());
    for (int i = 0; i < next.size(); ++i) {
        const QJsonObject element = next.at(i).toObject();
        MacroFields::Next entry;
        entry.nome = element.value(QLatin1String("nome")).toString();
        entry.idMacro = integer(element, Key{"fluxoMacros", i, "idMacro"});
        entry.posicao = integer(element, Key{"fluxoMacros", i, "posicao"});
        fields.fluxoMacros.append(entry);
    }

    fields.sigla = json.value(QLatin1String("sigla")).toString();
    fields.type = top("type");
    const QJsonObject dimensions = json.value(QLatin1String("dimensions")).toObject();
    fields.x = integer(dimensions, Key{"dimensions", -1, "x"});
    fields.y = integer(dimensions, Key{"dimensions", -1, "y"});
    fields.width = integer(dimensions, Key{"dimensions", -1, "width"});
    fields.height = integer(dimensions, Key{"dimensions", -1, "height"});
    const QJsonObject position = json.value(QLatin1String("position")).toObject();
    fields.positionX = integer(position, Key{"position", -1, "x"});
    fields.positionY = integer(position, Key{"position", -1, "y"});
    fields.secureSensors =
        integersFrom(json.value(QLatin1String("secureSensors")), "secureSensors", notes);
    fields.secureActuators =
        integersFrom(json.value(QLatin1String("secureActuators")), "secureActuators", notes);
    return fields;
}

void MacroJson::apply(Macro& macro, const MacroFields& fields, QStringList* notes)
{
    if (notes)
        notes->append(fields.notes);
    macro.setName(fields.nome);
    macro.setNum(QString::number(fields.idMacro));
    macro.setShortcut(QString::number(fields.atalho));
    macro.setSecurity(!fields.informacao);
    macro.setForm(screenFrom(fields.formulario, true));
    macro.setConfirmationText(screenFrom(fields.confirmacao, false));
    macro.setValidationInt(fitted<quint16>(fields.validacoes, Key{"validacoes"}, notes));
    macro.setAutomation(bytesFrom(fields.automacao, "automacao", notes));

    QList<quint8> ids;
    QList<quint8> reactions;
    QList<quint16> timers;
    ids.reserve(fields.violacoes.size());
    reactions.reserve(fields.violacoes.size());
    timers.reserve(fields.violacoes.size());
    quint16 raio = quint16(Macro::anchorSettings().defaultRadius());
    for (int i = 0; i < fields.violacoes.size(); ++i) {
        const MacroFields::Violation& violation = fields.violacoes.at(i);
        const quint8 id = fitted<quint8>(violation.id, Key{"violacoes", i, "id"}, notes);
        ids.append(id);
        reactions.append(fitted<quint8>(violation.reacao, Key{"violacoes", i, "reacao"}, notes));
        // Analysis times run past 255 seconds: the whole 16-bit value counts.
        timers.append(fitted<quint16>(violation.tempo, Key{"violacoes", i, "tempo"}, notes));
        if (id == anchorId())
            raio = fitted<quint16>(violation.raio, Key{"violacoes", i, "raio"}, notes);
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
    for (int i = 0; i < fields.fluxoMacros.size(); ++i) {
        const MacroFields::Next& next = fields.fluxoMacros.at(i);
        flow.append(next.nome);
        // Macro numbers reach 999: the whole 16-bit value counts.
        flowNum.append(fitted<quint16>(next.idMacro, Key{"fluxoMacros", i, "idMacro"}, notes));
        flowPos.append(fitted<quint16>(next.posicao, Key{"fluxoMacros", i, "posicao"}, notes));
    }
    macro.setFlow(flow);
    macro.setFlowNum(flowNum);
    macro.setFlowPos(flowPos);

    macro.setSigla(fields.sigla);
    macro.setType(fields.type);
    // One after the other: the notes keep the order of the keys.
    const int x = boxValue(fields.x, Key{"dimensions", -1, "x"}, notes);
    const int y = boxValue(fields.y, Key{"dimensions", -1, "y"}, notes);
    const int width = boxValue(fields.width, Key{"dimensions", -1, "width"}, notes);
    const int height = boxValue(fields.height, Key{"dimensions", -1, "height"}, notes);
    macro.setDimensions(QRect(x, y, width, height));
    const int positionX = boxValue(fields.positionX, Key{"position", -1, "x"}, notes);
    macro.setPosition(
        QPoint(positionX, boxValue(fields.positionY, Key{"position", -1, "y"}, notes)));
    macro.setSecureSensors(bytesFrom(fields.secureSensors, "secureSensors", notes));
    macro.setSecureActuators(bytesFrom(fields.secureActuators, "secureActuators", notes));
}

QString MacroJson::outOfRange(const QString& key, const QString& value, qint64 minimum,
                              qint64 maximum, qint64 kept)
{
    return tr("O valor %1 de \"%2\" está fora do intervalo de %3 a %4; lido como %5.")
        .arg(value, key)
        .arg(minimum)
        .arg(maximum)
        .arg(kept);
}

void MacroJson::readVersion2000(Macro& macro, const QJsonObject& json, QStringList* notes)
{
    macro.setName(json.value(QLatin1String("name")).toString());
    macro.setNum(json.value(QLatin1String("num")).toString());
    macro.setShortcut(json.value(QLatin1String("shortcut")).toString());
    macro.setSecurity(json.value(QLatin1String("isSecurity")).toBool());
    macro.setForm(screenFrom(json.value(QLatin1String("form")).toString(), false));
    macro.setConfirmationText(
        screenFrom(json.value(QLatin1String("confirmationText")).toString(), false));
    const Key validations{"validationInt"};
    macro.setValidationInt(
        fitted<quint16>(integerOf(json.value(QLatin1String("validationInt")), validations, notes),
                        validations, notes));
    macro.setAutomation(bytesFrom(json.value(QLatin1String("automation")), "automation", notes));

    const QJsonArray violation = json.value(QLatin1String("violation")).toArray();
    const QJsonArray timerValues = json.value(QLatin1String("violationTimers")).toArray();
    QList<quint8> ids;
    QList<quint8> reactions;
    QList<quint16> timers;
    for (int i = 0; i < Violations2000; ++i) {
        const auto byteAt = [&](int index) {
            const Key key{"violation", index};
            return fitted<quint8>(integerOf(violation.at(index), key, notes), key, notes);
        };
        ids.append(byteAt(i));
        reactions.append(byteAt(i + Violations2000));
        const Key timer{"violationTimers", i};
        timers.append(fitted<quint16>(integerOf(timerValues.at(i), timer, notes), timer, notes));
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
        const Key number{"flowNum", i};
        flow.append(flowValues.at(i).toString());
        flowNum.append(
            fitted<quint16>(integerOf(numberValues.at(i), number, notes), number, notes));
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
