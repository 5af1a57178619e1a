#include "messenger.h"

#include "stderrmessenger.h"

namespace {
Messenger* g_installed = nullptr;
thread_local Messenger* t_threadMessenger = nullptr;
} // namespace

Messenger::~Messenger()
{
    if (g_installed == this)
        g_installed = nullptr;
    if (t_threadMessenger == this)
        t_threadMessenger = nullptr;
}

Messenger& Messenger::current()
{
    if (t_threadMessenger)
        return *t_threadMessenger;
    static StderrMessenger fallback;
    return g_installed ? *g_installed : fallback;
}

void Messenger::install(Messenger* messenger)
{
    g_installed = messenger;
}

void Messenger::installForThisThread(Messenger* messenger)
{
    t_threadMessenger = messenger;
}
