#include "moveboxescommand.h"

#include "model/macro.h"

namespace {

constexpr int KeyboardMoveId = 1;

} // namespace

MoveBoxesCommand::MoveBoxesCommand(GroupDocument& document, const QList<BoxPlacement>& before,
                                   const QList<BoxPlacement>& after, Source source)
    : m_document(document), m_before(before), m_after(after), m_source(source)
{
    updateText();
}

void MoveBoxesCommand::updateText()
{
    if (m_source == Source::Arrange) {
        setText(tr("Organizar caixas"));
        return;
    }
    bool resized = false;
    for (int i = 0; i < m_before.size(); ++i)
        resized = resized || m_before.at(i).dimensions.size() != m_after.at(i).dimensions.size();
    if (m_before.size() != 1) {
        setText(resized ? tr("Redimensionar %1 caixas").arg(m_before.size())
                        : tr("Mover %1 caixas").arg(m_before.size()));
        return;
    }
    const QString sigla = m_before.constFirst().macro->sigla();
    setText(resized ? tr("Redimensionar caixa %1").arg(sigla) : tr("Mover caixa %1").arg(sigla));
}

void MoveBoxesCommand::redo()
{
    m_document.placeBoxes(m_after);
}

void MoveBoxesCommand::undo()
{
    m_document.placeBoxes(m_before);
}

int MoveBoxesCommand::id() const
{
    return m_source == Source::Keyboard ? KeyboardMoveId : -1;
}

bool MoveBoxesCommand::sameBoxes(const MoveBoxesCommand& other) const
{
    if (other.m_before.size() != m_before.size())
        return false;
    for (int i = 0; i < m_before.size(); ++i) {
        if (other.m_before.at(i).macro != m_before.at(i).macro)
            return false;
    }
    return true;
}

bool MoveBoxesCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const MoveBoxesCommand*>(other);
    if (next->m_source != Source::Keyboard || !sameBoxes(*next))
        return false;
    m_after = next->m_after;
    bool unchanged = true;
    for (int i = 0; i < m_before.size() && unchanged; ++i) {
        unchanged = m_before.at(i).position == m_after.at(i).position &&
                    m_before.at(i).dimensions == m_after.at(i).dimensions;
    }
    // Moved back to where they were: nothing is left to undo.
    setObsolete(unchanged);
    return true;
}
