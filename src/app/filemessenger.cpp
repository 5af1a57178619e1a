#include "filemessenger.h"

FileMessenger::FileMessenger(const QString& path) : path(path), previous(Messenger::current())
{
    Messenger::install(this);
}

FileMessenger::~FileMessenger()
{
    Messenger::install(&previous);
}

void FileMessenger::show(const UserMessage& message)
{
    UserMessage named = message;
    named.text =
        (message.richText ? path.toHtmlEscaped() : path) + QStringLiteral(": ") + message.text;
    previous.show(named);
}
