// Drawings: the mouse, the brand mark, the record button's pictures and the
// event list's icons.
#include <algorithm>
#include <cmath>
#include <string>

#include "skingen/tool/paint.h"

namespace skingen {
namespace {

// The mouse seen from above, drawn in a 100 x 180 box scaled into r.
void Mouse(cairo_t* cr, const Rect& r) {
  cairo_save(cr);
  const double scale = std::min(r.w / 100.0, r.h / 180.0);
  cairo_translate(cr, r.x + (r.w - 100 * scale) / 2, r.y + (r.h - 180 * scale) / 2);
  cairo_scale(cr, scale, scale);
  auto body = [&] {
    cairo_move_to(cr, 50, 2);
    cairo_curve_to(cr, 80, 2, 95, 22, 95, 60);
    cairo_line_to(cr, 98, 112);
    cairo_curve_to(cr, 100, 160, 80, 178, 50, 178);
    cairo_curve_to(cr, 20, 178, 0, 160, 2, 112);
    cairo_line_to(cr, 5, 60);
    cairo_curve_to(cr, 5, 22, 20, 2, 50, 2);
    cairo_close_path(cr);
  };
  // Red glow under the body.
  for (int i = 6; i >= 1; --i) {
    cairo_save(cr);
    cairo_translate(cr, 50, 92);
    cairo_scale(cr, 1 + i * 0.035, 1 + i * 0.02);
    cairo_translate(cr, -50, -92);
    body();
    SetColour(cr, theme::kRed, 0.05);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  body();
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 100, 0);
  cairo_pattern_add_color_stop_rgb(shade, 0, 0.10, 0.10, 0.11);
  cairo_pattern_add_color_stop_rgb(shade, 0.45, 0.26, 0.26, 0.28);
  cairo_pattern_add_color_stop_rgb(shade, 1, 0.09, 0.09, 0.10);
  cairo_set_source(cr, shade);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(shade);
  SetColour(cr, Rgb255(110, 110, 118));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // Button seams.
  SetColour(cr, Rgb255(12, 12, 13));
  cairo_set_line_width(cr, 1.5);
  cairo_move_to(cr, 50, 3);
  cairo_line_to(cr, 50, 66);
  cairo_move_to(cr, 5, 66);
  cairo_curve_to(cr, 30, 60, 70, 60, 95, 66);
  cairo_stroke(cr);
  // Wheel with red ridges.
  RoundRectPath(cr, 44, 14, 12, 30, 5);
  SetColour(cr, Rgb255(16, 16, 17));
  cairo_fill(cr);
  SetColour(cr, theme::kRed);
  for (double y = 17; y < 42; y += 4) {
    cairo_rectangle(cr, 46, y, 8, 1.6);
  }
  cairo_fill(cr);
  // Sensitivity buttons behind the wheel.
  for (double y : {48.0, 56.0}) {
    RoundRectPath(cr, 45, y, 10, 6, 2);
    SetColour(cr, Rgb255(70, 70, 76));
    cairo_fill(cr);
  }
  // Side buttons.
  for (double y : {76.0, 96.0}) {
    RoundRectPath(cr, 1, y, 9, 17, 3);
    SetColour(cr, Rgb255(80, 80, 88));
    cairo_fill(cr);
  }
  // Accent stripes and the wing mark on the palm.
  SetColour(cr, theme::kRed);
  cairo_set_line_width(cr, 2.5);
  cairo_move_to(cr, 12, 100);
  cairo_curve_to(cr, 12, 130, 18, 150, 30, 165);
  cairo_move_to(cr, 88, 100);
  cairo_curve_to(cr, 88, 130, 82, 150, 70, 165);
  cairo_stroke(cr);
  cairo_move_to(cr, 50, 150);
  cairo_line_to(cr, 34, 122);
  cairo_line_to(cr, 50, 132);
  cairo_line_to(cr, 66, 122);
  cairo_close_path(cr);
  SetColour(cr, theme::kRed, 0.9);
  cairo_fill(cr);
  cairo_restore(cr);
}

// The brand mark: a wing chevron and the name.
void Logo(cairo_t* cr, const Rect& r) {
  const double h = r.h, x = r.x, y = r.y;
  cairo_move_to(cr, x, y + h * 0.15);
  cairo_line_to(cr, x + h * 0.9, y + h * 0.55);
  cairo_line_to(cr, x + h * 1.8, y + h * 0.15);
  cairo_line_to(cr, x + h * 0.9, y + h * 0.95);
  cairo_close_path(cr);
  FillVertical(cr, y, h, Rgb255(255, 60, 60), Rgb255(170, 10, 10));
  const double size = h * 0.62;
  const double left = x + h * 2.1;
  DrawText(cr, "OSPREY", left, y + h / 2, size, true, theme::kWhite);
  DrawText(cr, "ARENA", left + TextWidth(cr, "OSPREY ", size, true), y + h / 2, size, false, theme::kRed);
}

void Record(cairo_t* cr, const Rect& r, bool stop, State s) {
  RoundRectPath(cr, r.x, r.y, r.w, r.h, 4);
  if (s == State::kDown) FillVertical(cr, r.y, r.h, Rgb255(240, 42, 42), Rgb255(160, 10, 10));
  else if (s == State::kOver) FillVertical(cr, r.y, r.h, Rgb255(80, 80, 86), Rgb255(50, 50, 54));
  else FillVertical(cr, r.y, r.h, Rgb255(60, 60, 65), Rgb255(38, 38, 42));
  StrokeRoundRect(cr, r.x, r.y, r.w, r.h, 4, s == State::kNormal ? Rgb255(84, 84, 90) : s == State::kOver ? theme::kRed : Rgb255(255, 110, 110), 1);
  const double cx = r.x + r.h * 0.55, cy = r.y + r.h / 2.0, a = r.h * 0.22;
  const Colour mark = s == State::kDown ? theme::kWhite : theme::kRed;
  SetColour(cr, mark);
  if (stop) cairo_rectangle(cr, cx - a, cy - a, 2 * a, 2 * a);
  else cairo_arc(cr, cx, cy, a * 1.1, 0, 2 * M_PI);
  cairo_fill(cr);
  const double size = std::min(11.0, r.h * 0.4);
  DrawText(cr, stop ? "STOP" : "RECORD", r.x + r.h * 1.05, cy, size, true,
           s == State::kNormal ? theme::kText : theme::kWhite);
}

// The event list's icons, 12 x 12 on black (the list's transparent colour):
// drawn without smoothing so that no edge pixel turns into that black.
constexpr Colour kIconInk = Rgb255(28, 28, 30);

void IconClock(cairo_t* cr) {
  cairo_arc(cr, 6, 6, 5.2, 0, 2 * M_PI);
  SetColour(cr, theme::kWhite);
  cairo_fill_preserve(cr);
  SetColour(cr, kIconInk);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_rectangle(cr, 5.5, 2.5, 1, 4);
  cairo_rectangle(cr, 5.5, 5.5, 3.5, 1);
  cairo_fill(cr);
}

void IconArrow(cairo_t* cr, bool down) {
  cairo_save(cr);
  if (!down) {  // the same arrow turned over
    cairo_translate(cr, 0, 12);
    cairo_scale(cr, 1, -1);
  }
  cairo_move_to(cr, 4, 0.5);
  cairo_line_to(cr, 8, 0.5);
  cairo_line_to(cr, 8, 5.5);
  cairo_line_to(cr, 11.5, 5.5);
  cairo_line_to(cr, 6, 11.5);
  cairo_line_to(cr, 0.5, 5.5);
  cairo_line_to(cr, 4, 5.5);
  cairo_close_path(cr);
  SetColour(cr, down ? kIconInk : theme::kWhite);
  cairo_fill_preserve(cr);
  SetColour(cr, down ? theme::kWhite : kIconInk);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void IconMouse(cairo_t* cr) {
  RoundRectPath(cr, 2.5, 0.5, 7, 11, 3);
  SetColour(cr, theme::kWhite);
  cairo_fill_preserve(cr);
  SetColour(cr, kIconInk);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_move_to(cr, 3, 4.5);
  cairo_line_to(cr, 9, 4.5);
  cairo_move_to(cr, 6, 1);
  cairo_line_to(cr, 6, 4.5);
  cairo_stroke(cr);
}

}  // namespace

bool IconArt(std::string_view name) {
  return name == "icon-pause" || name == "icon-key-up" || name == "icon-key-down" || name == "icon-mouse";
}

void DrawArt(cairo_t* cr, std::string_view name, const Rect& r) {
  if (name == "mouse") return Mouse(cr, r);
  if (name == "logo") return Logo(cr, r);
  if (IconArt(name)) {
    cairo_save(cr);
    cairo_translate(cr, r.x, r.y);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    if (name == "icon-pause") IconClock(cr);
    else if (name == "icon-mouse") IconMouse(cr);
    else IconArrow(cr, name == "icon-key-down");
    cairo_restore(cr);
    return;
  }
  for (const bool stop : {false, true}) {
    const std::string prefix = stop ? "record-stop-" : "record-start-";
    if (name.substr(0, prefix.size()) != prefix) continue;
    const std::string_view state = name.substr(prefix.size());
    return Record(cr, r, stop, state == "over" ? State::kOver : state == "down" ? State::kDown : State::kNormal);
  }
}

bool KnownArt(std::string_view name) {
  if (IconArt(name)) return true;
  for (std::string_view n : {"mouse", "logo", "record-start-normal", "record-start-over", "record-start-down",
                             "record-stop-normal", "record-stop-over", "record-stop-down"})
    if (n == name) return true;
  return false;
}

}  // namespace skingen
