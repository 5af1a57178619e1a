#include "diagram/graphwidget.h"
#include "diagram/node.h"
#include "io/samplegroups.h"
#include "mainwindow/differencesdock.h"
#include "mainwindow/mainwindow.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/fakefiledialogs.h"
#include "support/messagerecorder.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"

#include <QAction>
#include <QSettings>
#include <QTreeWidget>
#include <QtTest>

using ZorTest::TestEnvironment;

class TestDifferencesDock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listsChangesAndMarksTheirBoxes();
    void unreadableFileChangesNothing();

private:
    void openSampleAndCompareWith(const QString& path);

    std::unique_ptr<TestEnvironment> env;
    MessageRecorder recorder;
    FakeFileDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

void TestDifferencesDock::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
    QCoreApplication::setOrganizationName(QStringLiteral("Orvenda"));
    QCoreApplication::setApplicationName(QStringLiteral("Zor"));
    QSettings().setValue(QStringLiteral("MainWindow/locale"), QStringLiteral("pt"));
    QVERIFY(SampleGroups::sample()->saveAs(env->filePath("open.mcx")));
    // The other version: MAN had another name and a macro the open group lacks.
    const std::unique_ptr<Group> other = SampleGroups::sample();
    other->findBySigla("MAN")->setName("PEDIDO DE MANUTENCAO");
    other->addMacro(new Macro("60", "ANTIGA", "60", "ANT", 2, false));
    QVERIFY(other->saveAs(env->filePath("other.mcx")));
}

void TestDifferencesDock::openSampleAndCompareWith(const QString& path)
{
    window = std::make_unique<MainWindow>();
    window->show();
    dialogs.answers = QStringList{env->filePath("open.mcx"), path};
    window->findChild<QAction*>("actionLoadGroup")->trigger();
    window->findChild<QAction*>("actionCompareWith")->trigger();
}

void TestDifferencesDock::listsChangesAndMarksTheirBoxes()
{
    openSampleAndCompareWith(env->filePath("other.mcx"));
    auto* dock = window->findChild<DifferencesDock*>("dockDifferences");
    QVERIFY(dock && dock->isVisible());
    auto* tree = dock->findChild<QTreeWidget*>("treeDifferences");
    QCOMPARE(tree->topLevelItemCount(), 2);
    QTreeWidgetItem* man = tree->topLevelItem(0);
    QCOMPARE(man->text(0), QString("MAN (30) SOLICITACAO DE MANUTENCAO"));
    QCOMPARE(man->child(0)->text(0),
             QString("nome: \"PEDIDO DE MANUTENCAO\" -> \"SOLICITACAO DE MANUTENCAO\""));
    QCOMPARE(tree->topLevelItem(1)->child(0)->text(0), QString("macro removida: ANTIGA"));

    GraphWidget* canvas = window->canvas();
    canvas->findNode("INI")->setMarked(true);
    emit tree->itemClicked(man->child(0), 0);
    QCOMPARE(canvas->scene()->selectedItems(), QList<QGraphicsItem*>{canvas->findNode("MAN")});
    QCOMPARE(canvas->currentNode(), canvas->findNode("MAN"));
    // A removed macro has no box to mark: the mark stays where it was.
    emit tree->itemActivated(tree->topLevelItem(1), 0);
    QCOMPARE(canvas->currentNode(), canvas->findNode("MAN"));

    window->currentGroup()->setModified(false);
    window->findChild<QAction*>("actionCloseGroup")->trigger();
    QCOMPARE(tree->topLevelItemCount(), 0);
}

void TestDifferencesDock::unreadableFileChangesNothing()
{
    ZorTest::SeenBox seen;
    ZorTest::answerBox(QString(), &seen);
    openSampleAndCompareWith(env->filePath("missing.mcx"));
    QCOMPARE(seen.text, "Não foi possível abrir o arquivo " + env->filePath("missing.mcx"));
    QVERIFY(!window->findChild<DifferencesDock*>("dockDifferences")->isVisible());
}

QTEST_MAIN(TestDifferencesDock)
#include "tst_differencesdock.moc"
