#include "app/anchorsettings.h"
#include "support/canvascheck.h"
#include "support/canvasdriver.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QMessageBox>
#include <QScrollBar>

using namespace ZorTest;

namespace {

// Where the windows keep the folder last opened from.
QString tempIni()
{
    return QDir::tempPath() + QStringLiteral("/zortmp.ini");
}

QString lastDir()
{
    return QSettings(tempIni(), QSettings::IniFormat).value(QStringLiteral("lastdir")).toString();
}

QLineEdit* edit(QWidget* dialog, const char* name)
{
    return dialog->findChild<QLineEdit*>(QLatin1String(name));
}

} // namespace

// The window's commands: new, open, save, save as, close and the
// unsaved-changes prompt; new macro and configure macro.
class TestWindowCommands : public ZorTest::WindowTest
{
    Q_OBJECT

private slots:
    void openChoosesReaderBySuffix_data()
    {
        QTest::addColumn<QString>("example"); // empty: no such file
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opens");

        QTest::newRow("mcx") << "sample.mcx" << "a.mcx" << true;
        QTest::newRow("MCR is JSON too") << "sample.mcx" << "d.MCR" << true;
        QTest::newRow("mcr is legacy") << "legacy.mcr" << "e.mcr" << true;
        QTest::newRow("legacy bytes as JSON") << "legacy.mcr" << "f.MCR" << false;
        QTest::newRow("no such file") << "" << "missing.mcx" << false;
    }

    void openChoosesReaderBySuffix()
    {
        QFETCH(QString, example);
        QFETCH(QString, name);
        QFETCH(bool, opens);

        const QString path =
            example.isEmpty() ? f.env->filePath(name) : f.copyExample(name, example);
        const QByteArray before = contentsOf(path);
        SeenBox failure;
        if (!opens)
            answerBox(QStringLiteral("OK"), &failure);
        f.open(path);
        Group* group = f.window->currentGroup();
        QVERIFY(group);
        if (!opens) {
            QCOMPARE(failure.icon, QMessageBox::Critical);
            QCOMPARE(failure.text, "Não foi possível abrir o arquivo " + path);
            QCOMPARE(group->macroCount(), 0);
            QVERIFY(group->name().isEmpty());
            // A later Save does not write over the file: it asks for a name, here cancelled.
            group->setModified(true);
            answerGroupDialog(QString());
            f.action("actionSaveGroup")->trigger();
            QVERIFY(group->filePath().isEmpty());
            QCOMPARE(contentsOf(path), before);
            return;
        }
        QVERIFY(group->macroCount() > 0);
        QCOMPARE(group->filePath(), path);
        // Saved in place, as JSON, without a file dialog: the suffix test is
        // case-sensitive. A legacy file is not written over: a notice, then
        // the group dialog offering its name, then a new file.
        const bool legacy = name.endsWith(QLatin1String(".mcr"));
        QCOMPARE(f.recorder->messages.isEmpty(), !legacy);
        const QString legacyName = group->name().trimmed();
        QString target = path;
        SeenBox notice;
        QString offeredName;
        if (legacy) {
            target = f.env->filePath(QStringLiteral("e-novo.mcx"));
            f.dialogs->answers << target;
            answerBox(QStringLiteral("OK"), &notice, [&offeredName] {
                answerGroupDialog(QStringLiteral("Legado"), &offeredName);
            });
        }
        f.addMacro("88", "NVA");
        f.action("actionSaveGroup")->trigger();
        QCOMPARE(notice.icon, legacy ? QMessageBox::Warning : QMessageBox::NoIcon);
        QCOMPARE(notice.text.contains(QStringLiteral("formato MCX")), legacy);
        QCOMPARE(offeredName, legacy ? legacyName : QString());
        QCOMPARE(group->name() == QLatin1String("Legado"), legacy);
        QCOMPARE(contentsOf(path) == before, legacy);
        QCOMPARE(group->filePath(), target);
        QVERIFY(!group->isModified());
        QCOMPARE(f.dialogs->requests.size(), legacy ? 2 : 1);
        QVERIFY(contentsOf(target).contains("\"NVA\""));
    }

    void openRemembersFolderAndShowsTopLeft()
    {
        const QString path = f.openCopy("sub/g.mcx");
        QCOMPARE(lastDir(), QFileInfo(path).absolutePath());

        // The next dialog starts there; a cancelled dialog changes nothing.
        f.action("actionLoadGroup")->trigger();
        QCOMPARE(f.dialogs->requests.last().directory, QFileInfo(path).absolutePath());
        QCOMPARE(f.window->currentGroup()->filePath(), path);

        // Another window, in another process, stores its own folder meanwhile;
        // opening from the same folder as before stores it again. The group shows
        // from its top left corner, wherever the last one was scrolled to.
        writeFile(tempIni(),
                  "[General]\nlastdir=" + QFile::encodeName(f.env->filePath("elsewhere")) + "\n");
        GraphWidget* canvas = f.window->canvas();
        canvas->centerOn(2900, 2900);
        f.open(path);
        QCOMPARE(lastDir(), QFileInfo(path).absolutePath());
        QCOMPARE(canvas->horizontalScrollBar()->value(), canvas->horizontalScrollBar()->minimum());
        QCOMPARE(canvas->verticalScrollBar()->value(), canvas->verticalScrollBar()->minimum());
    }

    void fileFromCommandLineOpensAtFirstShowOnly()
    {
        MainWindow other;
        other.setFileToOpen(f.copyExample("cli.mcx"));
        other.show();
        const Group* opened = other.currentGroup();
        QVERIFY(opened);
        other.hide();
        other.show();
        QCOMPARE(other.currentGroup(), opened);
    }

    void saveOfUnnamedGroupGoesThroughGroupDialog()
    {
        QSettings temp(tempIni(), QSettings::IniFormat);
        temp.setValue(QStringLiteral("lastdir"), f.env->path());
        temp.sync();
        // A new macro with no group open makes an unnamed group, its box first.
        answerNewMacro("7", "parada", "", "par", 2);
        f.action("actionNewMacro")->trigger();
        QCOMPARE(f.window->currentGroup()->findBySigla("PAR")->position(), QPoint(180, 40));

        // Saved in another folder, which the next dialog starts from.
        QVERIFY(QDir(f.env->path()).mkpath(QStringLiteral("saved")));
        const QString target = f.env->filePath(QStringLiteral("saved/Frota.mcx"));
        f.dialogs->answers << target;
        QString offeredName = QStringLiteral("unset");
        answerGroupDialog(QStringLiteral("Frota"), &offeredName);
        f.action("actionSaveGroup")->trigger();
        QVERIFY(offeredName.isEmpty());
        QCOMPARE(f.dialogs->requests.size(), 1);
        QCOMPARE(f.dialogs->requests.first().directory,
                 f.env->path() + QStringLiteral("/Frota.mcx"));
        QCOMPARE(f.window->currentGroup()->filePath(), target);
        QCOMPARE(lastDir(), QFileInfo(target).absolutePath());
        QVERIFY(contentsOf(target).contains("\"Frota\""));
    }

    void saveThatWritesNothingChangesNothing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("writes"); // false: the file dialog is cancelled
        QTest::newRow("save, write failed") << "actionSaveGroup" << true;
        QTest::newRow("save as, dialog cancelled") << "actionSaveGroupAs" << false;
        QTest::newRow("save as, write failed") << "actionSaveGroupAs" << true;
    }

    // The edits stay; name, description and creation date change only with the
    // file written, so that the next Save writes the old ones into the original.
    void saveThatWritesNothingChangesNothing()
    {
        QFETCH(QString, action);
        QFETCH(bool, writes);
        const bool saveAs = action == QLatin1String("actionSaveGroupAs");
        const QString row = QString::fromLatin1(QTest::currentDataTag());
        const QString path = f.openCopy(row + "/g.mcx");
        const QString folder = f.env->filePath(row);
        Group* group = f.window->currentGroup();
        f.addMacro("88", "NVA"); // the edit a save would keep
        const auto header = [group] {
            return QStringList{group->filePath(), group->name(), group->creationDate()};
        };
        const QStringList before = header();
        QString target = path;
        SeenBox failure;
        const auto failed = [&failure, writes] {
            if (writes)
                answerBox(QStringLiteral("OK"), &failure);
        };
        if (saveAs) {
            target = f.env->filePath(QStringLiteral("zor.ini/inside.mcx"));
            f.dialogs->answers << (writes ? target : QString());
            answerGroupDialog(QStringLiteral("Outro nome"), nullptr, failed);
            QTest::qWait(1100); // a new creation date would differ by now
        } else {
            // The folder is replaced by a plain file: the save can't write there.
            QVERIFY(QDir(folder).removeRecursively());
            writeFile(folder, QByteArray());
            failed();
        }
        f.action(qPrintable(action))->trigger();
        // The system's reason on a second line.
        const QString reason = "Não foi possível salvar o arquivo " + target + "\nNot a directory";
        QCOMPARE(failure.text, writes ? reason : QString());
        QCOMPARE(failure.icon, writes ? QMessageBox::Critical : QMessageBox::NoIcon);
        QCOMPARE(header(), before);
        QVERIFY(group->isModified());
        QCOMPARE(f.window->currentDocument()->undoStack()->count(), 1);
    }

    void saveRefusesAnchorSequence()
    {
        f.newGroup(QStringLiteral("Frota"));
        const quint8 anchor = quint8(ZorObject::anchorSettings().anchorViolationId());
        const QList<Macro*> macros{f.addMacro("1", "A", {"B"}), f.addMacro("2", "B")};
        for (Macro* macro : macros) {
            macro->setViolation({anchor});
            macro->setViolationReactions({0});
            macro->setViolationTimers({0});
        }
        f.action("actionSaveGroup")->trigger();
        QVERIFY(f.recorder->texts().last().endsWith(QStringLiteral(" (Macro A->B)")));
        f.action("actionSaveGroupAs")->trigger();
        QCOMPARE(f.recorder->messages.size(), 2);
        // The close prompt's Salvar runs the same checks: refused, nothing closes.
        answerBox(QStringLiteral("Salvar"));
        QVERIFY(!f.window->close());
        QCOMPARE(f.recorder->messages.size(), 3);
        QVERIFY(f.dialogs->requests.isEmpty());
        QVERIFY(f.window->currentGroup());
    }

    void promptAnswers_data()
    {
        QTest::addColumn<QString>("action"); // empty: the window is closed
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saved"); // false: a new group, which Salvar saves as

        QTest::newRow("Salvar") << "" << "Salvar" << true << true;
        QTest::newRow("Descartar") << "" << "Descartar" << true << true;
        QTest::newRow("Cancelar") << "" << "Cancelar" << false << true;
        QTest::newRow("close group, Descartar") << "actionCloseGroup" << "Descartar" << true << true;
        QTest::newRow("new group, Cancelar") << "actionNewGroup" << "Cancelar" << false << true;
        QTest::newRow("new, Salvar, no file chosen") << "" << "Salvar" << false << false;
        QTest::newRow("new, Salvar, a file chosen") << "" << "Salvar" << true << false;
        // Salvar asks for the name as well, then for the file.
        QTest::newRow("unnamed, Salvar, no file chosen") << "" << "Salvar" << false << false;
    }

    void promptAnswers()
    {
        QFETCH(QString, action);
        QFETCH(QString, answer);
        QFETCH(bool, closes);
        QFETCH(bool, saved);
        const bool unnamed = QByteArray(QTest::currentDataTag()).startsWith("unnamed");

        QString path = f.env->filePath(QStringLiteral("prompt.mcx"));
        if (saved) {
            path = f.openCopy("p.mcx");
        } else {
            f.newGroup(unnamed ? QStringLiteral("Sem nome") : QStringLiteral("Frota"));
            f.dialogs->answers << (closes ? path : QString());
        }
        Group* group = f.window->currentGroup();
        group->setModified(true);
        const QByteArray before = contentsOf(path);
        SeenBox prompt;
        const auto nameGroup = [] { answerGroupDialog(QStringLiteral("Frota")); };
        answerBox(answer, &prompt, unnamed ? std::function<void()>(nameGroup) : nullptr);
        if (action.isEmpty()) {
            QCOMPARE(f.window->close(), closes);
            // The window's place and size are stored by a close that happens only.
            QCOMPARE(QSettings().contains(QStringLiteral("MainWindow/size")), closes);
        } else {
            f.action(qPrintable(action))->trigger();
            QCOMPARE(f.window->currentGroup() == group, !closes);
        }
        QCOMPARE(prompt.icon, QMessageBox::Warning);
        QVERIFY(prompt.text.startsWith(QStringLiteral("Ocorreram mudanças nas macros")));
        QCOMPARE(f.dialogs->requests.size(), 1); // the open, or the new group's save
        QCOMPARE(contentsOf(path) != before, answer == QLatin1String("Salvar") && closes);
        if (!closes)
            QVERIFY(group->isModified());
    }

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
        QTEST(macro->shortcut(), "storedShortcut");
        QCOMPARE(macro->type(), 1);
        QVERIFY(macro->isSecurity());
        QCOMPARE(macro->raio(), quint16(100));
        QCOMPARE(f.window->currentDocument()->undoStack()->undoText(), "Nova macro " + sigla);
    }

    // Flow [A, B] becomes [B, C]: the arrow to A goes, B stays, C comes; the
    // box shows the new texts and the colour of the new type; the arrow into
    // the macro stays.
    void configureRedrawsBoxAndArrows()
    {
        f.newGroup(QStringLiteral("Frota"));
        f.addMacro("10", "A");
        f.addMacro("11", "B");
        f.addMacro("12", "C", {"M"});
        Macro* macro = f.addMacro("20", "M", {"A", "B"});

        answerNextModal([](QWidget* modal) {
            edit(modal, "edtF0")->setText(QStringLiteral("B"));
            edit(modal, "edtF1")->setText(QStringLiteral("C"));
            edit(modal, "edtName")->setText(QStringLiteral("MEIO"));
            edit(modal, "edtNumber")->setText(QStringLiteral("21"));
            modal->findChild<QComboBox*>(QStringLiteral("cbxType"))->setCurrentIndex(5);
            QTest::mouseClick(modal->findChild<QPushButton*>("btnInsert"), Qt::LeftButton);
        });
        UnexpectedBoxes unexpected;
        GraphWidget* canvas = f.window->canvas();
        canvas->centerOn(canvas->findNode("M"));
        CanvasDriver(canvas).doubleClick(canvas->findNode("M")->sceneBoundingRect().center());
        QCOMPARE(unexpected.texts, QStringList());
        QCOMPARE(macro->flow(), (QStringList{"B", "C"}));
        QCOMPARE(macro->type(), 5);
        // The box's texts, colour and arrows, the arrow from C included.
        QCOMPARE(canvasDifference(*canvas, *f.window->currentGroup()), QString());
        QCOMPARE(f.window->currentDocument()->undoStack()->undoText(),
                 QStringLiteral("Configurar macro M"));
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
        f.action("actionUndo")->trigger();
        QVERIFY(!f.window->currentGroup()->isModified());
        QVERIFY(f.savedCopy().contains("PESO & KG"));
    }
};

QTEST_MAIN(TestWindowCommands)
#include "tst_windowcommands.moc"
