#include "terminalsession.h"

#include "model/group.h"

#include <algorithm>

TerminalSession::TerminalSession(const Group& group)
    : m_macros(TerminalMacro::fromGroup(group)), m_start(m_macros)
{
}

const TerminalMacro* TerminalSession::macro() const
{
    return m_current < 0 ? nullptr : &m_macros.at(m_current);
}

QStringList TerminalSession::screen() const
{
    switch (m_stage) {
    case Stage::Start:
        return m_start.screen(m_page);
    case Stage::Sent:
        return TerminalForm::rows(macro()->confirmationText);
    default:
        return m_form.screen();
    }
}

void TerminalSession::setStartPage(int page)
{
    m_page = std::clamp(page, 0, m_start.pageCount() - 1);
}

void TerminalSession::show(int index)
{
    m_current = index;
    const TerminalMacro& shown = m_macros.at(index);
    m_stage = shown.isSecurity ? Stage::Form : Stage::Information;
    m_form = TerminalForm(shown.form, shown.isSecurity);
}

QString TerminalSession::open(int number)
{
    if (m_stage != Stage::Start)
        return tr("volte à tela inicial para abrir outra macro");
    for (int index = 0; index < m_macros.size(); ++index) {
        if (m_macros.at(index).number == number) {
            show(index);
            return QString();
        }
    }
    return tr("não há macro de número %1 no grupo").arg(number);
}

QString TerminalSession::notOnForm() const
{
    switch (m_stage) {
    case Stage::Start:
        return tr("abra uma macro primeiro");
    case Stage::Information:
        return tr("a macro %1 é de informação: não tem campos nem é enviada").arg(macro()->sigla);
    default:
        return tr("a macro %1 já foi enviada").arg(macro()->sigla);
    }
}

QString TerminalSession::type(int field, const QString& text)
{
    return m_stage == Stage::Form ? m_form.type(field, text) : notOnForm();
}

QString TerminalSession::fill(int field, const QString& text)
{
    return m_stage == Stage::Form ? m_form.fill(field, text) : notOnForm();
}

QString TerminalSession::mark(int field, bool set)
{
    return m_stage == Stage::Form ? m_form.mark(field, set) : notOnForm();
}

QString TerminalSession::send()
{
    if (m_stage != Stage::Form)
        return notOnForm();
    const QString refusal = m_form.sendRefusal();
    if (!refusal.isEmpty())
        return refusal;
    m_sent.append(SentMessage{macro()->number, macro()->sigla, m_form.values()});
    m_stage = Stage::Sent;
    m_form = TerminalForm();
    return QString();
}

bool TerminalSession::offersKeys() const
{
    return m_stage == Stage::Sent || m_stage == Stage::Information;
}

QString TerminalSession::keySigla(int key) const
{
    if (!macro() || key < 0 || key >= Macro::FlowSlots)
        return QString();
    return macro()->keys[key];
}

int TerminalSession::indexOfSigla(const QString& sigla) const
{
    for (int index = 0; index < m_macros.size(); ++index) {
        if (m_macros.at(index).sigla == sigla)
            return index;
    }
    return -1;
}

QString TerminalSession::next(int key)
{
    if (m_stage == Stage::Start)
        return tr("abra uma macro primeiro");
    if (m_stage == Stage::Form)
        return tr("envie a macro %1 antes de seguir o fluxo").arg(macro()->sigla);
    const QString sigla = keySigla(key);
    if (sigla.isEmpty())
        return tr("a macro %1 não tem macro na tecla F%2").arg(macro()->sigla).arg(key);
    const int index = indexOfSigla(sigla);
    if (index < 0)
        return tr("a tecla F%1 leva à sigla %2, que não existe no grupo").arg(key).arg(sigla);
    show(index);
    return QString();
}

QString TerminalSession::back()
{
    if (m_stage == Stage::Start)
        return tr("já está na tela inicial");
    m_stage = Stage::Start;
    m_current = -1;
    m_form = TerminalForm();
    return QString();
}
