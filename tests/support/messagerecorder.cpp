#include "messagerecorder.h"

MessageRecorder::MessageRecorder()
{
    Messenger::install(this);
}

MessageRecorder::~MessageRecorder()
{
    Messenger::install(nullptr);
}

void MessageRecorder::show(const UserMessage& message)
{
    messages.append(message);
}

QStringList MessageRecorder::texts() const
{
    QStringList result;
    for (const UserMessage& message : messages)
        result.append(message.text);
    return result;
}
