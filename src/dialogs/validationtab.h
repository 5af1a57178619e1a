#pragma once

#include <QByteArray>
#include <QObject>

class QStringList;
class QTreeWidget;
class QTreeWidgetItem;

// The validation tree of the configure dialog: one row per validation of the
// reference data, row i standing for bit i of the macro's validation set.
// Once the stored choice is shown, the rows behave as one exclusive choice:
// while a row is checked the others are unchecked and greyed out.
class ValidationTab : public QObject
{
    Q_OBJECT

public:
    // Bit of the validation set that also stands for a login field of the form.
    static constexpr int LoginBit = 4;

    explicit ValidationTab(QTreeWidget* tree, QObject* parent = nullptr);

    void build(const QStringList* validations);
    // Checks the row of every bit set; a stored set may check several rows.
    void load(quint16 bits);
    // From now on a checked row excludes the others. Called after load, so
    // that a stored set of several bits comes up as it was stored.
    void makeChoiceExclusive();

    // The set of the marked rows (rows from 16 on do not fit and are left
    // out), with the login bit added when the form holds a login field.
    quint16 bits(const QByteArray& form) const;
    // Whether a field marker of the form starts with "L" or "l" (the login
    // command's "[LLLLL]", obligatory or optional).
    static bool hasLoginTag(const QByteArray& form);

private:
    void onItemChanged(QTreeWidgetItem* item, int column);

    QTreeWidget* tree;
    // Set while the handler itself changes rows, which re-enters it.
    bool validationRefreshing = false;
};
