#include "boxarranger.h"

#include "commands/groupdocument.h"
#include "commands/moveboxescommand.h"
#include "layout/grouparrangement.h"
#include "model/macro.h"

#include <QFutureWatcher>
#include <QMainWindow>
#include <QProgressDialog>
#include <QStatusBar>
#include <QtConcurrent>

namespace {

constexpr int MessageTimeoutMs = 8000;

} // namespace

struct BoxArranger::Run
{
    QPointer<GroupDocument> document;
    // Shared with the worker, which may outlive the run when it is
    // abandoned.
    std::shared_ptr<GroupArrangement> arrangement;
    std::shared_ptr<std::atomic_bool> cancel;
    bool groupChanged = false;
    QList<QMetaObject::Connection> connections;
};

BoxArranger::BoxArranger(QWidget* window)
    : QObject(window), m_window(window),
      m_compute([](GroupArrangement& arrangement, const std::atomic_bool& cancel) {
          return arrangement.compute(&cancel);
      })
{
    m_progressTimer.setSingleShot(true);
    m_progressTimer.setInterval(ProgressDelayMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &BoxArranger::showProgress);
}

BoxArranger::~BoxArranger()
{
    if (m_run)
        *m_run->cancel = true;
    delete m_progress;
}

bool BoxArranger::start(GroupDocument& document, const QList<Macro*>& macros, int gridStep)
{
    if (m_run || macros.isEmpty())
        return false;
    auto run = std::make_shared<Run>();
    run->document = &document;
    run->arrangement = std::make_shared<GroupArrangement>(document.group(), macros, gridStep);
    run->cancel = std::make_shared<std::atomic_bool>(false);
    // The group must stay as the arrangement found it until it is applied.
    run->connections.append(
        connect(&document, &GroupDocument::changed, this, [run] { run->groupChanged = true; }));
    run->connections.append(connect(&document, &QObject::destroyed, this, [this, run] {
        if (run == m_run)
            cancel();
    }));
    m_run = run;

    auto* watcher = new QFutureWatcher<bool>(this);
    connect(watcher, &QFutureWatcher<bool>::finished, this, [this, watcher, run] {
        complete(run, watcher->result());
        watcher->deleteLater();
    });
    const Compute compute = m_compute;
    const std::shared_ptr<GroupArrangement> arrangement = run->arrangement;
    const std::shared_ptr<std::atomic_bool> cancelled = run->cancel;
    watcher->setFuture(QtConcurrent::run(
        [compute, arrangement, cancelled] { return compute(*arrangement, *cancelled); }));
    m_progressTimer.start();
    return true;
}

void BoxArranger::showProgress()
{
    if (!m_run)
        return;
    m_progress = new QProgressDialog(tr("Organizando as caixas pelo fluxo..."), tr("Cancelar"), 0,
                                     0, m_window);
    m_progress->setWindowTitle(tr("Organizar caixas"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    connect(m_progress, &QProgressDialog::canceled, this, &BoxArranger::cancel);
    m_progress->show();
}

void BoxArranger::cancel()
{
    if (!m_run)
        return;
    // The worker can't be stopped half-way: it is left to finish, and its
    // result goes nowhere.
    *m_run->cancel = true;
    end(false);
}

void BoxArranger::complete(const std::shared_ptr<Run>& run, bool computed)
{
    if (run != m_run)
        return;
    bool moved = false;
    if (computed && run->document) {
        if (run->groupChanged)
            tell(tr("A organização das caixas foi descartada: o grupo mudou enquanto ela era "
                    "calculada."));
        else
            moved = apply(*run);
    }
    end(moved);
}

bool BoxArranger::apply(Run& run)
{
    const GroupArrangement& arrangement = *run.arrangement;
    QList<BoxPlacement> before;
    QList<BoxPlacement> after;
    for (int i = 0; i < arrangement.macros().size(); ++i) {
        Macro* macro = arrangement.macros().at(i);
        const QPoint position = arrangement.positions().at(i);
        if (position == macro->position())
            continue;
        before.append({macro, macro->position(), macro->dimensions()});
        after.append({macro, position, macro->dimensions()});
    }
    if (after.isEmpty()) {
        tell(tr("As caixas já estão organizadas."));
        return false;
    }
    run.document->push(
        new MoveBoxesCommand(*run.document, before, after, MoveBoxesCommand::Source::Arrange));
    return true;
}

void BoxArranger::end(bool moved)
{
    m_progressTimer.stop();
    if (m_run) {
        for (const QMetaObject::Connection& connection : qAsConst(m_run->connections))
            disconnect(connection);
        m_run.reset();
    }
    if (m_progress) {
        m_progress->hide();
        m_progress->deleteLater();
    }
    emit finished(moved);
}

void BoxArranger::tell(const QString& text) const
{
    if (auto* window = qobject_cast<QMainWindow*>(m_window))
        window->statusBar()->showMessage(text, MessageTimeoutMs);
}
