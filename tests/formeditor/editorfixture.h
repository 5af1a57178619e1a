#pragma once

#include "formeditor/tablededitor.h"
#include "model/screentext.h"

#include <QAction>
#include <QByteArray>
#include <QMenu>
#include <QTest>

#include <initializer_list>
#include <memory>

namespace ZorTest {

// A text placed on a blank screen at (row, col).
struct Placed
{
    int row;
    int col;
    QByteArray text;
};

inline QByteArray screen(std::initializer_list<Placed> placed, char blank = ' ')
{
    QByteArray bytes(ScreenText::Size, blank);
    for (const Placed& p : placed)
        bytes.replace(p.row * ScreenText::Columns + p.col, p.text.size(), p.text);
    return bytes;
}

// A shown editor with the commands of the configure dialog registered.
inline std::unique_ptr<TabledEditor> shownEditor(QWidget* parent = nullptr,
                                                 bool withCommands = true)
{
    auto editor = std::make_unique<TabledEditor>(parent);
    if (withCommands) {
        editor->addCommand("Login", "[LLLLL]", "", 1, 7);
        editor->addCommand("Senha", "[SSSSS]", "", 1, 7);
        editor->addCommand("Data", "[dd/mm/aa]", "", 1, 6);
        editor->addCommand("Hora", "[hh:mm]", "", 1, 6);
        editor->addCommand("Data/Hora", "[dd/mm/aa][hh:mm]", "", 1, 6);
        editor->addCommand("Checagem", "[e]", "", 1, 6);
        editor->addCommand(QStringLiteral("Seleção").toUtf8(), "[r]", "", 1, 6);
        editor->addCommand("Texto", "[c]", "", 0, 12);
        editor->addCommand(QStringLiteral("Numérico").toUtf8(), "[n]", "", 0, 10);
        editor->addCommand("Decimal", "[f]", "", 0, 10);
        editor->createMenu();
    }
    QWidget* window = parent ? parent->window() : editor.get();
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        qWarning("the editor's window was not exposed");
    return editor;
}

inline QAction* menuAction(const TabledEditor& editor, const QString& text)
{
    const QList<QAction*> actions = editor.contextMenu()->actions();
    for (QAction* action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

inline QByteArray readAll(TabledEditor& editor)
{
    QByteArray bytes(ScreenText::Size, 'x');
    editor.readForm(bytes.data(), bytes.size());
    return bytes;
}

// The texts of count cells from (row, col) on, row after row.
inline QStringList cellTexts(const TabledEditor& editor, int row, int col, int count)
{
    QStringList texts;
    for (int i = row * ScreenText::Columns + col; count-- > 0; ++i) {
        const int index = i % ScreenText::Size;
        texts << editor.item(index / ScreenText::Columns, index % ScreenText::Columns)->text();
    }
    return texts;
}

inline bool isFieldCell(const TabledEditor& editor, int row, int col)
{
    return editor.item(row, col)->flags() == Qt::ItemIsEnabled;
}

inline bool isTextCell(const TabledEditor& editor, int row, int col)
{
    return editor.item(row, col)->flags() == (Qt::ItemIsEditable | Qt::ItemIsEnabled);
}

inline QBrush highlightBrush()
{
    return QBrush(QColor(200, 255, 200, 127));
}

} // namespace ZorTest
