#include "verificationdock.h"

#include "ui_verificationdock.h"

#include "commands/groupdocument.h"
#include "findingsmodel.h"
#include "model/group.h"
#include "model/macro.h"

#include <QEvent>
#include <QHeaderView>
#include <QMainWindow>

VerificationDock::VerificationDock(QWidget* parent)
    : QDockWidget(parent), ui(new Ui::VerificationDock), m_model(new FindingsModel(this))
{
    ui->setupUi(this);
    ui->viewFindings->setModel(m_model);
    QHeaderView* header = ui->viewFindings->header();
    header->setSectionResizeMode(FindingsModel::RuleColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(FindingsModel::MacroColumn, QHeaderView::ResizeToContents);
    header->setStretchLastSection(true);
    connect(ui->viewFindings, &QAbstractItemView::activated, this, &VerificationDock::activate);
    m_timer.setSingleShot(true);
    m_timer.setInterval(RefreshDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &VerificationDock::refresh);
    showState();
}

VerificationDock::~VerificationDock() = default;

void VerificationDock::setDocument(GroupDocument* document)
{
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_document = document;
    if (document) {
        // Where the boxes stand takes part in no rule: moves are left out.
        connect(document, &GroupDocument::macrosInserted, this, &VerificationDock::scheduleRefresh);
        connect(document, &GroupDocument::macrosRemoved, this, &VerificationDock::scheduleRefresh);
        connect(document, &GroupDocument::macroChanged, this, &VerificationDock::scheduleRefresh);
        connect(document, &GroupDocument::headerChanged, this, &VerificationDock::scheduleRefresh);
    }
    refresh();
}

void VerificationDock::scheduleRefresh()
{
    // Not restarted by later changes: a run of edits shows within the delay
    // of its first one.
    if (!m_timer.isActive())
        m_timer.start();
}

void VerificationDock::refresh()
{
    m_timer.stop();
    m_model->setFindings(m_document ? GroupCheck(m_document->group()).findings()
                                    : QList<GroupCheck::Finding>());
    showState();
}

const QList<GroupCheck::Finding>& VerificationDock::findings() const
{
    return m_model->findings();
}

int VerificationDock::problemCount() const
{
    return m_document ? m_model->rowCount() : -1;
}

QString VerificationDock::countText() const
{
    const int count = problemCount();
    if (count < 0)
        return QString();
    if (count == 0)
        return tr("Nenhum problema");
    return count == 1 ? tr("1 problema") : tr("%1 problemas").arg(count);
}

void VerificationDock::showState()
{
    const int count = problemCount();
    if (count < 0)
        ui->lblVerification->setText(tr("Nenhum grupo aberto."));
    else if (count == 0)
        ui->lblVerification->setText(tr("O grupo não tem problemas."));
    ui->lblVerification->setVisible(count <= 0);
    ui->viewFindings->setVisible(count > 0);
    emit problemCountChanged(count);
}

bool VerificationDock::isScreenRule(const QString& rule)
{
    return rule == GroupCheck::Characters || rule == GroupCheck::FieldMarkers;
}

Macro* VerificationDock::macroOf(const GroupCheck::Finding& finding) const
{
    if (!m_document)
        return nullptr;
    const Group& group = m_document->group();
    // The macro may have left the group since the check.
    if (finding.macro && group.indexOf(finding.macro) >= 0)
        return const_cast<Macro*>(finding.macro);
    const QList<Macro*> macros = group.macros();
    for (Macro* macro : macros) {
        if (macro->sigla() == finding.sigla && macro->num() == finding.num)
            return macro;
    }
    return nullptr;
}

void VerificationDock::activate(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const GroupCheck::Finding finding = m_model->finding(index.row());
    if (Macro* macro = macroOf(finding))
        emit findingActivated(macro, finding.rule);
}

void VerificationDock::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    if (m_widened)
        return;
    m_widened = true;
    // Once the window has its size: the messages need more room than the
    // group's information beside them.
    QTimer::singleShot(0, this, [this] {
        if (auto* window = qobject_cast<QMainWindow*>(parentWidget()))
            window->resizeDocks({this}, {window->width() * 3 / 5}, Qt::Horizontal);
    });
}

void VerificationDock::changeEvent(QEvent* event)
{
    // The messages are written in the language of the check.
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        m_model->retranslate();
        refresh();
    }
    QDockWidget::changeEvent(event);
}
