#pragma once

#include "model/screentext.h"
#include "terminalmacro.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// The terminal's first screen: every macro a driver can open, in the order
// of their numbers, each with its number, its shortcut where it has one, its
// acronym and its name; a header row above them, RowsPerPage macros a page.
class StartScreen
{
    Q_DECLARE_TR_FUNCTIONS(StartScreen)

public:
    static constexpr int RowsPerPage = ScreenText::Rows - 1;

    explicit StartScreen(const QList<TerminalMacro>& macros);

    // At least one page, empty when the group has no macros.
    int pageCount() const;
    // 20 rows of 40 characters; a page beyond the last shows the last.
    QStringList screen(int page) const;

private:
    static QString row(const QString& number, const QString& shortcut, const QString& sigla,
                       const QString& name);

    QStringList m_rows;
};
