#include "macrodiff.h"

#include "model/group.h"
#include "model/macro.h"

#include <QDebug>

namespace {

template <typename T> QString describe(const T& value)
{
    QString text;
    QDebug(&text).nospace() << value;
    return text;
}

class Comparison
{
public:
    explicit Comparison(const QSet<QString>& ignored) : m_ignored(ignored) {}

    template <typename T> void field(const char* name, const T& expected, const T& actual)
    {
        if (!m_difference.isEmpty() || m_ignored.contains(QLatin1String(name)))
            return;
        if (!(expected == actual)) {
            m_difference = QStringLiteral("%1: expected %2, got %3")
                               .arg(QLatin1String(name), describe(expected), describe(actual));
        }
    }

    QString difference() const { return m_difference; }

private:
    QSet<QString> m_ignored;
    QString m_difference;
};

} // namespace

QString macroDifference(const Macro& e, const Macro& a, const QSet<QString>& ignored)
{
    Comparison c(ignored);
    c.field("num", e.num(), a.num());
    c.field("name", e.name(), a.name());
    c.field("shortcut", e.shortcut(), a.shortcut());
    c.field("sigla", e.sigla(), a.sigla());
    c.field("type", e.type(), a.type());
    c.field("isSecurity", e.isSecurity(), a.isSecurity());
    c.field("form", e.form(), a.form());
    c.field("formFields", e.formFields(), a.formFields());
    c.field("confirmationText", e.confirmationText(), a.confirmationText());
    c.field("validationInt", e.validationInt(), a.validationInt());
    c.field("automation", e.automation(), a.automation());
    c.field("violation", e.violation(), a.violation());
    c.field("violationReactions", e.violationReactions(), a.violationReactions());
    c.field("violationTimers", e.violationTimers(), a.violationTimers());
    c.field("secureSensors", e.secureSensors(), a.secureSensors());
    c.field("secureActuators", e.secureActuators(), a.secureActuators());
    c.field("raio", e.raio(), a.raio());
    c.field("flow", e.flow(), a.flow());
    c.field("flowNum", e.flowNum(), a.flowNum());
    c.field("flowPos", e.flowPos(), a.flowPos());
    c.field("dimensions", e.dimensions(), a.dimensions());
    c.field("position", e.position(), a.position());
    return c.difference();
}

QString groupDifference(const Group& e, const Group& a, const QSet<QString>& ignored)
{
    Comparison c(ignored);
    c.field("group name", e.name(), a.name());
    c.field("group description", e.description(), a.description());
    c.field("group creationDate", e.creationDate(), a.creationDate());
    c.field("macro count", e.macroCount(), a.macroCount());
    if (!c.difference().isEmpty())
        return c.difference();
    for (int i = 0; i < e.macroCount(); ++i) {
        const QString difference = macroDifference(*e.macros().at(i), *a.macros().at(i), ignored);
        if (!difference.isEmpty())
            return QStringLiteral("macro %1 (%2): %3")
                .arg(i)
                .arg(e.macros().at(i)->sigla(), difference);
    }
    return QString();
}
