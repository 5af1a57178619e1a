#pragma once

#include <QByteArray>
#include <QString>

// Reads the big-endian values of a Qt data stream (stream version 11) from
// bytes that may be damaged: every length and count is checked against the
// bytes actually left before anything is read or allocated. The first
// failure stops all later reads and is kept with its offset.
class StreamCursor
{
public:
    StreamCursor(const QByteArray& data, int offset);

    bool readU8(quint8& value);
    bool readU16(quint16& value);
    bool readU32(quint32& value);
    bool readI32(qint32& value);
    bool readBool(bool& value);
    // 32-bit byte length (0xFFFFFFFF for a null string), then UTF-16 units.
    bool readString(QString& value);
    // 32-bit length (0xFFFFFFFF for a null array), then the bytes.
    bool readBytes(QByteArray& value);
    // A 32-bit element count of a list whose elements take at least
    // minimumElementSize bytes each; refused when they can't all be there.
    bool readCount(int& count, int minimumElementSize, const char* what);

    bool ok() const { return m_error.isEmpty(); }
    bool atEnd() const { return m_offset == m_data.size(); }
    int offset() const { return m_offset; }
    QString errorString() const { return m_error; }

private:
    bool take(int size, const char* what, const char** bytes);
    bool fail(const QString& what);
    bool failAt(int offset, const QString& what);

    const QByteArray m_data;
    int m_offset;
    QString m_error;
};
