#include "configmacrofixture.h"
#include "support/testenvironment.h"

#include <QHelpEvent>
#include <QLabel>
#include <QTabWidget>
#include <QToolTip>
#include <QtTest>

using namespace ZorTest;

namespace {

QList<int> enabledIds(const QTreeWidget* tree)
{
    QList<int> ids;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        if (!tree->topLevelItem(i)->isDisabled())
            ids.append(i + 1);
    }
    return ids;
}

void showTab(QWidget* dialog, const char* name)
{
    child<QTabWidget>(dialog, "tabWidget")->setCurrentWidget(child<QWidget>(dialog, name));
}

} // namespace

// The tabs of the configure dialog: validation, automation, violations and
// the next macros, as the user works them.
class TestDlgConfigMacroTabs : public QObject
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

    // A row per entry of the lists, the reserved ones hidden; each violation
    // with its reactions, a time field when it is timed and a radius field
    // when it has one, enabled while it is watched.
    void rowsOfTheLists()
    {
        ConfigFixture fixture;
        Macro* macro = fixture.add("10", "AB");
        watch(macro, {1, quint8(anchorId())});
        macro->setViolationTimers({75, 0});
        macro->setRaio(250);
        auto dialog = fixture.dialog(macro);
        const ReferenceLists& lists = fixture.lists;
        const QPair<const char*, const QStringList*> trees[] = {
            {"treeValidation", &lists.validations},
            {"treeAutomation", &lists.automations},
            {"treeViolation", &lists.violations}};
        for (const auto& list : trees) {
            QTreeWidget* rows = tree(dialog.get(), list.first);
            QCOMPARE(rows->topLevelItemCount(), list.second->size());
            for (int id = 1; id <= list.second->size(); ++id) {
                QCOMPARE(item(rows, id)->text(0), list.second->at(id - 1));
                QCOMPARE(item(rows, id)->isHidden(), list.second->at(id - 1).startsWith("(RESERV"));
            }
        }
        QTreeWidget* violations = tree(dialog.get(), "treeViolation");
        for (int id = 1; id <= lists.violations.size(); ++id) {
            QCOMPARE(item(violations, id)->childCount(), lists.reactions.size());
            const bool watched = id == 1 || id == anchorId();
            QLineEdit* time = field(violations, id, 1);
            QCOMPARE(time != nullptr, lists.violationTimerFlags.at(id - 1) == "1");
            QCOMPARE(time && time->isEnabled(), time && watched);
            QLineEdit* radius = field(violations, id, 2);
            QCOMPARE(radius != nullptr, lists.radiusViolations.contains(QString::number(id)));
            QCOMPARE(radius && radius->isEnabled(), radius && watched);
        }
        QCOMPARE(field(violations, 1, 1)->text(), QStringLiteral("1:15"));
        QCOMPARE(field(violations, 2, 1)->text(), QStringLiteral("0:00"));
        QCOMPARE(field(violations, anchorId(), 2)->text(), QStringLiteral("250"));
    }

    // The validations are one choice: a check unchecks and greys out the
    // others until it is taken back. A stored set of several comes up whole.
    void validationChoice()
    {
        ConfigFixture fixture;
        Macro* macro = fixture.add("10", "AB");
        macro->setValidationInt((1 << 1) | (1 << 4));
        auto dialog = fixture.shown(macro);
        showTab(dialog.get(), "tabValidation");
        QTreeWidget* validations = tree(dialog.get(), "treeValidation");
        const QList<int> all = enabledIds(validations);
        QCOMPARE(all.size(), fixture.lists.validations.size());
        QCOMPARE(checkedIds(validations), (QList<int>{2, 5}));
        clickCheckBox(validations, item(validations, 3));
        QCOMPARE(checkedIds(validations), QList<int>{3});
        QCOMPARE(enabledIds(validations), QList<int>{3});
        clickCheckBox(validations, item(validations, 3));
        QCOMPARE(checkedIds(validations), QList<int>());
        QCOMPARE(enabledIds(validations), all);
        clickCheckBox(validations, item(validations, 7));
        QVERIFY(pressOk(dialog.get()));
        QCOMPARE(macro->validationInt(), quint16(1 << 6));
    }

    void loginValidation_data()
    {
        QTest::addColumn<QString>("checked"); // the validation checked by the user
        QTest::addColumn<QByteArray>("form");
        QTest::addColumn<int>("stored");

        const QByteArray blank(ScreenText::Size, ' ');
        QTest::newRow("login") << "Login" << blank << 16;
        QTest::newRow("login field") << "" << screen({{3, 0, "[LLLLL]"}}) << 16;
        QTest::newRow("optional login field") << "" << screen({{0, 10, "[lllll]"}}) << 16;
        QTest::newRow("another and a login field")
            << "supervisor" << screen({{5, 5, "[LLLLL]"}}) << 80;
        QTest::newRow("other fields") << "Senha" << screen({{5, 5, "[SSSSS]"}, {6, 0, "[c]"}}) << 1;
    }

    // A login field of the form sets the login validation as well.
    void loginValidation()
    {
        QFETCH(QString, checked);
        QFETCH(QByteArray, form);
        QFETCH(int, stored);

        ConfigFixture fixture;
        Macro* macro = fixture.add("10", "AB");
        macro->setForm(form);
        auto dialog = fixture.shown(macro);
        if (!checked.isEmpty()) {
            const int id = idOf(fixture.lists.validations, checked);
            item(tree(dialog.get(), "treeValidation"), id)->setCheckState(0, Qt::Checked);
        }
        QVERIFY(pressOk(dialog.get()));
        QCOMPARE(int(macro->validationInt()), stored);
    }

    // Violations go back in the order of their rows; identifiers and bits
    // beyond the lists are dropped, as is the radius without its row.
    void storedInRowOrder()
    {
        ConfigFixture fixture;
        Macro* macro = fixture.add("10", "AB");
        macro->setViolation({12, 1, 30});
        macro->setViolationTimers({90, 75, 5});
        macro->setViolationReactions({0x21, 0x05, 0x01});
        macro->setRaio(300);
        macro->setAutomation({2, 20});
        macro->setValidationInt(1 << 10);
        auto dialog = fixture.shown(macro);
        QVERIFY(pressOk(dialog.get()));
        QCOMPARE(macro->violation(), (QList<quint8>{1, 12}));
        QCOMPARE(macro->violationTimers(), (QList<quint16>{75, 90}));
        QCOMPARE(macro->violationReactions(), (QList<quint8>{0x05, 0x21}));
        QCOMPARE(macro->raio(), quint16(0));
        QCOMPARE(macro->automation(), QList<quint8>{2});
        QCOMPARE(macro->validationInt(), quint16(0));
    }

    void timeNormaliser_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1:15") << "115"
                              << "1:15";
        QTest::newRow("0:59") << "059"
                              << "0:59";
        QTest::newRow("4:00") << "400"
                              << "4:00";
        QTest::newRow("4:01 becomes 4:00") << "401"
                                           << "4:00";
        QTest::newRow("5:00 becomes 4:00") << "500"
                                           << "4:00";
        QTest::newRow("9:99 becomes 4:00") << "999"
                                           << "4:00";
        QTest::newRow("3:75 becomes 3:59") << "375"
                                           << "3:59";
        QTest::newRow("2:60 becomes 2:59") << "260"
                                           << "2:59";
    }

    // Seconds above 59 become 59, then times above 4:00 become 4:00.
    void timeNormaliser()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);

        ConfigFixture fixture;
        Macro* macro = fixture.add("10", "AB");
        watch(macro, {2});
        auto dialog = fixture.shown(macro);
        showTab(dialog.get(), "tabViolation");
        QLineEdit* time = field(tree(dialog.get(), "treeViolation"), 2, 1);
        time->setFocus();
        time->selectAll();
        QTest::keyClicks(time, typed);
        QCOMPARE(time->text(), shown);
        QVERIFY(pressOk(dialog.get()));
        QCOMPARE(macro->violationTimers(),
                 QList<quint16>{quint16(shown.left(1).toInt() * 60 + shown.mid(2).toInt())});
    }

    // Under a combination vehicle the cabin's alert and alarm are greyed out
    // and cleared; only eight reactions fit in a set.
    void reactionsOfCombinationVehicles()
    {
        ConfigFixture fixture;
        const int bitrem = idOf(fixture.lists.violations, "Bitrem");
        const int semiTrailer = idOf(fixture.lists.violations, "Semi-trailer");
        const int alert = idOf(fixture.lists.reactions, "(Alert)") - 1;
        const int alarm = idOf(fixture.lists.reactions, "(Alarm)") - 1;
        Macro* macro = fixture.add("10", "AB");
        watch(macro, {quint8(bitrem), 1});
        macro->setViolationReactions({0xff, 0xff});
        auto dialog = fixture.shown(macro);
        QTreeWidget* violations = tree(dialog.get(), "treeViolation");
        for (const int id : {1, bitrem, semiTrailer}) {
            QString states;
            QString expected;
            for (int bit = 0; bit < fixture.lists.reactions.size(); ++bit) {
                const QTreeWidgetItem* reaction = item(violations, id)->child(bit);
                states += reaction->isDisabled() ? 'd' : reaction->checkState(0) ? 'x' : '-';
                const QString name = fixture.lists.reactions.at(bit);
                const bool cabin = name.contains("(Alert)") || name.contains("(Alarm)");
                expected += id != 1 && cabin ? 'd' : id != semiTrailer && bit < 8 ? 'x' : '-';
            }
            QCOMPARE(states, expected);
        }
        QVERIFY(pressOk(dialog.get()));
        QCOMPARE(macro->violationReactions(),
                 (QList<quint8>{0xff, quint8(0xff & ~(1 << alert) & ~(1 << alarm))}));
    }

    void maximumOfTwenty_data()
    {
        QTest::addColumn<bool>("bySpace");
        QTest::newRow("mouse") << false;
        QTest::newRow("space") << true;
    }

    // The 21st check: a warning, then every row from the 21st on is
    // unchecked, those checked before included.
    void maximumOfTwenty()
    {
        QFETCH(bool, bySpace);

        ConfigFixture fixture;
        auto dialog = fixture.shown(fixture.add("10", "AB", "0"));
        showTab(dialog.get(), "tabViolation");
        QTreeWidget* violations = tree(dialog.get(), "treeViolation");
        QList<int> kept;
        for (int id = 1; id <= 18; ++id) {
            item(violations, id)->setCheckState(0, Qt::Checked);
            kept << id;
        }
        item(violations, anchorId())->setCheckState(0, Qt::Checked);
        QVERIFY(!edit(dialog.get(), "edtShortcut")->isEnabled());
        const auto check = [&](int id) {
            if (!bySpace)
                return clickCheckBox(violations, item(violations, id));
            violations->setFocus();
            violations->setCurrentItem(item(violations, id));
            QTest::keyClick(violations, Qt::Key_Space);
        };
        UnexpectedBoxes none;
        check(20);
        QCOMPARE(none.texts, QStringList());
        QCOMPARE(checkedIds(violations).size(), 20);

        SeenBox seen;
        answerBox(QStringLiteral("OK"), &seen);
        check(24);
        QCOMPARE(seen.text, QStringLiteral("Apenas 20 violações são permitidas!"));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(checkedIds(violations), kept << 20);
        QVERIFY(edit(dialog.get(), "edtShortcut")->isEnabled());
    }

    // Space checks the current row or reaction; Return goes from a name to
    // its time field and back, never to OK.
    void keysInTheViolationTree()
    {
        ConfigFixture fixture;
        const int timed = fixture.lists.violationTimerFlags.indexOf("1") + 1;
        const int untimed = fixture.lists.violationTimerFlags.indexOf("0") + 1;
        Macro* macro = fixture.add("10", "AB");
        watch(macro, {quint8(timed)});
        auto dialog = fixture.shown(macro);
        showTab(dialog.get(), "tabViolation");
        QTreeWidget* violations = tree(dialog.get(), "treeViolation");
        violations->setFocus();
        QTreeWidgetItem* row = item(violations, timed);
        violations->setCurrentItem(row);
        QTest::keyClick(violations, Qt::Key_Space);
        QCOMPARE(row->checkState(0), Qt::Unchecked);
        QVERIFY(!field(violations, timed, 1)->isEnabled());
        QTest::keyClick(violations, Qt::Key_Space);
        QCOMPARE(row->checkState(0), Qt::Checked);
        row->setExpanded(true);
        violations->setCurrentItem(row->child(1));
        QTest::keyClick(violations, Qt::Key_Space);
        QCOMPARE(row->child(1)->checkState(0), Qt::Checked);

        violations->setCurrentItem(row, 0);
        QTest::keyClick(violations, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), field(violations, timed, 1));
        violations->setFocus();
        violations->setCurrentItem(row, 1);
        QTest::keyClick(violations, Qt::Key_Return);
        QCOMPARE(violations->currentColumn(), 0);
        QCOMPARE(QApplication::focusWidget(), violations);
        violations->setCurrentItem(item(violations, untimed), 0);
        QTest::keyClick(violations, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), violations);
        QVERIFY(dialog->isVisible());
        QVERIFY(pressOk(dialog.get()));
        QCOMPARE(macro->violationReactions(), QList<quint8>{0x02});
    }

    void cutNamesShowInToolTips()
    {
        ConfigFixture fixture;
        auto dialog = fixture.shown(fixture.add("10", "AB"));
        showTab(dialog.get(), "tabViolation");
        QTreeWidget* violations = tree(dialog.get(), "treeViolation");
        QTreeWidgetItem* longest = violations->topLevelItem(0);
        for (int i = 1; i < violations->topLevelItemCount(); ++i) {
            if (violations->topLevelItem(i)->text(0).size() > longest->text(0).size())
                longest = violations->topLevelItem(i);
        }
        longest->setExpanded(true);
        const auto toolTipOver = [&](const QTreeWidgetItem* item) {
            QToolTip::hideText();
            const QPoint at(violations->columnViewportPosition(0) + violations->columnWidth(0) - 4,
                            violations->visualItemRect(item).center().y());
            QHelpEvent event(QEvent::ToolTip, at, violations->viewport()->mapToGlobal(at));
            QApplication::sendEvent(violations->viewport(), &event);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        // The columns share the tree's width.
        dialog->resize(2400, dialog->height());
        QCoreApplication::processEvents();
        QCOMPARE(toolTipOver(longest), QString());
        dialog->resize(dialog->minimumSizeHint());
        QCoreApplication::processEvents();
        QCOMPARE(toolTipOver(longest), longest->text(0));
        QCOMPARE(toolTipOver(longest->child(0)), longest->child(0)->text(0));
    }

    // A macro with anchor analysis has no shortcut: the anchor row takes
    // the shortcut field away and enables its radius.
    void anchorRowTakesTheShortcut()
    {
        ConfigFixture fixture;
        Macro* macro = fixture.add("10", "AB", "5");
        auto dialog = fixture.shown(macro);
        showTab(dialog.get(), "tabViolation");
        QTreeWidget* violations = tree(dialog.get(), "treeViolation");
        QLineEdit* shortcut = edit(dialog.get(), "edtShortcut");
        QLineEdit* radius = field(violations, anchorId(), 2);
        const auto enabled = [&] {
            return QString(shortcut->isEnabled() ? "s" : "-") + (radius->isEnabled() ? "r" : "-");
        };
        QCOMPARE(enabled(), QStringLiteral("s-"));
        clickCheckBox(violations, item(violations, anchorId()));
        QCOMPARE(enabled(), QStringLiteral("-r"));
        clickCheckBox(violations, item(violations, anchorId()));
        QCOMPARE(enabled(), QStringLiteral("s-"));
        clickCheckBox(violations, item(violations, 1));
        QCOMPARE(enabled(), QStringLiteral("s-"));

        watch(macro, {quint8(anchorId())});
        QVERIFY(!edit(fixture.dialog(macro).get(), "edtShortcut")->isEnabled());
    }

    // Entries of a damaged file whose slot is missing or taken go to the
    // first free slot rather than being lost on the next OK.
    void nextMacrosDamagedSlots()
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
        QStringList shown;
        for (int slot = 0; slot < 4; ++slot)
            shown << edit(dialog.get(), ("edtF" + QByteArray::number(slot)).constData())->text();
        QCOMPARE(shown, (QStringList{"CD", "EF", "AB", ""}));
        QVERIFY(pressOk(dialog.get()));
        QCOMPARE(macro->flow(), (QStringList{"CD", "EF", "AB"}));
        QCOMPARE(macro->flowPos(), (QList<quint16>{0, 1, 2}));
    }
};

QTEST_MAIN(TestDlgConfigMacroTabs)
#include "tst_dlgconfigmacrotabs.moc"
