#include "io/samplegroups.h"
#include "mainwindow/flowoutput.h"
#include "mainwindow/mainwindow.h"
#include "model/group.h"
#include "support/fakefiledialogs.h"
#include "support/messagerecorder.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"

#include <QAction>
#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QtTest>

using ZorTest::TestEnvironment;

class TestFlowOutput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exportDrawsWhatTheCommandLineDraws();
    void printPreviewIsLandscape();
    void imagePath_data();
    void imagePath();

private:
    std::unique_ptr<TestEnvironment> env;
    MessageRecorder recorder;
    FakeFileDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

void TestFlowOutput::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
    QCoreApplication::setOrganizationName(QStringLiteral("Orvenda"));
    QCoreApplication::setApplicationName(QStringLiteral("Zor"));
    QSettings().setValue(QStringLiteral("MainWindow/locale"), QStringLiteral("pt"));
    QVERIFY(SampleGroups::sample()->saveAs(env->filePath("sample.mcx")));
    window = std::make_unique<MainWindow>();
    window->show();
    dialogs.answers = QStringList{env->filePath("sample.mcx")};
    window->findChild<QAction*>("actionLoadGroup")->trigger();
    QVERIFY(window->currentGroup());
}

void TestFlowOutput::exportDrawsWhatTheCommandLineDraws()
{
    dialogs.answers = QStringList{env->filePath("window")};
    window->findChild<QAction*>("actionExportImage")->trigger();
    QCOMPARE(dialogs.requests.constLast().filter,
             QString("Imagem PNG (*.png);;Imagem SVG (*.svg)"));
    const QImage fromWindow(env->filePath("window.png"));
    QVERIFY(!fromWindow.isNull());

    QProcess command;
    command.setWorkingDirectory(env->path());
    command.start(TestEnvironment::executable(),
                  {"--export-image", env->filePath("sample.mcx"), env->filePath("command.png")});
    QVERIFY(command.waitForFinished(30000));
    QCOMPARE(command.exitCode(), 0);
    QCOMPARE(fromWindow, QImage(env->filePath("command.png")));
}

void TestFlowOutput::printPreviewIsLandscape()
{
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    ZorTest::answerNextModal([&orientation](QWidget* modal) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
        QVERIFY(preview);
        orientation = preview->printer()->pageLayout().orientation();
        preview->reject();
    });
    window->findChild<QAction*>("actionPrint")->trigger();
    QCOMPARE(orientation, QPageLayout::Landscape);
}

void TestFlowOutput::imagePath_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("path");

    QTest::newRow("no suffix") << "/x/fluxo"
                               << "/x/fluxo.png";
    QTest::newRow("png") << "/x/fluxo.png"
                         << "/x/fluxo.png";
    QTest::newRow("svg in capitals") << "/x/fluxo.SVG"
                                     << "/x/fluxo.SVG";
    QTest::newRow("other suffix") << "/x/fluxo.v2"
                                  << "/x/fluxo.v2.png";
}

void TestFlowOutput::imagePath()
{
    QFETCH(QString, answer);
    QTEST(FlowOutput::imagePath(answer), "path");
}

QTEST_MAIN(TestFlowOutput)
#include "tst_flowoutput.moc"
