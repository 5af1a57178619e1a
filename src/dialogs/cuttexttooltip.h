#pragma once

#include <QObject>

class QAbstractItemView;
class QModelIndex;

// Shows the whole text of an item view's cell in a tool tip when its column
// cuts it short; a cell shown whole has none.
class CutTextToolTip : public QObject
{
public:
    // Watches the view's viewport; the view owns the watcher.
    explicit CutTextToolTip(QAbstractItemView* view);

    static bool isCut(const QAbstractItemView& view, const QModelIndex& index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* m_view;
};
