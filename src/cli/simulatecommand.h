#pragma once

#include "simulator/simulationscript.h"

#include <QCoreApplication>
#include <QString>

class TerminalSession;

// "zor --simulate GROUP --script STEPS": reads the group file without
// changing it and runs the script's steps (see SimulationScript) on a driver
// session, printing on standard output, in order: each screen asked for as
// 20 lines of 40 characters, each sent message as one JSON line, and each
// refused step as "error: " with its line and the reason. A refused step
// changes nothing and the run goes on. The messages of reading the files go
// to standard error.
class SimulateCommand
{
    Q_DECLARE_TR_FUNCTIONS(SimulateCommand)

public:
    // 0: every step accepted; 1: some step refused; 2: the group or the
    // script could not be read (or the command line was wrong).
    enum ExitCode { Accepted = 0, Refused = 1, CannotRun = 2 };

    static int run(const QString& groupPath, const QString& scriptPath);

private:
    static bool readScript(const QString& path, QString* script);
    // Why the step was refused, empty when it was accepted.
    static QString perform(TerminalSession& session, const SimulationScript::Step& step);
    static QString fillField(TerminalSession& session, int field, const QString& text);
};
