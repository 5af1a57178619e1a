#include "filedialogs.h"

#include <QFileDialog>

namespace {

class ToolkitFileDialogs : public FileDialogs
{
public:
    QString getOpenFileName(QWidget* parent, const QString& caption, const QString& directory,
                            const QString& filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, directory, filter);
    }
    QString getSaveFileName(QWidget* parent, const QString& caption, const QString& directory,
                            const QString& filter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, directory, filter);
    }
};

FileDialogs* g_installed = nullptr;

} // namespace

FileDialogs::~FileDialogs()
{
    if (g_installed == this)
        g_installed = nullptr;
}

FileDialogs& FileDialogs::current()
{
    static ToolkitFileDialogs toolkit;
    return g_installed ? *g_installed : toolkit;
}

void FileDialogs::install(FileDialogs* dialogs)
{
    g_installed = dialogs;
}
