#include "app/debuglogger.h"
#include "dialogs/dlgabout.h"
#include "dialogs/dlggroup.h"
#include "dialogs/dlggroupdesc.h"
#include "dialogs/dlgnovamacro.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {

// 300 characters that differ along the text, so a cut at the wrong place shows.
QString text300()
{
    QString text;
    for (int i = 0; text.size() < 300; ++i)
        text += QString::number(i % 10) + QLatin1Char("abcdefghij"[i / 10 % 10]);
    return text.left(300);
}

// Runs the dialog modally; `act` drives it once it is shown and must close it.
int runModal(QDialog& dialog, const std::function<void(QDialog*)>& act)
{
    ZorTest::answerNextModal([act](QWidget* modal) { act(qobject_cast<QDialog*>(modal)); });
    return dialog.exec();
}

template <typename T> T* child(QWidget* dialog, const char* name)
{
    return dialog->findChild<T*>(QLatin1String(name));
}

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

const char* const DialogNames[] = {"dlgGroup", "dlgGroupDesc", "dlgAbout", "dlgNovaMacro"};

std::unique_ptr<QDialog> makeDialog(const QString& name)
{
    if (name == QLatin1String("dlgGroup"))
        return std::make_unique<dlgGroup>();
    if (name == QLatin1String("dlgGroupDesc"))
        return std::make_unique<dlgGroupDesc>(QString());
    if (name == QLatin1String("dlgAbout"))
        return std::make_unique<dlgAbout>();
    return std::make_unique<dlgNovaMacro>();
}

} // namespace

class TestSmallDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void descriptionRule_data();
    void descriptionRule();
    void descriptionWithinLimitIsKept_data();
    void descriptionWithinLimitIsKept();
    void groupDialogButtons();
    void groupDescriptionDialog_data();
    void groupDescriptionDialog();
    void groupDescriptionReturnAccepts();
    void aboutShowsVersion();
    void windowFrames_data();
    void windowFrames();
    void constructionIsLogged();

private:
    std::unique_ptr<ZorTest::TestEnvironment> env;
};

void TestSmallDialogs::initTestCase()
{
    env = std::make_unique<ZorTest::TestEnvironment>();
    QVERIFY(env->isValid());
}

// Both description fields keep the first 280 characters of longer input,
// whether it is typed key by key or pasted at once.
void TestSmallDialogs::descriptionRule_data()
{
    QTest::addColumn<bool>("groupDialog");
    QTest::addColumn<bool>("paste");
    QTest::newRow("dlgGroup typed") << true << false;
    QTest::newRow("dlgGroup pasted") << true << true;
    QTest::newRow("dlgGroupDesc typed") << false << false;
    QTest::newRow("dlgGroupDesc pasted") << false << true;
}

void TestSmallDialogs::descriptionRule()
{
    QFETCH(bool, groupDialog);
    QFETCH(bool, paste);
    const QString input = text300();

    std::unique_ptr<QDialog> dialog;
    QWidget* field = nullptr;
    std::function<QString()> fieldText;
    if (groupDialog) {
        auto* group = new dlgGroup;
        dialog.reset(group);
        auto* edit = child<QPlainTextEdit>(group, "qtextDescription");
        field = edit;
        fieldText = [edit] { return edit->toPlainText(); };
    } else {
        auto* description = new dlgGroupDesc(QString());
        dialog.reset(description);
        auto* edit = child<QLineEdit>(description, "edtDescription");
        field = edit;
        fieldText = [edit] { return edit->text(); };
    }
    QVERIFY(field);
    dialog->show();
    field->setFocus();

    if (paste) {
        QGuiApplication::clipboard()->setText(input);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(field, input);
    }
    QCOMPARE(fieldText().size(), 280);
    QCOMPARE(fieldText(), input.left(280));
    if (groupDialog)
        QCOMPARE(static_cast<dlgGroup*>(dialog.get())->description(), input.left(280));
}

void TestSmallDialogs::descriptionWithinLimitIsKept_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    const QString full(280, QLatin1Char('x'));
    QTest::newRow("multi-line") << QStringLiteral("primeira linha\nsegunda linha")
                                << QStringLiteral("primeira linha\nsegunda linha");
    QTest::newRow("exactly 280") << full << full;
    QTest::newRow("281 cut") << full + QLatin1Char('y') << full;
    QTest::newRow("line breaks count") << QString(279, QLatin1Char('x')) + QStringLiteral("\nz")
                                       << QString(279, QLatin1Char('x')) + QLatin1Char('\n');
    // A character outside the basic plane is two code units; it is never halved.
    QTest::newRow("surrogate pair at the cut")
        << QString(279, QLatin1Char('x')) + QString::fromUtf8("\xF0\x9F\x9A\x9A")
        << QString(279, QLatin1Char('x'));
}

void TestSmallDialogs::descriptionWithinLimitIsKept()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);

    dlgGroup group;
    group.setDescription(input);
    QCOMPARE(group.description(), expected);

    dlgGroupDesc description(QString{});
    auto* edit = child<QLineEdit>(&description, "edtDescription");
    QVERIFY(edit);
    edit->setText(input);
    QCOMPARE(edit->text(), expected);
}

void TestSmallDialogs::groupDialogButtons()
{
    dlgGroup group;
    group.show();
    auto* name = child<QLineEdit>(&group, "qleName");
    QVERIFY(name);
    const QString typed = QStringLiteral("Grupo de macros da frota regional do sul 2024");
    QVERIFY(typed.size() > 40);
    QTest::keyClicks(name, typed);
    QCOMPARE(group.name(), typed.left(40));

    // No check for emptiness: an empty name is the caller's business.
    name->clear();
    group.hide();
    QCOMPARE(runModal(group, [](QDialog* d) { child<QPushButton>(d, "qpbOk")->click(); }),
             int(QDialog::Accepted));
    QCOMPARE(group.name(), QString());

    QSignalSpy newGroup(&group, &dlgGroup::newGroup);
    group.setName(QStringLiteral("FROTA"));
    group.setDescription(QStringLiteral("Grupo "));
    group.setDescription(QStringLiteral("da frota"));

    QCOMPARE(runModal(group, [](QDialog* d) { child<QPushButton>(d, "qpbOk")->click(); }),
             int(QDialog::Accepted));
    QCOMPARE(group.name(), QStringLiteral("FROTA"));
    QCOMPARE(group.description(), QStringLiteral("Grupo da frota"));
    QCOMPARE(newGroup.count(), 0);

    QCOMPARE(runModal(group, [](QDialog* d) { child<QPushButton>(d, "qpbCancel")->click(); }),
             int(QDialog::Rejected));
    QCOMPARE(newGroup.count(), 0);
}

void TestSmallDialogs::groupDescriptionDialog_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("emitted");

    QTest::newRow("ok with new text")
        << QStringLiteral("Nova descricao") << "pushButton" << int(QDialog::Accepted)
        << QStringList{QStringLiteral("Nova descricao")};
    QTest::newRow("ok unchanged") << QString() << "pushButton" << int(QDialog::Accepted)
                                  << QStringList{QStringLiteral("Descrição antiga")};
    QTest::newRow("cancel") << QStringLiteral("Outra") << "pushButton_2" << int(QDialog::Rejected)
                            << QStringList();
}

void TestSmallDialogs::groupDescriptionDialog()
{
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(int, result);
    QFETCH(QStringList, emitted);

    dlgGroupDesc dialog(QStringLiteral("Descrição antiga"));
    QStringList received;
    connect(&dialog, &dlgGroupDesc::newDescription, this,
            [&received](const QString& text) { received.append(text); });

    QString selectedAtStart;
    const int answer = runModal(dialog, [&](QDialog* d) {
        auto* edit = child<QLineEdit>(d, "edtDescription");
        selectedAtStart = edit->selectedText();
        // Typing replaces the selection, as the user expects of a prefilled field.
        if (!typed.isEmpty())
            QTest::keyClicks(edit, typed);
        QTest::mouseClick(child<QPushButton>(d, qPrintable(button)), Qt::LeftButton);
    });
    QCOMPARE(selectedAtStart, QStringLiteral("Descrição antiga"));
    QCOMPARE(answer, result);
    QCOMPARE(received, emitted);
}

void TestSmallDialogs::groupDescriptionReturnAccepts()
{
    dlgGroupDesc dialog(QStringLiteral("abc"));
    QSignalSpy spy(&dialog, &dlgGroupDesc::newDescription);
    const int answer = runModal(dialog, [](QDialog* d) {
        QTest::keyClick(child<QLineEdit>(d, "edtDescription"), Qt::Key_Return);
    });
    QCOMPARE(answer, int(QDialog::Accepted));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("abc"));
}

void TestSmallDialogs::aboutShowsVersion()
{
    dlgAbout about;
    auto* info = child<QLabel>(&about, "lblInfo");
    QVERIFY(info);
    QCOMPARE(info->text(), QStringLiteral("Zor - Quorvane\nVersão: 4.2.3 "));
    QVERIFY(info->font().bold());

    auto* logo = child<QLabel>(&about, "label_3");
    QVERIFY(logo);
    const QPixmap pixmap = logo->pixmap(Qt::ReturnByValue);
    QVERIFY2(!pixmap.isNull(), "the logo resource is not registered");
    QCOMPARE(pixmap.size(), QSize(191, 41));
}

void TestSmallDialogs::windowFrames_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("fixed");

    QTest::newRow("dlgGroup") << "dlgGroup" << QStringLiteral("Novo grupo de macros")
                              << QSize(368, 280) << false;
    QTest::newRow("dlgGroupDesc") << "dlgGroupDesc" << QStringLiteral("Descrição")
                                  << QSize(259, 134) << true;
    QTest::newRow("dlgAbout") << "dlgAbout" << QStringLiteral("Sobre o Zor - Quorvane")
                              << QSize(439, 120) << true;
    QTest::newRow("dlgNovaMacro") << "dlgNovaMacro" << QStringLiteral("Inclusão de nova macro")
                                  << QSize(478, 174) << true;
}

void TestSmallDialogs::windowFrames()
{
    QFETCH(QString, dialog);
    QFETCH(QString, title);
    QFETCH(QSize, size);
    QFETCH(bool, fixed);

    const std::unique_ptr<QDialog> window = makeDialog(dialog);

    QCOMPARE(window->objectName(), dialog);
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(window->size(), size);
    QVERIFY(!(window->windowFlags() & Qt::WindowContextHelpButtonHint));
    if (fixed) {
        QCOMPARE(window->minimumSize(), size);
        QCOMPARE(window->maximumSize(), size);
    }
}

// Runs last: the log session stays on for the rest of the process.
void TestSmallDialogs::constructionIsLogged()
{
    DebugLogger* logger = DebugLogger::instance();
    logger->configure(QStringLiteral("logs"), QStringLiteral("debug.log"));
    QVERIFY(logger->startSession());

    for (const char* name : DialogNames)
        makeDialog(QLatin1String(name));

    const QStringList lines = readLines(env->filePath(QStringLiteral("debug.log")));
    QCOMPARE(lines.size(), 5);
    for (int i = 0; i < 4; ++i)
        QVERIFY(
            lines.at(i + 1).endsWith(QStringLiteral(" - %1 - Constructor").arg(DialogNames[i])));
}

QTEST_MAIN(TestSmallDialogs)
#include "tst_smalldialogs.moc"
