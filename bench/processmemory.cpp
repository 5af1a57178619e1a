#include "processmemory.h"

#include <QFile>
#include <QString>

#include <malloc.h>

namespace ProcessMemory {

namespace {

double statusValueMb(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    // A file of /proc has no size: read it whole rather than to its "end".
    const QByteArray prefix = QByteArray(key) + ':';
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (!line.startsWith(prefix))
            continue;
        // "VmHWM:    123456 kB"
        const QList<QByteArray> parts = line.mid(prefix.size()).simplified().split(' ');
        bool ok = false;
        const double kb = parts.value(0).toDouble(&ok);
        return ok ? kb / 1024.0 : -1;
    }
    return -1;
}

} // namespace

double peakMb()
{
    return statusValueMb("VmHWM");
}

double residentMb()
{
    return statusValueMb("VmRSS");
}

bool resetPeak()
{
    malloc_trim(0);
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (!clearRefs.open(QIODevice::WriteOnly))
        return false;
    // "5" resets the peak resident set size to the current one.
    return clearRefs.write("5") == 1;
}

} // namespace ProcessMemory
