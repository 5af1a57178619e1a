#pragma once

#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// What both fuzz targets need: silence (no message, no debug line per
// input) and the sample reference data when it is in the working folder.
namespace FuzzSupport {

void initialize();
QByteArray bytesOf(const uint8_t* data, size_t size);
// The violation timer flags of "zor.ini", for the rewrite after a load.
const QStringList& timerFlags();
// Stops the run, so that libFuzzer keeps the input, when a property fails.
void require(bool property, const char* what);

} // namespace FuzzSupport
