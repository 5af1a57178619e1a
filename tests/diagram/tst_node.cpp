#include "support/canvasdriver.h"
#include "diagram/edge.h"
#include "diagram/graphwidget.h"
#include "diagram/node.h"
#include "diagram/sizegripitem.h"

#include <QGraphicsScene>
#include <QtTest>

namespace {

// Counts the paints of a widget.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TestNode : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void textLines_data();
    void textLines();
    void snapping_data();
    void snapping();
    void noSnappingOutsideTheScene();
    void edgeList();
    void markingColoursOutgoingArrows();
    void paintingSettles();
    void markShowsHandlesAtOnce();

private:
    Node* load(const QString& sigla, const QPoint& pos);

    std::unique_ptr<ZorTest::CanvasDriver> driver;
    GraphWidget* canvas = nullptr;
};

void TestNode::init()
{
    driver = std::make_unique<ZorTest::CanvasDriver>();
    canvas = driver->canvas();
    QVERIFY(driver->show());
}

void TestNode::cleanup()
{
    driver.reset();
    canvas = nullptr;
}

Node* TestNode::load(const QString& sigla, const QPoint& pos)
{
    canvas->loadSquare(sigla, "1", "NOME", 2, pos, 121, 81);
    return canvas->nodes().constLast();
}

void TestNode::textLines_data()
{
    QTest::addColumn<QString>("sigla");
    QTest::addColumn<QString>("num");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    // Whether the box shows the name cut short.
    QTest::addColumn<bool>("cut");

    const QString none;
    QTest::newRow("filled") << "INI" << QString("12") << "PARADA"
                            << "INI\n12\nPARADA" << false;
    const QString longName = "SOLICITACAO DE MANUTENCAO PREVENTIVA";
    QTest::newRow("long name") << "MAN" << QString("30") << longName << "MAN\n30\n" + longName
                               << true;
    QTest::newRow("empty") << none << none << none << "\n\n" << false;
}

void TestNode::textLines()
{
    QFETCH(QString, sigla);
    QFETCH(QString, num);
    QFETCH(QString, name);

    Node node(canvas, QRectF(0, 0, 121, 81));
    node.setSigla(sigla);
    node.setNum(num);
    node.setName(name);
    QTEST(node.text(), "text");
    QCOMPARE(qgraphicsitem_cast<Node*>(static_cast<QGraphicsItem*>(&node)), &node);
    QCOMPARE(node.toolTip(), QString("%1 %2 - %3").arg(num, sigla, name));
    const QString shown = node.shownName(canvas->font());
    QFETCH(bool, cut);
    QCOMPARE(shown != name, cut);
    QCOMPARE(shown.endsWith(QChar(0x2026)), cut);
    QVERIFY(QFontMetricsF(canvas->font()).horizontalAdvance(shown) <= node.rect().width());
}

void TestNode::snapping_data()
{
    QTest::addColumn<bool>("grid");
    QTest::addColumn<QPointF>("proposed");
    QTest::addColumn<QPointF>("expected");

    QTest::newRow("on") << true << QPointF(27, 43) << QPointF(20, 40);
    QTest::newRow("on, negative") << true << QPointF(-13, 5) << QPointF(-10, 0);
    // Only the integer remainder goes: the fraction stays.
    QTest::newRow("on, fractional") << true << QPointF(12.5, -13.7) << QPointF(10.5, -10.7);
    QTest::newRow("on, on the grid") << true << QPointF(30, -40) << QPointF(30, -40);
    QTest::newRow("off") << false << QPointF(27, 43) << QPointF(27, 43);
    QTest::newRow("off, fractional") << false << QPointF(12.5, -13.7) << QPointF(12.5, -13.7);
}

void TestNode::snapping()
{
    QFETCH(bool, grid);
    QFETCH(QPointF, proposed);
    QFETCH(QPointF, expected);

    canvas->showGrid(grid);
    Node* node = load("A", QPoint(100, 100));
    node->setPos(proposed);
    QCOMPARE(node->pos().x(), expected.x());
    QCOMPARE(node->pos().y(), expected.y());
}

void TestNode::noSnappingOutsideTheScene()
{
    QVERIFY(canvas->gridOn());
    Node node(canvas, QRectF(0, 0, 121, 81));
    node.setPos(27, 43);
    QCOMPARE(node.pos(), QPointF(27, 43));
}

void TestNode::edgeList()
{
    Node* a = load("A", QPoint(100, 100));
    load("B", QPoint(400, 100));
    load("b", QPoint(400, 400));
    canvas->addEdge("A", "b");
    canvas->addEdge("A", "B");
    canvas->addEdge("A", "B");
    canvas->addEdge("A", "A");

    QCOMPARE(a->edges().size(), 5); // the arrow to itself twice
    const Edge* toB = a->edgeTo("B");
    QVERIFY(toB);
    QCOMPARE(toB, a->edges().at(1));
    QCOMPARE(a->edgeTo("b"), a->edges().at(0));
    QCOMPARE(a->edgeTo("X"), nullptr);

    Edge* self = a->edgeTo("A");
    QVERIFY(self);
    QCOMPARE(a->edges().count(self), 2);
    a->removeEdge(self);
    QCOMPARE(a->edges().count(self), 0);
    QCOMPARE(a->edges().size(), 3);
}

void TestNode::markingColoursOutgoingArrows()
{
    const QColor red(255, 0, 0, 255);
    const QColor black(0, 0, 0, 255);
    Node* a = load("A", QPoint(100, 100));
    Node* b = load("B", QPoint(400, 100));
    load("C", QPoint(100, 400));
    canvas->addEdge("A", "B");
    canvas->addEdge("C", "A");
    Edge* out = a->edgeTo("B");
    Edge* in = canvas->findNode("C")->edgeTo("A");
    QCOMPARE(out->zValue(), -1.0);

    a->setMarked(true);
    driver->paint();
    QCOMPARE(out->color(), red);
    QCOMPARE(out->zValue(), 1.0);
    // An arrow that only arrives at the marked box stays as it was.
    QCOMPARE(in->color(), black);
    QCOMPARE(in->zValue(), -1.0);

    // Marked at both ends: the destination leaves it to the source.
    b->setMarked(true);
    driver->paint();
    QCOMPARE(out->color(), red);
    QCOMPARE(out->zValue(), 1.0);

    a->setMarked(false);
    driver->paint();
    QCOMPARE(out->color(), black);
    QCOMPARE(out->zValue(), -1.0);
}

void TestNode::paintingSettles()
{
    // The boxes recolour their arrows while painting: no endless repaints.
    Node* a = load("A", QPoint(100, 100));
    load("B", QPoint(300, 100));
    load("C", QPoint(200, 250));
    canvas->addEdge("A", "B");
    canvas->addEdge("B", "C");
    canvas->addEdge("C", "A");
    canvas->addEdge("B", "A");
    PaintCounter counter(canvas->viewport());

    a->setMarked(true);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    QVERIFY(counter.count > 0);
    QCOMPARE(a->edgeTo("B")->color(), QColor(255, 0, 0));

    counter.count = 0;
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    QCOMPARE(counter.count, 0);
}

void TestNode::markShowsHandlesAtOnce()
{
    Node* node = load("A", QPoint(100, 100));
    const QList<SizeGripItem::HandleItem*> handles = node->grip()->handleItems();
    QCOMPARE(handles.size(), 8);

    node->setMarked(true);
    QVERIFY(node->isSelected());
    for (const SizeGripItem::HandleItem* handle : handles) {
        QCOMPARE(handle->brush(), QBrush(Qt::lightGray, Qt::SolidPattern));
        QCOMPARE(handle->pen().style(), Qt::SolidLine);
    }
    node->setMarked(false);
    QVERIFY(!node->isSelected());
    for (const SizeGripItem::HandleItem* handle : handles) {
        QCOMPARE(handle->brush().style(), Qt::NoBrush);
        QCOMPARE(handle->pen().style(), Qt::NoPen);
    }
}

QTEST_MAIN(TestNode)
#include "tst_node.moc"
