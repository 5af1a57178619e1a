#pragma once

#include <memory>

class Group;

namespace ZorTest {

// A group as one is first built in the editor: every box in one row, to the
// right of the one before; each macro followed by nextCount others, mostly
// the next few, every tenth one also by a macro about a quarter of the way
// back.
std::unique_ptr<Group> flowGroup(int macroCount, int nextCount);

} // namespace ZorTest
