#include "startscreen.h"

#include <algorithm>

namespace {

constexpr int NumberWidth = 3;
constexpr int ShortcutWidth = 3;
constexpr int SiglaWidth = 3;

// Only what the screen shows: accents become their letters, other signs go.
QString terminalText(const QString& text)
{
    QString shown;
    for (const QChar character : text.normalized(QString::NormalizationForm_D)) {
        if (character.unicode() >= 32 && character.unicode() < 128 &&
            ScreenText::isAllowed(char(character.unicode())))
            shown.append(character);
    }
    return shown;
}

QString right(const QString& text, int width)
{
    return terminalText(text).left(width).rightJustified(width, QLatin1Char(' '));
}

QString left(const QString& text, int width)
{
    return terminalText(text).left(width).leftJustified(width, QLatin1Char(' '));
}

} // namespace

StartScreen::StartScreen(const QList<TerminalMacro>& macros)
{
    QList<const TerminalMacro*> ordered;
    for (const TerminalMacro& macro : macros)
        ordered.append(&macro);
    std::stable_sort(
        ordered.begin(), ordered.end(),
        [](const TerminalMacro* a, const TerminalMacro* b) { return a->number < b->number; });
    for (const TerminalMacro* macro : ordered) {
        m_rows.append(row(macro->num, macro->hasShortcut() ? macro->shortcut : QString(),
                          macro->sigla, macro->name));
    }
}

QString StartScreen::row(const QString& number, const QString& shortcut, const QString& sigla,
                         const QString& name)
{
    const QString blank(1, QLatin1Char(' '));
    const int nameWidth = ScreenText::Columns - NumberWidth - ShortcutWidth - SiglaWidth - 3;
    return right(number, NumberWidth) + blank + right(shortcut, ShortcutWidth) + blank +
           left(sigla, SiglaWidth) + blank + left(name, nameWidth);
}

int StartScreen::pageCount() const
{
    return std::max(1, int((m_rows.size() + RowsPerPage - 1) / RowsPerPage));
}

QStringList StartScreen::screen(int page) const
{
    const int first = std::clamp(page, 0, pageCount() - 1) * RowsPerPage;
    QStringList screen{row(tr("NUM"), tr("ATL"), tr("SIG"), tr("MACRO"))};
    screen += m_rows.mid(first, RowsPerPage);
    while (screen.size() < ScreenText::Rows)
        screen.append(QString(ScreenText::Columns, QLatin1Char(' ')));
    return screen;
}
