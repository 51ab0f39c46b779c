#include "game/World.h"
#include "graphics/Canvas.h"

void updategame(World&, Canvas&) {}
