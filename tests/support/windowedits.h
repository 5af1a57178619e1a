#pragma once

#include <memory>

class MainWindow;
class Macro;

namespace ZorTest {

// Adds the macro to the window's open group as the new-macro command does:
// its box after the last one, through an undoable command.
Macro* addMacro(MainWindow& window, std::unique_ptr<Macro> macro);

// Marks what the open group holds as saved.
void markSaved(MainWindow& window);

} // namespace ZorTest
