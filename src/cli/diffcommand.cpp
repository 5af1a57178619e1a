#include "diffcommand.h"

#include "app/anchorsettings.h"
#include "app/datafiles.h"
#include "app/filemessenger.h"
#include "app/referencedata.h"
#include "commandoutput.h"
#include "compare/differencejson.h"
#include "compare/differencetext.h"
#include "compare/groupcomparer.h"
#include "model/group.h"

int DiffCommand::run(const QString& oldPath, const QString& newPath, const Options& options)
{
    const ReferenceLists lists = referenceLists(options.language);
    Group before{QString(), QString()};
    Group after{QString(), QString()};
    // Both files, so that one run names every file that can't be read.
    const bool readBefore = readGroup(oldPath, before);
    const bool readAfter = readGroup(newPath, after);
    if (!readBefore || !readAfter)
        return CannotCompare;

    CompareOptions compareOptions;
    compareOptions.layout = options.layout;
    compareOptions.timerFlags = lists.violationTimerFlags;
    compareOptions.anchorViolationId = Group::anchorSettings().anchorViolationId();
    const GroupDifference difference = GroupComparer::compare(before, after, compareOptions);

    const QByteArray output = options.format == CheckCommand::Format::Json
                                  ? DifferenceJson(lists).document(difference, oldPath, newPath)
                                  : DifferenceText(lists).report(difference).toLocal8Bit();
    CommandOutput::print(output);
    return difference.isEmpty() ? Same : Different;
}

ReferenceLists DiffCommand::referenceLists(const QString& language)
{
    ReferenceLists lists;
    const QString fileName = ReferenceData::fileNameFor(language);
    if (ReferenceData::load(DataFiles::locate(fileName), &lists))
        return lists;
    CommandOutput::warn(tr("Sem o arquivo de dados %1: violações, reações e as outras listas "
                           "aparecem pelo número.")
                            .arg(fileName));
    return lists;
}

bool DiffCommand::readGroup(const QString& path, Group& group)
{
    const FileMessenger messenger(path);
    if (group.readFile(path))
        return true;
    CommandOutput::fail(CannotCompare, tr("Não foi possível abrir o arquivo."));
    return false;
}
