#include "mcxwriter.h"

#include "filesaver.h"
#include "model/group.h"
#include "model/macro.h"

#include <QJsonArray>
#include <QJsonObject>

bool McxWriter::write(Group& group, const QString& path, QString* errorString)
{
    return FileSaver::save(path, toJson(group), errorString);
}

QByteArray McxWriter::toJson(Group& group)
{
    group.setVersion(Group::CurrentVersion);
    QList<Macro*> macros = group.macros();
    macros.removeAll(nullptr);
    const QJsonObject header{{QLatin1String("version"), Group::CurrentVersion},
                             {QLatin1String("name"), group.name()},
                             {QLatin1String("description"), group.description()},
                             {QLatin1String("creationDate"), group.creationDate()},
                             {QLatin1String("nMacros"), macros.size()}};
    QJsonArray elements;
    for (Macro* macro : qAsConst(macros)) {
        group.syncGeometry(macro);
        QJsonObject element;
        macro->write(element);
        elements.append(element);
    }
    const QJsonObject root{{QLatin1String("header"), header}, {QLatin1String("macros"), elements}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

bool McxWriter::writeDocument(const QString& path, const QJsonObject& root,
                              QJsonDocument::JsonFormat format, QString* errorString)
{
    return FileSaver::save(path, QJsonDocument(root).toJson(format), errorString);
}
