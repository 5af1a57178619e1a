#include "zorobject.h"

#include "anchorsettings.h"
#include "datafiles.h"
#include "debuglogger.h"
#include "messenger.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

ZorObject::~ZorObject() = default;

QString ZorObject::className() const
{
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return QString::fromLatin1(status == 0 && demangled ? demangled.get() : mangled);
}

const AnchorSettings& ZorObject::anchorSettings()
{
    static const AnchorSettings settings = [] {
        const QString path = DataFiles::locate(QStringLiteral("zor.ini"));
        return AnchorSettings::readFrom(path.isEmpty() ? QStringLiteral("zor.ini") : path);
    }();
    // Told once, after the settings exist: a message box runs an event loop,
    // in which anything may ask for them again.
    static bool told = false;
    if (!told) {
        told = true;
        const QStringList warnings = settings.warnings();
        for (const QString& text : warnings) {
            UserMessage message;
            message.icon = UserMessage::Icon::Warning;
            message.text = text;
            Messenger::current().show(message);
        }
    }
    return settings;
}

void ZorObject::logConstruction() const
{
    DebugLogger::instance()->log(QStringLiteral("Constructor"), this);
}
