#include "cuttexttooltip.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

CutTextToolTip::CutTextToolTip(QAbstractItemView* view) : QObject(view), m_view(view)
{
    view->viewport()->installEventFilter(this);
}

bool CutTextToolTip::isCut(const QAbstractItemView& view, const QModelIndex& index)
{
    // The cell's room, beside what its text, check box and margins ask for.
    return index.isValid() && view.visualRect(index).width() < view.sizeHintForIndex(index).width();
}

bool CutTextToolTip::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_view->viewport() || event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = m_view->indexAt(help->pos());
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!isCut(*m_view, index) || text.isEmpty()) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(help->globalPos(), text, m_view->viewport(), m_view->visualRect(index));
    return true;
}
