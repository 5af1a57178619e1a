#pragma once

#include "fieldchange.h"
#include "macrodifference.h"

#include <QList>

// Everything that differs by meaning between two versions of a group: the
// header first, then the macros by number.
struct GroupDifference
{
    QList<FieldChange> header;
    QList<MacroDifference> macros;

    bool isEmpty() const { return header.isEmpty() && macros.isEmpty(); }
};
