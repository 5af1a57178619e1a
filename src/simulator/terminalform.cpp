#include "terminalform.h"

#include "model/screentext.h"

TerminalForm::TerminalForm() : m_text(ScreenText::Size, ' ') {}

TerminalForm::TerminalForm(const QByteArray& text, bool withFields) : m_text(normalised(text))
{
    if (withFields)
        findFields();
}

QByteArray TerminalForm::normalised(const QByteArray& text)
{
    QByteArray screen = text.left(ScreenText::Size);
    screen.replace('\0', ' ');
    return screen.leftJustified(ScreenText::Size, ' ');
}

QStringList TerminalForm::rows(const QByteArray& screen)
{
    const QByteArray text = normalised(screen);
    QStringList rows;
    for (int row = 0; row < ScreenText::Rows; ++row)
        rows.append(QString::fromLatin1(text.mid(row * ScreenText::Columns, ScreenText::Columns)));
    return rows;
}

// A marker runs from its "[" to the next "]" of the same row, as the form
// editor reads it; one that names no kind stays text.
void TerminalForm::findFields()
{
    for (int row = 0; row < ScreenText::Rows; ++row) {
        const QByteArray line = m_text.mid(row * ScreenText::Columns, ScreenText::Columns);
        for (int column = 0; column < line.size(); ++column) {
            if (line.at(column) != '[')
                continue;
            const int end = line.indexOf(']', column);
            if (end < 0)
                break;
            const QByteArray marker = line.mid(column, end - column + 1);
            if (const std::optional<TerminalField> field =
                    TerminalField::fromMarker(marker, row, column))
                addField(*field);
            column = end;
        }
    }
}

void TerminalForm::addField(const TerminalField& field)
{
    if (!m_fields.isEmpty()) {
        if (const std::optional<TerminalField> dateTime =
                TerminalField::joined(m_fields.constLast(), field)) {
            m_fields.last() = *dateTime;
            m_values.last() = dateTime->initialValue();
            return;
        }
    }
    m_fields.append(field);
    m_values.append(field.initialValue());
}

QString TerminalForm::type(int index, const QString& text)
{
    if (index < 0 || index >= m_fields.size())
        return noFieldRefusal(index);
    const QString refusal = m_fields.at(index).typingRefusal(text);
    if (!refusal.isEmpty())
        return fieldRefusal(index, refusal);
    m_values[index] = text;
    return QString();
}

QString TerminalForm::fill(int index, const QString& text)
{
    if (index < 0 || index >= m_fields.size())
        return noFieldRefusal(index);
    const QString refusal = m_fields.at(index).refusal(text);
    if (!refusal.isEmpty())
        return fieldRefusal(index, refusal);
    m_values[index] = text;
    return QString();
}

QString TerminalForm::mark(int index, bool set)
{
    if (index < 0 || index >= m_fields.size())
        return noFieldRefusal(index);
    const TerminalField& field = m_fields.at(index);
    if (!field.isMark())
        return fieldRefusal(index, tr("não é um campo de marcar"));
    if (field.kind() == TerminalField::Kind::Selecao) {
        if (!set)
            return fieldRefusal(index, tr("uma seleção só sai ao escolher outra"));
        for (int other = 0; other < m_fields.size(); ++other) {
            if (m_fields.at(other).kind() == TerminalField::Kind::Selecao)
                m_values[other] = TerminalField::markValue(false);
        }
    }
    m_values[index] = TerminalField::markValue(set);
    return QString();
}

bool TerminalForm::hasChoice() const
{
    for (int index = 0; index < m_fields.size(); ++index) {
        if (m_fields.at(index).kind() == TerminalField::Kind::Selecao &&
            !m_fields.at(index).isEmpty(m_values.at(index)))
            return true;
    }
    return false;
}

QString TerminalForm::sendRefusal() const
{
    for (int index = 0; index < m_fields.size(); ++index) {
        const TerminalField& field = m_fields.at(index);
        const QString& value = m_values.at(index);
        if (field.isEmpty(value)) {
            if (field.isObligatory() &&
                !(field.kind() == TerminalField::Kind::Selecao && hasChoice()))
                return missingRefusal(index);
            continue;
        }
        if (!field.isMark()) {
            const QString refusal = field.refusal(value);
            if (!refusal.isEmpty())
                return fieldRefusal(index, refusal);
        }
    }
    return QString();
}

QString TerminalForm::missingRefusal(int index) const
{
    switch (m_fields.at(index).kind()) {
    case TerminalField::Kind::Checagem:
        return fieldRefusal(index, tr("obrigatório, precisa ser marcado"));
    case TerminalField::Kind::Selecao:
        return fieldRefusal(index, tr("obrigatório, escolha uma das seleções da tela"));
    default:
        return fieldRefusal(index, tr("obrigatório, está vazio"));
    }
}

QString TerminalForm::fieldRefusal(int index, const QString& reason) const
{
    return tr("campo %1 (%2): %3")
        .arg(index + 1)
        .arg(TerminalField::kindName(m_fields.at(index).kind()), reason);
}

QString TerminalForm::noFieldRefusal(int index) const
{
    return tr("não há campo %1 nesta tela (campos: %2)").arg(index + 1).arg(m_fields.size());
}

QStringList TerminalForm::screen() const
{
    QByteArray text = m_text;
    for (int index = 0; index < m_fields.size(); ++index) {
        const TerminalField& field = m_fields.at(index);
        text.replace(field.row() * ScreenText::Columns + field.column(), field.width(),
                     field.cells(m_values.at(index)));
    }
    return rows(text);
}
