#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// The steps of a script for "zor --simulate", one a line:
//   open N          opens macro number N from the start screen
//   field K TEXT    fills the K-th field of the screen (from 1, in reading
//                   order); a Checagem takes on or off, a Seleção on
//   send            sends the macro on the screen
//   next FK         follows function key FK (F0 to F9) after a send
//   back            returns to the start screen
//   screen          prints the screen
// Blank lines and lines that start with "#" are ignored.
class SimulationScript
{
    Q_DECLARE_TR_FUNCTIONS(SimulationScript)

public:
    struct Step
    {
        enum class Action { Open, Field, Send, Next, Back, Screen };

        // 1-based line of the script.
        int line = 0;
        Action action = Action::Screen;
        // The macro number of open, the field (from 1) of field, the key of
        // next.
        int number = 0;
        // The text of field, without the blanks around it.
        QString text;
    };

    // False, with the line and the reason in error, when a line is no step.
    static bool parse(const QString& script, QList<Step>* steps, QString* error);

private:
    static bool parseLine(const QString& line, Step* step, QString* error);
};
