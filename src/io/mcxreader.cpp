#include "mcxreader.h"

#include "mcxfastreader.h"
#include "mcxstructurecheck.h"
#include "model/group.h"
#include "model/macro.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

McxReader::Result McxReader::readFile(const QString& path, Group& group)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_errorString = file.errorString();
        return Result::CannotOpen;
    }
    group.setFilePath(path);
    const QByteArray data = file.readAll();
    file.close();
    return read(data, group);
}

McxReader::Result McxReader::read(const QByteArray& data, Group& group)
{
    m_data = data;
    m_reindented.clear();
    m_hasTimerOfOne = false;
    if (readPlain(data, group))
        return Result::Ok;

    // A parse error leaves an empty document, which the check refuses.
    m_root = QJsonDocument::fromJson(data).object();
    m_hasRoot = true;
    if (!McxStructureCheck::check(m_root, &m_errorKey)) {
        m_errorString = QStringLiteral("invalid structure (%1)").arg(m_errorKey);
        return Result::InvalidStructure;
    }

    const QJsonObject header = m_root.value(QLatin1String("header")).toObject();
    const int version = versionOf(header.value(QLatin1String("version")));
    group.setVersion(version);
    group.checkVersion(version);
    group.setName(header.value(QLatin1String("name")).toString());
    group.setDescription(header.value(QLatin1String("description")).toString());
    group.setCreationDate(header.value(QLatin1String("creationDate")).toString());

    const QJsonArray macros = m_root.value(QLatin1String("macros")).toArray();
    for (const QJsonValue& element : macros)
        group.addMacro(new Macro(element.toObject(), version));
    // What was just read is what the file holds: nothing to save yet.
    group.setModified(false);
    return Result::Ok;
}

bool McxReader::readPlain(const QByteArray& data, Group& group)
{
    McxFastReader fast;
    if (!fast.read(data))
        return false;
    // As below, for version 2100.
    group.setVersion(Group::CurrentVersion);
    group.checkVersion(Group::CurrentVersion);
    group.setName(fast.name());
    group.setDescription(fast.description());
    group.setCreationDate(fast.creationDate());
    std::vector<std::unique_ptr<Macro>> macros = fast.takeMacros();
    for (std::unique_ptr<Macro>& macro : macros)
        group.addMacro(macro.release());
    group.setModified(false);
    m_reindented = fast.indented();
    m_hasTimerOfOne = fast.hasTimerOfOne();
    m_hasRoot = false;
    return true;
}

QJsonObject McxReader::root() const
{
    if (!m_hasRoot) {
        m_root = QJsonDocument::fromJson(m_data).object();
        m_hasRoot = true;
    }
    return m_root;
}

int McxReader::versionOf(const QJsonValue& value)
{
    QString text = value.isString() ? value.toString() : QString::number(value.toInt());
    return text.remove(QLatin1Char('.')).toInt();
}
