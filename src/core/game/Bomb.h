#pragma once

class Canvas;
class World;

// Sets off one bomb: a grey flash over the whole play field, under everything drawn later in the
// frame, and every enemy shot gone. The boss, the effects and the player's shots are untouched.
// The caller decides whether a bomb may go off and counts it.
void usebomb(World& world, Canvas& canvas);
