#pragma once

#include "mainwindow/filedialogs.h"

#include <QStringList>

// Answers the group commands' file dialogs from a queue of paths (an empty
// path is a cancelled dialog) and records what each dialog was asked. It
// installs itself for its lifetime.
class FakeFileDialogs : public FileDialogs
{
public:
    struct Request
    {
        QString kind; // "open" or "save"
        QString caption;
        QString directory;
        QString filter;
    };

    FakeFileDialogs() { FileDialogs::install(this); }
    ~FakeFileDialogs() override { FileDialogs::install(nullptr); }

    QString getOpenFileName(QWidget*, const QString& caption, const QString& directory,
                            const QString& filter) override
    {
        return answer({QStringLiteral("open"), caption, directory, filter});
    }
    QString getSaveFileName(QWidget*, const QString& caption, const QString& directory,
                            const QString& filter) override
    {
        return answer({QStringLiteral("save"), caption, directory, filter});
    }

    QStringList answers;
    QList<Request> requests;

private:
    QString answer(const Request& request)
    {
        requests.append(request);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};
