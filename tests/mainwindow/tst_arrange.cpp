#include "commands/moveboxescommand.h"
#include "diagram/edge.h"
#include "io/samplegroups.h"
#include "layout/flowcrossings.h"
#include "layout/grouparrangement.h"
#include "mainwindow/boxarranger.h"
#include "support/canvascheck.h"
#include "support/flowgroup.h"
#include "windowfixture.h"

#include <QProgressDialog>
#include <QSemaphore>
#include <QStatusBar>

namespace {

QVector<QRect> boxesOf(const Group& group)
{
    QVector<QRect> boxes;
    for (const Macro* macro : group.macros())
        boxes.append(QRect(macro->position(), macro->dimensions().size()));
    return boxes;
}

int passingOnCanvas(const GraphWidget& canvas)
{
    int passing = 0;
    for (const Node* node : canvas.nodes()) {
        for (const Edge* edge : node->edges())
            passing += edge->sourceNode() == node && edge->isPassing();
    }
    return passing;
}

} // namespace

class TestArrange : public ZorTest::WindowTest
{
    Q_OBJECT

private slots:
    void init()
    {
        f.start();
        arranger = f.window->findChild<BoxArranger*>();
        QVERIFY(arranger);
    }

    void oneUndoableCommand_data()
    {
        QTest::addColumn<int>("macros");
        QTest::addColumn<int>("next");

        // 0 macros: the sample group.
        QTest::newRow("sample") << 0 << 0;
        QTest::newRow("999 macros") << 999 << 10;
    }

    void oneUndoableCommand()
    {
        QFETCH(int, macros);
        QFETCH(int, next);

        open(macros == 0 ? SampleGroups::sample() : ZorTest::flowGroup(macros, next));
        const Group& group = *f.window->currentGroup();
        QUndoStack* stack = f.window->currentDocument()->undoStack();
        const int commands = stack->count();
        const QVector<QRect> before = boxesOf(group);

        QVERIFY(arrange());
        QCOMPARE(stack->count(), commands + 1);
        QCOMPARE(stack->undoText(), QString("Organizar caixas"));
        const QVector<QRect> after = boxesOf(group);
        QVERIFY(after != before);
        QCOMPARE(ZorTest::canvasDifference(*f.window->canvas(), group), QString());
        // The canvas tells the arrows that pass under a box as the group does.
        QCOMPARE(passingOnCanvas(*f.window->canvas()), FlowCrossings::countPassingArrows(group));

        stack->undo();
        QCOMPARE(boxesOf(group), before);
        QCOMPARE(ZorTest::canvasDifference(*f.window->canvas(), group), QString());
        QCOMPARE(passingOnCanvas(*f.window->canvas()), FlowCrossings::countPassingArrows(group));
    }

    void selectedBoxesOnly()
    {
        open(SampleGroups::sample());
        const Group& group = *f.window->currentGroup();
        QList<Macro*> chosen;
        for (const char* sigla : {"ENT", "COL", "AGD", "FIM"}) {
            chosen.append(group.findBySigla(sigla));
            f.window->canvas()->nodeFor(chosen.last())->setMarked(true);
        }
        const QVector<QRect> before = boxesOf(group);
        QVERIFY(arrange());

        const QVector<QRect> after = boxesOf(group);
        const QList<Macro*> macros = group.macros();
        for (int i = 0; i < macros.size(); ++i)
            QCOMPARE(after.at(i) == before.at(i), !chosen.contains(macros.at(i)));
    }

    void progressOffersCancel()
    {
        open(SampleGroups::sample());
        const QVector<QRect> before = boxesOf(*f.window->currentGroup());
        arranger->setCompute([](GroupArrangement&, const std::atomic_bool& cancel) {
            while (!cancel)
                QThread::msleep(5);
            return false;
        });
        QSignalSpy finished(arranger, &BoxArranger::finished);
        f.action("actionArrange")->trigger();
        QVERIFY(arranger->isRunning());
        // Not at once: a short arrangement shows no dialog at all.
        QVERIFY(!QApplication::activeModalWidget());

        QProgressDialog* progress = nullptr;
        QTRY_VERIFY((progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())));
        auto* cancel = progress->findChild<QPushButton*>();
        QVERIFY(cancel);
        cancel->click();

        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toBool(), false);
        QVERIFY(!arranger->isRunning());
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(f.window->currentDocument()->undoStack()->count(), 0);
        QCOMPARE(boxesOf(*f.window->currentGroup()), before);
    }

    void groupChangedMeanwhile()
    {
        open(SampleGroups::sample());
        GroupDocument& document = *f.window->currentDocument();
        QSemaphore go;
        arranger->setCompute([&go](GroupArrangement& arrangement, const std::atomic_bool& cancel) {
            go.acquire();
            return arrangement.compute(&cancel);
        });
        QSignalSpy finished(arranger, &BoxArranger::finished);
        f.action("actionArrange")->trigger();

        // A box moved by the keyboard before the layout is done.
        Macro* ini = document.group().findBySigla("INI");
        const BoxPlacement from{ini, ini->position(), ini->dimensions()};
        const BoxPlacement to{ini, ini->position() + QPoint(10, 0), ini->dimensions()};
        document.push(
            new MoveBoxesCommand(document, {from}, {to}, MoveBoxesCommand::Source::Keyboard));
        const QVector<QRect> moved = boxesOf(document.group());
        go.release();

        QVERIFY(finished.wait());
        QCOMPARE(finished.first().first().toBool(), false);
        QCOMPARE(document.undoStack()->count(), 1);
        QCOMPARE(boxesOf(document.group()), moved);
        QVERIFY(f.window->statusBar()->currentMessage().contains("descartada"));
    }

private:
    void open(const std::unique_ptr<Group>& group)
    {
        const QString path = f.env->filePath(QStringLiteral("open.mcx"));
        QVERIFY(group->saveAs(path));
        f.open(path);
        QCOMPARE(f.window->currentGroup()->macroCount(), group->macroCount());
    }

    // "Organizar caixas", then the event loop until the arrangement ends.
    bool arrange()
    {
        QSignalSpy finished(arranger, &BoxArranger::finished);
        f.action("actionArrange")->trigger();
        if (finished.isEmpty() && !finished.wait(20000))
            return false;
        return finished.first().first().toBool();
    }

    BoxArranger* arranger = nullptr;
};

QTEST_MAIN(TestArrange)
#include "tst_arrange.moc"
