#pragma once

#include "usermessage.h"

// The one way code without widgets tells the user something. The current
// messenger prints to standard error until the GUI or a test installs its own.
class Messenger
{
public:
    virtual ~Messenger();
    virtual void show(const UserMessage& message) = 0;

    static Messenger& current();
    // Not owned; the installer keeps it alive while installed. Null restores
    // the standard-error messenger.
    static void install(Messenger* messenger);
};
