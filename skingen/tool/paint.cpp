#include "skingen/tool/paint.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace skingen {

void SetColour(cairo_t* cr, Colour c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void FillVertical(cairo_t* cr, double y, double h, Colour top, Colour bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void StrokeRoundRect(cairo_t* cr, double x, double y, double w, double h, double r, Colour c, double width) {
  RoundRectPath(cr, x + width / 2, y + width / 2, w - width, h - width, r);
  SetColour(cr, c);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

static void SelectFont(cairo_t* cr, double size, bool bold) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}

double TextWidth(cairo_t* cr, std::string_view text, double size, bool bold) {
  SelectFont(cr, size, bold);
  const std::string s(text);
  cairo_text_extents_t e;
  cairo_text_extents(cr, s.c_str(), &e);
  return e.x_advance;
}

void DrawText(cairo_t* cr, std::string_view text, double x, double y, double size, bool bold, Colour c,
              Align align) {
  const std::string s(text);
  const double w = TextWidth(cr, text, size, bold);
  cairo_font_extents_t fe;
  cairo_font_extents(cr, &fe);
  double left = x;
  if (align == Align::kCentre) left = x - w / 2;
  if (align == Align::kRight) left = x - w;
  // Whole pixels keep small captions crisp.
  const double baseline = std::round(y + (fe.ascent - fe.descent) / 2);
  SetColour(cr, c);
  cairo_move_to(cr, std::round(left), baseline);
  cairo_show_text(cr, s.c_str());
  cairo_new_path(cr);
}

}  // namespace skingen
