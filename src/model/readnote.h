#pragma once

#include <QString>

// Something odd in a file that was read all the same: a damaged legacy file
// (too short, bytes left over, lengths beyond their field) or a value that
// did not fit where it is kept and was read as another. The editor tells the
// user, a conversion warns, a check reports it as a finding.
struct ReadNote
{
    enum class Kind { LegacyDamage, ValueRange };

    Kind kind = Kind::LegacyDamage;
    // The macro the note is about; both empty for the file as a whole.
    QString sigla;
    QString num;
    QString message;

    bool operator==(const ReadNote& other) const
    {
        return kind == other.kind && sigla == other.sigla && num == other.num &&
               message == other.message;
    }

    // "SIGLA (NUM): message", or the message alone for the whole file.
    QString text() const
    {
        if (sigla.isEmpty() && num.isEmpty())
            return message;
        return QStringLiteral("%1 (%2): %3").arg(sigla, num, message);
    }
};
