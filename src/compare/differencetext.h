#pragma once

#include "groupdifference.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

struct ReferenceLists;

// The differences between two versions of a group as text for people, one
// line per change, in the interface language. Violations, reactions,
// validations, automations and secure-mode entries are named from the
// reference data, or by their number where it has no name for them.
class DifferenceText
{
    Q_DECLARE_TR_FUNCTIONS(DifferenceText)

public:
    explicit DifferenceText(const ReferenceLists& lists) : lists(lists) {}

    // "Grupo", the title of the header's lines.
    static QString headerTitle();
    // "SIGLA (NUM)", the title of a macro's lines.
    static QString title(const MacroDifference& macro);
    // One line per change; an added, removed or renumbered macro says so in
    // its first line.
    QStringList lines(const MacroDifference& macro) const;
    QString line(const FieldChange& change) const;
    // Every line, each after its title and ": ", header first.
    QString report(const GroupDifference& difference) const;

    static QString typeName(int type);

private:
    QString name(const QStringList& list, int index, int number) const;
    QString violationName(int id) const;
    QString reactionNames(quint8 reactions) const;
    QString membershipLine(const FieldChange& change) const;
    QString violationLine(const FieldChange& change) const;
    QString valueLine(const FieldChange& change) const;
    QString layoutLine(const FieldChange& change) const;

    const ReferenceLists& lists;
};
