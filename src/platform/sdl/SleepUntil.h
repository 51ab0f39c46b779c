#pragma once

#include <cstdint>

// Microseconds on the steady clock, the one every part of the loop reads.
std::int64_t steadyNowUs();

// Sleeps until `deadlineUs` on the steady clock: the bulk in the kernel, the last fraction of a
// millisecond by yielding, since a plain sleep tends to overshoot by about that much.
void sleepUntil(std::int64_t deadlineUs);
