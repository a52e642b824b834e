// Skin pictures: loading, cutting, and window outlines from mask pictures.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <filesystem>
#include <optional>

#include "wingui/gdi_win32.h"

// A decoded skin picture. The picture object owns the bitmap and is kept
// rather than copied: each copy of a full-size dialog picture is megabytes of
// fresh memory, and filling that was a good part of Option's start.
class CSkinImage {
 public:
  CSkinImage() = default;
  CSkinImage(const CSkinImage&) = delete;
  CSkinImage& operator=(const CSkinImage&) = delete;
  CSkinImage(CSkinImage&& o) noexcept;
  CSkinImage& operator=(CSkinImage&& o) noexcept;
  ~CSkinImage() { Reset(); }

  void Reset();
  HBITMAP Get() const { return bitmap_; }
  explicit operator bool() const { return bitmap_ != nullptr; }

 private:
  friend class CSkinImageReader;
  CComPtr<IPicture> picture_;
  HBITMAP bitmap_ = nullptr;  // the picture's own
};

// Decodes the file (any format the system picture object reads: BMP, JPEG,
// GIF...) into image and size. On failure the image is left empty and the
// size zero; returns whether a picture was loaded.
bool LoadSkinImage(const std::filesystem::path& path, CSkinImage& image, SIZE& size);

// LoadSkinImage for several files in a row: each file is read into the same
// memory, so that a dialog's megabyte-sized pictures don't each need fresh
// memory (which under Wine costs more than reading the file).
class CSkinImageReader {
 public:
  bool Load(const std::filesystem::path& path, CSkinImage& image, SIZE& size);

 private:
  CGlobalMemory buffer_;
};

// Cuts parts of one picture, each copied 1:1 into a picture of its own. The
// source stays selected in its drawing surface for every part: under Wine,
// selecting a full-size picture anew for each of the main dialog's
// hundred-odd parts cost as much as the copying.
class CPictureCutter {
 public:
  // Nothing is cut from an empty source. surface: what the parts are made
  // for (the screen when null).
  CPictureCutter(HDC surface, HBITMAP source);
  // Replaces target by the part (left, top)-(right, bottom); an empty or
  // inverted rectangle leaves the target empty. Without a source, nothing.
  void Cut(CBitmap& target, int left, int top, int right, int bottom) const;

 private:
  bool hasSource_;
  CMemoryDC from_, to_;
  std::optional<CSelectObject> selected_;  // the source, in from_
};

// One part of source, as CPictureCutter cuts it.
void CropImage(HDC surface, CBitmap& target, HBITMAP source, int left, int top, int right,
               int bottom);

// The outline of every pixel whose colour is not within tolerance of key (a
// colour reference), or null when the bitmap is missing or no drawing
// surface can be had. The caller owns the region.
HRGN RegionFromMask(HBITMAP mask, COLORREF key, BYTE tolerance);

// A picture's top-left pixel, as a colour reference (CLR_INVALID if none).
COLORREF TopLeftColor(HBITMAP bitmap);

// Copies a whole bitmap 1:1 to (x, y) of dc.
void BlitBitmap(HDC dc, HBITMAP bitmap, int x = 0, int y = 0);
