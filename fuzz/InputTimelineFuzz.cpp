// Any bytes as the runner's input file: refused with a message naming the line, or a timeline
// whose controls can be asked for at any frame. It never crashes or hangs.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "InputTimeline.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::string error;
  const auto timeline = InputTimeline::parse(in, error);
  if (!timeline) {
    if (error.rfind("input line ", 0) != 0) std::abort();
    return 0;
  }
  for (std::int64_t frame : {std::int64_t{0}, std::int64_t{1}, std::int64_t{1} << 40}) {
    const std::string text = InputTimeline::formatControls(timeline->heldAt(frame));
    if (text.empty()) std::abort();
  }
  return 0;
}
