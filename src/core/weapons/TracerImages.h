#pragma once

#include "graphics/VectorImage.h"

// A bar 20 long and 10 wide along the x axis whose colours follow its brightness, so that the
// after-images of a tracer can dim frame by frame until they vanish.
class TracerImage : public VectorImage {
 public:
  using VectorImage::draw;
  // Draws the bar in the colours of its present brightness, whatever its own colours.
  void draw(Canvas& canvas, double x, double y, double rotation, double scale) const;

  // Dims by the fraction f of full brightness; true once nothing is left to see.
  bool fade(double f);
  int get_brightness() const { return brightness; }

 protected:
  TracerImage(Colorref pencol, Colorref brushcol);

  virtual Colorref penAt(int level) const = 0;
  virtual Colorref brushAt(int level) const = 0;

 private:
  int brightness = 255;
};

// White with a grey edge half as bright.
class WhiteTracerImage : public TracerImage {
 public:
  WhiteTracerImage();

 protected:
  Colorref penAt(int level) const override;
  Colorref brushAt(int level) const override;
};

// Pink: full red with half green and blue, edged at half that.
class PHSTracerImage : public TracerImage {
 public:
  PHSTracerImage();

 protected:
  Colorref penAt(int level) const override;
  Colorref brushAt(int level) const override;
};
