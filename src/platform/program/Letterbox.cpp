#include "Letterbox.h"

#include <cstdint>

Viewport letterbox(int windowWidth, int windowHeight, int gameWidth, int gameHeight) {
  if (windowWidth <= 0 || windowHeight <= 0 || gameWidth <= 0 || gameHeight <= 0) return {};
  Viewport view;
  // Compared as cross products, so no rounding decides which side gets the bars.
  const std::int64_t wider = std::int64_t{windowWidth} * gameHeight;
  const std::int64_t taller = std::int64_t{windowHeight} * gameWidth;
  if (wider > taller) {  // bars left and right
    view.height = windowHeight;
    view.width = static_cast<int>(taller / gameHeight);
  } else {  // bars above and below, or none
    view.width = windowWidth;
    view.height = static_cast<int>(wider / gameWidth);
  }
  view.x = (windowWidth - view.width) / 2;
  view.y = (windowHeight - view.height) / 2;
  return view;
}
