#pragma once

#include <QPointF>

#include <memory>

class Group;

// The large groups the benchmark measures: every macro with ten next macros,
// twenty violations, a filled form and a filled confirmation text, the boxes
// on a square grid. Clean by the terminal's rules, so that opening and saving
// them raises no question.
namespace BenchGroups {

// Where the boxes go: a square grid of 180 units from (40, 40), boxes of
// 121 x 81, as in the sample group. A grid of 999 boxes is 32 boxes wide and
// reaches past the 3000-unit scene, as a large diagram does.
constexpr int GridOrigin = 40;
constexpr int GridStep = 180;
constexpr int BoxWidth = 121;
constexpr int BoxHeight = 81;
constexpr int FlowEntries = 10;
constexpr int Violations = 20;

std::unique_ptr<Group> generate(int macroCount);
// A flow as one is first drawn: each macro followed by nextCount others,
// mostly the next few in the list, every tenth one also leading back to an
// earlier macro; the boxes in one row, as the editor places new ones. No
// forms nor violations: only the flow counts here.
std::unique_ptr<Group> generateFlow(int macroCount, int nextCount);
// The same group a month later, as an office revises it: some macros
// renamed, violation times and reactions, forms, confirmation texts and next
// macros edited here and there, three macros replaced by new ones under their
// numbers and boxes moved.
void revise(Group& group);

// The acronym of the macro at this index: three letters, unique.
QString siglaAt(int index);

} // namespace BenchGroups
