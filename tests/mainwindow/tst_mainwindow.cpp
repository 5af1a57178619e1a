#include "app/debuglogger.h"
#include "commands/configuremacrocommand.h"
#include "io/samplegroups.h"
#include "mainwindow/differencesdock.h"
#include "windowfixture.h"

#include <QDockWidget>
#include <QListWidget>
#include <QTreeWidget>

using namespace ZorTest;

// A macro's screen that starts with these characters.
static QByteArray screen(const QByteArray& start)
{
    return start.leftJustified(Macro::ScreenSize, ' ');
}

// The window itself: its settings, actions, docks and status bar, the checks
// it runs before a save, and the differences dock.
class TestMainWindow : public ZorTest::WindowTest
{
    Q_OBJECT

private slots:
    void actionStates()
    {
        const auto enabled = [this] {
            QString states;
            for (const char* name : {"actionSelectAll", "actionSaveGroup", "actionSaveGroupAs",
                                     "actionCloseGroup", "actionDelete", "actionZoomMinus",
                                     "actionZoomPlus", "actionNewMacro", "actionLoadGroup"})
                states += f.action(name)->isEnabled() ? '1' : '0';
            return states;
        };
        QCOMPARE(enabled(), QStringLiteral("000000011"));
        // Save as and close only; the rest needs macros, Save a change.
        f.newGroup(QStringLiteral("Frota"));
        QCOMPARE(enabled(), QStringLiteral("001100011"));
        answerNewMacro("10", "entrega", "", "ent", 3);
        f.action("actionNewMacro")->trigger();
        QCOMPARE(enabled(), QStringLiteral("111111111"));
        QVERIFY(f.action("actionSelecao")->isChecked());

        markSaved(*f.window);
        QCOMPARE(enabled(), QStringLiteral("101111111"));
        f.action("actionCloseGroup")->trigger(); // not modified: no prompt
        QVERIFY(!f.window->currentGroup());
        QCOMPARE(enabled(), QStringLiteral("000000011"));
    }

    // The three lines of the group, and the description dialog a click on them
    // opens: OK changes the description through an undoable command, Cancelar
    // changes nothing, and without a group no dialog opens.
    void informationDockAndDescription()
    {
        const QStringList noGroup{"Grupo de Macros: sem grupo",
                                  "Data de Criação: ", "Descrição: (sem descrição)"};
        QCOMPARE(f.infoLines(), noGroup);
        auto* list = f.child<QListWidget>("lstMacroInfos");
        const auto click = [&](int row) {
            QMetaObject::invokeMethod(f.window.get(), "on_lstMacroInfos_clicked",
                                      Q_ARG(QModelIndex, list->model()->index(row, 0)));
        };
        click(0); // an open dialog would block here

        f.newGroup(QStringLiteral("Frota Sul"), QStringLiteral("antes"));
        Group* group = f.window->currentGroup();
        QCOMPARE(f.infoLines(),
                 (QStringList{"Grupo de Macros: Frota Sul",
                              "Data de Criação: " + group->creationDate(), "Descrição: antes"}));

        answerNextModal([](QWidget* modal) {
            auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("edtDescription"));
            QCOMPARE(edit->text(), QStringLiteral("antes"));
            edit->setText(QStringLiteral("depois"));
            modal->findChild<QPushButton*>(QStringLiteral("pushButton"))->click();
        });
        click(2);
        QCOMPARE(group->description(), QStringLiteral("depois"));
        QCOMPARE(f.infoLines().at(2), QStringLiteral("Descrição: depois"));
        f.action("actionUndo")->trigger();

        answerNextModal([](QWidget* modal) {
            modal->findChild<QLineEdit*>(QStringLiteral("edtDescription"))->setText("outra");
            modal->findChild<QPushButton*>(QStringLiteral("pushButton_2"))->click();
        });
        click(0);
        QCOMPARE(group->description(), QStringLiteral("antes"));
        QVERIFY(!group->isModified());
        f.action("actionCloseGroup")->trigger();
        QCOMPARE(f.infoLines(), noGroup);
    }

    void statusLabelsAndDeleteFollowTheCanvas()
    {
        QTest::keyRelease(f.window.get(), Qt::Key_Delete); // no group: nothing to do
        f.newGroup(QStringLiteral("Frota"));
        const QList<QLabel*> labels = f.statusLabels();
        QCOMPARE(labels.at(5)->text(), QStringLiteral("100%"));
        f.addMacro("10", "ENT");
        f.addMacro("11", "COL");
        markSaved(*f.window);

        GraphWidget* canvas = f.window->canvas();
        QWidget* viewport = canvas->viewport();
        const auto centreOf = [canvas](const char* sigla) {
            return canvas->mapFromScene(canvas->findNode(sigla)->sceneBoundingRect().center());
        };
        const QPoint onBox = centreOf("ENT");
        QTest::mousePress(viewport, Qt::LeftButton, {}, onBox);
        QCOMPARE(labels.at(6)->text(), QStringLiteral("(%1,%2)").arg(onBox.x()).arg(onBox.y()));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, onBox);
        const QPoint mapped = canvas->mapFromScene(QPointF(onBox));
        QCOMPARE(labels.at(1)->text(), QStringLiteral("(%1,%2)").arg(mapped.x()).arg(mapped.y()));
        // The box's bounding rectangle: 121 x 81 and the pen's width.
        QCOMPARE(labels.at(2)->text(), QStringLiteral("82 x 122"));
        QCOMPARE(labels.at(3)->text(), QStringLiteral("ENT MACRO ENT 10"));
        // A renaming and renumbering shows at once.
        GroupDocument& document = *f.window->currentDocument();
        Macro* ent = f.window->currentGroup()->findBySigla("ENT");
        Macro renamed(*ent);
        renamed.setName("ENTREGA");
        renamed.setNum("12");
        document.push(new ConfigureMacroCommand(document, ent, *ent, renamed));
        QCOMPARE(labels.at(3)->text(), QStringLiteral("ENT ENTREGA 12"));
        f.action("actionZoomPlus")->trigger();
        QCOMPARE(labels.at(5)->text(), QStringLiteral("110%"));
        f.action("actionZoomMinus")->trigger();
        f.action("actionZoomMinus")->trigger();
        QCOMPARE(labels.at(5)->text(), QStringLiteral("90%"));
        QCOMPARE(labels.at(4)->text(), QStringLiteral("Nenhum problema"));

        // The Delete key removes the selected box only; the status bar forgets it.
        QTest::mouseClick(viewport, Qt::LeftButton, {}, centreOf("COL"));
        QCOMPARE(labels.at(3)->text(), QStringLiteral("COL MACRO COL 11"));
        QTest::keyRelease(f.window.get(), Qt::Key_Delete);
        QVERIFY(!f.window->currentGroup()->findBySigla("COL"));
        QCOMPARE(f.window->currentGroup()->macroCount(), 1);
        QCOMPARE(labels.at(3)->text(), QString());
        // What shows as selected is what Delete removes.
        f.action("actionUndo")->trigger();
        f.action("actionSelectAll")->trigger();
        QCOMPARE(labels.at(3)->text(), QStringLiteral("2 objetos selecionados"));
        f.action("actionDelete")->trigger();
        QCOMPARE(f.window->currentGroup()->macroCount(), 0);
    }

    // A close writes what the next start takes; a first start takes defaults.
    void settingsWrittenByTheClose()
    {
        f.window->resize(900, 700);
        f.action("actionVerification")->trigger(); // the verification dock hidden
        QVERIFY(f.window->close());
        QVERIFY(QSettings().contains(QStringLiteral("MainWindow/pos")));
        MainWindow again;
        QCOMPARE(again.size(), QSize(900, 700));
        QVERIFY(again.findChild<QDockWidget*>(QStringLiteral("dockVerification"))->isHidden());
        QVERIFY(!again.findChild<QAction*>(QStringLiteral("actionVerification"))->isChecked());
        QCOMPARE(again.referenceLists().violations.first(),
                 QStringLiteral("Excesso de velocidade"));

        QSettings().clear();
        MainWindow first;
        QCOMPARE(first.size(), QSize(400, 400));
        QCOMPARE(first.pos(), QPoint(200, 200));
        QCOMPARE(first.language(), QStringLiteral("en"));
        QCOMPARE(first.referenceLists().violations.first(), QStringLiteral("Speeding"));
        QVERIFY(!first.findChild<QAction*>(QStringLiteral("actionDebug"))->isVisible());
    }

    void missingDataFileWarnsAtStart()
    {
        QSettings().setValue(QStringLiteral("MainWindow/locale"), QStringLiteral("fr"));
        const QString path = f.env->filePath(QStringLiteral("zor-fr.ini"));
        QVERIFY(QFile::rename(path, path + QStringLiteral(".aside")));
        SeenBox first;
        SeenBox second;
        answerBox(QString(), &first, [&second] { answerBox(QString(), &second); });
        {
            MainWindow window;
            QVERIFY(window.referenceLists().violations.isEmpty());
        }
        QFile::rename(path + QStringLiteral(".aside"), path);
        // The first warning comes before the window applies its language, the
        // second after (the entry's own translator would speak French for both).
        QCOMPARE(first.text, QStringLiteral("O arquivo de dados zor.ini não foi encontrado."));
        QCOMPARE(second.text, QStringLiteral("Le fichier de données zor.ini est introuvable."));
    }

    void debugModeShowsDebugDock()
    {
        DebugLogger::setDebugMode(true);
        DebugLogger::instance()->configure(QStringLiteral("logs"), f.env->filePath("debug.log"));
        f.restart();
        QVERIFY(f.action("actionDebug")->isVisible());
        auto* dock = f.child<QDockWidget>("dockDebugInfo");
        QVERIFY(dock->isVisible());
        // The log's lines reach the dock too.
        auto* list = f.child<QListWidget>("lstDebugInfo");
        QVERIFY(!list->findItems("MainWindow - Constructor", Qt::MatchContains).isEmpty());
        f.action("actionDebug")->trigger();
        QVERIFY(!dock->isVisible());
        DebugLogger::instance()->setLineSink(nullptr);
        DebugLogger::setDebugMode(false);
    }

    void refusedCharactersQuestion_data()
    {
        QTest::addColumn<QString>("answer");
        for (const char* answer : {"Sim", "Não"})
            QTest::newRow(answer) << answer;
    }

    // One question for the refused characters of every macro; Sim corrects them
    // through a command, Não stops the save.
    void refusedCharactersQuestion()
    {
        QFETCH(QString, answer);
        const bool yes = answer == QLatin1String("Sim");
        f.newGroup(QStringLiteral("Frota"));
        QVERIFY(f.window->isMacroFormValid()); // no macros: no box, or the test would block
        Macro* coleta = f.addMacro("1", "COL");
        Macro* entrega = f.addMacro("2", "ENT");
        coleta->setForm(screen("A@B"));
        entrega->setForm(screen("1 & 2 @ 3"));
        f.addMacro("3", "LIM")->setForm(screen("NOTA [nnnnnn] PESO 10,5 KG"));
        markSaved(*f.window);
        SeenBox question;
        SeenBox done;
        const auto success = [&done] { answerBox(QStringLiteral("OK"), &done); };
        answerBox(answer, &question, yes ? std::function<void()>(success) : nullptr);
        // Declined, a save stops before it asks for a file.
        if (yes)
            QVERIFY(f.window->isMacroFormValid());
        else
            f.action("actionSaveGroupAs")->trigger();
        QVERIFY(f.dialogs->requests.isEmpty());

        QCOMPARE(question.title, QStringLiteral("Caracteres Incompatíveis"));
        QCOMPARE(question.text, QStringLiteral("Foram encontrados os seguintes caracteres não "
                                               "autorizados:\n\n@, &\n\nnas seguintes macros:\n\n"
                                               "MACRO COL ( @ )\nMACRO ENT ( & ,  @ )"));
        QCOMPARE(question.informative, QStringLiteral("Deseja realizar a correção automática?"));
        QCOMPARE(done.text, yes ? QStringLiteral("Ajustes concluídos com sucesso") : QString());
        QCOMPARE(coleta->form(), screen(yes ? "A$B" : "A@B"));
        QCOMPARE(entrega->form(), screen(yes ? "1 E 2 $ 3" : "1 & 2 @ 3"));
        // The correction changed bytes of the group: an edit like any other.
        QCOMPARE(f.window->currentGroup()->isModified(), yes);
    }

    void markerFaultNamesTheLastMacro()
    {
        f.newGroup(QStringLiteral("Frota"));
        f.addMacro("1", "PRI")->setForm(screen(QByteArray(40, ' ') + "[ab")); // on row 2
        f.addMacro("2", "BOA")->setForm(screen("[LLLLL]"));
        f.addMacro("3", "ULT")->setForm(screen(QByteArray(80, ' ') + "]x["));
        SeenBox error;
        answerBox(QStringLiteral("OK"), &error);
        QVERIFY(!f.window->isMacroFormValid());
        QCOMPARE(error.title, QStringLiteral("Erro!"));
        QCOMPARE(error.text,
                 QString("Arquivo inválido, necessário ajuste da tag na linha\n3 - MACRO ULT"));
    }

    // The open group against another version of it: one row per macro that
    // differs, a click marking its box; an unreadable file changes nothing.
    void differencesListedAndTheirBoxesMarked()
    {
        QVERIFY(SampleGroups::sample()->saveAs(f.env->filePath("open.mcx")));
        const std::unique_ptr<Group> other = SampleGroups::sample();
        other->findBySigla("MAN")->setName("PEDIDO DE MANUTENCAO");
        other->addMacro(new Macro("60", "ANTIGA", "60", "ANT", 2, false));
        QVERIFY(other->saveAs(f.env->filePath("other.mcx")));
        f.open(f.env->filePath("open.mcx"));
        auto* dock = f.window->findChild<DifferencesDock*>("dockDifferences");

        SeenBox seen;
        answerBox(QString(), &seen);
        f.dialogs->answers << f.env->filePath("missing.mcx");
        f.action("actionCompareWith")->trigger();
        QCOMPARE(seen.text, "Não foi possível abrir o arquivo " + f.env->filePath("missing.mcx"));
        QVERIFY(!dock->isVisible());

        f.dialogs->answers << f.env->filePath("other.mcx");
        f.action("actionCompareWith")->trigger();
        QVERIFY(dock->isVisible());
        auto* tree = dock->findChild<QTreeWidget*>("treeDifferences");
        QCOMPARE(tree->topLevelItemCount(), 2);
        QTreeWidgetItem* man = tree->topLevelItem(0);
        QVERIFY(man->isExpanded());
        QCOMPARE(man->text(0), QString("MAN (30) SOLICITACAO DE MANUTENCAO"));
        // The rows under a macro are the comparison's own texts.
        QVERIFY(man->child(0)->text(0).startsWith(QStringLiteral("nome: ")));
        QCOMPARE(tree->topLevelItem(1)->child(0)->text(0), QString("macro removida: ANTIGA"));

        GraphWidget* canvas = f.window->canvas();
        canvas->findNode("INI")->setMarked(true);
        emit tree->itemClicked(man->child(0), 0);
        QCOMPARE(canvas->scene()->selectedItems(), QList<QGraphicsItem*>{canvas->findNode("MAN")});
        QCOMPARE(canvas->currentNode(), canvas->findNode("MAN"));
        // A removed macro has no box to mark: the mark stays where it was.
        emit tree->itemActivated(tree->topLevelItem(1), 0);
        QCOMPARE(canvas->currentNode(), canvas->findNode("MAN"));
        f.action("actionCloseGroup")->trigger();
        QCOMPARE(tree->topLevelItemCount(), 0);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
