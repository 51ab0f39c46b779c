#pragma once

// Brings an angle into -3.14159..3.14159 by whole turns of 6.28318.
double neg_to_pos(double angle);

// The angle, or the angle one turn off, whichever lies within half a turn of the reference, so that
// easing towards it turns the short way round.
double nearer_from(double reference, double angle);
