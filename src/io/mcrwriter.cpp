#include "mcrwriter.h"

#include "filesaver.h"
#include "model/group.h"
#include "model/macro.h"

#include <QDataStream>
#include <QtEndian>

static_assert(McrWriter::StreamVersion == QDataStream::Qt_4_5, "the files use stream version 11");

bool McrWriter::write(const Group& group, const QString& path, QString* errorString)
{
    return FileSaver::save(path, toBytes(group), errorString);
}

QByteArray McrWriter::toBytes(const Group& group)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(StreamVersion);

    QList<Macro*> macros = group.macros();
    macros.removeAll(nullptr);
    // Byte-swapped so that the big-endian stream puts it down in the
    // little-endian order of the legacy header.
    stream << qbswap(quint32(group.version()));
    stream << group.name() << group.description() << group.creationDate();
    stream << qint32(macros.size());
    for (Macro* macro : qAsConst(macros)) {
        group.syncGeometry(macro);
        stream << *macro;
    }
    return bytes;
}

void McrWriter::writeMacro(QDataStream& stream, const Macro& macro)
{
    // McrStreamReader::readMacro reads the fields back in this order.
    stream << macro.num() << macro.name() << macro.shortcut() << macro.sigla();
    stream << qint32(macro.type()) << macro.isSecurity();
    stream << macro.form() << macro.formFields() << macro.confirmationText();
    // A list that no version ever filled, kept for the layout.
    stream << QStringList();
    stream << macro.validationInt();
    stream << macro.automation() << macro.violation() << macro.violationTimers();
    stream << macro.secureSensors() << macro.secureActuators();
    stream << macro.flow() << macro.flowNum();
    stream << macro.dimensions() << macro.position();
}
