#pragma once

#include <QByteArray>
#include <QStringList>

#include <memory>

class Group;

// The groups the tests are made of.
namespace SampleGroups {

// The group of examples/sample.mcx: a dozen macros of every type, laid out
// in a grid, clean by the terminal's rules. Needs the reference data of the
// test environment, which names the anchor violation.
std::unique_ptr<Group> sample();
// The bytes of examples/legacy.mcr, two macros in the legacy record layout.
QByteArray legacySample();
// A group of up to six macros whose every field takes any value its type
// holds, the terminal's limits and the values the formats treat apart
// coming up often; the same for the same seed.
std::unique_ptr<Group> random(quint32 seed);
// Rows "seed 1" to "seed <count>" of a column "seed" (quint32).
void addSeedRows(quint32 count);

// The violation timer flags of the sample reference data ("zor.ini").
QStringList timerFlags();

} // namespace SampleGroups
