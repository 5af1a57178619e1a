#include "findingsmodel.h"

void FindingsModel::setFindings(const QList<GroupCheck::Finding>& findings)
{
    // Most refreshes find what was there: the view keeps its selection and
    // scroll position then.
    if (findings == m_findings) {
        m_findings = findings;
        return;
    }
    beginResetModel();
    m_findings = findings;
    endResetModel();
}

void FindingsModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

int FindingsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_findings.size();
}

int FindingsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FindingsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_findings.size())
        return QVariant();
    const GroupCheck::Finding& finding = m_findings.at(index.row());
    QString text;
    switch (index.column()) {
    case RuleColumn:
        text = finding.rule;
        break;
    case MacroColumn:
        text = QStringLiteral("%1 (%2)").arg(finding.sigla, finding.num);
        break;
    case MessageColumn:
        text = finding.message;
        break;
    default:
        return QVariant();
    }
    // A long message is cut by its column.
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return text;
    return QVariant();
}

QVariant FindingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case RuleColumn:
        return tr("Regra");
    case MacroColumn:
        return tr("Macro");
    case MessageColumn:
        return tr("Problema");
    default:
        return QVariant();
    }
}
