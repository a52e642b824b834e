// Value and position arithmetic of the skinned horizontal slider. Positions
// are thumb left edges in the track's own coordinates.
#pragma once

struct SliderGeometry {
  int left = 0;        // L: leftmost thumb edge
  int right = 0;       // R: track's right edge
  int thumbWidth = 0;  // W
  int minimum = 0;
  int maximum = 10;

  // U = R - L - W: how far the thumb travels.
  int Usable() const { return right - left - thumbWidth; }
};

// v clamped into [minimum, maximum]; an inverted range gives the minimum.
int ClampSliderValue(int v, int minimum, int maximum);

// Left edge of the thumb for value v (clamped first), truncating.
int ThumbLeftForValue(const SliderGeometry& g, int v);

// Left edge after a drag step of dx pixels from currentLeft, kept on the track.
int DragThumbLeft(const SliderGeometry& g, int currentLeft, int dx);

// Value at a thumb left edge, truncated and clamped (used while dragging).
int ValueAtThumbLeft(const SliderGeometry& g, int thumbLeft);

// Value at a thumb left edge as a real number (used on release).
double RealValueAtThumbLeft(const SliderGeometry& g, int thumbLeft);

// Value of a click at x on a track spanning [trackLeft, trackRight), as a real
// number over the full track width.
double RealValueAtTrackClick(int x, int trackLeft, int trackRight, int minimum, int maximum);

// A real value made integer: nearest (one half goes up) with snap, else
// truncated; then clamped.
int SettleSliderValue(double real, bool snap, int minimum, int maximum);
