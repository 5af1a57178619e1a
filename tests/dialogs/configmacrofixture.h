#pragma once

#include "app/referencedata.h"
#include "app/referencelists.h"
#include "dialogs/dlgconfigmacro.h"
#include "formeditor/tablededitor.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/modalanswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

namespace ZorTest {

// The sample group of the configure dialog's tests, with the Portuguese
// reference lists of the working folder's "zor.ini".
class ConfigFixture
{
public:
    ConfigFixture() : group(std::make_unique<Group>(QStringLiteral("Frota"), QString()))
    {
        if (!ReferenceData::load(QStringLiteral("zor.ini"), &lists))
            qWarning("the reference data was not found in the working folder");
    }

    Macro* add(const QString& num, const QString& sigla, const QString& shortcut = "0",
               int type = 2)
    {
        auto* macro =
            new Macro(num, QStringLiteral("MACRO ") + sigla, shortcut, sigla, type, false);
        group->addMacro(macro);
        return macro;
    }

    std::unique_ptr<dlgConfigMacro> dialog(Macro* macro, QWidget* parent = nullptr)
    {
        return std::make_unique<dlgConfigMacro>(
            group.get(), macro, &lists.violations, &lists.violationTimerFlags,
            &lists.radiusViolations, &lists.reactions, &lists.automations, &lists.validations,
            &lists.secureModeSensors, &lists.secureModeActuators, parent);
    }

    // A dialog shown and active, so that focus and keys behave as on screen.
    std::unique_ptr<dlgConfigMacro> shown(Macro* macro)
    {
        auto opened = dialog(macro);
        opened->show();
        opened->activateWindow();
        if (!QTest::qWaitForWindowActive(opened.get()))
            qWarning("the dialog did not become active");
        return opened;
    }

    ReferenceLists lists;
    std::unique_ptr<Group> group;
};

template <class T> T* child(const QWidget* parent, const char* name)
{
    T* found = parent->findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

inline QLineEdit* edit(const QWidget* dialog, const char* name)
{
    return child<QLineEdit>(dialog, name);
}

inline QTreeWidget* tree(const QWidget* dialog, const char* name)
{
    return child<QTreeWidget>(dialog, name);
}

inline QAbstractButton* button(const QWidget* dialog, const char* name)
{
    return child<QAbstractButton>(dialog, name);
}

inline QLineEdit* rowField(QTreeWidget* tree, int row, int column)
{
    return qobject_cast<QLineEdit*>(tree->itemWidget(tree->topLevelItem(row), column));
}

inline QList<int> checkedRows(const QTreeWidget* tree)
{
    QList<int> rows;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        if (tree->topLevelItem(i)->checkState(0) == Qt::Checked)
            rows.append(i);
    }
    return rows;
}

// Clicks the check box of an item as the user does.
inline void clickCheckBox(QTreeWidget* tree, QTreeWidgetItem* item)
{
    tree->scrollToItem(item);
    QStyleOptionViewItem option;
    option.initFrom(tree);
    option.rect = tree->visualItemRect(item);
    option.rect.setWidth(tree->columnWidth(0));
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box =
        tree->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, tree);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, box.center());
}

// Every field of a macro as text, to tell whether a macro changed.
inline QStringList describe(const Macro& macro)
{
    const auto numbers = [](const auto& list) {
        QStringList texts;
        for (const auto value : list)
            texts.append(QString::number(value));
        return texts.join(QLatin1Char(','));
    };
    return {macro.num(),
            macro.name(),
            macro.shortcut(),
            macro.sigla(),
            QString::number(macro.type()),
            QString::number(macro.isSecurity()),
            QString::fromLatin1(macro.form().toHex()),
            QString::fromLatin1(macro.formFields().toHex()),
            QString::fromLatin1(macro.confirmationText().toHex()),
            QString::number(macro.validationInt()),
            numbers(macro.automation()),
            numbers(macro.violation()),
            numbers(macro.violationReactions()),
            numbers(macro.violationTimers()),
            numbers(macro.secureSensors()),
            numbers(macro.secureActuators()),
            QString::number(macro.raio()),
            macro.flow().join(QLatin1Char(',')),
            numbers(macro.flowNum()),
            numbers(macro.flowPos())};
}

} // namespace ZorTest
