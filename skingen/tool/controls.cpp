// Each kind of control in each of its four states, drawn at its place in
// the full-window picture of that state.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "skingen/tool/paint.h"

namespace skingen {
namespace {

struct Look {
  Colour top, bottom, edge, text;
};

Look PlateLook(State s) {
  switch (s) {
    case State::kNormal: return {Rgb255(60, 60, 65), Rgb255(38, 38, 42), Rgb255(84, 84, 90), theme::kText};
    case State::kOver: return {Rgb255(78, 78, 84), Rgb255(48, 48, 52), theme::kRed, theme::kWhite};
    case State::kDown: return {Rgb255(240, 42, 42), Rgb255(160, 10, 10), Rgb255(255, 110, 110), theme::kWhite};
    case State::kDisable: break;
  }
  return {Rgb255(38, 38, 40), Rgb255(34, 34, 36), Rgb255(54, 54, 58), theme::kTextOff};
}

void Plate(cairo_t* cr, const Rect& r, State s, double radius = 3) {
  const Look l = PlateLook(s);
  RoundRectPath(cr, r.x, r.y, r.w, r.h, radius);
  FillVertical(cr, r.y, r.h, l.top, l.bottom);
  // A thin highlight along the top edge reads as a raised plate.
  if (s != State::kDisable) {
    SetColour(cr, theme::kWhite, s == State::kDown ? 0.25 : 0.08);
    cairo_rectangle(cr, r.x + radius, r.y + 1, r.w - 2 * radius, 1);
    cairo_fill(cr);
  }
  StrokeRoundRect(cr, r.x, r.y, r.w, r.h, radius, l.edge, 1);
}

double CaptionSize(cairo_t* cr, std::string_view caption, const Rect& r, double margin) {
  double size = std::min(11.0, r.h * 0.55);
  while (size > 7 && TextWidth(cr, caption, size, true) > r.w - 2 * margin) size -= 0.5;
  return size;
}

void Caption(cairo_t* cr, const Control& c, Colour colour, double margin = 3) {
  if (c.caption.empty()) return;
  const Rect& r = c.rect;
  DrawText(cr, c.caption, r.x + r.w / 2.0, r.y + r.h / 2.0, CaptionSize(cr, c.caption, r, margin), true, colour,
           Align::kCentre);
}

// Plates under captions the program draws itself (white, red on hover) at
// x + 10: the over and down states must never be red under the words.
void TextPlate(cairo_t* cr, const Rect& r, State s) {
  Look l{Rgb255(50, 50, 54), Rgb255(36, 36, 40), Rgb255(76, 76, 82), theme::kText};
  if (s == State::kOver) l = {Rgb255(62, 62, 67), Rgb255(44, 44, 48), theme::kRed, theme::kText};
  if (s == State::kDown) l = {Rgb255(26, 26, 28), Rgb255(20, 20, 22), theme::kRed, theme::kText};
  if (s == State::kDisable) l = {Rgb255(36, 36, 38), Rgb255(33, 33, 35), Rgb255(50, 50, 54), theme::kText};
  RoundRectPath(cr, r.x, r.y, r.w, r.h, 3);
  FillVertical(cr, r.y, r.h, l.top, l.bottom);
  StrokeRoundRect(cr, r.x, r.y, r.w, r.h, 3, l.edge, s == State::kDown ? 2 : 1);
  SetColour(cr, s == State::kNormal ? Rgb255(110, 110, 118) : s == State::kDisable ? Rgb255(60, 60, 64) : theme::kRed);
  cairo_rectangle(cr, r.x + 2, r.y + 3, s == State::kDown ? 4 : 3, r.h - 6);
  cairo_fill(cr);
}

void Triangle(cairo_t* cr, double cx, double cy, double size, bool up, Colour c) {
  const double d = up ? -1 : 1;
  cairo_move_to(cr, cx - size, cy - d * size / 2);
  cairo_line_to(cr, cx + size, cy - d * size / 2);
  cairo_line_to(cr, cx, cy + d * size / 2);
  cairo_close_path(cr);
  SetColour(cr, c);
  cairo_fill(cr);
}

Colour ArrowColour(State s) {
  return s == State::kNormal ? theme::kText : s == State::kDisable ? theme::kTextOff : theme::kWhite;
}

void ArrowButton(cairo_t* cr, double x, double y, double w, double h, bool up, State s) {
  cairo_rectangle(cr, x, y, w, h);
  SetColour(cr, s == State::kDown ? theme::kRed : s == State::kOver ? Rgb255(90, 26, 26) : Rgb255(52, 52, 56));
  cairo_fill(cr);
  Triangle(cr, x + w / 2, y + h / 2, std::min(w, h * 2) / 4 + 0.5, up, ArrowColour(s));
}

void Field(cairo_t* cr, double x, double y, double w, double h, Colour fill) {
  cairo_rectangle(cr, x, y, w, h);
  SetColour(cr, fill);
  cairo_fill(cr);
}

void Frame(cairo_t* cr, const Rect& r, double out, Colour c) {
  cairo_rectangle(cr, r.x - out + 0.5, r.y - out + 0.5, r.w + 2 * out - 1, r.h + 2 * out - 1);
  SetColour(cr, c);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void Groove(cairo_t* cr, const Rect& r, int ticks) {
  const double cy = r.y + r.h / 2.0;
  RoundRectPath(cr, r.x + 1, cy - 3, r.w - 2, 6, 3);
  SetColour(cr, Rgb255(14, 14, 15));
  cairo_fill_preserve(cr);
  SetColour(cr, Rgb255(70, 70, 76));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  SetColour(cr, theme::kRed, 0.8);
  cairo_rectangle(cr, r.x + 3, cy - 0.5, r.w - 6, 1);
  cairo_fill(cr);
  if (ticks < 2) return;
  SetColour(cr, Rgb255(100, 100, 106));
  for (int i = 0; i < ticks; ++i) {
    const double x = std::round(r.x + 5 + (r.w - 11.0) * i / (ticks - 1)) + 0.5;
    cairo_move_to(cr, x, r.y);
    cairo_line_to(cr, x, r.y + 3);
    cairo_move_to(cr, x, r.y + r.h - 3);
    cairo_line_to(cr, x, r.y + r.h);
  }
  cairo_stroke(cr);
}

void Level(cairo_t* cr, const Control& c, State s) {
  const Rect& r = c.rect;
  const bool current = s == State::kDown;
  // A level out of use (the disabled picture) is dimmed throughout.
  const bool off = s == State::kDisable;
  RoundRectPath(cr, r.x, r.y, r.w, r.h, 6);
  FillVertical(cr, r.y, r.h, current ? Rgb255(58, 26, 26) : off ? Rgb255(30, 30, 32) : Rgb255(44, 44, 48),
               current ? Rgb255(34, 16, 16) : off ? Rgb255(26, 26, 28) : Rgb255(32, 32, 35));
  StrokeRoundRect(cr, r.x, r.y, r.w, r.h, 6, current ? theme::kRed : off ? Rgb255(50, 50, 54) : Rgb255(70, 70, 76),
                  current ? 2 : 1);
  // The label: (0, 0)-(75, 15) of the level window.
  const Rect label{r.x, r.y, 75, 15};
  cairo_save(cr);
  RoundRectPath(cr, r.x, r.y, r.w, r.h, 6);
  cairo_clip(cr);
  cairo_move_to(cr, label.x, label.y);
  cairo_line_to(cr, label.x + label.w, label.y);
  cairo_line_to(cr, label.x + label.w - 8, label.y + label.h);
  cairo_line_to(cr, label.x, label.y + label.h);
  cairo_close_path(cr);
  SetColour(cr, current ? theme::kRed : s == State::kOver ? Rgb255(90, 26, 26) : off ? Rgb255(42, 42, 46)
                                                                                   : Rgb255(60, 60, 66));
  cairo_fill(cr);
  cairo_restore(cr);
  DrawText(cr, c.caption, label.x + 8, label.y + 8, 9, true,
           off ? theme::kTextOff : s == State::kNormal ? theme::kText : theme::kWhite);
  if (off) {
    // A groove without its red line: the slider is out of use.
    const Rect g{r.x + 21, r.y + 21, 396, 15};
    RoundRectPath(cr, g.x + 1, g.y + g.h / 2.0 - 3, g.w - 2, 6, 3);
    SetColour(cr, Rgb255(20, 20, 21));
    cairo_fill(cr);
  } else {
    Groove(cr, {r.x + 21, r.y + 21, 396, 15}, 12);
  }
  // Frame around the value text the program writes at (385, 3)-(416, 13).
  Frame(cr, {r.x + 385, r.y + 3, 31, 10}, 1, off ? Rgb255(60, 60, 64) : Rgb255(90, 90, 96));
}

void Palette(cairo_t* cr, const Rect& r) {
  cairo_pattern_t* hue = cairo_pattern_create_linear(r.x, 0, r.x + r.w, 0);
  const Colour stops[] = {Rgb255(255, 0, 0), Rgb255(255, 255, 0), Rgb255(0, 255, 0), Rgb255(0, 255, 255),
                          Rgb255(0, 0, 255), Rgb255(255, 0, 255), Rgb255(255, 0, 0)};
  for (int i = 0; i < 7; ++i) cairo_pattern_add_color_stop_rgb(hue, i / 6.0, stops[i].r, stops[i].g, stops[i].b);
  cairo_rectangle(cr, r.x, r.y, r.w, r.h);
  cairo_set_source(cr, hue);
  cairo_fill(cr);
  cairo_pattern_destroy(hue);
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, r.y, 0, r.y + r.h);
  cairo_pattern_add_color_stop_rgba(shade, 0, 1, 1, 1, 1);
  cairo_pattern_add_color_stop_rgba(shade, 0.45, 1, 1, 1, 0);
  cairo_pattern_add_color_stop_rgba(shade, 0.55, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, 1);
  cairo_rectangle(cr, r.x, r.y, r.w, r.h);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);
  Frame(cr, r, 1, Rgb255(90, 90, 96));
}

Colour Hex(std::string_view s) {
  const long v = std::strtol(std::string(s.substr(1)).c_str(), nullptr, 16);
  return Rgb255(int(v >> 16 & 255), int(v >> 8 & 255), int(v & 255));
}

void Swatch(cairo_t* cr, const Control& c, State s) {
  const Rect& r = c.rect;
  Colour fill = Hex(c.caption);
  if (s == State::kDisable) fill = {fill.r * 0.3 + 0.08, fill.g * 0.3 + 0.08, fill.b * 0.3 + 0.08};
  RoundRectPath(cr, r.x + 3, r.y + 3, r.w - 6, r.h - 6, 3);
  SetColour(cr, fill);
  cairo_fill(cr);
  const Colour ring = s == State::kDown ? theme::kWhite : s == State::kOver ? theme::kRed : Rgb255(70, 70, 76);
  StrokeRoundRect(cr, r.x, r.y, r.w, r.h, 5, ring, s == State::kNormal || s == State::kDisable ? 1 : 2);
  if (s == State::kDown) Triangle(cr, r.x + r.w / 2.0, r.y + r.h - 1, 4, true, theme::kRed);
}

void Check(cairo_t* cr, const Control& c, State s) {
  const Rect& r = c.rect;
  Plate(cr, r, s == State::kDown ? State::kNormal : s);
  const double box = std::min(12, r.h - 6), bx = r.x + 7, by = r.y + (r.h - box) / 2;
  cairo_rectangle(cr, bx + 0.5, by + 0.5, box - 1, box - 1);
  SetColour(cr, s == State::kDown ? theme::kRed : Rgb255(20, 20, 22));
  cairo_fill_preserve(cr);
  SetColour(cr, s == State::kDisable ? Rgb255(60, 60, 64) : s == State::kNormal ? Rgb255(120, 120, 126) : theme::kRed);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  if (s == State::kDown) {
    SetColour(cr, theme::kWhite);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, bx + 2.5, by + box / 2);
    cairo_line_to(cr, bx + box / 2 - 0.5, by + box - 3);
    cairo_line_to(cr, bx + box - 2.5, by + 2.5);
    cairo_stroke(cr);
  }
  double size = std::min(11.0, r.h * 0.55);
  while (size > 7 && TextWidth(cr, c.caption, size, true) > r.x + r.w - (bx + box + 10)) size -= 0.5;
  DrawText(cr, c.caption, bx + box + 7, r.y + r.h / 2.0, size, true,
           s == State::kDisable ? theme::kTextOff : s == State::kNormal ? theme::kText : theme::kWhite);
}

void Tab(cairo_t* cr, const Control& c, State s) {
  const Rect& r = c.rect;
  const double slant = 8;
  cairo_move_to(cr, r.x + slant, r.y);
  cairo_line_to(cr, r.x + r.w, r.y);
  cairo_line_to(cr, r.x + r.w - slant, r.y + r.h);
  cairo_line_to(cr, r.x, r.y + r.h);
  cairo_close_path(cr);
  const Look l = PlateLook(s);
  FillVertical(cr, r.y, r.h, s == State::kNormal ? Rgb255(44, 44, 48) : l.top,
               s == State::kNormal ? Rgb255(32, 32, 35) : l.bottom);
  cairo_move_to(cr, r.x + slant + 0.5, r.y + 0.5);
  cairo_line_to(cr, r.x + r.w - 0.5, r.y + 0.5);
  cairo_line_to(cr, r.x + r.w - slant - 0.5, r.y + r.h - 0.5);
  cairo_line_to(cr, r.x + 0.5, r.y + r.h - 0.5);
  cairo_close_path(cr);
  SetColour(cr, s == State::kNormal ? Rgb255(76, 76, 82) : l.edge);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  Caption(cr, c, s == State::kNormal ? theme::kTextDim : l.text, slant + 2);
}

void CloseOrMinimise(cairo_t* cr, const Control& c, State s) {
  const Rect& r = c.rect;
  if (s == State::kOver || s == State::kDown) {
    RoundRectPath(cr, r.x + 1, r.y + 1, r.w - 2, r.h - 2, 3);
    SetColour(cr, s == State::kDown ? theme::kRedDark : theme::kRed);
    cairo_fill(cr);
  }
  const double cx = r.x + r.w / 2.0, cy = r.y + r.h / 2.0, a = std::min(r.w, r.h) * 0.22;
  SetColour(cr, s == State::kDisable ? theme::kTextOff : s == State::kNormal ? theme::kText : theme::kWhite);
  cairo_set_line_width(cr, 2);
  if (c.kind == Kind::kClose) {
    cairo_move_to(cr, cx - a, cy - a);
    cairo_line_to(cr, cx + a, cy + a);
    cairo_move_to(cr, cx + a, cy - a);
    cairo_line_to(cr, cx - a, cy + a);
  } else {
    cairo_move_to(cr, cx - a, cy + a * 0.6);
    cairo_line_to(cr, cx + a, cy + a * 0.6);
  }
  cairo_stroke(cr);
}

}  // namespace

void DrawControl(cairo_t* cr, const Control& c, State s) {
  const Rect& r = c.rect;
  if (r.w == 0 || r.h == 0) return;
  switch (c.kind) {
    case Kind::kButton:
      Plate(cr, r, s);
      Caption(cr, c, PlateLook(s).text);
      break;
    case Kind::kPlate:
      TextPlate(cr, r, s);
      break;
    case Kind::kDropdown:
      TextPlate(cr, r, s);
      cairo_rectangle(cr, r.x + r.w - 20, r.y + 4, 1, r.h - 8);
      SetColour(cr, Rgb255(80, 80, 86));
      cairo_fill(cr);
      Triangle(cr, r.x + r.w - 10, r.y + r.h / 2.0 + 0.5, 4, false, s == State::kNormal ? theme::kText : theme::kRed);
      break;
    case Kind::kCheck:
      Check(cr, c, s);
      break;
    case Kind::kTab:
      Tab(cr, c, s);
      break;
    case Kind::kClose:
    case Kind::kMinimise:
      CloseOrMinimise(cr, c, s);
      break;
    case Kind::kSlider:
      Groove(cr, r, c.caption.empty() ? 0 : std::atoi(c.caption.c_str()));
      break;
    case Kind::kSpin:
      // Number (2, 2)-(22, 15), up (23, 2)-(W-1, 8), down (23, 9)-(W-1, 15).
      RoundRectPath(cr, r.x, r.y, r.w, r.h, 2);
      SetColour(cr, Rgb255(70, 70, 76));
      cairo_fill(cr);
      Field(cr, r.x + 2, r.y + 2, 20, 13, theme::kWhite);
      ArrowButton(cr, r.x + 23, r.y + 2, r.w - 24, 6, true, s);
      ArrowButton(cr, r.x + 23, r.y + 9, r.w - 24, 6, false, s);
      break;
    case Kind::kNumber:
      // Text (2, 2)-(W-22, 20), up (W-20, 2)-(W-2, 9), down (W-20, 11)-(W-2, 18).
      RoundRectPath(cr, r.x, r.y, r.w, r.h, 2);
      SetColour(cr, Rgb255(70, 70, 76));
      cairo_fill(cr);
      Field(cr, r.x + 2, r.y + 2, r.w - 24, 18, Rgb255(0, 0, 0));
      ArrowButton(cr, r.x + r.w - 20, r.y + 2, 18, 7, true, s);
      ArrowButton(cr, r.x + r.w - 20, r.y + 11, 18, 7, false, s);
      break;
    case Kind::kEdit:
      Frame(cr, r, 2, Rgb255(90, 90, 96));
      Frame(cr, r, 1, Rgb255(20, 20, 22));
      Field(cr, r.x, r.y, r.w, r.h, theme::kWhite);
      break;
    case Kind::kList:
      Frame(cr, r, 1, Rgb255(90, 90, 96));
      Field(cr, r.x, r.y, r.w, r.h, Rgb255(160, 160, 160));
      break;
    case Kind::kValue:
      RoundRectPath(cr, r.x, r.y, r.w, r.h, 3);
      FillVertical(cr, r.y, r.h, Rgb255(236, 236, 236), Rgb255(200, 200, 204));
      StrokeRoundRect(cr, r.x, r.y, r.w, r.h, 3, theme::kRed, 1);
      break;
    case Kind::kArea:
      break;
    case Kind::kPage:
      Frame(cr, r, 1, Rgb255(70, 70, 76));
      Field(cr, r.x, r.y, r.w, r.h, theme::kSurface);
      break;
    case Kind::kColor: {
      // The program fills (1, 1)-(35, 35); the ring around it is ours.
      const Colour ring = s == State::kDown ? theme::kWhite : s == State::kOver ? theme::kRed
                          : s == State::kDisable ? Rgb255(50, 50, 54) : Rgb255(120, 120, 126);
      Field(cr, r.x, r.y, r.w, r.h, ring);
      Field(cr, r.x + 1, r.y + 1, r.w - 2, r.h - 2, Rgb255(20, 20, 22));
      break;
    }
    case Kind::kSwatch:
      Swatch(cr, c, s);
      break;
    case Kind::kLevel:
      Level(cr, c, s);
      break;
    case Kind::kPalette:
      Palette(cr, r);
      break;
    case Kind::kPreview:
      Frame(cr, r, 1, Rgb255(90, 90, 96));
      Field(cr, r.x, r.y, r.w, r.h, Rgb255(20, 20, 22));
      break;
    case Kind::kRecord:
      DrawArt(cr, "record-start-" + std::string(s == State::kOver ? "over" : s == State::kDown ? "down" : "normal"), r);
      break;
  }
}

}  // namespace skingen
