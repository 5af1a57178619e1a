#pragma once

#include "samples.h"

#include <QString>

// "zor FILE" as a user starts it: the real executable, offscreen, opening
// the group named on its command line. It reports its own time from the
// construction of its application object to the first paint of the canvas
// with the group's boxes (ZOR_REPORT_FIRST_PAINT), then ends.
class StartupTiming
{
public:
    StartupTiming(const QString& executable, int runs);

    // firstPaint: as the program reports it; process: from the start of the
    // process to that report, the loading of the program and its libraries
    // included.
    void measure(const QString& path, Samples* firstPaint, Samples* process);

private:
    QString m_executable;
    int m_runs;
};
