#include "GdiSelection.h"

GdiSelection GdiSelection::pen(HDC dc, OptionalColor colour) {
  if (!colour) return GdiSelection(dc, GetStockObject(NULL_PEN), false);
  return GdiSelection(dc, CreatePen(PS_SOLID, 1, *colour), true);
}

GdiSelection GdiSelection::brush(HDC dc, OptionalColor colour) {
  if (!colour) return GdiSelection(dc, GetStockObject(NULL_BRUSH), false);
  return GdiSelection(dc, CreateSolidBrush(*colour), true);
}

GdiSelection::GdiSelection(HDC dc, HGDIOBJ object, bool owned)
    : dc_(dc), object_(object), previous_(SelectObject(dc, object)), owned_(owned) {}

GdiSelection::~GdiSelection() {
  SelectObject(dc_, previous_);
  if (owned_) DeleteObject(object_);
}
