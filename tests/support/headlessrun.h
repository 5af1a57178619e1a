#pragma once

#include "testenvironment.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ZorTest {

// zor run as a script runs it: no display to fall back on, nor a runtime
// folder, as under cron or in a bare container.
struct HeadlessRun
{
    HeadlessRun(const QStringList& arguments, const QString& folder,
                const QString& program = TestEnvironment::executable());

    // Ended by itself, within a minute.
    bool finished = false;
    int exitCode = -1;
    QByteArray output;
    QString errors;

    // Nothing on standard error when nothing is expected; otherwise the
    // expected text among what is there.
    bool says(const QString& expected) const
    {
        return expected.isEmpty() ? errors.isEmpty() : errors.contains(expected);
    }
};

} // namespace ZorTest
