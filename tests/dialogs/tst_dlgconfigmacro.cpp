#include "app/sessionlanguage.h"
#include "configmacrofixture.h"
#include "formeditor/editorfixture.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace ZorTest;

namespace {

const QString Legend = QStringLiteral("Caracteres aceitos: 0123456789abcdefghijklmnopqrstuvwxyz"
                                      "ABCDEFGHIJKLMNOPQRSTUVWXYZ,.;:?![] _-/$%");
const QString NotForInfo =
    QStringLiteral("Estas propriedades não se aplicam para macros tipo 'Informação'");

QByteArray readCells(TabledEditor* editor)
{
    QByteArray text(ScreenText::Size, '\0');
    editor->readForm(text.data(), text.size());
    return text;
}

void retype(QLineEdit* field, const QString& keys)
{
    field->clear();
    QTest::keyClicks(field, keys);
}

void addIdentityRow(const char* tag, const char* number, const char* name, const char* shortcut,
                    const char* sigla, bool badTag, const QString& message, const char* focus,
                    const char* shownName, const char* shownSigla)
{
    QTest::newRow(tag) << QString::fromUtf8(number) << QString::fromUtf8(name)
                       << QString::fromUtf8(shortcut) << QString::fromUtf8(sigla) << badTag
                       << message << QString::fromLatin1(focus) << QString::fromUtf8(shownName)
                       << QString::fromUtf8(shownSigla);
}

} // namespace

class TestDlgConfigMacro : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void windowAndIdentityFields();
    void tabsAndTheirWidgets();
    void formCommands_data();
    void formCommands();
    void loadShowsTheMacro();
    void okStoresIdentityAndForm();
    void typeOutsideTheListIsKept();
    void validateIdentity_data();
    void validateIdentity();
    void upperCaseWhileTyping();
    void returnInALineEditDoesNotAccept_data();
    void returnInALineEditDoesNotAccept();
    void rejectLeavesTheMacroUntouched_data();
    void rejectLeavesTheMacroUntouched();
    void kindVisibility();
    void cursorLabels();
    void firstSizeShowsAWholeScreen_data();
    void firstSizeShowsAWholeScreen();
    void sizeIsRemembered();

private:
    std::unique_ptr<TestEnvironment> env;
};

void TestDlgConfigMacro::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
    QVERIFY(env->isValid());
}

void TestDlgConfigMacro::cleanup()
{
    closeAllModals();
    QSettings().remove(QStringLiteral("dlgConfigMacro"));
}

void TestDlgConfigMacro::firstSizeShowsAWholeScreen_data()
{
    QTest::addColumn<QString>("language");
    for (const char* code : {"pt", "en", "es", "fr", "de"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

void TestDlgConfigMacro::firstSizeShowsAWholeScreen()
{
    QFETCH(QString, language);
    const SessionLanguage translation(language);
    QVERIFY(language == QLatin1String("pt") || translation.isTranslated());
    ConfigFixture fixture;
    auto dialog = fixture.shown(fixture.add("10", "AB"));
    auto* tabs = child<QTabWidget>(dialog.get(), "tabWidget");
    QVERIFY2(tabs->tabBar()->sizeHint().width() <= tabs->tabBar()->width(),
             qPrintable(QString("%1 > %2")
                            .arg(tabs->tabBar()->sizeHint().width())
                            .arg(tabs->tabBar()->width())));
    for (const char* name : {"tedForm", "tedConfText"}) {
        auto* grid = child<TabledEditor>(dialog.get(), name);
        tabs->setCurrentWidget(grid->parentWidget());
        QCoreApplication::processEvents();
        QVERIFY2(!grid->horizontalScrollBar()->isVisible(), name);
        QVERIFY2(!grid->verticalScrollBar()->isVisible(), name);
    }
}

void TestDlgConfigMacro::sizeIsRemembered()
{
    ConfigFixture fixture;
    Macro* macro = fixture.add("10", "AB");
    QSize first;
    {
        auto dialog = fixture.shown(macro);
        first = dialog->size();
        dialog->resize(first + QSize(120, 80));
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
    }
    QCOMPARE(fixture.dialog(macro)->size(), first + QSize(120, 80));
}

void TestDlgConfigMacro::windowAndIdentityFields()
{
    ConfigFixture fixture;
    auto dialog = fixture.dialog(fixture.add("10", "AB"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Configurar Macro"));
    QVERIFY(!(dialog->windowFlags() & Qt::WindowContextHelpButtonHint));
    dialog->show();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));

    auto* ok = child<QPushButton>(dialog.get(), "btnInsert");
    auto* cancel = child<QPushButton>(dialog.get(), "btnCancelar");
    QCOMPARE(ok->text(), QStringLiteral("&Ok"));
    QVERIFY(ok->isDefault());
    QVERIFY(!ok->icon().isNull());
    QCOMPARE(cancel->text(), QStringLiteral("&Cancelar"));
    QVERIFY(!cancel->icon().isNull());

    const struct
    {
        const char* label;
        const char* text;
        const char* buddy;
        int maxLength;
    } fields[] = {{"label", "&Número", "edtNumber", 3},
                  {"label_3", "No&me", "edtName", 40},
                  {"label_4", "&Atalho", "edtShortcut", 3},
                  {"label_2", "&Sigla", "edtSigla", 3}};
    for (const auto& field : fields) {
        auto* label = child<QLabel>(dialog.get(), field.label);
        QCOMPARE(label->text(), QString::fromUtf8(field.text));
        QCOMPARE(label->buddy(), edit(dialog.get(), field.buddy));
        QCOMPARE(edit(dialog.get(), field.buddy)->maxLength(), field.maxLength);
        QVERIFY(edit(dialog.get(), field.buddy)->inputMask().isEmpty());
    }
    auto* typeLabel = child<QLabel>(dialog.get(), "label_5");
    auto* type = child<QComboBox>(dialog.get(), "cbxType");
    QCOMPARE(typeLabel->text(), QStringLiteral("&Tipo"));
    QCOMPARE(typeLabel->buddy(), type);
    QStringList types;
    for (int i = 0; i < type->count(); ++i)
        types.append(type->itemText(i));
    QCOMPARE(types, (QStringList{"Início de viagem", "Parada", "Operação", "Solicitação",
                                 "Reinício de viagem", "Fim de viagem", "Especiais"}));
    QCOMPARE(child<QRadioButton>(dialog.get(), "rbSecurity")->text(), QStringLiteral("Se&gurança"));
    QCOMPARE(child<QRadioButton>(dialog.get(), "rbInfo")->text(), QStringLiteral("&Informação"));

    // The mnemonic of a label moves the focus to its field.
    QTest::keyClick(dialog.get(), Qt::Key_M, Qt::AltModifier);
    QCOMPARE(dialog->focusWidget(), edit(dialog.get(), "edtName"));

    // Number 1 to 999 and shortcut 0 to 249, digits only.
    const struct
    {
        const char* field;
        const char* typed;
        const char* shown;
    } typing[] = {{"edtNumber", "999", "999"},  {"edtNumber", "1a2", "12"},
                  {"edtNumber", "-5", "5"},     {"edtShortcut", "249", "249"},
                  {"edtShortcut", "250", "25"}, {"edtShortcut", "+7", "7"}};
    for (const auto& row : typing) {
        QLineEdit* field = edit(dialog.get(), row.field);
        field->clear();
        QTest::keyClicks(field, QString::fromLatin1(row.typed));
        QCOMPARE(field->text(), QString::fromLatin1(row.shown));
    }
}

void TestDlgConfigMacro::tabsAndTheirWidgets()
{
    ConfigFixture fixture;
    auto dialog = fixture.dialog(fixture.add("10", "AB"));
    auto* tabs = child<QTabWidget>(dialog.get(), "tabWidget");
    QStringList names;
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i) {
        names.append(tabs->widget(i)->objectName());
        titles.append(tabs->tabText(i));
    }
    QCOMPARE(names, (QStringList{"tabForm", "tabValidation", "tabAutomation", "tabViolation",
                                 "tabFlow", "tabConfirmation"}));
    QCOMPARE(titles, (QStringList{"&Formulário", "&Validação", "A&utomação", "Vio&lação",
                                  "Flu&xo Operacional ", "T&exto de Confirmação"}));
    QCOMPARE(tabs->currentIndex(), 0);

    QCOMPARE(child<QLabel>(dialog.get(), "lblLegend")->text(), Legend);
    QCOMPARE(child<QLabel>(dialog.get(), "lblTextLegend")->text(), Legend);
    for (const char* name : {"lblInfo", "lblInfo2", "lblInfo3", "lblInfo4"})
        QCOMPARE(child<QLabel>(dialog.get(), name)->text(), NotForInfo);

    // The secure mode is not offered.
    auto* inner = child<QTabWidget>(dialog.get(), "tabAutomationIn");
    QCOMPARE(inner->count(), 1);
    QCOMPARE(inner->widget(0)->objectName(), QStringLiteral("tabActuation"));
    QCOMPARE(inner->tabText(0), QStringLiteral("Atuação"));

    auto* violations = tree(dialog.get(), "treeViolation");
    QVERIFY(!violations->isHeaderHidden());
    QCOMPARE(violations->headerItem()->text(0), QStringLiteral("Item para análise"));
    QCOMPARE(violations->headerItem()->text(1), QStringLiteral("Tempo de análise (m:ss)"));
    QCOMPARE(violations->headerItem()->text(2), QStringLiteral("Raio (m)"));
    for (int column = 0; column < 3; ++column)
        QCOMPARE(violations->header()->sectionResizeMode(column), QHeaderView::Stretch);

    QCOMPARE(child<QGroupBox>(dialog.get(), "groupFlow")->title(),
             QStringLiteral("Configuração de próximas macros permitidas"));
    const char* const labels[] = {"lblF",   "lblF_2", "lblF_3", "lblF_4", "lblF_5",
                                  "lblF_6", "lblF_7", "lblF_8", "lblF_9", "lblF_10"};
    for (int slot = 0; slot < 10; ++slot) {
        const QByteArray name = "edtF" + QByteArray::number(slot);
        QLineEdit* field = edit(dialog.get(), name.constData());
        QCOMPARE(field->maxLength(), 3);
        QVERIFY(field->inputMask().isEmpty());
        QCOMPARE(child<QLabel>(dialog.get(), labels[slot])->text(),
                 QStringLiteral("F%1").arg(slot));
    }
    auto* validate = button(dialog.get(), "btnValidate");
    QCOMPARE(validate->text(), QStringLiteral("Validar"));
    QVERIFY(!validate->icon().isNull());
}

// The ten form commands in their menu, each with its marker: the fixed ones
// are their tag, the others ask for a length starting at the default size.
void TestDlgConfigMacro::formCommands_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("askedSize");
    QTest::addColumn<QByteArray>("marker");

    QTest::newRow("Login") << "Login" << 0 << QByteArray("[LLLLL]");
    QTest::newRow("Senha") << "Senha" << 0 << QByteArray("[SSSSS]");
    QTest::newRow("Data") << "Data" << 0 << QByteArray("[dd/mm/aa]");
    QTest::newRow("Hora") << "Hora" << 0 << QByteArray("[hh:mm]");
    QTest::newRow("Data/Hora") << "Data/Hora" << 0 << QByteArray("[dd/mm/aa][hh:mm]");
    QTest::newRow("Checagem") << "Checagem" << 0 << QByteArray("[e]");
    QTest::newRow("Seleção") << "Seleção" << 0 << QByteArray("[r]");
    QTest::newRow("Texto") << "Texto" << 12 << QByteArray("[cccccccccc]");
    QTest::newRow("Numérico") << "Numérico" << 10 << QByteArray("[nnnnnnnn]");
    QTest::newRow("Decimal") << "Decimal" << 10 << QByteArray("[ffffffff]");
}

void TestDlgConfigMacro::formCommands()
{
    QFETCH(QString, label);
    QFETCH(int, askedSize);
    QFETCH(QByteArray, marker);

    ConfigFixture fixture;
    auto dialog = fixture.shown(fixture.add("10", "AB"));
    auto* form = child<TabledEditor>(dialog.get(), "tedForm");

    QStringList menu;
    const QList<QAction*> actions = form->contextMenu()->actions();
    for (const QAction* action : actions) {
        if (!action->isSeparator())
            menu.append(action->text());
    }
    QCOMPARE(menu,
             (QStringList{"Checagem", "Data", "Data/Hora", "Decimal", "Hora", "Login", "Numérico",
                          "Seleção", "Senha", "Texto", "Obrigatório", "Opcional"}));
    // The confirmation text has no commands.
    QVERIFY(child<TabledEditor>(dialog.get(), "tedConfText")->contextMenu()->isEmpty());

    int offered = 0;
    if (askedSize > 0) {
        answerNextModal([&offered](QWidget* modal) {
            auto* input = qobject_cast<QInputDialog*>(modal);
            if (!input) {
                qobject_cast<QDialog*>(modal)->reject();
                return;
            }
            offered = input->intValue();
            input->accept();
        });
    }
    form->setCurrentCell(4, 2);
    menuAction(*form, label)->trigger();
    QCOMPARE(offered, askedSize);
    QCOMPARE(readCells(form).mid(4 * 40 + 2, marker.size()), marker);
    QCOMPARE(form->fieldOptions().size(), 1);
    QCOMPARE(form->fieldOptions().at(0).len, marker.size());
}

void TestDlgConfigMacro::loadShowsTheMacro()
{
    ConfigFixture fixture;
    Macro* macro = fixture.add("12", "PT", "7", 3);
    macro->setName(QStringLiteral("PARTIDA"));
    QByteArray form = screen({{0, 0, "INICIO"}, {1, 3, "[LLLLL]"}});
    form[799] = '\0'; // an unused cell of a form saved from the grid
    macro->setForm(form);
    macro->setConfirmationText(screen({{19, 30, "CONFIRMA"}}));

    auto dialog = fixture.dialog(macro);
    QCOMPARE(edit(dialog.get(), "edtNumber")->text(), QStringLiteral("12"));
    QCOMPARE(edit(dialog.get(), "edtName")->text(), QStringLiteral("PARTIDA"));
    QCOMPARE(edit(dialog.get(), "edtShortcut")->text(), QStringLiteral("7"));
    QCOMPARE(edit(dialog.get(), "edtSigla")->text(), QStringLiteral("PT"));
    QCOMPARE(child<QComboBox>(dialog.get(), "cbxType")->currentIndex(), 3);
    QVERIFY(child<QRadioButton>(dialog.get(), "rbSecurity")->isChecked());
    QCOMPARE(dialog->number(), QStringLiteral("12"));
    QCOMPARE(dialog->name(), QStringLiteral("PARTIDA"));
    QCOMPARE(dialog->sigla(), QStringLiteral("PT"));
    QCOMPARE(dialog->macroType(), 3);

    auto* formEditor = child<TabledEditor>(dialog.get(), "tedForm");
    QByteArray expected = form;
    expected[799] = ' ';
    QCOMPARE(readCells(formEditor), expected);
    QCOMPARE(formEditor->fieldOptions().size(), 1);
    QCOMPARE(readCells(child<TabledEditor>(dialog.get(), "tedConfText")),
             screen({{19, 30, "CONFIRMA"}}));

    macro->setSecurity(false);
    auto infoDialog = fixture.dialog(macro);
    QVERIFY(child<QRadioButton>(infoDialog.get(), "rbInfo")->isChecked());
}

void TestDlgConfigMacro::okStoresIdentityAndForm()
{
    ConfigFixture fixture;
    fixture.add("11", "XY");
    Macro* macro = fixture.add("10", "AB", "5", 1);
    macro->setSecureSensors({1, 3});
    macro->setSecureActuators({2});

    auto dialog = fixture.shown(macro);
    retype(edit(dialog.get(), "edtNumber"), QStringLiteral("15"));
    retype(edit(dialog.get(), "edtName"), QStringLiteral("entrega (b-2)"));
    retype(edit(dialog.get(), "edtShortcut"), QStringLiteral("249"));
    retype(edit(dialog.get(), "edtSigla"), QStringLiteral("en1"));
    child<QComboBox>(dialog.get(), "cbxType")->setCurrentIndex(6);
    QTest::mouseClick(child<QRadioButton>(dialog.get(), "rbInfo"), Qt::LeftButton);

    auto* form = child<TabledEditor>(dialog.get(), "tedForm");
    form->setFocus();
    form->setCurrentCell(1, 2);
    QTest::keyClicks(form, QStringLiteral("OLA"));
    form->setCurrentCell(2, 5);
    menuAction(*form, QStringLiteral("Data"))->trigger();
    auto* confirmation = child<TabledEditor>(dialog.get(), "tedConfText");
    confirmation->setCurrentCell(0, 0);
    QTest::keyClicks(confirmation, QStringLiteral("OK?"));

    UnexpectedBoxes unexpected;
    QTest::mouseClick(button(dialog.get(), "btnInsert"), Qt::LeftButton);
    QCOMPARE(unexpected.texts, QStringList());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));

    QCOMPARE(macro->num(), QStringLiteral("15"));
    QCOMPARE(macro->name(), QStringLiteral("ENTREGA (B-2)"));
    QCOMPARE(macro->shortcut(), QStringLiteral("249"));
    QCOMPARE(macro->sigla(), QStringLiteral("EN1"));
    QCOMPARE(macro->type(), 6);
    QVERIFY(!macro->isSecurity());
    // The new macro's form was 800 spaces: every cell holds a character.
    QCOMPARE(macro->form(), screen({{1, 2, "OLA"}, {2, 5, "[dd/mm/aa]"}}));
    QByteArray fields(240, '\0');
    fields.replace(0, 6, QByteArray("\x00\x00\x02\x05\x0a\x00", 6));
    QCOMPARE(macro->formFields(), fields);
    QCOMPARE(macro->confirmationText(), screen({{0, 0, "OK?"}}));
    // Not offered by the dialog, kept.
    QCOMPARE(macro->secureSensors(), (QList<quint8>{1, 3}));
    QCOMPARE(macro->secureActuators(), (QList<quint8>{2}));
}

// A damaged file may hold a type the combo does not list.
void TestDlgConfigMacro::typeOutsideTheListIsKept()
{
    ConfigFixture fixture;
    Macro* macro = fixture.add("10", "AB", "0", 9);
    auto dialog = fixture.shown(macro);
    QCOMPARE(child<QComboBox>(dialog.get(), "cbxType")->currentIndex(), -1);
    UnexpectedBoxes unexpected;
    QTest::mouseClick(button(dialog.get(), "btnInsert"), Qt::LeftButton);
    QCOMPARE(unexpected.texts, QStringList());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(macro->type(), 9);
}

void TestDlgConfigMacro::validateIdentity_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("sigla");
    QTest::addColumn<bool>("badTag");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<QString>("shownSigla");

    const QString tagFault = QStringLiteral("Arquivo inválido, necessário ajuste da tag na linha");
    const QString numberExists = QStringLiteral("O número da macro já existe.");
    const QString numberZero = QStringLiteral("O campo 'Numero' deve ser maior que zero.");
    const QString nameAccents = QStringLiteral("\nO nome da macro não pode conter acentos!");
    addIdentityRow("own number, no box", "10", "ENTREGA", "5", "AB", false, QString(), "",
                   "ENTREGA", "AB");
    addIdentityRow("duplicate number", "11", "ENTREGA", "5", "AB", false, numberExists, "edtNumber",
                   "ENTREGA", "AB");
    addIdentityRow("empty number", "", "ENTREGA", "5", "AB", false, numberZero, "edtNumber",
                   "ENTREGA", "AB");
    addIdentityRow("number zero", "0", "ENTREGA", "5", "AB", false, numberZero, "edtNumber",
                   "ENTREGA", "AB");
    addIdentityRow("tag on line 3 and empty sigla", "10", "ENTREGA", "5", "", true,
                   tagFault + "\n3\nO campo 'Sigla' deve ser preenchido.", "edtSigla", "ENTREGA",
                   "");
    addIdentityRow("duplicate number and duplicate sigla", "11", "ENTREGA", "5", "XY", false,
                   numberExists + "\nA sigla da macro já existe.", "edtSigla", "ENTREGA", "XY");
    addIdentityRow("accent replaces the duplicate sigla", "10", "Café", "5", "XY", false,
                   nameAccents, "edtName", "CAFE", "XY");
    addIdentityRow("shortcut replaces the duplicate sigla", "10", "ENTREGA", "300", "XY", false,
                   "\nO campo 'Atalho' deve ser maior que zero e menor que 249.", "edtShortcut",
                   "ENTREGA", "XY");
    addIdentityRow("accented sigla", "10", "entrega", "5", "Pé", false,
                   "\nA sigla não pode conter acentos!", "edtSigla", "ENTREGA", "PE");
    addIdentityRow("refused characters after the tag fault", "10", "Km: 5", "5", "AB", true,
                   nameAccents, "edtName", "KM 5", "AB");
    // As the new-macro dialog refuses it.
    addIdentityRow("empty name", "10", "", "5", "AB", false,
                   "O campo \"Nome\"' da macro deve ser preenchido!", "edtName", "", "AB");
}

// One box gathers the faults; a failed OK writes nothing to the macro.
void TestDlgConfigMacro::validateIdentity()
{
    QFETCH(QString, number);
    QFETCH(QString, name);
    QFETCH(QString, shortcut);
    QFETCH(QString, sigla);
    QFETCH(bool, badTag);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QString, shownName);
    QFETCH(QString, shownSigla);

    ConfigFixture fixture;
    fixture.add("11", "XY");
    Macro* macro = fixture.add("10", "AB", "5");
    if (badTag)
        macro->setForm(screen({{2, 4, "[abc"}}));
    const QStringList before = describe(*macro);

    auto dialog = fixture.shown(macro);
    edit(dialog.get(), "edtNumber")->setText(number);
    edit(dialog.get(), "edtName")->setText(name);
    edit(dialog.get(), "edtShortcut")->setText(shortcut);
    edit(dialog.get(), "edtSigla")->setText(sigla);
    auto* tabs = child<QTabWidget>(dialog.get(), "tabWidget");
    tabs->setCurrentIndex(4);
    button(dialog.get(), "btnCancelar")->setFocus();

    SeenBox seen;
    if (!message.isEmpty())
        answerBox(QStringLiteral("OK"), &seen);
    UnexpectedBoxes unexpected;
    QTest::mouseClick(button(dialog.get(), "btnInsert"), Qt::LeftButton);

    if (message.isEmpty()) {
        QCOMPARE(unexpected.texts, QStringList());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        return;
    }
    QVERIFY(seen.shown);
    QCOMPARE(unexpected.texts, QStringList());
    QCOMPARE(seen.text, message);
    QCOMPARE(seen.title, QStringLiteral("Erro!"));
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.buttons.size(), 1);
    QCOMPARE(dialog->focusWidget()->objectName(), focus);
    QCOMPARE(tabs->currentIndex(), badTag ? 0 : 4);
    QCOMPARE(edit(dialog.get(), "edtName")->text(), shownName);
    QCOMPARE(edit(dialog.get(), "edtSigla")->text(), shownSigla);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->result(), 0);
    QCOMPARE(describe(*macro), before);
}

void TestDlgConfigMacro::upperCaseWhileTyping()
{
    ConfigFixture fixture;
    auto dialog = fixture.shown(fixture.add("10", "AB"));
    QLineEdit* name = edit(dialog.get(), "edtName");
    name->clear();
    QTest::keyClicks(name, QStringLiteral("parada"));
    QCOMPARE(name->text(), QStringLiteral("PARADA"));
    name->setCursorPosition(1);
    QTest::keyClicks(name, QStringLiteral("x"));
    QCOMPARE(name->text(), QStringLiteral("PXARADA"));
    QCOMPARE(name->cursorPosition(), 2);

    QLineEdit* sigla = edit(dialog.get(), "edtSigla");
    sigla->clear();
    QTest::keyClicks(sigla, QStringLiteral("p1"));
    QCOMPARE(sigla->text(), QStringLiteral("P1"));
}

void TestDlgConfigMacro::returnInALineEditDoesNotAccept_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::newRow("number, Return") << "edtNumber" << int(Qt::Key_Return);
    QTest::newRow("name, Enter") << "edtName" << int(Qt::Key_Enter);
    QTest::newRow("sigla, Return") << "edtSigla" << int(Qt::Key_Return);
    QTest::newRow("next macro, Return") << "edtF0" << int(Qt::Key_Return);
}

void TestDlgConfigMacro::returnInALineEditDoesNotAccept()
{
    QFETCH(QString, field);
    QFETCH(int, key);

    ConfigFixture fixture;
    Macro* macro = fixture.add("10", "AB");
    const QStringList before = describe(*macro);
    auto dialog = fixture.shown(macro);
    if (field == QLatin1String("edtF0"))
        child<QTabWidget>(dialog.get(), "tabWidget")->setCurrentIndex(4);
    QLineEdit* target = dialog->findChild<QLineEdit*>(field);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    QSignalSpy returned(target, &QLineEdit::returnPressed);

    UnexpectedBoxes unexpected;
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(returned.count(), 1);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->result(), 0);
    QCOMPARE(unexpected.texts, QStringList());
    QCOMPARE(describe(*macro), before);
}

void TestDlgConfigMacro::rejectLeavesTheMacroUntouched_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Cancelar") << false;
    QTest::newRow("Escape") << true;
}

void TestDlgConfigMacro::rejectLeavesTheMacroUntouched()
{
    QFETCH(bool, byEscape);

    ConfigFixture fixture;
    fixture.add("11", "XY");
    Macro* macro = fixture.add("10", "AB", "5");
    macro->setValidationInt(2);
    macro->setAutomation({1});
    macro->setViolation({1, 4});
    macro->setViolationReactions({3, 0});
    macro->setViolationTimers({75, 0});
    macro->setFlow({"XY"});
    macro->setFlowNum({11});
    macro->setFlowPos({3});
    const QStringList before = describe(*macro);

    auto dialog = fixture.dialog(macro);
    answerNextModal([byEscape](QWidget* modal) {
        edit(modal, "edtNumber")->setText("20");
        edit(modal, "edtShortcut")->setText("9");
        edit(modal, "edtSigla")->setText("OU");
        child<QComboBox>(modal, "cbxType")->setCurrentIndex(5);
        child<QRadioButton>(modal, "rbInfo")->click();
        auto* form = child<TabledEditor>(modal, "tedForm");
        form->setCurrentCell(0, 0);
        QTest::keyClicks(form, QStringLiteral("ABC"));
        tree(modal, "treeValidation")->topLevelItem(0)->setCheckState(0, Qt::Checked);
        tree(modal, "treeAutomation")->topLevelItem(3)->setCheckState(0, Qt::Checked);
        tree(modal, "treeViolation")->topLevelItem(1)->setCheckState(0, Qt::Checked);
        edit(modal, "edtF5")->setText("AB");
        QLineEdit* name = edit(modal, "edtName");
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("X"));
        if (byEscape)
            QTest::keyClick(name, Qt::Key_Escape);
        else
            QTest::mouseClick(button(modal, "btnCancelar"), Qt::LeftButton);
    });
    QCOMPARE(dialog->exec(), int(QDialog::Rejected));
    QCOMPARE(describe(*macro), before);
}

void TestDlgConfigMacro::kindVisibility()
{
    ConfigFixture fixture;
    Macro* macro = fixture.add("10", "AB");
    auto dialog = fixture.shown(macro);
    const QList<QWidget*> properties{tree(dialog.get(), "treeValidation"),
                                     child<QTabWidget>(dialog.get(), "tabAutomationIn"),
                                     tree(dialog.get(), "treeViolation"),
                                     child<TabledEditor>(dialog.get(), "tedConfText"),
                                     child<QLabel>(dialog.get(), "lblTextLegend"),
                                     child<QLabel>(dialog.get(), "lblTextInfo")};
    const QList<QWidget*> notices{
        child<QLabel>(dialog.get(), "lblInfo"), child<QLabel>(dialog.get(), "lblInfo2"),
        child<QLabel>(dialog.get(), "lblInfo3"), child<QLabel>(dialog.get(), "lblInfo4")};
    const auto expectInfo = [&](bool info) {
        for (const QWidget* widget : properties) {
            if (widget->isHidden() != info)
                return false;
        }
        for (const QWidget* widget : notices) {
            if (widget->isHidden() == info)
                return false;
        }
        return true;
    };
    QVERIFY(expectInfo(false));
    tree(dialog.get(), "treeValidation")->topLevelItem(2)->setCheckState(0, Qt::Checked);

    QTest::mouseClick(child<QRadioButton>(dialog.get(), "rbInfo"), Qt::LeftButton);
    QVERIFY(expectInfo(true));
    // The form and the flow are not affected, and nothing is cleared.
    QVERIFY(!child<TabledEditor>(dialog.get(), "tedForm")->isHidden());
    QVERIFY(!child<QGroupBox>(dialog.get(), "groupFlow")->isHidden());
    QCOMPARE(tree(dialog.get(), "treeValidation")->topLevelItem(2)->checkState(0), Qt::Checked);

    QTest::mouseClick(child<QRadioButton>(dialog.get(), "rbSecurity"), Qt::LeftButton);
    QVERIFY(expectInfo(false));

    macro->setSecurity(false);
    auto infoDialog = fixture.dialog(macro);
    for (const char* name : {"treeValidation", "treeViolation"})
        QVERIFY(tree(infoDialog.get(), name)->isHidden());
    QVERIFY(!child<QLabel>(infoDialog.get(), "lblInfo")->isHidden());
}

void TestDlgConfigMacro::cursorLabels()
{
    ConfigFixture fixture;
    auto dialog = fixture.shown(fixture.add("10", "AB"));
    auto* form = child<TabledEditor>(dialog.get(), "tedForm");
    auto* formInfo = child<QLabel>(dialog.get(), "lblFormInfo");
    form->setFocus();
    form->setCurrentCell(3, 4);
    QCOMPARE(formInfo->text(), QStringLiteral("L: 3, C: 4"));
    QTest::keyClick(form, Qt::Key_Down);
    QCOMPARE(formInfo->text(), QStringLiteral("L: 4, C: 4"));

    auto* text = child<TabledEditor>(dialog.get(), "tedConfText");
    auto* textInfo = child<QLabel>(dialog.get(), "lblTextInfo");
    text->setCurrentCell(19, 39);
    QCOMPARE(textInfo->text(), QStringLiteral("L: 19, C: 39"));
    QCOMPARE(formInfo->text(), QStringLiteral("L: 4, C: 4"));
}

QTEST_MAIN(TestDlgConfigMacro)
#include "tst_dlgconfigmacro.moc"
