#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The options of zor: the commands that do their work without a window and
// end (--check, --convert, --diff, --export-image, --simulate), and what the
// window takes from the command line. The commands print their report on
// standard output, their messages on standard error, and give their result
// in the exit status.
class CommandLine
{
public:
    struct WindowOptions
    {
        QString fileToOpen;
        bool debug = false;
    };

    // Whether the arguments name a command that runs without a window, and
    // so without a display.
    static bool requestsCommand(int argc, char* argv[]);
    // Runs that command: builds its own application object, offscreen.
    static int runCommand(int argc, char* argv[]);

    // Options answered without a window (help, version): they must work
    // where no display is.
    static bool answersWithoutWindow(int argc, char* argv[]);
    // DISPLAY and WAYLAND_DISPLAY say where the window goes only where Qt's
    // platform is X11 or Wayland by default, and only while no other
    // platform is named; elsewhere Qt finds its display, or says why not,
    // itself.
    static bool displayVariablesApply(int argc, char* argv[]);
    static bool hasDisplay();

    static void setApplicationNames();
    // The language named with -l, read before the parser that prints the
    // help is built, so that the help can speak it.
    static QString languageOption(const QStringList& arguments);
    // Processes the arguments for the window; help, version and a wrong
    // option end the process here, as the toolkit's parser does.
    static WindowOptions windowOptions(const QCoreApplication& app);
    // Only the messages that end the process reach standard error.
    static void quietMessages();
};
