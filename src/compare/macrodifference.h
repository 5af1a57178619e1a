#pragma once

#include "fieldchange.h"

#include <QList>
#include <QString>

// How one macro differs between two versions of a group. A macro is the
// same macro in both when its number is; one whose number changed but whose
// acronym is found among the macros left over is the same macro renumbered.
struct MacroDifference
{
    enum class Kind { Added, Removed, Renumbered, Changed };

    Kind kind = Kind::Changed;
    // Number, acronym and name as the version after has them; as the version
    // before has them for a removed macro.
    QString num;
    QString sigla;
    QString name;
    // The number before, for a renumbered macro.
    QString oldNum;
    // The fields that differ, in the order of the macro dialog: identity,
    // validations, automations, violations, next macros, box, screens.
    QList<FieldChange> changes;
};
