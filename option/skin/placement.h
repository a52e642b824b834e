// A control's place on a skinned dialog: the parsed value of one BUTTONPOS
// key, "name,x,y,w,h,help text".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr size_t kPlacementNameMax = 39;
inline constexpr size_t kPlacementTextMax = 399;

struct Placement {
  std::string name;  // label for the skin author only
  int left = 0;
  int top = 0;
  int right = 0;     // exclusive: x + w
  int bottom = 0;    // exclusive: y + h
  std::string text;  // help text
  bool initiallyDown = false;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// Never fails: missing numbers read as 0, over-long name and text are cut,
// numbers and edges that would overflow 32 bits are clamped.
Placement ParsePlacement(std::string_view value);
