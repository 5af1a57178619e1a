#pragma once

#include "model/groupcheck.h"

#include <QDockWidget>
#include <QPointer>
#include <QTimer>

#include <memory>

class FindingsModel;
class GroupDocument;
class Macro;
class QModelIndex;

namespace Ui {
class VerificationDock;
}

// Lists what the terminal's rules find in the open group, the same findings
// in the same order as "zor --check", and follows the group's changes a
// moment after they happen, off the path of the edit itself. Activating a
// finding asks for its macro. It only reads the group.
class VerificationDock : public QDockWidget
{
    Q_OBJECT

public:
    // The most time a change waits before the list shows it.
    static constexpr int RefreshDelayMs = 100;

    explicit VerificationDock(QWidget* parent = nullptr);
    ~VerificationDock() override;

    // Follows the document from now on and lists its findings at once;
    // null: no group, nothing listed.
    void setDocument(GroupDocument* document);
    // Checks the group again now: after it was filled without commands, and
    // for the benchmark.
    void refresh();
    bool isRefreshPending() const { return m_timer.isActive(); }

    const QList<GroupCheck::Finding>& findings() const;
    // -1 without a group.
    int problemCount() const;
    // "3 problemas", or "" without a group.
    QString countText() const;

    // Whether the finding concerns the macro's screens, which its
    // configuration edits.
    static bool isScreenRule(const QString& rule);

signals:
    void problemCountChanged(int count);
    // A finding chosen by the user, with its macro in the open group.
    void findingActivated(Macro* macro, const QString& rule);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void scheduleRefresh();
    void showState();
    void activate(const QModelIndex& index);
    Macro* macroOf(const GroupCheck::Finding& finding) const;

    std::unique_ptr<Ui::VerificationDock> ui;
    FindingsModel* m_model;
    QPointer<GroupDocument> m_document;
    QTimer m_timer;
    bool m_widened = false;
};
