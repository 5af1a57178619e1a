#include "support/canvascheck.h"
#include "support/canvasdriver.h"
#include "windowfixture.h"

#include <QComboBox>

using namespace ZorTest;

namespace {

QLineEdit* edit(QWidget* dialog, const char* name)
{
    return dialog->findChild<QLineEdit*>(QLatin1String(name));
}

void clickOk(QWidget* dialog)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnInsert")), Qt::LeftButton);
}

} // namespace

// New macro and configure macro in the window, and a session of edits
// undone and redone step by step against its saved copies.
class TestMacroCommands : public ZorTest::WindowTest
{
    Q_OBJECT

private slots:
    void newMacroUniqueness_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<QString>("sigla");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("storedShortcut");

        QTest::newRow("number before acronym") << "10" << "7" << "AB" << "O número da macro já existe." << "";
        QTest::newRow("shortcut before acronym") << "12" << "7" << "AB" << "O atalho da macro já existe." << "";
        QTest::newRow("acronym") << "12" << "8" << "AB" << "A sigla da macro já existe." << "";
        QTest::newRow("shortcut 0 is not looked up") << "12" << "0" << "EF" << "" << "0";
        QTest::newRow("empty shortcut is stored as 0") << "12" << "" << "EF" << "" << "0";
        QTest::newRow("free shortcut") << "12" << "8" << "EF" << "" << "8";
    }

    void newMacroUniqueness()
    {
        QFETCH(QString, number);
        QFETCH(QString, shortcut);
        QFETCH(QString, sigla);
        QFETCH(QString, report);

        f.newGroup(QStringLiteral("Frota"));
        f.addMacro("10", "AB", {}, "7");
        f.addMacro("11", "CD");
        SeenBox seen;
        answerNewMacro(number, QStringLiteral("nova"), shortcut, sigla, 2,
                       report.isEmpty() ? nullptr : &seen);
        f.action("actionNewMacro")->trigger();

        Group* group = f.window->currentGroup();
        if (!report.isEmpty()) {
            QCOMPARE(seen.text, report);
            QCOMPARE(group->macroCount(), 2);
            return;
        }
        const Macro* macro = group->findBySigla(sigla);
        QCOMPARE(macro->num(), number);
        QCOMPARE(macro->name(), QStringLiteral("NOVA"));
        QTEST(macro->shortcut(), "storedShortcut");
        QCOMPARE(macro->type(), 1);
        QVERIFY(macro->isSecurity());
        QCOMPARE(macro->raio(), quint16(100));
        QCOMPARE(canvasDifference(*f.window->canvas(), *group), QString());
        QCOMPARE(f.window->currentDocument()->undoStack()->undoText(), "Nova macro " + sigla);
    }

    // Cancel changes nothing. Then flow [A, B] becomes [B, C]: the arrow to A
    // goes, B stays, C comes; the box shows the new texts and the colour of the
    // new type; the arrow into the macro stays.
    void configureRedrawsBoxAndArrows()
    {
        f.newGroup(QStringLiteral("Frota"));
        f.addMacro("10", "A");
        f.addMacro("11", "B");
        f.addMacro("12", "C", {"M"});
        Macro* macro = f.addMacro("20", "M", {"A", "B"});
        markSaved(*f.window);

        answerNextModal([](QWidget* modal) {
            edit(modal, "edtF0")->clear();
            edit(modal, "edtName")->setText(QStringLiteral("OUTRO"));
            QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("btnCancelar")),
                              Qt::LeftButton);
        });
        f.doubleClickBox("M");
        QCOMPARE(macro->name(), QStringLiteral("MACRO M"));
        QCOMPARE(macro->flow(), (QStringList{"A", "B"}));
        QCOMPARE(f.window->currentDocument()->undoStack()->count(), 4);

        answerNextModal([](QWidget* modal) {
            QCOMPARE(edit(modal, "edtF0")->text(), QStringLiteral("A"));
            edit(modal, "edtF0")->setText(QStringLiteral("B"));
            edit(modal, "edtF1")->setText(QStringLiteral("C"));
            edit(modal, "edtName")->setText(QStringLiteral("MEIO"));
            edit(modal, "edtNumber")->setText(QStringLiteral("21"));
            modal->findChild<QComboBox*>(QStringLiteral("cbxType"))->setCurrentIndex(5);
            clickOk(modal);
        });
        UnexpectedBoxes unexpected;
        f.doubleClickBox("M");
        QCOMPARE(unexpected.texts, QStringList());
        QCOMPARE(macro->flow(), (QStringList{"B", "C"}));
        QCOMPARE(macro->name(), QStringLiteral("MEIO"));
        QCOMPARE(macro->type(), 5);
        // The box's texts, colour and arrows, the arrow from C included.
        QCOMPARE(canvasDifference(*f.window->canvas(), *f.window->currentGroup()), QString());
        QVERIFY(f.action("actionSaveGroup")->isEnabled());
        QCOMPARE(f.window->currentDocument()->undoStack()->undoText(),
                 QStringLiteral("Configurar macro M"));
    }

    // Each step of a session saved as it stands: three new macros, one
    // configured, a box dragged, a macro deleted that another's flow names. Undo
    // walks back through the same files, byte for byte, redo forward again, and
    // the canvas shows the group at every point.
    void everyStepUndoesToItsSave()
    {
        UnexpectedBoxes unexpected;
        f.newGroup(QStringLiteral("Frota"));
        QList<QByteArray> steps{f.savedCopy()};
        for (const QString sigla : {"pt", "en", "fm"}) {
            answerNewMacro(QString::number(10 + steps.size()), "macro " + sigla, "", sigla, 2);
            f.action("actionNewMacro")->trigger();
            steps.append(f.savedCopy());
        }

        answerNextModal([](QWidget* modal) {
            edit(modal, "edtName")->setText(QStringLiteral("PARTIDA INICIAL"));
            QTest::keyClicks(edit(modal, "edtF3"), QStringLiteral("fm"));
            clickOk(modal);
        });
        f.doubleClickBox("PT");
        steps.append(f.savedCopy());

        CanvasDriver driver(f.window->canvas());
        const QPointF centre = f.window->canvas()->findNode("EN")->sceneBoundingRect().center();
        driver.drag(centre, centre + QPointF(40, 130));
        steps.append(f.savedCopy());
        driver.click(f.window->canvas()->findNode("FM")->sceneBoundingRect().center());
        f.action("actionDelete")->trigger();
        QCOMPARE(f.window->currentGroup()->findBySigla("PT")->flow(), QStringList());
        steps.append(f.savedCopy());
        QCOMPARE(unexpected.texts, QStringList());
        QCOMPARE(steps.size(), 7);
        for (int i = 1; i < steps.size(); ++i)
            QVERIFY2(!steps.at(i).isEmpty() && steps.at(i) != steps.at(i - 1),
                     qPrintable(QString::number(i)));

        QVERIFY(steps.last().contains("\"PARTIDA INICIAL\""));

        for (int i = steps.size() - 2; i >= 0; --i) {
            f.action("actionUndo")->trigger();
            QCOMPARE(f.savedCopy(), steps.at(i));
        }
        QVERIFY(!f.action("actionUndo")->isEnabled());
        for (int i = 1; i < steps.size(); ++i) {
            QVERIFY(f.action("actionRedo")->text().contains(
                f.window->currentDocument()->undoStack()->redoText()));
            f.action("actionRedo")->trigger();
            QCOMPARE(f.savedCopy(), steps.at(i));
            QCOMPARE(canvasDifference(*f.window->canvas(), *f.window->currentGroup()),
                     QString());
        }
        QVERIFY(!f.action("actionRedo")->isEnabled());
    }

    // The correction offered when a file is opened is an edit: undone, a save
    // writes what the file held.
    void correctionUndoesToTheFile()
    {
        Group group{QStringLiteral("Frota"), QString()};
        auto* macro = new Macro("1", "ENTREGA", "0", "ENT", 2, false);
        macro->setForm(macro->form().replace(0, 9, "PESO & KG"));
        group.addMacro(macro);
        const QString path = f.env->filePath(QStringLiteral("corrigir.mcx"));
        QVERIFY(group.saveAs(path));

        answerBox(QStringLiteral("Sim"), nullptr, [] { answerBox("OK"); });
        f.open(path);
        QVERIFY(f.savedCopy().contains("PESO E KG"));
        QVERIFY(f.action("actionSaveGroup")->isEnabled());
        f.action("actionUndo")->trigger();
        QVERIFY(!f.window->currentGroup()->isModified());
        QVERIFY(f.savedCopy().contains("PESO & KG"));
    }
};

QTEST_MAIN(TestMacroCommands)
#include "tst_macrocommands.moc"
