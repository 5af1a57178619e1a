#pragma once

#include <QJsonObject>
#include <QString>

class Group;
class QByteArray;

// Reads an .mcx document into a group: structure check, version, header and
// one macro per element. It never writes: the rewrite that follows a load in
// the editor is the caller's business, and commands that only read (convert)
// leave their input as it was.
class McxReader
{
public:
    enum class Result { Ok, CannotOpen, InvalidStructure };

    // Stores the path in the group once the file is open.
    Result readFile(const QString& path, Group& group);
    // On InvalidStructure the group is unchanged; errorKey() names the key.
    Result read(const QByteArray& data, Group& group);

    QString errorKey() const { return m_errorKey; }
    QString errorString() const { return m_errorString; }
    // The document as read, for the rewrite.
    QJsonObject root() const { return m_root; }

    // The header version as a number: a text such as "2.1.0.0" loses its
    // dots (2100).
    static int versionOf(const QJsonValue& value);

private:
    QJsonObject m_root;
    QString m_errorKey;
    QString m_errorString;
};
