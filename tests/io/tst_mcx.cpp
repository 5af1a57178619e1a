#include "app/anchorsettings.h"
#include "io/mcxreader.h"
#include "io/mcxwriter.h"
#include "macrodiff.h"
#include "model/group.h"
#include "model/macro.h"
#include "samplegroups.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <sys/stat.h>

using ZorTest::contentsOf;
using ZorTest::TestEnvironment;
using ZorTest::writeFile;

namespace {

const QString OlderVersion =
    QStringLiteral("O arquivo foi gerado em uma versão mais antiga do Zor.");

QJsonObject documentOf(const QString& path)
{
    return QJsonDocument::fromJson(contentsOf(path)).object();
}

QJsonObject firstMacroOf(const QString& path)
{
    return documentOf(path).value("macros").toArray().at(0).toObject();
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

bool saveOne(Macro* macro, const QString& file)
{
    Group group{QString(), QString()};
    group.addMacro(macro);
    return group.saveAs(file);
}

QJsonObject currentMacro()
{
    QJsonObject macro;
    Macro(QStringLiteral("5"), QStringLiteral("M"), QStringLiteral("0"), QStringLiteral("M"), 1,
          false)
        .write(macro);
    return macro;
}

QByteArray blanks(int count)
{
    return QByteArray(count, ' ');
}

} // namespace

class TestMcx : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void roundTrip();
    void savedFile();
    void numbersAndShortcuts_data();
    void numbersAndShortcuts();
    void screenWriting_data();
    void screenWriting();
    void screenReading_data();
    void screenReading();
    void flowSlots();
    void violationsWritten();
    void versions_data();
    void versions();
    void version2000Macro();
    void rewrite_data();
    void rewrite();
    void readOnlyFileStillLoads();
    void readMcxLeavesFileAlone();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void unreadableFile();
    void hostileValues_data();
    void hostileValues();
    void valuesThatDoNotFit_data();
    void valuesThatDoNotFit();
    void fuzzInputs_data();
    void fuzzInputs();

private:
    QString path(const QString& name) const { return env->filePath(name); }
    std::unique_ptr<TestEnvironment> env;
};

void TestMcx::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
    QCOMPARE(ZorObject::anchorSettings().anchorViolationId(), 23);
    QCOMPARE(ZorObject::anchorSettings().defaultRadius(), 100);
}

void TestMcx::roundTrip()
{
    MessageRecorder recorder;
    const auto original = SampleGroups::everyField();
    const QString file = path("roundtrip.mcx");
    QVERIFY(original->saveAs(file));
    QVERIFY(original->isModified() == false);

    Group loaded{QString(), QString()};
    QVERIFY(loaded.loadMcx(file, SampleGroups::timerFlags()));
    QCOMPARE(loaded.filePath(), file);
    QCOMPARE(loaded.version(), 2100);
    QVERIFY(!loaded.isModified());
    // The form-field table is not part of the JSON format.
    const QString difference = groupDifference(*original, loaded, {"formFields"});
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.texts().join('|')));

    // The rewritten (indented) file reads back to the same group again.
    Group again{QString(), QString()};
    QVERIFY(again.loadMcx(file, SampleGroups::timerFlags()));
    QCOMPARE(groupDifference(*original, again, {"formFields"}), QString());
}

void TestMcx::savedFile()
{
    const auto group = SampleGroups::everyField();
    group->setVersion(2000);
    const QString file = path("shape.mcx");
    QVERIFY(group->saveAs(file));
    QCOMPARE(group->version(), 2100);

    const QByteArray bytes = contentsOf(file);
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    QCOMPARE(bytes, QJsonDocument(root).toJson(QJsonDocument::Compact));
    QVERIFY(!bytes.contains('\n'));
    QCOMPARE(root.keys(), (QStringList{"header", "macros"}));
    const QJsonObject header = root.value("header").toObject();
    QCOMPARE(header.keys(),
             (QStringList{"creationDate", "description", "nMacros", "name", "version"}));
    QCOMPARE(header.value("version"), QJsonValue(2100));
    QCOMPARE(header.value("nMacros"), QJsonValue(2));
    QCOMPARE(header.value("name"), QJsonValue("Frota com acentuação"));
    QCOMPARE(header.value("creationDate"), QJsonValue("2023/11/02 17:45:09"));
    const QJsonArray macros = root.value("macros").toArray();
    QCOMPARE(macros.size(), 2);
    const QJsonObject full = macros.at(0).toObject();

    const QStringList keys{
        "atalho",     "automacao", "automation", "confirmacao",     "confirmationText",
        "dimensions", "flow",      "flowNum",    "fluxoMacros",     "form",
        "formulario", "idMacro",   "informacao", "isSecurity",      "name",
        "nome",       "num",       "position",   "secureActuators", "secureSensors",
        "shortcut",   "sigla",     "type",       "validacoes",      "validationInt",
        "violacoes"};
    QCOMPARE(full.keys(), keys);
    QCOMPARE(macros.at(1).toObject().keys(), keys);

    // Both key sets are written, with the same values.
    const char* const twins[][2] = {{"name", "nome"},
                                    {"automation", "automacao"},
                                    {"form", "formulario"},
                                    {"validationInt", "validacoes"},
                                    {"confirmationText", "confirmacao"}};
    for (const auto& twin : twins)
        QCOMPARE(full.value(twin[0]), full.value(twin[1]));
    QCOMPARE(full.value("idMacro"), QJsonValue(123));
    QCOMPARE(full.value("num"), QJsonValue("123"));
    QCOMPARE(full.value("nome"), QJsonValue("ENTREGA COM CANHOTO (NF)"));
    QCOMPARE(full.value("atalho"), QJsonValue(15));
    QCOMPARE(full.value("shortcut"), QJsonValue("15"));
    QCOMPARE(full.value("type"), QJsonValue(2));
    QCOMPARE(full.value("informacao"), QJsonValue(false));
    QCOMPARE(full.value("isSecurity"), QJsonValue(true));
    QCOMPARE(full.value("validacoes"), QJsonValue(0x77));
    QCOMPARE(full.value("automacao"), QJsonValue(QJsonArray{1, 3, 8}));
    QCOMPARE(full.value("secureSensors"), QJsonValue(QJsonArray{1, 3, 6}));
    QCOMPARE(full.value("secureActuators"), QJsonValue(QJsonArray{2, 5}));
    QCOMPARE(full.value("dimensions"),
             QJsonValue(QJsonObject{{"x", 0}, {"y", 0}, {"width", 131}, {"height", 91}}));
    QCOMPARE(full.value("position"), QJsonValue(QJsonObject{{"x", 400}, {"y", 220}}));
    QCOMPARE(full.value("confirmacao"),
             QJsonValue(QString("CONFIRMADO: R$ 10,00 - 5% ok!").leftJustified(40) + "[e] / [r]"));
    QVERIFY(full.value("formulario").toString().endsWith("A COLUNA 40 ..........."));

    const QJsonObject info = macros.at(1).toObject();
    QCOMPARE(info.value("informacao"), QJsonValue(true));
    QCOMPARE(info.value("isSecurity"), QJsonValue(false));
    QCOMPARE(info.value("formulario"), QJsonValue(""));
    QCOMPARE(info.value("confirmacao"), QJsonValue(""));
    QCOMPARE(info.value("fluxoMacros"), QJsonValue(QJsonArray()));
    QCOMPARE(info.value("violacoes"), QJsonValue(QJsonArray()));
    QCOMPARE(info.value("position"), QJsonValue(QJsonObject{{"x", -20}, {"y", 2990}}));
}

void TestMcx::numbersAndShortcuts_data()
{
    // The numbers written are also those read back.
    QTest::addColumn<QString>("num");
    QTest::addColumn<int>("idMacro");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<int>("atalho");

    QTest::newRow("plain") << "12" << 12 << "7" << 7;
    QTest::newRow("leading zeros") << "007" << 7 << "009" << 9;
    QTest::newRow("empty shortcut") << "999" << 999 << "" << 0;
    QTest::newRow("not numeric") << "A1" << 0 << "x" << 0;
}

void TestMcx::numbersAndShortcuts()
{
    QFETCH(QString, num);
    QFETCH(int, idMacro);
    QFETCH(QString, shortcut);
    QFETCH(int, atalho);

    const QString file = path("numbers.mcx");
    QVERIFY(saveOne(new Macro(num, "M", shortcut, "M", 2, false), file));
    const QJsonObject macro = firstMacroOf(file);
    QCOMPARE(macro.value("idMacro").toInt(), idMacro);
    QCOMPARE(macro.value("atalho").toInt(), atalho);
    QCOMPARE(macro.value("num"), QJsonValue(num));
    QCOMPARE(macro.value("shortcut"), QJsonValue(shortcut));

    Group loaded{QString(), QString()};
    QVERIFY(loaded.readMcx(file));
    QCOMPARE(loaded.macros().at(0)->num(), QString::number(idMacro));
    QCOMPARE(loaded.macros().at(0)->shortcut(), QString::number(atalho));
}

void TestMcx::screenWriting_data()
{
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<QString>("written");

    QTest::newRow("blank") << blanks(800) << "";
    QTest::newRow("trailing blanks") << QByteArray("AB  C").leftJustified(800, ' ') << "AB  C";
    // The form grid marks the cells after the last used one with NUL bytes.
    QTest::newRow("NUL cells")
        << (QByteArray("AB") + QByteArray(3, '\0') + "C").leftJustified(800, '\0') << "AB   C";
    QTest::newRow("all NUL") << QByteArray(800, '\0') << "";
    QTest::newRow("trailing tab and newline") << QByteArray("X\t\n").leftJustified(800, ' ') << "X";
    QTest::newRow("last cell used") << (blanks(799) + "Z") << QString(blanks(799) + "Z");
}

void TestMcx::screenWriting()
{
    QFETCH(QByteArray, form);
    QFETCH(QString, written);

    auto* macro = new Macro("1", "M", "0", "M", 2, false);
    macro->setForm(form);
    macro->setConfirmationText(form);
    const QString file = path("screens.mcx");
    QVERIFY(saveOne(macro, file));
    QVERIFY2(!contentsOf(file).contains("\\u0000"), contentsOf(file).constData());
    const QJsonObject json = firstMacroOf(file);
    for (const char* key : {"formulario", "form", "confirmacao", "confirmationText"})
        QCOMPARE(json.value(key).toString(), written);
}

void TestMcx::screenReading_data()
{
    QTest::addColumn<QString>("formulario");
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<QString>("confirmacao");
    QTest::addColumn<QByteArray>("confirmation");

    QTest::newRow("less-than in the form only")
        << "AB<C" << QByteArray("AB C") + blanks(796) << "A<B" << QByteArray("A<B") + blanks(797);
    QTest::newRow("empty") << "" << blanks(800) << "" << blanks(800);
    QTest::newRow("longer than the screen")
        << QString(900, 'x') << QByteArray(800, 'x') << QString(801, 'y') << QByteArray(800, 'y');
    QTest::newRow("Latin-1 and beyond")
        << QString::fromUtf8("é€") << QByteArray("\xE9?") + blanks(798) << "" << blanks(800);
}

void TestMcx::screenReading()
{
    QFETCH(QString, formulario);
    QFETCH(QString, confirmacao);

    QJsonObject json = currentMacro();
    json.insert("formulario", formulario);
    json.insert("confirmacao", confirmacao);
    const Macro macro(json, 2100);
    QTEST(macro.form(), "form");
    QTEST(macro.confirmationText(), "confirmation");
}

void TestMcx::flowSlots()
{
    auto* macro = new Macro("1", "M", "0", "A", 2, false);
    QStringList flow;
    QList<quint16> numbers;
    QList<quint16> positions;
    for (int i = 0; i < 11; ++i) {
        // Entry 3 has no number yet; entry 5 no acronym.
        flow.append(i == 5 ? QString() : QStringLiteral("S%1").arg(i));
        numbers.append(i == 3 ? 0 : quint16(100 + i));
        positions.append(quint16(i));
    }
    macro->setFlow(flow);
    macro->setFlowNum(numbers);
    macro->setFlowPos(positions);
    const QString file = path("flow.mcx");
    QVERIFY(saveOne(macro, file));

    const QJsonObject json = firstMacroOf(file);
    const QJsonArray slotTexts = json.value("flow").toArray();
    const QJsonArray slotNumbers = json.value("flowNum").toArray();
    QCOMPARE(slotTexts.size(), 10);
    QCOMPARE(slotNumbers.size(), 10);
    QCOMPARE(slotTexts.at(9), QJsonValue("S9"));
    QCOMPARE(slotTexts.at(5), QJsonValue(""));
    QCOMPARE(slotNumbers.at(3), QJsonValue(0));
    QCOMPARE(slotNumbers.at(9), QJsonValue(109));
    const QJsonArray next = json.value("fluxoMacros").toArray();
    QCOMPARE(next.size(), 9);
    QCOMPARE(next.last(),
             QJsonValue(QJsonObject{{"nome", "S10"}, {"idMacro", 110}, {"posicao", 10}}));

    // The two entries of the sample group: slots 2 and 7, 8 empty slots.
    const auto sample = SampleGroups::everyField();
    QVERIFY(sample->saveAs(file));
    const QJsonObject two = firstMacroOf(file);
    QCOMPARE(two.value("fluxoMacros").toArray(),
             (QJsonArray{QJsonObject{{"nome", "INF"}, {"idMacro", 999}, {"posicao", 2}},
                         QJsonObject{{"nome", "ENT"}, {"idMacro", 123}, {"posicao", 7}}}));
    QCOMPARE(two.value("flow").toArray(),
             (QJsonArray{"INF", "ENT", "", "", "", "", "", "", "", ""}));
    QCOMPARE(two.value("flowNum").toArray(), (QJsonArray{999, 123, 0, 0, 0, 0, 0, 0, 0, 0}));
}

void TestMcx::violationsWritten()
{
    auto* macro = new Macro("1", "M", "0", "A", 2, false);
    macro->setViolation({0, 23, 7});
    macro->setViolationReactions({1, 2, 3});
    macro->setViolationTimers({10, 20, 240});
    macro->setRaio(4321);
    const QString file = path("violations.mcx");
    QVERIFY(saveOne(macro, file));
    const QJsonObject json = firstMacroOf(file);
    // No element for identifier 0; the radius only on the anchor violation.
    QCOMPARE(json.value("violacoes").toArray(),
             (QJsonArray{QJsonObject{{"id", 23}, {"reacao", 2}, {"tempo", 20}, {"raio", 4321}},
                         QJsonObject{{"id", 7}, {"reacao", 3}, {"tempo", 240}}}));

    // Whatever the order, the timer and the radius come back.
    Group loaded{QString(), QString()};
    QVERIFY(loaded.readMcx(file));
    const Macro* read = loaded.macros().at(0);
    QCOMPARE(read->violation(), (QList<quint8>{23, 7}));
    QCOMPARE(read->violationTimers(), (QList<quint16>{20, 240}));
    QCOMPARE(read->raio(), quint16(4321));

    // Without the anchor violation the radius is the default one; numbers
    // past a byte are read whole.
    QJsonObject plain = currentMacro();
    plain.insert("violacoes", QJsonArray{QJsonObject{{"id", 7}, {"raio", 999}},
                                         QJsonObject{{"id", 8}, {"reacao", 1}, {"tempo", 300}}});
    plain.insert("fluxoMacros",
                 QJsonArray{QJsonObject{{"nome", "X"}, {"idMacro", 999}, {"posicao", 4}}});
    const Macro fromJson(plain, 2100);
    QCOMPARE(fromJson.raio(), quint16(100));
    QCOMPARE(fromJson.violationTimers(), (QList<quint16>{0, 300}));
    QCOMPARE(fromJson.flowNum(), (QList<quint16>{999}));
    QCOMPARE(fromJson.flowPos(), (QList<quint16>{4}));
}

void TestMcx::versions_data()
{
    QTest::addColumn<QJsonValue>("version");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("message");

    QTest::newRow("2100") << QJsonValue(2100) << 2100 << "";
    QTest::newRow("text 2.1.0.0") << QJsonValue("2.1.0.0") << 2100 << "";
    QTest::newRow("2000") << QJsonValue(2000) << 2000 << OlderVersion;
    QTest::newRow("text 2.0.0.0") << QJsonValue("2.0.0.0") << 2000 << OlderVersion;
    QTest::newRow("newer") << QJsonValue(2200) << 2200 << "mais nova";
    const QString unreadable = "A versão do arquivo, %1, não pôde ser lida; o arquivo é lido no "
                               "formato atual.";
    QTest::newRow("not a number") << QJsonValue("abc") << 0 << unreadable.arg("\"abc\"");
    QTest::newRow("beyond int") << QJsonValue(4294967296.0) << 0 << unreadable.arg("4294967296");
}

void TestMcx::versions()
{
    QFETCH(QJsonValue, version);
    QFETCH(int, expected);
    QFETCH(QString, message);

    // One macro in each key set: the version decides which one is read.
    QJsonObject macro = currentMacro();
    macro.insert("name", "ENGLISH");
    macro.insert("nome", "PORTUGUES");
    const QString file = path("version.mcx");
    writeFile(file, documentWith(macro, version));

    MessageRecorder recorder;
    Group group{QString(), QString()};
    QVERIFY(group.loadMcx(file));
    QCOMPARE(group.version(), expected);
    QCOMPARE(group.macroCount(), 1);
    QCOMPARE(group.macros().at(0)->name(), QString(expected == 2000 ? "ENGLISH" : "PORTUGUES"));
    if (message.isEmpty()) {
        QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.texts().join('|')));
    } else {
        QCOMPARE(recorder.messages.size(), 1);
        QVERIFY2(recorder.messages.at(0).text.contains(message),
                 qPrintable(recorder.texts().first()));
    }
    QCOMPARE(group.name(), QStringLiteral("G"));
    QCOMPARE(group.description(), QStringLiteral("D"));
    QCOMPARE(group.creationDate(), QStringLiteral("2024/01/02 03:04:05"));
}

void TestMcx::version2000Macro()
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
        {"form", "A<B"},
        {"confirmationText", "OK"},
        {"validationInt", 5},
        {"dimensions", QJsonObject{{"x", 1}, {"y", 2}, {"width", 130}, {"height", 90}}},
        {"position", QJsonObject{{"x", 300}, {"y", 400}}},
        {"automation", QJsonArray{4, 260}},
        {"violation", violation},
        {"violationTimers", QJsonArray{240, 300}},
        {"flow", QJsonArray{"COL", "", "FIM"}},
        {"flowNum", QJsonArray{21, 0}},
        {"secureSensors", QJsonArray{2}}};
    const Macro macro(json, 2000);
    QCOMPARE(macro.name(), QStringLiteral("ENTREGA"));
    QCOMPARE(macro.num(), QStringLiteral("020"));
    QCOMPARE(macro.shortcut(), QStringLiteral("5"));
    QCOMPARE(macro.sigla(), QStringLiteral("ENT"));
    QCOMPARE(macro.type(), 2);
    QVERIFY(macro.isSecurity());
    QCOMPARE(macro.form(), QByteArray("A<B") + blanks(797));
    QCOMPARE(macro.confirmationText(), QByteArray("OK") + blanks(798));
    QCOMPARE(macro.validationInt(), quint16(5));
    QCOMPARE(macro.dimensions(), QRect(1, 2, 130, 90));
    QCOMPARE(macro.position(), QPoint(300, 400));
    QCOMPARE(macro.automation(), (QList<quint8>{4, 4}));
    QCOMPARE(macro.violation().size(), 20);
    QCOMPARE(macro.violation().mid(0, 4), (QList<quint8>{21, 22, 23, 0}));
    QCOMPARE(macro.violationReactions().mid(0, 4), (QList<quint8>{0x54, 0x55, 0x56, 0}));
    QCOMPARE(macro.violationTimers().size(), 20);
    QCOMPARE(macro.violationTimers().mid(0, 3), (QList<quint16>{240, 300, 0}));
    QCOMPARE(macro.raio(), quint16(100));
    QCOMPARE(macro.flow(), (QStringList{"COL", "", "FIM"}));
    QCOMPARE(macro.flowNum(), (QList<quint16>{21, 0, 0}));
    QCOMPARE(macro.flowPos(), (QList<quint16>{0, 1, 2}));
    QCOMPARE(macro.secureSensors(), (QList<quint8>{2}));
    QVERIFY(macro.secureActuators().isEmpty());
}

void TestMcx::rewrite_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("tempo");
    QTest::addColumn<bool>("withFlags");
    QTest::addColumn<bool>("keepsTempo");

    // Violation 7 has analysis time in the sample data, violation 4 has none.
    QTest::newRow("no analysis time, timer 1") << 4 << 1 << true << false;
    QTest::newRow("no analysis time, timer 2") << 4 << 2 << true << true;
    QTest::newRow("analysis time, timer 1") << 7 << 1 << true << true;
    QTest::newRow("without reference list") << 4 << 1 << false << true;
    QTest::newRow("identifier beyond the list") << 200 << 1 << true << true;
    QTest::newRow("identifier 0") << 0 << 1 << true << true;
}

void TestMcx::rewrite()
{
    QFETCH(int, id);
    QFETCH(int, tempo);
    QFETCH(bool, withFlags);
    QFETCH(bool, keepsTempo);

    QJsonObject macro = currentMacro();
    macro.insert("violacoes", QJsonArray{QJsonObject{{"id", id}, {"reacao", 3}, {"tempo", tempo}}});
    const QString file = path("rewrite.mcx");
    writeFile(file, documentWith(macro));

    Group group{QString(), QString()};
    QVERIFY(group.loadMcx(file, withFlags ? SampleGroups::timerFlags() : QStringList()));
    // The macros come from the file as it was.
    QCOMPARE(group.macros().at(0)->violationTimers(), (QList<quint16>{quint16(tempo)}));

    QVERIFY2(contentsOf(file).contains("\n    \"header\": {"), contentsOf(file).left(200).data());
    const QJsonObject element = firstMacroOf(file).value("violacoes").toArray().at(0).toObject();
    QCOMPARE(element.contains("tempo"), keepsTempo);
    QCOMPARE(element.value("id"), QJsonValue(id));
    QCOMPARE(element.value("reacao"), QJsonValue(3));
}

void TestMcx::readOnlyFileStillLoads()
{
    const auto group = SampleGroups::everyField();
    const QString file = path("readonly.mcx");
    QVERIFY(group->saveAs(file));
    const QByteArray before = contentsOf(file);
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    Group loaded{QString(), QString()};
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^Erro ao abrir o arquivo para escrita!"));
    QVERIFY(loaded.loadMcx(file, SampleGroups::timerFlags()));
    QCOMPARE(loaded.macroCount(), 2);
    QCOMPARE(contentsOf(file), before);
    QVERIFY(!(QFileInfo(file).permissions() & QFile::WriteOwner));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
}

void TestMcx::readMcxLeavesFileAlone()
{
    // The legacy timer of 1 on a violation without analysis time and a
    // compact file: loadMcx would change both.
    QJsonObject macro = currentMacro();
    macro.insert("violacoes", QJsonArray{QJsonObject{{"id", 4}, {"reacao", 0}, {"tempo", 1}}});
    const QString file = path("untouched.mcx");
    const QByteArray bytes = documentWith(macro);
    writeFile(file, bytes);
    const QDateTime modified = QFileInfo(file).lastModified();

    Group group{QString(), QString()};
    QVERIFY(group.readMcx(file));
    QCOMPARE(group.macroCount(), 1);
    QCOMPARE(group.filePath(), file);
    QCOMPARE(contentsOf(file), bytes);
    QCOMPARE(QFileInfo(file).lastModified(), modified);
}

void TestMcx::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");

    const QString readOnly = "O arquivo está protegido contra gravação.";
    const QString notRegular =
        "Não é um arquivo comum (é uma pasta, um dispositivo ou um pipe) e não será substituído.";
    QTest::newRow("read-only file") << "old-readonly.mcx" << readOnly;
    QTest::newRow("read-only file, .mcr") << "old-readonly.mcr" << readOnly;
    QTest::newRow("missing folder") << "missing/folder/group.mcx"
                                    << "No such file or directory";
    QTest::newRow("missing folder, .mcr") << "missing/folder/group.mcr"
                                          << "No such file or directory";
    QTest::newRow("a folder") << "folder.mcx" << notRegular;
    QTest::newRow("a FIFO") << "fifo.mcx" << notRegular;
    QTest::newRow("a FIFO, .mcr") << "fifo.mcr" << notRegular;
}

void TestMcx::failedSaveKeepsOldFile()
{
    QFETCH(QString, target);

    const QString file = path(target);
    const bool readOnly = target.startsWith("old-readonly");
    QByteArray before;
    if (readOnly) {
        before = "old contents";
        writeFile(file, before);
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
    } else if (target == "folder.mcx") {
        QVERIFY(QDir(env->path()).mkpath(target));
    } else if (target.startsWith("fifo")) {
        QFile::remove(file);
        QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    }

    const auto group = SampleGroups::everyField();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(file)));
    QVERIFY(!group->saveAs(file));
    // Why, in words the user can act on.
    QTEST(group->errorString(), "reason");
    if (readOnly) {
        QCOMPARE(contentsOf(file), before);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    } else {
        QVERIFY(!QFileInfo(file).isFile());
    }
    // No temporary file is left beside the target.
    const QStringList left = QDir(QFileInfo(file).absolutePath()).entryList({"*.mcx.*", "*.mcr.*"});
    QVERIFY2(left.isEmpty(), qPrintable(left.join(',')));
}

void TestMcx::unreadableFile()
{
    MessageRecorder recorder;
    Group group{"G", "D"};
    group.setModified(false);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("nothere.mcx"));
    QVERIFY(!group.loadMcx(path("nothere.mcx")));
    QVERIFY(recorder.messages.isEmpty());
    QCOMPARE(group.name(), QStringLiteral("G"));
    QCOMPARE(group.macroCount(), 0);

    // A group never saved has no path: its save fails.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("."));
    QVERIFY(!group.save());
}

void TestMcx::hostileValues_data()
{
    QTest::addColumn<QJsonObject>("changes");
    QTest::addColumn<QRect>("dimensions");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<int>("violations");
    QTest::addColumn<int>("flowEntries");

    const QRect normal(0, 0, 100, 80);
    QTest::newRow("huge geometry")
        << QJsonObject{{"dimensions", QJsonObject{{"x", 2147483647},
                                                  {"y", -2147483647 - 1},
                                                  {"width", -2147483647 - 1},
                                                  {"height", 2147483647}}},
                       {"position", QJsonObject{{"x", 1e300}, {"y", -4e9}}}}
        << QRect(1000000, -1000000, -1000000, 1000000) << QPoint(0, 0) << 0 << 0;
    QTest::newRow("wrong element types")
        << QJsonObject{{"violacoes", QJsonArray{1, "x", QJsonArray{}, QJsonValue::Null}},
                       {"fluxoMacros", QJsonArray{true, 2.5}},
                       {"automacao", QJsonArray{"a", QJsonObject{}}},
                       {"dimensions", QJsonObject{{"x", "10"}}}}
        << QRect(0, 0, 0, 0) << QPoint(0, 0) << 4 << 2;
    QTest::newRow("out-of-range numbers")
        << QJsonObject{{"idMacro", 1e20},
                       {"atalho", -1},
                       {"type", 3000000000.0},
                       {"validacoes", 70000},
                       {"violacoes",
                        QJsonArray{QJsonObject{{"id", 279}, {"tempo", -1}, {"raio", 1e9}}}}}
        << normal << QPoint(0, 0) << 1 << 0;
}

void TestMcx::hostileValues()
{
    QFETCH(QJsonObject, changes);

    QJsonObject json = currentMacro();
    json.insert("dimensions", QJsonObject{{"x", 0}, {"y", 0}, {"width", 100}, {"height", 80}});
    for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
        json.insert(it.key(), it.value());
    const QString file = path("hostile.mcx");
    writeFile(file, documentWith(json));

    Group group{QString(), QString()};
    QVERIFY(group.readMcx(file));
    const Macro* macro = group.macros().at(0);
    QTEST(macro->dimensions(), "dimensions");
    QTEST(macro->position(), "position");
    QTEST(macro->violation().size(), "violations");
    QTEST(macro->flow().size(), "flowEntries");
    QCOMPARE(macro->violationReactions().size(), macro->violation().size());
    QCOMPARE(macro->violationTimers().size(), macro->violation().size());
    QCOMPARE(macro->flowNum().size(), macro->flow().size());
    QCOMPARE(macro->flowPos().size(), macro->flow().size());
    QCOMPARE(macro->form().size(), 800);
    // Whatever was read is written so that it reads back to the same file.
    QVERIFY(group.saveAs(file));
    Group again{QString(), QString()};
    QVERIFY(again.readMcx(file));
    QCOMPARE(McxWriter::toJson(again), McxWriter::toJson(group));
}

void TestMcx::valuesThatDoNotFit_data()
{
    QTest::addColumn<QJsonObject>("changes");
    QTest::addColumn<QStringList>("notes");

    const QString range =
        "M (%1): O valor %2 de \"%3\" está fora do intervalo de %4; lido como %5.";
    const QString notInteger =
        "M (0): O valor %1 de \"idMacro\" não é um número inteiro; lido como 0.";
    const auto violation = [](int id, int tempo, int raio) {
        return QJsonArray{QJsonObject{{"id", id}, {"raio", raio}, {"reacao", 0}, {"tempo", tempo}}};
    };
    QTest::newRow("radius")
        << QJsonObject{{"violacoes", violation(23, 0, 70000)}}
        << QStringList{range.arg(5).arg(70000).arg("violacoes[0].raio", "0 a 65535").arg(4464)};
    QTest::newRow("violation")
        << QJsonObject{{"violacoes", violation(279, 0, 100)}}
        << QStringList{range.arg(5).arg(279).arg("violacoes[0].id", "0 a 255").arg(23)};
    QTest::newRow("timer")
        << QJsonObject{{"violacoes", violation(4, 65566, 0)}}
        << QStringList{range.arg(5).arg(65566).arg("violacoes[0].tempo", "0 a 65535").arg(30)};
    QTest::newRow("automations")
        << QJsonObject{{"automacao", QJsonArray{258, -1, 300}}}
        << QStringList{range.arg(5).arg(258).arg("automacao[0]", "0 a 255").arg(2),
                       range.arg(5).arg(-1).arg("automacao[1]", "0 a 255").arg(255),
                       range.arg(5).arg(300).arg("automacao[2]", "0 a 255").arg(44)};
    QTest::newRow("number as text")
        << QJsonObject{{"idMacro", "12"}} << QStringList{notInteger.arg("\"12\"")};
    QTest::newRow("fraction") << QJsonObject{{"idMacro", 1.5}} << QStringList{notInteger.arg(1.5)};
    QTest::newRow("null") << QJsonObject{{"idMacro", QJsonValue::Null}}
                          << QStringList{notInteger.arg("null")};
    QTest::newRow("beyond int")
        << QJsonObject{{"idMacro", 2147483648.0}}
        << QStringList{
               range.arg(0).arg(2147483648).arg("idMacro", "-2147483648 a 2147483647").arg(0)};
    QTest::newRow("all fit") << QJsonObject{{"violacoes", violation(23, 240, 5000)}}
                             << QStringList();
}

// What did not fit is read as before, and told.
void TestMcx::valuesThatDoNotFit()
{
    QFETCH(QJsonObject, changes);

    QJsonObject json = currentMacro();
    for (auto it = changes.constBegin(); it != changes.constEnd(); ++it)
        json.insert(it.key(), it.value());
    const QString file = path("unfit.mcx");
    writeFile(file, documentWith(json));

    Group group{QString(), QString()};
    QVERIFY(group.readMcx(file));
    QStringList texts;
    for (const ReadNote& note : group.readNotes()) {
        QCOMPARE(note.kind, ReadNote::Kind::ValueRange);
        texts.append(note.text());
    }
    QTEST(texts, "notes");
}

// Inputs kept from fuzzing (tests/data/fuzz/mcx): a spread of the fuzz
// corpus and every input that ever made the fuzz target fail.
void TestMcx::fuzzInputs_data()
{
    QTest::addColumn<QString>("file");
    const QDir dir(TestEnvironment::testDataDir() + "/fuzz/mcx");
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    for (const QString& name : files)
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
    if (files.isEmpty())
        QTest::newRow("none") << QString();
}

void TestMcx::fuzzInputs()
{
    QFETCH(QString, file);
    if (file.isEmpty())
        QSKIP("no fuzz inputs kept");

    // What the reader accepts, it accepts again once written, the same from
    // the second save on (the first may drop what the format does not keep).
    MessageRecorder recorder;
    Group group{QString(), QString()};
    if (McxReader().read(contentsOf(file), group) != McxReader::Result::Ok) {
        // Refused: nothing of it in the group.
        QCOMPARE(group.macroCount(), 0);
        QCOMPARE(group.version(), 2100);
        return;
    }
    Group reread{QString(), QString()};
    QCOMPARE(McxReader().read(McxWriter::toJson(group), reread), McxReader::Result::Ok);
    const QByteArray second = McxWriter::toJson(reread);
    Group again{QString(), QString()};
    QCOMPARE(McxReader().read(second, again), McxReader::Result::Ok);
    QCOMPARE(McxWriter::toJson(again), second);
}

QTEST_GUILESS_MAIN(TestMcx)
#include "tst_mcx.moc"
