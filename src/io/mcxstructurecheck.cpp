#include "mcxstructurecheck.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// Macro keys are checked only from this version on: older files use
// another key set.
constexpr double FirstCheckedVersion = 2100.0;

bool present(const QJsonValue& value)
{
    return !value.isUndefined();
}

bool isString(const QJsonValue& value)
{
    return value.isString();
}

bool isArray(const QJsonValue& value)
{
    return value.isArray();
}

bool isObject(const QJsonValue& value)
{
    return value.isObject();
}

bool fail(QString* key, const QString& name)
{
    if (key)
        *key = name;
    return false;
}

} // namespace

bool McxStructureCheck::check(const QJsonObject& root, QString* key)
{
    const QJsonValue header = root.value(QLatin1String("header"));
    if (!header.isObject())
        return fail(key, QStringLiteral("header"));
    if (!checkHeader(header.toObject(), key))
        return false;

    const QJsonValue macros = root.value(QLatin1String("macros"));
    if (!macros.isArray())
        return fail(key, QStringLiteral("macros"));

    // A version given as text reads as 0 here and skips the macro keys.
    const double version = header.toObject().value(QLatin1String("version")).toDouble();
    if (version < FirstCheckedVersion)
        return true;
    const QJsonArray elements = macros.toArray();
    for (const QJsonValue& element : elements) {
        if (!checkMacro(element.toObject(), key))
            return false;
    }
    return true;
}

bool McxStructureCheck::checkHeader(const QJsonObject& header, QString* key)
{
    // The name in the message is not always the key: "creation date".
    static const struct
    {
        const char* key;
        const char* name;
        bool (*holds)(const QJsonValue&);
    } requirements[] = {
        {"version", "version", present},          {"name", "name", isString},
        {"description", "description", isString}, {"creationDate", "creation date", isString},
        {"nMacros", "nMacros", present},
    };
    for (const auto& requirement : requirements) {
        if (!requirement.holds(header.value(QLatin1String(requirement.key))))
            return fail(key, QLatin1String(requirement.name));
    }
    return true;
}

bool McxStructureCheck::checkMacro(const QJsonObject& macro, QString* key)
{
    static const struct
    {
        const char* key;
        bool (*holds)(const QJsonValue&);
    } requirements[] = {
        {"atalho", present},      {"automacao", isArray},   {"confirmacao", isString},
        {"dimensions", isObject}, {"fluxoMacros", isArray}, {"formulario", isString},
        {"idMacro", present},     {"informacao", present},  {"nome", isString},
        {"num", present},         {"position", isObject},   {"sigla", isString},
        {"validacoes", present},  {"violacoes", isArray},
    };
    for (const auto& requirement : requirements) {
        if (!requirement.holds(macro.value(QLatin1String(requirement.key))))
            return fail(key, QLatin1String(requirement.key));
    }
    return true;
}
