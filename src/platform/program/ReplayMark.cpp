#include "ReplayMark.h"

#include "RasterCanvas.h"

void drawReplayMark(RasterCanvas& canvas) {
  canvas.text(canvas.width() - 64, canvas.height() - 26, "REPLAY", 0x00FFFF);
}
