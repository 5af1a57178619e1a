#pragma once

#include "samples.h"

class Macro;
class WindowDriver;

// What the canvas does between two frames while the user works on it: a
// step of a drag, a step of the zoom. Each step is timed from the event
// that starts it until the view has painted its result.
class CanvasSteps
{
public:
    CanvasSteps(WindowDriver& driver, int steps);

    // Presses on the box of the macro and moves it one grid step right and
    // back, again and again; released where it started, it leaves no command.
    void measureDrag(const Macro& macro, Samples* steps);
    // "Zoom -" and "Zoom +" in turn from 1.0, nothing selected.
    void measureZoom(Samples* steps);

private:
    WindowDriver& m_driver;
    int m_steps;
};
