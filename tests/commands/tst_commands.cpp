#include "commands/addmacrocommand.h"
#include "commands/configuremacrocommand.h"
#include "commands/correctcharacterscommand.h"
#include "commands/deletemacroscommand.h"
#include "commands/groupdocument.h"
#include "commands/groupheadercommand.h"
#include "commands/moveboxescommand.h"
#include "diagram/graphwidget.h"
#include "diagram/groupdiagram.h"
#include "diagram/node.h"
#include "diagram/sizegripitem.h"
#include "io/groupvalues.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/canvascheck.h"
#include "support/canvasdriver.h"
#include "support/testenvironment.h"

#include <QtTest>

#include <functional>

namespace {

// An edit of the document: a command pushed on its stack.
using Edit = std::function<void(GroupDocument&)>;

Macro* find(const GroupDocument& document, const QString& sigla)
{
    return document.group().findBySigla(sigla);
}

void addE(GroupDocument& doc)
{
    auto added = std::make_unique<Macro>("9", "NOVA", "0", "E", 3, false);
    added->setFlow({"A"});
    added->setPosition(GraphWidget::newBoxPosition(doc.group()));
    doc.push(new AddMacroCommand(doc, std::move(added)));
}

// The macros of these acronyms, in this order; all of them when none is named.
Edit deleting(const QStringList& siglas)
{
    return [=](GroupDocument& doc) {
        QList<Macro*> macros;
        for (const QString& sigla : siglas)
            macros.append(find(doc, sigla));
        doc.push(new DeleteMacrosCommand(doc, siglas.isEmpty() ? doc.group().macros() : macros));
    };
}

Edit configuring(const QString& sigla, const std::function<void(Macro&)>& change)
{
    return [=](GroupDocument& doc) {
        Macro* macro = find(doc, sigla);
        Macro after(*macro);
        change(after);
        doc.push(new ConfigureMacroCommand(doc, macro, *macro, after));
    };
}

void moveA(GroupDocument& doc)
{
    doc.push(new MoveBoxesCommand(doc, {{find(doc, "A"), QPoint(100, 100), QRect(0, 0, 121, 81)}},
                                  {{find(doc, "A"), QPoint(133, 91), QRect(0, 0, 150, 90)}},
                                  MoveBoxesCommand::Source::Drag));
}

void changeHeader(GroupDocument& doc)
{
    doc.push(new GroupHeaderCommand(doc, {"OUTRO", "descrição", "2020/01/01 00:00:00"}));
}

// What the group holds: its macro objects, and every value of it and of them.
using State = std::pair<QList<Macro*>, QStringList>;

State stateOf(const Group& group)
{
    return {group.macros(), valuesOf(group)};
}

} // namespace

Q_DECLARE_METATYPE(Edit)

// The commands of the group document, applied, undone and redone, with a
// canvas that shows the document.
class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { env = std::make_unique<ZorTest::TestEnvironment>(); }

    // A flows to B and C, B to A, C to A and to itself; D stands alone.
    void init()
    {
        driver = std::make_unique<ZorTest::CanvasDriver>();
        QVERIFY(driver->show());
        document = std::make_unique<GroupDocument>(std::make_unique<Group>("GRUPO", ""));
        add("A", {"B", "C"}, QPoint(100, 100));
        add("B", {"A"}, QPoint(400, 100));
        add("C", {"A", "C"}, QPoint(100, 400));
        add("D", {}, QPoint(400, 400));
        // A refused character in a form, as a file may bring it.
        macro("A")->setForm(macro("A")->form().replace(0, 3, "A&B"));
        document->group().updateFlowNumbers();
        document->group().setModified(false);
        document->group().setGraph(driver->canvas());
        driver->canvas()->setDocument(document.get());
        GroupDiagram::build(*driver->canvas(), document->group());
        QCOMPARE(canvasDifference(), QString());
    }

    void cleanup()
    {
        driver->canvas()->setDocument(nullptr);
        driver->canvas()->clearAll();
        document.reset();
        driver.reset();
    }

    void undoAndRedo_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<int>("macros");
        QTest::addColumn<QString>("check");

        QTest::newRow("new macro") << Edit(addE) << 5 << "E>A";
        QTest::newRow("delete a macro named by others") << deleting({"B"}) << 3 << "A:C";
        QTest::newRow("delete two") << deleting({"C", "A"}) << 2 << "B:";
        QTest::newRow("delete all") << deleting({}) << 0 << "";
        QTest::newRow("configure, renamed") << configuring("C", [](Macro& m) {
            m.setSigla("X");
            m.setName("RENOMEADA");
            m.setType(6);
            m.setFlow({"A", "X"});
        }) << 4 << "X:A,X";
        QTest::newRow("configure, flow") << configuring("A", [](Macro& m) {
            m.setFlow({"D"});
            m.setFlowNum({4});
            m.setFlowPos({5});
        }) << 4 << "A:D";
        QTest::newRow("move and resize") << Edit(moveA) << 4 << "";
        QTest::newRow("group header") << Edit(changeHeader) << 4 << "2020/01/01 00:00:00";
        QTest::newRow("character correction")
            << Edit([](GroupDocument& doc) { doc.push(new CorrectCharactersCommand(doc)); }) << 4
            << "";
    }

    void undoAndRedo()
    {
        QFETCH(Edit, edit);
        QFETCH(int, macros);
        QFETCH(QString, check);

        const State before = stateOf(document->group());
        edit(*document);
        const State after = stateOf(document->group());
        QCOMPARE(document->group().macroCount(), macros);
        QCOMPARE(canvasDifference(), QString());
        QCOMPARE(document->undoStack()->count(), 1);

        // The specific effect: an arrow shown, a macro's remaining flow, or
        // the creation date.
        if (check.contains('/')) {
            QCOMPARE(document->group().creationDate(), check);
        } else if (check.contains('>')) {
            QVERIFY(driver->canvas()->findNode("E")->edgeTo("A"));
        } else if (check.contains(':')) {
            const Macro* changed = macro(check.section(':', 0, 0));
            QCOMPARE(changed->flow().join(','), check.section(':', 1));
            QCOMPARE(changed->flowNum().size(), changed->flow().size());
            QCOMPARE(changed->flowPos().size(), changed->flow().size());
        }

        for (int round = 0; round < 2; ++round) {
            document->undoStack()->undo();
            QVERIFY(stateOf(document->group()) == before);
            QVERIFY(stateOf(document->group()) != after);
            QCOMPARE(canvasDifference(), QString());
            document->undoStack()->redo();
            QVERIFY(stateOf(document->group()) == after);
            QCOMPARE(canvasDifference(), QString());
        }
    }

    void dragIsOneCommand_data()
    {
        QTest::addColumn<int>("handle"); // -1: the box itself
        QTest::addColumn<QPointF>("offset");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QRect>("dimensions");

        // The grid is on during the drag: the box, or the edge dragged, snaps.
        QTest::newRow("box") << -1 << QPointF(33, 17) << QPoint(130, 120) << QRect(0, 0, 121, 81);
        QTest::newRow("top left") << 0 << QPointF(20, 10) << QPoint(117, 113)
                                  << QRect(0, 0, 101, 71);
        QTest::newRow("nothing moved")
            << -1 << QPointF() << QPoint(97, 103) << QRect(0, 0, 121, 81);
    }

    // A drag stores the box's place and size in its macro through one command,
    // as its corner and its size; undo puts the box back exactly, off the grid
    // as it was.
    void dragIsOneCommand()
    {
        QFETCH(int, handle);
        QFETCH(QPointF, offset);
        QFETCH(QPoint, position);
        QFETCH(QRect, dimensions);

        GraphWidget* canvas = driver->canvas();
        canvas->showGrid(false);
        Macro* a = macro("A");
        a->setPosition(QPoint(97, 103)); // off the grid, as files may hold it
        Node* node = canvas->nodeFor(a);
        node->syncWithMacro();
        const QPointF from = handle < 0 ? node->sceneBoundingRect().center()
                                        : node->grip()->handleItems().at(handle)->scenePos();
        canvas->showGrid(true);
        driver->drag(from, from + offset);
        canvas->showGrid(false);

        QCOMPARE(document->undoStack()->count(), offset.isNull() ? 0 : 1);
        QCOMPARE(document->isModified(), !offset.isNull());
        QCOMPARE(a->position(), position);
        QCOMPARE(a->dimensions(), dimensions);
        QCOMPARE(canvasDifference(), QString());
        if (offset.isNull())
            return;

        document->undoStack()->undo();
        QCOMPARE(a->position(), QPoint(97, 103));
        QCOMPARE(node->pos(), QPointF(97, 103));
        QCOMPARE(canvasDifference(), QString());
        QVERIFY(!document->isModified());
    }

    // Arrow keys move the selected boxes a grid step (one unit with Shift); a
    // run of them on the same boxes is one command, and a run that ends where it
    // began leaves none.
    void keyboardMovesMerge()
    {
        GraphWidget* canvas = driver->canvas();
        driver->click(canvas->nodeFor(macro("A"))->sceneBoundingRect().center());
        driver->click(canvas->nodeFor(macro("B"))->sceneBoundingRect().center(),
                      Qt::ControlModifier);
        QTest::keyClick(canvas, Qt::Key_Right);
        QTest::keyClick(canvas, Qt::Key_Right);
        QTest::keyClick(canvas, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(document->undoStack()->count(), 1);
        QCOMPARE(document->undoStack()->undoText(), QString("Mover 2 caixas"));
        QCOMPARE(macro("A")->position(), QPoint(120, 101));
        QCOMPARE(macro("B")->position(), QPoint(420, 101));
        QCOMPARE(canvasDifference(), QString());

        QTest::keyClick(canvas, Qt::Key_Left);
        QTest::keyClick(canvas, Qt::Key_Left);
        QTest::keyClick(canvas, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(document->undoStack()->count(), 0);
        QCOMPARE(macro("A")->position(), QPoint(100, 100));

        // Other boxes: a command of their own.
        QTest::keyClick(canvas, Qt::Key_Up);
        driver->click(canvas->nodeFor(macro("D"))->sceneBoundingRect().center());
        QTest::keyClick(canvas, Qt::Key_Up);
        QCOMPARE(document->undoStack()->count(), 2);
        QCOMPARE(document->undoStack()->undoText(), QString("Mover caixa D"));
    }

    void modifiedFollowsTheStack()
    {
        QSignalSpy changes(document.get(), &GroupDocument::modifiedChanged);
        changeHeader(*document);
        QVERIFY(document->isModified());
        document->undoStack()->undo();
        QVERIFY(!document->isModified());
        QVERIFY(!document->group().isModified());
        document->undoStack()->redo();
        document->markSaved();
        QVERIFY(!document->group().isModified());
        document->undoStack()->undo();
        QVERIFY(document->group().isModified());
        document->undoStack()->redo();
        QVERIFY(!document->group().isModified());
        QCOMPARE(changes.count(), 6);

        // An edit made after undoing past the save: the saved state is gone.
        document->undoStack()->undo();
        moveA(*document);
        document->undoStack()->undo();
        QVERIFY(document->group().isModified());

        // A group recovered after a crash differs from its file with nothing on
        // the stack: undoing back to where it started does not make it saved.
        document->markSaved();
        changes.clear();
        document->markUnsaved();
        changeHeader(*document);
        document->undoStack()->undo();
        QVERIFY(document->isModified());
        document->markSaved();
        QVERIFY(!document->isModified());
        QCOMPARE(changes.count(), 2);
    }

    // Deleting one of two macros that share an acronym: the flows that name it
    // still find the other, so they keep their entries and their arrows.
    void sharedAcronymKeepsItsEntries()
    {
        auto added = std::make_unique<Macro>("5", "GEMEA", "0", "B", 2, false);
        Macro* twin = added.get();
        document->push(new AddMacroCommand(*document, std::move(added)));

        document->push(new DeleteMacrosCommand(*document, {document->group().macros().at(1)}));
        QCOMPARE(macro("A")->flow(), (QStringList{"B", "C"}));
        QCOMPARE(macro("B"), twin);
        QVERIFY(driver->canvas()->nodeFor(macro("A"))->edgeTo("B"));
        QCOMPARE(canvasDifference(), QString());
    }

private:
    void add(const QString& sigla, const QStringList& flow, const QPoint& position)
    {
        Group& group = document->group();
        auto* macro = new Macro(QString::number(group.macroCount() + 1), "MACRO " + sigla, "0",
                                sigla, group.macroCount(), false);
        QList<quint16> slots_;
        for (int i = 0; i < flow.size(); ++i)
            slots_.append(quint16(i));
        macro->setFlow(flow);
        macro->setFlowNum(slots_); // renumbered once the group is built
        macro->setFlowPos(slots_);
        macro->setPosition(position);
        macro->setDimensions(GraphWidget::newBoxRect());
        group.addMacro(macro);
    }

    Macro* macro(const QString& sigla) const { return document->group().findBySigla(sigla); }

    QString canvasDifference() const
    {
        return ZorTest::canvasDifference(*driver->canvas(), document->group());
    }

    std::unique_ptr<ZorTest::TestEnvironment> env;
    std::unique_ptr<ZorTest::CanvasDriver> driver;
    std::unique_ptr<GroupDocument> document;
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
