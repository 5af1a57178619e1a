#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

// A message box or dialog left open would stop the benchmark for good under
// the offscreen platform: this closes any modal window it sees (a progress
// dialog aside) and keeps its text, so that the run reports it and fails
// instead of hanging.
class ModalGuard : public QObject
{
    Q_OBJECT

public:
    explicit ModalGuard(QObject* parent = nullptr);

    QStringList seen() const { return m_seen; }

private:
    void check();

    QTimer m_timer;
    QStringList m_seen;
};
