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

// A shown editor holding form, with fixed and sized commands in its menu.
inline std::unique_ptr<TabledEditor> shownEditor(const QByteArray& form = QByteArray())
{
    auto editor = std::make_unique<TabledEditor>();
    editor->addCommand("Login", "[LLLLL]", "", 1, 7);
    editor->addCommand("Data/Hora", "[dd/mm/aa][hh:mm]", "", 1, 6);
    editor->addCommand("Checagem", "[e]", "", 1, 6);
    editor->addCommand("Texto", "[c]", "", 0, 12);
    editor->addCommand(QStringLiteral("Numérico").toUtf8(), "[n]", "", 0, 10);
    editor->createMenu();
    editor->loadForm(form.constData(), form.size());
    editor->show();
    if (!QTest::qWaitForWindowExposed(editor.get()))
        qWarning("the editor was not exposed");
    return editor;
}

inline QAction* menuAction(const TabledEditor& editor, const QString& text)
{
    const QList<QAction*> actions = editor.contextMenu()->actions();
    for (QAction* action : actions) {
        if (action->text() == text)
            return action;
    }
    qWarning("no menu entry %s", qPrintable(text));
    return nullptr;
}

inline QByteArray readAll(TabledEditor& editor)
{
    QByteArray bytes(ScreenText::Size, 'x');
    editor.readForm(bytes.data(), bytes.size());
    return bytes;
}

} // namespace ZorTest
