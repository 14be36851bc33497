#pragma once
// Time helpers of the editor library: monotonic ticks and the current century.

#include <cstdint>

namespace controls {

// Milliseconds of a monotonic clock; never wraps or goes back.
std::uint64_t TickCount64();
// Milliseconds from last to now; 0 when now lies before last.
std::uint64_t TicksSince(std::uint64_t last, std::uint64_t now);
// The year of today's date div 100 times 100.
int CurrentCentury();

}  // namespace controls
