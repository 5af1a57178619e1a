#include "canvasdriver.h"
#include "diagram/graphwidget.h"
#include "diagram/node.h"
#include "diagram/sizegripitem.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/testenvironment.h"

#include <QtTest>

// The group reading box geometry from, and removing boxes through, a real
// canvas.
class TestDiagramGroup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void syncGeometryReadsTheBox();
    void geometrySurvivesReloading_data();
    void geometrySurvivesReloading();
    void removeSelectedBoxes();

private:
    Macro* addMacro(const QString& sigla, const QStringList& flow = {});
    void buildDiagram();
    QPointF handlePos(const Node* node, int index) const;

    std::unique_ptr<ZorTest::TestEnvironment> env;
    std::unique_ptr<ZorTest::CanvasDriver> driver;
    std::unique_ptr<Group> group;
    GraphWidget* canvas = nullptr;
};

void TestDiagramGroup::initTestCase()
{
    env = std::make_unique<ZorTest::TestEnvironment>();
    QVERIFY(env->isValid());
}

void TestDiagramGroup::init()
{
    driver = std::make_unique<ZorTest::CanvasDriver>();
    canvas = driver->canvas();
    QVERIFY(driver->show());
    group = std::make_unique<Group>("GRUPO", "");
    group->setGraph(canvas);
}

void TestDiagramGroup::cleanup()
{
    group.reset();
    driver.reset();
    canvas = nullptr;
}

Macro* TestDiagramGroup::addMacro(const QString& sigla, const QStringList& flow)
{
    auto* macro =
        new Macro(QString::number(group->macroCount() + 1), "MACRO " + sigla, "0", sigla, 2, false);
    macro->setFlow(flow);
    group->addMacro(macro);
    canvas->addMacroBox(macro);
    return macro;
}

// What the window does after loading a group: every box, then every arrow.
void TestDiagramGroup::buildDiagram()
{
    canvas->clearAll();
    const QList<Macro*> macros = group->macros();
    for (const Macro* macro : macros) {
        canvas->loadSquare(macro->sigla(), macro->num(), macro->name(), macro->type(),
                           macro->position(), macro->dimensions().width(),
                           macro->dimensions().height());
    }
    for (const Macro* macro : macros) {
        for (const QString& next : macro->flow())
            canvas->addEdge(macro->sigla(), next);
    }
}

QPointF TestDiagramGroup::handlePos(const Node* node, int index) const
{
    return node->grip()->handleItems().at(index)->scenePos();
}

void TestDiagramGroup::syncGeometryReadsTheBox()
{
    Macro* macro = addMacro("A");
    QCOMPARE(macro->position(), QPoint(180, 40));
    group->syncGeometry(macro);
    QCOMPARE(macro->position(), QPoint(180, 40));
    QCOMPARE(macro->dimensions(), QRect(0, 0, 121, 81));

    // Moved and resized with the mouse, off the grid.
    canvas->showGrid(false);
    Node* node = canvas->findNode("A");
    const QPointF grab = node->sceneBoundingRect().center();
    driver->drag(grab, grab + QPointF(33, 17));
    const QPointF corner = handlePos(node, 4); // bottom right
    driver->drag(corner, corner + QPointF(40, -11));
    group->syncGeometry(macro);
    QCOMPARE(macro->position(), QPoint(213, 57));
    QCOMPARE(macro->dimensions(), QRect(0, 0, 161, 70));

    // A macro whose acronym no box has keeps what it had.
    Macro orphan("9", "SEM CAIXA", "0", "Z", 0, false);
    orphan.setPosition(QPoint(7, 8));
    group->syncGeometry(&orphan);
    QCOMPARE(orphan.position(), QPoint(7, 8));
}

void TestDiagramGroup::geometrySurvivesReloading_data()
{
    QTest::addColumn<int>("handle");
    QTest::addColumn<QPointF>("offset");

    QTest::newRow("untouched") << -1 << QPointF();
    QTest::newRow("bottom right") << 4 << QPointF(37, 23);
    QTest::newRow("top left") << 0 << QPointF(20, 10);
    QTest::newRow("left") << 7 << QPointF(-30, 0);
}

void TestDiagramGroup::geometrySurvivesReloading()
{
    QFETCH(int, handle);
    QFETCH(QPointF, offset);

    Macro* a = addMacro("A", {"B"});
    addMacro("B", {"A"});
    Node* node = canvas->findNode("A");
    if (handle >= 0) {
        const QPointF from = handlePos(node, handle);
        driver->drag(from, from + offset);
    }
    const QRectF drawn = node->mapRectToScene(node->rect());

    // Saved and opened again, three times over: the box stays where and as
    // large as it was drawn.
    for (int round = 0; round < 3; ++round) {
        for (Macro* macro : group->macros())
            group->syncGeometry(macro);
        buildDiagram();
        node = canvas->findNode("A");
        QVERIFY(node);
        QCOMPARE(node->mapRectToScene(node->rect()), drawn);
        QCOMPARE(node->rect().topLeft(), QPointF(0, 0));
    }
    QCOMPARE(a->position(), drawn.topLeft().toPoint());
    QCOMPARE(node->edges().size(), 2);
}

void TestDiagramGroup::removeSelectedBoxes()
{
    addMacro("A", {"B"});
    addMacro("B", {"C"});
    addMacro("C");
    buildDiagram();
    connect(canvas, &GraphWidget::deletedItem, canvas,
            [this](const QString& sigla) { group->removeMacro(sigla); });
    group->setModified(false);

    driver->click(canvas->findNode("B")->sceneBoundingRect().center());
    group->removeSelectedBoxes();

    QCOMPARE(group->macroCount(), 2);
    QCOMPARE(group->findBySigla("B"), nullptr);
    QVERIFY(group->isModified());
    QCOMPARE(canvas->findNode("B"), nullptr);
    QVERIFY(canvas->findNode("A")->edges().isEmpty());
    QVERIFY(canvas->findNode("C")->edges().isEmpty());
    QCOMPARE(canvas->currentNode(), nullptr);
}

QTEST_MAIN(TestDiagramGroup)
#include "tst_diagramgroup.moc"
