#include "io/mcxwriter.h"
#include "recovery/recoverycopy.h"
#include "windowfixture.h"

using namespace ZorTest;

namespace {

// A notification from the file system may take its time on a busy machine.
constexpr int Patience = 30000;

QStringList copies()
{
    return QDir(RecoveryCopy::folder()).entryList({QStringLiteral("*.mcx")}, QDir::Files);
}

} // namespace

// Work that survives a killed editor, a second editor of the same file and
// another program writing the file. The editor killed is a process of its
// own, which holds the file while it runs.
class TestRecovery : public ZorTest::WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        f.setUpOnce();
        f.settings.insert(QStringLiteral("recovery/interval"), 1);
    }

    void init()
    {
        QDir(RecoveryCopy::folder()).removeRecursively();
        f.start();
    }

    void killedEditorsWorkIsOffered_data()
    {
        QTest::addColumn<QString>("answer");
        for (const char* answer : {"Recuperar", "Descartar", "Depois"})
            QTest::newRow(answer) << answer;
    }

    void killedEditorsWorkIsOffered()
    {
        QFETCH(QString, answer);
        const QString path = f.copyExample("killed.mcx");
        const QString held = f.env->filePath(QStringLiteral("held.mcx"));
        QProcess editor;
        editor.setWorkingDirectory(f.env->path());
        editor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        editor.start(QStringLiteral(ZOR_RECOVERY_CHILD), {path, held});
        QVERIFY(editor.waitForStarted(Patience));
        QByteArray said;
        while (!said.contains("ready") && editor.waitForReadyRead(120000))
            said += editor.readAllStandardOutput();
        QVERIFY2(said.contains("ready"), said.constData());
        QVERIFY2(RecoveryCopy::takeOrphans().empty(), "the copy of a running editor is its own");
        SeenBox warning;
        answerBox(QStringLiteral("Cancelar"), &warning);
        f.open(path);
        QVERIFY(warning.text.contains(QStringLiteral("já está aberto em outro Zor")));
        QVERIFY(!f.window->currentGroup());
        editor.kill();
        QVERIFY(editor.waitForFinished(Patience));
        const QByteArray onDisk = contentsOf(path);

        MainWindow next;
        SeenBox offer;
        answerBox(answer, &offer);
        next.show();
        QVERIFY(offer.text.contains(QStringLiteral("Antes da queda")));
        QVERIFY(offer.informative.contains(path));
        QCOMPARE(copies().size(), answer == QStringLiteral("Descartar") ? 0 : 1);
        MainWindow* recovered = &next;
        if (answer == QStringLiteral("Depois")) {
            // Kept, and offered again when another window opens the file.
            QVERIFY(!next.currentGroup());
            answerBox(QStringLiteral("Recuperar"));
            f.open(path);
            recovered = f.window.get();
        } else if (answer == QStringLiteral("Descartar")) {
            QVERIFY(!next.currentGroup());
            return;
        }
        QVERIFY(recovered->currentGroup()->isModified());
        QCOMPARE(recovered->currentGroup()->filePath(), path);
        QCOMPARE(contentsOf(path), onDisk);
        recovered->findChild<QAction*>("actionSaveGroup")->trigger();
        QCOMPARE(contentsOf(path), contentsOf(held));
        QVERIFY(copies().isEmpty());
    }

    void copyOnlyWhileUnsaved_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("asks");
        QTest::newRow("saved") << "actionSaveGroup" << false;
        QTest::newRow("undone") << "actionUndo" << false;
        QTest::newRow("group closed without saving") << "actionCloseGroup" << true;
        QTest::newRow("window closed without saving") << "actionExit" << true;
    }

    void copyOnlyWhileUnsaved()
    {
        QFETCH(QString, end);
        QFETCH(bool, asks);
        const QString path = f.openCopy("own/g.mcx");
        f.addMacro("88", "NVA");
        QTRY_COMPARE_WITH_TIMEOUT(copies().size(), 1, Patience);
        QCOMPARE(QDir(f.env->filePath(QStringLiteral("own"))).entryList(QDir::Files),
                 QStringList{QStringLiteral("g.mcx")});

        if (asks)
            answerBox(QStringLiteral("Descartar"));
        f.action(qPrintable(end))->trigger();
        QVERIFY(copies().isEmpty());
        // Two intervals with nothing unsaved: nothing written.
        QTest::qWait(2500);
        QVERIFY(copies().isEmpty());
    }

    void changeOnDisk_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("unsaved"); // false: offered at once, true: asked at the save
        QTest::newRow("Recarregar") << "Recarregar" << false;
        QTest::newRow("Sobrescrever") << "Sobrescrever" << true;
        QTest::newRow("Cancelar") << "Cancelar" << true;
    }

    // Another program writes the file the window's own saves replaced.
    void changeOnDisk()
    {
        QFETCH(QString, answer);
        QFETCH(bool, unsaved);
        const QString path = f.openCopy(answer + ".mcx");
        f.addMacro("88", "NVA");
        {
            // The rewrite after the load and each save are the window's own.
            UnexpectedBoxes boxes;
            for (const char* action : {"actionSaveGroup", "actionUndo", "actionSaveGroup"})
                f.action(action)->trigger();
            if (unsaved)
                f.action("actionRedo")->trigger();
            QVERIFY(boxes.texts.isEmpty());
        }
        SeenBox box;
        answerBox(answer, &box, {}, Patience);
        Group other(QStringLiteral("Outro"), QString());
        QVERIFY(McxWriter::write(other, path));
        const QByteArray theirs = contentsOf(path);
        if (!unsaved) {
            QTRY_VERIFY_WITH_TIMEOUT(box.shown, Patience);
            QCOMPARE(box.text, "O arquivo " + path + " foi alterado por outro programa.");
            QTRY_COMPARE_WITH_TIMEOUT(f.window->currentGroup()->name(), QStringLiteral("Outro"),
                                      Patience);
            return;
        }
        f.action("actionSaveGroup")->trigger();
        QVERIFY(box.text.contains(QStringLiteral("foi alterado por outro programa depois")));
        const bool written = answer == QLatin1String("Sobrescrever");
        QCOMPARE(contentsOf(path) != theirs, written);
        QCOMPARE(f.window->currentGroup()->isModified(), !written);
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
