#pragma once

#include "cli/checkcommand.h"

#include <QCoreApplication>
#include <QString>

class Group;
struct ReferenceLists;

// "zor --diff OLD NEW": reads both group files by their suffix, never
// modifying them, and prints what differs by meaning, one line per change or
// one JSON document, on standard output. Names come from the reference data
// of the language (-l), looked up like the editor's; without a data file the
// lists' entries show as numbers. The readers' own messages go through the
// messenger, prefixed with their file: standard error in a headless run.
class DiffCommand
{
    Q_DECLARE_TR_FUNCTIONS(DiffCommand)

public:
    // 0: the same by meaning; 1: different; 2: a file could not be read (or
    // the command line was wrong).
    enum ExitCode { Same = 0, Different = 1, CannotCompare = 2 };

    struct Options
    {
        CheckCommand::Format format = CheckCommand::Format::Text;
        // Whether box positions and sizes count.
        bool layout = false;
        // The language code of -l; empty for Portuguese.
        QString language;
    };

    static int run(const QString& oldPath, const QString& newPath, const Options& options);

    // The reference lists of a language, empty with a warning when its data
    // file is nowhere to be found.
    static ReferenceLists referenceLists(const QString& language);

private:
    static bool readGroup(const QString& path, Group& group);
};
