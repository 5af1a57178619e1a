#pragma once

#include <QList>
#include <QString>

class QStringList;
class QTreeWidget;
class QTreeWidgetItem;

// A tree of check boxes with one top-level row per entry of a reference list.
// Row i stands for position i of the list, so that identifiers and bit
// numbers stay aligned with the list; a reserved entry ("(RESERVADO)")
// keeps its row but is hidden.
class ReferenceTree
{
public:
    static bool isReserved(const QString& text);

    // Appends an unchecked, checkable top-level row; reserved rows are
    // hidden. Returns the row's item, owned by the tree.
    static QTreeWidgetItem* addRow(QTreeWidget* tree, const QString& text);
    // One row per entry, in list order; nothing without a list.
    static void addRows(QTreeWidget* tree, const QStringList* entries);

    // Checks the row at index when it exists; other indices are ignored.
    static void checkRow(QTreeWidget* tree, int index);
    // The indices of the top-level rows whose state is not unchecked (a
    // partial check counts), in row order.
    static QList<int> markedRows(const QTreeWidget* tree);
};
