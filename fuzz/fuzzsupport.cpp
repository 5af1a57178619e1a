#include "fuzzsupport.h"

#include "app/messenger.h"

#include <QSettings>

#include <cstdio>
#include <cstdlib>

namespace {

class SilentMessenger : public Messenger
{
public:
    void show(const UserMessage&) override {}
};

void silentHandler(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

namespace FuzzSupport {

void initialize()
{
    static SilentMessenger messenger;
    Messenger::install(&messenger);
    qInstallMessageHandler(silentHandler);
}

QByteArray bytesOf(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), int(size));
}

const QStringList& timerFlags()
{
    static const QStringList flags = [] {
        QSettings ini(QStringLiteral("zor.ini"), QSettings::IniFormat);
        ini.beginGroup(QStringLiteral("timers"));
        QStringList list;
        for (int id = 1; ini.contains(QString::number(id)); ++id)
            list.append(ini.value(QString::number(id)).toString());
        return list;
    }();
    return flags;
}

void require(bool property, const char* what)
{
    if (property)
        return;
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
}

} // namespace FuzzSupport
