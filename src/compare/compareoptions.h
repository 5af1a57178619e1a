#pragma once

#include <QStringList>

// What a comparison takes from outside the two groups.
struct CompareOptions
{
    // Whether the position and size of the boxes count as changes.
    bool layout = false;
    // The violation timer flags of the reference data, one per violation
    // identifier at index identifier - 1: non-zero where the violation has an
    // analysis time. Empty when there is no data file.
    QStringList timerFlags;
    // The violation that carries the anchor radius; 0 when none is known.
    int anchorViolationId = 0;
};
