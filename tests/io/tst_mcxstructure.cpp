#include "io/mcxstructurecheck.h"
#include "io/mcxwriter.h"
#include "model/group.h"
#include "samplegroups.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using ZorTest::TestEnvironment;

namespace {

// What to do to a valid document before the check.
enum class Change { Remove, MakeNumber, MakeString, MakeArray };

QJsonObject validDocument()
{
    const auto group = SampleGroups::everyField();
    return QJsonDocument::fromJson(McxWriter::toJson(*group)).object();
}

void apply(QJsonObject& object, const QString& key, Change change)
{
    switch (change) {
    case Change::Remove:
        object.remove(key);
        break;
    case Change::MakeNumber:
        object.insert(key, 1);
        break;
    case Change::MakeString:
        object.insert(key, "x");
        break;
    case Change::MakeArray:
        object.insert(key, QJsonArray());
        break;
    }
}

// The document with one key of the header, of the root or of the second
// macro changed, under the given header version.
QJsonObject documentWith(const QString& where, const QString& key, Change change,
                         const QJsonValue& version)
{
    QJsonObject root = validDocument();
    QJsonObject header = root.value("header").toObject();
    header.insert("version", version);
    if (where == "root") {
        root.insert("header", header);
        apply(root, key, change);
        return root;
    }
    if (where == "header")
        apply(header, key, change);
    root.insert("header", header);
    if (where == "macro") {
        QJsonArray macros = root.value("macros").toArray();
        QJsonObject second = macros.at(1).toObject();
        apply(second, key, change);
        macros.replace(1, second);
        root.insert("macros", macros);
    }
    return root;
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestMcxStructure : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void check_data();
    void check();
    void notJson_data();
    void notJson();

private:
    std::unique_ptr<TestEnvironment> env;
};

void TestMcxStructure::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
}

void TestMcxStructure::check_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("version");
    QTest::addColumn<QString>("failure"); // empty: the check passes

    const QJsonValue current(2100);
    QTest::newRow("valid") << "none" << Change::Remove << "" << current << "";

    QTest::newRow("no header") << "root" << Change::Remove << "header" << current << "header";
    QTest::newRow("header array") << "root" << Change::MakeArray << "header" << current << "header";
    QTest::newRow("no macros") << "root" << Change::Remove << "macros" << current << "macros";
    QTest::newRow("macros object")
        << "root" << Change::MakeString << "macros" << current << "macros";

    // Header keys: presence for version and nMacros, text for the others.
    const auto header = [&](const char* row, Change change, const char* key, const char* failure) {
        QTest::newRow(row) << "header" << change << key << current << failure;
    };
    header("no version", Change::Remove, "version", "version");
    header("no name", Change::Remove, "name", "name");
    header("name number", Change::MakeNumber, "name", "name");
    header("no description", Change::Remove, "description", "description");
    header("description array", Change::MakeArray, "description", "description");
    header("no creation date", Change::Remove, "creationDate", "creation date");
    header("creation date number", Change::MakeNumber, "creationDate", "creation date");
    header("no nMacros", Change::Remove, "nMacros", "nMacros");
    header("nMacros text", Change::MakeString, "nMacros", "");

    // Macro keys, each missing and, where a type is required, mistyped.
    const struct
    {
        const char* key;
        Change wrongType; // Remove: any type will do
    } keys[] = {
        {"atalho", Change::Remove},          {"automacao", Change::MakeNumber},
        {"confirmacao", Change::MakeNumber}, {"dimensions", Change::MakeArray},
        {"fluxoMacros", Change::MakeString}, {"formulario", Change::MakeArray},
        {"idMacro", Change::Remove},         {"informacao", Change::Remove},
        {"nome", Change::MakeNumber},        {"num", Change::Remove},
        {"position", Change::MakeNumber},    {"sigla", Change::MakeNumber},
        {"validacoes", Change::Remove},      {"violacoes", Change::MakeString},
    };
    for (const auto& k : keys) {
        const QString key = QLatin1String(k.key);
        QTest::addRow("no %s", k.key) << "macro" << Change::Remove << key << current << key;
        if (k.wrongType != Change::Remove)
            QTest::addRow("%s mistyped", k.key) << "macro" << k.wrongType << key << current << key;
        else
            QTest::addRow("%s of another type", k.key)
                << "macro" << Change::MakeArray << key << current << "";
        // Older files have other keys: only 2100 and later are checked.
        QTest::addRow("no %s, version 2000", k.key)
            << "macro" << Change::Remove << key << QJsonValue(2000) << "";
        QTest::addRow("no %s, version as text", k.key)
            << "macro" << Change::Remove << key << QJsonValue("2.1.0.0") << "";
    }
    QTest::newRow("no sigla, newer version")
        << "macro" << Change::Remove << "sigla" << QJsonValue(2300) << "sigla";
}

void TestMcxStructure::check()
{
    QFETCH(QString, where);
    QFETCH(Change, change);
    QFETCH(QString, key);
    QFETCH(QJsonValue, version);
    QFETCH(QString, failure);

    const QJsonObject root = documentWith(where, key, change, version);
    QString found = "untouched";
    QCOMPARE(McxStructureCheck::check(root, &found), failure.isEmpty());
    if (!failure.isEmpty())
        QCOMPARE(found, failure);

    // Through the group: the message, and nothing read but the path.
    const QString file = env->filePath("structure.mcx");
    const QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Compact);
    ZorTest::writeFile(file, bytes);

    MessageRecorder recorder;
    Group group{"Antes", "Descrição"};
    group.setModified(false);
    if (failure.isEmpty()) {
        QVERIFY(group.readMcx(file));
        return;
    }
    QVERIFY(!group.loadMcx(file, SampleGroups::timerFlags()));
    QCOMPARE(recorder.texts(), QStringList{"Formato do arquivo inválido (" + failure + ")."});
    QCOMPARE(recorder.messages.at(0).icon, UserMessage::Icon::Warning);
    QCOMPARE(group.filePath(), file);
    QCOMPARE(group.name(), QStringLiteral("Antes"));
    QCOMPARE(group.version(), 2100);
    QCOMPARE(group.macroCount(), 0);
    QVERIFY(!group.isModified());
    QCOMPARE(ZorTest::contentsOf(file), bytes);
}

void TestMcxStructure::notJson_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\x00\xff\x10zor", 6);
    QTest::newRow("truncated") << QByteArray("{\"header\": {\"version\": 2100, \"na");
    QTest::newRow("array") << QByteArray("[{\"header\": {}}]");
    QTest::newRow("legacy bytes") << QByteArray("\x34\x08\x00\x00"
                                                "2015/03/07",
                                                14);
}

void TestMcxStructure::notJson()
{
    QFETCH(QByteArray, bytes);
    const QString file = env->filePath("notjson.mcx");
    ZorTest::writeFile(file, bytes);

    MessageRecorder recorder;
    Group group{QString(), QString()};
    QVERIFY(!group.loadMcx(file));
    QCOMPARE(recorder.texts(), QStringList{"Formato do arquivo inválido (header)."});
}

QTEST_GUILESS_MAIN(TestMcxStructure)
#include "tst_mcxstructure.moc"
