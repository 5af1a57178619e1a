#pragma once

#include "app/anchorsettings.h"
#include "app/referencedata.h"
#include "app/referencelists.h"
#include "app/zorobject.h"
#include "dialogs/dlgconfigmacro.h"
#include "formeditor/editorfixture.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/modalanswer.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace ZorTest {

// A group for the configure dialog, with the Portuguese reference lists of
// the working folder's "zor.ini".
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

    // The one place that builds the dialog.
    std::unique_ptr<dlgConfigMacro> dialog(Macro* macro)
    {
        return std::make_unique<dlgConfigMacro>(group.get(), macro, lists);
    }

    // Shown and active, so that focus and keys behave as on screen.
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

// The identifiers of the reference lists count their entries from 1.
inline QTreeWidgetItem* item(const QTreeWidget* tree, int id)
{
    return tree->topLevelItem(id - 1);
}

inline int idOf(const QStringList& list, const QString& part)
{
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).contains(part))
            return i + 1;
    }
    qWarning("no entry holds %s", qPrintable(part));
    return 0;
}

inline int anchorId()
{
    return ZorObject::anchorSettings().anchorViolationId();
}

// The time (column 1) or radius (column 2) field of a violation.
inline QLineEdit* field(const QTreeWidget* tree, int id, int column)
{
    return qobject_cast<QLineEdit*>(tree->itemWidget(item(tree, id), column));
}

inline QList<int> checkedIds(const QTreeWidget* tree)
{
    QList<int> ids;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        if (tree->topLevelItem(i)->checkState(0) == Qt::Checked)
            ids.append(i + 1);
    }
    return ids;
}

// Watches the violations with neither time nor reaction.
inline void watch(Macro* macro, const QList<quint8>& violations)
{
    macro->setViolation(violations);
    macro->setViolationTimers(QVector<quint16>(violations.size(), 0).toList());
    macro->setViolationReactions(QVector<quint8>(violations.size(), 0).toList());
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

// Presses OK expecting no box at all; true when the dialog accepted.
inline bool pressOk(QDialog* dialog)
{
    UnexpectedBoxes unexpected;
    QTest::mouseClick(button(dialog, "btnInsert"), Qt::LeftButton);
    if (!unexpected.texts.isEmpty())
        qWarning() << "unexpected boxes:" << unexpected.texts;
    return unexpected.texts.isEmpty() && dialog->result() == QDialog::Accepted;
}

} // namespace ZorTest
