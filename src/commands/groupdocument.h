#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QUndoStack>

#include <functional>
#include <memory>

class Group;
class Macro;

// A macro with the place it holds, or held, in the group's list.
struct PlacedMacro
{
    int index = 0;
    Macro* macro = nullptr;
};

// Where a macro's box stands and how large it is, as the group stores it.
struct BoxPlacement
{
    Macro* macro = nullptr;
    QPoint position;
    QRect dimensions;
};

// The open group as the window edits it: the group itself, the undo stack of
// its edits, and an announcement of every change, so that each view (the
// canvas, the docks, the title) shows what the group holds. Every edit is a
// command pushed on the stack; the commands change the group only through
// the operations below. The group is modified exactly while the stack is
// away from the state last saved.
class GroupDocument : public QObject
{
    Q_OBJECT

public:
    explicit GroupDocument(std::unique_ptr<Group> group, QObject* parent = nullptr);
    ~GroupDocument() override;

    Group& group() const { return *m_group; }
    QUndoStack* undoStack() { return &m_undoStack; }
    // Applies the command and keeps it for undo; the stack owns it.
    void push(QUndoCommand* command);
    // Applies the command, then keeps it when what follows succeeds, or
    // takes it back, leaving no trace, when it fails.
    bool pushIf(std::unique_ptr<QUndoCommand> command, const std::function<bool()>& succeeds);
    // What the group holds now is what its file holds.
    void markSaved();
    // What the group holds is not in its file, though no edit on the stack
    // made it so (a group recovered after a crash): it stays modified,
    // whatever is undone, until markSaved().
    void markUnsaved();
    bool isModified() const;

    // The operations the commands apply. Each announces what it changed.
    // Takes ownership; the macros go back to their places in ascending
    // order of index.
    void insertMacros(const QList<PlacedMacro>& macros);
    // Gives up ownership; the result is in ascending order of index.
    QList<PlacedMacro> takeMacros(const QList<Macro*>& macros);
    void assignMacro(Macro* macro, const Macro& values);
    void placeBoxes(const QList<BoxPlacement>& placements);
    void setHeader(const QString& name, const QString& description, const QString& creationDate);

signals:
    void macrosInserted(const QList<Macro*>& macros);
    // The macros are out of the group and still alive.
    void macrosRemoved(const QList<Macro*>& macros);
    void macroChanged(Macro* macro, const QString& oldSigla);
    void boxesPlaced(const QList<Macro*>& macros);
    void headerChanged();
    // After any of the above.
    void changed();
    void modifiedChanged(bool modified);

private:
    void followStack();

    // Declared first, destroyed last: the commands may still hold macros
    // that they took out of it.
    std::unique_ptr<Group> m_group;
    QUndoStack m_undoStack;
    bool m_modified = false;
};
