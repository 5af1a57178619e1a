#include "anchorsettings.h"

#include <QSettings>

AnchorSettings AnchorSettings::readFrom(const QString& iniPath)
{
    AnchorSettings settings;
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.setIniCodec("UTF-8");
    // An array read without an index reads the keys of the section itself.
    ini.beginReadArray(QStringLiteral("ancora"));
    const auto read = [&](const char* key, int maximum) {
        return settings.readValue(ini, iniPath, QLatin1String(key), maximum);
    };
    settings.m_defaultRadius = read("padrao", MaxRadius);
    settings.m_anchorViolationId = read("1", MaxViolationId);
    settings.m_minRadius = read("min", MaxRadius);
    settings.maxRadius = read("max", MaxRadius);
    ini.endArray();
    return settings;
}

// A value that the fields can't hold would be taken as another: identifier
// 256 as 0, which is every empty slot of a legacy file.
int AnchorSettings::readValue(QSettings& ini, const QString& path, const QString& key, int maximum)
{
    const QVariant value = ini.value(key);
    if (!value.isValid())
        return 0;
    // A value with commas reads as a list.
    const QString text = value.type() == QVariant::StringList
                             ? value.toStringList().join(QLatin1Char(','))
                             : value.toString();
    bool isNumber = false;
    const int number = text.trimmed().toInt(&isNumber, 10);
    if (isNumber && number >= 0 && number <= maximum)
        return number;
    m_warnings.append(tr("%1: o valor \"%2\" da chave \"%3\" da seção \"ancora\" não é um "
                         "número de 0 a %4 e foi ignorado.")
                          .arg(path, text, key)
                          .arg(maximum));
    return 0;
}
