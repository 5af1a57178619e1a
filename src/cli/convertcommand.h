#pragma once

#include <QCoreApplication>
#include <QString>

// "zor --convert IN OUT [--arrange]": reads the group in IN by its suffix,
// as the editor opens it, and writes it to OUT by its suffix, as the editor
// saves it, with its boxes laid out by their flow when asked to. IN is never
// modified (no rewrite after reading) and OUT is written whole or not at all.
// What the reading found odd (a damaged legacy file, a value that did not
// fit) is warned of; a legacy file shorter than its header is refused.
// Messages go through the messenger: standard error in a headless run.
class ConvertCommand
{
    Q_DECLARE_TR_FUNCTIONS(ConvertCommand)

public:
    enum ExitCode { Success = 0, Failure = 1 };

    static int run(const QString& input, const QString& output, bool arrange = false);
};
