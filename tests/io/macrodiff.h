#pragma once

#include <QSet>
#include <QString>

class Group;
class Macro;

// The first field in which two macros (or two groups) differ, as text for
// the failure message; empty when they are equal. Fields named in ignored
// are skipped (those a format does not hold).
QString macroDifference(const Macro& expected, const Macro& actual,
                        const QSet<QString>& ignored = {});
QString groupDifference(const Group& expected, const Group& actual,
                        const QSet<QString>& ignored = {});
