#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Watches the open group's file for changes made by other programs. What
// the file holds is known by a digest of its bytes, taken whenever the
// editor reads or writes it: a notification after which the file still
// holds exactly that is the editor's own write, and a file that differs
// from it was changed elsewhere, whether or not a notification came (shares
// on the network often send none).
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
    // Whether the file holds something else than what is known. A file
    // that is gone is no change: writing it again loses nothing.
    bool isChangedElsewhere() const;

    // A digest of the file's bytes; empty when it can't be read.
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
