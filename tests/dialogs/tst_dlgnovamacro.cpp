#include "dialogs/dlgnovamacro.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using ZorTest::SeenBox;
using ZorTest::UnexpectedBoxes;

namespace {

const QString numberEmpty = QStringLiteral("O campo \"Número\" da macro deve ser preenchido!");
const QString nameEmpty = QStringLiteral("O campo \"Nome\"' da macro deve ser preenchido!");
const QString siglaEmpty = QStringLiteral("O campo \"Sigla\" da macro deve ser preenchido!");
const QString typeMissing = QStringLiteral("Deve ser definido o tipo da macro!");
const QString nameAccents = QStringLiteral("O nome da macro não pode conter acentos!");
const QString siglaAccents = QStringLiteral("A sigla não pode conter acentos!");
const QString shortcutRange =
    QStringLiteral("\nO campo 'Atalho' deve ser maior que zero e menor que 249.");

// The widgets of the form, found by the object names the window relies on.
struct Form
{
    explicit Form(QWidget* dialog)
        : number(dialog->findChild<QLineEdit*>(QStringLiteral("edtNumber"))),
          name(dialog->findChild<QLineEdit*>(QStringLiteral("edtName"))),
          shortcut(dialog->findChild<QLineEdit*>(QStringLiteral("edtShortcut"))),
          sigla(dialog->findChild<QLineEdit*>(QStringLiteral("edtSigla"))),
          type(dialog->findChild<QComboBox*>(QStringLiteral("cbxType"))),
          security(dialog->findChild<QRadioButton*>(QStringLiteral("rbSecurity"))),
          info(dialog->findChild<QRadioButton*>(QStringLiteral("rbInfo"))),
          insert(dialog->findChild<QPushButton*>(QStringLiteral("btnInsert"))),
          cancel(dialog->findChild<QPushButton*>(QStringLiteral("btnCancelar")))
    {
    }

    bool complete() const
    {
        return number && name && shortcut && sigla && type && security && info && insert && cancel;
    }

    void fill(const QString& n, const QString& nm, const QString& sc, const QString& sg,
              int typeIndex) const
    {
        number->setText(n);
        name->setText(nm);
        shortcut->setText(sc);
        sigla->setText(sg);
        type->setCurrentIndex(typeIndex);
    }

    QLineEdit* number;
    QLineEdit* name;
    QLineEdit* shortcut;
    QLineEdit* sigla;
    QComboBox* type;
    QRadioButton* security;
    QRadioButton* info;
    QPushButton* insert;
    QPushButton* cancel;
};

// Types the text key by key. QTest::keyClicks handles ASCII only; accented
// letters are sent as key events carrying their text, as a keyboard does.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        const ushort upper = c.toUpper().unicode();
        const auto key = upper <= 0xff ? Qt::Key(upper) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
}

void addRefusedRow(const char* tag, const QString& number, const QString& name,
                   const QString& shortcut, const QString& sigla, int type, const QString& message,
                   const QString& correctedName, const QString& correctedSigla, const char* focus)
{
    QTest::newRow(tag) << number << name << shortcut << sigla << type << message << correctedName
                       << correctedSigla << QString::fromLatin1(focus);
}

void addTypingRow(const char* field, const char* typed, const char* shown)
{
    QTest::addRow("%s %s", field, typed)
        << QString::fromLatin1(field) << QString::fromLatin1(typed) << QString::fromLatin1(shown);
}

void addCheckRow(const char* tag, const char* number, const char* name, const char* shortcut,
                 const char* sigla, const char* storedName)
{
    QTest::newRow(tag) << QString::fromLatin1(number) << QString::fromLatin1(name)
                       << QString::fromLatin1(shortcut) << QString::fromLatin1(sigla)
                       << QString::fromLatin1(storedName);
}

} // namespace

class TestDlgNovaMacro : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void groupGeometry_data();
    void groupGeometry();
    void formProperties();
    void tabOrderAndInitialFocus();
    void refusedEntries_data();
    void refusedEntries();
    void upperCaseWhileTyping();
    void accentedNamePassesOnSecondPress();
    void digitTyping_data();
    void digitTyping();
    void checkSignalArguments_data();
    void checkSignalArguments();
    void finishEndsTheDialog_data();
    void finishEndsTheDialog();
    void cancelRejects();
    void reports_data();
    void reports();

private:
    std::unique_ptr<ZorTest::TestEnvironment> env;
};

void TestDlgNovaMacro::initTestCase()
{
    env = std::make_unique<ZorTest::TestEnvironment>();
    QVERIFY(env->isValid());
}

void TestDlgNovaMacro::groupGeometry_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<bool>("inGroup");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("number") << "edtNumber" << true << QRect(10, 10, 56, 56);
    QTest::newRow("name") << "edtName" << true << QRect(80, 10, 291, 56);
    QTest::newRow("shortcut") << "edtShortcut" << true << QRect(390, 10, 60, 56);
    QTest::newRow("acronym") << "edtSigla" << true << QRect(10, 70, 111, 56);
    QTest::newRow("type") << "cbxType" << true << QRect(130, 70, 181, 56);
    QTest::newRow("security") << "rbSecurity" << false << QRect(330, 80, 131, 19);
    QTest::newRow("information") << "rbInfo" << false << QRect(330, 110, 131, 19);
    QTest::newRow("buttons") << "btnInsert" << true << QRect(130, 140, 175, 30);
}

void TestDlgNovaMacro::groupGeometry()
{
    QFETCH(QString, object);
    QFETCH(bool, inGroup);
    QFETCH(QRect, geometry);

    dlgNovaMacro dialog;
    auto* widget = dialog.findChild<QWidget*>(object);
    QVERIFY(widget);
    QWidget* placed = inGroup ? widget->parentWidget() : widget;
    QCOMPARE(placed->parentWidget(), &dialog);
    QCOMPARE(placed->geometry(), geometry);
}

void TestDlgNovaMacro::formProperties()
{
    dlgNovaMacro dialog;
    const Form form(&dialog);
    QVERIFY(form.complete());

    QCOMPARE(form.name->maxLength(), 40);
    QCOMPARE(form.sigla->maxLength(), 3);

    QStringList types;
    for (int i = 0; i < form.type->count(); ++i)
        types.append(form.type->itemText(i));
    QCOMPARE(types,
             (QStringList{QString(), QStringLiteral("Início de viagem"), QStringLiteral("Parada"),
                          QStringLiteral("Operação"), QStringLiteral("Solicitação"),
                          QStringLiteral("Reinício de viagem"), QStringLiteral("Fim de viagem"),
                          QStringLiteral("Especiais")}));
    QCOMPARE(form.type->currentIndex(), 0);
    QCOMPARE(dialog.macroType(), -1);

    QVERIFY(form.security->isChecked());
    QVERIFY(!dialog.isInfo());
    form.info->click();
    QVERIFY(!form.security->isChecked());
    QVERIFY(dialog.isInfo());

    QCOMPARE(form.insert->text(), QStringLiteral("&Incluir"));
    QCOMPARE(form.cancel->text(), QStringLiteral("&Cancelar"));
    QVERIFY2(!form.insert->icon().isNull(), "the icons resource is not registered");
    QVERIFY(!form.cancel->icon().isNull());
}

void TestDlgNovaMacro::tabOrderAndInitialFocus()
{
    dlgNovaMacro dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const Form form(&dialog);
    QCOMPARE(dialog.focusWidget(), form.number);

    const QList<QWidget*> expected{form.number,   form.name, form.shortcut, form.sigla, form.type,
                                   form.security, form.info, form.insert,   form.cancel};
    QList<QWidget*> order;
    QWidget* widget = form.number;
    do {
        if (expected.contains(widget))
            order.append(widget);
        widget = widget->nextInFocusChain();
    } while (widget != form.number && order.size() < expected.size());
    QCOMPARE(order, expected);
}

// The first missing entry is reported; each failing check on the texts
// replaces the message of an earlier one. The name and acronym corrections
// stay in the fields, and the focus goes to the field of a missing entry, else
// to the field of the last failing check. Text put into the shortcut by code
// bypasses the validator; OK still refuses it.
void TestDlgNovaMacro::refusedEntries_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("sigla");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("correctedName");
    QTest::addColumn<QString>("correctedSigla");
    QTest::addColumn<QString>("focus");

    addRefusedRow("number", "", "PARTIDA", "", "PT", 1, numberEmpty, "PARTIDA", "PT", "edtNumber");
    addRefusedRow("number before the others", "", "", "", "", 0, numberEmpty, "", "", "edtNumber");
    addRefusedRow("name", "10", "", "", "PT", 1, nameEmpty, "", "PT", "edtName");
    addRefusedRow("name before sigla", "10", "", "", "", 0, nameEmpty, "", "", "edtName");
    addRefusedRow("sigla", "10", "PARTIDA", "", "", 1, siglaEmpty, "PARTIDA", "", "edtSigla");
    addRefusedRow("sigla before type", "10", "PARTIDA", "", "", 0, siglaEmpty, "PARTIDA", "",
                  "edtSigla");
    addRefusedRow("type", "10", "PARTIDA", "", "PT", 0, typeMissing, "PARTIDA", "PT", "cbxType");
    addRefusedRow("empty number, accented name", "", "Café", "", "CF", 1, nameAccents, "CAFE", "CF",
                  "edtNumber");
    addRefusedRow("missing type, accented name", "10", "Ação", "", "AC", 0, nameAccents, "ACAO",
                  "AC", "edtName");
    addRefusedRow("accented sigla after accented name", "10", "Início", "", "Pé", 1, siglaAccents,
                  "INICIO", "PE", "edtSigla");
    addRefusedRow("comma and exclamation mark", "10", "Pare, já!", "", "PJ", 3, nameAccents,
                  "PARE JA", "PJ", "edtName");
    addRefusedRow("other refused characters", "10", "Km: 5 * 2 = 10", "", "KM", 3, nameAccents,
                  "KM 5  2  10", "KM", "edtName");
    addRefusedRow("shortcut after accents", "10", "Ré", "300", "ré", 1, shortcutRange, "RE", "RE",
                  "edtShortcut");
    addRefusedRow("empty sigla, out-of-range shortcut", "10", "Ok", "999", "", 1, shortcutRange,
                  "OK", "", "edtSigla");
    for (const char* shortcut : {"250", "-1", "x"}) {
        addRefusedRow(shortcut, "10", "PARTIDA", shortcut, "PT", 1, shortcutRange, "PARTIDA", "PT",
                      "edtShortcut");
    }
}

void TestDlgNovaMacro::refusedEntries()
{
    QFETCH(QString, number);
    QFETCH(QString, name);
    QFETCH(QString, shortcut);
    QFETCH(QString, sigla);
    QFETCH(int, type);
    QFETCH(QString, message);
    QFETCH(QString, correctedName);
    QFETCH(QString, correctedSigla);
    QFETCH(QString, focus);

    dlgNovaMacro dialog;
    dialog.show();
    const Form form(&dialog);
    form.fill(number, name, shortcut, sigla, type);
    QSignalSpy check(&dialog, &dlgNovaMacro::check);

    SeenBox seen;
    ZorTest::answerBox(QStringLiteral("OK"), &seen);
    QTest::mouseClick(form.insert, Qt::LeftButton);

    QVERIFY(seen.shown);
    QCOMPARE(seen.text, message);
    QCOMPARE(seen.title, QStringLiteral("Erro!"));
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.buttons.size(), 1);
    QCOMPARE(form.name->text(), correctedName);
    QCOMPARE(form.sigla->text(), correctedSigla);
    QCOMPARE(dialog.focusWidget()->objectName(), focus);
    QCOMPARE(check.count(), 0);
    QVERIFY(dialog.isVisible());
    QCOMPARE(form.number->text(), number);
}

void TestDlgNovaMacro::upperCaseWhileTyping()
{
    dlgNovaMacro dialog;
    dialog.show();
    const Form form(&dialog);

    typeText(form.name, QStringLiteral("ação"));
    QCOMPARE(form.name->text(), QStringLiteral("AÇÃO"));
    QTest::keyClicks(form.sigla, QStringLiteral("ab1"));
    QCOMPARE(form.sigla->text(), QStringLiteral("AB1"));

    // Typing inside the text keeps the cursor where the user is typing.
    form.name->setCursorPosition(1);
    QTest::keyClicks(form.name, QStringLiteral("x"));
    QCOMPARE(form.name->text(), QStringLiteral("AXÇÃO"));
    QCOMPARE(form.name->cursorPosition(), 2);

    // The shortcut and the number are not touched.
    QTest::keyClicks(form.number, QStringLiteral("12"));
    QCOMPARE(form.number->text(), QStringLiteral("12"));
}

void TestDlgNovaMacro::accentedNamePassesOnSecondPress()
{
    dlgNovaMacro dialog;
    dialog.show();
    const Form form(&dialog);
    QTest::keyClicks(form.number, QStringLiteral("7"));
    typeText(form.name, QStringLiteral("ação"));
    typeText(form.sigla, QStringLiteral("aç"));
    form.type->setCurrentIndex(2);
    QSignalSpy check(&dialog, &dlgNovaMacro::check);

    SeenBox seen;
    ZorTest::answerBox(QStringLiteral("OK"), &seen);
    QTest::mouseClick(form.insert, Qt::LeftButton);
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, siglaAccents);
    QCOMPARE(form.name->text(), QStringLiteral("ACAO"));
    QCOMPARE(form.sigla->text(), QStringLiteral("AC"));
    QCOMPARE(check.count(), 0);

    UnexpectedBoxes unexpected;
    QTest::mouseClick(form.insert, Qt::LeftButton);
    QCOMPARE(unexpected.texts, QStringList());
    QCOMPARE(check.count(), 1);
    QCOMPARE(dialog.name(), QStringLiteral("ACAO"));
}

// Only digits can be typed; the shortcut stops at 249.
void TestDlgNovaMacro::digitTyping_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    addTypingRow("edtShortcut", "249", "249");
    addTypingRow("edtShortcut", "250", "25");
    addTypingRow("edtShortcut", "999", "99");
    addTypingRow("edtShortcut", "0", "0");
    addTypingRow("edtShortcut", "+5", "5");
    addTypingRow("edtShortcut", "-1", "1");
    addTypingRow("edtShortcut", "1,0", "10");
    addTypingRow("edtShortcut", "a1b", "1");
    addTypingRow("edtShortcut", "1234", "123");
    addTypingRow("edtNumber", "999", "999");
    addTypingRow("edtNumber", "a1b2", "12");
    addTypingRow("edtNumber", "-7", "7");
    addTypingRow("edtNumber", "1234", "123");
}

void TestDlgNovaMacro::digitTyping()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    dlgNovaMacro dialog;
    dialog.show();
    auto* edit = dialog.findChild<QLineEdit*>(field);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
}

void TestDlgNovaMacro::checkSignalArguments_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("sigla");
    QTest::addColumn<QString>("storedName");

    addCheckRow("all fields", "12", "Parada_1 (km-2/b.)", "7", "P1", "PARADA_1 (KM-2/B.)");
    addCheckRow("shortcut 249", "999", "fim", "249", "FIM", "FIM");
    addCheckRow("shortcut 0", "1", "a", "0", "A", "A");
    addCheckRow("no shortcut", "1", "a", "", "A", "A");
}

// With clean fields OK asks the window through check(), and stays open.
void TestDlgNovaMacro::checkSignalArguments()
{
    QFETCH(QString, number);
    QFETCH(QString, name);
    QFETCH(QString, shortcut);
    QFETCH(QString, sigla);
    QFETCH(QString, storedName);

    dlgNovaMacro dialog;
    dialog.show();
    const Form form(&dialog);
    form.fill(number, name, shortcut, sigla, 4);
    QSignalSpy check(&dialog, &dlgNovaMacro::check);

    UnexpectedBoxes unexpected;
    QTest::mouseClick(form.insert, Qt::LeftButton);
    QCOMPARE(unexpected.texts, QStringList());
    QCOMPARE(check.count(), 1);
    QCOMPARE(check.at(0), (QVariantList{number, shortcut, sigla}));
    QCOMPARE(dialog.name(), storedName);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
}

void TestDlgNovaMacro::finishEndsTheDialog_data()
{
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("result");
    QTest::newRow("true accepts") << true << int(QDialog::Accepted);
    QTest::newRow("false rejects") << false << int(QDialog::Rejected);
}

// The calling order of the window: connect check, exec, read the accessors.
void TestDlgNovaMacro::finishEndsTheDialog()
{
    QFETCH(bool, ok);
    QFETCH(int, result);

    dlgNovaMacro dialog;
    QStringList asked;
    connect(&dialog, &dlgNovaMacro::check, &dialog,
            [&](const QString& number, const QString& shortcut, const QString& sigla) {
                asked << number << shortcut << sigla;
                dialog.finish(ok);
            });
    ZorTest::answerNextModal([](QWidget* modal) {
        const Form form(modal);
        QTest::keyClicks(form.number, QStringLiteral("42"));
        QTest::keyClicks(form.name, QStringLiteral("fim de viagem"));
        QTest::keyClicks(form.shortcut, QStringLiteral("15"));
        QTest::keyClicks(form.sigla, QStringLiteral("fv"));
        form.type->setCurrentIndex(6);
        form.info->click();
        QTest::mouseClick(form.insert, Qt::LeftButton);
    });

    QCOMPARE(dialog.exec(), result);
    QCOMPARE(asked,
             (QStringList{QStringLiteral("42"), QStringLiteral("15"), QStringLiteral("FV")}));
    QCOMPARE(dialog.number(), QStringLiteral("42"));
    QCOMPARE(dialog.name(), QStringLiteral("FIM DE VIAGEM"));
    QCOMPARE(dialog.shortcut(), QStringLiteral("15"));
    QCOMPARE(dialog.sigla(), QStringLiteral("FV"));
    QCOMPARE(dialog.macroType(), 5);
    QVERIFY(dialog.isInfo());
}

void TestDlgNovaMacro::cancelRejects()
{
    dlgNovaMacro dialog;
    QSignalSpy check(&dialog, &dlgNovaMacro::check);
    ZorTest::answerNextModal([](QWidget* modal) {
        const Form form(modal);
        form.fill(QStringLiteral("1"), QStringLiteral("A"), QString(), QStringLiteral("A"), 1);
        QTest::mouseClick(form.cancel, Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(check.count(), 0);
}

void TestDlgNovaMacro::reports_data()
{
    QTest::addColumn<QByteArray>("operation");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("number") << QByteArray("reportNumberExists")
                            << QStringLiteral("O número da macro já existe.") << "edtNumber";
    QTest::newRow("shortcut") << QByteArray("reportShortcutExists")
                              << QStringLiteral("O atalho da macro já existe.") << "edtShortcut";
    QTest::newRow("sigla") << QByteArray("reportSiglaExists")
                           << QStringLiteral("A sigla da macro já existe.") << "edtSigla";
}

// The window's answer to a duplicate: focus on the field, an error box, and
// the dialog stays open for the correction.
void TestDlgNovaMacro::reports()
{
    QFETCH(QByteArray, operation);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    dlgNovaMacro dialog;
    dialog.show();
    const Form form(&dialog);
    form.fill(QStringLiteral("10"), QStringLiteral("PARTIDA"), QStringLiteral("5"),
              QStringLiteral("PT"), 1);
    form.type->setFocus();

    SeenBox seen;
    ZorTest::answerBox(QStringLiteral("OK"), &seen);
    QVERIFY(QMetaObject::invokeMethod(&dialog, operation.constData()));
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, message);
    QCOMPARE(seen.title, QStringLiteral("Erro!"));
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.buttons.size(), 1);
    QCOMPARE(dialog.focusWidget()->objectName(), focus);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    QCOMPARE(form.number->text(), QStringLiteral("10"));
}

QTEST_MAIN(TestDlgNovaMacro)
#include "tst_dlgnovamacro.moc"
