#include "diagram/edge.h"
#include "diagram/graphwidget.h"
#include "diagram/node.h"
#include "support/canvasdriver.h"

#include <QGraphicsScene>
#include <QtTest>

namespace {

bool onBorder(const QRectF& rect, const QPointF& p)
{
    const qreal e = 1e-6;
    const bool inX = p.x() >= rect.left() - e && p.x() <= rect.right() + e;
    const bool inY = p.y() >= rect.top() - e && p.y() <= rect.bottom() + e;
    const bool onSide = qAbs(p.x() - rect.left()) < e || qAbs(p.x() - rect.right()) < e;
    const bool onTopOrBottom = qAbs(p.y() - rect.top()) < e || qAbs(p.y() - rect.bottom()) < e;
    return (onSide && inY) || (onTopOrBottom && inX);
}

// Distance of p from the infinite line through a and b.
qreal distanceFromLine(const QPointF& a, const QPointF& b, const QPointF& p)
{
    const QLineF line(a, b);
    return qAbs(line.dx() * (a.y() - p.y()) - (a.x() - p.x()) * line.dy()) / line.length();
}

} // namespace

class TestEdge : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void boxesSideBySide();
    void endPointsOnTheBorders_data();
    void endPointsOnTheBorders();
    void closeCentresDrawNothing_data();
    void closeCentresDrawNothing();
    void arrowToItselfIsALoop();
    void arrowUnderAnotherBoxIsDashedOverIt();
    void hoverNamesBothEnds();
    void takesNoClicks();
    void followsItsBoxes();

private:
    Node* load(const QString& sigla, const QPointF& pos, const QSizeF& size = QSizeF(121, 81));
    Edge* link(const QString& from, const QString& to);

    std::unique_ptr<ZorTest::CanvasDriver> driver;
    GraphWidget* canvas = nullptr;
};

void TestEdge::init()
{
    driver = std::make_unique<ZorTest::CanvasDriver>();
    canvas = driver->canvas();
    QVERIFY(driver->show());
    canvas->showGrid(false);
}

void TestEdge::cleanup()
{
    driver.reset();
    canvas = nullptr;
}

Node* TestEdge::load(const QString& sigla, const QPointF& pos, const QSizeF& size)
{
    canvas->loadSquare(sigla, "1", "NOME", 2, QPoint(), int(size.width()), int(size.height()));
    Node* node = canvas->nodes().constLast();
    node->setPos(pos);
    return node;
}

Edge* TestEdge::link(const QString& from, const QString& to)
{
    canvas->addEdge(from, to);
    return canvas->findNode(from)->edgeTo(to);
}

void TestEdge::boxesSideBySide()
{
    load("A", QPointF(0, 0));
    load("B", QPointF(180, 0));
    const Edge* edge = link("A", "B");
    QVERIFY(edge);
    QCOMPARE(edge->zValue(), -1.0);

    // From the right side of A to the left side of B (the outer edge of the
    // boxes' one-unit border), at the height of the centres.
    QCOMPARE(edge->sourcePoint(), QPointF(121.5, 40.5));
    QCOMPARE(edge->destPoint(), QPointF(179.5, 40.5));

    const QPolygonF head = edge->arrowHead();
    QCOMPARE(head.size(), 3);
    QCOMPARE(head.at(0), edge->destPoint());
    const qreal back = 179.5 - 10 * std::cos(M_PI / 6);
    QVERIFY(qAbs(head.at(1).x() - back) < 1e-9);
    QVERIFY(qAbs(head.at(2).x() - back) < 1e-9);
    QVERIFY(qAbs(qAbs(head.at(1).y() - 40.5) - 5) < 1e-9);
    QVERIFY(qAbs(head.at(1).y() + head.at(2).y() - 81) < 1e-9);
}

void TestEdge::endPointsOnTheBorders_data()
{
    QTest::addColumn<QPointF>("destPos");
    QTest::addColumn<QSizeF>("destSize");

    const QSizeF box(121, 81);
    QTest::newRow("right") << QPointF(1300, 1000) << box;
    QTest::newRow("left") << QPointF(700, 1000) << box;
    QTest::newRow("below") << QPointF(1000, 1300) << box;
    QTest::newRow("above") << QPointF(1000, 700) << box;
    QTest::newRow("down right") << QPointF(1250, 1200) << box;
    QTest::newRow("up left") << QPointF(800, 850) << box;
    QTest::newRow("steep, tall box") << QPointF(1030, 1400) << QSizeF(60, 300);
    QTest::newRow("wide box above") << QPointF(600, 500) << QSizeF(900, 50);
}

void TestEdge::endPointsOnTheBorders()
{
    QFETCH(QPointF, destPos);
    QFETCH(QSizeF, destSize);

    const Node* source = load("A", QPointF(1000, 1000));
    const Node* dest = load("B", destPos, destSize);
    const Edge* edge = link("A", "B");
    const QPointF from = source->sceneBoundingRect().center();
    const QPointF to = dest->sceneBoundingRect().center();

    QVERIFY(onBorder(source->sceneBoundingRect(), edge->sourcePoint()));
    QVERIFY(onBorder(dest->sceneBoundingRect(), edge->destPoint()));
    QVERIFY(distanceFromLine(from, to, edge->sourcePoint()) < 1e-6);
    QVERIFY(distanceFromLine(from, to, edge->destPoint()) < 1e-6);
    // The arrow runs from the source toward the destination.
    QVERIFY(QLineF(from, edge->sourcePoint()).length() < QLineF(from, edge->destPoint()).length());

    // The bounding rectangle holds the line and the head.
    const QRectF bounds = edge->boundingRect();
    QCOMPARE(
        bounds,
        QRectF(edge->sourcePoint(), edge->destPoint()).normalized().adjusted(-5.5, -5.5, 5.5, 5.5));
    QVERIFY(bounds.contains(edge->sourcePoint()));
    for (const QPointF& corner : edge->arrowHead())
        QVERIFY(bounds.contains(corner));
}

void TestEdge::closeCentresDrawNothing_data()
{
    QTest::addColumn<QPointF>("offset");
    QTest::addColumn<bool>("drawn");

    QTest::newRow("same centre") << QPointF(0, 0) << false;
    QTest::newRow("10 apart") << QPointF(10, 0) << false;
    QTest::newRow("20 apart") << QPointF(0, 20) << false;
    QTest::newRow("12, 16 apart") << QPointF(12, 16) << false;
    QTest::newRow("21 apart") << QPointF(21, 0) << true;
}

void TestEdge::closeCentresDrawNothing()
{
    QFETCH(QPointF, offset);
    QFETCH(bool, drawn);

    // Boxes small enough to stand apart at these distances.
    const Node* source = load("A", QPointF(500, 500), QSizeF(9, 9));
    load("B", QPointF(500, 500) + offset, QSizeF(9, 9));
    const Edge* edge = link("A", "B");
    QCOMPARE(edge->sourcePoint() != edge->destPoint(), drawn);
    QCOMPARE(edge->arrowHead().isEmpty(), !drawn);
    if (!drawn)
        QCOMPARE(edge->sourcePoint(), source->sceneBoundingRect().center());
}

void TestEdge::arrowToItselfIsALoop()
{
    Node* node = load("A", QPointF(300, 300));
    const Edge* edge = link("A", "A");
    QCOMPARE(node->edges().count(const_cast<Edge*>(edge)), 2);
    QVERIFY(edge->isLoop());
    // From the top side to the right side, near the top right corner.
    const QRectF box = node->sceneBoundingRect();
    QCOMPARE(edge->sourcePoint(), QPointF(box.right() - 24, box.top()));
    QCOMPARE(edge->destPoint(), QPointF(box.right(), box.top() + 24));
    // The head ends on the box, pointing into it, from the loop outside.
    const QPolygonF head = edge->arrowHead();
    QCOMPARE(head.size(), 3);
    QCOMPARE(head.at(0), edge->destPoint());
    QVERIFY(head.at(1).x() > box.right() && head.at(2).x() > box.right());
    QVERIFY(edge->boundingRect().top() < box.top() - 20);
    QVERIFY(edge->boundingRect().right() > box.right() + 20);
    QVERIFY(!edge->isPassing());
}

void TestEdge::arrowUnderAnotherBoxIsDashedOverIt()
{
    load("A", QPointF(100, 100));
    load("C", QPointF(400, 100));
    Node* b = load("B", QPointF(700, 100));
    const Edge* over = link("A", "B");
    const Edge* beside = link("A", "C");
    QVERIFY(over->isPassing());
    QVERIFY(!beside->isPassing());
    // Over the boxes, under the arrows of a marked box.
    QVERIFY(over->zValue() > 0 && over->zValue() < 1);
    QCOMPARE(beside->zValue(), -1.0);

    // B moved down: the arrow runs clear of C and back behind the boxes.
    const QPointF grab = b->sceneBoundingRect().center();
    driver->drag(grab, grab + QPointF(0, 300));
    QVERIFY(!over->isPassing());
    QCOMPARE(over->zValue(), -1.0);
}

void TestEdge::hoverNamesBothEnds()
{
    load("ENT", QPointF(100, 100));
    load("AGD", QPointF(400, 100));
    const Edge* edge = link("ENT", "AGD");
    const auto moveTo = [this](const QPointF& scenePos) {
        // The scene finds what lies under the mouse from the global position.
        const QPoint at = driver->toView(scenePos);
        QMouseEvent move(QEvent::MouseMove, at, at, canvas->viewport()->mapToGlobal(at),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(canvas->viewport(), &move);
    };
    // Midway between the boxes, a little off the line.
    moveTo(QPointF(310, 143));
    QVERIFY(edge->isHovered());
    QCOMPARE(edge->toolTip(), QString("ENT \u2192 AGD"));
    QCOMPARE(edge->zValue(), 2.0);
    moveTo(QPointF(310, 160));
    QVERIFY(!edge->isHovered());
    QCOMPARE(edge->zValue(), -1.0);
}

void TestEdge::takesNoClicks()
{
    Node* a = load("A", QPointF(100, 100));
    load("B", QPointF(700, 100));
    Node* middle = load("C", QPointF(400, 100));
    Edge* edge = link("A", "B");
    QCOMPARE(edge->acceptedMouseButtons(), Qt::NoButton);
    // A marked source raises the arrow above the boxes.
    a->setMarked(true);
    driver->paint();
    QCOMPARE(edge->zValue(), 1.0);

    // On the empty canvas the click reaches the canvas.
    QSignalSpy clicks(canvas, &GraphWidget::newMouseClick);
    driver->click(QPointF(300, 140));
    QCOMPARE(clicks.count(), 1);
    QVERIFY(canvas->scene()->selectedItems().isEmpty());

    // Over a box the click reaches the box below the arrow.
    driver->click(QPointF(450, 140));
    QVERIFY(middle->isMarked());
    QCOMPARE(canvas->scene()->selectedItems(), QList<QGraphicsItem*>{middle});
}

void TestEdge::followsItsBoxes()
{
    Node* a = load("A", QPointF(100, 100));
    Node* b = load("B", QPointF(400, 100));
    const Edge* edge = link("A", "B");

    const QPointF grab = b->sceneBoundingRect().center();
    driver->drag(grab, grab + QPointF(50, 250));
    QCOMPARE(b->pos(), QPointF(450, 350));
    QVERIFY(onBorder(b->sceneBoundingRect(), edge->destPoint()));
    QVERIFY(onBorder(a->sceneBoundingRect(), edge->sourcePoint()));
    QVERIFY(edge->destPoint().y() > 300);

    a->setPos(800, 350);
    QVERIFY(onBorder(a->sceneBoundingRect(), edge->sourcePoint()));
    QCOMPARE(edge->sourcePoint().x(), 799.5);
    QCOMPARE(edge->destPoint().x(), 571.5);
}

QTEST_MAIN(TestEdge)
#include "tst_edge.moc"
