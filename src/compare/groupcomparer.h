#pragma once

#include "compareoptions.h"
#include "groupdifference.h"

#include <QVector>

class Group;
struct MacroMeaning;

// Compares two versions of a group by meaning: the header (name and
// description), then the macros, paired by number, and the macros whose
// number changed, paired by acronym among those left over.
class GroupComparer
{
public:
    static GroupDifference compare(const Group& before, const Group& after,
                                   const CompareOptions& options);

private:
    static QList<FieldChange> compareHeader(const Group& before, const Group& after);
    static QVector<MacroMeaning> meaningsOf(const Group& group, const CompareOptions& options);
    static QList<MacroDifference> compareMacros(const QVector<MacroMeaning>& before,
                                                const QVector<MacroMeaning>& after, bool layout);
};
