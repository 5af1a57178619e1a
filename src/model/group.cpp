#include "group.h"

#include "app/anchorsettings.h"
#include "app/debuglogger.h"
#include "app/messenger.h"
#include "flowdiagram.h"
#include "io/filesaver.h"
#include "io/jsonreindenter.h"
#include "io/mcrreader.h"
#include "io/mcrwriter.h"
#include "io/mcxreader.h"
#include "io/mcxrewrite.h"
#include "io/mcxwriter.h"
#include "macro.h"

#include <QDebug>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {

const char* const DownloadPage = "https://www.orvenda.com/zor/download";

} // namespace

Group::Group(const QString& name, const QString& description)
    : m_name(name), m_description(description.left(MaxDescriptionLength)),
      m_creationTime(QDateTime::currentDateTime())
{
    m_creationDate = m_creationTime.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    logConstruction();
}

Group::~Group()
{
    qDeleteAll(m_macros);
}

void Group::setName(const QString& name)
{
    if (name == m_name)
        return;
    m_name = name;
    m_modified = true;
}

void Group::setDescription(const QString& description)
{
    const QString cut = description.left(MaxDescriptionLength);
    if (cut == m_description)
        return;
    m_description = cut;
    m_modified = true;
}

void Group::addMacro(Macro* macro)
{
    m_macros.append(macro);
    m_modified = true;
}

void Group::insertMacro(int index, Macro* macro)
{
    if (index < 0 || index > m_macros.size())
        index = m_macros.size();
    m_macros.insert(index, macro);
    m_modified = true;
}

Macro* Group::takeMacro(Macro* macro)
{
    const int index = indexOf(macro);
    if (index < 0)
        return nullptr;
    m_modified = true;
    return m_macros.takeAt(index);
}

void Group::removeMacro(const QString& sigla)
{
    for (int i = 0; i < m_macros.size(); ++i) {
        if (m_macros.at(i) && m_macros.at(i)->sigla() == sigla) {
            delete m_macros.takeAt(i);
            m_modified = true;
            return;
        }
    }
}

void Group::clear()
{
    qDeleteAll(m_macros);
    m_macros.clear();
}

Macro* Group::findByNumber(const QString& num) const
{
    for (Macro* macro : m_macros) {
        if (macro && macro->num() == num)
            return macro;
    }
    return nullptr;
}

Macro* Group::findBySigla(const QString& sigla) const
{
    for (Macro* macro : m_macros) {
        if (macro && macro->sigla() == sigla)
            return macro;
    }
    return nullptr;
}

Macro* Group::findByShortcut(const QString& shortcut) const
{
    for (Macro* macro : m_macros) {
        if (macro && macro->shortcut() == shortcut)
            return macro;
    }
    return nullptr;
}

bool Group::hasAnchor(const Macro* macro) const
{
    // Identifiers start at 1: without anchor settings no violation is the
    // anchor violation, and the empty slots (0) of legacy records are none.
    const int anchor = anchorSettings().anchorViolationId();
    return anchor > 0 && macro->violationIndex(quint8(anchor)) != -1;
}

QHash<QString, const Macro*> Group::siglaIndex() const
{
    QHash<QString, const Macro*> bySigla;
    bySigla.reserve(m_macros.size());
    for (const Macro* macro : m_macros) {
        if (macro && !bySigla.contains(macro->sigla()))
            bySigla.insert(macro->sigla(), macro);
    }
    return bySigla;
}

bool Group::updateFlowNumbers()
{
    const QHash<QString, const Macro*> bySigla = siglaIndex();
    // Every save runs this over every flow entry: the lines are made only
    // when a debug session takes them.
    DebugLogger* const logger = DebugLogger::instance();
    bool changed = false;
    for (Macro* macro : qAsConst(m_macros)) {
        if (!macro)
            continue;
        const QStringList flow = macro->flow();
        QList<quint16> flowNum = macro->flowNum();
        bool macroChanged = false;
        for (int i = 0; i < flow.size() && i < flowNum.size(); ++i) {
            if (flow.at(i).isEmpty())
                continue;
            if (logger->isEnabled()) {
                logger->log(QStringLiteral("Checking sigla: %1 with number: %2")
                                .arg(flow.at(i))
                                .arg(flowNum.at(i)),
                            this);
            }
            const Macro* target = bySigla.value(flow.at(i));
            if (!target)
                continue;
            const quint16 number = target->num().toUShort();
            if (number != flowNum.at(i)) {
                flowNum[i] = number;
                if (logger->isEnabled()) {
                    logger->log(QStringLiteral("Novo valor de flowNum[%1] = %2").arg(i).arg(number),
                                this);
                }
                macroChanged = true;
            }
        }
        if (macroChanged) {
            macro->setFlowNum(flowNum);
            changed = true;
        }
    }
    return changed;
}

bool Group::findAnchorSequence(QString& from, QString& next) const
{
    bool found = false;
    visitAnchorSequences([&](const Macro* first, const Macro* second) {
        from = first->sigla();
        next = second->sigla();
        found = true;
        return false;
    });
    return found;
}

QList<QPair<const Macro*, const Macro*>> Group::anchorSequences() const
{
    QList<QPair<const Macro*, const Macro*>> pairs;
    QSet<QPair<const Macro*, const Macro*>> seen;
    visitAnchorSequences([&](const Macro* from, const Macro* next) {
        // A flow may name the same macro in two slots: one pair all the same.
        const QPair<const Macro*, const Macro*> pair(from, next);
        if (!seen.contains(pair)) {
            seen.insert(pair);
            pairs.append(pair);
        }
        return true;
    });
    return pairs;
}

void Group::visitAnchorSequences(
    const std::function<bool(const Macro* from, const Macro* next)>& visit) const
{
    const QHash<QString, const Macro*> bySigla = siglaIndex();
    for (const Macro* macro : m_macros) {
        if (!macro || !hasAnchor(macro))
            continue;
        const QStringList flow = macro->flow();
        for (const QString& next : flow) {
            if (next.isEmpty())
                continue;
            const Macro* target = bySigla.value(next);
            if (target && hasAnchor(target) && !visit(macro, target))
                return;
        }
    }
}

bool Group::wouldCreateAnchorSequence(const QString& sigla, bool anchor,
                                      const QStringList& newFlow) const
{
    for (const Macro* macro : m_macros) {
        if (!macro)
            continue;
        const bool isEdited = macro->sigla() == sigla;
        if (!(isEdited ? anchor : hasAnchor(macro)))
            continue;
        // The edited macro is judged by the flow it is about to have, not by
        // the one stored: that is what the save will see.
        const QStringList flow = isEdited ? newFlow : macro->flow();
        for (const QString& next : qAsConst(flow)) {
            bool nextHasAnchor = false;
            if (next == sigla) {
                nextHasAnchor = anchor;
            } else if (!next.isEmpty()) {
                const Macro* target = findBySigla(next);
                nextHasAnchor = target && hasAnchor(target);
            }
            if (nextHasAnchor)
                return true;
        }
    }
    return false;
}

void Group::showAnchorSequenceError() const
{
    showAnchorSequenceMessage(
        tr("Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte "
           "o manual e revise o sequenciamento das macros."));
}

void Group::showAnchorSequenceError(const QString& from, const QString& next) const
{
    showAnchorSequenceMessage(
        tr("Não é possível criar macros seguidas com a análise de Âncoras, por favor consulte "
           "o manual e revise o sequenciamento das macros. (Macro %1->%2)")
            .arg(from, next));
}

void Group::showAnchorSequenceMessage(const QString& text) const
{
    UserMessage message;
    message.icon = UserMessage::Icon::Warning;
    message.title = tr("Atenção!");
    message.text = text;
    message.buttonText = tr("Ok");
    Messenger::current().show(message);
}

bool Group::checkVersion(int version) const
{
    if (version == CurrentVersion)
        return true;
    UserMessage message;
    message.icon = UserMessage::Icon::Warning;
    if (version < CurrentVersion) {
        message.text = tr("O arquivo foi gerado em uma versão mais antiga do Zor.");
    } else {
        message.richText = true;
        message.text =
            tr("O arquivo foi gerado em uma versão mais nova do Zor  e pode conter "
               "funcionalidades não suportadas. Faça o download da versão mais recente do Zor "
               "na página da Orvenda (") +
            QStringLiteral("<a href=\"%1\">%1</a>").arg(QLatin1String(DownloadPage)) +
            QStringLiteral(")");
    }
    Messenger::current().show(message);
    return true;
}

void Group::syncGeometry(Macro* macro) const
{
    if (!m_graph || !macro)
        return;
    QPointF position;
    QRectF rect;
    if (!m_graph->boxGeometry(macro, &position, &rect))
        return;
    // The box is stored as its top-left corner in the scene and its size, so
    // that it reopens exactly where and as large as it was drawn: a box
    // resized from its top or left edge has a rectangle that no longer starts
    // at its position, and the pen's half width must not add to its size.
    macro->setPosition((position + rect.topLeft()).toPoint());
    macro->setDimensions(QRect(0, 0, qRound(rect.width()), qRound(rect.height())));
}

bool Group::loadMcx(const QString& path, const QStringList& timerFlags)
{
    McxReader reader;
    if (!readMcx(path, reader))
        return false;
    reportReadNotes(path);
    // An unchanged document is re-laid out from its own bytes, which is the
    // same text as serialising it again, only much faster; the reader may
    // have done so already.
    QByteArray indented = reader.reindented();
    if (indented.isEmpty() || reader.hasTimerOfOne()) {
        QJsonObject root = reader.root();
        if (McxRewrite::dropUnusedTimers(root, timerFlags) ||
            (indented.isEmpty() && !JsonReindenter::reindent(reader.data(), &indented)))
            indented = QJsonDocument(root).toJson(QJsonDocument::Indented);
    }
    QString error;
    if (!FileSaver::save(path, indented, &error)) {
        // The group is read all the same: only the tidying of the file is lost.
        qWarning().noquote() << "Erro ao abrir o arquivo para escrita!" << path << error;
        DebugLogger::instance()->log(
            QStringLiteral("Erro ao abrir o arquivo para escrita! %1 %2").arg(path, error), this);
        return true;
    }
    DebugLogger::instance()->log(QStringLiteral("Arquivo JSON modificado com sucesso!"), this);
    return true;
}

bool Group::readMcx(const QString& path)
{
    // Without the rewrite of a load, the indented text would go unused.
    McxReader reader;
    reader.setReindenting(false);
    return readMcx(path, reader);
}

bool Group::readMcx(const QString& path, McxReader& reader)
{
    m_errorString.clear();
    switch (reader.readFile(path, *this)) {
    case McxReader::Result::Ok:
        return true;
    case McxReader::Result::InvalidStructure:
        showInvalidFormat(reader.errorKey());
        break;
    case McxReader::Result::CannotOpen:
        break;
    }
    noteFailure(path, reader.errorString());
    return false;
}

void Group::showInvalidFormat(const QString& key) const
{
    UserMessage message;
    message.icon = UserMessage::Icon::Warning;
    message.text = tr("Formato do arquivo inválido (%1).").arg(key);
    Messenger::current().show(message);
}

void Group::noteFailure(const QString& path, const QString& reason)
{
    m_errorString = reason;
    if (reason.isEmpty())
        return;
    qWarning().noquote() << path << reason;
    DebugLogger::instance()->log(path + QStringLiteral(": ") + reason, this);
}

void Group::reportReadNotes(const QString& path) const
{
    QStringList damage;
    for (const ReadNote& note : m_readNotes) {
        if (note.kind == ReadNote::Kind::LegacyDamage)
            damage.append(note.text());
        else
            DebugLogger::instance()->log(path + QStringLiteral(": ") + note.text(), this);
    }
    if (damage.isEmpty())
        return;
    // A file of random bytes has a cut length in every record: the first
    // ones tell enough.
    const int shown = 10;
    QStringList lines = damage.mid(0, shown);
    if (damage.size() > shown)
        lines.append(tr("(e mais %1)").arg(damage.size() - shown));
    UserMessage message;
    message.icon = UserMessage::Icon::Warning;
    message.title = tr("Atenção!");
    message.text = tr("O arquivo %1 está danificado; foi lido assim mesmo:").arg(path) +
                   QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
    Messenger::current().show(message);
}

bool Group::loadMcr(const QString& path)
{
    if (!readMcr(path, false))
        return false;
    reportReadNotes(path);
    return true;
}

bool Group::readMcr(const QString& path, bool strict)
{
    m_errorString.clear();
    McrReader reader;
    if (reader.readFile(path, *this, strict ? McrReader::Mode::Strict : McrReader::Mode::Lenient))
        return true;
    noteFailure(path, reader.errorString());
    return false;
}

bool Group::readFile(const QString& path)
{
    return hasMcrSuffix(path) ? readMcr(path, true) : readMcx(path);
}

bool Group::save()
{
    return saveAs(m_filePath);
}

bool Group::saveAs(const QString& path)
{
    m_errorString.clear();
    QString error;
    const bool saved = hasMcrSuffix(path) ? McrWriter::write(*this, path, &error)
                                          : McxWriter::write(*this, path, &error);
    if (!saved)
        noteFailure(path, error);
    return saved;
}

bool Group::hasMcrSuffix(const QString& path)
{
    return QFileInfo(path).suffix() == QLatin1String("mcr");
}
