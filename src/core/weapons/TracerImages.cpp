#include "weapons/TracerImages.h"

TracerImage::TracerImage(Colorref pen, Colorref brush) : VectorImage(4, pen, brush) {
  set_xy(0, 10, 5);
  set_xy(1, -10, 5);
  set_xy(2, -10, -5);
  set_xy(3, 10, -5);
}

void TracerImage::draw(Canvas& canvas, double x, double y, double rotation, double scale) const {
  VectorImage::draw(canvas, x, y, rotation, scale, penAt(brightness), brushAt(brightness));
}

bool TracerImage::fade(double f) {
  brightness -= static_cast<int>(f * 255);
  if (brightness >= 1) return false;
  brightness = 0;
  return true;
}

WhiteTracerImage::WhiteTracerImage() : TracerImage(0xFFFFFF, 0xFFFFFF) {}

Colorref WhiteTracerImage::penAt(int level) const { return rgb(level / 2, level / 2, level / 2); }

Colorref WhiteTracerImage::brushAt(int level) const { return rgb(level, level, level); }

PHSTracerImage::PHSTracerImage() : TracerImage(0x7F7FFF, 0x7F7FFF) {}

Colorref PHSTracerImage::penAt(int level) const { return rgb(level / 2, level / 4, level / 4); }

Colorref PHSTracerImage::brushAt(int level) const { return rgb(level, level / 2, level / 2); }
