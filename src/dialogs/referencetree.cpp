#include "referencetree.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTreeWidget>

bool ReferenceTree::isReserved(const QString& text)
{
    static const QRegularExpression reserved(QStringLiteral("^\\(.*RESERV.*\\)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    return reserved.match(text).hasMatch();
}

QTreeWidgetItem* ReferenceTree::addRow(QTreeWidget* tree, const QString& text)
{
    auto* row = new QTreeWidgetItem(tree, QStringList(text));
    row->setCheckState(0, Qt::Unchecked);
    row->setHidden(isReserved(text));
    return row;
}

void ReferenceTree::addRows(QTreeWidget* tree, const QStringList* entries)
{
    if (!entries)
        return;
    for (const QString& text : *entries)
        addRow(tree, text);
}

void ReferenceTree::checkRow(QTreeWidget* tree, int index)
{
    if (index >= 0 && index < tree->topLevelItemCount())
        tree->topLevelItem(index)->setCheckState(0, Qt::Checked);
}

QList<int> ReferenceTree::markedRows(const QTreeWidget* tree)
{
    QList<int> rows;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        if (tree->topLevelItem(i)->checkState(0) != Qt::Unchecked)
            rows.append(i);
    }
    return rows;
}
