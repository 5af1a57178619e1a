#include "terminalscreenview.h"

#include "model/screentext.h"
#include "simulator/terminalsession.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>

namespace {

// The terminal's display: dark characters on a pale green glass.
const QColor Glass(198, 214, 172);
const QColor Ink(28, 44, 28);
const QColor FieldCells(176, 196, 150);
const QColor CurrentField(232, 240, 210);

} // namespace

TerminalScreenView::TerminalScreenView(QWidget* parent) : QWidget(parent)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(13);
    font.setStyleHint(QFont::TypeWriter);
    setFont(font);
    const QFontMetrics metrics(font);
    m_cell = QSize(metrics.horizontalAdvance(QLatin1Char('M')), metrics.height());
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TerminalScreenView::setSession(TerminalSession* session)
{
    m_session = session;
    reset();
}

void TerminalScreenView::reset()
{
    m_field = 0;
    update();
}

QSize TerminalScreenView::sizeHint() const
{
    return QSize(ScreenText::Columns * m_cell.width(), ScreenText::Rows * m_cell.height()) +
           QSize(2 * Margin, 2 * Margin);
}

int TerminalScreenView::fieldCount() const
{
    return m_session ? m_session->form().fields().size() : 0;
}

QRect TerminalScreenView::cellsRect(int row, int column, int count) const
{
    return QRect(Margin + column * m_cell.width(), Margin + row * m_cell.height(),
                 count * m_cell.width(), m_cell.height());
}

// Where the next character of a field goes; a Data/Hora value skips the
// "][" between its date and its time.
int TerminalScreenView::cursorColumn(const TerminalField& field, const QString& value) const
{
    int offset = 1 + value.size();
    if (field.kind() == TerminalField::Kind::DataHora && value.size() > 8)
        offset += 1;
    return field.column() + qMin(offset, field.width() - 2);
}

void TerminalScreenView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), Glass);
    // Where the keys go: the screen, or a button or the number box.
    if (hasFocus()) {
        painter.setPen(Ink);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!m_session)
        return;
    paintFields(painter);
    painter.setPen(Ink);
    const QStringList rows = m_session->screen();
    for (int row = 0; row < rows.size(); ++row) {
        const QString& text = rows.at(row);
        for (int column = 0; column < text.size(); ++column) {
            painter.drawText(cellsRect(row, column, 1), Qt::AlignCenter, text.mid(column, 1));
        }
    }
}

void TerminalScreenView::paintFields(QPainter& painter)
{
    const QList<TerminalField>& fields = m_session->form().fields();
    for (int index = 0; index < fields.size(); ++index) {
        const TerminalField& field = fields.at(index);
        const bool current = index == m_field;
        painter.fillRect(cellsRect(field.row(), field.column(), field.width()),
                         current ? CurrentField : FieldCells);
        if (current && !field.isMark()) {
            const QString value = m_session->form().values().at(index);
            const QRect cursor = cellsRect(field.row(), cursorColumn(field, value), 1);
            painter.fillRect(cursor.adjusted(0, cursor.height() - 3, 0, 0), Ink);
        }
    }
}

void TerminalScreenView::keyPressEvent(QKeyEvent* event)
{
    if (!m_session)
        return QWidget::keyPressEvent(event);
    if (m_session->stage() == TerminalSession::Stage::Start &&
        (event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp)) {
        m_session->setStartPage(m_session->startPage() +
                                (event->key() == Qt::Key_PageDown ? 1 : -1));
        update();
        return;
    }
    if (fieldCount() == 0 || !editField(event))
        QWidget::keyPressEvent(event);
}

// Whether the key was one for the fields.
bool TerminalScreenView::editField(QKeyEvent* event)
{
    const TerminalField field = m_session->form().fields().at(m_field);
    const QString value = m_session->form().values().at(m_field);
    switch (event->key()) {
    case Qt::Key_Up:
        moveField(-1);
        return true;
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        moveField(1);
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        if (field.isMark())
            apply(m_session->mark(m_field, false));
        else if (event->key() == Qt::Key_Delete || value.isEmpty())
            apply(m_session->type(m_field, QString()));
        else
            apply(m_session->type(m_field, value.chopped(1)));
        return true;
    default:
        break;
    }
    if (field.isMark() && event->key() == Qt::Key_Space) {
        const bool set = field.isEmpty(value) || field.kind() == TerminalField::Kind::Selecao;
        apply(m_session->mark(m_field, set));
        return true;
    }
    // Ctrl+1 and the like are the window's shortcuts, never text.
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint() ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    apply(m_session->type(m_field, value + text));
    return true;
}

void TerminalScreenView::moveField(int step)
{
    const int count = fieldCount();
    m_field = (m_field + step + count) % count;
    update();
}

void TerminalScreenView::apply(const QString& refusal)
{
    update();
    if (refusal.isEmpty())
        emit edited();
    else
        emit refused(refusal);
}

void TerminalScreenView::mousePressEvent(QMouseEvent* event)
{
    const QList<TerminalField> fields =
        m_session ? m_session->form().fields() : QList<TerminalField>();
    for (int index = 0; index < fields.size(); ++index) {
        const TerminalField& field = fields.at(index);
        if (cellsRect(field.row(), field.column(), field.width()).contains(event->pos())) {
            m_field = index;
            update();
        }
    }
    QWidget::mousePressEvent(event);
}
