#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class Group;
class Macro;

// Reads an .mcr file into a group. The file is either the legacy layout (a
// 369-byte header, then 2036-byte records, little-endian, Latin-1 text) or
// the data-stream layout that this program writes under an .mcr name; the
// bytes after the version tell which.
class McrReader
{
public:
    enum class Layout { Legacy, DataStream };

    static constexpr int HeaderSize = 369;
    static constexpr int RecordSize = 2036;

    // Stores the path in the group before anything else.
    bool readFile(const QString& path, Group& group);
    // A legacy file never fails: what is missing reads as empty and bytes
    // after the last whole record are ignored. A damaged data-stream file
    // fails with the offset in errorString(), the group keeping no macro of
    // it. After a successful read the group is not modified.
    bool read(const QByteArray& data, Group& group);

    Layout layout() const { return m_layout; }
    QString errorString() const { return m_errorString; }

private:
    static void readLegacyHeader(const QByteArray& data, Group& group);
    static std::unique_ptr<Macro> readLegacyRecord(const char* record);

    Layout m_layout = Layout::Legacy;
    QString m_errorString;
};
