#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Watches the open group's file for changes made by other programs. The
// file's size and the time of its last change are taken whenever the editor
// reads or writes it: a notification after which the file still shows them
// is the editor's own write, and a file that shows others was changed
// elsewhere, whether or not a notification came (shares on the network
// often send none). Reading the whole file for a digest instead would cost
// as much as the save itself on a large group.
class FileChangeWatch : public QObject
{
    Q_OBJECT

public:
    explicit FileChangeWatch(QObject* parent = nullptr);

    // Watches path, known to hold what it holds now.
    void watch(const QString& path);
    // Watches path, known to have held knownState (see stateOf).
    void watch(const QString& path, const QByteArray& knownState);
    void stop();

    QString path() const { return m_path; }
    QByteArray knownState() const { return m_known; }
    // Whether the file was written since it was known. A file that is gone
    // is no change: writing it again loses nothing.
    bool isChangedElsewhere() const;

    // The file's size and time of last change; empty when it is gone.
    static QByteArray stateOf(const QString& path);

signals:
    // After a notification, once the file has settled.
    void checked(bool changedElsewhere);

private:
    bool startWatching();
    void notified();
    void check();

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QString m_path;
    QByteArray m_known;
};
