#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

// The images and the translations are compiled into the static zorgui
// library; registering them makes the icons load in every test and lets the
// window switch languages (the macro cannot stand in a namespace).
static void initZorResources()
{
    Q_INIT_RESOURCE(zoricons);
    Q_INIT_RESOURCE(zortranslations);
}

namespace ZorTest {

TestEnvironment::TestEnvironment(bool withDataFiles) : m_previousDir(QDir::currentPath())
{
    initZorResources();
    QStandardPaths::setTestModeEnabled(true);
    QDir root(m_dir.path());
    root.mkpath(QStringLiteral("home/config"));
    root.mkpath(QStringLiteral("tmp"));
    root.mkpath(QStringLiteral("work"));
    qputenv("HOME", root.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("home/config")).toLocal8Bit());
    qputenv("TMPDIR", root.filePath(QStringLiteral("tmp")).toLocal8Bit());

    if (withDataFiles) {
        const QDir data(dataDir());
        const QStringList files = data.entryList({QStringLiteral("*.ini")}, QDir::Files);
        for (const QString& file : files)
            QFile::copy(data.filePath(file), m_dir.filePath(file));
    }
    QDir::setCurrent(m_dir.path());
}

TestEnvironment::~TestEnvironment()
{
    QDir::setCurrent(m_previousDir);
}

} // namespace ZorTest
