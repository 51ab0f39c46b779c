#pragma once

class RasterCanvas;

// The paused game: the last picture dimmed, "PAUSED" and how to go on written over its middle in
// the game's own font, the same in every program that pauses.
void drawPauseScreen(RasterCanvas& canvas);
