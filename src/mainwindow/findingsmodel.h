#pragma once

#include "model/groupcheck.h"

#include <QAbstractTableModel>
#include <QList>

// The findings of a group check as a table: rule, macro (acronym and
// number) and message, in the order the check gives them.
class FindingsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { RuleColumn, MacroColumn, MessageColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setFindings(const QList<GroupCheck::Finding>& findings);
    // The column titles in the language now installed.
    void retranslate();
    const QList<GroupCheck::Finding>& findings() const { return m_findings; }
    const GroupCheck::Finding& finding(int row) const { return m_findings.at(row); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<GroupCheck::Finding> m_findings;
};
