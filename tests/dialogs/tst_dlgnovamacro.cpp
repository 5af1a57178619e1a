#include "dialogs/dlgnovamacro.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace ZorTest;

namespace {

const char* const Fields[] = {"edtNumber", "edtName", "edtShortcut", "edtSigla"};

QLineEdit* edit(const QWidget* dialog, const char* name)
{
    return dialog->findChild<QLineEdit*>(QLatin1String(name));
}

// Number, name, shortcut and acronym, and the type's row in the list.
void fill(const QWidget* dialog, const QStringList& texts, int type)
{
    for (int i = 0; i < 4; ++i)
        edit(dialog, Fields[i])->setText(texts.value(i));
    dialog->findChild<QComboBox*>()->setCurrentIndex(type);
}

void click(const QWidget* dialog, const char* name)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
}

// Types text key by key; an accented letter is sent as a keyboard sends it,
// with its text.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        const ushort upper = c.toUpper().unicode();
        const auto key = upper <= 0xff ? Qt::Key(upper) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
}

} // namespace

class TestDlgNovaMacro : public QObject
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

    void refused_data()
    {
        // Number, name, shortcut and acronym, then the window's report if it
        // answers rather than OK.
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("corrected"); // name and acronym
        QTest::addColumn<QString>("focus");

        const auto row = [](const char* tag, const QStringList& typed, int type,
                            const QString& message, const QStringList& corrected,
                            const char* focus) {
            QTest::newRow(tag) << typed << type << message << corrected << focus;
        };
        const QString number = QStringLiteral("O campo \"Número\" da macro deve ser preenchido!");
        const QString name = QStringLiteral("O campo \"Nome\"' da macro deve ser preenchido!");
        const QString sigla = QStringLiteral("O campo \"Sigla\" da macro deve ser preenchido!");
        const QString nameAccents = QStringLiteral("O nome da macro não pode conter acentos!");
        const QString shortcut =
            QStringLiteral("\nO campo 'Atalho' deve ser maior que zero e menor que 249.");
        const QStringList partida{"PARTIDA", "PT"};
        row("number", {"", "PARTIDA", "", "PT"}, 1, number, partida, "edtNumber");
        row("number first", {"", "", "", ""}, 0, number, {"", ""}, "edtNumber");
        row("name", {"10", "", "", "PT"}, 1, name, {"", "PT"}, "edtName");
        row("name before acronym", {"10", "", "", ""}, 0, name, {"", ""}, "edtName");
        row("acronym", {"10", "PARTIDA", "", ""}, 1, sigla, {"PARTIDA", ""}, "edtSigla");
        row("acronym before type", {"10", "PARTIDA", "", ""}, 0, sigla, {"PARTIDA", ""},
            "edtSigla");
        row("type", {"10", "PARTIDA", "", "PT"}, 0, "Deve ser definido o tipo da macro!", partida,
            "cbxType");
        row("empty number, accented name", {"", "Café", "", "CF"}, 1, nameAccents, {"CAFE", "CF"},
            "edtNumber");
        row("missing type, accented name", {"10", "Ação", "", "AC"}, 0, nameAccents, {"ACAO", "AC"},
            "edtName");
        row("accented acronym after accented name", {"10", "Início", "", "Pé"}, 1,
            "A sigla não pode conter acentos!", {"INICIO", "PE"}, "edtSigla");
        row("comma and exclamation mark", {"10", "Pare, já!", "", "PJ"}, 3, nameAccents,
            {"PARE JA", "PJ"}, "edtName");
        row("other refused characters", {"10", "Km: 5 * 2 = 10", "", "KM"}, 3, nameAccents,
            {"KM 5  2  10", "KM"}, "edtName");
        row("shortcut after accents", {"10", "Ré", "300", "ré"}, 1, shortcut, {"RE", "RE"},
            "edtShortcut");
        row("empty acronym, shortcut out of range", {"10", "Ok", "999", ""}, 1, shortcut,
            {"OK", ""}, "edtSigla");
        for (const char* wrong : {"250", "-1", "x"})
            row(wrong, {"10", "PARTIDA", wrong, "PT"}, 1, shortcut, partida, "edtShortcut");
        row("number exists", {"10", "PARTIDA", "5", "PT", "reportNumberExists"}, 1,
            "O número da macro já existe.", partida, "edtNumber");
        row("shortcut exists", {"10", "PARTIDA", "5", "PT", "reportShortcutExists"}, 1,
            "O atalho da macro já existe.", partida, "edtShortcut");
        row("acronym exists", {"10", "PARTIDA", "5", "PT", "reportSiglaExists"}, 1,
            "A sigla da macro já existe.", partida, "edtSigla");
    }

    // The first missing entry is reported; each failing check of the texts
    // replaces the message of an earlier one. The corrections stay in the
    // fields; the focus goes to a missing entry, else to the last failing
    // check's field. Text put into the shortcut by code bypasses its
    // validator: OK still refuses it. The window's reports of a duplicate
    // leave the dialog open for the correction.
    void refused()
    {
        QFETCH(QStringList, typed);
        QFETCH(int, type);
        QFETCH(QString, message);
        QFETCH(QStringList, corrected);
        QFETCH(QString, focus);

        dlgNovaMacro dialog;
        dialog.show();
        fill(&dialog, typed, type);
        dialog.findChild<QComboBox*>()->setFocus();
        QSignalSpy check(&dialog, &dlgNovaMacro::check);
        SeenBox seen;
        answerBox(QStringLiteral("OK"), &seen);
        if (typed.size() > 4)
            QVERIFY(QMetaObject::invokeMethod(&dialog, qPrintable(typed.at(4))));
        else
            click(&dialog, "btnInsert");
        QCOMPARE(seen.text, message);
        QCOMPARE(seen.title, QStringLiteral("Erro!"));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(edit(&dialog, "edtName")->text(), corrected.at(0));
        QCOMPARE(edit(&dialog, "edtSigla")->text(), corrected.at(1));
        QCOMPARE(dialog.focusWidget()->objectName(), focus);
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
            {"edtSigla", "ab1", "AB1"},   {"edtShortcut", "249", "249"},
            {"edtShortcut", "250", "25"}, {"edtShortcut", "0", "0"},
            {"edtShortcut", "1,0", "10"}, {"edtShortcut", "a1b", "1"},
            {"edtNumber", "999", "999"},  {"edtNumber", "-7", "7"},
            {"edtNumber", "1234", "123"}};
        for (const auto& row : typing) {
            QLineEdit* field = edit(&dialog, row[0]);
            field->clear();
            QTest::keyClicks(field, QLatin1String(row[1]));
            QCOMPARE(field->text(), QLatin1String(row[2]));
        }
        QLineEdit* name = edit(&dialog, "edtName");
        typeText(name, QStringLiteral("ação"));
        QCOMPARE(name->text(), QStringLiteral("AÇÃO"));
        name->setCursorPosition(1);
        QTest::keyClicks(name, QStringLiteral("x"));
        QCOMPARE(name->text(), QStringLiteral("AXÇÃO"));
        QCOMPARE(name->cursorPosition(), 2);
    }

    // The box corrects the fields; pressed again, OK goes on.
    void accentedNamePassesOnSecondPress()
    {
        dlgNovaMacro dialog;
        dialog.show();
        fill(&dialog, {"7", "", "", ""}, 2);
        typeText(edit(&dialog, "edtName"), QStringLiteral("ação"));
        typeText(edit(&dialog, "edtSigla"), QStringLiteral("aç"));
        QSignalSpy check(&dialog, &dlgNovaMacro::check);
        answerBox(QStringLiteral("OK"));
        click(&dialog, "btnInsert");
        QCOMPARE(check.count(), 0);
        UnexpectedBoxes unexpected;
        click(&dialog, "btnInsert");
        QCOMPARE(unexpected.texts, QStringList());
        QCOMPARE(check.count(), 1);
        QCOMPARE(dialog.name() + dialog.sigla(), QStringLiteral("ACAOAC"));
    }

    void checkAndFinish_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<bool>("ok");      // the window's answer to check()
        QTest::addColumn<QString>("name"); // as stored
        const QStringList all{"12", "Parada_1 (km-2/b.)", "7", "P1"};
        QTest::newRow("accepted") << all << "btnInsert" << true << "PARADA_1 (KM-2/B.)";
        QTest::newRow("refused by the window")
            << QStringList{"999", "fim", "249", "FIM"} << "btnInsert" << false << "FIM";
        QTest::newRow("shortcut 0")
            << QStringList{"1", "a", "0", "A"} << "btnInsert" << true << "A";
        QTest::newRow("no shortcut")
            << QStringList{"1", "a", "", "A"} << "btnInsert" << true << "A";
        QTest::newRow("cancelled") << all << "btnCancelar" << true << all.at(1);
    }

    // The window's order: connect check, exec, read the accessors. With clean
    // fields OK asks the window through check(), whose answer ends the dialog.
    void checkAndFinish()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, pressed);
        QFETCH(bool, ok);
        QFETCH(QString, name);

        dlgNovaMacro dialog;
        QCOMPARE(dialog.macroType(), -1);
        QStringList asked;
        connect(&dialog, &dlgNovaMacro::check, &dialog,
                [&](const QString& number, const QString& shortcut, const QString& sigla) {
                    asked << number << shortcut << sigla;
                    dialog.finish(ok);
                });
        QStringList boxes;
        answerNextModal([&](QWidget* modal) {
            fill(modal, typed, 6);
            modal->findChild<QRadioButton*>(QStringLiteral("rbInfo"))->click();
            const UnexpectedBoxes unexpected;
            click(modal, qPrintable(pressed));
            boxes = unexpected.texts;
        });
        const bool inserted = pressed == QLatin1String("btnInsert");
        QCOMPARE(dialog.exec(), inserted && ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(boxes, QStringList());
        QCOMPARE(asked, (inserted ? QStringList{typed[0], typed[2], typed[3]} : QStringList()));
        const QStringList stored{dialog.number(), dialog.name(), dialog.shortcut(), dialog.sigla()};
        QCOMPARE(stored, (QStringList{typed[0], name, typed[2], typed[3]}));
        QCOMPARE(dialog.macroType(), 5);
        QVERIFY(dialog.isInfo());
    }
};

QTEST_MAIN(TestDlgNovaMacro)
#include "tst_dlgnovamacro.moc"
