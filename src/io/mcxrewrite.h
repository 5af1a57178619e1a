#pragma once

#include <QStringList>

class QJsonObject;

// The change the editor makes to an .mcx file right after reading it: a
// violation without analysis time loses the timer of 1 that the legacy
// reader gives every violation.
class McxRewrite
{
public:
    // timerFlags: one entry per violation identifier at index identifier - 1,
    // "0" for a violation without analysis time. An empty list changes
    // nothing. Returns whether a timer was dropped; root is left untouched
    // (not even detached) when none was.
    static bool dropUnusedTimers(QJsonObject& root, const QStringList& timerFlags);

private:
    static bool hasNoAnalysisTime(int id, const QStringList& timerFlags);
    static bool isUnusedTimer(const QJsonObject& violation, const QStringList& timerFlags);
    static bool hasUnusedTimer(const QJsonObject& root, const QStringList& timerFlags);
};
