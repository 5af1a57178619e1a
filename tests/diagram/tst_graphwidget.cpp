#include "commands/groupdocument.h"
#include "commands/moveboxescommand.h"
#include "diagram/edge.h"
#include "diagram/graphwidget.h"
#include "diagram/groupdiagram.h"
#include "diagram/node.h"
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

} // namespace

// The canvas as a view: where boxes go, how they are found, zoom, selection
// by mouse and keyboard, and what it paints.
class TestGraphWidget : public QObject
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
        canvas->setDocument(nullptr);
        canvas->clearAll();
        document.reset();
        driver.reset();
        canvas = nullptr;
    }

    void newBoxGoesRightOfTheLast()
    {
        Group group{QString(), QString()};
        QCOMPARE(GraphWidget::newBoxPosition(group), QPoint(180, 40));
        auto* last = new Macro("1", "PRIMEIRA", "0", "A", 2, false);
        last->setPosition(QPoint(55, -20));
        group.addMacro(last);
        QCOMPARE(GraphWidget::newBoxPosition(group), QPoint(235, -20));
    }

    void findNodeTakesTheTopmost()
    {
        Node* lower = load("A", QPoint(100, 100));
        Node* upper = load("A", QPoint(110, 110));
        load("B", QPoint(400, 100));
        QCOMPARE(canvas->findNode("A"), upper);
        QCOMPARE(canvas->findNode("X"), nullptr);
        canvas->addEdge("B", "A");
        QCOMPARE(upper->edges().size(), 1);
        QVERIFY(lower->edges().isEmpty());
        lower->setZValue(1.0);
        QCOMPARE(canvas->findNode("A"), lower);

        // A box renamed directly is found under its new acronym only.
        lower->setSigla("C");
        QCOMPARE(canvas->findNode("C"), lower);
        QCOMPARE(canvas->findNode("A"), upper);
    }

    void arrowsAddedAndRemoved()
    {
        Node* a = load("A", QPoint(100, 100));
        Node* b = load("B", QPoint(400, 100));
        load("b", QPoint(400, 400));
        canvas->addEdge("A", "X");
        canvas->addEdge("X", "A");
        QVERIFY(a->edges().isEmpty());

        for (const char* to : {"b", "B", "B", "A"})
            canvas->addEdge("A", to);
        QCOMPARE(a->edges().size(), 5); // the arrow to itself twice
        QCOMPARE(b->edges().size(), 2);
        const Edge* toB = a->edgeTo("B");
        QCOMPARE(toB, a->edges().at(1));
        QCOMPARE(toB->sourceNode(), a);
        QCOMPARE(toB->destNode(), b);
        QCOMPARE(a->edgeTo("b"), a->edges().at(0));

        canvas->removeEdge("A", "C");
        canvas->removeEdge("B", "A"); // B holds arrows, but as their destination
        canvas->removeEdge("X", "B");
        QCOMPARE(a->edges().size(), 5);
        canvas->removeEdge("A", "B");
        QCOMPARE(a->edges().size(), 4);
        QCOMPARE(b->edges().size(), 1);
        canvas->removeEdge("A", "A");
        QCOMPARE(a->edges().size(), 2);
        QCOMPARE(a->edgeTo("A"), nullptr);
    }

    void zoomOutStopsAfterSevenSteps()
    {
        QSignalSpy zooms(canvas, &GraphWidget::zoom);
        for (int i = 0; i < 10; ++i)
            canvas->zoomOut();

        QCOMPARE(firstArguments(zooms), QStringList({"90", "80", "70", "60", "50", "40", "30"}));
        // Seven single-precision steps: just below 0.3.
        const double expected = 1.0 + 7 * double(-0.1f);
        QCOMPARE(canvas->scaleFactor(), expected);
        QCOMPARE(canvas->transform().m11(), expected);
        QCOMPARE(canvas->transform().m22(), expected);

        canvas->zoomIn();
        QCOMPARE(zooms.last().at(0).toInt(), 40);
        canvas->zoomOut();
        QCOMPARE(zooms.count(), 9);
        canvas->zoomOut();
        QCOMPARE(zooms.count(), 9);
    }

    void zoomInHasNoLimitAndCentresTheSelectedBox()
    {
        Node* node = load("A", QPoint(1500, 1500));
        node->setMarked(true);
        QSignalSpy zooms(canvas, &GraphWidget::zoom);
        for (int i = 1; i <= 40; ++i) {
            canvas->zoomIn();
            // Within the pixel that whole scroll steps allow.
            const QPointF offset = QPointF(canvas->mapFromScene(centre(node))) -
                                   QRectF(canvas->viewport()->rect()).center();
            QVERIFY2(qAbs(offset.x()) <= 1.5 && qAbs(offset.y()) <= 1.5,
                     qPrintable(
                         QString("step %1: off by %2, %3").arg(i).arg(offset.x()).arg(offset.y())));
        }
        QCOMPARE(zooms.count(), 40);
        QCOMPARE(zooms.last().at(0).toInt(), 500);
        QCOMPARE(canvas->transform().m11(), canvas->scaleFactor());
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

    void pressAndReleaseSignals()
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
        // The viewport position taken as a scene point and mapped back to the
        // view: not the click's own view position once the view is scrolled.
        const QPoint expected = canvas->mapFromScene(QPointF(viewPos));
        QVERIFY(expected != viewPos);
        QCOMPARE(positions.takeFirst().at(0).toPoint(), expected);
        QCOMPARE(canvas->currentNode(), node);

        // A click on the empty canvas selects nothing, so no position follows.
        driver->click(QPointF(600, 400));
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(positions.count(), 0);
    }

    void selectionFollowsClicks()
    {
        const QList<Node*> boxes = showDocument("AB");
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
        // Within a multiple selection a press starts a drag and keeps the marks.
        driver->press(a);
        QCOMPARE(selected(), QString("AB"));
        driver->release(a);
    }

    void doubleClick_data()
    {
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("wholeSequence"); // press, release, double click, release
        QTest::addColumn<bool>("edits");

        const auto row = [](const char* name, const QStringList& selected, int buttons,
                            bool wholeSequence, bool edits) {
            QTest::newRow(name) << selected << buttons << wholeSequence << edits;
        };
        row("one selected", {"A"}, Qt::LeftButton, false, true);
        row("none selected", {}, Qt::LeftButton, false, false);
        row("two selected", {"A", "B"}, Qt::LeftButton, false, false);
        row("right button", {"A"}, Qt::RightButton, false, false);
        row("both buttons", {"A"}, Qt::LeftButton | Qt::RightButton, false, false);
        row("whole sequence", {}, Qt::LeftButton, true, true);
    }

    void doubleClick()
    {
        QFETCH(QStringList, selected);
        QFETCH(int, buttons);
        QFETCH(bool, wholeSequence);
        QFETCH(bool, edits);

        Node* a = showDocument("AB").constFirst();
        for (const QString& sigla : selected)
            canvas->findNode(sigla)->setMarked(true);
        QSignalSpy edit(canvas, &GraphWidget::editShape);

        if (wholeSequence)
            driver->doubleClick(centre(a));
        else
            driver->doubleClickEvent(centre(a), Qt::MouseButtons(buttons));
        QCOMPARE(firstArguments(edit), edits ? QStringList{"1"} : QStringList());
        QCOMPARE(canvas->currentNode(), edits ? a : nullptr);
    }

    void selectAllAndClearAll()
    {
        showDocument("ABC");
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

        // Cleared, the canvas starts afresh: its next turn selects.
        canvas->toggleSelectAll();
        canvas->addEdge("A", "B");
        canvas->clearAll();
        QVERIFY(canvas->scene()->items().isEmpty());
        QVERIFY(canvas->nodes().isEmpty());
        QCOMPARE(canvas->findNode("A"), nullptr);
        load("X", QPoint(180, 40));
        canvas->toggleSelectAll();
        QCOMPARE(markedCount(), 1);
    }

    void renderedCanvas()
    {
        Node* a = load("A", QPoint(100, 100));
        load("B", QPoint(400, 100));
        canvas->addEdge("A", "B");
        a->setMarked(true);
        // The first paint colours the arrows; the second shows them.
        driver->paint();
        driver->paint();
        const QImage image = canvas->viewport()->grab().toImage();
        // A marked box keeps the colour of its type; its arrow is red, halfway
        // between the boxes.
        QCOMPARE(QColor(image.pixel(driver->toView(a->pos() + QPointF(10, 10)))),
                 QColor(255, 255, 0));
        const QColor arrow = image.pixel(driver->toView(QPointF(300, 140)));
        QVERIFY2(arrow.red() > 150 && arrow.green() < 100, qPrintable(arrow.name()));

        // A dot of the grid, in an empty area, shows and goes at once.
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
        canvas->showGrid(true);
        QVERIFY(gridShown());
    }

private:
    Node* load(const QString& sigla, const QPoint& pos);
    // A document of boxes A, B, C... side by side, 300 apart from (100, 100),
    // shown by the canvas.
    QList<Node*> showDocument(const QString& siglas);

    std::unique_ptr<ZorTest::CanvasDriver> driver;
    GraphWidget* canvas = nullptr;
    std::unique_ptr<GroupDocument> document;
};

Node* TestGraphWidget::load(const QString& sigla, const QPoint& pos)
{
    canvas->loadSquare(sigla, QStringLiteral("N") + sigla, QStringLiteral("MACRO ") + sigla, 2, pos,
                       121, 81);
    return canvas->nodes().constLast();
}

QList<Node*> TestGraphWidget::showDocument(const QString& siglas)
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
    return canvas->nodes();
}

QTEST_MAIN(TestGraphWidget)
#include "tst_graphwidget.moc"
