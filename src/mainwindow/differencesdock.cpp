#include "differencesdock.h"

#include "ui_differencesdock.h"

#include "app/anchorsettings.h"
#include "app/referencelists.h"
#include "compare/differencetext.h"
#include "compare/groupcomparer.h"
#include "model/group.h"

#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMainWindow>
#include <QMessageBox>

namespace {

// Where a row keeps the acronym of its macro in the open group; empty for
// the header and for removed macros, which have no box there.
constexpr int SiglaRole = Qt::UserRole;

} // namespace

DifferencesDock::DifferencesDock(const ReferenceLists& lists, QWidget* parent)
    : QDockWidget(parent), ui(new Ui::DifferencesDock), lists(lists)
{
    ui->setupUi(this);
    // Form rows make long lines: they scroll rather than being cut short.
    ui->treeDifferences->header()->setStretchLastSection(false);
    ui->treeDifferences->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

DifferencesDock::~DifferencesDock() = default;

bool DifferencesDock::compareWith(const QString& path, const Group& group)
{
    Group other{QString(), QString()};
    if (!other.readFile(path)) {
        QMessageBox box(QMessageBox::Critical, QString(),
                        tr("Não foi possível abrir o arquivo %1").arg(path), QMessageBox::Ok, this);
        box.exec();
        return false;
    }
    CompareOptions options;
    options.timerFlags = lists.violationTimerFlags;
    options.anchorViolationId = Group::anchorSettings().anchorViolationId();
    showDifference(GroupComparer::compare(other, group, options), path);
    return true;
}

void DifferencesDock::showDifference(const GroupDifference& difference, const QString& path)
{
    m_difference = difference;
    otherPath = path;
    fill();
    if (!isVisible()) {
        show();
        // Beside the information dock, half the width is room for a form row.
        if (auto* window = qobject_cast<QMainWindow*>(parentWidget()))
            window->resizeDocks({this}, {window->width() / 2}, Qt::Horizontal);
    }
    raise();
}

void DifferencesDock::clear()
{
    m_difference = GroupDifference();
    otherPath.clear();
    fill();
}

void DifferencesDock::fill()
{
    ui->treeDifferences->clear();
    if (otherPath.isEmpty()) {
        ui->lblDifferences->clear();
        return;
    }
    const QString name = QFileInfo(otherPath).fileName();
    ui->lblDifferences->setText(m_difference.isEmpty()
                                    ? tr("Nenhuma diferença entre %1 e o grupo aberto.").arg(name)
                                    : tr("De %1 para o grupo aberto:").arg(name));
    const DifferenceText text(lists);
    if (!m_difference.header.isEmpty()) {
        auto* header = new QTreeWidgetItem(ui->treeDifferences, {DifferenceText::headerTitle()});
        for (const FieldChange& change : qAsConst(m_difference.header))
            new QTreeWidgetItem(header, {text.line(change)});
    }
    for (const MacroDifference& macro : qAsConst(m_difference.macros)) {
        const QString sigla =
            macro.kind == MacroDifference::Kind::Removed ? QString() : macro.sigla;
        auto* top = new QTreeWidgetItem(
            ui->treeDifferences, {DifferenceText::title(macro) + QLatin1Char(' ') + macro.name});
        top->setData(0, SiglaRole, sigla);
        const QStringList lines = text.lines(macro);
        for (const QString& line : lines) {
            auto* item = new QTreeWidgetItem(top, {line});
            item->setData(0, SiglaRole, sigla);
        }
    }
    ui->treeDifferences->expandAll();
}

void DifferencesDock::changeEvent(QEvent* event)
{
    // Posted after the main window has read the new language's lists.
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fill();
    }
    QDockWidget::changeEvent(event);
}

void DifferencesDock::on_treeDifferences_itemClicked(QTreeWidgetItem* item, int column)
{
    Q_UNUSED(column)
    activate(item);
}

void DifferencesDock::on_treeDifferences_itemActivated(QTreeWidgetItem* item, int column)
{
    Q_UNUSED(column)
    activate(item);
}

void DifferencesDock::activate(const QTreeWidgetItem* item)
{
    const QString sigla = item ? item->data(0, SiglaRole).toString() : QString();
    if (!sigla.isEmpty())
        emit macroActivated(sigla);
}
