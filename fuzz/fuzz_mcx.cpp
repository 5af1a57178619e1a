// Feeds arbitrary bytes to the .mcx reader, the rewrite and the writer.
#include "fuzzsupport.h"
#include "io/jsonreindenter.h"
#include "io/mcxfastreader.h"
#include "io/mcxreader.h"
#include "io/mcxrewrite.h"
#include "io/mcxwriter.h"
#include "model/group.h"
#include "model/macro.h"

#include <QJsonArray>
#include <QJsonDocument>

using FuzzSupport::require;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzSupport::initialize();
    return 0;
}

namespace {

// What the one-pass reader and the re-layout accept, they give exactly as
// the toolkit's document does.
void checkOnePass(const QByteArray& bytes)
{
    QByteArray indented;
    if (JsonReindenter::reindent(bytes, &indented)) {
        require(indented == QJsonDocument::fromJson(bytes).toJson(QJsonDocument::Indented),
                "re-laid out text is the toolkit's");
    }
    McxFastReader fast;
    if (!fast.read(bytes))
        return;
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    require(fast.indented() == QJsonDocument(root).toJson(QJsonDocument::Indented),
            "one-pass rewrite text is the toolkit's");
    const QJsonObject header = root.value(QLatin1String("header")).toObject();
    Group expected{header.value(QLatin1String("name")).toString(),
                   header.value(QLatin1String("description")).toString()};
    expected.setCreationDate(header.value(QLatin1String("creationDate")).toString());
    const QJsonArray macros = root.value(QLatin1String("macros")).toArray();
    for (const QJsonValue& element : macros)
        expected.addMacro(new Macro(element.toObject(), Group::CurrentVersion));
    Group actual{fast.name(), fast.description()};
    actual.setCreationDate(fast.creationDate());
    std::vector<std::unique_ptr<Macro>> read = fast.takeMacros();
    for (std::unique_ptr<Macro>& macro : read)
        actual.addMacro(macro.release());
    require(McxWriter::toJson(actual) == McxWriter::toJson(expected),
            "one-pass reader reads as the document does");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    checkOnePass(FuzzSupport::bytesOf(data, size));
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
