#pragma once

#include <cstdint>

// The process's resident memory in kilobytes, or -1 where the system does not tell.
std::int64_t residentKilobytes();
