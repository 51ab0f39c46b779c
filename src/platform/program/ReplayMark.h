#pragma once

class RasterCanvas;

// "REPLAY" in the bottom-right corner of a recorded game being shown, the same in every program.
void drawReplayMark(RasterCanvas& canvas);
