// Option's icon is the brand's wing on a dark tile, the one the user finds
// in the Start menu, on the window and in the list of installed programs.
// Monitor's (its tray icon) is the mouse itself, edged light so that it
// reads on dark and light taskbars alike.
#include "skingen/tool/icons.h"

#include <algorithm>

#include "skingen/ico_codec.h"
#include "skingen/tool/canvas.h"
#include "skingen/tool/paint.h"

namespace skingen {
namespace {

// The sizes the shell asks for: small and large icons at 100 % to 200 %,
// and the 256 of large tiles (kept as PNG).
constexpr int kSizes[] = {16, 20, 24, 32, 40, 48, 64, 256};

void OptionIcon(cairo_t* cr, double s) {
  const double edge = std::max(1.0, s / 32);
  RoundRectPath(cr, 0, 0, s, s, s * 0.2);
  FillVertical(cr, 0, s, Rgb255(58, 58, 63), Rgb255(18, 18, 20));
  StrokeRoundRect(cr, 0, 0, s, s, s * 0.2, Rgb255(96, 96, 104), edge);
  // The wing chevron of the brand mark.
  cairo_move_to(cr, s * 0.12, s * 0.28);
  cairo_line_to(cr, s * 0.50, s * 0.52);
  cairo_line_to(cr, s * 0.88, s * 0.28);
  cairo_line_to(cr, s * 0.50, s * 0.84);
  cairo_close_path(cr);
  FillVertical(cr, s * 0.28, s * 0.56, Rgb255(255, 70, 70), Rgb255(175, 10, 10));
}

void MonitorIcon(cairo_t* cr, double s) {
  // The mouse from above in a 10 x 16 box, centred.
  cairo_save(cr);
  const double unit = s / 16;
  cairo_translate(cr, (s - 10 * unit) / 2 + 3 * unit, 0);
  cairo_scale(cr, unit, unit);
  auto body = [&] {
    cairo_move_to(cr, 2, 0.5);
    cairo_curve_to(cr, 5.2, 0.5, 7.5, 2.5, 7.5, 6);
    cairo_line_to(cr, 7.5, 10.5);
    cairo_curve_to(cr, 7.5, 13.8, 5.2, 15.5, 2, 15.5);
    cairo_curve_to(cr, -1.2, 15.5, -3.5, 13.8, -3.5, 10.5);
    cairo_line_to(cr, -3.5, 6);
    cairo_curve_to(cr, -3.5, 2.5, -1.2, 0.5, 2, 0.5);
    cairo_close_path(cr);
  };
  body();
  FillVertical(cr, 0, 16, Rgb255(70, 70, 76), Rgb255(24, 24, 26));
  body();
  SetColour(cr, Rgb255(215, 215, 222));
  cairo_set_line_width(cr, std::max(1.0, s / 40) / unit);
  cairo_stroke(cr);
  // The wheel, and the seam between the two main buttons.
  RoundRectPath(cr, 1, 2.2, 2, 4, 1);
  SetColour(cr, Rgb255(240, 30, 30));
  cairo_fill(cr);
  // A red stripe on the palm, the brand's accent.
  cairo_move_to(cr, -1.2, 9.5);
  cairo_line_to(cr, 2, 12.5);
  cairo_line_to(cr, 5.2, 9.5);
  SetColour(cr, Rgb255(230, 20, 20));
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  cairo_restore(cr);
}

}  // namespace

std::vector<uint8_t> RenderIcon(std::string_view program) {
  void (*draw)(cairo_t*, double) = program == "Option" ? OptionIcon : program == "Monitor" ? MonitorIcon : nullptr;
  if (!draw) return {};
  std::vector<IconPicture> pictures;
  for (const int size : kSizes) {
    CCanvas canvas(size, size);
    draw(canvas.cr(), size);
    IconPicture p{size, {}, {}};
    if (size >= 256) p.png = canvas.ToPng();
    else p.rgba = canvas.ToRgba();
    pictures.push_back(std::move(p));
  }
  return EncodeIco(pictures);
}

Image RenderSetupSide() {
  constexpr int kWidth = 164, kHeight = 314;
  CCanvas canvas(kWidth, kHeight);
  cairo_t* cr = canvas.cr();
  cairo_rectangle(cr, 0, 0, kWidth, kHeight);
  FillVertical(cr, 0, kHeight, Rgb255(44, 44, 48), Rgb255(16, 16, 18));
  DrawArt(cr, "mouse", {32, 96, 100, 190});
  // The brand mark, stacked to fit the narrow picture.
  cairo_move_to(cr, 46, 22);
  cairo_line_to(cr, 82, 42);
  cairo_line_to(cr, 118, 22);
  cairo_line_to(cr, 82, 64);
  cairo_close_path(cr);
  FillVertical(cr, 22, 42, Rgb255(255, 60, 60), Rgb255(170, 10, 10));
  DrawText(cr, "OSPREY", kWidth / 2.0, 80, 15, true, theme::kWhite, Align::kCentre);
  DrawText(cr, "ARENA", kWidth / 2.0, 297, 13, false, theme::kRed, Align::kCentre);
  return canvas.ToImage();
}

}  // namespace skingen
