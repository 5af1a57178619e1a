#include "messagebuffer.h"

MessageBuffer::MessageBuffer()
{
    Messenger::installForThisThread(this);
}

MessageBuffer::~MessageBuffer()
{
    Messenger::installForThisThread(nullptr);
}
