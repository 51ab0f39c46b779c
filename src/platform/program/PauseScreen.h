#pragma once

class RasterCanvas;

// The paused game: the last picture dimmed, "PAUSED" and how to go on written over its middle in
// the game's own font. The Linux and browser programs show the same screen.
void drawPauseScreen(RasterCanvas& canvas);
