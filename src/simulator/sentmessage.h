#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A message as the server receives it from the terminal: the macro's
// number and acronym and every field's value in the screen's reading order,
// passwords as typed.
struct SentMessage
{
    int macro = 0;
    QString sigla;
    QStringList fields;

    // {"macro": 1, "sigla": "INI", "fields": ["JOAO", ...]} on one line,
    // UTF-8, without the line break.
    QByteArray jsonLine() const;
};
