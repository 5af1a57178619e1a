#include "commands/groupdocument.h"
#include "commands/moveboxescommand.h"
#include "diagram/edge.h"
#include "diagram/graphwidget.h"
#include "diagram/groupdiagram.h"
#include "diagram/node.h"
#include "diagram/sizegripitem.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/canvasdriver.h"

#include <QGraphicsScene>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

#include <algorithm>

namespace {

QStringList firstArguments(const QSignalSpy& spy)
{
    QStringList values;
    for (const QList<QVariant>& call : spy)
        values.append(call.at(0).toString());
    return values;
}

QPointF centre(const Node* node)
{
    return node->sceneBoundingRect().center();
}

int itemsOfType(const QGraphicsScene* scene, int type)
{
    const QList<QGraphicsItem*> items = scene->items();
    return int(std::count_if(items.begin(), items.end(),
                             [type](const QGraphicsItem* item) { return item->type() == type; }));
}

} // namespace

class TestGraphWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void placementOfNewBoxes();
    void loadedBoxKeepsItsPlaceAndSize();
    void boxesSnapWhenDragged_data();
    void boxesSnapWhenDragged();
    void findNodeReturnsTopmost();
    void findNodeFollowsRenaming();
    void addAndRemoveEdge();
    void clearAllEmptiesTheDiagram();
    void zoomOutStopsAfterSevenSteps();
    void zoomInHasNoLimitAndCentresTheSelectedBox();
    void ctrlWheelZoomsAroundTheMouse();
    void fitToWindow_data();
    void fitToWindow();
    void tabWalksTheBoxes_data();
    void tabWalksTheBoxes();
    void sceneHoldsEveryBox();
    void pressAndReleaseSignals();
    void selectionFollowsClicks();
    void clicksMarkBoxes();
    void doubleClick_data();
    void doubleClick();
    void selectAllAndUnselectAll();
    void gridIsDrawnOnlyWhenOn();
    void renderedCanvas();

private:
    Node* load(const QString& sigla, const QPoint& pos, int type = 2);
    // A document of boxes A, B, C... in a row, shown by the canvas.
    void showDocument(const QString& siglas);
    // Boxes side by side, 300 apart from (100, 100).
    QList<Node*> loadRow(const QString& siglas);

    std::unique_ptr<ZorTest::CanvasDriver> driver;
    GraphWidget* canvas = nullptr;
    std::unique_ptr<GroupDocument> document;
};

void TestGraphWidget::init()
{
    driver = std::make_unique<ZorTest::CanvasDriver>();
    canvas = driver->canvas();
    QVERIFY(driver->show());
}

void TestGraphWidget::cleanup()
{
    canvas->setDocument(nullptr);
    canvas->clearAll();
    document.reset();
    driver.reset();
    canvas = nullptr;
}

Node* TestGraphWidget::load(const QString& sigla, const QPoint& pos, int type)
{
    canvas->loadSquare(sigla, QStringLiteral("N") + sigla, QStringLiteral("MACRO ") + sigla, type,
                       pos, 121, 81);
    return canvas->nodes().constLast();
}

void TestGraphWidget::showDocument(const QString& siglas)
{
    auto group = std::make_unique<Group>(QString(), QString());
    for (int i = 0; i < siglas.size(); ++i) {
        auto* macro = new Macro(QString::number(i + 1), "MACRO", "0", siglas.mid(i, 1), 2, false);
        macro->setPosition(QPoint(100 + 300 * i, 100));
        macro->setDimensions(GraphWidget::newBoxRect());
        group->addMacro(macro);
    }
    document = std::make_unique<GroupDocument>(std::move(group));
    canvas->setDocument(document.get());
    GroupDiagram::build(*canvas, document->group());
}

QList<Node*> TestGraphWidget::loadRow(const QString& siglas)
{
    QList<Node*> nodes;
    for (int i = 0; i < siglas.size(); ++i)
        nodes.append(load(siglas.mid(i, 1), QPoint(100 + 300 * i, 100)));
    return nodes;
}

void TestGraphWidget::placementOfNewBoxes()
{
    Group group{QString(), QString()};
    QCOMPARE(GraphWidget::newBoxPosition(group), QPoint(180, 40));
    auto* last = new Macro("1", "PRIMEIRA", "0", "A", 2, false);
    last->setPosition(QPoint(55, -20));
    group.addMacro(last);
    QCOMPARE(GraphWidget::newBoxPosition(group), QPoint(235, -20));
    QCOMPARE(GraphWidget::newBoxRect(), QRect(0, 0, 121, 81));

    Node* a = canvas->addBox(last);
    QCOMPARE(canvas->nodeFor(last), a);
    QCOMPARE(a->pos(), QPointF(55, -20));
    QCOMPARE(a->rect(), QRectF(0, 0, 100, 80));
    QCOMPARE(a->color(), Macro::typeColor(2));
    QCOMPARE(a->text(), QString("A\n1\nPRIMEIRA"));
    QCOMPARE(a->grip()->parentItem(), a);
}

void TestGraphWidget::loadedBoxKeepsItsPlaceAndSize()
{
    // A stored position is not snapped, even with the grid on.
    QVERIFY(canvas->gridOn());
    canvas->loadSquare("S", "12", "NOME", 3, QPoint(55, 23), 200, 60);
    const Node* node = canvas->findNode("S");
    QVERIFY(node);
    QCOMPARE(node->pos(), QPointF(55, 23));
    QCOMPARE(node->rect(), QRectF(0, 0, 200, 60));
    QCOMPARE(node->color(), QColor(0, 128, 0));
    QCOMPARE(node->brush(), QBrush(QColor(0, 128, 0), Qt::SolidPattern));
    QCOMPARE(node->text(), QString("S\n12\nNOME"));
}

void TestGraphWidget::boxesSnapWhenDragged_data()
{
    QTest::addColumn<bool>("grid");
    QTest::addColumn<QPointF>("target");
    QTest::addColumn<QPointF>("expected");

    QTest::newRow("grid on") << true << QPointF(27, 43) << QPointF(20, 40);
    QTest::newRow("grid on, negative") << true << QPointF(-13, 5) << QPointF(-10, 0);
    QTest::newRow("grid on, on the grid") << true << QPointF(250, 90) << QPointF(250, 90);
    QTest::newRow("grid off") << false << QPointF(27, 43) << QPointF(27, 43);
    QTest::newRow("grid off, negative") << false << QPointF(-13, 5) << QPointF(-13, 5);
}

void TestGraphWidget::boxesSnapWhenDragged()
{
    QFETCH(bool, grid);
    QFETCH(QPointF, target);
    QFETCH(QPointF, expected);

    canvas->showGrid(grid);
    Node* node = load("A", QPoint(180, 40));
    const QPointF grab = centre(node);
    driver->drag(grab, grab + target - node->pos());
    QCOMPARE(node->pos(), expected);
}

void TestGraphWidget::findNodeReturnsTopmost()
{
    Node* lower = load("A", QPoint(100, 100));
    Node* upper = load("A", QPoint(110, 110));
    load("B", QPoint(400, 100));

    // The scene's own stacking agrees: the later box lies above.
    const QList<QGraphicsItem*> atPoint =
        canvas->scene()->items(QPointF(150, 150), Qt::IntersectsItemShape, Qt::DescendingOrder);
    const auto topBox = std::find_if(atPoint.begin(), atPoint.end(), [](QGraphicsItem* item) {
        return item->type() == Node::Type;
    });
    QVERIFY(topBox != atPoint.end());
    QCOMPARE(*topBox, upper);
    QCOMPARE(canvas->findNode("A"), upper);

    canvas->addEdge("B", "A");
    QCOMPARE(upper->edges().size(), 1);
    QVERIFY(lower->edges().isEmpty());

    QCOMPARE(canvas->findNode("a"), nullptr);
    QCOMPARE(canvas->findNode("X"), nullptr);

    lower->setZValue(1.0);
    QCOMPARE(canvas->findNode("A"), lower);
}

void TestGraphWidget::findNodeFollowsRenaming()
{
    Node* first = load("A", QPoint(100, 100));
    Node* second = load("A", QPoint(400, 100));
    load("B", QPoint(100, 300));

    second->setSigla("C");
    QCOMPARE(canvas->findNode("C"), second);
    QCOMPARE(canvas->findNode("A"), first);

    canvas->addEdge("B", "C");
    QCOMPARE(second->edges().size(), 1);
    canvas->removeEdge("B", "C");
    QVERIFY(second->edges().isEmpty());

    // A box renamed directly is found under its new acronym too.
    first->setSigla("D");
    QCOMPARE(canvas->findNode("A"), nullptr);
    QCOMPARE(canvas->findNode("D"), first);
}

void TestGraphWidget::addAndRemoveEdge()
{
    const QList<Node*> boxes = loadRow("AB");
    Node* a = boxes.at(0);
    Node* b = boxes.at(1);
    const QGraphicsScene* scene = canvas->scene();

    canvas->addEdge("A", "X");
    canvas->addEdge("X", "A");
    QCOMPARE(itemsOfType(scene, Edge::Type), 0);

    canvas->addEdge("A", "B");
    QCOMPARE(itemsOfType(scene, Edge::Type), 1);
    QCOMPARE(a->edges().size(), 1);
    QCOMPARE(b->edges(), a->edges());
    const Edge* edge = a->edges().constFirst();
    QCOMPARE(edge->sourceNode(), a);
    QCOMPARE(edge->destNode(), b);

    canvas->removeEdge("A", "C");
    canvas->removeEdge("B", "A"); // B holds the arrow, but as its destination
    canvas->removeEdge("X", "B");
    QCOMPARE(itemsOfType(scene, Edge::Type), 1);

    canvas->removeEdge("A", "B");
    QCOMPARE(itemsOfType(scene, Edge::Type), 0);
    QVERIFY(a->edges().isEmpty());
    QVERIFY(b->edges().isEmpty());

    canvas->addEdge("A", "A");
    QCOMPARE(a->edges().size(), 2);
    canvas->removeEdge("A", "A");
    QVERIFY(a->edges().isEmpty());
    QCOMPARE(itemsOfType(scene, Edge::Type), 0);
}

void TestGraphWidget::clearAllEmptiesTheDiagram()
{
    loadRow("AB");
    canvas->addEdge("A", "B");
    canvas->toggleSelectAll();

    canvas->clearAll();
    QVERIFY(canvas->scene()->items().isEmpty());
    QVERIFY(canvas->nodes().isEmpty());
    QCOMPARE(canvas->findNode("A"), nullptr);

    // A fresh start: select-all selects again.
    load("X", QPoint(180, 40));
    QSignalSpy counts(canvas, &GraphWidget::selectedItems);
    canvas->toggleSelectAll();
    QCOMPARE(counts.takeFirst().at(0).toInt(), 1);
    QVERIFY(canvas->findNode("X")->isMarked());
}

void TestGraphWidget::zoomOutStopsAfterSevenSteps()
{
    QSignalSpy zooms(canvas, &GraphWidget::zoom);
    for (int i = 0; i < 10; ++i)
        canvas->zoomOut();

    QCOMPARE(firstArguments(zooms), QStringList({"90", "80", "70", "60", "50", "40", "30"}));
    // Seven single-precision steps: just below 0.3.
    const double expected = 1.0 + 7 * double(-0.1f);
    QCOMPARE(canvas->scaleFactor(), expected);
    QVERIFY(canvas->scaleFactor() < 0.3);
    QCOMPARE(canvas->transform().m11(), expected);
    QCOMPARE(canvas->transform().m22(), expected);

    canvas->zoomIn();
    QCOMPARE(zooms.last().at(0).toInt(), 40);
    canvas->zoomOut();
    QCOMPARE(zooms.count(), 9);
    canvas->zoomOut();
    QCOMPARE(zooms.count(), 9);
}

void TestGraphWidget::zoomInHasNoLimitAndCentresTheSelectedBox()
{
    Node* node = load("A", QPoint(1500, 1500));
    node->setMarked(true);
    QSignalSpy zooms(canvas, &GraphWidget::zoom);
    for (int i = 1; i <= 40; ++i) {
        canvas->zoomIn();
        // Within the pixel that whole scroll steps allow.
        const QPointF offset = QPointF(canvas->mapFromScene(centre(node))) -
                               QRectF(canvas->viewport()->rect()).center();
        QVERIFY2(
            qAbs(offset.x()) <= 1.5 && qAbs(offset.y()) <= 1.5,
            qPrintable(QString("step %1: off by %2, %3").arg(i).arg(offset.x()).arg(offset.y())));
    }
    QCOMPARE(zooms.count(), 40);
    QCOMPARE(zooms.last().at(0).toInt(), 500);
    QCOMPARE(canvas->transform().m11(), canvas->scaleFactor());
}

void TestGraphWidget::ctrlWheelZoomsAroundTheMouse()
{
    const QPoint mouse(300, 200);
    const QPointF under = canvas->mapToScene(mouse);
    const auto turn = [&](Qt::KeyboardModifiers modifiers, int notches) {
        QWheelEvent event(mouse, canvas->viewport()->mapToGlobal(mouse), QPoint(),
                          QPoint(0, 120 * notches), Qt::NoButton, modifiers, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(canvas->viewport(), &event);
    };
    turn(Qt::ControlModifier, 2);
    QCOMPARE(qRound(canvas->scaleFactor() * 100), 120);
    QVERIFY((QPointF(canvas->mapFromScene(under)) - mouse).manhattanLength() <= 2);
    turn(Qt::ControlModifier, -20);
    QCOMPARE(qRound(canvas->scaleFactor() * 100), 30);
    turn(Qt::NoModifier, 1);
    QCOMPARE(qRound(canvas->scaleFactor() * 100), 30);
}

void TestGraphWidget::fitToWindow_data()
{
    QTest::addColumn<QString>("siglas");
    QTest::addColumn<int>("percent");

    // The 800 x 600 canvas holds two boxes 300 apart at zoom 1.
    QTest::newRow("small flow: zoom 1") << "AB" << 100;
    QTest::newRow("wide flow") << "ABCD" << 75;
    QTest::newRow("wider than the smallest zoom") << "ABCDEFGHIJKL" << 30;
}

void TestGraphWidget::fitToWindow()
{
    QFETCH(QString, siglas);
    const QList<Node*> nodes = loadRow(siglas);
    canvas->zoomIn();
    canvas->fitToWindow();
    QTEST(qRound(canvas->scaleFactor() * 100), "percent");
    const QRectF shown = canvas->mapToScene(canvas->viewport()->rect()).boundingRect();
    const QRectF flow =
        nodes.constFirst()->sceneBoundingRect() | nodes.constLast()->sceneBoundingRect();
    QCOMPARE(shown.contains(flow), siglas.size() < 12);

    canvas->zoomToActualSize();
    QCOMPARE(canvas->scaleFactor(), 1.0);
}

void TestGraphWidget::tabWalksTheBoxes_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QString>("expected");

    QTest::newRow("none, Tab") << "" << false << "A";
    QTest::newRow("A, Tab") << "A" << false << "B";
    QTest::newRow("last, Tab wraps") << "C" << false << "A";
    QTest::newRow("none, Shift+Tab") << "" << true << "C";
    QTest::newRow("first, Shift+Tab wraps") << "A" << true << "C";
}

void TestGraphWidget::tabWalksTheBoxes()
{
    QFETCH(QString, selected);
    QFETCH(bool, backwards);
    showDocument("ABC");
    if (!selected.isEmpty())
        canvas->findNode(selected)->setMarked(true);
    QTest::keyClick(canvas, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                    backwards ? Qt::ShiftModifier : Qt::NoModifier);
    const QList<Macro*> macros = canvas->selectedMacros();
    QCOMPARE(macros.size(), 1);
    QTEST(macros.constFirst()->sigla(), "expected");
}

void TestGraphWidget::sceneHoldsEveryBox()
{
    showDocument("AB");
    Macro* a = document->group().macros().constFirst();
    const QRect size = GraphWidget::newBoxRect();
    document->push(new MoveBoxesCommand(*document, {{a, a->position(), size}},
                                        {{a, QPoint(-500, -300), size}},
                                        MoveBoxesCommand::Source::Drag));
    QVERIFY(canvas->sceneRect().contains(canvas->nodeFor(a)->sceneBoundingRect()));
    canvas->showTopLeft();
    QVERIFY(canvas->mapToScene(canvas->viewport()->rect())
                .boundingRect()
                .contains(canvas->nodeFor(a)->sceneBoundingRect()));
    document->undoStack()->undo();
    QCOMPARE(canvas->sceneRect(), QRectF(0, 0, GraphWidget::SceneSize, GraphWidget::SceneSize));
}

void TestGraphWidget::pressAndReleaseSignals()
{
    Node* node = load("A", QPoint(100, 100));
    canvas->horizontalScrollBar()->setValue(40);
    canvas->verticalScrollBar()->setValue(30);
    QSignalSpy clicks(canvas, &GraphWidget::newMouseClick);
    QSignalSpy positions(canvas, &GraphWidget::newPosition);

    const QPointF inside(160, 150);
    const QPoint viewPos = driver->toView(inside);
    driver->press(inside);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toPoint(), viewPos);
    QCOMPARE(positions.count(), 0);

    driver->release(inside);
    QCOMPARE(positions.count(), 1);
    const QList<QVariant> args = positions.takeFirst();
    // The viewport position taken as a scene point and mapped back to the
    // view: not the click's own view position once the view is scrolled.
    const QPoint expected = canvas->mapFromScene(QPointF(viewPos));
    QVERIFY(expected != viewPos);
    QCOMPARE(args.at(0).toPoint(), expected);
    QCOMPARE(args.at(1).toRectF(), QRectF(-0.5, -0.5, 122, 82));
    QCOMPARE(args.at(2).toString(), QString("A"));
    QCOMPARE(args.at(3).toString(), QString("MACRO A"));
    QCOMPARE(args.at(4).toString(), QString("NA"));
    QCOMPARE(canvas->currentNode(), node);

    // A click on the empty canvas selects nothing, so no position follows.
    driver->click(QPointF(600, 400));
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(positions.count(), 0);
}

void TestGraphWidget::selectionFollowsClicks()
{
    const QList<Node*> boxes = loadRow("AB");
    const QPointF a = centre(boxes.at(0));
    const QPointF b = centre(boxes.at(1));
    QSignalSpy counts(canvas, &GraphWidget::selectedItems);
    // What shows as selected is the scene's selection, and the count says so.
    const auto selected = [&] {
        QString marks;
        for (const Node* node : boxes) {
            if (node->isMarked() != node->isSelected())
                return QStringLiteral("mark differs from selection");
            marks += node->isMarked() ? node->sigla() : QString();
        }
        if (counts.isEmpty() || counts.last().at(0).toInt() != marks.size())
            return QStringLiteral("count differs");
        return marks;
    };

    driver->click(a);
    QCOMPARE(selected(), QString("A"));
    driver->click(b);
    QCOMPARE(selected(), QString("B"));
    driver->click(a, Qt::ControlModifier);
    QCOMPARE(selected(), QString("AB"));
    driver->click(b, Qt::ControlModifier);
    QCOMPARE(selected(), QString("A"));
    driver->click(b, Qt::ShiftModifier);
    QCOMPARE(selected(), QString("AB"));
    driver->click(b, Qt::ShiftModifier);
    QCOMPARE(selected(), QString("AB"));
    driver->click(QPointF(700, 600));
    QCOMPARE(selected(), QString());
    // A rubber band from the empty canvas around both boxes.
    driver->press(QPointF(50, 50));
    driver->moveTo(QPointF(300, 150));
    driver->moveTo(QPointF(600, 250));
    driver->release(QPointF(600, 250));
    QCOMPARE(selected(), QString("AB"));
}

void TestGraphWidget::clicksMarkBoxes()
{
    const QList<Node*> boxes = loadRow("AB");
    Node* a = boxes.at(0);
    Node* b = boxes.at(1);
    const SizeGripItem::HandleItem* handle = a->grip()->handleItems().constFirst();

    driver->click(centre(a));
    QVERIFY(a->isMarked());
    QCOMPARE(handle->brush(), QBrush(Qt::lightGray, Qt::SolidPattern));

    driver->click(QPointF(700, 500));
    QVERIFY(!a->isMarked());
    QVERIFY(canvas->scene()->selectedItems().isEmpty());
    QCOMPARE(handle->brush().style(), Qt::NoBrush);

    // Within a multiple selection a press starts a drag and keeps the marks.
    canvas->toggleSelectAll();
    driver->press(centre(a));
    QVERIFY(a->isMarked());
    QVERIFY(b->isMarked());
    driver->release(centre(a));
}

void TestGraphWidget::doubleClick_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("wholeSequence"); // press, release, double click, release
    QTest::addColumn<bool>("edits");

    const int left = Qt::LeftButton;
    QTest::newRow("one selected") << QStringList{"A"} << left << false << true;
    QTest::newRow("none selected") << QStringList() << left << false << false;
    QTest::newRow("two selected") << QStringList{"A", "B"} << left << false << false;
    QTest::newRow("right button") << QStringList{"A"} << int(Qt::RightButton) << false << false;
    QTest::newRow("both buttons") << QStringList{"A"} << int(Qt::LeftButton | Qt::RightButton)
                                  << false << false;
    QTest::newRow("whole sequence") << QStringList() << left << true << true;
}

void TestGraphWidget::doubleClick()
{
    QFETCH(QStringList, selected);
    QFETCH(int, buttons);
    QFETCH(bool, wholeSequence);
    QFETCH(bool, edits);

    Node* a = loadRow("AB").constFirst();
    for (const QString& sigla : selected)
        canvas->findNode(sigla)->setMarked(true);
    QSignalSpy edit(canvas, &GraphWidget::editShape);

    if (wholeSequence)
        driver->doubleClick(centre(a));
    else
        driver->doubleClickEvent(centre(a), Qt::MouseButtons(buttons));
    QCOMPARE(firstArguments(edit), edits ? QStringList{"NA"} : QStringList());
    QCOMPARE(canvas->currentNode(), edits ? a : nullptr);
}

void TestGraphWidget::selectAllAndUnselectAll()
{
    loadRow("ABC");
    QSignalSpy counts(canvas, &GraphWidget::selectedItems);
    const auto markedCount = [this] {
        return int(std::count_if(canvas->nodes().begin(), canvas->nodes().end(),
                                 [](const Node* node) { return node->isMarked(); }));
    };

    canvas->toggleSelectAll();
    QCOMPARE(counts.takeFirst().at(0).toInt(), 3);
    QCOMPARE(markedCount(), 3);
    canvas->toggleSelectAll();
    QCOMPARE(counts.takeFirst().at(0).toInt(), 0);
    QCOMPARE(markedCount(), 0);

    canvas->toggleSelectAll();
    QCOMPARE(counts.takeFirst().at(0).toInt(), 3);
    canvas->unselectAll();
    QCOMPARE(counts.takeFirst().at(0).toInt(), 0);
    QCOMPARE(markedCount(), 0);
    QVERIFY(canvas->scene()->selectedItems().isEmpty());
    // The toggle remembers its own state: its next turn deselects.
    canvas->toggleSelectAll();
    QCOMPARE(counts.takeFirst().at(0).toInt(), 0);
}

void TestGraphWidget::gridIsDrawnOnlyWhenOn()
{
    // Darkest pixel around where a grid point falls, in an empty area.
    const auto darkest = [this] {
        driver->paint();
        const QImage image = canvas->viewport()->grab().toImage();
        const QPoint at = driver->toView(QPointF(300, 300));
        int value = 255;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx)
                value = qMin(value, qGray(image.pixel(at + QPoint(dx, dy))));
        }
        return value;
    };
    QVERIFY(darkest() < 160);
    canvas->showGrid(false);
    QCOMPARE(darkest(), 255);
    canvas->showGrid(true);
    QVERIFY(darkest() < 160);
}

void TestGraphWidget::renderedCanvas()
{
    Node* a = load("A", QPoint(100, 100), 2);
    Node* b = load("B", QPoint(400, 100), 3);
    load("C", QPoint(250, 300), 5);
    canvas->addEdge("A", "B");
    canvas->addEdge("B", "C");
    canvas->addEdge("C", "A");
    a->setMarked(true);
    // The first paint colours the arrows; the second shows them.
    driver->paint();
    driver->paint();
    const QImage image = canvas->viewport()->grab().toImage();
    if (qEnvironmentVariableIsSet("ZOR_CANVAS_PNG"))
        image.save(qEnvironmentVariable("ZOR_CANVAS_PNG"));

    const auto pixelAt = [&](const QPointF& scenePos) {
        return QColor(image.pixel(driver->toView(scenePos)));
    };
    QCOMPARE(pixelAt(a->pos() + QPointF(10, 10)), QColor(255, 255, 0));
    QCOMPARE(pixelAt(b->pos() + QPointF(10, 10)), QColor(0, 128, 0));
    // The arrow from the marked box is red, halfway between the boxes.
    const QColor arrow = pixelAt(QPointF(300, 140));
    QVERIFY2(arrow.red() > 150 && arrow.green() < 100, qPrintable(arrow.name()));
    // The top-left handle of the marked box is light grey.
    QCOMPARE(pixelAt(a->pos() + QPointF(-1, -1)), QColor(Qt::lightGray));
}

QTEST_MAIN(TestGraphWidget)
#include "tst_graphwidget.moc"
