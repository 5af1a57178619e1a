#include "commands/groupdocument.h"
#include "diagram/graphwidget.h"
#include "diagram/node.h"
#include "io/samplegroups.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/verificationdock.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/fakefiledialogs.h"
#include "support/messagerecorder.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTreeView>
#include <QtTest>

using ZorTest::TestEnvironment;

namespace {

QStringList rows(const VerificationDock& dock)
{
    QStringList lines;
    for (const GroupCheck::Finding& finding : dock.findings())
        lines.append(QStringList{finding.rule, finding.sigla, finding.num, finding.message}.join(
            QLatin1Char('|')));
    return lines;
}

QByteArray withRow(QByteArray screen, int row, const QByteArray& text)
{
    screen.replace(row * Macro::ScreenColumns, text.size(), text);
    return screen;
}

} // namespace

class TestVerificationDock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void rowsAreTheCommandLineFindings();
    void followsEditsUndoAndRedo();
    void activatingAFinding_data();
    void activatingAFinding();
    void switchedFromTheOptionsMenu();

private:
    void open(const QString& path);
    VerificationDock* dock() const
    {
        return window->findChild<VerificationDock*>(QStringLiteral("dockVerification"));
    }
    Macro* macro(const char* sigla) const { return window->currentGroup()->findBySigla(sigla); }
    void activate(const QString& rule);

    std::unique_ptr<TestEnvironment> env;
    MessageRecorder recorder;
    FakeFileDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

void TestVerificationDock::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
    QCoreApplication::setOrganizationName(QStringLiteral("Orvenda"));
    QCoreApplication::setApplicationName(QStringLiteral("Zor"));
    QSettings().setValue(QStringLiteral("MainWindow/locale"), QStringLiteral("pt"));
    // Six rules broken, at six macros.
    const std::unique_ptr<Group> group = SampleGroups::sample();
    Macro* ini = group->findBySigla("INI");
    ini->setForm(withRow(ini->form(), 2, "MOTORISTA & AJUDANTE"));
    Macro* rei = group->findBySigla("REI");
    rei->setForm(withRow(rei->form(), 5, "OBS: [cccc"));
    group->findBySigla("REF")->setName("PARADA*REFEICAO");
    group->findBySigla("DES")->setSigla("DESC");
    group->findBySigla("ENT")->setShortcut("12");
    Macro* col = group->findBySigla("COL");
    col->setFlow(col->flow() << "XYZ");
    col->setFlowNum(col->flowNum() << 0);
    col->setFlowPos(col->flowPos() << 9);
    QVERIFY(group->saveAs(env->filePath("faults.mcx")));
    QVERIFY(SampleGroups::sample()->saveAs(env->filePath("sample.mcx")));
}

void TestVerificationDock::init()
{
    window = std::make_unique<MainWindow>();
    window->resize(1200, 800);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestVerificationDock::cleanup()
{
    ZorTest::closeAllModals();
    if (window->currentDocument())
        window->currentDocument()->markSaved();
    window.reset();
}

void TestVerificationDock::open(const QString& path)
{
    dialogs.answers = QStringList{path};
    // The offer to correct the characters.
    ZorTest::answerBox(QStringLiteral("Não"));
    window->findChild<QAction*>(QStringLiteral("actionLoadGroup"))->trigger();
    ZorTest::closeAllModals();
}

void TestVerificationDock::rowsAreTheCommandLineFindings()
{
    QProcess check;
    check.setWorkingDirectory(env->path());
    check.start(TestEnvironment::executable(),
                {"--check", "--format", "json", env->filePath("faults.mcx")});
    QVERIFY(check.waitForFinished(30000));
    const QJsonArray files =
        QJsonDocument::fromJson(check.readAllStandardOutput()).object().value("files").toArray();
    QStringList expected;
    QSet<QString> rules;
    for (const QJsonValue value : files.at(0).toObject().value("findings").toArray()) {
        const QJsonObject finding = value.toObject();
        expected.append(
            QStringList{finding.value("rule").toString(), finding.value("sigla").toString(),
                        finding.value("num").toString(), finding.value("message").toString()}
                .join(QLatin1Char('|')));
        rules.insert(finding.value("rule").toString());
    }
    QVERIFY2(rules.size() >= 5, qPrintable(expected.join('\n')));

    open(env->filePath("faults.mcx"));
    QCOMPARE(rows(*dock()), expected);
    const auto labels =
        window->statusBar()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(labels.at(4)->text(), QString("%1 problemas").arg(expected.size()));
    QVERIFY(!window->currentGroup()->isModified());

    open(env->filePath("sample.mcx"));
    QVERIFY(dock()->findings().isEmpty());
    QCOMPARE(dock()->findChild<QLabel*>("lblVerification")->text(),
             QString("O grupo não tem problemas."));
}

// A fix made in the configure dialog, undone and done again, and a deletion.
void TestVerificationDock::followsEditsUndoAndRedo()
{
    open(env->filePath("faults.mcx"));
    const int before = dock()->findings().size();
    const auto count = [this](const QString& rule) {
        const QList<GroupCheck::Finding> findings = dock()->findings();
        return int(std::count_if(findings.begin(), findings.end(),
                                 [&](const GroupCheck::Finding& f) { return f.rule == rule; }));
    };
    QCOMPARE(count("duplicate-shortcut"), 1);

    ZorTest::answerNextModal([](QWidget* modal) {
        auto* shortcut = modal->findChild<QLineEdit*>("edtShortcut");
        shortcut->clear();
        QTest::keyClicks(shortcut, "150");
        QTest::mouseClick(modal->findChild<QPushButton*>("btnInsert"), Qt::LeftButton);
    });
    window->canvas()->showMacro(macro("ENT"));
    QTest::keyClick(window->canvas(), Qt::Key_Return);
    QCOMPARE(macro("ENT")->shortcut(), QString("150"));
    QVERIFY(dock()->isRefreshPending());
    QTRY_COMPARE(count("duplicate-shortcut"), 0);
    QCOMPARE(dock()->findings().size(), before - 1);

    window->findChild<QAction*>("actionUndo")->trigger();
    QTRY_COMPARE(count("duplicate-shortcut"), 1);
    window->findChild<QAction*>("actionRedo")->trigger();
    QTRY_COMPARE(count("duplicate-shortcut"), 0);

    window->canvas()->showMacro(macro("COL"));
    window->findChild<QAction*>("actionDelete")->trigger();
    QTRY_COMPARE(count("unknown-flow"), 0);
}

void TestVerificationDock::activatingAFinding_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("sigla");
    QTest::addColumn<bool>("configures");

    QTest::newRow("unknown next macro") << "unknown-flow"
                                        << "COL" << false;
    QTest::newRow("duplicate shortcut") << "duplicate-shortcut"
                                        << "ENT" << false;
    QTest::newRow("refused character") << "characters"
                                       << "INI" << true;
    QTest::newRow("field marker") << "field-markers"
                                  << "REI" << true;
}

void TestVerificationDock::activatingAFinding()
{
    QFETCH(QString, rule);
    QFETCH(QString, sigla);
    open(env->filePath("faults.mcx"));
    // Closes the dialog that the activation opens, if any; left waiting, the
    // answer must not close a later one.
    auto opened = std::make_shared<QString>();
    auto waiting = std::make_shared<bool>(true);
    ZorTest::answerNextModal([opened, waiting](QWidget* modal) {
        if (!*waiting)
            return;
        *opened = modal->objectName();
        modal->close();
    });
    activate(rule);
    *waiting = false;
    QTEST(*opened == QLatin1String("dlgConfigMacro"), "configures");
    GraphWidget* canvas = window->canvas();
    const QList<Macro*> selected = canvas->selectedMacros();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.constFirst()->sigla(), sigla);
    const QRectF shown = canvas->mapToScene(canvas->viewport()->rect()).boundingRect();
    QVERIFY(shown.contains(canvas->nodeFor(selected.constFirst())->sceneBoundingRect()));
    QVERIFY(!window->currentGroup()->isModified());
}

void TestVerificationDock::switchedFromTheOptionsMenu()
{
    const auto toggle = [this] { return window->findChild<QAction*>("actionVerification"); };
    QVERIFY(dock()->isVisible());
    QVERIFY(toggle()->isChecked());
    toggle()->trigger();
    QVERIFY(!dock()->isVisible());
    // Remembered by the close.
    QVERIFY(window->close());
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(!dock()->isVisible());
    QVERIFY(!toggle()->isChecked());
    toggle()->trigger();
    QVERIFY(dock()->isVisible());
    QVERIFY(window->close());
}

void TestVerificationDock::activate(const QString& rule)
{
    const QList<GroupCheck::Finding> findings = dock()->findings();
    auto* view = dock()->findChild<QTreeView*>("viewFindings");
    for (int row = 0; row < findings.size(); ++row) {
        if (findings.at(row).rule != rule)
            continue;
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        const QPoint at = view->visualRect(index).center();
        // What the window system sends: a click, then the double click.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        return;
    }
    QFAIL(qPrintable("no finding of the rule " + rule));
}

QTEST_MAIN(TestVerificationDock)
#include "tst_verificationdock.moc"
