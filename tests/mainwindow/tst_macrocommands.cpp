#include "diagram/edge.h"
#include "diagram/graphwidget.h"
#include "diagram/node.h"
#include "formeditor/tablededitor.h"
#include "commands/groupdocument.h"
#include "mainwindow/mainwindow.h"
#include "model/group.h"
#include "model/macro.h"
#include "model/screentext.h"
#include "support/canvascheck.h"
#include "support/canvasdriver.h"
#include "support/fakefiledialogs.h"
#include "support/messagerecorder.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"
#include "support/windowedits.h"

#include <QAction>
#include <QComboBox>
#include <QGraphicsScene>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using ZorTest::answerNextModal;
using ZorTest::UnexpectedBoxes;

namespace {

QAction* action(const MainWindow& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

QLineEdit* edit(QWidget* dialog, const char* name)
{
    return dialog->findChild<QLineEdit*>(QLatin1String(name));
}

QPushButton* button(QWidget* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QLatin1String(name));
}

// Answers the new-macro dialog with its fields and OK; when a report box
// comes, records it and cancels the dialog.
void answerNewMacro(const QString& number, const QString& name, const QString& shortcut,
                    const QString& sigla, int typeIndex, ZorTest::SeenBox* report = nullptr)
{
    answerNextModal([=](QWidget* modal) {
        QTest::keyClicks(edit(modal, "edtNumber"), number);
        QTest::keyClicks(edit(modal, "edtName"), name);
        QTest::keyClicks(edit(modal, "edtShortcut"), shortcut);
        QTest::keyClicks(edit(modal, "edtSigla"), sigla);
        modal->findChild<QComboBox*>(QStringLiteral("cbxType"))->setCurrentIndex(typeIndex);
        if (report)
            ZorTest::answerBox(QStringLiteral("OK"), report);
        QTest::mouseClick(button(modal, "btnInsert"), Qt::LeftButton);
        if (modal->isVisible())
            QTest::mouseClick(button(modal, "btnCancelar"), Qt::LeftButton);
    });
}

void newGroup(MainWindow& window, const QString& name)
{
    answerNextModal([=](QWidget* modal) {
        edit(modal, "qleName")->setText(name);
        button(modal, "qpbOk")->click();
    });
    action(window, "actionNewGroup")->trigger();
}

// A macro with its box, as the new-macro command makes it.
Macro* addMacro(MainWindow& window, const QString& num, const QString& sigla,
                const QString& shortcut = QStringLiteral("0"), const QStringList& flow = {})
{
    auto macro =
        std::make_unique<Macro>(num, QStringLiteral("MACRO ") + sigla, shortcut, sigla, 2, false);
    macro->setFlow(flow);
    macro->setFlowNum(QList<quint16>(QVector<quint16>(flow.size(), 0).toList()));
    QList<quint16> positions;
    for (int i = 0; i < flow.size(); ++i)
        positions.append(quint16(i));
    macro->setFlowPos(positions);
    return ZorTest::addMacro(window, std::move(macro));
}

void doubleClickBox(MainWindow& window, const QString& sigla)
{
    GraphWidget* canvas = window.canvas();
    const QPoint onBox =
        canvas->mapFromScene(canvas->findNode(sigla)->sceneBoundingRect().center());
    QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {}, onBox);
    QTest::mouseDClick(canvas->viewport(), Qt::LeftButton, {}, onBox);
}

// The acronyms the arrows leaving a box point at, as the scene holds them.
QStringList arrowsFrom(const MainWindow& window, const QString& sigla)
{
    QStringList targets;
    const QList<QGraphicsItem*> items = window.canvas()->scene()->items();
    for (QGraphicsItem* item : items) {
        const auto* edge = qgraphicsitem_cast<Edge*>(item);
        if (edge && edge->sourceNode() && edge->sourceNode()->sigla() == sigla)
            targets.append(edge->destNode()->sigla());
    }
    targets.sort();
    return targets;
}

QTreeWidgetItem* treeRow(QWidget* dialog, const char* tree, int row)
{
    return dialog->findChild<QTreeWidget*>(QLatin1String(tree))->topLevelItem(row);
}

void addUniquenessRow(const char* tag, const char* number, const char* shortcut, const char* sigla,
                      const QString& report, const QString& storedShortcut)
{
    QTest::newRow(tag) << QString::fromLatin1(number) << QString::fromLatin1(shortcut)
                       << QString::fromLatin1(sigla) << report << storedShortcut;
}

} // namespace

class TestMacroCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void newMacroUniqueness_data();
    void newMacroUniqueness();
    void newMacroWithoutGroup();
    void configureRedrawsBoxAndArrows();
    void createConfigureSaveAndReadBack();
    void everyStepUndoesToItsSave();
    void correctionUndoesToTheFile();

private:
    std::unique_ptr<ZorTest::TestEnvironment> env;
    std::unique_ptr<MessageRecorder> recorder;
};

void TestMacroCommands::initTestCase()
{
    env = std::make_unique<ZorTest::TestEnvironment>();
    QCoreApplication::setOrganizationName(QStringLiteral("Orvenda"));
    QCoreApplication::setApplicationName(QStringLiteral("Zor"));
}

void TestMacroCommands::init()
{
    QSettings settings;
    settings.clear();
    settings.setValue(QStringLiteral("MainWindow/locale"), QStringLiteral("pt"));
    recorder = std::make_unique<MessageRecorder>();
}

void TestMacroCommands::cleanup()
{
    ZorTest::closeAllModals();
    recorder.reset();
}

void TestMacroCommands::newMacroUniqueness_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("sigla");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("storedShortcut");

    addUniquenessRow("number before acronym", "10", "7", "AB", "O número da macro já existe.",
                     QString());
    addUniquenessRow("shortcut before acronym", "12", "7", "AB", "O atalho da macro já existe.",
                     QString());
    addUniquenessRow("acronym", "12", "8", "AB", "A sigla da macro já existe.", QString());
    addUniquenessRow("shortcut 0 is not looked up", "12", "0", "EF", QString(), "0");
    addUniquenessRow("empty shortcut is stored as 0", "12", "", "EF", QString(), "0");
    addUniquenessRow("free shortcut", "12", "8", "EF", QString(), "8");
}

void TestMacroCommands::newMacroUniqueness()
{
    QFETCH(QString, number);
    QFETCH(QString, shortcut);
    QFETCH(QString, sigla);
    QFETCH(QString, report);
    QFETCH(QString, storedShortcut);

    MainWindow window;
    window.show();
    newGroup(window, QStringLiteral("Frota"));
    addMacro(window, "10", "AB", "7");
    addMacro(window, "11", "CD", "0");

    ZorTest::SeenBox seen;
    answerNewMacro(number, QStringLiteral("nova"), shortcut, sigla, 2,
                   report.isEmpty() ? nullptr : &seen);
    action(window, "actionNewMacro")->trigger();

    Group* group = window.currentGroup();
    if (!report.isEmpty()) {
        QCOMPARE(seen.text, report);
        QCOMPARE(group->macroCount(), 2);
        return;
    }
    QCOMPARE(group->macroCount(), 3);
    const Macro* macro = group->findBySigla(sigla);
    QVERIFY(macro);
    QCOMPARE(macro->num(), number);
    QCOMPARE(macro->name(), QStringLiteral("NOVA"));
    QCOMPARE(macro->shortcut(), storedShortcut);
    QCOMPARE(macro->type(), 1);
    QVERIFY(macro->isSecurity());
    QCOMPARE(macro->raio(), quint16(100));
    QVERIFY(window.canvas()->findNode(sigla));
    QVERIFY(group->isModified());
}

void TestMacroCommands::newMacroWithoutGroup()
{
    MainWindow window;
    window.show();
    QVERIFY(!window.currentGroup());
    answerNewMacro("5", "primeira", "", "pr", 1);
    action(window, "actionNewMacro")->trigger();
    QVERIFY(window.currentGroup());
    QCOMPARE(window.currentGroup()->name(), QString());
    QCOMPARE(window.currentGroup()->macroCount(), 1);
    const Macro* macro = window.currentGroup()->findBySigla("PR");
    QVERIFY(macro);
    QCOMPARE(macro->position(), QPoint(180, 40));
    QCOMPARE(window.canvas()->findNode("PR")->pos(), QPointF(180, 40));
    QVERIFY(action(window, "actionSaveGroupAs")->isEnabled());
}

// Cancel changes nothing. Then flow [A, B] becomes [B, C]: the arrow to A
// goes, B stays, C comes; the box shows the new texts and the colour of the
// new type.
void TestMacroCommands::configureRedrawsBoxAndArrows()
{
    MainWindow window;
    window.resize(1200, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    newGroup(window, QStringLiteral("Frota"));
    addMacro(window, "10", "A");
    addMacro(window, "11", "B");
    addMacro(window, "12", "C", "0", {"M"});
    Macro* macro = addMacro(window, "20", "M", "0", {"A", "B"});
    ZorTest::markSaved(window);
    QCOMPARE(arrowsFrom(window, "M"), (QStringList{"A", "B"}));

    answerNextModal([](QWidget* modal) {
        edit(modal, "edtF0")->clear();
        edit(modal, "edtName")->setText(QStringLiteral("OUTRO"));
        QTest::mouseClick(button(modal, "btnCancelar"), Qt::LeftButton);
    });
    doubleClickBox(window, "M");
    QCOMPARE(macro->flow(), (QStringList{"A", "B"}));
    QCOMPARE(macro->name(), QStringLiteral("MACRO M"));
    QCOMPARE(arrowsFrom(window, "M"), (QStringList{"A", "B"}));
    QCOMPARE(window.canvas()->findNode("M")->name(), QStringLiteral("MACRO M"));

    bool opened = false;
    answerNextModal([&opened](QWidget* modal) {
        opened = modal->objectName() == QLatin1String("dlgConfigMacro");
        QCOMPARE(edit(modal, "edtF0")->text(), QStringLiteral("A"));
        QCOMPARE(edit(modal, "edtF1")->text(), QStringLiteral("B"));
        edit(modal, "edtF0")->setText(QStringLiteral("B"));
        edit(modal, "edtF1")->setText(QStringLiteral("C"));
        edit(modal, "edtName")->setText(QStringLiteral("MEIO"));
        edit(modal, "edtNumber")->setText(QStringLiteral("21"));
        modal->findChild<QComboBox*>(QStringLiteral("cbxType"))->setCurrentIndex(5);
        QTest::mouseClick(button(modal, "btnInsert"), Qt::LeftButton);
    });
    UnexpectedBoxes unexpected;
    doubleClickBox(window, "M");
    QVERIFY(opened);
    QCOMPARE(unexpected.texts, QStringList());

    QCOMPARE(macro->flow(), (QStringList{"B", "C"}));
    QCOMPARE(arrowsFrom(window, "M"), (QStringList{"B", "C"}));
    // The arrow into the macro is not its to change.
    QCOMPARE(arrowsFrom(window, "C"), QStringList{"M"});
    const Node* box = window.canvas()->findNode("M");
    QCOMPARE(box->name(), QStringLiteral("MEIO"));
    QCOMPARE(box->num(), QStringLiteral("21"));
    QCOMPARE(box->color(), Macro::typeColor(5));
    QCOMPARE(macro->num(), QStringLiteral("21"));
    QVERIFY(window.currentGroup()->isModified());
    QVERIFY(action(window, "actionSaveGroup")->isEnabled());
}

// The whole road: two macros made with the new-macro dialog, one configured
// on every tab, the group saved, and the file read back.
void TestMacroCommands::createConfigureSaveAndReadBack()
{
    FakeFileDialogs files;
    const QString path = env->filePath(QStringLiteral("frota.mcx"));
    files.answers << path;

    MainWindow window;
    window.resize(1200, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    newGroup(window, QStringLiteral("Frota"));
    answerNewMacro("10", "partida", "", "pt", 1);
    action(window, "actionNewMacro")->trigger();
    answerNewMacro("11", "entrega", "12", "en", 3);
    action(window, "actionNewMacro")->trigger();
    QCOMPARE(window.currentGroup()->macroCount(), 2);

    answerNextModal([](QWidget* modal) {
        QLineEdit* name = edit(modal, "edtName");
        name->clear();
        QTest::keyClicks(name, QStringLiteral("partida inicial"));
        QTest::keyClicks(edit(modal, "edtF3"), QStringLiteral("en"));
        auto* form = modal->findChild<TabledEditor*>(QStringLiteral("tedForm"));
        form->setCurrentCell(0, 0);
        QTest::keyClicks(form, QStringLiteral("NOME"));
        form->setCurrentCell(1, 0);
        for (QAction* command : form->contextMenu()->actions()) {
            if (command->text() == QLatin1String("Login"))
                command->trigger();
        }
        auto* text = modal->findChild<TabledEditor*>(QStringLiteral("tedConfText"));
        text->setCurrentCell(2, 3);
        QTest::keyClicks(text, QStringLiteral("OK"));
        treeRow(modal, "treeValidation", 1)->setCheckState(0, Qt::Checked);
        treeRow(modal, "treeAutomation", 0)->setCheckState(0, Qt::Checked);
        treeRow(modal, "treeViolation", 0)->setCheckState(0, Qt::Checked);
        treeRow(modal, "treeViolation", 0)->child(2)->setCheckState(0, Qt::Checked);
        auto* violations = modal->findChild<QTreeWidget*>(QStringLiteral("treeViolation"));
        auto* time =
            qobject_cast<QLineEdit*>(violations->itemWidget(violations->topLevelItem(0), 1));
        time->selectAll();
        QTest::keyClicks(time, QStringLiteral("115"));
        treeRow(modal, "treeViolation", 22)->setCheckState(0, Qt::Checked);
        auto* radius =
            qobject_cast<QLineEdit*>(violations->itemWidget(violations->topLevelItem(22), 2));
        radius->setText(QStringLiteral("300"));
        QTest::mouseClick(button(modal, "btnInsert"), Qt::LeftButton);
    });
    UnexpectedBoxes unexpected;
    doubleClickBox(window, "PT");
    QCOMPARE(unexpected.texts, QStringList());
    QCOMPARE(arrowsFrom(window, "PT"), QStringList{"EN"});

    action(window, "actionSaveGroup")->trigger();
    QCOMPARE(unexpected.texts.join('|'), QString());
    QCOMPARE(recorder->texts(), QStringList());
    QVERIFY(QFile::exists(path));
    QCOMPARE(window.currentGroup()->filePath(), path);

    Group loaded{QString(), QString()};
    QVERIFY(loaded.loadMcx(path, window.referenceLists().violationTimerFlags));
    QCOMPARE(loaded.macroCount(), 2);
    const Macro* partida = loaded.findBySigla("PT");
    QVERIFY(partida);
    QCOMPARE(partida->num(), QStringLiteral("10"));
    QCOMPARE(partida->name(), QStringLiteral("PARTIDA INICIAL"));
    QCOMPARE(partida->shortcut(), QStringLiteral("0"));
    QCOMPARE(partida->type(), 0);
    QVERIFY(partida->isSecurity());
    QByteArray form(ScreenText::Size, ' ');
    form.replace(0, 4, "NOME");
    form.replace(40, 7, "[LLLLL]");
    QCOMPARE(partida->form(), form);
    QByteArray confirmation(ScreenText::Size, ' ');
    confirmation.replace(83, 2, "OK");
    QCOMPARE(partida->confirmationText(), confirmation);
    QCOMPARE(partida->validationInt(), quint16((1 << 1) | (1 << 4)));
    QCOMPARE(partida->automation(), QList<quint8>{1});
    QCOMPARE(partida->violation(), (QList<quint8>{1, 23}));
    QCOMPARE(partida->violationTimers(), (QList<quint16>{75, 0}));
    QCOMPARE(partida->violationReactions(), (QList<quint8>{0x04, 0}));
    QCOMPARE(partida->raio(), quint16(300));
    QCOMPARE(partida->flow(), QStringList{"EN"});
    QCOMPARE(partida->flowNum(), QList<quint16>{11});
    QCOMPARE(partida->flowPos(), QList<quint16>{3});

    const Macro* entrega = loaded.findBySigla("EN");
    QVERIFY(entrega);
    QCOMPARE(entrega->num(), QStringLiteral("11"));
    QCOMPARE(entrega->name(), QStringLiteral("ENTREGA"));
    QCOMPARE(entrega->shortcut(), QStringLiteral("12"));
    QCOMPARE(entrega->type(), 2);
    QCOMPARE(entrega->raio(), quint16(100));
}

// A copy of the group as the writer saves it, to a file of its own.
QByteArray savedCopy(const MainWindow& window, const QString& path)
{
    if (!window.currentGroup()->saveAs(path))
        return QByteArray();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each step of a session saved as it stands; undo walks back through the
// same files, byte for byte, and redo forward again. The canvas shows the
// group at every point.
void TestMacroCommands::everyStepUndoesToItsSave()
{
    MainWindow window;
    window.resize(1200, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    UnexpectedBoxes unexpected;
    newGroup(window, QStringLiteral("Frota"));
    const QString copy = env->filePath(QStringLiteral("copia.mcx"));
    QList<QByteArray> steps{savedCopy(window, copy)};
    const auto step = [&] { steps.append(savedCopy(window, copy)); };

    answerNewMacro("10", "partida", "", "pt", 1);
    action(window, "actionNewMacro")->trigger();
    step();
    answerNewMacro("11", "entrega", "12", "en", 3);
    action(window, "actionNewMacro")->trigger();
    step();
    answerNewMacro("12", "fim", "", "fm", 6);
    action(window, "actionNewMacro")->trigger();
    step();

    answerNextModal([](QWidget* modal) {
        auto* form = modal->findChild<TabledEditor*>(QStringLiteral("tedForm"));
        form->setCurrentCell(0, 0);
        QTest::keyClicks(form, QStringLiteral("NOME"));
        treeRow(modal, "treeViolation", 0)->setCheckState(0, Qt::Checked);
        auto* violations = modal->findChild<QTreeWidget*>(QStringLiteral("treeViolation"));
        auto* time =
            qobject_cast<QLineEdit*>(violations->itemWidget(violations->topLevelItem(0), 1));
        time->selectAll();
        QTest::keyClicks(time, QStringLiteral("130"));
        QTest::keyClicks(edit(modal, "edtF0"), QStringLiteral("fm"));
        QTest::mouseClick(button(modal, "btnInsert"), Qt::LeftButton);
    });
    doubleClickBox(window, "PT");
    step();

    ZorTest::CanvasDriver driver(window.canvas());
    const QPointF centre = window.canvas()->findNode("EN")->sceneBoundingRect().center();
    driver.drag(centre, centre + QPointF(40, 130));
    step();

    driver.click(window.canvas()->findNode("FM")->sceneBoundingRect().center());
    action(window, "actionDelete")->trigger();
    QCOMPARE(window.currentGroup()->findBySigla("PT")->flow(), QStringList());
    step();
    QCOMPARE(unexpected.texts, QStringList());
    QCOMPARE(steps.size(), 7);
    for (int i = 1; i < steps.size(); ++i)
        QVERIFY2(!steps.at(i).isEmpty() && steps.at(i) != steps.at(i - 1), qPrintable(QString::number(i)));

    for (int i = steps.size() - 2; i >= 0; --i) {
        action(window, "actionUndo")->trigger();
        QCOMPARE(savedCopy(window, copy), steps.at(i));
        QCOMPARE(ZorTest::canvasDifference(*window.canvas(), *window.currentGroup()), QString());
    }
    QVERIFY(!action(window, "actionUndo")->isEnabled());
    for (int i = 1; i < steps.size(); ++i) {
        QVERIFY(action(window, "actionRedo")->text().contains(
            window.currentDocument()->undoStack()->redoText()));
        action(window, "actionRedo")->trigger();
        QCOMPARE(savedCopy(window, copy), steps.at(i));
        QCOMPARE(ZorTest::canvasDifference(*window.canvas(), *window.currentGroup()), QString());
    }
    QVERIFY(!action(window, "actionRedo")->isEnabled());
}

// The correction offered when a file is opened: undone, a save writes what
// the file held; redone, the corrected bytes. It marks the group modified.
void TestMacroCommands::correctionUndoesToTheFile()
{
    Group group{QStringLiteral("Frota"), QString()};
    auto* macro = new Macro("1", "ENTREGA", "0", "ENT", 2, false);
    QByteArray form = macro->form();
    form.replace(0, 9, "PESO & KG");
    macro->setForm(form);
    group.addMacro(macro);
    const QString path = env->filePath(QStringLiteral("corrigir.mcx"));
    QVERIFY(group.saveAs(path));

    MainWindow window;
    window.show();
    FakeFileDialogs files;
    files.answers << path;
    ZorTest::answerBox(QStringLiteral("Sim"), nullptr, [] { ZorTest::answerBox("OK"); });
    action(window, "actionLoadGroup")->trigger();
    const QString copy = env->filePath(QStringLiteral("copia.mcx"));
    const QByteArray corrected = savedCopy(window, copy);
    QVERIFY(corrected.contains("PESO E KG"));
    QVERIFY(window.currentGroup()->isModified());
    QVERIFY(action(window, "actionSaveGroup")->isEnabled());

    action(window, "actionUndo")->trigger();
    QVERIFY(!window.currentGroup()->isModified());
    QVERIFY(savedCopy(window, copy).contains("PESO & KG"));
    action(window, "actionRedo")->trigger();
    QCOMPARE(savedCopy(window, copy), corrected);
}

QTEST_MAIN(TestMacroCommands)
#include "tst_macrocommands.moc"
