// Drawing helpers and the colours of the dark theme.
#pragma once

#include <cairo.h>

#include <string_view>

#include "skingen/layout.h"

namespace skingen {

struct Colour {
  double r, g, b;
};
constexpr Colour Rgb255(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

namespace theme {
inline constexpr Colour kSurface = Rgb255(30, 30, 30);
inline constexpr Colour kSurfaceTop = Rgb255(38, 38, 40);
inline constexpr Colour kSurfaceLow = Rgb255(22, 22, 23);
inline constexpr Colour kPanel = Rgb255(36, 36, 39);
inline constexpr Colour kPanelEdge = Rgb255(62, 62, 68);
inline constexpr Colour kRed = Rgb255(230, 20, 20);
inline constexpr Colour kRedDark = Rgb255(150, 10, 10);
inline constexpr Colour kText = Rgb255(225, 225, 225);
inline constexpr Colour kTextDim = Rgb255(150, 150, 156);
inline constexpr Colour kTextOff = Rgb255(92, 92, 96);
inline constexpr Colour kWhite = Rgb255(255, 255, 255);
}  // namespace theme

enum class State { kNormal, kOver, kDown, kDisable };

void SetColour(cairo_t* cr, Colour c, double alpha = 1.0);
void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
// Fills the current path with a gradient running from y down to y + h.
void FillVertical(cairo_t* cr, double y, double h, Colour top, Colour bottom);
void StrokeRoundRect(cairo_t* cr, double x, double y, double w, double h, double r, Colour c, double width);

enum class Align { kLeft, kCentre, kRight };
// Draws one line of text with its vertical middle at y.
void DrawText(cairo_t* cr, std::string_view text, double x, double y, double size, bool bold, Colour c,
              Align align = Align::kLeft);
double TextWidth(cairo_t* cr, std::string_view text, double size, bool bold);

// The window's body and what it carries regardless of state.
void ShapePath(cairo_t* cr, const Layout& layout, double inset);
void DrawWindow(cairo_t* cr, const Layout& layout);
void DrawControl(cairo_t* cr, const Control& control, State state);
void DrawArt(cairo_t* cr, std::string_view name, const Rect& r);
bool KnownArt(std::string_view name);
// The event list's icons, drawn on black.
bool IconArt(std::string_view name);

}  // namespace skingen
