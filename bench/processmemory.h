#pragma once

// The memory of this process as the kernel counts it (Linux).
namespace ProcessMemory {

// VmHWM of /proc/self/status: the peak resident set, in megabytes (MiB);
// -1 when unknown.
double peakMb();
// VmRSS: the resident set now, in megabytes (MiB); -1 when unknown.
double residentMb();
// Gives freed heap back to the system and starts the peak afresh from the
// resident set of now, so that what the benchmark built before does not
// count. False when the kernel refuses (the peak then covers the whole run).
bool resetPeak();

} // namespace ProcessMemory
