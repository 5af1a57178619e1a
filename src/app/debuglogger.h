#pragma once

#include <QString>

#include <functional>

class ZorObject;

// Process-wide debug log. Nothing is written until a session is started,
// which the program does only in debug mode; each line then goes to the log
// file in the working directory and, when a line sink is set, to the window.
class DebugLogger
{
public:
    using LineSink = std::function<void(const QString& line)>;

    static DebugLogger* instance();

    // Whether the debug option was given on the command line.
    static bool debugMode();
    static void setDebugMode(bool on);

    void configure(const QString& directoryName, const QString& fileName);
    bool startSession();
    // Every written line is also handed to the sink (the debug dock's list).
    void setLineSink(LineSink sink);

    bool write(const QString& text);
    bool log(const QString& text, const ZorObject* source);

    QString directoryName() const { return m_directoryName; }
    QString fileName() const { return m_fileName; }
    bool isOpen() const { return m_open; }
    bool isEnabled() const { return m_enabled; }

private:
    DebugLogger() = default;

    QString m_directoryName;
    QString m_fileName;
    bool m_open = false;
    bool m_enabled = false;
    LineSink m_lineSink;
};
