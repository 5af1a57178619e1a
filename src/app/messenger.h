#pragma once

#include "usermessage.h"

// The one way code without widgets tells the user something. The current
// messenger prints to standard error until the GUI or a test installs its own.
class Messenger
{
public:
    virtual ~Messenger();
    virtual void show(const UserMessage& message) = 0;

    // The messenger of the calling thread when it has one of its own, else
    // the installed one.
    static Messenger& current();
    // Not owned; the installer keeps it alive while installed. Null restores
    // the standard-error messenger.
    static void install(Messenger* messenger);
    // For the calling thread only, above the installed one; null removes it.
    static void installForThisThread(Messenger* messenger);
};
