#include "macro.h"

#include "app/anchorsettings.h"
#include "io/macrojson.h"
#include "io/mcrwriter.h"

namespace {

QByteArray blankScreen()
{
    return QByteArray(Macro::ScreenSize, ' ');
}

} // namespace

Macro::Macro(const QString& num, const QString& name, const QString& shortcut, const QString& sigla,
             int type, bool informacao)
    : m_num(num), m_name(name), m_shortcut(shortcut), m_sigla(sigla), m_type(type),
      m_isSecurity(!informacao), m_form(blankScreen()), m_confirmationText(blankScreen()),
      // Every path that creates a macro ends with the default radius; the
      // legacy reader, which has no radius in its records, relies on this.
      m_raio(quint16(anchorSettings().defaultRadius()))
{
    logConstruction();
}

Macro::Macro(const QJsonObject& json, int version, QStringList* notes)
    : m_form(blankScreen()), m_confirmationText(blankScreen())
{
    MacroJson::read(*this, json, version, notes);
}

Macro::Macro(const MacroFields& fields, QStringList* notes)
    : m_form(blankScreen()), m_confirmationText(blankScreen())
{
    MacroJson::apply(*this, fields, notes);
}

void Macro::write(QJsonObject& json) const
{
    MacroJson::write(*this, json);
}

QDataStream& operator<<(QDataStream& stream, const Macro& macro)
{
    McrWriter::writeMacro(stream, macro);
    return stream;
}

bool Macro::hasSameValues(const Macro& other) const
{
    return m_num == other.m_num && m_name == other.m_name && m_shortcut == other.m_shortcut &&
           m_sigla == other.m_sigla && m_type == other.m_type &&
           m_isSecurity == other.m_isSecurity && m_form == other.m_form &&
           m_formFields == other.m_formFields && m_confirmationText == other.m_confirmationText &&
           m_validationInt == other.m_validationInt && m_automation == other.m_automation &&
           m_violation == other.m_violation && m_violationReactions == other.m_violationReactions &&
           m_violationTimers == other.m_violationTimers &&
           m_secureSensors == other.m_secureSensors &&
           m_secureActuators == other.m_secureActuators && m_raio == other.m_raio &&
           m_flow == other.m_flow && m_flowNum == other.m_flowNum && m_flowPos == other.m_flowPos &&
           m_dimensions == other.m_dimensions && m_position == other.m_position;
}

QColor Macro::typeColor(int type)
{
    switch (type) {
    case 1:
        return QColor(128, 128, 0);
    case 2:
        return QColor(255, 255, 0);
    case 3:
        return QColor(0, 128, 0);
    case 4:
        return QColor(153, 153, 153);
    case 5:
        return QColor(0, 128, 128);
    case 6:
        return QColor(255, 255, 255);
    default:
        return QColor(192, 220, 192);
    }
}

int Macro::violationIndex(quint8 id) const
{
    return m_violation.indexOf(id);
}

quint16 Macro::violationTimer(quint8 index) const
{
    return index < m_violationTimers.size() ? m_violationTimers.at(index) : 0;
}

bool Macro::hasReaction(quint8 index, quint8 bit) const
{
    if (index >= m_violationReactions.size())
        return false;
    return (quint32(m_violationReactions.at(index)) >> (bit % 32)) & 1u;
}

void Macro::setForm(const char* bytes, int length)
{
    m_form = QByteArray(bytes, qMax(0, length));
    m_form.replace('\0', ' ');
    m_form.replace('<', ' ');
}

void Macro::setConfirmationText(const QByteArray& text)
{
    m_confirmationText = text;
    m_confirmationText.replace('\0', ' ');
}

void Macro::setConfirmationText(const char* bytes, int length)
{
    setConfirmationText(QByteArray(bytes, qMax(0, length)));
}
