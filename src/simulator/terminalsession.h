#pragma once

#include "sentmessage.h"
#include "startscreen.h"
#include "terminalform.h"
#include "terminalmacro.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class Group;

// A driver at the terminal with one group: the start screen lists the
// macros; opening one shows its form with its entry fields; sending it
// records the message as the server receives it, shows the confirmation
// text and offers the macros of its flow on the function keys F0 to F9. An
// "Informação" macro shows its form as text, is never sent and offers its
// flow at once. Back always returns to the start screen.
//
// The session works on a copy of the group taken when it is made: the group
// is never changed, and later changes to it are not seen.
//
// Each step returns why it was refused, empty when it was accepted; a
// refused step changes nothing.
class TerminalSession
{
    Q_DECLARE_TR_FUNCTIONS(TerminalSession)

public:
    enum class Stage { Start, Form, Information, Sent };

    explicit TerminalSession(const Group& group);

    Stage stage() const { return m_stage; }
    // The screen as the driver sees it: 20 rows of 40 characters, passwords
    // masked.
    QStringList screen() const;
    // The macro on the screen; null on the start screen.
    const TerminalMacro* macro() const;
    // The fields of the form on the screen: none outside the form stage.
    const TerminalForm& form() const { return m_form; }

    int startPage() const { return m_page; }
    int startPageCount() const { return m_start.pageCount(); }
    void setStartPage(int page);

    // The first macro of this number, from the start screen.
    QString open(int number);
    // Field steps count fields from 0; see TerminalForm.
    QString type(int field, const QString& text);
    QString fill(int field, const QString& text);
    QString mark(int field, bool set);
    QString send();
    // The macro on function key F<key>, once the flow is offered.
    QString next(int key);
    QString back();

    // Whether the function keys lead on: after a send, and on an
    // "Informação" macro.
    bool offersKeys() const;
    // The acronym on function key F<key> of the macro on the screen; empty
    // for none.
    QString keySigla(int key) const;

    const QList<SentMessage>& sentMessages() const { return m_sent; }

private:
    void show(int index);
    QString notOnForm() const;
    int indexOfSigla(const QString& sigla) const;

    QList<TerminalMacro> m_macros;
    StartScreen m_start;
    Stage m_stage = Stage::Start;
    int m_current = -1;
    int m_page = 0;
    TerminalForm m_form;
    QList<SentMessage> m_sent;
};
