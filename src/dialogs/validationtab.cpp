#include "validationtab.h"

#include "referencetree.h"

#include <QTreeWidget>

ValidationTab::ValidationTab(QTreeWidget* tree, QObject* parent) : QObject(parent), tree(tree) {}

void ValidationTab::build(const QStringList* validations)
{
    ReferenceTree::addRows(tree, validations);
}

void ValidationTab::load(quint16 bits)
{
    for (int bit = 0; bit < 16; ++bit) {
        if (bits & (1u << bit))
            ReferenceTree::checkRow(tree, bit);
    }
}

void ValidationTab::makeChoiceExclusive()
{
    connect(tree, &QTreeWidget::itemChanged, this, &ValidationTab::onItemChanged,
            Qt::UniqueConnection);
}

quint16 ValidationTab::bits(const QByteArray& form) const
{
    quint16 result = 0;
    const QList<int> rows = ReferenceTree::markedRows(tree);
    for (const int row : rows) {
        if (row < 16)
            result = quint16(result + (1u << row));
    }
    if (hasLoginTag(form))
        result |= quint16(1u << LoginBit);
    return result;
}

bool ValidationTab::hasLoginTag(const QByteArray& form)
{
    for (int i = 0; i + 1 < form.size(); ++i) {
        if (form.at(i) == '[' && (form.at(i + 1) == 'L' || form.at(i + 1) == 'l'))
            return true;
    }
    return false;
}

void ValidationTab::onItemChanged(QTreeWidgetItem* item, int column)
{
    if (column != 0 || validationRefreshing || !item)
        return;
    validationRefreshing = true;
    const bool checked = item->checkState(0) == Qt::Checked;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = tree->topLevelItem(i);
        if (row != item && checked) {
            row->setCheckState(0, Qt::Unchecked);
            row->setDisabled(true);
        } else {
            row->setDisabled(false);
        }
    }
    validationRefreshing = false;
}
