#include "zorobject.h"

#include "anchorsettings.h"
#include "datafiles.h"
#include "debuglogger.h"

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
    return settings;
}

void ZorObject::logConstruction() const
{
    DebugLogger::instance()->log(QStringLiteral("Constructor"), this);
}
