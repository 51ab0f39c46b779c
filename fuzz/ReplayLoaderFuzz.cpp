// Any bytes at all: the replay loader either refuses them with a message or returns a replay that
// writes back to exactly the same bytes. It never crashes, hangs or allocates by a size it read.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "replay/ReplayFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string error;
  const auto replay = decodeReplay(data, size, error);
  if (!replay) {
    if (error.empty()) std::abort();
    return 0;
  }
  const std::string again = encodeReplay(*replay);
  if (again != std::string(reinterpret_cast<const char*>(data), size)) std::abort();
  return 0;
}
