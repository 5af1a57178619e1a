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

// Runs the dialog modally; act drives it once it is shown and must close it.
int runModal(QDialog& dialog, const std::function<void(QWidget*)>& act)
{
    ZorTest::answerNextModal(act);
    return dialog.exec();
}

template <typename T> T* child(const QWidget* dialog, const char* name)
{
    return dialog->findChild<T*>(QLatin1String(name));
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
    std::unique_ptr<ZorTest::TestEnvironment> env;

private slots:
    void initTestCase()
    {
        env = std::make_unique<ZorTest::TestEnvironment>();
        QVERIFY(env->isValid());
    }

    void descriptionLimit_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("entered"); // typed, pasted or set
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("kept");

        const QString x279(279, QLatin1Char('x'));
        for (const char* dialog : {"dlgGroup", "dlgGroupDesc"}) {
            const auto row = [dialog](const char* tag, const char* entered, const QString& input,
                                      const QString& kept) {
                QTest::addRow("%s %s", dialog, tag) << dialog << entered << input << kept;
            };
            row("typed", "typed", text300(), text300().left(280));
            row("pasted", "pasted", text300(), text300().left(280));
            row("multi-line", "set", "primeira linha\nsegunda linha",
                "primeira linha\nsegunda linha");
            row("280", "set", x279 + 'y', x279 + 'y');
            row("281", "set", x279 + "yz", x279 + 'y');
            row("line breaks count", "set", x279 + "\nz", x279 + '\n');
            // A character outside the basic plane is two code units, never halved.
            row("surrogate pair at the cut", "set", x279 + QString::fromUtf8("\xF0\x9F\x9A\x9A"),
                x279);
        }
    }

    // Both descriptions keep their first 280 characters, however they come.
    void descriptionLimit()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, entered);
        QFETCH(QString, input);
        QFETCH(QString, kept);

        const std::unique_ptr<QDialog> window = makeDialog(dialog);
        QWidget* field = window->findChild<QLineEdit*>(QStringLiteral("edtDescription"));
        auto* group = qobject_cast<dlgGroup*>(window.get());
        if (group)
            field = child<QPlainTextEdit>(group, "qtextDescription");
        window->show();
        field->setFocus();
        if (entered == QLatin1String("typed")) {
            QTest::keyClicks(field, input);
        } else if (entered == QLatin1String("pasted")) {
            QGuiApplication::clipboard()->setText(input);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        } else if (group) {
            group->setDescription(input);
        } else {
            static_cast<QLineEdit*>(field)->setText(input);
        }
        QCOMPARE(group ? group->description() : static_cast<QLineEdit*>(field)->text(), kept);
    }

    // The name stops at 40 characters; an empty one is the caller's business.
    // Descriptions set one after the other add up.
    void groupDialog()
    {
        dlgGroup group;
        group.show();
        const QString typed = QStringLiteral("Grupo de macros da frota regional do sul 2024");
        QTest::keyClicks(child<QLineEdit>(&group, "qleName"), typed);
        QCOMPARE(group.name(), typed.left(40));
        group.hide();
        group.setName(QString());
        const auto press = [](const char* name) {
            return [name](QWidget* d) { child<QPushButton>(d, name)->click(); };
        };
        QCOMPARE(runModal(group, press("qpbOk")), int(QDialog::Accepted));
        QCOMPARE(group.name(), QString());

        QSignalSpy newGroup(&group, &dlgGroup::newGroup);
        group.setName(QStringLiteral("FROTA"));
        group.setDescription(QStringLiteral("Grupo "));
        group.setDescription(QStringLiteral("da frota"));
        QCOMPARE(runModal(group, press("qpbOk")), int(QDialog::Accepted));
        QCOMPARE(group.name() + '|' + group.description(), QStringLiteral("FROTA|Grupo da frota"));
        QCOMPARE(runModal(group, press("qpbCancel")), int(QDialog::Rejected));
        QCOMPARE(newGroup.count(), 0);
    }

    void descriptionDialog_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button"); // empty: Return pressed
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("emitted");
        const auto row = [](const char* tag, const char* typed, const char* button, int result,
                            const QStringList& emitted) {
            QTest::newRow(tag) << QString(typed) << QString(button) << result << emitted;
        };
        const int accepted = QDialog::Accepted;
        row("new text", "Nova descricao", "pushButton", accepted, {"Nova descricao"});
        row("unchanged", "", "pushButton", accepted, {"Descrição antiga"});
        row("Return", "", "", accepted, {"Descrição antiga"});
        row("cancel", "Outra", "pushButton_2", QDialog::Rejected, {});
    }

    // The description comes up selected, so that typing replaces it.
    void descriptionDialog()
    {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(int, result);
        QFETCH(QStringList, emitted);

        dlgGroupDesc dialog(QStringLiteral("Descrição antiga"));
        QStringList received;
        connect(&dialog, &dlgGroupDesc::newDescription, this,
                [&received](const QString& text) { received.append(text); });
        QString selected;
        const int answer = runModal(dialog, [&](QWidget* d) {
            auto* edit = child<QLineEdit>(d, "edtDescription");
            selected = edit->selectedText();
            QTest::keyClicks(edit, typed);
            if (button.isEmpty())
                QTest::keyClick(edit, Qt::Key_Return);
            else
                QTest::mouseClick(child<QPushButton>(d, qPrintable(button)), Qt::LeftButton);
        });
        QCOMPARE(selected, QStringLiteral("Descrição antiga"));
        QCOMPARE(answer, result);
        QCOMPARE(received, emitted);
    }

    void aboutShowsVersion()
    {
        dlgAbout about;
        QCOMPARE(child<QLabel>(&about, "lblInfo")->text(),
                 QStringLiteral("Zor - Quorvane\nVersão: 4.2.3 "));
    }

    // No help button; the description dialog can't be resized.
    void windowFrames()
    {
        for (const char* name : DialogNames) {
            const std::unique_ptr<QDialog> window = makeDialog(QLatin1String(name));
            QVERIFY2(!(window->windowFlags() & Qt::WindowContextHelpButtonHint), name);
        }
        dlgGroupDesc description{QString()};
        QCOMPARE(description.minimumSize(), description.size());
        QCOMPARE(description.maximumSize(), description.size());
    }

    // Runs last: the log session stays on for the rest of the process.
    void constructionIsLogged()
    {
        DebugLogger* logger = DebugLogger::instance();
        logger->configure(QStringLiteral("logs"), QStringLiteral("debug.log"));
        QVERIFY(logger->startSession());
        QStringList lines;
        logger->setLineSink([&lines](const QString& line) { lines << line.section(" - ", 1); });
        for (const char* name : DialogNames)
            makeDialog(QLatin1String(name));
        logger->setLineSink(nullptr);
        QCOMPARE(lines, (QStringList{"dlgGroup - Constructor", "dlgGroupDesc - Constructor",
                                     "dlgAbout - Constructor", "dlgNovaMacro - Constructor"}));
    }
};

QTEST_MAIN(TestSmallDialogs)
#include "tst_smalldialogs.moc"
