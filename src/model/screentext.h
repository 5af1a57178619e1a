#pragma once

class QRegularExpression;

// The terminal's character screen as bytes: 20 rows of 40 single-byte
// characters, row after row, without separators. Input fields are bracketed
// markers inside one row. These checks work on raw bytes so that the pre-save
// checks and a headless run can use them without the grid editor.
class ScreenText
{
public:
    static constexpr int Rows = 20;
    static constexpr int Columns = 40;
    static constexpr int Size = Rows * Columns;

    // Matches one character that the terminal screen does not show. Compiled
    // once for the process.
    static const QRegularExpression& refusedCharacter();

    // Whether the terminal shows this byte. Bytes of 128 and above never are
    // (a single byte of a multi-byte character), nor is NUL.
    static bool isAllowed(char byte);
    // Whether the screen shows every byte of text; a NUL byte is an empty
    // cell and counts as shown.
    static bool showsAll(const char* text, int length);

    // 0 when every field marker of the screen is well formed, otherwise the
    // 1-based row of the first fault. Reads at most length and at most Size
    // bytes.
    static int checkFields(const char* text, int length);

    // Replaces in place every byte the screen does not show by one it does.
    // NUL bytes stay: they are the unused cells of a form exported from the
    // grid. Touches at most length and at most Size bytes.
    static void correctCharacters(char* text, int length);

private:
    static int boundedLength(const char* text, int length);
    static int unbalancedRow(const char* text, int length);
    static int brokenMarkerRow(const char* text, int length);
};
