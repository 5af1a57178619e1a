#include "mcxwriter.h"

#include "compactjsonwriter.h"
#include "filesaver.h"
#include "macrojson.h"
#include "model/group.h"
#include "model/macro.h"

#include <QJsonArray>

namespace {

// About the size of one macro object of a filled macro.
constexpr int BytesPerMacro = 5000;

QList<Macro*> writtenMacros(Group& group)
{
    group.setVersion(Group::CurrentVersion);
    QList<Macro*> macros = group.macros();
    macros.removeAll(nullptr);
    return macros;
}

// The keys of each object in the order QJsonObject keeps them.
QByteArray compactJson(const Group& group, const QList<Macro*>& macros)
{
    CompactJsonWriter writer(BytesPerMacro * (macros.size() + 1));
    writer.beginObject();
    writer.key(QLatin1String("header"));
    writer.beginObject();
    writer.key(QLatin1String("creationDate"));
    writer.value(group.creationDate());
    writer.key(QLatin1String("description"));
    writer.value(group.description());
    writer.key(QLatin1String("nMacros"));
    writer.value(macros.size());
    writer.key(QLatin1String("name"));
    writer.value(group.name());
    writer.key(QLatin1String("version"));
    writer.value(Group::CurrentVersion);
    writer.endObject();
    writer.key(QLatin1String("macros"));
    writer.beginArray();
    for (const Macro* macro : macros)
        MacroJson::write(*macro, writer);
    writer.endArray();
    writer.endObject();
    return writer.take();
}

} // namespace

bool McxWriter::write(Group& group, const QString& path, QString* errorString)
{
    return FileSaver::save(path, toJson(group), errorString);
}

QByteArray McxWriter::toJson(Group& group)
{
    const QList<Macro*> macros = writtenMacros(group);
    for (Macro* macro : macros)
        group.syncGeometry(macro);
    return compactJson(group, macros);
}

QByteArray McxWriter::snapshot(const Group& group)
{
    QList<Macro*> macros = group.macros();
    macros.removeAll(nullptr);
    return compactJson(group, macros);
}

QJsonObject McxWriter::toJsonObject(Group& group)
{
    const QList<Macro*> macros = writtenMacros(group);
    const QJsonObject header{{QLatin1String("version"), Group::CurrentVersion},
                             {QLatin1String("name"), group.name()},
                             {QLatin1String("description"), group.description()},
                             {QLatin1String("creationDate"), group.creationDate()},
                             {QLatin1String("nMacros"), macros.size()}};
    QJsonArray elements;
    for (Macro* macro : macros) {
        group.syncGeometry(macro);
        QJsonObject element;
        macro->write(element);
        elements.append(element);
    }
    return QJsonObject{{QLatin1String("header"), header}, {QLatin1String("macros"), elements}};
}
