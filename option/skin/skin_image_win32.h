// Skin pictures: loading, cutting, and window outlines from mask pictures.
#pragma once

#include <windows.h>

#include <string>

#include "option/skin/gdi_handles_win32.h"

// Decodes the file (any format the system picture object reads: BMP, JPEG,
// GIF...) into bitmap and size. On failure the bitmap is left empty and the
// size zero; returns whether a picture was loaded.
bool LoadSkinImage(const std::string& path, Bitmap& bitmap, SIZE& size);

// Replaces target by the part (left, top)-(right, bottom) of source, copied
// 1:1. Does nothing when the source is empty; an empty or inverted rectangle
// leaves the target empty.
void CropImage(HDC surface, Bitmap& target, HBITMAP source, int left, int top, int right,
               int bottom);

// The outline of every pixel whose colour is not within tolerance of key (a
// colour reference), or null when the bitmap is missing or no drawing
// surface can be had. The caller owns the region.
HRGN RegionFromMask(HBITMAP mask, COLORREF key, BYTE tolerance);

// A picture's top-left pixel, as a colour reference (CLR_INVALID if none).
COLORREF TopLeftColor(HBITMAP bitmap);

// Copies a whole bitmap 1:1 to (x, y) of dc.
void BlitBitmap(HDC dc, HBITMAP bitmap, int x = 0, int y = 0);
