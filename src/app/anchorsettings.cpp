#include "anchorsettings.h"

#include <QSettings>

AnchorSettings AnchorSettings::readFrom(const QString& iniPath)
{
    AnchorSettings settings;
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.setIniCodec("UTF-8");
    // An array read without an index reads the keys of the section itself.
    ini.beginReadArray(QStringLiteral("ancora"));
    settings.m_defaultRadius = ini.value(QStringLiteral("padrao")).toInt();
    settings.m_anchorViolationId = ini.value(QStringLiteral("1")).toInt();
    settings.m_minRadius = ini.value(QStringLiteral("min")).toInt();
    settings.maxRadius = ini.value(QStringLiteral("max")).toInt();
    ini.endArray();
    return settings;
}
