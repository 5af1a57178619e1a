#pragma once

#include "recovery/filechangewatch.h"
#include "recovery/openfilelock.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>

#include <memory>
#include <vector>

class GroupDocument;
class RecoveryCopy;
class QWidget;

// Keeps the work on the open group safe beyond the group itself: a recovery
// copy while the group has unsaved changes, a lock that tells a second
// editor the file is open here, and a watch on the file for changes made by
// other programs. The window calls it at each step of a group's life and
// asks it before it opens or writes a file.
class FileGuard : public QObject
{
    Q_OBJECT

public:
    // window: the parent of the questions asked.
    explicit FileGuard(QWidget* window);
    ~FileGuard() override;

    // Seconds between two recovery copies: "recovery/interval" of the
    // settings, 60 unless set; 0 writes none.
    static int recoveryInterval();

    // Before the window opens path: true when no other editor has it open,
    // or when the user chose to open it all the same.
    bool mayOpen(const QString& path);
    // The copy of path left by an editor that is no longer running, when the
    // user chose to recover it; a copy discarded is removed, one put off is
    // kept for the next start.
    std::unique_ptr<RecoveryCopy> offerCopyOf(const QString& path);
    // At start: the copies left by editors no longer running, newest first,
    // until one is recovered.
    std::unique_ptr<RecoveryCopy> offerCopies();

    // The window's group from now on; copies follow its changes.
    void attach(GroupDocument* document);
    // The group is closed for good (saved, discarded or unchanged): its copy
    // goes, and its file is neither locked nor watched any more.
    void detach();
    // The group and the file at path hold the same now (just read or
    // written): the file is locked and watched.
    void followFile(const QString& path);
    // The group was read from copy, which it keeps writing; its file is
    // locked and watched as it was when the copy was written.
    void adopt(std::unique_ptr<RecoveryCopy> copy);
    // Before the group is written over its own file at path: false when
    // another program changed the file and the user chose to leave it.
    bool mayOverwrite(const QString& path);

signals:
    // The file changed on disk while the group had no unsaved changes, and
    // the user chose to read it again.
    void reloadRequested(const QString& path);

private:
    enum class Answer { Recover, Discard, Later };

    std::unique_ptr<RecoveryCopy> offer(std::vector<std::unique_ptr<RecoveryCopy>> copies,
                                        bool checkLock);
    Answer askAboutCopy(const RecoveryCopy& copy) const;
    int ask(QMessageBox::Icon icon, const QString& text, const QString& informative,
            const QStringList& buttons, int defaultButton) const;
    void scheduleCopy();
    void writeCopy();
    void dropCopy();
    void fileChecked(bool changedElsewhere);

    QWidget* m_window;
    QPointer<GroupDocument> m_document;
    std::unique_ptr<RecoveryCopy> m_copy;
    OpenFileLock m_lock;
    FileChangeWatch m_watch;
    QTimer m_copyTimer;
    // Looks again at a change seen while the user was busy with a dialog.
    QTimer m_recheck;
    // The copies put off in this session.
    QSet<QString> m_putOff;
    // What the file held when the user last declined to reload it.
    QByteArray m_declinedState;
};
