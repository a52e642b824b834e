// The window's body: outline, surface, title bar, panels, words and
// leader lines. Everything here is the same in all four state pictures.
#include <algorithm>
#include <cmath>

#include "skingen/tool/paint.h"

namespace skingen {
namespace {

void Polygon(cairo_t* cr, std::initializer_list<std::pair<double, double>> points) {
  bool first = true;
  for (const auto& [x, y] : points) {
    if (first) cairo_move_to(cr, x, y);
    else cairo_line_to(cr, x, y);
    first = false;
  }
  cairo_close_path(cr);
}

void TitleBar(cairo_t* cr, const Layout& layout, std::string_view title) {
  const double w = layout.width;
  cairo_save(cr);
  ShapePath(cr, layout, 0);
  cairo_clip(cr);
  cairo_rectangle(cr, 0, 0, w, 30);
  FillVertical(cr, 0, 30, Rgb255(48, 48, 52), Rgb255(34, 34, 37));
  // A red bar under the title, broken by a slanted tab behind the words.
  SetColour(cr, theme::kRed);
  cairo_rectangle(cr, 0, 30, w, 2);
  cairo_fill(cr);
  const double tab = TextWidth(cr, title, 12, true) + 40;
  Polygon(cr, {{0, 0}, {tab, 0}, {tab + 12, 30}, {0, 30}});
  FillVertical(cr, 0, 30, Rgb255(200, 16, 16), Rgb255(140, 8, 8));
  cairo_restore(cr);
  DrawText(cr, title, 14, 15, 12, true, theme::kWhite);
}

void Group(cairo_t* cr, const Rect& r, std::string_view title) {
  RoundRectPath(cr, r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1, 6);
  FillVertical(cr, r.y, r.h, Rgb255(40, 40, 43), Rgb255(33, 33, 35));
  StrokeRoundRect(cr, r.x, r.y, r.w, r.h, 6, theme::kPanelEdge, 1);
  if (title.empty()) return;
  SetColour(cr, theme::kRed);
  cairo_rectangle(cr, r.x + 10, r.y + 9, 3, 12);
  cairo_fill(cr);
  DrawText(cr, title, r.x + 19, r.y + 15, 11, true, theme::kText);
}

void Link(cairo_t* cr, const Control& from, double x, double y) {
  // From the nearer side of the control, with a dot at the far end.
  const Rect& r = from.rect;
  const double sx = x < r.x ? r.x : r.x + r.w;
  const double sy = r.y + r.h / 2.0;
  const double elbow = sx + (x < r.x ? -12 : 12);
  SetColour(cr, theme::kRed, 0.55);
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, sx, sy + 0.5);
  cairo_line_to(cr, elbow, sy + 0.5);
  cairo_line_to(cr, x, y);
  cairo_stroke(cr);
  SetColour(cr, theme::kRed);
  cairo_arc(cr, x, y, 2.5, 0, 2 * M_PI);
  cairo_fill(cr);
}

}  // namespace

void ShapePath(cairo_t* cr, const Layout& layout, double i) {
  const double w = layout.width, h = layout.height, s = layout.shape_size;
  switch (layout.shape) {
    case Shape::kRect:
      cairo_rectangle(cr, i, i, w - 2 * i, h - 2 * i);
      break;
    case Shape::kRound:
      RoundRectPath(cr, i, i, w - 2 * i, h - 2 * i, s);
      break;
    case Shape::kChamfer: {
      const double c = s - i * 0.4;
      Polygon(cr, {{i + c, i}, {w - i - c, i}, {w - i, i + c}, {w - i, h - i - c}, {w - i - c, h - i}, {i + c, h - i},
                   {i, h - i - c}, {i, i + c}});
      break;
    }
    case Shape::kMain: {
      // Cut corners, and a notch under the middle of the bottom edge.
      const double big = 34 - i * 0.4, small = 12 - i * 0.4;
      const double n0 = w * 0.40, n1 = w * 0.60, notch = 12;
      Polygon(cr, {{i + big, i}, {w - i - small, i}, {w - i, i + small}, {w - i, h - i - big}, {w - i - big, h - i},
                   {n1 + notch, h - i}, {n1, h - i - notch}, {n0, h - i - notch}, {n0 - notch, h - i},
                   {i + small, h - i}, {i, h - i - small}, {i, i + big}});
      break;
    }
  }
}

void DrawWindow(cairo_t* cr, const Layout& layout) {
  const double w = layout.width, h = layout.height;
  // Outside the outline (cut away by the mask) keep the surface colour, so
  // that crops along the edge look right too.
  SetColour(cr, theme::kSurfaceLow);
  cairo_paint(cr);
  ShapePath(cr, layout, 0);
  FillVertical(cr, 0, h, theme::kSurfaceTop, theme::kSurfaceLow);
  // Faint diagonal hatching gives the surface some texture.
  cairo_save(cr);
  ShapePath(cr, layout, 0);
  cairo_clip(cr);
  SetColour(cr, theme::kWhite, 0.018);
  cairo_set_line_width(cr, 1);
  for (double d = -h; d < w; d += 6) {
    cairo_move_to(cr, d, h);
    cairo_line_to(cr, d + h, 0);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  if (layout.shape != Shape::kRect) {
    ShapePath(cr, layout, 1);
    SetColour(cr, theme::kRed, 0.9);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    ShapePath(cr, layout, 4);
    SetColour(cr, Rgb255(70, 70, 76), 0.7);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  } else {
    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    SetColour(cr, theme::kPanelEdge);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  for (const auto& d : layout.decorations) {
    switch (d.type) {
      case Decoration::Type::kTitle:
        TitleBar(cr, layout, d.text);
        break;
      case Decoration::Type::kGroup:
        Group(cr, d.rect, d.text);
        break;
      case Decoration::Type::kText:
        // Headings bold, sentences plain, small print dimmed.
        DrawText(cr, d.text, d.rect.x, d.rect.y, d.rect.h, d.rect.h >= 12,
                 d.rect.h >= 11 ? theme::kText : theme::kTextDim);
        break;
      case Decoration::Type::kArt:
        DrawArt(cr, d.text, d.rect);
        break;
      case Decoration::Type::kLink:
        if (const Control* c = layout.Find(d.key)) Link(cr, *c, d.rect.x, d.rect.y);
        break;
    }
  }
}

}  // namespace skingen
