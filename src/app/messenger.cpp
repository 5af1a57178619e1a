#include "messenger.h"

#include "stderrmessenger.h"

namespace {
Messenger* g_installed = nullptr;
}

Messenger::~Messenger()
{
    if (g_installed == this)
        g_installed = nullptr;
}

Messenger& Messenger::current()
{
    static StderrMessenger fallback;
    return g_installed ? *g_installed : fallback;
}

void Messenger::install(Messenger* messenger)
{
    g_installed = messenger;
}
