#pragma once

#include "samples.h"

class Macro;
class ModalGuard;
class WindowDriver;

// The configure dialog of a box as the user meets it: a double click on the
// box until the dialog is shown and painted, then an edited name and OK
// until the box and its arrows are painted again. The dialog is driven from
// the event loop it runs.
class ConfigureTiming
{
public:
    ConfigureTiming(WindowDriver& driver, ModalGuard& guard, int runs);

    void measure(const Macro& macro, Samples* open, Samples* ok);

private:
    // One double click, edit and OK; false when the dialog did not accept.
    bool runOnce(const Macro& macro, double* openMs, double* okMs);

    WindowDriver& m_driver;
    ModalGuard& m_guard;
    int m_runs;
};
