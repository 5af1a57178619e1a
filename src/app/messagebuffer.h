#pragma once

#include "messenger.h"

#include <QList>

// Keeps the messages raised on the calling thread while it exists, so that
// work done on a worker thread can be told later, in the order the caller
// chooses. It installs itself for that thread for its lifetime.
class MessageBuffer : public Messenger
{
public:
    MessageBuffer();
    ~MessageBuffer() override;
    MessageBuffer(const MessageBuffer&) = delete;
    MessageBuffer& operator=(const MessageBuffer&) = delete;

    void show(const UserMessage& message) override { m_messages.append(message); }
    QList<UserMessage> messages() const { return m_messages; }

private:
    QList<UserMessage> m_messages;
};
