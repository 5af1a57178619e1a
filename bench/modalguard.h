#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

// A message box or dialog left open would stop the benchmark for good under
// the offscreen platform: this closes any modal window it sees (a progress
// dialog aside) and keeps its text, so that the run reports it and fails
// instead of hanging. A measurement that opens a dialog on purpose names its
// class while it drives it.
class ModalGuard : public QObject
{
    Q_OBJECT

public:
    explicit ModalGuard(QObject* parent = nullptr);

    QStringList seen() const { return m_seen; }
    // Dialogs of this class (null: none) are left to the measurement.
    void allow(const QMetaObject* dialogClass) { m_allowed = dialogClass; }

private:
    void check();

    QTimer m_timer;
    QStringList m_seen;
    const QMetaObject* m_allowed = nullptr;
};
