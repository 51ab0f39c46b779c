#pragma once

#include "sound/Recipe.h"
#include "sound/SoundCue.h"

// The recipe of every cue, tuned as one set: the laser light, explosions weighty, the bomb the
// biggest sound of all, jingles for the screens.
const Recipe& recipeFor(SoundCue cue);
