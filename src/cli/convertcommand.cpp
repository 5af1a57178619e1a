#include "convertcommand.h"

#include "commandoutput.h"
#include "io/filesaver.h"
#include "layout/grouparrangement.h"
#include "model/group.h"

#include <QFileInfo>

int ConvertCommand::run(const QString& input, const QString& output, bool arrange)
{
    if (FileSaver::isSameFile(input, output))
        return CommandOutput::fail(
            Failure,
            tr("O arquivo de saída não pode ser o próprio arquivo de entrada: %1").arg(output));
    // Radii are stored with the anchor violation, which only the reference
    // data names: without it they would be lost.
    CommandOutput::warnWithoutAnchorSettings(
        tr("Sem a violação de âncora de \"zor.ini\" na pasta de trabalho: os raios de âncora "
           "não serão convertidos."));

    Group group{QString(), QString()};
    if (!group.readFile(input))
        return CommandOutput::fail(Failure, tr("Não foi possível abrir o arquivo %1").arg(input),
                                   group.errorString());
    const QList<ReadNote> notes = group.readNotes();
    for (const ReadNote& note : notes)
        CommandOutput::warn(note.text());
    if (arrange)
        GroupArrangement::arrangeAll(group, GroupArrangement::GridStep);
    if (!group.saveAs(output))
        return CommandOutput::fail(Failure, tr("Não foi possível salvar o arquivo %1").arg(output),
                                   group.errorString());
    return Success;
}
