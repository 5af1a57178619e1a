#include "inputfile.h"

#include "filesaver.h"

#include <QFile>
#include <QFileInfo>

bool InputFile::read(const QString& path, QByteArray* data, QString* errorString)
{
    // Asked before the file is opened: opening a FIFO for reading waits for
    // a writer.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        *errorString = tr("Não é um arquivo comum (é uma pasta, um dispositivo ou um pipe).");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *errorString = FileSaver::reasonOf(file);
        return false;
    }
    if (file.size() > MaxSize) {
        *errorString = tr("O arquivo tem %1 bytes; um grupo de macros não passa de %2 bytes.")
                           .arg(file.size())
                           .arg(MaxSize);
        return false;
    }
    // A regular file of a known size is read in one go, no further.
    *data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *errorString = FileSaver::reasonOf(file);
        data->clear();
        return false;
    }
    return true;
}
