#include "mcxrewrite.h"

#include "app/debuglogger.h"

#include <QJsonArray>
#include <QJsonObject>

bool McxRewrite::dropUnusedTimers(QJsonObject& root, const QStringList& timerFlags)
{
    // Most files have nothing to drop: looking costs a read of the document,
    // changing it a copy.
    if (!hasUnusedTimer(root, timerFlags))
        return false;
    QJsonArray macros = root.value(QLatin1String("macros")).toArray();
    for (int m = 0; m < macros.size(); ++m) {
        if (!macros.at(m).isObject())
            continue;
        QJsonObject macro = macros.at(m).toObject();
        if (!macro.value(QLatin1String("violacoes")).isArray())
            continue;
        QJsonArray violations = macro.value(QLatin1String("violacoes")).toArray();
        bool changed = false;
        for (int v = 0; v < violations.size(); ++v) {
            QJsonObject element = violations.at(v).toObject();
            if (!isUnusedTimer(element, timerFlags))
                continue;
            element.remove(QLatin1String("tempo"));
            DebugLogger::instance()->write(
                QStringLiteral("McxRewrite - Removido 'tempo' no item com id %1")
                    .arg(element.value(QLatin1String("id")).toInt()));
            violations.replace(v, element);
            changed = true;
        }
        if (!changed)
            continue;
        macro.insert(QLatin1String("violacoes"), violations);
        macros.replace(m, macro);
    }
    root.insert(QLatin1String("macros"), macros);
    return true;
}

bool McxRewrite::hasUnusedTimer(const QJsonObject& root, const QStringList& timerFlags)
{
    if (timerFlags.isEmpty())
        return false;
    const QJsonArray macros = root.value(QLatin1String("macros")).toArray();
    for (const QJsonValue& macro : macros) {
        const QJsonArray violations = macro.toObject().value(QLatin1String("violacoes")).toArray();
        for (const QJsonValue& element : violations) {
            if (isUnusedTimer(element.toObject(), timerFlags))
                return true;
        }
    }
    return false;
}

bool McxRewrite::isUnusedTimer(const QJsonObject& violation, const QStringList& timerFlags)
{
    // The timer first: it is rarely 1, and one look at it settles most.
    const auto tempo = violation.constFind(QLatin1String("tempo"));
    if (tempo == violation.constEnd() || !tempo->isDouble() || tempo->toDouble() != 1.0)
        return false;
    const auto id = violation.constFind(QLatin1String("id"));
    return id != violation.constEnd() && hasNoAnalysisTime(id->toInt(), timerFlags);
}

bool McxRewrite::hasNoAnalysisTime(int id, const QStringList& timerFlags)
{
    if (id < 1 || id > timerFlags.size())
        return false;
    bool isNumber = false;
    const int flag = timerFlags.at(id - 1).toInt(&isNumber);
    return isNumber && flag == 0;
}
