#pragma once

#include <QList>
#include <QObject>
#include <QString>

class Macro;
class QLineEdit;
class QStringList;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// The violation tree of the configure dialog: one row per violation of the
// reference data (row index = identifier - 1) with its analysis time and, for
// the anchor violation, its radius, and one child per reaction. It follows
// the anchor row, which takes the macro's shortcut away, and gives back what
// the user chose; the dialog writes it to the macro.
class ViolationTab : public QObject
{
    Q_OBJECT

public:
    static constexpr int TimeColumn = 1;
    static constexpr int RadiusColumn = 2;
    static constexpr int MaxViolations = 20;
    // The longest analysis time, in seconds (4:00).
    static constexpr int MaxTime = 240;

    // What the tree holds, in the layout of the macro's lists.
    struct Selection
    {
        QList<quint8> violations;
        QList<quint8> reactions;
        QList<quint16> timers;
    };

    // The reference lists, owned by the main window; any may be null.
    struct Lists
    {
        const QStringList* violations = nullptr;
        const QStringList* timerFlags = nullptr;
        const QStringList* radiusViolations = nullptr;
        const QStringList* reactions = nullptr;
    };

    // dialog: parent of the boxes; shortcut: the field that the anchor row
    // disables.
    ViolationTab(QTreeWidget* tree, QLineEdit* shortcut, QWidget* dialog);

    // Builds the rows from the lists and shows the macro's choice.
    void build(const Lists& lists, const Macro& macro);

    // The anchor row (from the anchor settings) is checked.
    bool anchorSelected() const { return m_anchorSelected; }
    // The anchor row exists and is fully checked.
    bool anchorRowChecked() const;

    // Reads the radius of the first marked row that has one and checks it
    // against the anchor settings' range; on failure message receives the
    // text for the user.
    bool checkAnchorLimits(QString* message);
    // The radius last read by checkAnchorLimits; 0 until one was read.
    quint16 anchorRadius() const { return m_anchorRadius; }

    // Unchecks the rows from MaxViolations on, after a warning, when more
    // than MaxViolations rows are checked.
    void enforceMaximum();
    // Space in the tree: toggles the current item. Checking runs the
    // maximum rule through the tree's clicked signal.
    void toggleCurrentItem();
    // Return in the tree: from the name to the time field, and from the time
    // column back to the name.
    void navigate();

    Selection selection() const;

    // "m:ss" of seconds; times beyond MaxTime show as 4:00.
    static QString timeText(int seconds);
    // Seconds of a time field's text, minutes * 60 + seconds.
    static int seconds(const QString& text);
    // A time as typed, corrected: seconds above 59 become 59, then a time
    // above 4:00 becomes 4:00. Text already in range comes back unchanged.
    static QString normalisedTime(const QString& text);

private:
    void addViolationRow(int index, const Lists& lists, const Macro& macro);
    void addReactions(QTreeWidgetItem* row, const QStringList* reactions, const Macro& macro,
                      int position);
    QLineEdit* addTimeField(QTreeWidgetItem* row);
    QLineEdit* addRadiusField(QTreeWidgetItem* row, quint16 radius);
    void onItemChanged(QTreeWidgetItem* item, int column);
    void normaliseTime(QLineEdit* field);
    QLineEdit* field(QTreeWidgetItem* row, int column) const;
    int anchorRow() const;

    QTreeWidget* tree;
    QLineEdit* shortcut;
    QWidget* dialog;
    bool m_anchorSelected = false;
    quint16 m_anchorRadius = 0;
};
