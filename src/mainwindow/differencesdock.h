#pragma once

#include "compare/groupdifference.h"

#include <QDockWidget>
#include <QString>

#include <memory>

class Group;
class QTreeWidgetItem;
struct ReferenceLists;

namespace Ui {
class DifferencesDock;
}

// Lists what changed between another version of the open group, read from
// a file, and the group as it is open now: one row per macro, one child row
// per change. Clicking a row asks for the macro's box in the open group.
class DifferencesDock : public QDockWidget
{
    Q_OBJECT

public:
    // lists: the main window's reference lists, which name violations,
    // reactions and the rest; read again at every language change.
    explicit DifferencesDock(const ReferenceLists& lists, QWidget* parent = nullptr);
    ~DifferencesDock() override;

    // Reads the group in path, without touching the file, compares it, as
    // the version before, with group, and shows the differences. False,
    // after saying so, when the file can't be read.
    bool compareWith(const QString& path, const Group& group);
    void showDifference(const GroupDifference& difference, const QString& otherPath);
    // Forgets the comparison: the group it was made with is gone.
    void clear();

    const GroupDifference& difference() const { return m_difference; }

signals:
    // The acronym of a macro of the open group whose row was clicked.
    void macroActivated(const QString& sigla);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_treeDifferences_itemClicked(QTreeWidgetItem* item, int column);
    void on_treeDifferences_itemActivated(QTreeWidgetItem* item, int column);

private:
    void fill();
    void activate(const QTreeWidgetItem* item);

    std::unique_ptr<Ui::DifferencesDock> ui;
    const ReferenceLists& lists;
    GroupDifference m_difference;
    QString otherPath;
};
