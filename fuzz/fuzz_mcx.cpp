// Feeds arbitrary bytes to the .mcx reader, the rewrite and the writer.
#include "fuzzsupport.h"
#include "io/mcxreader.h"
#include "io/mcxrewrite.h"
#include "io/mcxwriter.h"
#include "model/group.h"

#include <QJsonDocument>

using FuzzSupport::require;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzSupport::initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Group group{QString(), QString()};
    McxReader reader;
    if (reader.read(FuzzSupport::bytesOf(data, size), group) != McxReader::Result::Ok)
        return 0;
    QJsonObject root = reader.root();
    McxRewrite::dropUnusedTimers(root, FuzzSupport::timerFlags());
    QJsonDocument(root).toJson(QJsonDocument::Indented);

    // What the reader accepts, the writer writes in a form that the reader
    // accepts again and that stays the same from the second save on (the
    // first may drop what the format does not keep, such as empty flow
    // entries).
    const QByteArray first = McxWriter::toJson(group);
    Group reread{QString(), QString()};
    require(McxReader().read(first, reread) == McxReader::Result::Ok, "written .mcx reads back");
    const QByteArray second = McxWriter::toJson(reread);
    Group again{QString(), QString()};
    require(McxReader().read(second, again) == McxReader::Result::Ok, "rewritten .mcx reads back");
    require(McxWriter::toJson(again) == second, ".mcx stays the same once written");
    return 0;
}
