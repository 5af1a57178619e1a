#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

class GroupArrangement;
class GroupDocument;
class Macro;
class QProgressDialog;
class QWidget;

// "Organizar caixas": lays boxes out by their flow off the window's thread,
// shows a progress dialog with "Cancelar" when that takes more than half a
// second, and moves every box in one undoable command. A cancelled
// arrangement is abandoned: its result, whenever it comes, is dropped, and
// so is the result of one during which the group changed.
class BoxArranger : public QObject
{
    Q_OBJECT

public:
    // How long the window waits before it shows the progress.
    static constexpr int ProgressDelayMs = 500;

    // Computes the arrangement; false when cancelled. Called on a worker
    // thread.
    using Compute = std::function<bool(GroupArrangement&, const std::atomic_bool& cancel)>;

    // The progress dialog is window-modal over window.
    explicit BoxArranger(QWidget* window);
    ~BoxArranger() override;

    // For tests: another computation than the layout's own.
    void setCompute(Compute compute) { m_compute = std::move(compute); }

    // Arranges the boxes of macros, the others staying where they are;
    // gridStep > 0 puts them on the grid. False when an arrangement runs
    // already or there is nothing to arrange.
    bool start(GroupDocument& document, const QList<Macro*>& macros, int gridStep);
    bool isRunning() const { return m_run != nullptr; }
    void cancel();

signals:
    // moved: the boxes were moved by a command on the document's stack.
    void finished(bool moved);

private:
    struct Run;

    void showProgress();
    void complete(const std::shared_ptr<Run>& run, bool computed);
    bool apply(Run& run);
    void end(bool moved);
    void tell(const QString& text) const;

    QWidget* m_window;
    Compute m_compute;
    std::shared_ptr<Run> m_run;
    QTimer m_progressTimer;
    QPointer<QProgressDialog> m_progress;
};
