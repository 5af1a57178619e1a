#include "mcxrewrite.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonObject>

void McxRewrite::dropUnusedTimers(QJsonObject& root, const QStringList& timerFlags)
{
    if (timerFlags.isEmpty())
        return;
    QJsonArray macros = root.value(QLatin1String("macros")).toArray();
    for (int m = 0; m < macros.size(); ++m) {
        if (!macros.at(m).isObject())
            continue;
        QJsonObject macro = macros.at(m).toObject();
        if (!macro.value(QLatin1String("violacoes")).isArray())
            continue;
        QJsonArray violations = macro.value(QLatin1String("violacoes")).toArray();
        for (int v = 0; v < violations.size(); ++v) {
            QJsonObject element = violations.at(v).toObject();
            if (!element.contains(QLatin1String("id")) || !element.contains(QLatin1String("tempo")))
                continue;
            const int id = element.value(QLatin1String("id")).toInt();
            const QJsonValue tempo = element.value(QLatin1String("tempo"));
            if (!tempo.isDouble() || tempo.toDouble() != 1.0 || !hasNoAnalysisTime(id, timerFlags))
                continue;
            element.remove(QLatin1String("tempo"));
            qDebug() << "Removido 'tempo' no item com id" << id;
            violations.replace(v, element);
        }
        macro.insert(QLatin1String("violacoes"), violations);
        macros.replace(m, macro);
    }
    root.insert(QLatin1String("macros"), macros);
}

bool McxRewrite::hasNoAnalysisTime(int id, const QStringList& timerFlags)
{
    if (id < 1 || id > timerFlags.size())
        return false;
    bool isNumber = false;
    const int flag = timerFlags.at(id - 1).toInt(&isNumber);
    return isNumber && flag == 0;
}
