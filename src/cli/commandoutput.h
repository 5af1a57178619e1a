#pragma once

#include <QByteArray>
#include <QString>

// What every command of the command line tells: its report on standard
// output, and its failures and warnings through the messenger (standard
// error in a headless run), so that a test can record them.
class CommandOutput
{
public:
    // Writes the text as it is and flushes, so that the lines of a long run
    // show as they come.
    static void print(const QByteArray& text);
    // Tells the failure, the reason (when there is one) on a second line,
    // and gives back the exit code to return.
    static int fail(int exitCode, const QString& text, const QString& reason = QString());
    static void warn(const QString& text);
    // The anchor violation comes only from the reference data; without it a
    // command warns, once, with its message of what it can't do.
    static void warnWithoutAnchorSettings(const QString& message);
};
