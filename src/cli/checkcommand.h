#pragma once

#include "app/usermessage.h"
#include "model/groupcheck.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// "zor --check FILE...": reads each group file by its suffix, never
// modifying it, and reports what GroupCheck finds, one line per finding or
// one JSON document for all files, on standard output. The readers' own
// messages (file version, structure, unreadable file) go through the
// messenger, each prefixed with its file: standard error in a headless run.
// Several files are read and checked at once, one per processor core; what
// is told about them keeps the order of the files all the same.
class CheckCommand
{
    Q_DECLARE_TR_FUNCTIONS(CheckCommand)

public:
    // 0: no finding; 1: some file has findings; 2: some file could not be
    // read (or the command line was wrong), whatever the others held.
    enum ExitCode { Clean = 0, FindingsFound = 1, CannotCheck = 2 };
    enum class Format { Text, Json };

    struct FileReport
    {
        QString path;
        bool readable = false;
        QList<GroupCheck::Finding> findings;
        // What the reading said, told when the report is handed on.
        QList<UserMessage> messages;
    };

    // "text" (also an empty name) or "json"; false for any other name.
    static bool parseFormat(const QString& name, Format* format);

    // Checks the files, `jobs` at a time (0, or more than the processor has
    // cores: one per core), and prints the report on standard output.
    static int run(const QStringList& files, Format format, int jobs = 0);
    // "--jobs": a count of at least 1; false for anything else.
    static bool parseJobs(const QString& text, int* jobs);

    static QList<FileReport> check(const QStringList& files, int jobs = 1);
    // "FILE: SIGLA (NUM): message", one line per finding ("FILE: message"
    // for one about the whole file), in the local encoding like the other
    // messages of the command line.
    static QByteArray text(const QList<FileReport>& reports);
    // {"files": [{"file", "readable", "findings": [{"rule", "sigla", "num",
    // "message"}]}]}, indented, UTF-8.
    static QByteArray json(const QList<FileReport>& reports);
    static int exitCode(const QList<FileReport>& reports);

private:
    // Hands each file's report to `take` in the order of the files, its
    // messages told just before, as soon as it and those before it are done.
    static void checkInOrder(const QStringList& files, int jobs,
                             const std::function<void(const FileReport&)>& take);
    static FileReport checkFile(const QString& path);
    static void tell(const FileReport& report);
    static void warnWithoutAnchorSettings();
};
