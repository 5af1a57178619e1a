#include "commands/configuremacrocommand.h"
#include "commands/groupdocument.h"
#include "diagram/graphwidget.h"
#include "diagram/groupdiagram.h"
#include "diagram/node.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/canvasdriver.h"

#include <QScreen>
#include <QtTest>

#include <functional>

namespace {

using Step = std::function<void(GraphWidget&, GroupDocument&, ZorTest::CanvasDriver&)>;

// Boxes on a grid of 4 x 3, 200 apart; each box followed by its right and
// lower neighbours, and the first by the last, an arrow under other boxes.
std::unique_ptr<Group> gridGroup()
{
    auto group = std::make_unique<Group>(QString(), QString());
    const auto siglaOf = [](int i) { return QStringLiteral("B%1").arg(i); };
    for (int i = 0; i < 12; ++i) {
        auto* macro = new Macro(QString::number(i + 1), QStringLiteral("MACRO %1").arg(i + 1), "0",
                                siglaOf(i), i % 7, false);
        macro->setPosition(QPoint(60 + 200 * (i % 4), 60 + 200 * (i / 4)));
        macro->setDimensions(GraphWidget::newBoxRect());
        QStringList flow;
        if (i % 4 != 3)
            flow.append(siglaOf(i + 1));
        if (i < 8)
            flow.append(siglaOf(i + 4));
        if (i == 0)
            flow.append(siglaOf(11));
        macro->setFlow(flow);
        group->addMacro(macro);
    }
    return group;
}

void settle()
{
    // The scene reports its changes from the event loop, the view then asks
    // for a paint, and a paint may colour arrows that ask for another.
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// What the screen shows of the canvas: the paints so far, as they were.
QImage shown(const GraphWidget& canvas)
{
    const QWidget* viewport = canvas.viewport();
    const QPoint at = viewport->mapTo(viewport->window(), QPoint());
    return QGuiApplication::primaryScreen()
        ->grabWindow(viewport->window()->winId(), at.x(), at.y(), viewport->width(),
                     viewport->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

Q_DECLARE_METATYPE(Step)

// The canvas repaints only what changed: what it shows after each change must
// be what painting it whole shows.
class TestCanvasRepaint : public QObject
{
    Q_OBJECT

private slots:
    void repaintsWhatChanged_data();
    void repaintsWhatChanged();
};

void TestCanvasRepaint::repaintsWhatChanged_data()
{
    QTest::addColumn<Step>("step");

    // Compared while the mouse is still down: the release repaints all.
    QTest::newRow("drag") << Step(
        [](GraphWidget& canvas, GroupDocument& document, ZorTest::CanvasDriver& driver) {
            const Node* box = canvas.nodeFor(document.group().macros().at(5));
            const QPointF from = box->sceneBoundingRect().center();
            driver.press(from);
            settle();
            for (int step = 1; step <= 6; ++step) {
                driver.moveTo(from + QPointF(17 * step, 9 * step));
                settle();
            }
        });
    QTest::newRow("mark and unmark")
        << Step([](GraphWidget& canvas, GroupDocument& document, ZorTest::CanvasDriver& driver) {
               const QList<Macro*> macros = document.group().macros();
               driver.click(canvas.nodeFor(macros.at(1))->sceneBoundingRect().center());
               settle();
               driver.click(canvas.nodeFor(macros.at(6))->sceneBoundingRect().center());
           });
    QTest::newRow("configure and undo")
        << Step([](GraphWidget&, GroupDocument& document, ZorTest::CanvasDriver&) {
               Macro* macro = document.group().macros().at(2);
               Macro after(*macro);
               after.setName(QStringLiteral("OUTRO NOME"));
               after.setType(5);
               after.setFlow({QStringLiteral("B9")});
               document.push(new ConfigureMacroCommand(document, macro, *macro, after));
               settle();
               document.undoStack()->undo();
           });
}

void TestCanvasRepaint::repaintsWhatChanged()
{
    QFETCH(Step, step);
    ZorTest::CanvasDriver driver;
    GraphWidget& canvas = *driver.canvas();
    GroupDocument document(gridGroup());
    canvas.setDocument(&document);
    GroupDiagram::build(canvas, document.group());
    QVERIFY(driver.show());
    settle();

    step(canvas, document, driver);
    settle();
    const QImage painted =
        canvas.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown(canvas), painted);
    canvas.setDocument(nullptr);
    canvas.clearAll();
}

QTEST_MAIN(TestCanvasRepaint)
#include "tst_canvasrepaint.moc"
