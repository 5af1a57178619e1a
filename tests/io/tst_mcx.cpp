#include "groupvalues.h"
#include "io/mcxreader.h"
#include "io/mcxwriter.h"
#include "model/group.h"
#include "model/macro.h"
#include "samplegroups.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using ZorTest::contentsOf;
using ZorTest::TestEnvironment;
using ZorTest::writeFile;

namespace {

QJsonObject currentMacro()
{
    QJsonObject macro;
    Macro("5", "M", "0", "M", 1, false).write(macro);
    return macro;
}

QJsonObject withValues(QJsonObject object, const QJsonObject& values)
{
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

// The compact text of a document with one macro object.
QByteArray documentWith(const QJsonObject& macro, const QJsonValue& version = 2100)
{
    const QJsonObject header{{"version", version},
                             {"name", "G"},
                             {"description", "D"},
                             {"creationDate", "2024/01/02 03:04:05"},
                             {"nMacros", 1}};
    return QJsonDocument(QJsonObject{{"header", header}, {"macros", QJsonArray{macro}}})
        .toJson(QJsonDocument::Compact);
}

enum class Change { Remove, Number, Text, Array };

QJsonObject changed(QJsonObject object, const QString& key, Change change)
{
    const QJsonValue values[] = {QJsonValue(), 1, "x", QJsonArray()};
    if (change == Change::Remove)
        object.remove(key);
    else
        object.insert(key, values[int(change)]);
    return object;
}

// No temporary file is left beside the target.
void verifyNothingLeftBeside(const QString& file)
{
    const QStringList left = QDir(QFileInfo(file).absolutePath()).entryList({"*.mcx.*", "*.mcr.*"});
    QVERIFY2(left.isEmpty(), qPrintable(left.join(',')));
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestMcx : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { env = std::make_unique<TestEnvironment>(); }
    void roundTrip_data() { SampleGroups::addSeedRows(40); }
    void roundTrip()
    {
        QFETCH(quint32, seed);
        const auto original = SampleGroups::random(seed);
        // The writers skip an empty entry of the list.
        original->insertMacro(int(seed % 3), nullptr);
        original->setModified(false);
        const auto expected = SampleGroups::random(seed);
        keepWhatMcxHolds(*expected);
        const QString file = path("roundtrip.mcx");
        QVERIFY(original->saveAs(file));
        QVERIFY(!original->isModified());
        // Written straight, as the toolkit writes the document of the macros.
        const QByteArray saved = contentsOf(file);
        QCOMPARE(saved,
                 QJsonDocument(McxWriter::toJsonObject(*original)).toJson(QJsonDocument::Compact));

        // The editor's load reads it back and rewrites the file as the toolkit
        // indents it, less the timers that no analysis time uses: none without
        // the reference list.
        MessageRecorder recorder;
        for (const QStringList& flags : {QStringList(), SampleGroups::timerFlags()}) {
            Group loaded{QString(), QString()};
            QVERIFY(loaded.loadMcx(file, flags));
            QCOMPARE(valuesOf(loaded), valuesOf(*expected));
            QCOMPARE(loaded.version(), 2100);
            QVERIFY(!loaded.isModified() && loaded.readNotes().isEmpty());
            const QByteArray rewritten = contentsOf(file);
            QCOMPARE(rewritten, QJsonDocument::fromJson(rewritten).toJson(QJsonDocument::Indented));
            dropUnusedTimers(*expected, flags);
            Group again{QString(), QString()};
            QVERIFY(again.readMcx(file));
            QCOMPARE(valuesOf(again), valuesOf(*expected));
        }
        QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.texts().join('|')));
    }

    void versions_data()
    {
        QTest::addColumn<QJsonValue>("version");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("message");

        QTest::newRow("2100") << QJsonValue(2100) << 2100 << "";
        QTest::newRow("text 2.1.0.0") << QJsonValue("2.1.0.0") << 2100 << "";
        QTest::newRow("2000") << QJsonValue(2000) << 2000 << versionMessage(2000);
        QTest::newRow("newer") << QJsonValue(2200) << 2200 << versionMessage(2200);
        const QString unreadable =
            "A versão do arquivo, %1, não pôde ser lida; o arquivo é lido no "
            "formato atual.";
        QTest::newRow("not a number") << QJsonValue("abc") << 0 << unreadable.arg("\"abc\"");
        QTest::newRow("beyond int")
            << QJsonValue(4294967296.0) << 0 << unreadable.arg("4294967296");
    }

    void versions()
    {
        QFETCH(QJsonValue, version);
        QFETCH(int, expected);
        QFETCH(QString, message);

        // One macro in each key set: the version decides which one is read.
        const QJsonObject macro = withValues(currentMacro(), {{"name", "EN"}, {"nome", "PT"}});
        MessageRecorder recorder;
        Group group{QString(), QString()};
        QCOMPARE(McxReader().read(documentWith(macro, version), group), McxReader::Result::Ok);
        QCOMPARE(group.version(), expected);
        QCOMPARE(group.macros().at(0)->name(), QString(expected == 2000 ? "EN" : "PT"));
        QCOMPARE(recorder.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    }

    void version2000Macro()
    {
        QJsonArray violation;
        for (int i = 0; i < 40; ++i)
            violation.append(i < 3 ? i + 21 : (i >= 20 && i < 23 ? 0x40 + i : 0));
        const QJsonObject json{
            {"name", "ENTREGA"},
            {"num", "020"},
            {"shortcut", "5"},
            {"sigla", "ENT"},
            {"type", 2},
            {"isSecurity", true},
            // Beyond Latin-1 and beyond the screen.
            {"form", QString::fromUtf8("A<B€") + QString(900, 'x')},
            {"confirmationText", "OK"},
            {"validationInt", 5},
            {"dimensions", QJsonObject{{"x", 1}, {"y", 2}, {"width", 130}, {"height", 90}}},
            {"position", QJsonObject{{"x", 300}, {"y", 400}}},
            {"automation", QJsonArray{4, 260}},
            {"violation", violation},
            {"violationTimers", QJsonArray{240, 300}},
            {"flow", QJsonArray{"COL", "", "FIM"}},
            {"flowNum", QJsonArray{21, 0}},
            {"secureSensors", QJsonArray{2}},
            {"secureActuators", QJsonArray{3, 4}}};
        Macro expected("020", "ENTREGA", "5", "ENT", 2, false);
        expected.setForm(QByteArray("A<B?").leftJustified(800, 'x'));
        expected.setConfirmationText(QByteArray("OK").leftJustified(800, ' '));
        expected.setValidationInt(5);
        expected.setDimensions(QRect(1, 2, 130, 90));
        expected.setPosition(QPoint(300, 400));
        expected.setAutomation({4, 4});
        // Twenty slots: identifiers, then their reaction sets.
        const QList<quint8> unused = QVector<quint8>(17, 0).toList();
        expected.setViolation(QList<quint8>{21, 22, 23} + unused);
        expected.setViolationReactions(QList<quint8>{0x54, 0x55, 0x56} + unused);
        expected.setViolationTimers(QList<quint16>{240, 300} + QVector<quint16>(18, 0).toList());
        expected.setFlow({"COL", "", "FIM"});
        expected.setFlowNum({21, 0, 0});
        expected.setFlowPos({0, 1, 2});
        expected.setSecureSensors({2});
        expected.setSecureActuators({3, 4});
        QCOMPARE(valuesOf(Macro(json, 2000)), valuesOf(expected));
    }

    void valuesThatDoNotFit_data()
    {
        QTest::addColumn<QJsonObject>("changes");
        QTest::addColumn<QStringList>("notes");

        // A value of macro 5 (0 when the value is its number) outside its field's limits.
        const QString range =
            "M (%1): O valor %2 de \"%3\" está fora do intervalo de %4; lido como %5.";
        const auto outside = [range](const char* value, const char* key, const char* limits,
                                     int readAs, int macro = 5) {
            return range.arg(macro).arg(value, key, limits).arg(readAs);
        };
        const QString notInteger =
            "M (%1): O valor %2 de \"%3\" não é um número inteiro; lido como 0.";
        const auto violation = [](int id, int tempo, int raio) {
            return QJsonArray{
                QJsonObject{{"id", id}, {"raio", raio}, {"reacao", 0}, {"tempo", tempo}}};
        };
        QTest::newRow("radius")
            << QJsonObject{{"violacoes", violation(23, 0, 70000)}}
            << QStringList{outside("70000", "violacoes[0].raio", "0 a 65535", 4464)};
        QTest::newRow("automations")
            << QJsonObject{{"automacao", QJsonArray{258, -1}}}
            << QStringList{outside("258", "automacao[0]", "0 a 255", 2),
                           outside("-1", "automacao[1]", "0 a 255", 255)};
        QTest::newRow("number as text") << QJsonObject{{"idMacro", "12"}}
                                        << QStringList{notInteger.arg(0).arg("\"12\"", "idMacro")};
        QTest::newRow("fraction") << QJsonObject{{"type", 1.5}}
                                  << QStringList{notInteger.arg(5).arg(1.5).arg("type")};
        const char* const anyInt = "-2147483648 a 2147483647";
        QTest::newRow("beyond int")
            << QJsonObject{{"idMacro", 2147483648.0}}
            << QStringList{outside("2147483648", "idMacro", anyInt, 0, 0)};
        QTest::newRow("huge geometry")
            << QJsonObject{{"dimensions",
                            QJsonObject{
                                {"x", 2147483647}, {"y", 0}, {"width", 100}, {"height", -2000000}}},
                           {"position", QJsonObject{{"x", 1e300}, {"y", 3}}}}
            << QStringList{outside("1e+300", "position.x", anyInt, 0),
                           outside("2147483647", "dimensions.x", "-1000000 a 1000000", 1000000),
                           outside("-2000000", "dimensions.height", "-1000000 a 1000000", -1000000)};
        // Elements of another type read as empty ones, and are kept.
        QTest::newRow("wrong element types")
            << QJsonObject{{"violacoes", QJsonArray{1, "x", QJsonValue::Null}},
                           {"fluxoMacros", QJsonArray{true, 2.5}},
                           {"automacao", QJsonArray{"a"}}}
            << QStringList{notInteger.arg(5).arg("\"a\"", "automacao[0]")};
        QTest::newRow("all fit") << QJsonObject{{"violacoes", violation(23, 240, 5000)}}
                                 << QStringList();
    }

    // What did not fit is read as before, and told.
    void valuesThatDoNotFit()
    {
        QFETCH(QJsonObject, changes);
        const QString file = path("unfit.mcx");
        writeFile(file, documentWith(withValues(currentMacro(), changes)));

        Group group{QString(), QString()};
        QVERIFY(group.readMcx(file));
        QStringList texts;
        for (const ReadNote& note : group.readNotes()) {
            QCOMPARE(note.kind, ReadNote::Kind::ValueRange);
            texts.append(note.text());
        }
        QTEST(texts, "notes");
        const Macro* macro = group.macros().at(0);
        QCOMPARE(macro->violationReactions().size(), changes.value("violacoes").toArray().size());
        QCOMPARE(macro->violationTimers().size(), macro->violation().size());
        QCOMPARE(macro->flowPos().size(), changes.value("fluxoMacros").toArray().size());
        QCOMPARE(macro->flowNum().size(), macro->flow().size());
        // Whatever was read is written so that it reads back to the same file.
        QVERIFY(group.saveAs(file));
        Group again{QString(), QString()};
        QVERIFY(again.readMcx(file));
        QCOMPARE(McxWriter::toJson(again), contentsOf(file));
    }

    void structure_data()
    {
        // The document, and the key the message names; none when it reads.
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("reason");

        const QByteArray empty = documentWith(currentMacro());
        const QJsonObject root = QJsonDocument::fromJson(empty).object();
        const auto document = [&](const QString& where, const QString& key, Change change,
                                  const QJsonValue& version = 2100) {
            QJsonObject header = root["header"].toObject();
            header.insert("version", version);
            QJsonObject macro = root["macros"][0].toObject();
            QJsonObject top{
                {"header", where == "header" ? changed(header, key, change) : header},
                {"macros", QJsonArray{where == "macro" ? changed(macro, key, change) : macro}}};
            if (where == "root")
                top = changed(top, key, change);
            return QJsonDocument(top).toJson(QJsonDocument::Compact);
        };
        const auto row = [](const QByteArray& tag, const QByteArray& bytes, const QString& key,
                            const QString& reason = QString()) {
            QTest::newRow(tag.constData()) << bytes << key << reason;
        };
        row("valid", empty, "");
        row("no header", document("root", "header", Change::Remove), "header");
        row("header array", document("root", "header", Change::Array), "header");
        row("no macros", document("root", "macros", Change::Remove), "macros");
        row("macros text", document("root", "macros", Change::Text), "macros");
        // Each key missing and, where a type is required, mistyped (Remove: any
        // type will do).
        using Keys = QList<std::pair<QByteArray, Change>>;
        const Keys headerKeys{{"version", Change::Remove},
                              {"name", Change::Number},
                              {"description", Change::Array},
                              {"creationDate", Change::Number},
                              {"nMacros", Change::Remove}};
        const Keys macroKeys{{"atalho", Change::Remove},      {"automacao", Change::Number},
                             {"confirmacao", Change::Number}, {"dimensions", Change::Array},
                             {"fluxoMacros", Change::Text},   {"formulario", Change::Array},
                             {"idMacro", Change::Remove},     {"informacao", Change::Remove},
                             {"nome", Change::Number},        {"num", Change::Remove},
                             {"position", Change::Number},    {"sigla", Change::Number},
                             {"validacoes", Change::Remove},  {"violacoes", Change::Text}};
        for (const QString where : {"header", "macro"}) {
            for (const auto& [key, wrongType] : where == "header" ? headerKeys : macroKeys) {
                const QString name = key == "creationDate" ? "creation date" : QString(key);
                row("no " + key, document(where, key, Change::Remove), name);
                const bool typed = wrongType != Change::Remove;
                row(key + " mistyped", document(where, key, typed ? wrongType : Change::Array),
                    typed ? name : "");
            }
        }
        // Older files have other keys: only 2100 and later are checked.
        row("version 2000", document("macro", "sigla", Change::Remove, 2000), "");
        row("version as text", document("macro", "sigla", Change::Remove, "2.1.0.0"), "");
        row("newer version", document("macro", "sigla", Change::Remove, 2300), "sigla");
        // Where the parser stopped and why, as an editor counts lines and columns.
        const QString syntax = "Erro de sintaxe JSON na linha %1, coluna %2 (byte %3): %4.";
        row("empty", QByteArray(), "header", syntax.arg(1).arg(1).arg(0).arg("illegal value"));
        row("garbage", QByteArray("\0\377", 2), "header",
            syntax.arg(1).arg(2).arg(1).arg("illegal value"));
        row("truncated", "{\n  \"header\": {\n   \"na", "header",
            syntax.arg(3).arg(7).arg(23).arg("unterminated string"));
        row("array", "[{\"header\": {}}]", "header");
    }

    // Through the group: the message names the key, and nothing is read but the
    // path; the file is left as it was.
    void structure()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, key);

        const QString file = path("structure.mcx");
        writeFile(file, bytes);
        MessageRecorder recorder;
        Group group{"Antes", "Descrição"};
        group.setModified(false);
        QCOMPARE(group.loadMcx(file, SampleGroups::timerFlags()), key.isEmpty());
        if (key.isEmpty())
            return;
        QCOMPARE(recorder.texts(), QStringList{"Formato do arquivo inválido (" + key + ")."});
        QCOMPARE(recorder.messages.at(0).icon, UserMessage::Icon::Warning);
        QTEST(group.errorString(), "reason");
        QCOMPARE(group.filePath(), file);
        QCOMPARE(group.name(), QStringLiteral("Antes"));
        QCOMPARE(group.version(), 2100);
        QCOMPARE(group.macroCount(), 0);
        QVERIFY(!group.isModified());
        QCOMPARE(contentsOf(file), bytes);
    }

    // The editor loads a file the user may not write (and leaves it as it was),
    // but can't save over it, and says why in words the user can act on.
    void readOnlyFile()
    {
        const QString file = path("readonly.mcx");
        QVERIFY(SampleGroups::sample()->saveAs(file));
        const QByteArray before = contentsOf(file);
        QVERIFY(
            QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

        Group loaded{QString(), QString()};
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^Erro ao abrir o arquivo para escrita!"));
        QVERIFY(loaded.loadMcx(file, SampleGroups::timerFlags()));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(file)));
        QVERIFY(!loaded.saveAs(file));
        QCOMPARE(loaded.errorString(), QStringLiteral("O arquivo está protegido contra gravação."));
        QCOMPARE(contentsOf(file), before);
        verifyNothingLeftBeside(file);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    }

    void unreadableFile()
    {
        MessageRecorder recorder;
        Group group{"G", "D"};
        group.setModified(false);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nothere.mcx"));
        QVERIFY(!group.loadMcx(path("nothere.mcx")));
        QVERIFY(recorder.messages.isEmpty());
        QCOMPARE(group.errorString(), QStringLiteral("No such file or directory"));
        QCOMPARE(group.name(), QStringLiteral("G"));
        QVERIFY(!group.isModified());
    }

private:
    QString path(const QString& name) const { return env->filePath(name); }
    std::unique_ptr<TestEnvironment> env;
};

QTEST_GUILESS_MAIN(TestMcx)
#include "tst_mcx.moc"
