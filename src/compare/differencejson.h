#pragma once

#include "groupdifference.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

struct ReferenceLists;

// The differences between two versions of a group as one JSON document
// with stable keys, for scripts (the layout is in the README):
// {"old", "new", "same", "header": [...], "macros": [{"change", "num",
// "sigla", "name", "oldNum", "fields": [...]}]}.
class DifferenceJson
{
public:
    explicit DifferenceJson(const ReferenceLists& lists) : lists(lists) {}

    // Indented, UTF-8.
    QByteArray document(const GroupDifference& difference, const QString& oldPath,
                        const QString& newPath) const;
    QJsonObject macro(const MacroDifference& macro) const;
    QJsonObject field(const FieldChange& change) const;

private:
    void addName(QJsonObject* object, const QStringList& list, int index) const;
    void addMembership(QJsonObject* object, const FieldChange& change) const;
    void addValues(QJsonObject* object, const FieldChange& change) const;

    const ReferenceLists& lists;
};
