#include "dialogs/dlgsimulator.h"
#include "dialogs/terminalscreenview.h"
#include "mainwindow/mainwindow.h"
#include "model/group.h"
#include "model/macro.h"
#include "model/screentext.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

using ZorTest::answerNextModal;

namespace {

template <typename T> T* child(const QWidget& parent, const char* name)
{
    return parent.findChild<T*>(QLatin1String(name));
}

} // namespace

class TestDlgSimulator : public QObject
{
    Q_OBJECT
    std::unique_ptr<ZorTest::TestEnvironment> env;

private slots:
    void initTestCase() { env = std::make_unique<ZorTest::TestEnvironment>(); }

    void drivesTheGroupFromTheKeyboard()
    {
        Group group{QStringLiteral("G"), QString()};
        auto* first = new Macro("1", "UM", "0", "UM", 2, false);
        first->setForm(QByteArray("ID [LLL] PIN [sss] OK [e]").leftJustified(ScreenText::Size));
        first->setFlow({"DOI"});
        first->setFlowPos({2});
        first->setFlowNum({2});
        group.addMacro(first);
        group.addMacro(new Macro("2", "DOIS", "0", "DOI", 2, true));

        dlgSimulator dialog(group);
        dialog.show();
        // Shortcuts need the active window.
        QApplication::setActiveWindow(&dialog);
        QTest::keyClicks(child<QLineEdit>(dialog, "edtMacro"), "1");
        QTest::keyClick(child<QLineEdit>(dialog, "edtMacro"), Qt::Key_Return);
        auto* screen = child<TerminalScreenView>(dialog, "screen");
        QTest::keyClicks(screen, "AB#");
        QVERIFY(child<QLabel>(dialog, "lblMessage")->text().contains("\"#\""));
        QTest::keyClicks(screen, "C");
        QVERIFY(child<QLabel>(dialog, "lblMessage")->text().isEmpty());
        QTest::keyClick(screen, Qt::Key_Down);
        QTest::keyClicks(screen, "9");
        QTest::keyClick(screen, Qt::Key_Delete); // the whole field
        QTest::keyClicks(screen, "12");
        QTest::keyClick(screen, Qt::Key_Return);
        QTest::keyClick(screen, Qt::Key_Space);
        QCOMPARE(dialog.session().screen().at(0).trimmed(), "ID [ABC] PIN [** ] OK [X]");
        QVERIFY(!child<QPushButton>(dialog, "btnF2")->isEnabled());
        // A key the fields do not take goes on to the dialog.
        QTest::keyClick(screen, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        dialog.show();
        QApplication::setActiveWindow(&dialog);

        child<QPushButton>(dialog, "btnSend")->click();
        const QListWidget* messages = child<QListWidget>(dialog, "lstMessages");
        QCOMPARE(messages->count(), 1);
        QCOMPARE(messages->item(0)->text(),
                 R"({"macro": 1, "sigla": "UM", "fields": ["ABC", "12", "1"]})");
        QCOMPARE(child<QPushButton>(dialog, "btnF2")->text(), "F2\nDOI");
        QVERIFY(!child<QPushButton>(dialog, "btnF0")->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_2, Qt::ControlModifier);
        // A shortcut clicks its button after a short animation.
        QTRY_COMPARE(dialog.session().macro()->sigla, "DOI");
        QVERIFY(!child<QPushButton>(dialog, "btnSend")->isEnabled());
    }

    void simulateActionNeedsAGroup()
    {
        MainWindow window;
        QAction* simulate = child<QAction>(window, "actionSimulate");
        QVERIFY(!simulate->isEnabled());
        answerNextModal([](QWidget* modal) {
            modal->findChild<QLineEdit*>(QStringLiteral("qleName"))->setText(QStringLiteral("G"));
            modal->findChild<QPushButton*>(QStringLiteral("qpbOk"))->click();
        });
        child<QAction>(window, "actionNewGroup")->trigger();
        QVERIFY(simulate->isEnabled());
        QString opened;
        answerNextModal([&opened](QWidget* modal) {
            opened = QString::fromLatin1(modal->metaObject()->className());
            qobject_cast<QDialog*>(modal)->reject();
        });
        simulate->trigger();
        QCOMPARE(opened, "dlgSimulator");
    }
};

QTEST_MAIN(TestDlgSimulator)
#include "tst_dlgsimulator.moc"
