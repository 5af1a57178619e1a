#pragma once

#include "app/zorobject.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class QDataStream;
class QJsonObject;
struct MacroFields;

// One macro of a group: its identity on the driver terminal, its screens,
// the rules the terminal applies while it runs, the macros that may follow
// it and where its box stands in the flow diagram. A plain value holder: the
// dialogs and the group check the values.
class Macro : public ZorObject
{
public:
    // Bytes of a terminal screen: 20 rows of 40 characters.
    static constexpr int ScreenSize = 800;
    static constexpr int ScreenRows = 20;
    static constexpr int ScreenColumns = 40;
    // Flow slots F0 to F9.
    static constexpr int FlowSlots = 10;

    Macro(const QString& num, const QString& name, const QString& shortcut, const QString& sigla,
          int type, bool informacao);
    // Reads one macro object of an .mcx file of the given format version;
    // notes, when given, receives what did not fit where it is kept.
    Macro(const QJsonObject& json, int version, QStringList* notes = nullptr);
    // The same from the values of such an object of the current version.
    explicit Macro(const MacroFields& fields, QStringList* notes = nullptr);

    // Writes the keys of the current .mcx format into json.
    void write(QJsonObject& json) const;
    // Writes the data-stream record of a group saved under an .mcr name.
    friend QDataStream& operator<<(QDataStream& stream, const Macro& macro);

    static QColor typeColor(int type);

    // Whether every field holds the same value, geometry included.
    bool hasSameValues(const Macro& other) const;

    QString num() const { return m_num; }
    QString name() const { return m_name; }
    QString shortcut() const { return m_shortcut; }
    QString sigla() const { return m_sigla; }
    int type() const { return m_type; }
    bool isSecurity() const { return m_isSecurity; }
    QByteArray form() const { return m_form; }
    QByteArray formFields() const { return m_formFields; }
    QByteArray confirmationText() const { return m_confirmationText; }
    quint16 validationInt() const { return m_validationInt; }
    QList<quint8> automation() const { return m_automation; }
    QList<quint8> violation() const { return m_violation; }
    QList<quint8> violationReactions() const { return m_violationReactions; }
    QList<quint16> violationTimers() const { return m_violationTimers; }
    QList<quint8> secureSensors() const { return m_secureSensors; }
    QList<quint8> secureActuators() const { return m_secureActuators; }
    quint16 raio() const { return m_raio; }
    QStringList flow() const { return m_flow; }
    QList<quint16> flowNum() const { return m_flowNum; }
    QList<quint16> flowPos() const { return m_flowPos; }
    QRect dimensions() const { return m_dimensions; }
    QPoint position() const { return m_position; }

    // Index of the first entry of the violation list equal to id, or -1.
    int violationIndex(quint8 id) const;
    // The timer at index, or 0 beyond the list.
    quint16 violationTimer(quint8 index) const;
    // Whether bit (modulo 32) is set in the reaction set at index; false
    // beyond the list.
    bool hasReaction(quint8 index, quint8 bit) const;

    void setNum(const QString& num) { m_num = num; }
    void setName(const QString& name) { m_name = name; }
    void setShortcut(const QString& shortcut) { m_shortcut = shortcut; }
    void setSigla(const QString& sigla) { m_sigla = sigla; }
    void setType(int type) { m_type = type; }
    void setSecurity(bool isSecurity) { m_isSecurity = isSecurity; }
    void setValidationInt(quint16 validations) { m_validationInt = validations; }
    void setAutomation(const QList<quint8>& automation) { m_automation = automation; }
    void setViolation(const QList<quint8>& violation) { m_violation = violation; }
    void setViolationReactions(const QList<quint8>& reactions) { m_violationReactions = reactions; }
    void setViolationTimers(const QList<quint16>& timers) { m_violationTimers = timers; }
    void setSecureSensors(const QList<quint8>& sensors) { m_secureSensors = sensors; }
    void setSecureActuators(const QList<quint8>& actuators) { m_secureActuators = actuators; }
    void setRaio(quint16 raio) { m_raio = raio; }
    void setFlow(const QStringList& flow) { m_flow = flow; }
    void setFlowNum(const QList<quint16>& flowNum) { m_flowNum = flowNum; }
    void setFlowPos(const QList<quint16>& flowPos) { m_flowPos = flowPos; }
    void setDimensions(const QRect& dimensions) { m_dimensions = dimensions; }
    void setPosition(const QPoint& position) { m_position = position; }
    void setFormFields(const QByteArray& fields) { m_formFields = fields; }

    // Keeps the bytes as they are: the form grid marks its unused cells with
    // NUL bytes, which the macro keeps.
    void setForm(const QByteArray& form) { m_form = form; }
    // For fixed-size legacy records: NUL bytes and "<" become spaces.
    void setForm(const char* bytes, int length);
    // NUL bytes become spaces.
    void setConfirmationText(const QByteArray& text);
    void setConfirmationText(const char* bytes, int length);

private:
    QString m_num;
    QString m_name;
    QString m_shortcut;
    QString m_sigla;
    int m_type = 0;
    bool m_isSecurity = true;
    QByteArray m_form;
    QByteArray m_formFields;
    QByteArray m_confirmationText;
    QStringList m_spareStrings; // never filled; kept for the data-stream layout
    quint16 m_validationInt = 0;
    QList<quint8> m_automation;
    QList<quint8> m_violation;
    QList<quint8> m_violationReactions;
    QList<quint16> m_violationTimers;
    QList<quint8> m_secureSensors;
    QList<quint8> m_secureActuators;
    quint16 m_raio = 0;
    QStringList m_flow;
    QList<quint16> m_flowNum;
    QList<quint16> m_flowPos;
    QRect m_dimensions{0, 0, 100, 80};
    QPoint m_position;
};
