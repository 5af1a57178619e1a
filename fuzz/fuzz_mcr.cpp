// Feeds arbitrary bytes to the .mcr reader (legacy and data-stream layouts)
// and writes what it reads in the data-stream layout. The .mcx writer has its
// own target: run here it would take most of the time.
#include "fuzzsupport.h"
#include "io/mcrreader.h"
#include "io/mcrwriter.h"
#include "model/group.h"

using FuzzSupport::require;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzSupport::initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Group group{QString(), QString()};
    if (!McrReader().read(FuzzSupport::bytesOf(data, size), group))
        return 0;

    // Saved under an .mcr name, the group reads back in the data-stream
    // layout to the same bytes.
    const QByteArray stream = McrWriter::toBytes(group);
    Group reread{QString(), QString()};
    McrReader reader;
    require(reader.read(stream, reread), "written .mcr reads back");
    require(reader.layout() == McrReader::Layout::DataStream, "written .mcr is a data stream");
    require(McrWriter::toBytes(reread) == stream, ".mcr stays the same once written");
    return 0;
}
