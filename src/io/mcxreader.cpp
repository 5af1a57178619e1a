#include "mcxreader.h"

#include "app/messenger.h"
#include "inputfile.h"
#include "jsontext.h"
#include "mcxfastreader.h"
#include "mcxstructurecheck.h"
#include "model/group.h"
#include "model/macro.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// The parser's reasons, which the toolkit translates with translations that
// are not compiled in: the program's translations carry them.
[[maybe_unused]] const char* const ParserTexts[] = {
    QT_TRANSLATE_NOOP("QJsonParseError", "unterminated object"),
    QT_TRANSLATE_NOOP("QJsonParseError", "missing name separator"),
    QT_TRANSLATE_NOOP("QJsonParseError", "unterminated array"),
    QT_TRANSLATE_NOOP("QJsonParseError", "missing value separator"),
    QT_TRANSLATE_NOOP("QJsonParseError", "illegal value"),
    QT_TRANSLATE_NOOP("QJsonParseError", "invalid termination by number"),
    QT_TRANSLATE_NOOP("QJsonParseError", "illegal number"),
    QT_TRANSLATE_NOOP("QJsonParseError", "invalid escape sequence"),
    QT_TRANSLATE_NOOP("QJsonParseError", "invalid UTF8 string"),
    QT_TRANSLATE_NOOP("QJsonParseError", "unterminated string"),
    QT_TRANSLATE_NOOP("QJsonParseError", "object is missing after a comma"),
    QT_TRANSLATE_NOOP("QJsonParseError", "too deeply nested document"),
    QT_TRANSLATE_NOOP("QJsonParseError", "too large document"),
    QT_TRANSLATE_NOOP("QJsonParseError", "garbage at the end of the document"),
};

} // namespace

McxReader::Result McxReader::readFile(const QString& path, Group& group)
{
    QByteArray data;
    if (!InputFile::read(path, &data, &m_errorString))
        return Result::CannotOpen;
    group.setFilePath(path);
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
    QJsonParseError parseError;
    m_root = QJsonDocument::fromJson(data, &parseError).object();
    m_hasRoot = true;
    if (!McxStructureCheck::check(m_root, &m_errorKey)) {
        m_errorString = parseError.error == QJsonParseError::NoError
                            ? QString()
                            : syntaxError(data, parseError);
        return Result::InvalidStructure;
    }

    const QJsonObject header = m_root.value(QLatin1String("header")).toObject();
    const QJsonValue versionValue = header.value(QLatin1String("version"));
    int version = 0;
    if (versionOf(versionValue, &version))
        group.checkVersion(version);
    else
        showUnreadableVersion(versionValue);
    group.setVersion(version);
    group.setName(header.value(QLatin1String("name")).toString());
    group.setDescription(header.value(QLatin1String("description")).toString());
    group.setCreationDate(header.value(QLatin1String("creationDate")).toString());

    const QJsonArray macros = m_root.value(QLatin1String("macros")).toArray();
    for (const QJsonValue& element : macros) {
        QStringList notes;
        auto* macro = new Macro(element.toObject(), version, &notes);
        group.addMacro(macro);
        for (const QString& text : qAsConst(notes))
            group.addReadNote(valueNote(*macro, text));
    }
    // What was just read is what the file holds: nothing to save yet.
    group.setModified(false);
    return Result::Ok;
}

QString McxReader::syntaxError(const QByteArray& data, const QJsonParseError& error)
{
    // Lines and columns as an editor counts them, from 1.
    const QByteArray before = data.left(error.offset);
    const int line = before.count('\n') + 1;
    const int column = before.size() - (before.lastIndexOf('\n') + 1) + 1;
    return tr("Erro de sintaxe JSON na linha %1, coluna %2 (byte %3): %4.")
        .arg(line)
        .arg(column)
        .arg(error.offset)
        .arg(error.errorString());
}

void McxReader::showUnreadableVersion(const QJsonValue& value)
{
    UserMessage message;
    message.icon = UserMessage::Icon::Warning;
    message.text = tr("A versão do arquivo, %1, não pôde ser lida; o arquivo é lido no formato "
                      "atual.")
                       .arg(JsonText::ofValue(value));
    Messenger::current().show(message);
}

ReadNote McxReader::valueNote(const Macro& macro, const QString& text)
{
    ReadNote note;
    note.kind = ReadNote::Kind::ValueRange;
    note.sigla = macro.sigla();
    note.num = macro.num();
    note.message = text;
    return note;
}

bool McxReader::readPlain(const QByteArray& data, Group& group)
{
    McxFastReader fast;
    if (!fast.read(data, m_reindenting))
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
    const QList<ReadNote> notes = fast.notes();
    for (const ReadNote& note : notes)
        group.addReadNote(note);
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

bool McxReader::versionOf(const QJsonValue& value, int* version)
{
    bool readable = false;
    if (value.isString()) {
        *version = value.toString().remove(QLatin1Char('.')).toInt(&readable);
    } else {
        *version = value.toInt();
        readable = value.isDouble() && *version == value.toDouble();
    }
    if (!readable)
        *version = 0;
    return readable;
}
