#pragma once

#include "IconFile.h"

// The window icon's picture: the player's ship, nose up, drawn with the game's own image and
// rasterizer at the given size, on a transparent background.
IconImage drawShipIcon(int size);
