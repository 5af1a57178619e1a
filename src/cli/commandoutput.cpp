#include "commandoutput.h"

#include "app/anchorsettings.h"
#include "app/messenger.h"
#include "model/group.h"

#include <cstdio>

void CommandOutput::print(const QByteArray& text)
{
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}

int CommandOutput::fail(int exitCode, const QString& text, const QString& reason)
{
    UserMessage message;
    message.icon = UserMessage::Icon::Critical;
    message.text = reason.isEmpty() ? text : text + QLatin1Char('\n') + reason;
    Messenger::current().show(message);
    return exitCode;
}

void CommandOutput::warn(const QString& text)
{
    UserMessage message;
    message.icon = UserMessage::Icon::Warning;
    message.text = text;
    Messenger::current().show(message);
}

void CommandOutput::warnWithoutAnchorSettings(const QString& message)
{
    if (Group::anchorSettings().anchorViolationId() == 0)
        warn(message);
}
