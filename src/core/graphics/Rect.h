#pragma once

// A rectangle in client pixels; the play field's left and top are 0, its right and bottom the
// field's size.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
