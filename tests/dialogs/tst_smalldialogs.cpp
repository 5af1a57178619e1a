#include "app/debuglogger.h"
#include "dialogs/dlgabout.h"
#include "dialogs/dlggroup.h"
#include "dialogs/dlggroupdesc.h"
#include "dialogs/dlgnovamacro.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace ZorTest;

namespace {

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

QLineEdit* edit(const QWidget* dialog, const char* name)
{
    return child<QLineEdit>(dialog, name);
}

// Number, name, shortcut and acronym, and the type's row in the list.
void fill(const QWidget* dialog, const QStringList& texts, int type)
{
    const char* const fields[] = {"edtNumber", "edtName", "edtShortcut", "edtSigla"};
    for (int i = 0; i < 4; ++i)
        edit(dialog, fields[i])->setText(texts.value(i));
    dialog->findChild<QComboBox*>()->setCurrentIndex(type);
}

} // namespace

// The group, description, about and new-macro dialogs.
class TestSmallDialogs : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestEnvironment> env;

private slots:
    void initTestCase()
    {
        env = std::make_unique<TestEnvironment>();
        QVERIFY(env->isValid());
    }

    void cleanup() { closeAllModals(); }

    void descriptionLimit_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("kept");

        const QString x279(279, QLatin1Char('x'));
        for (const char* dialog : {"dlgGroup", "dlgGroupDesc"}) {
            const auto row = [dialog](const char* tag, const QString& input, const QString& kept) {
                QTest::addRow("%s %s", dialog, tag) << dialog << input << kept;
            };
            row("280", x279 + 'y', x279 + 'y');
            row("281", x279 + "yz", x279 + 'y');
            row("line breaks count", x279 + "\nz", x279 + '\n');
            // A character outside the basic plane is two code units, never halved.
            row("surrogate pair at the cut", x279 + QString::fromUtf8("\xF0\x9F\x9A\x9A"), x279);
        }
    }

    // Both descriptions keep their first 280 characters. Typing and pasting
    // reach the same handler of the changed text as setting it does.
    void descriptionLimit()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, input);

        const std::unique_ptr<QDialog> window = makeDialog(dialog);
        if (auto* group = qobject_cast<dlgGroup*>(window.get())) {
            group->setDescription(input);
            QTEST(group->description(), "kept");
        } else {
            edit(window.get(), "edtDescription")->setText(input);
            QTEST(edit(window.get(), "edtDescription")->text(), "kept");
        }
    }

    // The description comes up selected, so that typing replaces it. (The
    // window's tests change it and press the buttons.)
    void descriptionComesUpSelected()
    {
        dlgGroupDesc dialog(QStringLiteral("Descrição antiga"));
        dialog.show();
        QTest::keyClicks(edit(&dialog, "edtDescription"), QStringLiteral("Nova"));
        QCOMPARE(edit(&dialog, "edtDescription")->text(), QStringLiteral("Nova"));
    }

    void aboutShowsVersion()
    {
        dlgAbout about;
        QCOMPARE(child<QLabel>(&about, "lblInfo")->text(),
                 QStringLiteral("Zor - Quorvane\nVersão: 4.2.3 "));
    }

    void refused_data()
    {
        // Number, name, shortcut and acronym, then the window's report if it
        // answers rather than OK.
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("corrected"); // name and acronym; empty: as typed

        const auto row = [](const char* tag, const QString& typed, int type, const QString& message,
                            const char* focus, const char* corrected = "") {
            QTest::newRow(tag) << typed << type << message << focus << corrected;
        };
        const QString number = QStringLiteral("O campo \"Número\" da macro deve ser preenchido!");
        const QString name = QStringLiteral("O campo \"Nome\"' da macro deve ser preenchido!");
        const QString sigla = QStringLiteral("O campo \"Sigla\" da macro deve ser preenchido!");
        const QString accents = QStringLiteral("O nome da macro não pode conter acentos!");
        const QString shortcut =
            QStringLiteral("\nO campo 'Atalho' deve ser maior que zero e menor que 249.");
        row("number first", "|||", 0, number, "edtNumber");
        row("name before acronym", "10|||", 0, name, "edtName");
        row("acronym before type", "10|PARTIDA||", 0, sigla, "edtSigla");
        row("type", "10|PARTIDA||PT", 0, "Deve ser definido o tipo da macro!", "cbxType");
        row("empty number, accented name", "|Café||CF", 1, accents, "edtNumber", "CAFE|CF");
        row("missing type, accented name", "10|Ação||AC", 0, accents, "edtName", "ACAO|AC");
        row("accented name and acronym", "10|Início||Pé", 1, "A sigla não pode conter acentos!",
            "edtSigla", "INICIO|PE");
        row("shortcut after accents", "10|Ré|300|ré", 1, shortcut, "edtShortcut", "RE|RE");
        row("empty acronym, shortcut out of range", "10|Ok|999|", 1, shortcut, "edtSigla", "OK|");
        for (const char* wrong : {"250", "-1", "x"})
            row(wrong, QString("10|PARTIDA|%1|PT").arg(wrong), 1, shortcut, "edtShortcut");
        const QString report = "10|PARTIDA|5|PT|report";
        row("number exists", report + "NumberExists", 1, "O número da macro já existe.",
            "edtNumber");
        row("shortcut exists", report + "ShortcutExists", 1, "O atalho da macro já existe.",
            "edtShortcut");
        row("acronym exists", report + "SiglaExists", 1, "A sigla da macro já existe.", "edtSigla");
    }

    // The first missing entry is reported; each failing check of the texts
    // replaces the message of an earlier one. The corrections stay in the
    // fields; the focus goes to a missing entry, else to the last failing
    // check's field. Text put into the shortcut by code bypasses its
    // validator: OK still refuses it. The window's reports of a duplicate
    // leave the dialog open for the correction.
    void refused()
    {
        QFETCH(QString, typed);
        QFETCH(int, type);
        QFETCH(QString, corrected);

        const QStringList texts = typed.split('|');
        dlgNovaMacro dialog;
        dialog.show();
        fill(&dialog, texts, type);
        dialog.findChild<QComboBox*>()->setFocus();
        QSignalSpy check(&dialog, &dlgNovaMacro::check);
        SeenBox seen;
        answerBox(QStringLiteral("OK"), &seen);
        if (texts.size() > 4)
            QVERIFY(QMetaObject::invokeMethod(&dialog, qPrintable(texts.at(4))));
        else
            QTest::mouseClick(child<QPushButton>(&dialog, "btnInsert"), Qt::LeftButton);
        QTEST(seen.text, "message");
        QCOMPARE(seen.title, QStringLiteral("Erro!"));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(edit(&dialog, "edtName")->text() + '|' + edit(&dialog, "edtSigla")->text(),
                 corrected.isEmpty() ? texts.at(1) + '|' + texts.at(3) : corrected);
        QTEST(dialog.focusWidget()->objectName(), "focus");
        QCOMPARE(check.count(), 0);
        QVERIFY(dialog.isVisible());
    }

    // Names and acronyms turn upper case as typed, where the cursor is;
    // numbers take digits in their range.
    void typing()
    {
        dlgNovaMacro dialog;
        dialog.show();
        QCOMPARE(dialog.focusWidget(), edit(&dialog, "edtNumber"));
        const char* const typing[][3] = {
            {"edtName", "parada", "PARADA"}, {"edtSigla", "ab1", "AB1"},
            {"edtShortcut", "249", "249"},   {"edtShortcut", "250", "25"},
            {"edtShortcut", "0", "0"},       {"edtShortcut", "1,0", "10"},
            {"edtShortcut", "a1b", "1"},     {"edtNumber", "999", "999"},
            {"edtNumber", "1234", "123"}};
        for (const auto& row : typing) {
            QLineEdit* field = edit(&dialog, row[0]);
            field->clear();
            QTest::keyClicks(field, QLatin1String(row[1]));
            QCOMPARE(field->text(), QLatin1String(row[2]));
        }
        QLineEdit* name = edit(&dialog, "edtName");
        name->setCursorPosition(1);
        QTest::keyClicks(name, QStringLiteral("x"));
        QCOMPARE(name->text(), QStringLiteral("PXARADA"));
        QCOMPARE(name->cursorPosition(), 2);
    }

    void checkAndFinish_data()
    {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<bool>("ok"); // the window's answer to check()
        QTest::newRow("accepted") << "btnInsert" << true;
        QTest::newRow("refused by the window") << "btnInsert" << false;
        QTest::newRow("cancelled") << "btnCancelar" << true;
    }

    // The window's order: connect check, exec, read the accessors (which the
    // window's tests read). With clean fields OK asks the window through
    // check(), whose answer ends the dialog.
    void checkAndFinish()
    {
        QFETCH(QString, pressed);
        QFETCH(bool, ok);

        dlgNovaMacro dialog;
        QStringList asked;
        connect(&dialog, &dlgNovaMacro::check, &dialog,
                [&](const QString& number, const QString& shortcut, const QString& sigla) {
                    asked << number << shortcut << sigla;
                    dialog.finish(ok);
                });
        QStringList boxes;
        answerNextModal([&](QWidget* modal) {
            fill(modal, {"12", "Parada_1 (km-2/b.)", "7", "P1"}, 6);
            const UnexpectedBoxes unexpected;
            QTest::mouseClick(child<QPushButton>(modal, qPrintable(pressed)), Qt::LeftButton);
            boxes = unexpected.texts;
        });
        const bool inserted = pressed == QLatin1String("btnInsert");
        QCOMPARE(dialog.exec(), inserted && ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(boxes, QStringList());
        QCOMPARE(asked, (inserted ? QStringList{"12", "7", "P1"} : QStringList()));
    }

    // Each logs its construction and has no help button; the description
    // dialog can't be resized. Runs last: the log session stays on for the
    // rest of the process.
    void constructionAndFrame()
    {
        DebugLogger* logger = DebugLogger::instance();
        logger->configure(QStringLiteral("logs"), QStringLiteral("debug.log"));
        QVERIFY(logger->startSession());
        for (const char* name : DialogNames) {
            QStringList lines;
            logger->setLineSink([&lines](const QString& line) { lines << line.section(" - ", 1); });
            const std::unique_ptr<QDialog> window = makeDialog(QLatin1String(name));
            logger->setLineSink(nullptr);
            QCOMPARE(lines, QStringList{QLatin1String(name) + " - Constructor"});
            QVERIFY2(!(window->windowFlags() & Qt::WindowContextHelpButtonHint), name);
            if (QLatin1String(name) == QLatin1String("dlgGroupDesc"))
                QCOMPARE(window->minimumSize(), window->maximumSize());
        }
    }
};

QTEST_MAIN(TestSmallDialogs)
#include "tst_smalldialogs.moc"
