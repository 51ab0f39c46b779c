#pragma once

class World;

// An enemy shot reached the ship. A ship that is not in its normal state (regenerating, exploding,
// waiting) shrugs it off; otherwise it explodes and a life goes. Losing the last spare ship ends
// the game; any other loss leaves the next ship at least one bomb. Ignored while the world is
// invincible.
void destroyplayer(World& world);
