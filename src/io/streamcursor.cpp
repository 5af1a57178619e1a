#include "streamcursor.h"

#include <QtEndian>

namespace {

constexpr quint32 NullLength = 0xFFFFFFFF;

} // namespace

StreamCursor::StreamCursor(const QByteArray& data, int offset) : m_data(data), m_offset(offset)
{
    if (offset < 0 || offset > data.size())
        fail(QStringLiteral("start beyond the end of the data"));
}

bool StreamCursor::fail(const QString& what)
{
    return failAt(m_offset, what);
}

bool StreamCursor::failAt(int offset, const QString& what)
{
    if (m_error.isEmpty())
        m_error = QStringLiteral("%1 at offset %2").arg(what).arg(offset);
    return false;
}

bool StreamCursor::take(int size, const char* what, const char** bytes)
{
    if (!ok())
        return false;
    if (size < 0 || size > m_data.size() - m_offset)
        return fail(QStringLiteral("%1 beyond the end of the data").arg(QLatin1String(what)));
    *bytes = m_data.constData() + m_offset;
    m_offset += size;
    return true;
}

bool StreamCursor::readU8(quint8& value)
{
    const char* bytes = nullptr;
    if (!take(1, "byte", &bytes))
        return false;
    value = quint8(*bytes);
    return true;
}

bool StreamCursor::readU16(quint16& value)
{
    const char* bytes = nullptr;
    if (!take(2, "16-bit value", &bytes))
        return false;
    value = qFromBigEndian<quint16>(bytes);
    return true;
}

bool StreamCursor::readU32(quint32& value)
{
    const char* bytes = nullptr;
    if (!take(4, "32-bit value", &bytes))
        return false;
    value = qFromBigEndian<quint32>(bytes);
    return true;
}

bool StreamCursor::readI32(qint32& value)
{
    const char* bytes = nullptr;
    if (!take(4, "32-bit value", &bytes))
        return false;
    value = qFromBigEndian<qint32>(bytes);
    return true;
}

bool StreamCursor::readBool(bool& value)
{
    quint8 byte = 0;
    if (!readU8(byte))
        return false;
    value = byte != 0;
    return true;
}

bool StreamCursor::readString(QString& value)
{
    const int start = m_offset;
    quint32 length = 0;
    if (!readU32(length))
        return false;
    if (length == NullLength) {
        value = QString();
        return true;
    }
    if (length % 2 != 0)
        return failAt(start, QStringLiteral("odd string length %1").arg(length));
    if (length > quint32(m_data.size() - m_offset))
        return failAt(start,
                      QStringLiteral("string of %1 bytes beyond the end of the data").arg(length));
    const char* bytes = nullptr;
    take(int(length), "string", &bytes);
    // An empty string stays empty, not null, so that it is written back the same way.
    value = QLatin1String("");
    value.resize(int(length / 2));
    for (int i = 0; i < value.size(); ++i)
        value[i] = QChar(qFromBigEndian<quint16>(bytes + 2 * i));
    return true;
}

bool StreamCursor::readBytes(QByteArray& value)
{
    const int start = m_offset;
    quint32 length = 0;
    if (!readU32(length))
        return false;
    if (length == NullLength) {
        value = QByteArray();
        return true;
    }
    if (length > quint32(m_data.size() - m_offset))
        return failAt(start, QStringLiteral("%1 bytes beyond the end of the data").arg(length));
    const char* bytes = nullptr;
    take(int(length), "bytes", &bytes);
    value = QByteArray(bytes, int(length));
    return true;
}

bool StreamCursor::readCount(int& count, int minimumElementSize, const char* what)
{
    const int start = m_offset;
    quint32 value = 0;
    if (!readU32(value))
        return false;
    const quint32 room = quint32(m_data.size() - m_offset) / quint32(qMax(1, minimumElementSize));
    if (value > room) {
        return failAt(
            start,
            QStringLiteral("%1 %2 beyond the end of the data").arg(value).arg(QLatin1String(what)));
    }
    count = int(value);
    return true;
}
