#pragma once

#include <QByteArray>
#include <QStringList>

#include <memory>

class Group;

// The groups the tests and the examples are made of.
namespace SampleGroups {

// A terminal screen from its rows, each padded to 40 columns, the screen
// padded to 20 rows; fails the program on a row too long.
QByteArray screen(const QStringList& rows);

// The group of examples/sample.mcx: a dozen macros of every type, laid out
// in a grid, clean by the terminal's rules.
std::unique_ptr<Group> sample();
// The bytes of examples/legacy.mcr, built from the legacy record layout.
QByteArray legacySample();
// Two macros with every field the .mcx format holds set to a value other
// than its default.
std::unique_ptr<Group> everyField();

// The violation timer flags of the sample reference data ("zor.ini").
QStringList timerFlags();

} // namespace SampleGroups
