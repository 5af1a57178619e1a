#include "debuglogger.h"

#include "zorobject.h"

#include <QDateTime>
#include <QFile>
#include <QTextStream>

namespace {
bool g_debugMode = false;
}

DebugLogger* DebugLogger::instance()
{
    // Never destroyed: objects may still log while static objects go away.
    static DebugLogger* const logger = new DebugLogger;
    return logger;
}

bool DebugLogger::debugMode()
{
    return g_debugMode;
}

void DebugLogger::setDebugMode(bool on)
{
    g_debugMode = on;
}

void DebugLogger::configure(const QString& directoryName, const QString& fileName)
{
    m_directoryName = directoryName;
    m_fileName = fileName;
}

bool DebugLogger::startSession()
{
    QFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.close();
    m_open = true;
    m_enabled = true;
    write(QStringLiteral(">>>>>>>> Debug Session Started. <<<<<<<<"));
    return true;
}

void DebugLogger::setLineSink(LineSink sink)
{
    m_lineSink = std::move(sink);
}

bool DebugLogger::write(const QString& text)
{
    if (!m_enabled)
        return true;
    QFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return false;
    const QString line =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
        QStringLiteral(" - ") + text;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << line << '\n';
    if (m_lineSink)
        m_lineSink(line);
    return true;
}

bool DebugLogger::log(const QString& text, const ZorObject* source)
{
    if (!m_enabled)
        return false;
    const QString name = source ? source->className() : QString();
    return write(name + QStringLiteral(" - ") + text);
}
