#include "referencedata.h"

#include <QFileInfo>
#include <QMap>
#include <QSettings>

QString ReferenceData::fileNameFor(const QString& language)
{
    if (language.contains(QLatin1String("es")))
        return QStringLiteral("zor-es.ini");
    if (language.contains(QLatin1String("en")))
        return QStringLiteral("zor-en.ini");
    if (language.contains(QLatin1String("de")))
        return QStringLiteral("zor-de.ini");
    if (language.contains(QLatin1String("fr")))
        return QStringLiteral("zor-fr.ini");
    return QStringLiteral("zor.ini");
}

bool ReferenceData::load(const QString& path, ReferenceLists* lists)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return false;
    QSettings settings(path, QSettings::IniFormat);
    settings.setIniCodec("UTF-8");
    readSection(settings, QStringLiteral("violacao"), &lists->violations);
    readSection(settings, QStringLiteral("timers"), &lists->violationTimerFlags);
    readSection(settings, QStringLiteral("ancora"), &lists->radiusViolations);
    readSection(settings, QStringLiteral("reacao"), &lists->reactions);
    readSection(settings, QStringLiteral("automacao"), &lists->automations);
    readSection(settings, QStringLiteral("validacao"), &lists->validations);
    readSection(settings, QStringLiteral("modo seguro sensores"), &lists->secureModeSensors);
    readSection(settings, QStringLiteral("modo seguro atuadores"), &lists->secureModeActuators);
    return true;
}

void ReferenceData::readSection(QSettings& settings, const QString& section, QStringList* list)
{
    list->clear();
    settings.beginGroup(section);
    // Only the numbers actually stored are visited: a key such as 2000000000
    // must not make the start walk two thousand million numbers.
    QMap<int, QString> byNumber;
    const QStringList keys = settings.childKeys();
    for (const QString& key : keys) {
        bool isNumber = false;
        const int number = key.toInt(&isNumber, 10);
        if (isNumber && number > 0)
            byNumber.insert(number, settings.value(key).toString());
    }
    settings.endGroup();
    for (const QString& text : qAsConst(byNumber)) {
        if (!text.isEmpty())
            list->append(text);
    }
}
