#pragma once

#include "messenger.h"

// Prints each message as plain text on standard error: the messenger of
// headless runs.
class StderrMessenger : public Messenger
{
public:
    void show(const UserMessage& message) override;
    static QString plainText(const UserMessage& message);
};
