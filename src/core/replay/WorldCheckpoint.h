#pragma once

#include "replay/ReplayFile.h"

class World;

// The values a replay checks, read from the game as it stands.
Checkpoint checkpointOf(const World& world);
