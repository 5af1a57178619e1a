#include "mcrreader.h"

#include "app/debuglogger.h"
#include "boxgeometry.h"
#include "inputfile.h"
#include "mcrstreamreader.h"
#include "model/group.h"
#include "model/macro.h"

#include <QDateTime>
#include <QtEndian>

namespace {

// Header: version, creation date, group name, description.
constexpr int DateOffset = 4;
constexpr int DateSize = 19;
constexpr int NameOffset = 23;
constexpr int NameSize = 50;
constexpr int DescriptionOffset = 73;
constexpr int DescriptionSize = 296;

// Macro record.
namespace Record {
constexpr int Number = 0;
constexpr int NameLength = 4;
constexpr int Name = 5;
constexpr int NameSize = 40;
constexpr int Shortcut = 45;
constexpr int SiglaLength = 46;
constexpr int Sigla = 47;
constexpr int SiglaSize = 3;
constexpr int Type = 50;
constexpr int Information = 51;
constexpr int Flow = 52;
constexpr int FlowSlotSize = 6;
constexpr int FlowSiglaSize = 4;
constexpr int PositionX = 112;
constexpr int PositionY = 116;
constexpr int Width = 120;
constexpr int Height = 124;
constexpr int Violations = 384;
constexpr int Reactions = 404;
constexpr int ViolationCount = 20;
constexpr int Automations = 424;
constexpr int AutomationCount = 10;
constexpr int Validations = 434;
constexpr int Form = 436;
constexpr int Confirmation = 1236;
} // namespace Record

// The bytes of a header field that the data holds: a short file yields a
// shorter field, or none.
QByteArray field(const QByteArray& data, int offset, int size)
{
    if (offset >= data.size())
        return QByteArray();
    return data.mid(offset, qMin(size, data.size() - offset));
}

// A NUL-terminated text that ends at the end of its field when no NUL
// comes first.
QString terminatedText(const char* bytes, int size)
{
    return QString::fromLatin1(bytes, int(qstrnlen(bytes, uint(size))));
}

QString terminatedText(const QByteArray& bytes)
{
    return terminatedText(bytes.constData(), bytes.size());
}

quint32 versionOf(const QByteArray& data)
{
    QByteArray bytes = field(data, 0, 4);
    bytes.append(QByteArray(4 - bytes.size(), '\0'));
    return qFromLittleEndian<quint32>(bytes.constData());
}

template <typename T> T valueAt(const char* record, int offset)
{
    return qFromLittleEndian<T>(record + offset);
}

} // namespace

bool McrReader::readFile(const QString& path, Group& group, Mode mode)
{
    group.setFilePath(path);
    QByteArray data;
    if (!InputFile::read(path, &data, &m_errorString))
        return false;
    return read(data, group, mode);
}

bool McrReader::read(const QByteArray& data, Group& group, Mode mode)
{
    m_layout = McrStreamReader::recognises(data) ? Layout::DataStream : Layout::Legacy;
    if (m_layout == Layout::Legacy && mode == Mode::Strict && data.size() < HeaderSize) {
        m_errorString = tr("O arquivo tem %1 bytes, menos que os %2 do cabeçalho de um arquivo "
                           ".mcr.")
                            .arg(data.size())
                            .arg(HeaderSize);
        return false;
    }

    const quint32 version = versionOf(data);
    DebugLogger::instance()->log(QStringLiteral("mcr version: %1").arg(version), &group);
    group.setVersion(int(version));
    group.checkVersion(int(version));

    if (m_layout == Layout::DataStream) {
        McrStreamReader reader;
        if (!reader.read(data, group)) {
            m_errorString =
                tr("O arquivo termina antes do fim dos seus dados (%1).").arg(reader.errorString());
            return false;
        }
    } else {
        readLegacy(data, group);
    }
    group.setModified(false);
    return true;
}

void McrReader::readLegacy(const QByteArray& data, Group& group)
{
    QList<ReadNote> notes;
    if (data.size() < HeaderSize) {
        notes.append(damage(tr("O arquivo tem %1 bytes, menos que os %2 do cabeçalho: o grupo "
                               "fica vazio.")
                                .arg(data.size())
                                .arg(HeaderSize)));
    } else if (const int left = (data.size() - HeaderSize) % RecordSize) {
        notes.append(damage(
            tr("Sobram %1 bytes depois do último registro completo; foram ignorados.").arg(left)));
    }
    // The program never wrote the legacy layout: no such file can come from
    // a version newer than this one.
    const quint32 version = versionOf(data);
    if (version > quint32(Group::CurrentVersion)) {
        notes.append(
            damage(tr("A versão %1 é mais nova que a de qualquer arquivo .mcr.").arg(version)));
    }
    for (int offset = HeaderSize; data.size() - offset >= RecordSize; offset += RecordSize)
        group.addMacro(readLegacyRecord(data.constData() + offset, &notes).release());
    readLegacyHeader(data, group);
    for (const ReadNote& note : qAsConst(notes))
        group.addReadNote(note);
}

ReadNote McrReader::damage(const QString& message)
{
    ReadNote note;
    note.kind = ReadNote::Kind::LegacyDamage;
    note.message = message;
    return note;
}

void McrReader::readLegacyHeader(const QByteArray& data, Group& group)
{
    group.setName(terminatedText(field(data, NameOffset, NameSize)));
    group.setDescription(terminatedText(field(data, DescriptionOffset, DescriptionSize)));

    const QString date = QString::fromLatin1(field(data, DateOffset, DateSize));
    const QDateTime created = QDateTime::fromString(date, QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    group.setCreationTime(created);
    // Day first: a group read from .mcr keeps this form when saved as .mcx.
    group.setCreationDate(created.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")));
}

std::unique_ptr<Macro> McrReader::readLegacyRecord(const char* record, QList<ReadNote>* notes)
{
    const int storedNameLength = quint8(record[Record::NameLength]);
    const int storedSiglaLength = quint8(record[Record::SiglaLength]);
    const int nameLength = qMin(storedNameLength, Record::NameSize);
    const int siglaLength = qMin(storedSiglaLength, Record::SiglaSize);
    auto macro =
        std::make_unique<Macro>(QString::number(valueAt<qint16>(record, Record::Number)),
                                QString::fromLatin1(record + Record::Name, nameLength),
                                QString::number(quint8(record[Record::Shortcut])),
                                QString::fromLatin1(record + Record::Sigla, siglaLength),
                                qint8(record[Record::Type]), record[Record::Information] == 0);

    macro->setPosition(BoxGeometry::point(valueAt<qint32>(record, Record::PositionX),
                                          valueAt<qint32>(record, Record::PositionY)));
    macro->setDimensions(BoxGeometry::rect(0, 0, valueAt<qint32>(record, Record::Width),
                                           valueAt<qint32>(record, Record::Height)));

    QStringList flow;
    QList<quint16> flowNum;
    QList<quint16> flowPos;
    for (int slot = 0; slot < Macro::FlowSlots; ++slot) {
        const char* entry = record + Record::Flow + slot * Record::FlowSlotSize;
        const qint8 number = qint8(entry[0]);
        if (number == 0)
            continue;
        flow.append(terminatedText(entry + 2, Record::FlowSiglaSize));
        flowNum.append(quint16(qint16(number)));
        flowPos.append(quint16(slot));
    }
    macro->setFlow(flow);
    macro->setFlowNum(flowNum);
    macro->setFlowPos(flowPos);

    macro->setValidationInt(valueAt<quint16>(record, Record::Validations));
    QList<quint8> automation;
    for (int i = 0; i < Record::AutomationCount; ++i)
        automation.append(quint8(record[Record::Automations + i]));
    macro->setAutomation(automation);

    QList<quint8> violation;
    QList<quint8> reactions;
    QList<quint16> timers;
    for (int i = 0; i < Record::ViolationCount; ++i) {
        violation.append(quint8(record[Record::Violations + i]));
        reactions.append(quint8(record[Record::Reactions + i]));
        // The legacy layout has no analysis times; the next .mcx load drops
        // this one for violations that have none.
        timers.append(1);
    }
    macro->setViolation(violation);
    macro->setViolationReactions(reactions);
    macro->setViolationTimers(timers);

    macro->setForm(record + Record::Form, Macro::ScreenSize);
    macro->setConfirmationText(record + Record::Confirmation, Macro::ScreenSize);

    const auto cut = [&](const QString& message) {
        ReadNote note = damage(message);
        note.sigla = macro->sigla();
        note.num = macro->num();
        notes->append(note);
    };
    if (storedNameLength > Record::NameSize) {
        cut(tr("O comprimento do nome, %1, passa dos %2 bytes do campo e foi cortado.")
                .arg(storedNameLength)
                .arg(Record::NameSize));
    }
    if (storedSiglaLength > Record::SiglaSize) {
        cut(tr("O comprimento da sigla, %1, passa dos %2 bytes do campo e foi cortado.")
                .arg(storedSiglaLength)
                .arg(Record::SiglaSize));
    }
    return macro;
}
