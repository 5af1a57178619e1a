#include "mcrstreamreader.h"

#include "boxgeometry.h"
#include "model/group.h"
#include "model/macro.h"
#include "streamcursor.h"

namespace {

// The fewest bytes a macro record can take: four empty strings, the type,
// the flag, three empty byte arrays, the spare list, the validations, seven
// empty lists, the rectangle and the point.
constexpr int MinimumMacroSize = 4 * 4 + 4 + 1 + 3 * 4 + 4 + 2 + 7 * 4 + 16 + 8;

struct Header
{
    QString name;
    QString description;
    QString creationDate;
    int macroCount = 0;
};

bool readHeader(StreamCursor& cursor, Header& header)
{
    return cursor.readString(header.name) && cursor.readString(header.description) &&
           cursor.readString(header.creationDate) &&
           cursor.readCount(header.macroCount, MinimumMacroSize, "macros");
}

bool readByteList(StreamCursor& cursor, QList<quint8>& list, const char* what)
{
    int count = 0;
    if (!cursor.readCount(count, 1, what))
        return false;
    for (int i = 0; i < count; ++i) {
        quint8 value = 0;
        if (!cursor.readU8(value))
            return false;
        list.append(value);
    }
    return true;
}

bool readWordList(StreamCursor& cursor, QList<quint16>& list, const char* what)
{
    int count = 0;
    if (!cursor.readCount(count, 2, what))
        return false;
    for (int i = 0; i < count; ++i) {
        quint16 value = 0;
        if (!cursor.readU16(value))
            return false;
        list.append(value);
    }
    return true;
}

bool readStringList(StreamCursor& cursor, QStringList& list, const char* what)
{
    int count = 0;
    if (!cursor.readCount(count, 4, what))
        return false;
    for (int i = 0; i < count; ++i) {
        QString value;
        if (!cursor.readString(value))
            return false;
        list.append(value);
    }
    return true;
}

// The callers expect 800-byte screens; a damaged file may hold any length.
QByteArray screenFrom(QByteArray bytes)
{
    if (bytes.size() < Macro::ScreenSize)
        bytes.append(QByteArray(Macro::ScreenSize - bytes.size(), ' '));
    return bytes.left(Macro::ScreenSize);
}

template <typename T> QList<T> resized(QList<T> list, int size)
{
    while (list.size() < size)
        list.append(T(0));
    return list.mid(0, size);
}

} // namespace

bool McrStreamReader::recognises(const QByteArray& data)
{
    StreamCursor cursor(data, HeaderOffset);
    QString text;
    quint32 count = 0;
    if (!cursor.readString(text) || !cursor.readString(text) || !cursor.readString(text) ||
        !cursor.readU32(count)) {
        return false;
    }
    // A legacy header whose date is all NUL bytes reads as three empty
    // strings and no macro, with records after them; an empty group of this
    // layout ends right after its header. A file cut among its macros is
    // still of this layout, and read() refuses it.
    return count > 0 || cursor.atEnd();
}

bool McrStreamReader::read(const QByteArray& data, Group& group)
{
    StreamCursor cursor(data, HeaderOffset);
    Header header;
    if (!readHeader(cursor, header)) {
        m_errorString = cursor.errorString();
        return false;
    }
    std::vector<std::unique_ptr<Macro>> macros;
    for (int i = 0; i < header.macroCount; ++i) {
        std::unique_ptr<Macro> macro = readMacro(cursor);
        if (!macro) {
            m_errorString = QStringLiteral("macro %1: %2").arg(i + 1).arg(cursor.errorString());
            return false;
        }
        macros.push_back(std::move(macro));
    }

    group.setName(header.name);
    group.setDescription(header.description);
    group.setCreationDate(header.creationDate);
    for (std::unique_ptr<Macro>& macro : macros)
        group.addMacro(macro.release());
    return true;
}

std::unique_ptr<Macro> McrStreamReader::readMacro(StreamCursor& cursor)
{
    // The order of McrWriter::writeMacro.
    QString num, name, shortcut, sigla;
    qint32 type = 0;
    bool isSecurity = false;
    QByteArray form, formFields, confirmationText;
    QStringList spare;
    quint16 validations = 0;
    QList<quint8> automation, violation, sensors, actuators;
    QList<quint16> timers, flowNum;
    QStringList flow;
    qint32 left = 0, top = 0, right = 0, bottom = 0, x = 0, y = 0;

    const bool complete =
        cursor.readString(num) && cursor.readString(name) && cursor.readString(shortcut) &&
        cursor.readString(sigla) && cursor.readI32(type) && cursor.readBool(isSecurity) &&
        cursor.readBytes(form) && cursor.readBytes(formFields) &&
        cursor.readBytes(confirmationText) && readStringList(cursor, spare, "spare texts") &&
        cursor.readU16(validations) && readByteList(cursor, automation, "automations") &&
        readByteList(cursor, violation, "violations") &&
        readWordList(cursor, timers, "violation timers") &&
        readByteList(cursor, sensors, "secure-mode sensors") &&
        readByteList(cursor, actuators, "secure-mode actuators") &&
        readStringList(cursor, flow, "flow entries") &&
        readWordList(cursor, flowNum, "flow numbers") && cursor.readI32(left) &&
        cursor.readI32(top) && cursor.readI32(right) && cursor.readI32(bottom) &&
        cursor.readI32(x) && cursor.readI32(y);
    if (!complete)
        return nullptr;

    auto macro = std::make_unique<Macro>(num, name, shortcut, sigla, type, !isSecurity);
    macro->setForm(screenFrom(form));
    macro->setFormFields(formFields);
    macro->setConfirmationText(screenFrom(confirmationText));
    macro->setValidationInt(validations);
    macro->setAutomation(automation);
    // The lists that go together keep the same length, whatever the file.
    macro->setViolation(violation);
    macro->setViolationTimers(resized(timers, violation.size()));
    macro->setViolationReactions(resized(QList<quint8>(), violation.size()));
    macro->setSecureSensors(sensors);
    macro->setSecureActuators(actuators);
    QList<quint16> flowPos;
    for (int i = 0; i < flow.size(); ++i)
        flowPos.append(quint16(i));
    macro->setFlow(flow);
    macro->setFlowNum(resized(flowNum, flow.size()));
    macro->setFlowPos(flowPos);
    macro->setDimensions(
        BoxGeometry::rect(left, top, qint64(right) - left + 1, qint64(bottom) - top + 1));
    macro->setPosition(BoxGeometry::point(x, y));
    return macro;
}
