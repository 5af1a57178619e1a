#include "configmacrofixture.h"
#include "formeditor/editorfixture.h"
#include "support/messagerecorder.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"

#include <QHelpEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolTip>
#include <QtTest>

using namespace ZorTest;

namespace {

// Rows of the Portuguese sample data.
constexpr int ReservedValidationRow = 3;
constexpr int LoginValidationRow = 4;
constexpr int ReservedAutomationRow = 5;
constexpr int ReservedViolationRow = 20;
constexpr int AnchorRow = 22; // "Violação de Âncora", identifier 23
constexpr int BitremRow = 14; // "Velocidade em curva - Bitrem"

const QString anchorSequenceText =
    QStringLiteral("Não é possível criar macros seguidas com a análise de Âncoras, por favor "
                   "consulte o manual e revise o sequenciamento das macros.");

QList<int> enabledRows(const QTreeWidget* tree)
{
    QList<int> enabled;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        if (!tree->topLevelItem(i)->isDisabled())
            enabled.append(i);
    }
    return enabled;
}

void showTab(QWidget* dialog, const char* name)
{
    auto* tabs = child<QTabWidget>(dialog, "tabWidget");
    tabs->setCurrentWidget(child<QWidget>(dialog, name));
}

// Presses OK expecting no box at all; true when the dialog accepted.
bool pressOk(dlgConfigMacro* dialog)
{
    UnexpectedBoxes unexpected;
    QTest::mouseClick(button(dialog, "btnInsert"), Qt::LeftButton);
    if (!unexpected.texts.isEmpty())
        qWarning() << "unexpected boxes:" << unexpected.texts;
    return unexpected.texts.isEmpty() && dialog->result() == QDialog::Accepted;
}

// Replaces the text of a masked field by typing, as the user does.
void retype(QLineEdit* field, const QString& keys)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, keys);
}

void watch(Macro* macro, const QList<quint8>& violations)
{
    QList<quint16> timers;
    QList<quint8> reactions;
    for (int i = 0; i < violations.size(); ++i) {
        timers.append(0);
        reactions.append(0);
    }
    macro->setViolation(violations);
    macro->setViolationTimers(timers);
    macro->setViolationReactions(reactions);
}

void addPressedRows()
{
    QTest::addColumn<bool>("byValidate");
    QTest::newRow("OK") << false;
    QTest::newRow("Validar") << true;
}

} // namespace

class TestDlgConfigMacroTabs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void validationChoiceIsExclusive();
    void validationStore_data();
    void validationStore();
    void automationLoadAndStore();

    void violationRowsAndFields();
    void timeNormaliser_data();
    void timeNormaliser();
    void violationsStored();
    void reactionsUnderCombinationVehicles();
    void maximumOfTwenty_data();
    void maximumOfTwenty();
    void keysInTheViolationTree();
    void cutNamesShowInToolTips();
    void anchorRowTakesTheShortcut();
    void anchorQuestion_data();
    void anchorQuestion();
    void radiusLimits_data();
    void radiusLimits();

    void nextMacrosStoredBySlot();
    void nextMacrosDamagedSlots();
    void unknownAcronym_data();
    void unknownAcronym();
    void validateButton();
    void anchorSequenceRefused_data();
    void anchorSequenceRefused();
    void confirmationText();
    void informationMacroKeepsItsMarks();

private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<MessageRecorder> recorder;
};

void TestDlgConfigMacroTabs::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
    QVERIFY(env->isValid());
}

void TestDlgConfigMacroTabs::init()
{
    recorder = std::make_unique<MessageRecorder>();
}

void TestDlgConfigMacroTabs::cleanup()
{
    closeAllModals();
    recorder.reset();
}

void TestDlgConfigMacroTabs::validationChoiceIsExclusive()
{
    ConfigFixture fixture;
    Macro* macro = fixture.add("10", "AB");
    macro->setValidationInt((1 << 1) | (1 << 4));
    auto dialog = fixture.shown(macro);
    showTab(dialog.get(), "tabValidation");
    QTreeWidget* validations = tree(dialog.get(), "treeValidation");
    QCOMPARE(validations->topLevelItemCount(), fixture.lists.validations.size());
    QList<int> allEnabled;
    for (int i = 0; i < validations->topLevelItemCount(); ++i) {
        allEnabled.append(i);
        QCOMPARE(validations->topLevelItem(i)->text(0), fixture.lists.validations.at(i));
        QCOMPARE(validations->topLevelItem(i)->isHidden(), i == ReservedValidationRow);
    }
    QCOMPARE(validations->topLevelItem(LoginValidationRow)->text(0),
             QStringLiteral("Login do motorista"));
    QCOMPARE(checkedRows(validations), (QList<int>{1, 4}));
    QCOMPARE(enabledRows(validations), allEnabled);

    clickCheckBox(validations, validations->topLevelItem(2));
    QCOMPARE(checkedRows(validations), (QList<int>{2}));
    QCOMPARE(enabledRows(validations), QList<int>{2});

    clickCheckBox(validations, validations->topLevelItem(2));
    QCOMPARE(checkedRows(validations), QList<int>());
    QCOMPARE(enabledRows(validations), allEnabled);

    clickCheckBox(validations, validations->topLevelItem(6));
    QVERIFY(pressOk(dialog.get()));
    QCOMPARE(macro->validationInt(), quint16(1 << 6));
}

void TestDlgConfigMacroTabs::validationStore_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("checkRow");
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<int>("expected");

    const QByteArray blank(ScreenText::Size, ' ');
    QTest::newRow("stored set kept") << 18 << -1 << blank << 18;
    QTest::newRow("bit beyond the list dropped") << (1 << 10) << -1 << blank << 0;
    QTest::newRow("login row") << 0 << LoginValidationRow << blank << 16;
    QTest::newRow("login tag, no row") << 0 << -1 << screen({{3, 0, "[LLLLL]"}}) << 16;
    QTest::newRow("optional login tag") << 0 << -1 << screen({{0, 10, "[lllll]"}}) << 16;
    QTest::newRow("row and login tag") << 0 << 6 << screen({{5, 5, "[LLLLL]"}}) << 80;
    QTest::newRow("other tags") << 0 << 0 << screen({{5, 5, "[SSSSS]"}, {6, 0, "[c]"}}) << 1;
}

void TestDlgConfigMacroTabs::validationStore()
{
    QFETCH(int, stored);
    QFETCH(int, checkRow);
    QFETCH(QByteArray, form);
    QFETCH(int, expected);

    ConfigFixture fixture;
    Macro* macro = fixture.add("10", "AB");
    macro->setValidationInt(quint16(stored));
    macro->setForm(form);
    auto dialog = fixture.shown(macro);
    if (checkRow >= 0)
        tree(dialog.get(), "treeValidation")->topLevelItem(checkRow)->setCheckState(0, Qt::Checked);
    QVERIFY(pressOk(dialog.get()));
    QCOMPARE(int(macro->validationInt()), expected);
}

void TestDlgConfigMacroTabs::automationLoadAndStore()
{
    ConfigFixture fixture;
    Macro* macro = fixture.add("10", "AB");
    macro->setAutomation({1, 3, 6, 20});
    auto dialog = fixture.shown(macro);
    showTab(dialog.get(), "tabAutomation");
    QTreeWidget* automations = tree(dialog.get(), "treeAutomation");
    QCOMPARE(automations->topLevelItemCount(), fixture.lists.automations.size());
    QVERIFY(automations->topLevelItem(ReservedAutomationRow)->isHidden());
    // Identifier 20 has no row; 6 is the hidden reserved row.
    QCOMPARE(checkedRows(automations), (QList<int>{0, 2, ReservedAutomationRow}));

    clickCheckBox(automations, automations->topLevelItem(0));
    clickCheckBox(automations, automations->topLevelItem(4));
    QCOMPARE(checkedRows(automations), (QList<int>{2, 4, ReservedAutomationRow}));
    QVERIFY(pressOk(dialog.get()));
    QCOMPARE(macro->automation(), (QList<quint8>{3, 5, 6}));
}

void TestDlgConfigMacroTabs::violationRowsAndFields()
{
    ConfigFixture fixture;
    Macro* macro = fixture.add("10", "AB");
    macro->setViolation({1, 2, 23});
    macro->setViolationTimers({75, 0, 0});
    macro->setViolationReactions({0, 0, 0});
    macro->setRaio(250);
    auto dialog = fixture.dialog(macro);
    QTreeWidget* violations = tree(dialog.get(), "treeViolation");
    QCOMPARE(violations->topLevelItemCount(), 26);

    for (int row = 0; row < violations->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = violations->topLevelItem(row);
        QCOMPARE(item->text(0), fixture.lists.violations.at(row));
        QCOMPARE(item->isHidden(), row == ReservedViolationRow);
        QCOMPARE(item->childCount(), fixture.lists.reactions.size());
        const bool hasTime = fixture.lists.violationTimerFlags.at(row) == QLatin1String("1");
        QLineEdit* time = rowField(violations, row, 1);
        QCOMPARE(time != nullptr, hasTime);
        if (time) {
            QCOMPARE(time->inputMask(), QStringLiteral("9:99"));
            QCOMPARE(time->isEnabled(), item->checkState(0) == Qt::Checked);
        }
        QLineEdit* radius = rowField(violations, row, 2);
        QCOMPARE(radius != nullptr, row == AnchorRow);
    }
    QCOMPARE(checkedRows(violations), (QList<int>{0, 1, AnchorRow}));
    QCOMPARE(rowField(violations, 0, 1)->text(), QStringLiteral("1:15"));
    QCOMPARE(rowField(violations, 1, 1)->text(), QStringLiteral("0:00"));
    // Unwatched: "0:00" in a disabled field.
    QCOMPARE(rowField(violations, 2, 1)->text(), QStringLiteral("0:00"));
    QVERIFY(!rowField(violations, 2, 1)->isEnabled());
    QLineEdit* radius = rowField(violations, AnchorRow, 2);
    QCOMPARE(radius->text(), QStringLiteral("250"));
    QCOMPARE(radius->inputMask(), QStringLiteral("9999"));
    QVERIFY(radius->isEnabled());
}

void TestDlgConfigMacroTabs::timeNormaliser_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("shown");

    QTest::newRow("1:15") << "115" << 75 << "1:15";
    QTest::newRow("5:00 becomes 4:00") << "500" << 240 << "4:00";
    QTest::newRow("3:75 becomes 3:59") << "375" << 239 << "3:59";
    QTest::newRow("2:60 becomes 2:59") << "260" << 179 << "2:59";
    QTest::newRow("4:00 stays") << "400" << 240 << "4:00";
    QTest::newRow("4:01 becomes 4:00") << "401" << 240 << "4:00";
    QTest::newRow("9:99 becomes 4:00") << "999" << 240 << "4:00";
    QTest::newRow("0:59 stays") << "059" << 59 << "0:59";
}

void TestDlgConfigMacroTabs::timeNormaliser()
{
    QFETCH(QString, typed);
    QFETCH(int, seconds);
    QFETCH(QString, shown);

    ConfigFixture fixture;
    Macro* macro = fixture.add("10", "AB");
    macro->setViolation({2});
    macro->setViolationTimers({30});
    macro->setViolationReactions({0});
    auto dialog = fixture.shown(macro);
    showTab(dialog.get(), "tabViolation");
    QLineEdit* time = rowField(tree(dialog.get(), "treeViolation"), 1, 1);
    QCOMPARE(time->text(), QStringLiteral("0:30"));
    retype(time, typed);
    QCOMPARE(time->text(), shown);
    QVERIFY(pressOk(dialog.get()));
    QCOMPARE(macro->violationTimers(), QList<quint16>{quint16(seconds)});
}

void TestDlgConfigMacroTabs::violationsStored()
{
    ConfigFixture fixture;
    Macro* macro = fixture.add("10", "AB");
    macro->setViolation({12, 1});
    macro->setViolationTimers({90, 75});
    macro->setViolationReactions({0x21, 0x05});
    auto dialog = fixture.shown(macro);
    QTreeWidget* violations = tree(dialog.get(), "treeViolation");
    QTreeWidgetItem* first = violations->topLevelItem(0);
    QCOMPARE(first->child(0)->checkState(0), Qt::Checked);
    QCOMPARE(first->child(1)->checkState(0), Qt::Unchecked);
    QCOMPARE(first->child(2)->checkState(0), Qt::Checked);
    QCOMPARE(rowField(violations, 11, 1)->text(), QStringLiteral("1:30"));
    // The ninth reaction has no bit to go to.
    QCOMPARE(first->childCount(), 9);
    first->child(8)->setCheckState(0, Qt::Checked);

    // Uncheck identifier 12, watch identifier 4 (no time field) with reaction 1.
    violations->topLevelItem(11)->setCheckState(0, Qt::Unchecked);
    QVERIFY(!rowField(violations, 11, 1)->isEnabled());
    violations->topLevelItem(3)->setCheckState(0, Qt::Checked);
    violations->topLevelItem(3)->child(1)->setCheckState(0, Qt::Checked);
    QVERIFY(pressOk(dialog.get()));
    // Row order, whatever the stored order was.
    QCOMPARE(macro->violation(), (QList<quint8>{1, 4}));
    QCOMPARE(macro->violationTimers(), (QList<quint16>{75, 0}));
    QCOMPARE(macro->violationReactions(), (QList<quint8>{0x05, 0x02}));
    // No radius row was read: the radius is cleared.
    QCOMPARE(macro->raio(), quint16(0));
}

void TestDlgConfigMacroTabs::reactionsUnderCombinationVehicles()
{
    ConfigFixture fixture;
    Macro* macro = fixture.add("10", "AB");
    macro->setViolation({15, 1});
    macro->setViolationTimers({0, 0});
    macro->setViolationReactions({0xff, 0xff});
    auto dialog = fixture.shown(macro);
    QTreeWidget* violations = tree(dialog.get(), "treeViolation");

    QTreeWidgetItem* bitrem = violations->topLevelItem(BitremRow);
    QVERIFY(bitrem->text(0).contains("Bitrem"));
    for (int bit = 0; bit < bitrem->childCount(); ++bit) {
        const QString reaction = bitrem->child(bit)->text(0);
        const bool alertOrAlarm = reaction.contains("(Alert)") || reaction.contains("(Alarm)");
        QCOMPARE(bitrem->child(bit)->isDisabled(), alertOrAlarm);
        if (alertOrAlarm || bit >= 8)
            QCOMPARE(bitrem->child(bit)->checkState(0), Qt::Unchecked);
        else
            QCOMPARE(bitrem->child(bit)->checkState(0), Qt::Checked);
    }
    // "Semi-trailer" too; an ordinary violation keeps its alarms.
    QVERIFY(violations->topLevelItem(15)->child(3)->isDisabled());
    QVERIFY(!violations->topLevelItem(0)->child(3)->isDisabled());
    QCOMPARE(violations->topLevelItem(0)->child(3)->checkState(0), Qt::Checked);

    QVERIFY(pressOk(dialog.get()));
    QCOMPARE(macro->violation(), (QList<quint8>{1, 15}));
    QCOMPARE(macro->violationReactions(), (QList<quint8>{0xff, 0xf3}));
}

void TestDlgConfigMacroTabs::maximumOfTwenty_data()
{
    QTest::addColumn<bool>("bySpace");
    QTest::newRow("mouse") << false;
    QTest::newRow("space") << true;
}

// The 21st violation: a warning, then every row from the 21st on is
// unchecked, those checked before included.
void TestDlgConfigMacroTabs::maximumOfTwenty()
{
    QFETCH(bool, bySpace);

    ConfigFixture fixture;
    auto dialog = fixture.shown(fixture.add("10", "AB", "0"));
    showTab(dialog.get(), "tabViolation");
    QTreeWidget* violations = tree(dialog.get(), "treeViolation");
    for (int row = 0; row < 18; ++row)
        violations->topLevelItem(row)->setCheckState(0, Qt::Checked);
    violations->topLevelItem(AnchorRow)->setCheckState(0, Qt::Checked);
    QVERIFY(!edit(dialog.get(), "edtShortcut")->isEnabled());

    // The 20th check by the user: allowed.
    UnexpectedBoxes none;
    QTreeWidgetItem* twentieth = violations->topLevelItem(19);
    if (bySpace) {
        violations->setFocus();
        violations->setCurrentItem(twentieth);
        QTest::keyClick(violations, Qt::Key_Space);
    } else {
        clickCheckBox(violations, twentieth);
    }
    QCOMPARE(twentieth->checkState(0), Qt::Checked);
    QCOMPARE(none.texts, QStringList());

    SeenBox seen;
    answerBox(QStringLiteral("OK"), &seen);
    QTreeWidgetItem* next = violations->topLevelItem(23);
    if (bySpace) {
        violations->setCurrentItem(next);
        QTest::keyClick(violations, Qt::Key_Space);
    } else {
        clickCheckBox(violations, next);
    }
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, QStringLiteral("Apenas 20 violações são permitidas!"));
    QCOMPARE(seen.title, QString());
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QList<int> kept;
    for (int row = 0; row < 18; ++row)
        kept.append(row);
    kept.append(19);
    QCOMPARE(checkedRows(violations), kept);
    // The anchor row went with the others, and gave the shortcut back.
    QVERIFY(edit(dialog.get(), "edtShortcut")->isEnabled());
}

void TestDlgConfigMacroTabs::keysInTheViolationTree()
{
    ConfigFixture fixture;
    Macro* macro = fixture.add("10", "AB");
    watch(macro, {1});
    auto dialog = fixture.shown(macro);
    showTab(dialog.get(), "tabViolation");
    QTreeWidget* violations = tree(dialog.get(), "treeViolation");
    violations->setFocus();

    // Space toggles the current item, a row or a reaction.
    QTreeWidgetItem* first = violations->topLevelItem(0);
    violations->setCurrentItem(first);
    QTest::keyClick(violations, Qt::Key_Space);
    QCOMPARE(first->checkState(0), Qt::Unchecked);
    QVERIFY(!rowField(violations, 0, 1)->isEnabled());
    QTest::keyClick(violations, Qt::Key_Space);
    QCOMPARE(first->checkState(0), Qt::Checked);
    QVERIFY(rowField(violations, 0, 1)->isEnabled());
    first->setExpanded(true);
    violations->setCurrentItem(first->child(1));
    QTest::keyClick(violations, Qt::Key_Space);
    QCOMPARE(first->child(1)->checkState(0), Qt::Checked);

    // Return moves between the name and the time, not out of the dialog.
    violations->setCurrentItem(first, 0);
    QTest::keyClick(violations, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), rowField(violations, 0, 1));
    QVERIFY(dialog->isVisible());
    violations->setFocus();
    violations->setCurrentItem(first, 1);
    QTest::keyClick(violations, Qt::Key_Return);
    QCOMPARE(violations->currentColumn(), 0);
    QCOMPARE(QApplication::focusWidget(), violations);
    // A row without a time field keeps the focus in the tree.
    violations->setCurrentItem(violations->topLevelItem(3), 0);
    QTest::keyClick(violations, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), violations);
    QCOMPARE(dialog->result(), 0);

    QVERIFY(pressOk(dialog.get()));
    QCOMPARE(macro->violationReactions(), QList<quint8>{0x02});
}

void TestDlgConfigMacroTabs::cutNamesShowInToolTips()
{
    ConfigFixture fixture;
    auto dialog = fixture.shown(fixture.add("10", "AB"));
    QTreeWidget* violations = tree(dialog.get(), "treeViolation");
    child<QTabWidget>(dialog.get(), "tabWidget")->setCurrentWidget(violations->parentWidget());
    // The longest name.
    QTreeWidgetItem* row = violations->topLevelItem(0);
    for (int i = 1; i < violations->topLevelItemCount(); ++i) {
        if (violations->topLevelItem(i)->text(0).size() > row->text(0).size())
            row = violations->topLevelItem(i);
    }
    row->setExpanded(true);
    const auto toolTipOver = [&](const QTreeWidgetItem* item) {
        QToolTip::hideText();
        // In the name's column, at its end.
        const QPoint at(violations->columnViewportPosition(0) + violations->columnWidth(0) - 4,
                        violations->visualItemRect(item).center().y());
        QHelpEvent event(QEvent::ToolTip, at, violations->viewport()->mapToGlobal(at));
        QApplication::sendEvent(violations->viewport(), &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    // The columns share the tree's width.
    dialog->resize(2400, dialog->height());
    QCoreApplication::processEvents();
    QCOMPARE(toolTipOver(row), QString());
    dialog->resize(dialog->minimumSizeHint());
    QCoreApplication::processEvents();
    QCOMPARE(toolTipOver(row), row->text(0));
    QCOMPARE(toolTipOver(row->child(0)), row->child(0)->text(0));
}

void TestDlgConfigMacroTabs::anchorRowTakesTheShortcut()
{
    ConfigFixture fixture;
    Macro* macro = fixture.add("10", "AB", "5");
    auto dialog = fixture.shown(macro);
    showTab(dialog.get(), "tabViolation");
    QTreeWidget* violations = tree(dialog.get(), "treeViolation");
    QLineEdit* shortcut = edit(dialog.get(), "edtShortcut");
    QLineEdit* radius = rowField(violations, AnchorRow, 2);
    QVERIFY(shortcut->isEnabled());
    QVERIFY(!radius->isEnabled());

    clickCheckBox(violations, violations->topLevelItem(AnchorRow));
    QVERIFY(!shortcut->isEnabled());
    QVERIFY(radius->isEnabled());
    clickCheckBox(violations, violations->topLevelItem(AnchorRow));
    QVERIFY(shortcut->isEnabled());
    QVERIFY(!radius->isEnabled());

    // Another violation does not touch the shortcut.
    clickCheckBox(violations, violations->topLevelItem(0));
    QVERIFY(shortcut->isEnabled());

    watch(macro, {23});
    auto anchored = fixture.dialog(macro);
    QVERIFY(!edit(anchored.get(), "edtShortcut")->isEnabled());
}

void TestDlgConfigMacroTabs::anchorQuestion_data()
{
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("answer");

    QTest::newRow("Não keeps the dialog open") << "5" << false << "Não";
    QTest::newRow("Sim clears the shortcut") << "5" << true << "Sim";
    QTest::newRow("shortcut range not checked") << "300" << true << "Sim";
    QTest::newRow("no question for 0") << "0" << true << QString();
    QTest::newRow("no question when empty") << "" << true << QString();
}

void TestDlgConfigMacroTabs::anchorQuestion()
{
    QFETCH(QString, shortcut);
    QFETCH(bool, accepted);
    QFETCH(QString, answer);

    ConfigFixture fixture;
    Macro* macro = fixture.add("10", "AB", "5");
    const QStringList before = describe(*macro);
    auto dialog = fixture.shown(macro);
    edit(dialog.get(), "edtShortcut")->setText(shortcut);
    QTreeWidget* violations = tree(dialog.get(), "treeViolation");
    violations->topLevelItem(AnchorRow)->setCheckState(0, Qt::Checked);
    rowField(violations, AnchorRow, 2)->setText(QStringLiteral("300"));

    SeenBox seen;
    if (!answer.isEmpty())
        answerBox(answer, &seen);
    UnexpectedBoxes unexpected;
    QTest::mouseClick(button(dialog.get(), "btnInsert"), Qt::LeftButton);
    QCOMPARE(unexpected.texts, QStringList());
    QCOMPARE(seen.shown, !answer.isEmpty());
    if (seen.shown) {
        QCOMPARE(seen.title, QStringLiteral("Atenção!"));
        QCOMPARE(seen.text, QStringLiteral("A violação de âncora foi selecionada, ao confirmar "
                                           "essa ação, o atalho será excluído"));
        QCOMPARE(seen.buttons.size(), 2);
        QVERIFY(seen.buttons.contains("Sim"));
        QVERIFY(seen.buttons.contains("Não"));
    }
    QCOMPARE(dialog->result() == QDialog::Accepted, accepted);
    if (!accepted) {
        QVERIFY(dialog->isVisible());
        QCOMPARE(describe(*macro), before);
        return;
    }
    QCOMPARE(macro->shortcut(), QString());
    QCOMPARE(macro->violation(), QList<quint8>{23});
    QCOMPARE(macro->raio(), quint16(300));
}

void TestDlgConfigMacroTabs::radiusLimits_data()
{
    QTest::addColumn<QString>("radius");
    QTest::addColumn<QString>("message");

    const QString below =
        QStringLiteral("O valor de 'Violação de Âncora'' é menor que o mínimo permitido (50).");
    const QString above =
        QStringLiteral("O valor de 'Violação de Âncora' é maior que o máximo permitido (5000);");
    QTest::newRow("49") << "49" << below;
    QTest::newRow("empty") << "" << below;
    QTest::newRow("50") << "50" << QString();
    QTest::newRow("5000") << "5000" << QString();
    QTest::newRow("5001") << "5001" << above;
    QTest::newRow("9999") << "9999" << above;
}

void TestDlgConfigMacroTabs::radiusLimits()
{
    QFETCH(QString, radius);
    QFETCH(QString, message);

    ConfigFixture fixture;
    Macro* macro = fixture.add("10", "AB", "0");
    watch(macro, {23});
    auto dialog = fixture.shown(macro);
    showTab(dialog.get(), "tabViolation");
    QLineEdit* field = rowField(tree(dialog.get(), "treeViolation"), AnchorRow, 2);
    QCOMPARE(field->text(), QStringLiteral("100"));
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, radius);
    QCOMPARE(field->text(), radius);

    if (message.isEmpty()) {
        QVERIFY(pressOk(dialog.get()));
        QCOMPARE(macro->raio(), quint16(radius.toUInt()));
        return;
    }
    SeenBox seen;
    answerBox(QStringLiteral("OK"), &seen);
    QTest::mouseClick(button(dialog.get(), "btnInsert"), Qt::LeftButton);
    QCOMPARE(seen.title, QStringLiteral("Erro!"));
    QCOMPARE(seen.text, message);
    QVERIFY(dialog->isVisible());
    QCOMPARE(macro->raio(), quint16(100));

    // An accent message replaces what came before; the radius is added after.
    edit(dialog.get(), "edtName")->setText(QStringLiteral("Ré"));
    answerBox(QStringLiteral("OK"), &seen);
    QTest::mouseClick(button(dialog.get(), "btnInsert"), Qt::LeftButton);
    QCOMPARE(seen.text, QStringLiteral("\nO nome da macro não pode conter acentos!") + message);
}

void TestDlgConfigMacroTabs::nextMacrosStoredBySlot()
{
    ConfigFixture fixture;
    fixture.add("21", "AB");
    fixture.add("37", "CD");
    Macro* macro = fixture.add("10", "XY");
    auto dialog = fixture.shown(macro);
    showTab(dialog.get(), "tabFlow");
    QTest::keyClicks(edit(dialog.get(), "edtF2"), QStringLiteral("ab"));
    QCOMPARE(edit(dialog.get(), "edtF2")->text(), QStringLiteral("AB"));
    QTest::keyClicks(edit(dialog.get(), "edtF7"), QStringLiteral("cD"));
    QCOMPARE(edit(dialog.get(), "edtF7")->text(), QStringLiteral("CD"));
    QVERIFY(pressOk(dialog.get()));
    QCOMPARE(macro->flow(), (QStringList{"AB", "CD"}));
    QCOMPARE(macro->flowPos(), (QList<quint16>{2, 7}));
    QCOMPARE(macro->flowNum(), (QList<quint16>{21, 37}));

    auto reopened = fixture.dialog(macro);
    for (int slot = 0; slot < 10; ++slot) {
        const QByteArray name = "edtF" + QByteArray::number(slot);
        const QString expected = slot == 2 ? "AB" : slot == 7 ? "CD" : QString();
        QCOMPARE(edit(reopened.get(), name.constData())->text(), expected);
    }
}

// Entries of a damaged file whose slot is missing or taken go to the first
// free slot rather than being lost on the next OK.
void TestDlgConfigMacroTabs::nextMacrosDamagedSlots()
{
    ConfigFixture fixture;
    fixture.add("21", "AB");
    fixture.add("22", "CD");
    fixture.add("23", "EF");
    Macro* macro = fixture.add("10", "XY");
    macro->setFlow({"AB", "CD", "EF"});
    macro->setFlowNum({21, 22, 23});
    macro->setFlowPos({2, 2});
    auto dialog = fixture.shown(macro);
    QCOMPARE(edit(dialog.get(), "edtF2")->text(), QStringLiteral("AB"));
    QCOMPARE(edit(dialog.get(), "edtF0")->text(), QStringLiteral("CD"));
    QCOMPARE(edit(dialog.get(), "edtF1")->text(), QStringLiteral("EF"));
    QVERIFY(pressOk(dialog.get()));
    QCOMPARE(macro->flow(), (QStringList{"CD", "EF", "AB"}));
    QCOMPARE(macro->flowPos(), (QList<quint16>{0, 1, 2}));
}

void TestDlgConfigMacroTabs::unknownAcronym_data()
{
    addPressedRows();
}

void TestDlgConfigMacroTabs::unknownAcronym()
{
    QFETCH(bool, byValidate);

    ConfigFixture fixture;
    fixture.add("21", "AB");
    Macro* macro = fixture.add("10", "XY");
    const QStringList before = describe(*macro);
    auto dialog = fixture.shown(macro);
    showTab(dialog.get(), "tabFlow");
    edit(dialog.get(), "edtF1")->setText(QStringLiteral("AB"));
    edit(dialog.get(), "edtF3")->setText(QStringLiteral("ZZ"));
    edit(dialog.get(), "edtF5")->setText(QStringLiteral("YY"));

    SeenBox seen;
    answerBox(QStringLiteral("Ok"), &seen);
    UnexpectedBoxes unexpected;
    QTest::mouseClick(button(dialog.get(), byValidate ? "btnValidate" : "btnInsert"),
                      Qt::LeftButton);
    QVERIFY(seen.shown);
    QCOMPARE(unexpected.texts, QStringList());
    QCOMPARE(seen.text, QStringLiteral("Sigla da função F3 não existe!"));
    QCOMPARE(seen.title, QStringLiteral("Atenção!"));
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.buttons, QStringList{"Ok"});
    QVERIFY(dialog->isVisible());
    QCOMPARE(describe(*macro), before);
}

void TestDlgConfigMacroTabs::validateButton()
{
    ConfigFixture fixture;
    fixture.add("21", "AB");
    Macro* macro = fixture.add("10", "XY");
    auto dialog = fixture.shown(macro);
    showTab(dialog.get(), "tabFlow");

    for (const QString& slot : {QString(), QStringLiteral("AB")}) {
        edit(dialog.get(), "edtF4")->setText(slot);
        SeenBox seen;
        answerBox(QStringLiteral("Ok"), &seen);
        QTest::mouseClick(button(dialog.get(), "btnValidate"), Qt::LeftButton);
        QCOMPARE(seen.text, QStringLiteral("Verificação concluída!"));
        QCOMPARE(seen.title, QStringLiteral("Informação"));
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(seen.buttons, QStringList{"Ok"});
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->result(), 0);
        QVERIFY(macro->flow().isEmpty());
    }
}

void TestDlgConfigMacroTabs::anchorSequenceRefused_data()
{
    addPressedRows();
}

// The edited macro with anchor analysis may not be followed by another.
void TestDlgConfigMacroTabs::anchorSequenceRefused()
{
    QFETCH(bool, byValidate);

    ConfigFixture fixture;
    watch(fixture.add("21", "AN"), {23});
    fixture.add("22", "PL");
    Macro* macro = fixture.add("10", "XY", "0");
    // The flow judged is the one in the dialog, not the one stored.
    macro->setFlow({"PL"});
    macro->setFlowNum({22});
    macro->setFlowPos({0});
    const QStringList before = describe(*macro);
    auto dialog = fixture.shown(macro);
    showTab(dialog.get(), "tabFlow");
    edit(dialog.get(), "edtF0")->setText(QStringLiteral("PL"));
    edit(dialog.get(), "edtF1")->setText(QStringLiteral("AN"));

    // Without the anchor violation the flow is fine.
    SeenBox done;
    if (byValidate)
        answerBox(QStringLiteral("Ok"), &done);
    UnexpectedBoxes first;
    const char* const pressed = byValidate ? "btnValidate" : "btnInsert";
    if (byValidate) {
        QTest::mouseClick(button(dialog.get(), pressed), Qt::LeftButton);
        QCOMPARE(done.text, QStringLiteral("Verificação concluída!"));
    }
    QCOMPARE(first.texts, QStringList());

    tree(dialog.get(), "treeViolation")->topLevelItem(AnchorRow)->setCheckState(0, Qt::Checked);
    UnexpectedBoxes unexpected;
    QTest::mouseClick(button(dialog.get(), pressed), Qt::LeftButton);
    QCOMPARE(unexpected.texts, QStringList());
    QCOMPARE(recorder->texts(), QStringList{anchorSequenceText});
    QCOMPARE(recorder->messages.at(0).title, QStringLiteral("Atenção!"));
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->result(), 0);
    QCOMPARE(describe(*macro), before);

    // Without the anchored successor OK goes through.
    edit(dialog.get(), "edtF1")->clear();
    recorder->clear();
    QVERIFY(pressOk(dialog.get()));
    QCOMPARE(recorder->texts(), QStringList());
    QCOMPARE(macro->flow(), QStringList{"PL"});
}

void TestDlgConfigMacroTabs::confirmationText()
{
    ConfigFixture fixture;
    Macro* macro = fixture.add("10", "AB");
    macro->setConfirmationText(QByteArray(ScreenText::Size, '\0'));
    auto dialog = fixture.shown(macro);
    auto* text = child<TabledEditor>(dialog.get(), "tedConfText");
    QCOMPARE(text->fieldOptions().size(), 0);
    QVERIFY(pressOk(dialog.get()));
    QCOMPARE(macro->confirmationText(), QByteArray(ScreenText::Size, ' '));

    auto again = fixture.shown(macro);
    showTab(again.get(), "tabConfirmation");
    text = child<TabledEditor>(again.get(), "tedConfText");
    text->setFocus();
    text->setCurrentCell(19, 37);
    QTest::keyClicks(text, QStringLiteral("FIM"));
    QCOMPARE(child<QLabel>(again.get(), "lblTextInfo")->text(), QStringLiteral("L: 0, C: 0"));
    QVERIFY(pressOk(again.get()));
    QCOMPARE(macro->confirmationText(), screen({{19, 37, "FIM"}}));
}

void TestDlgConfigMacroTabs::informationMacroKeepsItsMarks()
{
    ConfigFixture fixture;
    Macro* macro = fixture.add("10", "AB");
    macro->setSecureSensors({2});
    macro->setSecureActuators({1, 5});
    auto dialog = fixture.shown(macro);
    tree(dialog.get(), "treeValidation")->topLevelItem(1)->setCheckState(0, Qt::Checked);
    tree(dialog.get(), "treeAutomation")->topLevelItem(2)->setCheckState(0, Qt::Checked);
    tree(dialog.get(), "treeViolation")->topLevelItem(3)->setCheckState(0, Qt::Checked);
    QTest::mouseClick(child<QRadioButton>(dialog.get(), "rbInfo"), Qt::LeftButton);
    QVERIFY(tree(dialog.get(), "treeViolation")->isHidden());
    QVERIFY(pressOk(dialog.get()));
    QVERIFY(!macro->isSecurity());
    QCOMPARE(macro->validationInt(), quint16(2));
    QCOMPARE(macro->automation(), QList<quint8>{3});
    QCOMPARE(macro->violation(), QList<quint8>{4});
    QCOMPARE(macro->secureSensors(), QList<quint8>{2});
    QCOMPARE(macro->secureActuators(), (QList<quint8>{1, 5}));
}

QTEST_MAIN(TestDlgConfigMacroTabs)
#include "tst_dlgconfigmacrotabs.moc"
