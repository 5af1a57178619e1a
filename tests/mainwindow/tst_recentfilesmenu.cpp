#include "io/samplegroups.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/recentfilesmenu.h"
#include "model/group.h"
#include "support/fakefiledialogs.h"
#include "support/messagerecorder.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

using ZorTest::TestEnvironment;

class TestRecentFilesMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lastEightNewestFirstAcrossARestart();
    void goneFileLeavesTheList();

private:
    QString group(int i) const { return env->filePath(QString("g%1.mcx").arg(i)); }
    static RecentFilesMenu* menu(const MainWindow& window)
    {
        return window.findChild<RecentFilesMenu*>("menuRecentFiles");
    }
    // Chooses the entry of the path in the window's menu.
    static void choose(const MainWindow& window, const QString& path);

    std::unique_ptr<TestEnvironment> env;
    MessageRecorder recorder;
    FakeFileDialogs dialogs;
};

void TestRecentFilesMenu::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
    QCoreApplication::setOrganizationName(QStringLiteral("Orvenda"));
    QCoreApplication::setApplicationName(QStringLiteral("Zor"));
    QSettings().clear();
    QSettings().setValue(QStringLiteral("MainWindow/locale"), QStringLiteral("pt"));
    for (int i = 1; i <= 10; ++i)
        QVERIFY(SampleGroups::sample()->saveAs(group(i)));
}

void TestRecentFilesMenu::choose(const MainWindow& window, const QString& path)
{
    const QList<QAction*> actions = menu(window)->actions();
    for (QAction* action : actions) {
        if (action->toolTip() == QDir::toNativeSeparators(path)) {
            action->trigger();
            QCoreApplication::processEvents();
            return;
        }
    }
    QFAIL(qPrintable("no entry for " + path));
}

void TestRecentFilesMenu::lastEightNewestFirstAcrossARestart()
{
    {
        MainWindow window;
        for (int i = 1; i <= 9; ++i) {
            dialogs.answers = QStringList{group(i)};
            window.findChild<QAction*>("actionLoadGroup")->trigger();
        }
        // A save as puts its file first.
        dialogs.answers = QStringList{group(10)};
        ZorTest::answerNextModal(
            [](QWidget* modal) { modal->findChild<QPushButton*>("qpbOk")->click(); });
        window.findChild<QAction*>("actionSaveGroupAs")->trigger();
        // An entry chosen again moves to the top.
        choose(window, group(5));
        QCOMPARE(window.currentGroup()->filePath(), group(5));
    }
    MainWindow restarted;
    const QStringList expected{group(5), group(10), group(9), group(8),
                               group(7), group(6),  group(4), group(3)};
    QCOMPARE(menu(restarted)->files(), expected);
    QStringList texts;
    for (const QAction* action : menu(restarted)->actions())
        texts.append(action->text());
    QCOMPARE(texts.first(), QString("&1 g5.mcx"));
    QCOMPARE(texts.last(), QString("&Limpar lista"));
}

void TestRecentFilesMenu::goneFileLeavesTheList()
{
    MainWindow window;
    QVERIFY(QFile::remove(group(10)));
    ZorTest::SeenBox seen;
    ZorTest::answerBox("OK", &seen);
    choose(window, group(10));
    QCOMPARE(seen.text,
             QString("O arquivo %1 não existe mais e foi retirado da lista.").arg(group(10)));
    QVERIFY(!menu(window)->files().contains(group(10)));
    QCOMPARE(window.currentGroup(), nullptr);

    window.findChild<QAction*>("actionClearRecentFiles")->trigger();
    QCoreApplication::processEvents();
    QVERIFY(MainWindow().findChild<RecentFilesMenu*>("menuRecentFiles")->files().isEmpty());
}

QTEST_MAIN(TestRecentFilesMenu)
#include "tst_recentfilesmenu.moc"
