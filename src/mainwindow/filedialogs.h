#pragma once

#include <QString>

class QWidget;

// The file dialogs of the group commands, behind a seam so that tests can
// answer them without a native dialog.
class FileDialogs
{
public:
    virtual ~FileDialogs();

    virtual QString getOpenFileName(QWidget* parent, const QString& caption,
                                    const QString& directory, const QString& filter) = 0;
    virtual QString getSaveFileName(QWidget* parent, const QString& caption,
                                    const QString& directory, const QString& filter) = 0;

    static FileDialogs& current();
    // Not owned. Null restores the toolkit's dialogs.
    static void install(FileDialogs* dialogs);
};
