#include "tablededitor.h"

#include "app/debuglogger.h"
#include "model/screentext.h"

#include <QAction>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr int Rows = ScreenText::Rows;
constexpr int Columns = ScreenText::Columns;
constexpr int CellSize = 18;
// The menu opened with "[" is placed this many pixels per cell from the host.
constexpr int MenuStep = 16;

constexpr Qt::ItemFlags textCellFlags = Qt::ItemIsEditable | Qt::ItemIsEnabled;
constexpr Qt::ItemFlags fieldCellFlags = Qt::ItemIsEnabled;

QBrush highlightBrush()
{
    return QBrush(QColor(200, 255, 200, 127));
}

QBrush refusedBrush()
{
    return QBrush(Qt::red);
}

bool isRefusedBrush(const QBrush& brush)
{
    return brush.style() == Qt::SolidPattern && brush.color() == QColor(Qt::red);
}

// Keys that type a character into the current cell.
bool isPrintableKey(int key)
{
    return key >= Qt::Key_Space && key <= Qt::Key_BraceRight && key != Qt::Key_BracketLeft &&
           key != Qt::Key_BracketRight;
}

// The cell text of one screen byte; a NUL byte is an empty cell.
QString cellText(char byte)
{
    return byte == '\0' ? QString() : QString(QChar(static_cast<unsigned char>(byte)));
}

char cellByte(const QTableWidgetItem* cell)
{
    const QString text = cell->text();
    return text.isEmpty() ? '\0' : text.at(0).toLatin1();
}

// The cursor movement of a navigation key; false for keys the grid ignores.
bool stepForKey(int key, int& row, int& col)
{
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Left:
        --col;
        break;
    case Qt::Key_Right:
        ++col;
        break;
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Home:
        col = 0;
        break;
    case Qt::Key_End:
        col = Columns - 1;
        break;
    case Qt::Key_PageUp:
        row = 0;
        break;
    case Qt::Key_PageDown:
        row = Rows - 1;
        break;
    case Qt::Key_Delete:
    case Qt::Key_Shift:
    case Qt::Key_CapsLock:
        break;
    default:
        return false;
    }
    return true;
}

} // namespace

TabledEditor::TabledEditor(QWidget* parent)
    : QTableWidget(Rows, Columns, parent), menu(std::make_unique<QMenu>())
{
    logConstruction();
    horizontalHeader()->hide();
    verticalHeader()->hide();
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setMinimumSectionSize(CellSize);
        header->setDefaultSectionSize(CellSize);
    }
    horizontalHeader()->setHighlightSections(true);
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setAlternatingRowColors(true);

    for (int row = 0; row < Rows; ++row) {
        for (int col = 0; col < Columns; ++col) {
            auto* cell = new QTableWidgetItem(QString());
            cell->setFlags(textCellFlags);
            setItem(row, col, cell);
        }
    }
    connect(this, &QTableWidget::currentCellChanged, this, &TabledEditor::on_selected_cell_changed);
    setCurrentCell(0, 0);
}

TabledEditor::~TabledEditor() = default;

void TabledEditor::addCommand(const QByteArray& name, const QByteArray& tag,
                              const QByteArray& third, int fixedLength, int defaultSize)
{
    commands.emplace(name, Command{name, tag, third, fixedLength != 0, defaultSize});
}

void TabledEditor::createMenu()
{
    menu->clear();
    for (const auto& entry : commands) {
        QAction* action = menu->addAction(QString::fromUtf8(entry.first));
        // The name itself, in case its bytes are not UTF-8 and the label can't
        // give them back.
        action->setData(entry.first);
        connect(action, &QAction::triggered, this, &TabledEditor::insertOption);
    }
    if (menu->isEmpty())
        return;
    menu->addSeparator();
    connect(menu->addAction(tr("Obrigatório")), &QAction::triggered, this,
            &TabledEditor::makeOptionObrigatory);
    connect(menu->addAction(tr("Opcional")), &QAction::triggered, this,
            &TabledEditor::makeOptionNotObrigatory);
}

void TabledEditor::setHost(QWidget* hostWidget)
{
    host = hostWidget;
}

int TabledEditor::checkFields(const char* text, int length)
{
    return ScreenText::checkFields(text, length);
}

void TabledEditor::correctCharacters(char* text, int length)
{
    ScreenText::correctCharacters(text, length);
}

// ---- Cells and fields ----

void TabledEditor::resetCells()
{
    options.clear();
    for (int row = 0; row < Rows; ++row) {
        for (int col = 0; col < Columns; ++col) {
            QTableWidgetItem* cell = item(row, col);
            cell->setFlags(textCellFlags);
            cell->setText(QString());
            cell->setBackground(QBrush());
            cell->setForeground(QBrush());
        }
    }
}

bool TabledEditor::isFieldCell(int row, int col) const
{
    return !(item(row, col)->flags() & Qt::ItemIsEditable);
}

int TabledEditor::findOption(int row, int col) const
{
    for (int i = 0; i < options.size(); ++i) {
        const Option& option = options.at(i);
        if (option.row == row && option.col <= col && col <= option.col + option.len - 1)
            return i;
    }
    return -1;
}

bool TabledEditor::fitsWithoutOverlap(int row, int col, int len) const
{
    return std::none_of(options.cbegin(), options.cend(), [=](const Option& option) {
        return option.row == row && option.col <= col + len - 1 &&
               col <= option.col + option.len - 1;
    });
}

void TabledEditor::placeMarker(int row, int col, const QByteArray& marker)
{
    const int len = std::min(int(marker.size()), Columns - col);
    for (int i = 0; i < len; ++i) {
        const char byte = marker.at(i);
        QTableWidgetItem* cell = item(row, col + i);
        cell->setText(cellText(byte));
        if (byte == '\0' || ScreenText::isAllowed(byte)) {
            cell->setForeground(QBrush(Qt::red));
            cell->setBackground(QBrush());
        } else {
            cell->setForeground(QBrush(Qt::white));
            cell->setBackground(refusedBrush());
        }
        cell->setFlags(fieldCellFlags);
    }
    options.append(Option{row, col, len});
}

void TabledEditor::removeOption(int index)
{
    const Option option = options.at(index);
    for (int col = option.col; col < option.col + option.len; ++col)
        clearCell(option.row, col);
    options.remove(index);
    emit optionRemoved(option.row, option.col, option.len);
}

void TabledEditor::clearCell(int row, int col)
{
    QTableWidgetItem* cell = item(row, col);
    cell->setFlags(textCellFlags);
    cell->setText(QString());
    cell->setBackground(highlightBrush());
    cell->setForeground(QBrush(Qt::black));
}

// ---- Loading and exporting ----

void TabledEditor::loadForm(const char* text, int length)
{
    resetCells();
    const int limit = text ? std::clamp(length, 0, ScreenText::Size) : 0;
    for (int i = 0; i < limit; ++i) {
        const int row = i / Columns;
        const int col = i % Columns;
        if (text[i] == '[') {
            // A marker without its "]" ends with its row.
            const int rowEnd = std::min((row + 1) * Columns, limit);
            int end = i + 1;
            while (end < rowEnd && text[end] != ']')
                ++end;
            end = std::min(end, rowEnd - 1);
            const QByteArray marker(text + i, end - i + 1);
            DebugLogger::instance()->log(QStringLiteral("iRow:%1 iCol:%2").arg(row).arg(col), this);
            DebugLogger::instance()->log(QStringLiteral("{ %1 }").arg(QString::fromLatin1(marker)),
                                         this);
            placeMarker(row, col, marker);
            i = end;
            continue;
        }
        QTableWidgetItem* cell = item(row, col);
        if (text[i] != '\0' && !ScreenText::isAllowed(text[i]))
            cell->setBackground(refusedBrush());
        cell->setText(cellText(text[i]));
    }
    if (currentRow() >= 0 && currentColumn() >= 0)
        highlightLines(currentRow(), currentColumn(), true);
}

// The read-out walks the cursor over the cells it reads, so the host sees
// the cursor positions go by. Moving the toolkit's current cell 800 times
// costs tens of milliseconds (selection, scrolling, repaints) for an end
// that one move gives: the positions are announced on the way, the cursor
// moves once to the last cell, and the highlight, which only the cursor's
// lines ever have, moves with it.
void TabledEditor::readForm(char* buffer, int length)
{
    const int limit = buffer ? std::clamp(length, 0, ScreenText::Size) : 0;
    if (limit == 0)
        return;
    const int startRow = currentRow();
    const int startCol = currentColumn();
    const int lastRow = (limit - 1) / Columns;
    const int lastCol = (limit - 1) % Columns;
    readingOut = true;
    for (int i = 0; i < limit; ++i) {
        const int row = i / Columns;
        const int col = i % Columns;
        buffer[i] = cellByte(item(row, col));
        // A step to the cell the cursor is on already is no move.
        if (i > 0 || row != startRow || col != startCol)
            emit showInfo(row, col);
    }
    if (lastRow != startRow || lastCol != startCol)
        setCurrentCell(lastRow, lastCol);
    else if (limit > 1)
        clearSelection();
    readingOut = false;

    highlightLines(startRow, startCol, false);
    highlightLines(lastRow, lastCol, true);
}

bool TabledEditor::writeFieldTable(char* buffer, int size) const
{
    constexpr int RecordSize = 6;
    if (!buffer || size < 0 || options.size() > size / RecordSize)
        return false;
    char* record = buffer;
    for (const Option& option : options) {
        record[0] = 0;
        record[1] = 0;
        record[2] = static_cast<char>(option.row);
        record[3] = static_cast<char>(option.col);
        record[4] = static_cast<char>(option.len & 0xff);
        record[5] = static_cast<char>((option.len >> 8) & 0xff);
        record += RecordSize;
    }
    return true;
}

// ---- Menu commands ----

void TabledEditor::insertOption()
{
    const auto* action = qobject_cast<const QAction*>(sender());
    const int row = currentRow();
    const int col = currentColumn();
    if (!action || row < 0 || col < 0)
        return;
    const QVariant name = action->data();
    const auto found = commands.find(name.type() == QVariant::ByteArray ? name.toByteArray()
                                                                        : action->text().toUtf8());
    if (found == commands.end())
        return;
    const Command& command = found->second;

    QByteArray marker = command.tag;
    if (!command.fixedLength) {
        bool accepted = false;
        const int len = QInputDialog::getInt(this, tr("Tamanho do campo"),
                                             tr("Digite o tamanho do campo incluindo '[' e ']':"),
                                             command.defaultSize, 3, Columns, 1, &accepted);
        if (!accepted)
            return;
        const char fill = command.tag.size() > 1 ? command.tag.at(1) : '_';
        marker = '[' + QByteArray(len - 2, fill) + ']';
    }
    if (marker.isEmpty())
        return;
    const int len = marker.size();
    if (col + len > Columns) {
        QMessageBox::information(this, tr("Inserir comando"),
                                 tr("O tamanho do campo ultrapassa o fim da linha..."));
        return;
    }
    if (!fitsWithoutOverlap(row, col, len)) {
        QMessageBox::information(this, tr("Inserir comando"),
                                 tr("Este campo não pode ser inserido nesta posição..."));
        return;
    }
    emit optionInserted(row, col, len);
    placeMarker(row, col, marker);
    int nextRow = row;
    int nextCol = col + len;
    if (settle(Qt::Key_Right, nextRow, nextCol))
        setCurrentCell(nextRow, nextCol);
}

void TabledEditor::makeOptionObrigatory()
{
    changeOptionCase(true);
}

void TabledEditor::makeOptionNotObrigatory()
{
    changeOptionCase(false);
}

void TabledEditor::changeOptionCase(bool upper)
{
    const int index = findOption(currentRow(), currentColumn());
    if (index < 0)
        return;
    const Option& option = options.at(index);
    for (int col = option.col; col < option.col + option.len; ++col) {
        QTableWidgetItem* cell = item(option.row, col);
        cell->setText(upper ? cell->text().toUpper() : cell->text().toLower());
    }
}

void TabledEditor::popUpMenuAtCell(int row, int col)
{
    if (commands.empty() || menu->isEmpty())
        return;
    const QWidget* anchor = host ? host : parentWidget();
    const QPoint origin = anchor ? anchor->pos() : mapToGlobal(QPoint(0, 0));
    menu->popup(origin + QPoint(col * MenuStep, row * MenuStep));
}

// ---- Keyboard and mouse ----

void TabledEditor::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const int startRow = std::max(currentRow(), 0);
    const int startCol = std::max(currentColumn(), 0);
    int row = startRow;
    int col = startCol;

    const bool commandModifier =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (key >= Qt::Key_Space && key <= Qt::Key_BraceRight && commandModifier) {
        // Shortcuts are not text: Ctrl+C must not wipe the cell under the cursor.
        event->ignore();
        return;
    }
    if (key == Qt::Key_BracketLeft) {
        popUpMenuAtCell(row, col);
        return;
    }
    if (key == Qt::Key_BracketRight)
        return;
    if (isPrintableKey(key)) {
        typeCharacter(row, col, event->text());
        ++col;
    } else if (key == Qt::Key_Return) {
        ++row;
        col = 0;
    } else if (stepForKey(key, row, col)) {
        QTableWidget::keyPressEvent(event);
    } else {
        event->ignore();
        return;
    }

    if (!settle(key, row, col)) {
        row = startRow;
        col = startCol;
    }
    setCurrentCell(row, col);
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete)
        clearCell(row, col);
}

void TabledEditor::typeCharacter(int row, int col, const QString& keyText)
{
    QString text = keyText.normalized(QString::NormalizationForm_D);
    text.remove(ScreenText::refusedCharacter());
    QTableWidgetItem* cell = item(row, col);
    cell->setText(text);
    cell->setBackground(highlightBrush());
    cell->setForeground(QBrush(isFieldCell(row, col) ? Qt::red : Qt::black));
}

// Wraps (row, col) around the screen and moves it off field cells in the
// key's direction; Backspace and Delete remove the field they reach instead.
// False when no text cell can be reached (a screen full of fields).
bool TabledEditor::settle(int key, int& row, int& col)
{
    for (int step = 0; step <= ScreenText::Size; ++step) {
        if (col >= Columns) {
            col = 0;
            ++row;
        } else if (col < 0) {
            col = Columns - 1;
            --row;
        }
        if (row >= Rows)
            row = 0;
        else if (row < 0)
            row = Rows - 1;
        if (key == Qt::Key_Shift || !isFieldCell(row, col))
            return true;

        switch (key) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete: {
            const int index = findOption(row, col);
            if (index < 0)
                return true; // a stray field cell: cleared by the caller
            col = options.at(index).col;
            removeOption(index);
            break;
        }
        case Qt::Key_End:
        case Qt::Key_Left:
            --col;
            break;
        case Qt::Key_Up:
            --row;
            break;
        case Qt::Key_Down:
            ++row;
            break;
        case Qt::Key_Return:
        case Qt::Key_Home:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            ++col;
            break;
        default:
            if (!isPrintableKey(key))
                return true; // Caps Lock on a field cell stays there
            ++col;
            break;
        }
    }
    return false;
}

void TabledEditor::mousePressEvent(QMouseEvent* event)
{
    // The toolkit's handling first, so that the menu acts on the clicked cell.
    QTableWidget::mousePressEvent(event);
    if (event->buttons() == Qt::RightButton && !menu->isEmpty())
        menu->popup(event->globalPos());
}

// ---- Cursor highlight ----

void TabledEditor::on_selected_cell_changed(int currentRow, int currentColumn, int previousRow,
                                            int previousColumn)
{
    if (currentRow < 0 || currentColumn < 0)
        return;
    // The read-out announces the cells it walks over itself.
    if (readingOut) {
        item(currentRow, currentColumn)->setSelected(false);
        return;
    }
    highlightLines(previousRow, previousColumn, false);
    highlightLines(currentRow, currentColumn, true);
    item(currentRow, currentColumn)->setSelected(false);
    emit showInfo(currentRow, currentColumn);
}

// Colours one row and one column; cells marked as refused keep their red.
void TabledEditor::highlightLines(int row, int col, bool on)
{
    const QBrush brush = on ? highlightBrush() : QBrush();
    const auto paint = [&](int r, int c) {
        QTableWidgetItem* cell = item(r, c);
        if (!isRefusedBrush(cell->background()))
            cell->setBackground(brush);
    };
    if (row >= 0 && row < Rows) {
        for (int c = 0; c < Columns; ++c)
            paint(row, c);
    }
    if (col >= 0 && col < Columns) {
        for (int r = 0; r < Rows; ++r)
            paint(r, col);
    }
}
