#include "ResidentMemory.h"

#include <fstream>

#if defined(__linux__)
#include <unistd.h>
#endif

std::int64_t residentKilobytes() {
#if defined(__linux__)
  std::ifstream statm("/proc/self/statm");
  std::int64_t size = 0;
  std::int64_t resident = 0;
  if (!(statm >> size >> resident)) return -1;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
#else
  return -1;
#endif
}
