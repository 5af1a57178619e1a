#include "legacymcrbuilder.h"

#include <QtEndian>

namespace LegacyMcr {

namespace {

void put(QByteArray& bytes, int offset, const QByteArray& value, int fieldSize)
{
    const QByteArray field = value.left(fieldSize);
    bytes.replace(offset, field.size(), field);
    for (int i = field.size(); i < fieldSize; ++i)
        bytes[offset + i] = '\0';
}

template <typename T> void putValue(QByteArray& bytes, int offset, T value)
{
    qToLittleEndian<T>(value, bytes.data() + offset);
}

} // namespace

QByteArray header(quint32 version, const QByteArray& date, const QByteArray& name,
                  const QByteArray& description)
{
    QByteArray bytes(HeaderSize, Unread);
    putValue<quint32>(bytes, 0, version);
    put(bytes, 4, date, 19);
    put(bytes, 23, name, 50);
    put(bytes, 73, description, 296);
    return bytes;
}

QByteArray record(const Record& record)
{
    QByteArray bytes(RecordSize, Unread);
    putValue<qint16>(bytes, 0, record.number);
    bytes[4] = char(record.nameLength < 0 ? record.name.size() : record.nameLength);
    put(bytes, 5, record.name, 40);
    bytes[45] = char(record.shortcut);
    bytes[46] = char(record.siglaLength < 0 ? record.sigla.size() : record.siglaLength);
    put(bytes, 47, record.sigla, 3);
    bytes[50] = char(record.type);
    bytes[51] = char(record.security);
    for (int slot = 0; slot < 10; ++slot) {
        const int offset = 52 + 6 * slot;
        bytes[offset] = char(record.flow[slot].number);
        put(bytes, offset + 2, record.flow[slot].sigla, 4);
    }
    putValue<qint32>(bytes, 112, record.x);
    putValue<qint32>(bytes, 116, record.y);
    putValue<qint32>(bytes, 120, record.width);
    putValue<qint32>(bytes, 124, record.height);
    for (int i = 0; i < 20; ++i) {
        bytes[384 + i] = char(record.violations[i]);
        bytes[404 + i] = char(record.reactions[i]);
    }
    for (int i = 0; i < 10; ++i)
        bytes[424 + i] = char(record.automations[i]);
    putValue<quint16>(bytes, 434, record.validations);
    put(bytes, 436, record.form, 800);
    put(bytes, 1236, record.confirmation, 800);
    return bytes;
}

} // namespace LegacyMcr
