#include "convertcommand.h"

#include "app/anchorsettings.h"
#include "app/messenger.h"
#include "filesaver.h"
#include "layout/grouparrangement.h"
#include "model/group.h"

#include <QFileInfo>

int ConvertCommand::run(const QString& input, const QString& output, bool arrange)
{
    if (FileSaver::isSameFile(input, output))
        return fail(tr("O arquivo de saída não pode ser o próprio arquivo de entrada: ") + output);
    warnWithoutAnchorSettings();

    Group group{QString(), QString()};
    if (!group.readFile(input))
        return fail(tr("Não foi possível abrir o arquivo ") + input, group.errorString());
    const QList<ReadNote> notes = group.readNotes();
    for (const ReadNote& note : notes)
        warn(note.text());
    if (arrange)
        GroupArrangement::arrangeAll(group, GroupArrangement::GridStep);
    if (!group.saveAs(output))
        return fail(tr("Não foi possível salvar o arquivo ") + output, group.errorString());
    return Success;
}

int ConvertCommand::fail(const QString& text, const QString& reason)
{
    UserMessage message;
    message.icon = UserMessage::Icon::Critical;
    message.text = reason.isEmpty() ? text : text + QLatin1Char('\n') + reason;
    Messenger::current().show(message);
    return Failure;
}

void ConvertCommand::warn(const QString& text)
{
    UserMessage message;
    message.icon = UserMessage::Icon::Warning;
    message.text = text;
    Messenger::current().show(message);
}

void ConvertCommand::warnWithoutAnchorSettings()
{
    // Radii are stored with the anchor violation, which only the reference
    // data of the working directory names: without it they would be lost.
    if (Group::anchorSettings().anchorViolationId() != 0)
        return;
    warn(tr("Sem a violação de âncora de \"zor.ini\" na pasta de trabalho: os raios de âncora "
            "não serão convertidos."));
}
