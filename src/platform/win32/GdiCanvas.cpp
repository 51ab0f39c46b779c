#include "GdiCanvas.h"

#include "GdiSelection.h"

static_assert(sizeof(COLORREF) == sizeof(Colorref), "Colorref is packed like COLORREF");

void GdiCanvas::polygon(std::span<const Point> points, OptionalColor pen, OptionalColor brush) {
  scratch_.clear();
  for (const Point& p : points) scratch_.push_back(POINT{p.x, p.y});
  const GdiSelection selectedPen = GdiSelection::pen(dc_, pen);
  const GdiSelection selectedBrush = GdiSelection::brush(dc_, brush);
  Polygon(dc_, scratch_.data(), static_cast<int>(scratch_.size()));
}

void GdiCanvas::rectangle(int left, int top, int right, int bottom, OptionalColor pen,
                          OptionalColor brush) {
  const GdiSelection selectedPen = GdiSelection::pen(dc_, pen);
  const GdiSelection selectedBrush = GdiSelection::brush(dc_, brush);
  Rectangle(dc_, left, top, right, bottom);
}

void GdiCanvas::line(Point from, Point to, Colorref pen) {
  const GdiSelection selectedPen = GdiSelection::pen(dc_, pen);
  MoveToEx(dc_, from.x, from.y, nullptr);
  LineTo(dc_, to.x, to.y);
}

void GdiCanvas::text(int x, int y, std::string_view text, Colorref color) {
  SetBkMode(dc_, TRANSPARENT);
  SetTextColor(dc_, color);
  TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

void GdiCanvas::setViewportOrigin(int x, int y) { SetViewportOrgEx(dc_, x, y, nullptr); }
