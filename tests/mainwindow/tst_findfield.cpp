#include "diagram/graphwidget.h"
#include "diagram/node.h"
#include "io/samplegroups.h"
#include "mainwindow/findfield.h"
#include "mainwindow/mainwindow.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/fakefiledialogs.h"
#include "support/messagerecorder.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"

#include <QAction>
#include <QSettings>
#include <QStatusBar>
#include <QtTest>

using ZorTest::TestEnvironment;

class TestFindField : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cyclesThroughTheMatches();
    void noMatch();

private:
    // The acronym of the one selected box, checked to be in the view.
    QString shown() const;

    std::unique_ptr<TestEnvironment> env;
    MessageRecorder recorder;
    FakeFileDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    FindField* field = nullptr;
};

void TestFindField::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
    QCoreApplication::setOrganizationName(QStringLiteral("Orvenda"));
    QCoreApplication::setApplicationName(QStringLiteral("Zor"));
    QSettings().setValue(QStringLiteral("MainWindow/locale"), QStringLiteral("pt"));
    QVERIFY(SampleGroups::sample()->saveAs(env->filePath("sample.mcx")));
    window = std::make_unique<MainWindow>();
    window->resize(1000, 700);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    dialogs.answers = QStringList{env->filePath("sample.mcx")};
    window->findChild<QAction*>("actionLoadGroup")->trigger();
    // Down and right: the matches must be brought into the view.
    window->canvas()->zoomIn();
    window->canvas()->zoomIn();
    field = window->findChild<FindField*>("edtFind");
    QVERIFY(field);
}

QString TestFindField::shown() const
{
    const QList<Macro*> selected = window->canvas()->selectedMacros();
    if (selected.size() != 1)
        return QStringLiteral("%1 selected").arg(selected.size());
    GraphWidget* canvas = window->canvas();
    const QRectF view = canvas->mapToScene(canvas->viewport()->rect()).boundingRect();
    if (!view.contains(canvas->nodeFor(selected.constFirst())->sceneBoundingRect()))
        return QStringLiteral("out of view");
    return selected.constFirst()->sigla();
}

void TestFindField::cyclesThroughTheMatches()
{
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(field->hasFocus());
    QTest::keyClicks(field, "en");
    // ABASTECIMENTO, ENTREGA, MANUTENCAO, EMERGENCIA.
    QCOMPARE(shown(), QString("ABS"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(shown(), QString("ENT"));
    QTest::keyClick(window.get(), Qt::Key_F3);
    QCOMPARE(shown(), QString("MAN"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(shown(), QString("SOS"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(shown(), QString("ABS"));
    QTest::keyClick(window.get(), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(shown(), QString("SOS"));

    // A number: that macro before the others that hold its digits.
    field->clear();
    QTest::keyClicks(field, "1");
    QCOMPARE(shown(), QString("INI"));
    QTest::keyClicks(field, "1");
    QCOMPARE(shown(), QString("DES"));
    QVERIFY(!field->hasNoMatch());
}

void TestFindField::noMatch()
{
    field->clear();
    QTest::keyClicks(field, "xyz");
    QVERIFY(field->hasNoMatch());
    QCOMPARE(window->statusBar()->currentMessage(), QString("Nenhuma macro encontrada"));
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Backspace);
    QVERIFY(!field->hasNoMatch());
}

QTEST_MAIN(TestFindField)
#include "tst_findfield.moc"
