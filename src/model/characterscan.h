#pragma once

#include <QStringList>

class Macro;

// The characters of a macro's form and confirmation text that the terminal
// screen can't show, and their automatic correction.
class CharacterScan
{
public:
    // Each refused character once, in the order of its first appearance, over
    // all 1600 bytes of both screens; a NUL byte is an empty cell, and each
    // byte is a Latin-1 character, as the files and the terminal hold it.
    static QStringList refusedCharacters(const Macro& macro);

    // Replaces every refused byte of both screens by an allowed one.
    static void correct(Macro& macro);
};
