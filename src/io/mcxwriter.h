#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

class Group;

// Writes a group as an .mcx document: version 2100, the header and one
// macro object per macro in list order, compact JSON.
class McxWriter
{
public:
    // Sets the group's version to 2100. False when the file can't be
    // written; the old file is then left as it was.
    static bool write(Group& group, const QString& path, QString* errorString = nullptr);
    // The document write() stores, written straight from the macros. Each
    // macro first takes its box's position and size from the diagram.
    static QByteArray toJson(Group& group);
    // The same document from what the group holds, the group left as it is:
    // the boxes stand where the last finished move put them, not where a
    // drag still under way holds them.
    static QByteArray snapshot(const Group& group);
    // The same document as a JSON object: toJson() is exactly
    // QJsonDocument(toJsonObject()).toJson(QJsonDocument::Compact).
    static QJsonObject toJsonObject(Group& group);
};
