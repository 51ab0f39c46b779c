#pragma once

#include <windows.h>

#include "graphics/Canvas.h"

// A pen or brush selected into a device context for one drawing call. A colour makes a new solid
// object; no colour selects the stock NULL_PEN / NULL_BRUSH. On leaving, the object that was
// selected before comes back first, and only then is the new one deleted (GDI refuses to delete a
// selected object, which would leak it).
class GdiSelection {
 public:
  static GdiSelection pen(HDC dc, OptionalColor colour);
  static GdiSelection brush(HDC dc, OptionalColor colour);

  ~GdiSelection();
  GdiSelection(const GdiSelection&) = delete;
  GdiSelection& operator=(const GdiSelection&) = delete;

 private:
  GdiSelection(HDC dc, HGDIOBJ object, bool owned);

  HDC dc_;
  HGDIOBJ object_;
  HGDIOBJ previous_;
  bool owned_;  // created for this call (stock objects are never deleted)
};
