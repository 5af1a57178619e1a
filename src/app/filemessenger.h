#pragma once

#include "messenger.h"

#include <QString>

// Names a file in every message raised while it is read: with several files
// on the command line, a version warning alone would not say which one. It
// installs itself for its lifetime and passes the messages on to the
// messenger it replaced.
class FileMessenger : public Messenger
{
public:
    explicit FileMessenger(const QString& path);
    ~FileMessenger() override;
    FileMessenger(const FileMessenger&) = delete;
    FileMessenger& operator=(const FileMessenger&) = delete;

    void show(const UserMessage& message) override;

private:
    QString path;
    Messenger& previous;
};
