#include "support/canvasdriver.h"
#include "diagram/edge.h"
#include "diagram/graphwidget.h"
#include "diagram/node.h"
#include "diagram/rectresizer.h"
#include "diagram/sizegripitem.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsScene>
#include <QScreen>
#include <QWindow>
#include <QtTest>

using Handle = SizeGripItem::HandleItem;

class TestSizeGripItem : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eightHandles();
    void handleMoves_data();
    void handleMoves();
    void mouseDragResizesOnlyTheBox_data();
    void mouseDragResizesOnlyTheBox();
    void arrowsFollowTheResize();
    void handlesCatchUpWithOutsideRect();
    void handlesPaintOnlyWhileMarked();
    void noHandleLeftOnTheScreen_data();
    void noHandleLeftOnTheScreen();
    void handlePartOutsideTheBoxTakesDrags();
    void rectResizer();
    void gripWithoutParent();

private:
    Node* load(const QString& sigla, const QPoint& pos);
    static Handle* handle(const Node* node, int flags);

    std::unique_ptr<ZorTest::CanvasDriver> driver;
    GraphWidget* canvas = nullptr;
};

void TestSizeGripItem::init()
{
    driver = std::make_unique<ZorTest::CanvasDriver>();
    canvas = driver->canvas();
    QVERIFY(driver->show());
}

void TestSizeGripItem::cleanup()
{
    driver.reset();
    canvas = nullptr;
}

Node* TestSizeGripItem::load(const QString& sigla, const QPoint& pos)
{
    canvas->loadSquare(sigla, "1", "NOME", 2, pos, 121, 81);
    return canvas->nodes().constLast();
}

Handle* TestSizeGripItem::handle(const Node* node, int flags)
{
    for (Handle* item : node->grip()->handleItems()) {
        if (item->positionFlags() == flags)
            return item;
    }
    return nullptr;
}

void TestSizeGripItem::eightHandles()
{
    const Node* node = load("A", QPoint(100, 100));
    const SizeGripItem* grip = node->grip();
    QCOMPARE(grip->rect(), QRectF(0, 0, 121, 81));
    QCOMPARE(grip->owner(), node);

    const QList<int> flags{5, 1, 9, 8, 10, 2, 6, 4};
    const QList<QPointF> positions{{0, 0},    {59.5, 0},  {121, 0}, {121, 39.5},
                                   {121, 81}, {59.5, 81}, {0, 81},  {0, 39.5}};
    QCOMPARE(grip->handleItems().size(), 8);
    for (int i = 0; i < 8; ++i) {
        const Handle* item = grip->handleItems().at(i);
        QCOMPARE(item->positionFlags(), flags.at(i));
        QCOMPARE(item->pos(), positions.at(i));
        QVERIFY(!(item->flags() & QGraphicsItem::ItemIsSelectable));
        // Unmarked: invisible, though there.
        QCOMPARE(item->pen().style(), Qt::NoPen);
        QCOMPARE(item->brush().style(), Qt::NoBrush);
        QVERIFY(item->isVisible());
    }
}

void TestSizeGripItem::handleMoves_data()
{
    QTest::addColumn<bool>("grid");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QPointF>("target");
    QTest::addColumn<QRectF>("rect");

    QTest::newRow("right, below the minimum")
        << true << int(Handle::Right) << QPointF(20, 39.5) << QRectF(0, 0, 40, 81);
    QTest::newRow("left, below the minimum")
        << false << int(Handle::Left) << QPointF(110, 39.5) << QRectF(81, 0, 40, 81);
    QTest::newRow("top, below the minimum")
        << false << int(Handle::Top) << QPointF(59.5, 70) << QRectF(0, 41, 121, 40);
    QTest::newRow("bottom, below the minimum")
        << true << int(Handle::Bottom) << QPointF(59.5, 10) << QRectF(0, 0, 121, 40);
    QTest::newRow("top moves only up and down")
        << true << int(Handle::Top) << QPointF(89.5, -20) << QRectF(0, -20, 121, 101);
    QTest::newRow("right moves only sideways")
        << false << int(Handle::Right) << QPointF(150, 200) << QRectF(0, 0, 150, 81);
    QTest::newRow("bottom right, grid on")
        << true << int(Handle::BottomRight) << QPointF(187, 93) << QRectF(0, 0, 180, 90);
    QTest::newRow("bottom right, grid off")
        << false << int(Handle::BottomRight) << QPointF(187, 93) << QRectF(0, 0, 187, 93);
    QTest::newRow("top left, grid on, negative")
        << true << int(Handle::TopLeft) << QPointF(-13, -27) << QRectF(-10, -20, 131, 101);
    QTest::newRow("top left, grid on, fractional")
        << true << int(Handle::TopLeft) << QPointF(-13.5, 12.5) << QRectF(-10.5, 10.5, 131.5, 70.5);
    QTest::newRow("bottom left, past the far corner")
        << false << int(Handle::BottomLeft) << QPointF(300, -50)
        << QRectF(0, 0, 40, 40).translated(81, 0);
}

void TestSizeGripItem::handleMoves()
{
    QFETCH(bool, grid);
    QFETCH(int, flags);
    QFETCH(QPointF, target);
    QFETCH(QRectF, rect);

    canvas->showGrid(grid);
    Node* node = load("A", QPoint(500, 500));
    Handle* item = handle(node, flags);
    item->setPos(target);
    QCOMPARE(node->rect(), rect);
    QCOMPARE(node->grip()->rect(), rect);
    QCOMPARE(node->pos(), QPointF(500, 500));
    QCOMPARE(handle(node, Handle::TopLeft)->pos(), rect.topLeft());
    QCOMPARE(handle(node, Handle::BottomRight)->pos(), rect.bottomRight());
}

void TestSizeGripItem::mouseDragResizesOnlyTheBox_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("unmarked box") << 0;
    QTest::newRow("after select all") << 1;
    QTest::newRow("shift, box marked") << 2;
}

void TestSizeGripItem::mouseDragResizesOnlyTheBox()
{
    QFETCH(int, way);
    Node* node = load("A", QPoint(100, 100));
    Node* other = load("B", QPoint(500, 100));
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    if (way == 1) {
        canvas->toggleSelectAll();
    } else if (way == 2) {
        driver->click(node->sceneBoundingRect().center());
        other->setMarked(true);
        modifiers = Qt::ShiftModifier;
    }

    const QPointF from = handle(node, Handle::BottomRight)->scenePos();
    driver->drag(from, from + QPointF(66, 12), modifiers);
    // Local (187, 93), snapped to the grid.
    QCOMPARE(node->rect(), QRectF(0, 0, 180, 90));
    QCOMPARE(node->pos(), QPointF(100, 100));
    QCOMPARE(other->pos(), QPointF(500, 100));
    QCOMPARE(other->rect(), QRectF(0, 0, 121, 81));
}

void TestSizeGripItem::arrowsFollowTheResize()
{
    Node* a = load("A", QPoint(100, 100));
    load("B", QPoint(400, 100));
    canvas->addEdge("A", "B");
    const Edge* edge = a->edgeTo("B");
    QCOMPARE(edge->sourcePoint().x(), 221.5);

    handle(a, Handle::Right)->setPos(60, 39.5);
    QCOMPARE(a->rect(), QRectF(0, 0, 60, 81));
    QCOMPARE(edge->sourcePoint().x(), 160.5);
}

void TestSizeGripItem::handlesCatchUpWithOutsideRect()
{
    Node* node = load("A", QPoint(100, 100));
    node->setRect(0, 0, 200, 100);
    // The box's next even-numbered paint brings the handles along.
    driver->paint();
    driver->paint();
    QCOMPARE(node->grip()->rect(), QRectF(0, 0, 200, 100));
    QCOMPARE(handle(node, Handle::BottomRight)->pos(), QPointF(200, 100));
    QCOMPARE(handle(node, Handle::Right)->pos(), QPointF(200, 49));
}

void TestSizeGripItem::handlesPaintOnlyWhileMarked()
{
    Node* node = load("A", QPoint(100, 100));
    const Handle* corner = handle(node, Handle::TopLeft);
    // A point of the corner handle outside the box, off the grid's dots.
    const QPointF outside = node->scenePos() + QPointF(-2, -2);
    const auto colourAt = [&](const QPointF& scenePos) {
        return canvas->viewport()->grab().toImage().pixelColor(driver->toView(scenePos));
    };
    const QColor blank = colourAt(outside);
    QVERIFY(corner->flags() & QGraphicsItem::ItemHasNoContents);

    node->setMarked(true);
    QVERIFY(!(corner->flags() & QGraphicsItem::ItemHasNoContents));
    QCOMPARE(colourAt(outside), QColor(Qt::lightGray));
    QVERIFY(corner->flags() & QGraphicsItem::ItemIsMovable);
    QVERIFY(corner->flags() & QGraphicsItem::ItemSendsGeometryChanges);

    node->setMarked(false);
    QCOMPARE(colourAt(outside), blank);
    QVERIFY(corner->flags() & QGraphicsItem::ItemSendsGeometryChanges);
}

// What the window shows after the repaints the toolkit chose, not a fresh
// paint of everything.
static QImage shownNow(QWidget* widget)
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return widget->windowHandle()->screen()->grabWindow(widget->winId()).toImage();
}

void TestSizeGripItem::noHandleLeftOnTheScreen_data()
{
    // Clicks after the first box was marked.
    QTest::addColumn<QVector<QPointF>>("clicks");
    QTest::newRow("beside the box") << QVector<QPointF>{{400, 300}};
    QTest::newRow("on another box") << QVector<QPointF>{{360, 140}};
    QTest::newRow("back to the first box") << QVector<QPointF>{{360, 140}, {160, 140}};
}

void TestSizeGripItem::noHandleLeftOnTheScreen()
{
    QFETCH(QVector<QPointF>, clicks);
    load("A", QPoint(100, 100));
    load("B", QPoint(300, 100));
    driver->click(QPointF(160, 140));
    for (const QPointF& at : qAsConst(clicks)) {
        shownNow(canvas);
        driver->click(at);
    }
    const QImage shown = shownNow(canvas);
    canvas->viewport()->repaint();
    QCOMPARE(shownNow(canvas), shown);
}

void TestSizeGripItem::handlePartOutsideTheBoxTakesDrags()
{
    // The corner handle sticks out of an unmarked box: found and dragged
    // there as well.
    Node* node = load("A", QPoint(100, 100));
    const QPointF outside(98, 98);
    QVERIFY(canvas->scene()->items(outside).contains(handle(node, Handle::TopLeft)));
    driver->drag(outside, outside + QPointF(-30, -20));
    QCOMPARE(node->rect(), QRectF(-30, -20, 151, 101));
    QCOMPARE(node->pos(), QPointF(100, 100));
}

void TestSizeGripItem::rectResizer()
{
    RectResizer resizer;
    QGraphicsRectItem rectItem(0, 0, 10, 10);
    resizer(&rectItem, QRectF(1, 2, 30, 40));
    QCOMPARE(rectItem.rect(), QRectF(1, 2, 30, 40));

    Node* node = load("A", QPoint(100, 100));
    resizer(node, QRectF(0, 0, 50, 60));
    QCOMPARE(node->rect(), QRectF(0, 0, 50, 60));

    QGraphicsEllipseItem ellipse(0, 0, 10, 10);
    resizer(&ellipse, QRectF(0, 0, 50, 60));
    QCOMPARE(ellipse.rect(), QRectF(0, 0, 10, 10));
}

void TestSizeGripItem::gripWithoutParent()
{
    SizeGripItem grip(std::make_unique<RectResizer>(), nullptr);
    QVERIFY(grip.rect().isEmpty());
    QCOMPARE(grip.owner(), nullptr);
    QCOMPARE(grip.handleItems().size(), 8);
    grip.handleItems().at(3)->setPos(50, 0);
    QCOMPARE(grip.rect(), QRectF(0, 0, 50, 0));
}

QTEST_MAIN(TestSizeGripItem)
#include "tst_sizegripitem.moc"
