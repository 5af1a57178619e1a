#pragma once

#include <QStringList>

class Macro;

// The characters of a macro's form and confirmation text that the terminal
// screen can't show, and their automatic correction.
class CharacterScan
{
public:
    // Each refused character once, in the order of its first appearance, over
    // all 1600 bytes of both screens; a NUL byte is an empty cell, and the
    // bytes are read as UTF-8, so an accented letter is one character.
    static QStringList refusedCharacters(const Macro& macro);

    // Replaces every refused byte of both screens by an allowed one.
    static void correct(Macro& macro);
};
