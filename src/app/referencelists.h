#pragma once

#include <QStringList>

// The lists offered by the macro dialogs, read from the data file of the
// interface language. Identifiers stored in a macro are 1-based positions in
// these lists (reactions and validations are bit positions).
struct ReferenceLists
{
    QStringList violations;
    QStringList violationTimerFlags;
    QStringList radiusViolations;
    QStringList reactions;
    QStringList automations;
    QStringList validations;
    QStringList secureModeSensors;
    QStringList secureModeActuators;
};
