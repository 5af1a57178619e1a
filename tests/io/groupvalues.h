#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class Group;
class Macro;

// Every value of a macro (or of a group and its macros), one "field: value"
// line each, so that a comparison of two lists names the first field that
// differs.
QStringList valuesOf(const Macro& macro);
QStringList valuesOf(const Group& group);

// What a group becomes when written and read back in a format: the values
// that the format does not hold, or holds otherwise, change as it changes
// them. Everything else must come back as it was.
void keepWhatMcxHolds(Group& group);
void keepWhatStreamHolds(Group& group);
// What the editor's load of an .mcx file leaves in it: the timer of 1 of a
// violation without analysis time is dropped, and reads back as 0.
void dropUnusedTimers(Group& group, const QStringList& timerFlags);
// What Group shows for a file of this version, if anything.
QString versionMessage(int version);
