#include "app/debuglogger.h"
#include "commands/configuremacrocommand.h"
#include "commands/groupdocument.h"
#include "diagram/graphwidget.h"
#include "diagram/node.h"
#include "mainwindow/mainwindow.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/messagerecorder.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"
#include "support/windowedits.h"

#include <QAction>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QtTest>

using ZorTest::answerBox;
using ZorTest::SeenBox;
using ZorTest::answerNextModal;

namespace {

QAction* action(const MainWindow& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

QStringList infoLines(const MainWindow& window)
{
    QStringList lines;
    const auto* list = window.findChild<QListWidget*>(QStringLiteral("lstMacroInfos"));
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

QList<QLabel*> statusLabels(const MainWindow& window)
{
    QList<QLabel*> labels;
    const QList<QLabel*> all = window.statusBar()->findChildren<QLabel*>(
        QString(), Qt::FindDirectChildrenOnly);
    for (QLabel* label : all)
        labels.append(label);
    return labels;
}

// Answers the group dialog with a name and a description.
void answerGroupDialog(const QString& name, const QString& description = QString())
{
    answerNextModal([=](QWidget* modal) {
        modal->findChild<QLineEdit*>(QStringLiteral("qleName"))->setText(name);
        if (!description.isEmpty()) {
            auto* edit = modal->findChild<QWidget*>(QStringLiteral("qtextDescription"));
            QMetaObject::invokeMethod(edit, "setPlainText", Q_ARG(QString, description));
        }
        modal->findChild<QPushButton*>(QStringLiteral("qpbOk"))->click();
    });
}

// Adds a box and its macro through the group and the canvas, as the
// new-macro command does.
void addMacro(MainWindow& window, const QString& num, const QString& sigla, int type = 2)
{
    ZorTest::addMacro(window, std::make_unique<Macro>(num, QStringLiteral("MACRO ") + sigla,
                                                      QStringLiteral("0"), sigla, type, false));
}

// Shows the window, large enough for the boxes, with a new empty group.
bool showWithGroup(MainWindow& window)
{
    window.resize(1000, 700);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    answerGroupDialog(QStringLiteral("Frota"));
    action(window, "actionNewGroup")->trigger();
    return window.currentGroup() != nullptr;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void firstStartUsesDefaults();
    void actionStates();
    void informationDock();
    void statusLabelsAndDeleteFollowTheCanvas();
    void f12ShowsDevComments();
    void descriptionDialogFromInformationList();
    void settingsWrittenOnlyByAcceptedClose();
    void missingDataFileWarnsAtStart();
    void debugModeShowsDebugDock();

private:
    std::unique_ptr<ZorTest::TestEnvironment> env;
    std::unique_ptr<MessageRecorder> recorder;
};

void TestMainWindow::initTestCase()
{
    env = std::make_unique<ZorTest::TestEnvironment>();
    QCoreApplication::setOrganizationName(QStringLiteral("Orvenda"));
    QCoreApplication::setApplicationName(QStringLiteral("Zor"));
}

void TestMainWindow::init()
{
    QSettings().clear();
    // The tests compare the program's own (Portuguese) texts.
    QSettings().setValue(QStringLiteral("MainWindow/locale"), QStringLiteral("pt"));
    recorder = std::make_unique<MessageRecorder>();
}

void TestMainWindow::cleanup()
{
    ZorTest::closeAllModals();
    recorder.reset();
}

void TestMainWindow::firstStartUsesDefaults()
{
    QSettings().clear();
    MainWindow window;
    QCOMPARE(window.size(), QSize(400, 400));
    QCOMPARE(window.pos(), QPoint(200, 200));
    QCOMPARE(window.language(), QStringLiteral("en"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Zor - Quorvane"));
    QCOMPARE(window.centralWidget(), window.canvas());
    // The English data file was read.
    QCOMPARE(window.referenceLists().violations.first(), QStringLiteral("Speeding"));
    QVERIFY(!action(window, "actionDebug")->isVisible());
    QVERIFY(!window.findChild<QDockWidget*>(QStringLiteral("dockDebugInfo"))->isVisible());
}

void TestMainWindow::actionStates()
{
    MainWindow window;
    window.show();
    const char* const groupActions[] = {"actionSelectAll", "actionSaveGroup",
                                        "actionSaveGroupAs", "actionCloseGroup",
                                        "actionDelete", "actionZoomMinus", "actionZoomPlus"};
    for (const char* name : groupActions)
        QVERIFY2(!action(window, name)->isEnabled(), name);
    QVERIFY(action(window, "actionNewMacro")->isEnabled());
    QVERIFY(action(window, "actionLoadGroup")->isEnabled());

    answerGroupDialog(QStringLiteral("Frota"));
    action(window, "actionNewGroup")->trigger();
    QVERIFY(window.currentGroup());
    QVERIFY(action(window, "actionSaveGroupAs")->isEnabled());
    QVERIFY(action(window, "actionCloseGroup")->isEnabled());
    QVERIFY(!action(window, "actionSaveGroup")->isEnabled());
    for (const char* name : {"actionSelectAll", "actionDelete", "actionZoomMinus",
                             "actionZoomPlus"})
        QVERIFY2(!action(window, name)->isEnabled(), name);

    answerNextModal([](QWidget* modal) {
        modal->findChild<QLineEdit*>(QStringLiteral("edtNumber"))->setText("10");
        modal->findChild<QLineEdit*>(QStringLiteral("edtName"))->setText("ENTREGA");
        modal->findChild<QLineEdit*>(QStringLiteral("edtSigla"))->setText("ENT");
        QMetaObject::invokeMethod(modal->findChild<QWidget*>(QStringLiteral("cbxType")),
                                  "setCurrentIndex", Q_ARG(int, 3));
        modal->findChild<QPushButton*>(QStringLiteral("btnInsert"))->click();
    });
    action(window, "actionNewMacro")->trigger();
    QCOMPARE(window.currentGroup()->macroCount(), 1);
    for (const char* name : groupActions)
        QVERIFY2(action(window, name)->isEnabled(), name);
    QVERIFY(action(window, "actionSelecao")->isChecked());

    window.currentGroup()->setModified(false);
    action(window, "actionZoomPlus")->trigger(); // any command refreshes the states
    action(window, "actionCloseGroup")->trigger(); // not modified: no prompt
    QVERIFY(!window.currentGroup());
    for (const char* name : groupActions)
        QVERIFY2(!action(window, name)->isEnabled(), name);
}

void TestMainWindow::informationDock()
{
    MainWindow window;
    QCOMPARE(infoLines(window), (QStringList{"Grupo de Macros: sem grupo", "Data de Criação: ",
                                             "Descrição: (sem descrição)"}));

    answerGroupDialog(QStringLiteral("Frota Sul"), QStringLiteral("Entregas do sul"));
    action(window, "actionNewGroup")->trigger();
    const QStringList lines = infoLines(window);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), QStringLiteral("Grupo de Macros: Frota Sul"));
    QCOMPARE(lines.at(1),
             QStringLiteral("Data de Criação: ") + window.currentGroup()->creationDate());
    QCOMPARE(lines.at(2), QStringLiteral("Descrição: Entregas do sul"));
}

void TestMainWindow::statusLabelsAndDeleteFollowTheCanvas()
{
    MainWindow window;
    window.show();
    QTest::keyRelease(&window, Qt::Key_Delete); // no group: nothing to do
    QVERIFY(showWithGroup(window));
    const QList<QLabel*> labels = statusLabels(window);
    QCOMPARE(labels.size(), 7);
    QCOMPARE(labels.at(5)->text(), QStringLiteral("100%"));

    addMacro(window, "10", "ENT");
    addMacro(window, "11", "COL");
    ZorTest::markSaved(window);

    GraphWidget* canvas = window.canvas();
    QWidget* viewport = canvas->viewport();
    const Node* box = canvas->findNode(QStringLiteral("ENT"));
    QVERIFY(box);
    const QPoint onBox = canvas->mapFromScene(box->sceneBoundingRect().center());

    QVERIFY(!action(window, "actionSaveGroup")->isEnabled());
    QTest::mousePress(viewport, Qt::LeftButton, {}, onBox);
    QCOMPARE(labels.at(6)->text(), QStringLiteral("(%1,%2)").arg(onBox.x()).arg(onBox.y()));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, onBox);
    // A click that moved nothing is no edit.
    QVERIFY(!window.currentGroup()->isModified());
    QVERIFY(!action(window, "actionSaveGroup")->isEnabled());
    const QPoint mapped = canvas->mapFromScene(QPointF(onBox));
    QCOMPARE(labels.at(1)->text(), QStringLiteral("(%1,%2)").arg(mapped.x()).arg(mapped.y()));
    // The box's bounding rectangle: 121 x 81 and the pen's width.
    QCOMPARE(labels.at(2)->text(), QStringLiteral("82 x 122"));
    QCOMPARE(labels.at(3)->text(), QStringLiteral("ENT MACRO ENT 10"));
    // A renaming and renumbering shows at once, and so does its undo.
    Macro* ent = window.currentGroup()->findBySigla("ENT");
    Macro renamed(*ent);
    renamed.setName("ENTREGA");
    renamed.setNum("12");
    window.currentDocument()->push(
        new ConfigureMacroCommand(*window.currentDocument(), ent, *ent, renamed));
    QCOMPARE(labels.at(3)->text(), QStringLiteral("ENT ENTREGA 12"));
    action(window, "actionUndo")->trigger();
    QCOMPARE(labels.at(3)->text(), QStringLiteral("ENT MACRO ENT 10"));

    action(window, "actionSelectAll")->trigger();
    QCOMPARE(labels.at(3)->text(), QStringLiteral("2 objetos selecionados"));

    action(window, "actionZoomPlus")->trigger();
    QCOMPARE(labels.at(5)->text(), QStringLiteral("110%"));
    action(window, "actionZoomMinus")->trigger();
    action(window, "actionZoomMinus")->trigger();
    QCOMPARE(labels.at(5)->text(), QStringLiteral("90%"));
    QVERIFY(labels.at(0)->text().isEmpty());
    QCOMPARE(labels.at(4)->text(), QStringLiteral("Nenhum problema"));

    // Delete removes the selected boxes only.
    const QPoint onCol =
        canvas->mapFromScene(canvas->findNode("COL")->sceneBoundingRect().center());
    QTest::mouseClick(viewport, Qt::LeftButton, {}, onCol);
    QCOMPARE(labels.at(3)->text(), QStringLiteral("COL MACRO COL 11"));
    QTest::keyRelease(&window, Qt::Key_Delete);
    QCOMPARE(window.currentGroup()->macroCount(), 1);
    QVERIFY(!window.currentGroup()->findBySigla("COL"));
    QVERIFY(!canvas->findNode("COL"));
    QVERIFY(canvas->findNode("ENT"));
    // The status bar forgets the deleted macro, and shows it again with its
    // box when the deletion is undone.
    QCOMPARE(labels.at(3)->text(), QString());
    action(window, "actionUndo")->trigger();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, onCol);
    QCOMPARE(labels.at(3)->text(), QStringLiteral("COL MACRO COL 11"));
    // What shows as selected is what Delete removes.
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier, onBox);
    QCOMPARE(labels.at(3)->text(), QStringLiteral("2 objetos selecionados"));
    action(window, "actionDelete")->trigger();
    QCOMPARE(window.currentGroup()->macroCount(), 0);
    QVERIFY(canvas->nodes().isEmpty());
}

void TestMainWindow::f12ShowsDevComments()
{
    MainWindow window;
    window.show();
    SeenBox seen;
    answerBox(QStringLiteral("OK"), &seen);
    QTest::keyClick(&window, Qt::Key_F12);
    QCOMPARE(seen.title, QStringLiteral("Dev Comments"));
    QCOMPARE(seen.text, QStringLiteral("Last updated - 16/Abr/2018"));
}

void TestMainWindow::descriptionDialogFromInformationList()
{
    MainWindow window;
    window.show();
    auto* list = window.findChild<QListWidget*>(QStringLiteral("lstMacroInfos"));
    // Without a group a click opens nothing (an open dialog would block here).
    QMetaObject::invokeMethod(&window, "on_lstMacroInfos_clicked",
                              Q_ARG(QModelIndex, list->model()->index(0, 0)));

    answerGroupDialog(QStringLiteral("Frota"), QStringLiteral("antes"));
    action(window, "actionNewGroup")->trigger();
    window.currentGroup()->setModified(false);

    answerNextModal([](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("edtDescription"));
        QCOMPARE(edit->text(), QStringLiteral("antes"));
        edit->setText(QStringLiteral("depois"));
        modal->findChild<QPushButton*>(QStringLiteral("pushButton"))->click();
    });
    QMetaObject::invokeMethod(&window, "on_lstMacroInfos_clicked",
                              Q_ARG(QModelIndex, list->model()->index(2, 0)));
    QCOMPARE(window.currentGroup()->description(), QStringLiteral("depois"));
    QVERIFY(window.currentGroup()->isModified());
    QCOMPARE(infoLines(window).at(2), QStringLiteral("Descrição: depois"));

    window.currentGroup()->setModified(false);
    answerNextModal([](QWidget* modal) {
        modal->findChild<QLineEdit*>(QStringLiteral("edtDescription"))->setText("outra");
        modal->findChild<QPushButton*>(QStringLiteral("pushButton_2"))->click();
    });
    QMetaObject::invokeMethod(&window, "on_lstMacroInfos_clicked",
                              Q_ARG(QModelIndex, list->model()->index(0, 0)));
    QCOMPARE(window.currentGroup()->description(), QStringLiteral("depois"));
    QVERIFY(!window.currentGroup()->isModified());
}

void TestMainWindow::settingsWrittenOnlyByAcceptedClose()
{
    {
        MainWindow window;
        window.show();
        window.resize(900, 700);
        window.move(120, 90);
        QVERIFY(!QSettings().contains(QStringLiteral("MainWindow/size")));

        // A modified group and Cancel in the prompt: the window stays, nothing written.
        answerGroupDialog(QStringLiteral("Frota"));
        action(window, "actionNewGroup")->trigger();
        window.currentGroup()->setModified(true);
        answerBox(QStringLiteral("Cancelar"));
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QVERIFY(!QSettings().contains(QStringLiteral("MainWindow/size")));

        answerBox(QStringLiteral("Descartar"));
        QVERIFY(window.close());
        QSettings settings;
        QCOMPARE(settings.value(QStringLiteral("MainWindow/size")).toSize(), QSize(900, 700));
        QCOMPARE(settings.value(QStringLiteral("MainWindow/locale")).toString(),
                 QStringLiteral("pt"));
        QVERIFY(settings.contains(QStringLiteral("MainWindow/pos")));
    }
    QSettings().setValue(QStringLiteral("MainWindow/locale"), QStringLiteral("pt"));
    MainWindow again;
    QCOMPARE(again.size(), QSize(900, 700));
    QCOMPARE(again.language(), QStringLiteral("pt"));
    QCOMPARE(again.referenceLists().violations.first(), QStringLiteral("Excesso de velocidade"));
}

void TestMainWindow::missingDataFileWarnsAtStart()
{
    QSettings().setValue(QStringLiteral("MainWindow/locale"), QStringLiteral("fr"));
    const QString path = env->filePath(QStringLiteral("zor-fr.ini"));
    const QString aside = path + QStringLiteral(".aside");
    QVERIFY(QFile::rename(path, aside));

    QStringList texts;
    auto record = [&texts](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        texts.append(box->windowTitle() + QLatin1Char('|') + box->text());
        box->button(QMessageBox::Ok)->click();
    };
    answerNextModal([&](QWidget* modal) {
        record(modal);
        answerNextModal(record);
    });
    {
        MainWindow window;
        QVERIFY(window.referenceLists().violations.isEmpty());
    }
    QFile::rename(aside, path);
    // The first warning comes before the window applies its language, the
    // second after (the entry's own translator would speak French for both).
    QCOMPARE(texts,
             (QStringList{QStringLiteral("Atenção!|O arquivo de dados zor.ini não foi encontrado."),
                          QStringLiteral("Attention|Le fichier de données zor.ini est introuvable.")}));
}

void TestMainWindow::debugModeShowsDebugDock()
{
    DebugLogger::setDebugMode(true);
    DebugLogger::instance()->configure(QStringLiteral("logs"), env->filePath("debug.log"));
    MainWindow window;
    window.show();
    QVERIFY(action(window, "actionDebug")->isVisible());
    auto* dock = window.findChild<QDockWidget*>(QStringLiteral("dockDebugInfo"));
    QVERIFY(dock->isVisible());
    auto* list = window.findChild<QListWidget*>(QStringLiteral("lstDebugInfo"));
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    QVERIFY2(lines.join('\n').contains(QStringLiteral("MainWindow - Constructor")),
             qPrintable(lines.join('\n')));
    QVERIFY(lines.join('\n').contains(QStringLiteral("GraphWidget - Constructor")));

    action(window, "actionDebug")->trigger(); // unchecks: hides the dock
    QVERIFY(!dock->isVisible());
    DebugLogger::instance()->setLineSink(nullptr);
    DebugLogger::setDebugMode(false);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
