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
    void requiredFields_data();
    void requiredFields();
    void lastMessageWins_data();
    void lastMessageWins();
    void upperCaseWhileTyping();
    void accentedNamePassesOnSecondPress();
    void shortcutTyping_data();
    void shortcutTyping();
    void numberTyping_data();
    void numberTyping();
    void shortcutOutOfRange_data();
    void shortcutOutOfRange();
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

    QCOMPARE(form.number->maxLength(), 3);
    QCOMPARE(form.name->maxLength(), 40);
    QCOMPARE(form.shortcut->maxLength(), 3);
    QCOMPARE(form.sigla->maxLength(), 3);
    QVERIFY(form.shortcut->validator());
    QVERIFY(form.number->validator());
    QVERIFY(!form.sigla->validator());
    QVERIFY(form.sigla->inputMask().isEmpty());

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

void TestDlgNovaMacro::requiredFields_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sigla");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("number") << ""
                            << "PARTIDA"
                            << "PT" << 1 << numberEmpty << "edtNumber";
    QTest::newRow("number before the others") << ""
                                              << ""
                                              << "" << 0 << numberEmpty << "edtNumber";
    QTest::newRow("name") << "10"
                          << ""
                          << "PT" << 1 << nameEmpty << "edtName";
    QTest::newRow("name before sigla") << "10"
                                       << ""
                                       << "" << 0 << nameEmpty << "edtName";
    QTest::newRow("sigla") << "10"
                           << "PARTIDA"
                           << "" << 1 << siglaEmpty << "edtSigla";
    QTest::newRow("sigla before type") << "10"
                                       << "PARTIDA"
                                       << "" << 0 << siglaEmpty << "edtSigla";
    QTest::newRow("type") << "10"
                          << "PARTIDA"
                          << "PT" << 0 << typeMissing << "cbxType";
}

void TestDlgNovaMacro::requiredFields()
{
    QFETCH(QString, number);
    QFETCH(QString, name);
    QFETCH(QString, sigla);
    QFETCH(int, type);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    dlgNovaMacro dialog;
    dialog.show();
    const Form form(&dialog);
    form.fill(number, name, QString(), sigla, type);
    QSignalSpy check(&dialog, &dlgNovaMacro::check);

    SeenBox seen;
    ZorTest::answerBox(QStringLiteral("OK"), &seen);
    QTest::mouseClick(form.insert, Qt::LeftButton);

    QVERIFY(seen.shown);
    QCOMPARE(seen.text, message);
    QCOMPARE(seen.title, QStringLiteral("Erro!"));
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.buttons.size(), 1);
    QCOMPARE(dialog.focusWidget()->objectName(), focus);
    QCOMPARE(check.count(), 0);
    QVERIFY(dialog.isVisible());
    QCOMPARE(form.number->text(), number);
}

// Each failing check replaces the message of an earlier one; the name and
// acronym corrections stay in the fields, and the focus goes to the field of
// a missing entry, else to the field of the last failing check.
void TestDlgNovaMacro::lastMessageWins_data()
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

    QTest::newRow("empty number, accented name") << ""
                                                 << "Café"
                                                 << ""
                                                 << "CF" << 1 << nameAccents << "CAFE"
                                                 << "CF"
                                                 << "edtNumber";
    QTest::newRow("missing type, accented name") << "10"
                                                 << "Ação"
                                                 << ""
                                                 << "AC" << 0 << nameAccents << "ACAO"
                                                 << "AC"
                                                 << "edtName";
    QTest::newRow("accented sigla after accented name") << "10"
                                                        << "Início"
                                                        << ""
                                                        << "Pé" << 1 << siglaAccents << "INICIO"
                                                        << "PE"
                                                        << "edtSigla";
    QTest::newRow("comma and exclamation mark") << "10"
                                                << "Pare, já!"
                                                << ""
                                                << "PJ" << 3 << nameAccents << "PARE JA"
                                                << "PJ"
                                                << "edtName";
    QTest::newRow("other refused characters") << "10"
                                              << "Km: 5 * 2 = 10"
                                              << ""
                                              << "KM" << 3 << nameAccents << "KM 5  2  10"
                                              << "KM"
                                              << "edtName";
    QTest::newRow("shortcut after accents") << "10"
                                            << "Ré"
                                            << "300"
                                            << "ré" << 1 << shortcutRange << "RE"
                                            << "RE"
                                            << "edtShortcut";
    QTest::newRow("empty sigla, out-of-range shortcut") << "10"
                                                        << "Ok"
                                                        << "999"
                                                        << "" << 1 << shortcutRange << "OK"
                                                        << ""
                                                        << "edtSigla";
}

void TestDlgNovaMacro::lastMessageWins()
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
    QCOMPARE(form.name->text(), correctedName);
    QCOMPARE(form.sigla->text(), correctedSigla);
    QCOMPARE(dialog.focusWidget()->objectName(), focus);
    QCOMPARE(check.count(), 0);
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

// The validator lets only digits through, up to 249.
void TestDlgNovaMacro::shortcutTyping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("249") << "249"
                         << "249";
    QTest::newRow("250 stops at 25") << "250"
                                     << "25";
    QTest::newRow("999 stops at 99") << "999"
                                     << "99";
    QTest::newRow("0") << "0"
                       << "0";
    QTest::newRow("sign") << "+5"
                          << "5";
    QTest::newRow("minus") << "-1"
                           << "1";
    QTest::newRow("group separator") << "1,0"
                                     << "10";
    QTest::newRow("letters") << "a1b"
                             << "1";
    QTest::newRow("four digits") << "1234"
                                 << "123";
}

void TestDlgNovaMacro::shortcutTyping()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    dlgNovaMacro dialog;
    dialog.show();
    const Form form(&dialog);
    QTest::keyClicks(form.shortcut, typed);
    QCOMPARE(form.shortcut->text(), shown);
}

// The number is saved as an integer: only digits can be typed.
void TestDlgNovaMacro::numberTyping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("999") << "999"
                         << "999";
    QTest::newRow("letters") << "a1b2"
                             << "12";
    QTest::newRow("sign") << "-7"
                          << "7";
    QTest::newRow("four digits") << "1234"
                                 << "123";
}

void TestDlgNovaMacro::numberTyping()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    dlgNovaMacro dialog;
    dialog.show();
    const Form form(&dialog);
    QTest::keyClicks(form.number, typed);
    QCOMPARE(form.number->text(), shown);
}

void TestDlgNovaMacro::shortcutOutOfRange_data()
{
    QTest::addColumn<QString>("shortcut");
    QTest::newRow("250") << "250";
    QTest::newRow("negative") << "-1";
    QTest::newRow("not a number") << "x";
}

// Text put into the field by code bypasses the validator; OK still refuses it.
void TestDlgNovaMacro::shortcutOutOfRange()
{
    QFETCH(QString, shortcut);

    dlgNovaMacro dialog;
    dialog.show();
    const Form form(&dialog);
    form.fill(QStringLiteral("10"), QStringLiteral("PARTIDA"), shortcut, QStringLiteral("PT"), 1);
    QSignalSpy check(&dialog, &dlgNovaMacro::check);

    SeenBox seen;
    ZorTest::answerBox(QStringLiteral("OK"), &seen);
    QTest::mouseClick(form.insert, Qt::LeftButton);
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, shortcutRange);
    QCOMPARE(dialog.focusWidget(), form.shortcut);
    QCOMPARE(check.count(), 0);
}

void TestDlgNovaMacro::checkSignalArguments_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("sigla");
    QTest::addColumn<QString>("storedName");

    QTest::newRow("all fields") << "12"
                                << "Parada_1 (km-2/b.)"
                                << "7"
                                << "P1"
                                << "PARADA_1 (KM-2/B.)";
    QTest::newRow("shortcut 249") << "999"
                                  << "fim"
                                  << "249"
                                  << "FIM"
                                  << "FIM";
    QTest::newRow("shortcut 0") << "1"
                                << "a"
                                << "0"
                                << "A"
                                << "A";
    QTest::newRow("no shortcut") << "1"
                                 << "a"
                                 << ""
                                 << "A"
                                 << "A";
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
