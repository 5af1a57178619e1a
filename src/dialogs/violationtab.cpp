#include "violationtab.h"

#include "app/anchorsettings.h"
#include "app/zorobject.h"
#include "model/macro.h"
#include "referencetree.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>
#include <QTreeWidget>

namespace {

// The texts belong to the dialog that shows the tree; they are marked with
// QT_TRANSLATE_NOOP in that context.
QString trDialog(const char* text)
{
    return QCoreApplication::translate("dlgConfigMacro", text);
}

// Reaction sets are 8 bits wide: reactions past the eighth can't be stored.
constexpr int ReactionBits = 8;
// Violation identifiers are 8 bits wide.
constexpr int MaxViolationRows = 255;

// Under a violation of a combination vehicle, the cabin alert and alarm
// reactions do not apply.
bool isCombinationVehicle(const QString& violation)
{
    return violation.contains(QLatin1String("Bitrem")) ||
           violation.contains(QLatin1String("Semi-trailer"));
}

bool isAlertOrAlarm(const QString& reaction)
{
    static const QRegularExpression pattern(QStringLiteral("(Alert)|(Alarm)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(reaction).hasMatch();
}

} // namespace

ViolationTab::ViolationTab(QTreeWidget* tree, QLineEdit* shortcut, QWidget* dialog)
    : QObject(dialog), tree(tree), shortcut(shortcut), dialog(dialog)
{
    connect(tree, &QTreeWidget::itemChanged, this, &ViolationTab::onItemChanged);
}

void ViolationTab::build(const Lists& lists, const Macro& macro)
{
    tree->setColumnCount(3);
    tree->setColumnWidth(0, 350);
    tree->setColumnWidth(TimeColumn, 120);
    tree->setColumnWidth(RadiusColumn, 50);
    if (lists.violations) {
        const int rows = qMin(lists.violations->size(), MaxViolationRows);
        for (int index = 0; index < rows; ++index)
            addViolationRow(index, lists, macro);
    }
    tree->resizeColumnToContents(0);
    tree->header()->setSectionResizeMode(QHeaderView::Stretch);
}

void ViolationTab::addViolationRow(int index, const Lists& lists, const Macro& macro)
{
    const quint8 id = quint8(index + 1);
    const QString name = lists.violations->at(index);
    auto* row = new QTreeWidgetItem(tree, QStringList(name));
    const int position = macro.violationIndex(id);

    if (lists.timerFlags && lists.timerFlags->value(index) == QLatin1String("1")) {
        const quint16 time = position != -1 ? macro.violationTimer(quint8(position)) : 0;
        addTimeField(row)->setText(timeText(time));
    }
    if (lists.radiusViolations && lists.radiusViolations->contains(QString::number(id)))
        addRadiusField(row, macro.raio());

    // The first check state of a row runs the row handler, which enables the
    // fields of a checked row and follows the anchor row.
    row->setCheckState(0, position != -1 ? Qt::Checked : Qt::Unchecked);
    addReactions(row, lists.reactions, macro, position);
    row->setHidden(ReferenceTree::isReserved(name));
}

void ViolationTab::addReactions(QTreeWidgetItem* row, const QStringList* reactions,
                                const Macro& macro, int position)
{
    if (!reactions)
        return;
    const bool combination = isCombinationVehicle(row->text(0));
    for (int bit = 0; bit < reactions->size(); ++bit) {
        const QString& name = reactions->at(bit);
        auto* child = new QTreeWidgetItem(row, QStringList(name));
        const bool chosen = position != -1 && bit < ReactionBits &&
                            macro.hasReaction(quint8(position), quint8(bit));
        if (combination && isAlertOrAlarm(name)) {
            child->setCheckState(0, Qt::Unchecked);
            child->setDisabled(true);
        } else {
            child->setCheckState(0, chosen ? Qt::Checked : Qt::Unchecked);
        }
    }
}

QLineEdit* ViolationTab::addTimeField(QTreeWidgetItem* row)
{
    auto* edit = new QLineEdit(tree);
    edit->setMaxLength(4);
    edit->setInputMask(QStringLiteral("9:99"));
    tree->setItemWidget(row, TimeColumn, edit);
    connect(edit, &QLineEdit::textChanged, this, [this, edit] { normaliseTime(edit); });
    return edit;
}

QLineEdit* ViolationTab::addRadiusField(QTreeWidgetItem* row, quint16 radius)
{
    auto* edit = new QLineEdit(tree);
    edit->setMaxLength(5);
    edit->setInputMask(QStringLiteral("9999"));
    tree->setItemWidget(row, RadiusColumn, edit);
    edit->setText(QString::number(radius));
    return edit;
}

QLineEdit* ViolationTab::field(QTreeWidgetItem* row, int column) const
{
    return qobject_cast<QLineEdit*>(tree->itemWidget(row, column));
}

int ViolationTab::anchorRow() const
{
    return ZorObject::anchorSettings().anchorViolationId() - 1;
}

bool ViolationTab::anchorRowChecked() const
{
    const int row = anchorRow();
    return row >= 0 && row < tree->topLevelItemCount() &&
           tree->topLevelItem(row)->checkState(0) == Qt::Checked;
}

// The fields of a row apply only while it is marked; the anchor row also
// takes the shortcut away, since a macro with anchor analysis has none.
void ViolationTab::onItemChanged(QTreeWidgetItem* item, int column)
{
    Q_UNUSED(column)
    if (!item || item->parent())
        return;
    const bool marked = item->checkState(0) != Qt::Unchecked;
    for (const int fieldColumn : {TimeColumn, RadiusColumn}) {
        if (QLineEdit* edit = field(item, fieldColumn))
            edit->setEnabled(marked);
    }
    if (tree->indexOfTopLevelItem(item) == anchorRow()) {
        m_anchorSelected = marked;
        shortcut->setEnabled(!marked);
    }
}

bool ViolationTab::checkAnchorLimits(QString* message)
{
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = tree->topLevelItem(i);
        QLineEdit* radius = field(row, RadiusColumn);
        if (row->checkState(0) == Qt::Unchecked || !radius)
            continue;
        const uint value = radius->text().toUInt(nullptr, 10);
        m_anchorRadius = quint16(value);
        const AnchorSettings& settings = ZorObject::anchorSettings();
        if (value < uint(qMax(settings.minRadius(), 0))) {
            *message = trDialog(QT_TRANSLATE_NOOP(
                           "dlgConfigMacro",
                           "O valor de 'Violação de Âncora'' é menor que o mínimo permitido (")) +
                       QString::number(settings.minRadius()) + QStringLiteral(").");
            return false;
        }
        if (value > uint(qMax(settings.maxRadius, 0))) {
            *message = trDialog(QT_TRANSLATE_NOOP(
                           "dlgConfigMacro",
                           "O valor de 'Violação de Âncora' é maior que o máximo permitido (")) +
                       QString::number(settings.maxRadius) + QStringLiteral(");");
            return false;
        }
        return true;
    }
    return true;
}

void ViolationTab::enforceMaximum()
{
    int checked = 0;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        if (tree->topLevelItem(i)->checkState(0) == Qt::Checked)
            ++checked;
    }
    if (checked <= MaxViolations)
        return;
    QMessageBox::warning(
        dialog, QString(),
        trDialog(QT_TRANSLATE_NOOP("dlgConfigMacro", "Apenas %1 violações são permitidas!"))
            .arg(MaxViolations));
    for (int i = MaxViolations; i < tree->topLevelItemCount(); ++i)
        tree->topLevelItem(i)->setCheckState(0, Qt::Unchecked);
}

void ViolationTab::toggleCurrentItem()
{
    QTreeWidgetItem* item = tree->currentItem();
    // A disabled reaction can't be chosen by mouse either.
    if (!item || !(item->flags() & Qt::ItemIsEnabled))
        return;
    if (item->checkState(0) != Qt::Checked) {
        item->setCheckState(0, Qt::Checked);
        emit tree->clicked(QModelIndex());
    } else {
        item->setCheckState(0, Qt::Unchecked);
    }
}

void ViolationTab::navigate()
{
    QTreeWidgetItem* item = tree->currentItem();
    if (!item)
        return;
    if (tree->currentColumn() == 0) {
        if (QLineEdit* time = field(item, TimeColumn))
            time->setFocus(Qt::TabFocusReason);
    } else if (tree->currentColumn() == TimeColumn) {
        tree->setCurrentItem(item, 0);
    }
}

ViolationTab::Selection ViolationTab::selection() const
{
    Selection chosen;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = tree->topLevelItem(i);
        if (row->checkState(0) == Qt::Unchecked)
            continue;
        chosen.violations.append(quint8(i + 1));
        const QLineEdit* time = field(row, TimeColumn);
        chosen.timers.append(quint16(time ? seconds(time->text()) : 0));
        quint8 reactions = 0;
        for (int bit = 0; bit < qMin(row->childCount(), ReactionBits); ++bit) {
            if (row->child(bit)->checkState(0) == Qt::Checked)
                reactions |= quint8(1u << bit);
        }
        chosen.reactions.append(reactions);
    }
    return chosen;
}

QString ViolationTab::timeText(int seconds)
{
    const int shown = qBound(0, seconds, MaxTime);
    return QString::asprintf("%01d:%02d", shown / 60, shown % 60);
}

int ViolationTab::seconds(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    return parts.value(0).toInt() * 60 + parts.value(1).toInt();
}

QString ViolationTab::normalisedTime(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    const int minutes = parts.value(0).toInt();
    const int secs = parts.value(1).toInt();
    // Seconds first: 3:75 means at most 3:59, which is within the limit.
    const int cappedSeconds = qMin(secs, 59);
    if (minutes * 60 + cappedSeconds > MaxTime)
        return timeText(MaxTime);
    if (cappedSeconds != secs)
        return QString::asprintf("%01d:%02d", minutes, cappedSeconds);
    return text;
}

void ViolationTab::normaliseTime(QLineEdit* field)
{
    const QString text = field->text();
    const QString corrected = normalisedTime(text);
    if (corrected != text)
        field->setText(corrected);
}
