#pragma once

#include "app/messenger.h"

#include <QList>

// Records the messages raised below the GUI instead of showing them. It
// installs itself for its lifetime.
class MessageRecorder : public Messenger
{
public:
    MessageRecorder();
    ~MessageRecorder() override;

    void show(const UserMessage& message) override;

    QList<UserMessage> messages;
    QStringList texts() const;
    void clear() { messages.clear(); }
};
