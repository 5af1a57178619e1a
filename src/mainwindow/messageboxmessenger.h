#pragma once

#include "app/messenger.h"

class QWidget;

// Shows the messages raised below the GUI in modal message boxes.
class MessageBoxMessenger : public Messenger
{
public:
    void show(const UserMessage& message) override;
};
