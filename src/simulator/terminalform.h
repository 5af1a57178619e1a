#pragma once

#include "terminalfield.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// A screen of the terminal as the driver fills it: the text of a form, the
// entry fields its markers make, in reading order, and what each holds.
// Field indexes are 0-based; the messages count fields from 1, as the
// driver does.
class TerminalForm
{
    Q_DECLARE_TR_FUNCTIONS(TerminalForm)

public:
    // A blank screen.
    TerminalForm();
    // A screen of 20 rows of 40 characters: a shorter text is filled with
    // blanks, NUL bytes show as blanks. Without fields the markers are text.
    explicit TerminalForm(const QByteArray& text, bool withFields = true);

    const QList<TerminalField>& fields() const { return m_fields; }
    QStringList values() const { return m_values; }

    // Each step returns why it was refused, empty when it was accepted.
    // Part of a value, as the driver types it.
    QString type(int index, const QString& text);
    // A whole value.
    QString fill(int index, const QString& text);
    // Sets or clears a Checagem, chooses a Seleção.
    QString mark(int index, bool set);
    // Why the screen can't be sent as it stands: the first field, in reading
    // order, that is obligatory and empty or holds an unfinished value.
    QString sendRefusal() const;

    // 20 rows of 40 characters, the values in their fields, passwords
    // masked.
    QStringList screen() const;

    // The 20 rows of a screen's 800 bytes.
    static QStringList rows(const QByteArray& screen);
    // The text as a screen of 800 bytes without NUL bytes.
    static QByteArray normalised(const QByteArray& text);

private:
    void findFields();
    void addField(const TerminalField& field);
    bool hasChoice() const;
    QString fieldRefusal(int index, const QString& reason) const;
    QString missingRefusal(int index) const;
    QString noFieldRefusal(int index) const;

    QByteArray m_text;
    QList<TerminalField> m_fields;
    QStringList m_values;
};
