#include "commands/configuremacrocommand.h"
#include "commands/groupdocument.h"
#include "commands/moveboxescommand.h"
#include "diagram/boxtext.h"
#include "diagram/edge.h"
#include "diagram/graphwidget.h"
#include "diagram/groupdiagram.h"
#include "diagram/node.h"
#include "diagram/sizegripitem.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/canvasdriver.h"
#include "support/flowgroup.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

#include <functional>

using Handle = SizeGripItem::HandleItem;
using Step = std::function<void(GroupDocument&, ZorTest::CanvasDriver&)>;
Q_DECLARE_METATYPE(Step)

namespace {

bool onBorder(const QRectF& rect, const QPointF& p)
{
    const qreal e = 1e-6;
    return rect.adjusted(-e, -e, e, e).contains(p) && !rect.adjusted(e, e, -e, -e).contains(p);
}

// Distance of p from the infinite line through a and b.
qreal distanceFromLine(const QPointF& a, const QPointF& b, const QPointF& p)
{
    const QLineF line(a, b);
    return qAbs(line.dx() * (a.y() - p.y()) - (a.x() - p.x()) * line.dy()) / line.length();
}

QPointF centre(const QGraphicsItem* item)
{
    return item->sceneBoundingRect().center();
}

// The largest difference of one colour channel between two pictures.
int largestDifference(const QImage& first, const QImage& second)
{
    const QImage a = first.convertToFormat(QImage::Format_RGB32);
    const QImage b = second.convertToFormat(QImage::Format_RGB32);
    if (a.size() != b.size())
        return 255;
    int largest = 0;
    for (qsizetype i = 0; i < a.sizeInBytes(); ++i)
        largest = qMax(largest, qAbs(a.constBits()[i] - b.constBits()[i]));
    return largest;
}

// The generated flow on a grid of 4 x 3, 200 apart: arrows pass under boxes,
// cross the rows and, from the tenth box, run back to the third.
std::unique_ptr<Group> gridGroup()
{
    auto group = ZorTest::flowGroup(12, 2);
    for (int i = 0; i < 12; ++i)
        group->macros().at(i)->setPosition(QPoint(60 + 200 * (i % 4), 60 + 200 * (i / 4)));
    return group;
}

void settle()
{
    // The scene reports its changes from the event loop, the view then asks
    // for a paint, and a paint may colour arrows that ask for another.
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// Clicks, one after the other, on the boxes of the given indexes; -1 on the
// empty canvas.
Step clicks(const QList<int>& boxes)
{
    return [boxes](GroupDocument& document, ZorTest::CanvasDriver& driver) {
        for (int box : boxes) {
            const QList<Macro*> macros = document.group().macros();
            driver.click(box < 0 ? QPointF(230, 220)
                                 : centre(driver.canvas()->nodeFor(macros.at(box))));
            settle();
        }
    };
}

// A box at an odd offset and zoom, over a ground of its own, and what draw adds.
QImage drawn(const QRectF& rect, qreal scale, const std::function<void(QPainter&)>& draw)
{
    QImage image(200, 160, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(7.3, 5.6);
    painter.scale(scale, scale);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(QColor(255, 255, 0));
    painter.drawRect(rect);
    draw(painter);
    return image;
}

} // namespace

// A shown canvas. The view: where boxes go, how they are found, zoom,
// selection by mouse and keyboard. Its items: boxes, arrows and resize
// handles. What it paints and repaints.
class TestCanvas : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        driver = std::make_unique<ZorTest::CanvasDriver>();
        canvas = driver->canvas();
        QVERIFY(driver->show());
    }

    void cleanup()
    {
        driver.reset();
        document.reset();
    }

    void newBoxGoesRightOfTheLast()
    {
        Group group{QString(), QString()};
        auto* last = new Macro("1", "PRIMEIRA", "0", "A", 2, false);
        last->setPosition(QPoint(55, -20));
        group.addMacro(last);
        QCOMPARE(GraphWidget::newBoxPosition(group), QPoint(235, -20));
    }

    void findNodeTakesTheTopmost()
    {
        Node* lower = load("A", QPoint(100, 100));
        Node* upper = load("A", QPoint(110, 110));
        QCOMPARE(canvas->findNode("A"), upper);
        QCOMPARE(canvas->findNode("X"), nullptr);
        lower->setZValue(1.0);
        QCOMPARE(canvas->findNode("A"), lower);
        // A box renamed directly is found under its new acronym only.
        lower->setSigla("C");
        QCOMPARE(canvas->findNode("C"), lower);
        QCOMPARE(canvas->findNode("A"), upper);
    }

    // Arrows join the topmost boxes of their acronyms; those naming a missing
    // box, or removed where there are none, change nothing.
    void arrowsAddedAndRemoved()
    {
        load("A", QPoint(100, 100));
        Node* a = load("A", QPoint(110, 110));
        Node* b = load("B", QPoint(400, 100));
        load("b", QPoint(400, 400));
        canvas->addEdge("A", "X");
        canvas->addEdge("X", "A");
        for (const char* to : {"b", "B", "B", "A"})
            canvas->addEdge("A", to);
        canvas->removeEdge("A", "C");
        canvas->removeEdge("B", "A"); // B holds arrows, but as their destination
        canvas->removeEdge("X", "B");
        QCOMPARE(a->edges().size(), 5); // the arrow to itself twice
        QCOMPARE(b->edges().size(), 2);
        const Edge* toB = a->edgeTo("B");
        QCOMPARE(toB, a->edges().at(1));
        QCOMPARE(toB->sourceNode(), a);
        QCOMPARE(toB->destNode(), b);
        QCOMPARE(a->edgeTo("b"), a->edges().at(0));

        canvas->removeEdge("A", "B");
        QCOMPARE(b->edges().size(), 1);
        canvas->removeEdge("A", "A");
        QCOMPARE(a->edges().size(), 2);
        QCOMPARE(a->edgeTo("A"), nullptr);
    }

    // Out it stops after seven steps, in it has no limit; the selected box
    // stays in the middle of the view.
    void zoomSteps()
    {
        Node* node = load("A", QPoint(1500, 1500));
        node->setMarked(true);
        QSignalSpy zooms(canvas, &GraphWidget::zoom);
        for (int i = 0; i < 10; ++i)
            canvas->zoomOut();
        QCOMPARE(zooms.count(), 7);
        QCOMPARE(zooms.last().at(0).toInt(), 30);
        // Seven single-precision steps: just below 0.3.
        const double smallest = 1.0 + 7 * double(-0.1f);
        QCOMPARE(canvas->transform(), QTransform::fromScale(smallest, smallest));

        for (int i = 0; i < 47; ++i) {
            canvas->zoomIn();
            // Within the pixel that whole scroll steps allow.
            const QPointF offset = QPointF(canvas->mapFromScene(centre(node))) -
                                   QRectF(canvas->viewport()->rect()).center();
            QVERIFY(qAbs(offset.x()) <= 1.5 && qAbs(offset.y()) <= 1.5);
        }
        QCOMPARE(zooms.last().at(0).toInt(), 500);
    }

    void ctrlWheelZoomsAroundTheMouse()
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

    void fitToWindow_data()
    {
        QTest::addColumn<QString>("siglas");
        QTest::addColumn<int>("percent");

        // The 800 x 600 canvas holds two boxes 300 apart at zoom 1.
        QTest::newRow("small flow: zoom 1") << "AB" << 100;
        QTest::newRow("wide flow") << "ABCD" << 75;
        QTest::newRow("wider than the smallest zoom") << "ABCDEFGHIJKL" << 30;
    }

    void fitToWindow()
    {
        QFETCH(QString, siglas);
        const QList<Node*> nodes = showDocument(siglas);
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

    void tabWalksTheBoxes_data()
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

    void tabWalksTheBoxes()
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

    void sceneHoldsEveryBox()
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

    void selectionFollowsClicks()
    {
        const QList<Node*> boxes = showDocument("AB");
        const QPointF a = centre(boxes.at(0));
        const QPointF b = centre(boxes.at(1));
        QSignalSpy counts(canvas, &GraphWidget::selectedItems);
        // The marks, when they are the scene's selection and the count says so.
        const auto selected = [&] {
            QString marks;
            for (const Node* node : boxes) {
                if (node->isMarked() != node->isSelected())
                    return QStringLiteral("mark differs from selection");
                marks += node->isMarked() ? node->sigla() : QString();
            }
            const bool told = !counts.isEmpty() && counts.last().at(0).toInt() == marks.size();
            return told ? marks : QStringLiteral("count differs");
        };
        const auto clickAt = [&](const QPointF& at, Qt::KeyboardModifiers modifiers = {}) {
            driver->click(at, modifiers);
            return selected();
        };
        canvas->horizontalScrollBar()->setValue(40);
        canvas->verticalScrollBar()->setValue(30);
        QSignalSpy positions(canvas, &GraphWidget::newPosition);
        QCOMPARE(clickAt(a), QString("A"));
        QCOMPARE(canvas->currentNode(), boxes.at(0));
        // The viewport position taken as a scene point and mapped back to the
        // view: not the click's own view position once the view is scrolled.
        const QPoint viewPos = driver->toView(a);
        QVERIFY(canvas->mapFromScene(QPointF(viewPos)) != viewPos);
        QCOMPARE(positions.last().at(0).toPoint(), canvas->mapFromScene(QPointF(viewPos)));
        QCOMPARE(clickAt(b), QString("B"));
        QCOMPARE(clickAt(a, Qt::ControlModifier), QString("AB"));
        QCOMPARE(clickAt(b, Qt::ControlModifier), QString("A"));
        QCOMPARE(clickAt(b, Qt::ShiftModifier), QString("AB"));
        QCOMPARE(clickAt(b, Qt::ShiftModifier), QString("AB"));
        QCOMPARE(clickAt(QPointF(700, 600)), QString());
        // A rubber band from the empty canvas around both boxes.
        driver->press(QPointF(50, 50));
        driver->moveTo(QPointF(300, 150));
        driver->moveTo(QPointF(600, 250));
        driver->release(QPointF(600, 250));
        QCOMPARE(selected(), QString("AB"));
        // Within a multiple selection a press starts a drag and keeps the marks.
        driver->press(a);
        QCOMPARE(selected(), QString("AB"));
        driver->release(a);
    }

    // The double-click event alone: a box is edited only when it is the one
    // marked and the left button alone is held.
    void doubleClick_data()
    {
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("edits");

        const int left = Qt::LeftButton;
        QTest::newRow("one selected") << QStringList{"A"} << left << true;
        QTest::newRow("none selected") << QStringList{} << left << false;
        QTest::newRow("two selected") << QStringList{"A", "B"} << left << false;
        QTest::newRow("both buttons")
            << QStringList{"A"} << int(Qt::LeftButton | Qt::RightButton) << false;
    }

    void doubleClick()
    {
        QFETCH(QStringList, selected);
        QFETCH(int, buttons);
        QFETCH(bool, edits);

        Node* a = showDocument("AB").constFirst();
        for (const QString& sigla : selected)
            canvas->findNode(sigla)->setMarked(true);
        QSignalSpy edit(canvas, &GraphWidget::editShape);
        driver->doubleClickEvent(centre(a), Qt::MouseButtons(buttons));
        QCOMPARE(edit.count(), int(edits));
        QCOMPARE(edit.value(0).value(0).toString(), edits ? QString("1") : QString());
        QCOMPARE(canvas->currentNode(), edits ? a : nullptr);
    }

    void selectAllAndClearAll()
    {
        showDocument("ABC");
        QSignalSpy counts(canvas, &GraphWidget::selectedItems);
        // The boxes marked, when the count is told once and agrees.
        const auto marked = [&] {
            int count = 0;
            for (const Node* node : canvas->nodes())
                count += node->isMarked();
            return counts.size() == 1 && counts.takeFirst().at(0).toInt() == count ? count : -1;
        };
        for (int expected : {3, 0, 3}) {
            canvas->toggleSelectAll();
            QCOMPARE(marked(), expected);
        }
        canvas->unselectAll();
        QCOMPARE(marked(), 0);
        // The toggle remembers its own state: its next turn deselects.
        canvas->toggleSelectAll();
        QCOMPARE(marked(), 0);

        // Cleared, the canvas starts afresh: its next turn selects.
        canvas->toggleSelectAll();
        canvas->addEdge("A", "B");
        canvas->clearAll();
        QVERIFY(canvas->scene()->items().isEmpty());
        QCOMPARE(canvas->findNode("A"), nullptr);
        load("X", QPoint(180, 40));
        counts.clear();
        canvas->toggleSelectAll();
        QCOMPARE(marked(), 1);
    }

    // A dot of the grid, in an empty area, shows and goes at once.
    void gridShowsAndGoes()
    {
        const auto gridShown = [this] {
            const QImage shown = driver->shown();
            const QPoint at = driver->toView(QPointF(600, 400));
            int darkest = 255;
            for (int i = 0; i < 9; ++i)
                darkest = qMin(darkest, qGray(shown.pixel(at + QPoint(i / 3 - 1, i % 3 - 1))));
            return darkest < 160;
        };
        QVERIFY(gridShown());
        canvas->showGrid(false);
        QVERIFY(!gridShown());
    }

    // The tool tip holds the whole texts; the box cuts a name too long for it.
    void textLines()
    {
        Node node(canvas, QRectF(0, 0, 121, 81));
        node.setSigla("MAN");
        node.setNum("30");
        for (const char* name : {"PARADA", "SOLICITACAO DE MANUTENCAO PREVENTIVA"}) {
            node.setName(name);
            QCOMPARE(node.toolTip(), QString("30 MAN - ") + name);
            const QString shown = node.shownName(canvas->font());
            const bool cut = qstrcmp(name, "PARADA") != 0;
            QVERIFY2(cut ? shown.endsWith(QChar(0x2026)) : shown == name, qPrintable(shown));
            QVERIFY(QFontMetricsF(canvas->font()).horizontalAdvance(shown) <= node.rect().width());
        }
    }

    // A marked box shows its handles at once and colours the arrows leaving
    // it red, above the boxes; other arrows are black, behind them.
    void markingShowsHandlesAndColoursArrows()
    {
        const auto red = [](const Edge* edge) {
            return edge->color() == QColor(Qt::red) && edge->zValue() == 1.0;
        };
        const auto black = [](const Edge* edge) {
            return edge->color() == QColor(Qt::black) && edge->zValue() == -1.0;
        };
        Node* a = load("A", QPoint(100, 100));
        Node* b = load("B", QPoint(400, 100));
        load("C", QPoint(100, 400));
        const Edge* out = link("A", "B");
        const Edge* in = link("C", "A");
        const Handle* corner = handle(a, Handle::TopLeft);
        const auto colourAt = [&](const QPointF& scenePos) {
            return canvas->viewport()->grab().toImage().pixelColor(driver->toView(scenePos));
        };
        // A point of the corner handle outside the box, off the grid's dots.
        const QPointF outside(98, 98);
        const QColor blank = colourAt(outside);
        // Unmarked, a handle paints nothing, and tells the view so.
        QVERIFY(corner->flags() & QGraphicsItem::ItemHasNoContents);
        QVERIFY(black(out));

        a->setMarked(true);
        QCOMPARE(colourAt(outside), QColor(Qt::lightGray));
        settle();
        QVERIFY(red(out));
        // An arrow that only arrives at the marked box stays as it was.
        QVERIFY(black(in));
        // The box keeps the colour of its type; the arrow is red halfway.
        QCOMPARE(colourAt(QPointF(110, 110)), QColor(255, 255, 0));
        const QColor arrow = colourAt(QPointF(300, 140));
        QVERIFY2(arrow.red() > 150 && arrow.green() < 100, qPrintable(arrow.name()));
        // The boxes recolour their arrows while painting: no endless repaints.
        QSignalSpy changes(canvas->scene(), &QGraphicsScene::changed);
        settle();
        QCOMPARE(changes.count(), 0);

        // Marked at both ends: the destination leaves it to the source.
        b->setMarked(true);
        driver->paint();
        QVERIFY(red(out));
        a->setMarked(false);
        QVERIFY(corner->flags() & QGraphicsItem::ItemHasNoContents);
        QCOMPARE(colourAt(outside), blank);
        driver->paint();
        QVERIFY(black(out));
    }

    void endPointsOnTheBorders_data()
    {
        QTest::addColumn<QPoint>("destPos");
        QTest::addColumn<QSize>("destSize");
        QTest::addColumn<QSize>("sourceSize");

        const auto row = [](const char* name, QPoint destPos, QSize destSize = {121, 81},
                            QSize sourceSize = {121, 81}) {
            QTest::newRow(name) << destPos << destSize << sourceSize;
        };
        // Every way round, some near, some farther.
        for (int degrees = 0; degrees < 360; degrees += 30) {
            const QPointF way = QLineF::fromPolar(degrees % 60 ? 300 : 180, degrees).p2();
            QTest::addRow("%d degrees", degrees)
                << QPoint(1000, 1000) + way.toPoint() << QSize(121, 81) << QSize(121, 81);
        }
        row("steep, tall box", {1030, 1400}, {60, 300});
        // Boxes small enough to stand apart at these distances: centres up to
        // 20 apart draw nothing.
        const QSize small(9, 9);
        row("20 apart", {1000, 1020}, small, small);
        row("12, 16 apart", {1012, 1016}, small, small);
        row("21 apart", {1021, 1000}, small, small);
    }

    void endPointsOnTheBorders()
    {
        QFETCH(QPoint, destPos);
        QFETCH(QSize, destSize);
        QFETCH(QSize, sourceSize);

        const Node* source = load("A", QPoint(1000, 1000), sourceSize);
        const Node* dest = load("B", destPos, destSize);
        const Edge* edge = link("A", "B");
        const QPointF from = centre(source);
        const QPointF to = centre(dest);
        if (QLineF(from, to).length() <= 20) {
            QCOMPARE(edge->sourcePoint(), from);
            QCOMPARE(edge->destPoint(), from);
            QVERIFY(edge->arrowHead().isEmpty());
            return;
        }

        QVERIFY(onBorder(source->sceneBoundingRect(), edge->sourcePoint()));
        QVERIFY(onBorder(dest->sceneBoundingRect(), edge->destPoint()));
        QVERIFY(distanceFromLine(from, to, edge->sourcePoint()) < 1e-6);
        QVERIFY(distanceFromLine(from, to, edge->destPoint()) < 1e-6);

        // The bounding rectangle holds the line and the head.
        const QRectF bounds = edge->boundingRect();
        QCOMPARE(bounds, QRectF(edge->sourcePoint(), edge->destPoint())
                             .normalized()
                             .adjusted(-5.5, -5.5, 5.5, 5.5));
        // A head 10 long, its sides 30 degrees off the line on either side.
        const QPolygonF head = edge->arrowHead();
        const QLineF back(edge->destPoint(), edge->sourcePoint());
        QCOMPARE(head.size(), 3);
        QCOMPARE(head.at(0), back.p1());
        QVERIFY(head.at(1) != head.at(2));
        for (const QPointF& corner : {head.at(1), head.at(2)}) {
            const QLineF side(back.p1(), corner);
            QVERIFY(qAbs(side.length() - 10) < 1e-6);
            QVERIFY(qAbs(qMin(back.angleTo(side), side.angleTo(back)) - 30) < 1e-6);
        }
    }

    void arrowToItselfIsALoop()
    {
        Node* node = load("A", QPoint(300, 300));
        const Edge* edge = link("A", "A");
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

    // An arrow passing under a box is dashed over the boxes, under the arrows
    // of a marked box; hovered, it stands out above all.
    void arrowOverOtherBoxes()
    {
        const Node* ent = load("ENT", QPoint(100, 100));
        Node* middle = load("C", QPoint(400, 100));
        Node* agd = load("AGD", QPoint(700, 100));
        const Edge* edge = link("ENT", "AGD");
        const Edge* beside = link("ENT", "C");
        QVERIFY(edge->isPassing());
        QCOMPARE(edge->zValue(), 0.5);
        QVERIFY(!beside->isPassing());
        QCOMPARE(beside->zValue(), -1.0);
        const auto moveTo = [this](const QPointF& scenePos) {
            // The scene finds what lies under the mouse from the global position.
            const QPoint at = driver->toView(scenePos);
            QMouseEvent move(QEvent::MouseMove, at, at, canvas->viewport()->mapToGlobal(at),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(canvas->viewport(), &move);
        };
        // Between the boxes, a little off the line.
        moveTo(QPointF(310, 143));
        QVERIFY(edge->isHovered());
        QCOMPARE(edge->toolTip(), QString("ENT \u2192 AGD"));
        QCOMPARE(edge->zValue(), 2.0);
        moveTo(QPointF(310, 160));
        QVERIFY(!edge->isHovered());
        QCOMPARE(edge->zValue(), 0.5);

        // Clicks pass through the arrow: on the empty canvas to the canvas,
        // which selects nothing and so reports no box...
        QSignalSpy clicks(canvas, &GraphWidget::newMouseClick);
        QSignalSpy positions(canvas, &GraphWidget::newPosition);
        driver->click(QPointF(300, 140));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(positions.count(), 0);
        QVERIFY(canvas->scene()->selectedItems().isEmpty());
        // ...and over a box to the box.
        driver->click(QPointF(450, 140));
        QCOMPARE(canvas->scene()->selectedItems(), QList<QGraphicsItem*>{middle});

        // AGD moved down: the arrow runs clear of C and back behind the boxes.
        driver->drag(centre(agd), centre(agd) + QPointF(0, 300));
        QCOMPARE(agd->pos(), QPointF(700, 400));
        QVERIFY(onBorder(agd->sceneBoundingRect(), edge->destPoint()));
        QVERIFY(onBorder(ent->sceneBoundingRect(), edge->sourcePoint()));
        QVERIFY(!edge->isPassing());
        QCOMPARE(edge->zValue(), -1.0);
    }

    void handleMoves_data()
    {
        QTest::addColumn<bool>("grid");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QPointF>("target");
        QTest::addColumn<QRectF>("rect");

        const auto row = [](const char* name, bool grid, int flags, QPointF target, QRectF rect) {
            QTest::newRow(name) << grid << flags << target << rect;
        };
        row("right, below the minimum", true, Handle::Right, {20, 39.5}, {0, 0, 40, 81});
        row("left, below the minimum", false, Handle::Left, {110, 39.5}, {81, 0, 40, 81});
        row("top, below the minimum", false, Handle::Top, {59.5, 70}, {0, 41, 121, 40});
        row("bottom, below the minimum", true, Handle::Bottom, {59.5, 10}, {0, 0, 121, 40});
        row("top moves only up and down", true, Handle::Top, {89.5, -20}, {0, -20, 121, 101});
        row("right moves only sideways", false, Handle::Right, {150, 200}, {0, 0, 150, 81});
        row("bottom right, grid off", false, Handle::BottomRight, {187, 93}, {0, 0, 187, 93});
        row("top left, grid on, negative", true, Handle::TopLeft, {-13, -27}, {-10, -20, 131, 101});
        // Only the integer remainder goes: the fraction stays.
        row("top left, grid on, fractional", true, Handle::TopLeft, {-13.5, 12.5},
            {-10.5, 10.5, 131.5, 70.5});
        row("bottom left, past the far corner", false, Handle::BottomLeft, {300, -50},
            {81, 0, 40, 40});
    }

    void handleMoves()
    {
        QFETCH(bool, grid);
        QFETCH(int, flags);
        QFETCH(QPointF, target);
        QFETCH(QRectF, rect);

        canvas->showGrid(grid);
        Node* node = load("A", QPoint(500, 500));
        load("B", QPoint(1000, 500));
        const Edge* edge = link("A", "B");
        handle(node, flags)->setPos(target);
        QCOMPARE(node->rect(), rect);
        QCOMPARE(node->pos(), QPointF(500, 500));
        QCOMPARE(handle(node, Handle::TopLeft)->pos(), rect.topLeft());
        QCOMPARE(handle(node, Handle::BottomRight)->pos(), rect.bottomRight());
        // The arrow keeps touching the resized box.
        QVERIFY(onBorder(node->sceneBoundingRect(), edge->sourcePoint()));
    }

    // A box dragged by the mouse, either whole or by a handle; the other box
    // stays as it is.
    void mouseDrags_data()
    {
        QTest::addColumn<bool>("grid");
        QTest::addColumn<int>("way");      // 1: after select all, 2: Shift held, box marked
        QTest::addColumn<int>("flags");    // the handle taken; 0: the box, at its centre
        QTest::addColumn<QPointF>("grab"); // from the handle's place
        QTest::addColumn<QPointF>("move");
        QTest::addColumn<QRectF>("box"); // where the box ends, in the scene

        const auto row = [](const char* name, bool grid, int way, int flags, QPointF grab,
                            QPointF move, QRectF box) {
            QTest::newRow(name) << grid << way << flags << grab << move << box;
        };
        // Moved from (183, 47): its corner snaps to the grid, if shown.
        row("moved, grid on, negative", true, 0, 0, {}, {-196, -42}, {-10, 0, 200, 60});
        row("moved, grid off", false, 0, 0, {}, {-156, -4}, {27, 43, 200, 60});
        // Resized, not moved, though it is marked; its corner, local (266, 72),
        // snaps.
        const int corner = Handle::BottomRight;
        const QRectF wider(183, 47, 260, 70);
        row("after select all", true, 1, corner, {}, {66, 12}, wider);
        row("shift, box marked", true, 2, corner, {}, {66, 12}, wider);
        // The corner handle sticks out of an unmarked box: taken there as well.
        row("outer part of a corner", true, 0, Handle::TopLeft, {-2, -2}, {-30, -20},
            {153, 27, 230, 80});
    }

    void mouseDrags()
    {
        QFETCH(bool, grid);
        QFETCH(int, way);
        QFETCH(int, flags);
        QFETCH(QPointF, grab);
        QFETCH(QPointF, move);

        canvas->showGrid(grid);
        Node* node = load("A", QPoint(183, 47), QSize(200, 60));
        Node* other = load("B", QPoint(500, 100));
        // A stored position is taken as it is, even with the grid on.
        QCOMPARE(node->pos(), QPointF(183, 47));
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        if (way == 1) {
            canvas->toggleSelectAll();
        } else if (way == 2) {
            driver->click(centre(node));
            other->setMarked(true);
            modifiers = Qt::ShiftModifier;
        }

        const QPointF from = (flags ? handle(node, flags)->scenePos() : centre(node)) + grab;
        driver->drag(from, from + move, modifiers);
        QTEST(node->rect().translated(node->pos()), "box");
        QCOMPARE(other->pos(), QPointF(500, 100));
        QCOMPARE(other->rect(), QRectF(0, 0, 121, 81));
    }

    void handlesCatchUpWithOutsideRect()
    {
        Node* node = load("A", QPoint(100, 100));
        node->setRect(0, 0, 200, 100);
        // The box's next even-numbered paint brings the handles along; a side's
        // handle stands one unit short of its middle.
        driver->paint();
        driver->paint();
        QCOMPARE(node->grip()->rect(), QRectF(0, 0, 200, 100));
        QCOMPARE(handle(node, Handle::BottomRight)->pos(), QPointF(200, 100));
        QCOMPARE(handle(node, Handle::Right)->pos(), QPointF(200, 49));
        QCOMPARE(handle(node, Handle::Bottom)->pos(), QPointF(99, 100));
    }

    // A box's text, laid out once, must look exactly as the toolkit's centred
    // drawText draws it, whatever the box, the text and the zoom.
    void boxTextDrawsAsTheToolkit_data()
    {
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("scale");

        const QRectF box(10, 10, 121, 81);
        const QString lines = QStringLiteral("ABC\n123\nMACRO 123");
        QTest::newRow("box") << box << lines << 1.0;
        QTest::newRow("smallest zoom") << box << lines << 0.3;
        QTest::newRow("zoomed in") << QRectF(10.5, 10, 101, 61) << lines << 1.7;
        QTest::newRow("too low for the lines") << QRectF(10, 10, 121, 25) << lines << 1.0;
        QTest::newRow("too narrow") << QRectF(10, 10, 40, 81) << lines << 1.1;
        QTest::newRow("empty line") << box << QStringLiteral("A\n\nB") << 1.0;
        QTest::newRow("tab and return") << box << QStringLiteral("A\tB\nC\rD\n E ") << 1.0;
    }

    void boxTextDrawsAsTheToolkit()
    {
        QFETCH(QRectF, rect);
        QFETCH(QString, text);
        QFETCH(qreal, scale);
        const QImage expected = drawn(
            rect, scale, [&](QPainter& painter) { painter.drawText(rect, Qt::AlignCenter, text); });
        BoxText boxText;
        for (int paint = 0; paint < 2; ++paint) {
            const QImage actual =
                drawn(rect, scale, [&](QPainter& painter) { boxText.draw(&painter, rect, text); });
            QCOMPARE(actual, expected);
        }
    }

    // The canvas repaints only what changed: what the screen shows after each
    // change must be what painting it whole shows.
    void repaintsWhatChanged_data()
    {
        QTest::addColumn<bool>("inRow"); // the boxes in one row, arrows passing under them
        QTest::addColumn<Step>("step");

        // Compared while the mouse is still down: the release repaints all.
        const auto drag = [](int box) {
            return Step([box](GroupDocument& document, ZorTest::CanvasDriver& driver) {
                const QPointF from =
                    centre(driver.canvas()->nodeFor(document.group().macros().at(box)));
                driver.press(from);
                settle();
                for (int step = 1; step <= 6; ++step) {
                    driver.moveTo(from + QPointF(17 * step, 9 * step));
                    settle();
                }
            });
        };
        QTest::newRow("drag") << false << drag(5);
        QTest::newRow("drag across dashed arrows") << true << drag(1);
        QTest::newRow("mark, then beside the box") << false << clicks({1, -1});
        QTest::newRow("mark, another, back to the first") << false << clicks({1, 6, 1});
        QTest::newRow("configure and undo") << false << Step([](GroupDocument& document, auto&) {
            const QList<Macro*> macros = document.group().macros();
            Macro after(*macros.at(2));
            after.setName(QStringLiteral("OUTRO NOME"));
            after.setType(5);
            after.setFlow({QStringLiteral("AAJ")});
            document.push(new ConfigureMacroCommand(document, macros.at(2), *macros.at(2), after));
            settle();
            document.undoStack()->undo();
        });
    }

    void repaintsWhatChanged()
    {
        QFETCH(bool, inRow);
        QFETCH(Step, step);
        document = std::make_unique<GroupDocument>(inRow ? ZorTest::flowGroup(6, 3) : gridGroup());
        canvas->setDocument(document.get());
        GroupDiagram::build(*canvas, document->group());
        settle();

        step(*document, *driver);
        settle();
        const QImage painted = canvas->viewport()->grab().toImage();
        // A line clipped by a partial repaint may shade a pixel one level
        // apart; anything left behind or drawn twice is far more.
        QVERIFY(largestDifference(driver->shown(), painted) <= 2);
    }

private:
    Node* load(const QString& sigla, const QPoint& pos, const QSize& size = QSize(121, 81))
    {
        canvas->loadSquare(sigla, "1", "NOME", 2, pos, size.width(), size.height());
        return canvas->nodes().constLast();
    }

    Edge* link(const QString& from, const QString& to)
    {
        canvas->addEdge(from, to);
        return canvas->findNode(from)->edgeTo(to);
    }

    static Handle* handle(const Node* node, int flags)
    {
        for (Handle* item : node->grip()->handleItems()) {
            if (item->positionFlags() == flags)
                return item;
        }
        return nullptr;
    }

    // A document of boxes A, B, C... side by side, 300 apart from (100, 100),
    // shown by the canvas.
    QList<Node*> showDocument(const QString& siglas)
    {
        auto group = std::make_unique<Group>(QString(), QString());
        for (int i = 0; i < siglas.size(); ++i) {
            auto* macro =
                new Macro(QString::number(i + 1), "MACRO", "0", siglas.mid(i, 1), 2, false);
            macro->setPosition(QPoint(100 + 300 * i, 100));
            macro->setDimensions(GraphWidget::newBoxRect());
            group->addMacro(macro);
        }
        document = std::make_unique<GroupDocument>(std::move(group));
        canvas->setDocument(document.get());
        GroupDiagram::build(*canvas, document->group());
        return canvas->nodes();
    }

    std::unique_ptr<ZorTest::CanvasDriver> driver;
    GraphWidget* canvas = nullptr;
    std::unique_ptr<GroupDocument> document;
};

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
