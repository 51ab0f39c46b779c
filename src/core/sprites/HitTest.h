#pragma once

class MyHitSprite;

// Circle against circle on the two sprites' hit radii; touching at exactly the sum counts.
bool testhit(const MyHitSprite* a, const MyHitSprite* b);
