#include "app/anchorsettings.h"
#include "diagram/edge.h"
#include "diagram/graphwidget.h"
#include "diagram/node.h"
#include "commands/groupdocument.h"
#include "mainwindow/mainwindow.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/fakefiledialogs.h"
#include "support/messagerecorder.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"
#include "support/windowedits.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QtTest>

using ZorTest::answerBox;
using ZorTest::answerNextModal;
using ZorTest::SeenBox;
using ZorTest::TestEnvironment;

namespace {

// Answers the group dialog: accepts it with that name, or rejects it when
// name is null; then, when given, queues the next answer.
void answerGroupDialog(const QString& name, QString* seenName = nullptr,
                       std::function<void()> next = {})
{
    answerNextModal([=](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("qleName"));
        QVERIFY(edit);
        if (seenName)
            *seenName = edit->text();
        if (next)
            next();
        if (name.isNull()) {
            modal->findChild<QPushButton*>(QStringLiteral("qpbCancel"))->click();
            return;
        }
        edit->setText(name);
        modal->findChild<QPushButton*>(QStringLiteral("qpbOk"))->click();
    });
}

QAction* action(const MainWindow& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Where the windows keep the folder last opened from.
QString tempIni()
{
    return QDir::tempPath() + QStringLiteral("/zortmp.ini");
}

QString lastDir()
{
    return QSettings(tempIni(), QSettings::IniFormat).value(QStringLiteral("lastdir")).toString();
}

} // namespace

class TestGroupCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void openChoosesReaderBySuffix_data();
    void openChoosesReaderBySuffix();
    void openRemembersFolderAndAsksWithItsFilter();
    void failedOpenLeavesEmptyGroupWithoutPath();
    void diagramBuiltFromFile();
    void fileFromCommandLineOpensAtFirstShow();
    void saveOfUnnamedGroupGoesThroughGroupDialog();
    void saveOfLegacyFileShowsNoticeThenSaveAs();
    void saveInPlaceClearsModified();
    void failedSaveKeepsEditsAndSaysSo();
    void failedSaveAsSaysSo();
    void cancelledSaveAsChangesNothing();
    void saveRefusesAnchorSequence();
    void promptAnswers_data();
    void promptAnswers();
    void promptSaveOfNeverSavedGroupRunsSaveAs();
    void newGroupAndCloseGroup();

private:
    QString copyExample(const QString& example, const QString& name);
    void openThroughCommand(const QString& path);

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<FakeFileDialogs> dialogs;
    std::unique_ptr<MainWindow> window;
};

void TestGroupCommands::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
    QCoreApplication::setOrganizationName(QStringLiteral("Orvenda"));
    QCoreApplication::setApplicationName(QStringLiteral("Zor"));
    QSettings().setValue(QStringLiteral("MainWindow/locale"), QStringLiteral("pt"));
}

void TestGroupCommands::init()
{
    QFile::remove(tempIni());
    recorder = std::make_unique<MessageRecorder>();
    dialogs = std::make_unique<FakeFileDialogs>();
    window = std::make_unique<MainWindow>();
    window->show();
}

void TestGroupCommands::cleanup()
{
    ZorTest::closeAllModals();
    if (window && window->currentGroup())
        window->currentGroup()->setModified(false);
    window.reset();
    dialogs.reset();
    recorder.reset();
}

QString TestGroupCommands::copyExample(const QString& example, const QString& name)
{
    const QString target = env->filePath(name);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::remove(target);
    if (!QFile::copy(TestEnvironment::sourceDir() + QStringLiteral("/examples/") + example,
                     target))
        return QString();
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

void TestGroupCommands::openThroughCommand(const QString& path)
{
    dialogs->answers << path;
    action(*window, "actionLoadGroup")->trigger();
}

void TestGroupCommands::openChoosesReaderBySuffix_data()
{
    QTest::addColumn<QString>("example");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("opens");

    QTest::newRow("mcx") << "sample.mcx" << "a.mcx" << true;
    QTest::newRow("MCX is JSON") << "sample.mcx" << "b.MCX" << true;
    QTest::newRow("json is JSON") << "sample.mcx" << "c.json" << true;
    QTest::newRow("MCR is JSON too") << "sample.mcx" << "d.MCR" << true;
    QTest::newRow("mcr is legacy") << "legacy.mcr" << "e.mcr" << true;
    QTest::newRow("legacy bytes as JSON") << "legacy.mcr" << "f.MCR" << false;
}

void TestGroupCommands::openChoosesReaderBySuffix()
{
    QFETCH(QString, example);
    QFETCH(QString, name);
    QFETCH(bool, opens);

    const QString path = copyExample(example, name);
    QVERIFY(!path.isEmpty());
    SeenBox failure;
    if (!opens)
        answerBox(QStringLiteral("OK"), &failure);
    openThroughCommand(path);

    Group* group = window->currentGroup();
    QVERIFY(group);
    if (opens) {
        QVERIFY(group->macroCount() > 0);
        QCOMPARE(group->filePath(), path);
        QVERIFY(recorder->messages.isEmpty() || name.endsWith(QLatin1String(".mcr")));
    } else {
        QCOMPARE(failure.icon, QMessageBox::Critical);
        QCOMPARE(failure.text, QStringLiteral("Não foi possível abrir o arquivo ") + path);
        // The JSON reader's own message came first.
        QVERIFY(!recorder->texts().isEmpty());
        QVERIFY(recorder->texts().last().startsWith(QStringLiteral("Formato do arquivo")));
    }
}

void TestGroupCommands::openRemembersFolderAndAsksWithItsFilter()
{
    const QString path = copyExample(QStringLiteral("sample.mcx"), QStringLiteral("sub/g.mcx"));
    openThroughCommand(path);
    QCOMPARE(dialogs->requests.size(), 1);
    const FakeFileDialogs::Request request = dialogs->requests.first();
    QCOMPARE(request.kind, QStringLiteral("open"));
    QCOMPARE(request.caption, QStringLiteral("Abrir grupo de macros"));
    QCOMPARE(request.filter,
             QStringLiteral("Todos arquivos de seq. de macros (*.mcx *.mcr);;Arquivos de seq. "
                            "de macros (*.mcx);;Arquivos de seq. de macros versão antiga "
                            "(*.mcr)"));
    QCOMPARE(lastDir(), QFileInfo(path).absolutePath());

    // The next dialog starts there; a cancelled dialog changes nothing.
    window->currentGroup()->setModified(false);
    action(*window, "actionLoadGroup")->trigger();
    QCOMPARE(dialogs->requests.last().directory, QFileInfo(path).absolutePath());
    QCOMPARE(window->currentGroup()->filePath(), path);

    // Another window, in another process, stores its own folder meanwhile;
    // opening from the same folder as before stores it again.
    QFile other(tempIni());
    QVERIFY(other.open(QIODevice::WriteOnly | QIODevice::Truncate));
    other.write("[General]\nlastdir=" + QFile::encodeName(env->filePath("elsewhere/folder")) +
                "\n");
    other.close();
    openThroughCommand(path);
    QCOMPARE(lastDir(), QFileInfo(path).absolutePath());
}

void TestGroupCommands::failedOpenLeavesEmptyGroupWithoutPath()
{
    const QString missing = env->filePath(QStringLiteral("missing.mcx"));
    SeenBox failure;
    answerBox(QStringLiteral("OK"), &failure);
    openThroughCommand(missing);
    QCOMPARE(failure.icon, QMessageBox::Critical);
    QCOMPARE(failure.text, QStringLiteral("Não foi possível abrir o arquivo ") + missing);

    Group* group = window->currentGroup();
    QVERIFY(group);
    QCOMPARE(group->macroCount(), 0);
    QVERIFY(group->name().isEmpty());
    QVERIFY2(group->filePath().isEmpty(), "a later Save must not write over the failed file");
    QVERIFY(action(*window, "actionSaveGroupAs")->isEnabled());

    // A file that exists but can't be read as a group is not overwritten by
    // the next Save either.
    const QString broken = env->filePath(QStringLiteral("broken.mcx"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{ not json");
    file.close();
    answerBox(QStringLiteral("OK"));
    openThroughCommand(broken);
    window->currentGroup()->setModified(true);
    answerGroupDialog(QString()); // Save of an unnamed group asks for a name: cancel
    action(*window, "actionSaveGroup")->trigger();
    QCOMPARE(readAll(broken), QByteArray("{ not json"));
}

void TestGroupCommands::diagramBuiltFromFile()
{
    const QString path = copyExample(QStringLiteral("sample.mcx"), QStringLiteral("d.mcx"));
    openThroughCommand(path);
    Group* group = window->currentGroup();
    QVERIFY(group && group->macroCount() >= 12);

    GraphWidget* canvas = window->canvas();
    int boxes = 0;
    int arrows = 0;
    const QList<QGraphicsItem*> items = canvas->scene()->items();
    for (QGraphicsItem* item : items) {
        boxes += item->type() == Node::Type;
        arrows += item->type() == Edge::Type;
    }
    QCOMPARE(boxes, group->macroCount());

    int flowEntries = 0;
    const QList<Macro*> macros = group->macros();
    for (const Macro* macro : macros) {
        const Node* box = canvas->findNode(macro->sigla());
        QVERIFY2(box, qPrintable(macro->sigla()));
        QCOMPARE(box->pos(), QPointF(macro->position()));
        QCOMPARE(box->rect(), QRectF(0, 0, macro->dimensions().width(),
                                     macro->dimensions().height()));
        QCOMPARE(box->num(), macro->num());
        QCOMPARE(box->name(), macro->name());
        flowEntries += macro->flow().size();
    }
    QVERIFY(flowEntries > 0);
    QCOMPARE(arrows, flowEntries);

    // Another group is shown from its top-left corner.
    canvas->centerOn(2900, 2900);
    openThroughCommand(path);
    QCOMPARE(canvas->horizontalScrollBar()->value(), canvas->horizontalScrollBar()->minimum());
    QCOMPARE(canvas->verticalScrollBar()->value(), canvas->verticalScrollBar()->minimum());
}

void TestGroupCommands::fileFromCommandLineOpensAtFirstShow()
{
    const QString path = copyExample(QStringLiteral("sample.mcx"), QStringLiteral("cli.mcx"));
    MainWindow other;
    other.setFileToOpen(path);
    QVERIFY(!other.currentGroup());
    other.show();
    QVERIFY(other.currentGroup());
    QCOMPARE(other.currentGroup()->filePath(), path);
    const int count = other.currentGroup()->macroCount();
    other.hide();
    other.show(); // only once
    QCOMPARE(other.currentGroup()->macroCount(), count);
    QVERIFY(dialogs->requests.isEmpty());
}

void TestGroupCommands::saveOfUnnamedGroupGoesThroughGroupDialog()
{
    QSettings temp(tempIni(), QSettings::IniFormat);
    temp.setValue(QStringLiteral("lastdir"), env->path());
    temp.sync();
    // A new macro with no group open makes an unnamed group.
    answerNextModal([](QWidget* modal) {
        modal->findChild<QLineEdit*>(QStringLiteral("edtNumber"))->setText("7");
        modal->findChild<QLineEdit*>(QStringLiteral("edtName"))->setText("PARADA");
        modal->findChild<QLineEdit*>(QStringLiteral("edtSigla"))->setText("PAR");
        QMetaObject::invokeMethod(modal->findChild<QWidget*>(QStringLiteral("cbxType")),
                                  "setCurrentIndex", Q_ARG(int, 2));
        modal->findChild<QPushButton*>(QStringLiteral("btnInsert"))->click();
    });
    action(*window, "actionNewMacro")->trigger();
    QCOMPARE(window->currentGroup()->macroCount(), 1);

    const QString target = env->filePath(QStringLiteral("Frota.mcx"));
    dialogs->answers << target;
    QString offeredName = QStringLiteral("unset");
    answerGroupDialog(QStringLiteral("Frota"), &offeredName);
    action(*window, "actionSaveGroup")->trigger();

    QVERIFY(offeredName.isEmpty());
    QCOMPARE(dialogs->requests.size(), 1);
    QCOMPARE(dialogs->requests.first().kind, QStringLiteral("save"));
    QCOMPARE(dialogs->requests.first().caption, QStringLiteral("Salvar como"));
    QCOMPARE(dialogs->requests.first().directory, env->path() + QStringLiteral("/Frota.mcx"));
    QCOMPARE(dialogs->requests.first().filter, QStringLiteral("Arquivos de seq. de macros (*.mcx)"));
    QVERIFY(QFile::exists(target));
    Group* group = window->currentGroup();
    QCOMPARE(group->name(), QStringLiteral("Frota"));
    QCOMPARE(group->filePath(), target);
    QVERIFY(!group->isModified());

    Group reread{QString(), QString()};
    QVERIFY(reread.loadMcx(target));
    QCOMPARE(reread.name(), QStringLiteral("Frota"));
    QCOMPARE(reread.macroCount(), 1);
    QCOMPARE(reread.macros().first()->sigla(), QStringLiteral("PAR"));
    QCOMPARE(reread.macros().first()->shortcut(), QStringLiteral("0"));
}

void TestGroupCommands::saveOfLegacyFileShowsNoticeThenSaveAs()
{
    const QString legacy = copyExample(QStringLiteral("legacy.mcr"), QStringLiteral("a.mcr"));
    const QByteArray original = readAll(legacy);
    openThroughCommand(legacy);
    QVERIFY(window->currentGroup()->macroCount() > 0);
    window->currentGroup()->setModified(true);
    const QString legacyName = window->currentGroup()->name();

    const QString target = env->filePath(QStringLiteral("a-novo.mcx"));
    dialogs->answers << target;
    SeenBox notice;
    QString offeredName;
    answerBox(QStringLiteral("OK"), &notice,
              [&offeredName] { answerGroupDialog(QStringLiteral("Legado"), &offeredName); });
    action(*window, "actionSaveGroup")->trigger();

    QCOMPARE(notice.icon, QMessageBox::Warning);
    QCOMPARE(notice.text,
             QStringLiteral("Esta versão do Zor irá salvar o arquivo no formato MCX. O arquivo "
                            "original será mantido, porém as alterações serão salvas no novo "
                            "formato."));
    QCOMPARE(offeredName, legacyName.trimmed());
    QCOMPARE(window->currentGroup()->name(), QStringLiteral("Legado"));
    QVERIFY(QFile::exists(target));
    QCOMPARE(readAll(legacy), original);
    QCOMPARE(window->currentGroup()->filePath(), target);
    QVERIFY(QJsonDocument::fromJson(readAll(target)).isObject());
}

void TestGroupCommands::saveInPlaceClearsModified()
{
    // A JSON file named .MCR: the suffix test is case-sensitive, so it is
    // read and written in place as JSON.
    const QString path = copyExample(QStringLiteral("sample.mcx"), QStringLiteral("G.MCR"));
    openThroughCommand(path);
    Group* group = window->currentGroup();
    QVERIFY(group->macroCount() > 0);
    QVERIFY(!group->isModified());
    QVERIFY(!action(*window, "actionSaveGroup")->isEnabled());
    group->setDescription(QStringLiteral("alterada"));
    // A click on a box marks the group modified and refreshes the actions.
    GraphWidget* canvas = window->canvas();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const Node* box = canvas->findNode(group->macros().first()->sigla());
    canvas->centerOn(box);
    QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {},
                      canvas->mapFromScene(box->sceneBoundingRect().center()));
    QVERIFY(action(*window, "actionSaveGroup")->isEnabled());

    action(*window, "actionSaveGroup")->trigger();
    QVERIFY(!group->isModified());
    QVERIFY(!action(*window, "actionSaveGroup")->isEnabled());
    QVERIFY(dialogs->requests.size() == 1); // only the open dialog
    const QJsonDocument saved = QJsonDocument::fromJson(readAll(path));
    QCOMPARE(saved.object().value("header").toObject().value("description").toString(),
             QStringLiteral("alterada"));
}

void TestGroupCommands::failedSaveKeepsEditsAndSaysSo()
{
    const QString path = copyExample(QStringLiteral("sample.mcx"), QStringLiteral("gone/g.mcx"));
    openThroughCommand(path);
    window->currentGroup()->setDescription(QStringLiteral("edit"));
    // The folder is replaced by a plain file: the save can't write there.
    QVERIFY(QDir(env->filePath(QStringLiteral("gone"))).removeRecursively());
    QFile blocker(env->filePath(QStringLiteral("gone")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    SeenBox failure;
    answerBox(QStringLiteral("OK"), &failure);
    action(*window, "actionSaveGroup")->trigger();
    QCOMPARE(failure.icon, QMessageBox::Critical);
    // The system's reason on a second line.
    QCOMPARE(failure.text,
             QStringLiteral("Não foi possível salvar o arquivo ") + path + "\nNot a directory");
    QVERIFY(window->currentGroup()->isModified());
    QVERIFY(action(*window, "actionSaveGroup")->isEnabled());
}

void TestGroupCommands::failedSaveAsSaysSo()
{
    answerGroupDialog(QStringLiteral("Frota"));
    action(*window, "actionNewGroup")->trigger();
    Group* group = window->currentGroup();
    const QString date = group->creationDate();
    const QString impossible = env->filePath(QStringLiteral("zor.ini/inside.mcx"));
    dialogs->answers << impossible;
    SeenBox failure;
    answerGroupDialog(QStringLiteral("Outra"), nullptr,
                      [&failure] { answerBox(QStringLiteral("OK"), &failure); });
    QTest::qWait(1100); // a new creation date would differ by now
    action(*window, "actionSaveGroupAs")->trigger();
    QCOMPARE(failure.icon, QMessageBox::Critical);
    QCOMPARE(failure.text, QStringLiteral("Não foi possível salvar o arquivo ") + impossible +
                               "\nNot a directory");
    // A save as that wrote nothing changed nothing.
    QVERIFY(group->filePath().isEmpty());
    QCOMPARE(group->name(), QStringLiteral("Frota"));
    QCOMPARE(group->creationDate(), date);
    QVERIFY(!group->isModified());
}

// Cancelled at the file dialog, a save as leaves the group as it was: the
// next Save writes the old name and date into the original file.
void TestGroupCommands::cancelledSaveAsChangesNothing()
{
    const QString path = copyExample(QStringLiteral("sample.mcx"), QStringLiteral("c.mcx"));
    openThroughCommand(path);
    Group* group = window->currentGroup();
    const QString name = group->name();
    const QString date = group->creationDate();
    dialogs->answers << QString();
    answerGroupDialog(QStringLiteral("Outro nome"));
    action(*window, "actionSaveGroupAs")->trigger();
    QCOMPARE(group->name(), name);
    QCOMPARE(group->creationDate(), date);
    QVERIFY(!group->isModified());
    QCOMPARE(window->currentDocument()->undoStack()->count(), 0);
}

void TestGroupCommands::saveRefusesAnchorSequence()
{
    answerGroupDialog(QStringLiteral("Frota"));
    action(*window, "actionNewGroup")->trigger();
    const quint8 anchor = quint8(ZorObject::anchorSettings().anchorViolationId());
    for (const QString& sigla : {QStringLiteral("A"), QStringLiteral("B")}) {
        auto macro = std::make_unique<Macro>(sigla == "A" ? "1" : "2", sigla, "0", sigla, 2, false);
        macro->setViolation({anchor});
        macro->setViolationReactions({0});
        macro->setViolationTimers({0});
        if (sigla == "A") {
            macro->setFlow({"B"});
            macro->setFlowNum({2});
            macro->setFlowPos({0});
        }
        ZorTest::addMacro(*window, std::move(macro));
    }
    action(*window, "actionSaveGroup")->trigger();
    // Both macros of the sequence are named.
    QVERIFY(recorder->texts().last().endsWith(QStringLiteral(" (Macro A->B)")));
    QVERIFY(dialogs->requests.isEmpty());
    action(*window, "actionSaveGroupAs")->trigger();
    QCOMPARE(recorder->messages.size(), 2);
    // The close prompt's Salvar runs the same checks: refused, nothing closes.
    answerBox(QStringLiteral("Salvar"));
    QVERIFY(!window->close());
    QCOMPARE(recorder->messages.size(), 3);
    QVERIFY(dialogs->requests.isEmpty());
    QVERIFY(window->currentGroup());
}

void TestGroupCommands::promptAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");

    QTest::newRow("Salvar") << "Salvar" << true << true;
    QTest::newRow("Descartar") << "Descartar" << true << false;
    QTest::newRow("Cancelar") << "Cancelar" << false << false;
}

void TestGroupCommands::promptAnswers()
{
    QFETCH(QString, answer);
    QFETCH(bool, closes);
    QFETCH(bool, written);

    const QString path = copyExample(QStringLiteral("sample.mcx"), QStringLiteral("p.mcx"));
    openThroughCommand(path);
    window->currentGroup()->setDescription(QStringLiteral("mudou"));
    const QByteArray before = readAll(path);

    SeenBox prompt;
    answerBox(answer, &prompt);
    QCOMPARE(window->close(), closes);
    QCOMPARE(prompt.icon, QMessageBox::Warning);
    QCOMPARE(prompt.title, QStringLiteral("Atenção!"));
    QCOMPARE(prompt.text,
             QStringLiteral("Ocorreram mudanças nas macros, deseja salvar\nestas alterações?"));
    QCOMPARE(readAll(path) != before, written);
    QCOMPARE(window->isVisible(), !closes);
    if (!closes)
        QVERIFY(window->currentGroup()->isModified());
}

void TestGroupCommands::promptSaveOfNeverSavedGroupRunsSaveAs()
{
    answerGroupDialog(QStringLiteral("Frota"));
    action(*window, "actionNewGroup")->trigger();
    window->currentGroup()->setModified(true);

    // Save of a named group goes straight to the file dialog; cancelled there.
    dialogs->answers << QString();
    action(*window, "actionSaveGroup")->trigger();
    QCOMPARE(dialogs->requests.size(), 1);
    QVERIFY(dialogs->requests.first().directory.endsWith(QStringLiteral("/Frota.mcx")));
    QVERIFY(window->currentGroup()->filePath().isEmpty());
    QVERIFY(window->currentGroup()->isModified());

    // Salvar, then the file dialog is cancelled: nothing closes, nothing lost.
    dialogs->answers << QString();
    answerBox(QStringLiteral("Salvar"));
    QVERIFY(!window->close());
    QVERIFY(window->isVisible());
    QVERIFY(window->currentGroup());
    QVERIFY(window->currentGroup()->isModified());

    // Salvar, then a file: the group is written and the window closes.
    const QString target = env->filePath(QStringLiteral("prompt.mcx"));
    dialogs->answers << target;
    answerBox(QStringLiteral("Salvar"));
    QVERIFY(window->close());
    QVERIFY(QFile::exists(target));
}

void TestGroupCommands::newGroupAndCloseGroup()
{
    answerGroupDialog(QStringLiteral("Frota"));
    action(*window, "actionNewGroup")->trigger();
    Group* first = window->currentGroup();
    QCOMPARE(first->name(), QStringLiteral("Frota"));
    QVERIFY(!first->isModified());

    // A modified group asks first; Cancel keeps it.
    first->setModified(true);
    answerBox(QStringLiteral("Cancelar"));
    action(*window, "actionNewGroup")->trigger();
    QCOMPARE(window->currentGroup(), first);
    answerBox(QStringLiteral("Cancelar"));
    action(*window, "actionCloseGroup")->trigger();
    QCOMPARE(window->currentGroup(), first);

    answerBox(QStringLiteral("Descartar"));
    action(*window, "actionCloseGroup")->trigger();
    QVERIFY(!window->currentGroup());
    QVERIFY(!action(*window, "actionCloseGroup")->isEnabled());
}

QTEST_MAIN(TestGroupCommands)
#include "tst_groupcommands.moc"
