#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>

// One entry field of the terminal's screen, made from a field marker of a
// form, and the one place that says what each kind of field takes, how the
// screen shows it and what the message carries for it:
//
// - A marker repeats one letter: L Login, S Senha, e Checagem, r Seleção,
//   c Texto, n Numérico, f Decimal; the dates and times are their templates
//   "[dd/mm/aa]" and "[hh:mm]", and a date marker right before a time marker
//   is one Data/Hora field. Upper case makes the field obligatory. Anything
//   else between brackets is plain text on the screen.
// - A field takes at most as many characters as its marker holds between the
//   brackets. Login and Senha take letters and digits, Texto any character
//   the screen shows, Numérico digits, Decimal digits with one "," or "."
//   between them, Data "dd/mm/aa" (a real date of 20aa), Hora "hh:mm" (00:00
//   to 23:59), Data/Hora both with one blank between them.
// - Checagem and Seleção are marks: set or clear, shown as "X" or a blank in
//   the marker's first cell and sent as "1" or "0". The Seleção fields of a
//   screen make one choice: setting one clears the others. An obligatory
//   Checagem must be set; an obligatory Seleção needs one of the screen's
//   Seleção fields chosen.
// - Senha shows as "*" for each character and is sent as typed.
class TerminalField
{
    Q_DECLARE_TR_FUNCTIONS(TerminalField)

public:
    enum class Kind {
        Login,
        Senha,
        Data,
        Hora,
        DataHora,
        Checagem,
        Selecao,
        Texto,
        Numerico,
        Decimal
    };

    // What a mark holds and sends, set or clear.
    static QString markValue(bool set) { return set ? QStringLiteral("1") : QStringLiteral("0"); }
    // How a password shows.
    static constexpr char MaskCharacter = '*';

    TerminalField(Kind kind, int row, int column, int width, bool obligatory);

    // The field of a marker, from its "[" to its "]" included; nothing for a
    // marker that names no kind.
    static std::optional<TerminalField> fromMarker(const QByteArray& marker, int row, int column);
    // The Data/Hora field of a date field followed at once by a time field.
    static std::optional<TerminalField> joined(const TerminalField& date,
                                               const TerminalField& time);

    Kind kind() const { return m_kind; }
    int row() const { return m_row; }
    int column() const { return m_column; }
    // Cells on the screen, brackets included.
    int width() const { return m_width; }
    bool isObligatory() const { return m_obligatory; }
    bool isMark() const { return m_kind == Kind::Checagem || m_kind == Kind::Selecao; }
    // Characters the field takes.
    int capacity() const;
    // What the field holds before the driver touches it.
    QString initialValue() const { return isMark() ? markValue(false) : QString(); }
    // Whether the field holds nothing the driver gave: an empty text or a
    // clear mark.
    bool isEmpty(const QString& value) const;

    // Why the field can't hold text, even as the start of a value being
    // typed (a character it never takes, too long); empty when it can.
    QString typingRefusal(const QString& text) const;
    // Why text can't be the field's value; empty when it can. An empty text
    // always can: whether the field may stay empty is the sender's question.
    QString refusal(const QString& text) const;

    // The field's cells as the screen shows them holding value.
    QByteArray cells(const QString& value) const;

    // The field command's name: "Login", "Senha", ...
    static QString kindName(Kind kind);

private:
    static std::optional<Kind> kindOfLetter(char letter);
    bool takesCharacter(QChar character) const;
    bool isComplete(const QString& text) const;
    static bool isDecimal(const QString& text);

    Kind m_kind;
    int m_row;
    int m_column;
    int m_width;
    bool m_obligatory;
};
