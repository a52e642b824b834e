#include "option/skin/skin_image_win32.h"

#include <objidl.h>
#include <ocidl.h>
#include <olectl.h>

#include <fstream>
#include <vector>

#include "option/skin/mask_outline.h"

namespace {

// Releases a COM interface at scope end.
template <typename T>
struct ComRef {
  T* p = nullptr;
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() {
    if (p) p->Release();
  }
};

// In one read: the main dialog's pictures are 2 MB each, and reading them a
// character at a time was a good part of Option's start-up.
std::vector<char> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return {};
  const std::streamoff size = in.tellg();
  if (size <= 0) return {};
  std::vector<char> bytes(static_cast<size_t>(size));
  in.seekg(0);
  if (!in.read(bytes.data(), size)) return {};
  return bytes;
}

// A plain device-dependent copy, so the picture object can go.
HBITMAP CopyBitmap(HBITMAP source, SIZE size) {
  WindowDC screen(nullptr);
  MemoryDC from(screen.Get()), to(screen.Get());
  HBITMAP copy = CreateCompatibleBitmap(screen.Get(), size.cx, size.cy);
  if (!copy || !from || !to) return copy;
  SelectIn a(from.Get(), source), b(to.Get(), copy);
  BitBlt(to.Get(), 0, 0, size.cx, size.cy, from.Get(), 0, 0, SRCCOPY);
  return copy;
}

}  // namespace

bool LoadSkinImage(const std::string& path, Bitmap& bitmap, SIZE& size) {
  bitmap.Reset();
  size = {0, 0};
  const std::vector<char> bytes = ReadWholeFile(path);
  if (bytes.empty()) return false;

  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!memory) return false;
  if (void* p = GlobalLock(memory)) {
    CopyMemory(p, bytes.data(), bytes.size());
    GlobalUnlock(memory);
  }
  ComRef<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream.p))) {
    GlobalFree(memory);
    return false;
  }
  ComRef<IPicture> picture;
  if (FAILED(OleLoadPicture(stream.p, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(&picture.p))) || !picture.p)
    return false;
  SHORT type = PICTYPE_NONE;
  OLE_HANDLE handle = 0;
  if (FAILED(picture.p->get_Type(&type)) || type != PICTYPE_BITMAP ||
      FAILED(picture.p->get_Handle(&handle)))
    return false;
  HBITMAP decoded = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
  const SIZE decodedSize = BitmapSize(decoded);
  bitmap.Reset(CopyBitmap(decoded, decodedSize));
  if (!bitmap) return false;
  size = decodedSize;
  return true;
}

void CropImage(HDC surface, Bitmap& target, HBITMAP source, int left, int top, int right,
               int bottom) {
  if (!source) return;
  target.Reset();
  const int w = right - left, h = bottom - top;
  if (w <= 0 || h <= 0) return;
  MemoryDC from(surface), to(surface);
  if (!from || !to) return;
  SelectIn a(from.Get(), source);
  // Made like the source picture (itself made for the screen): under Wine this
  // is several times quicker than asking the display, and the main dialog
  // cuts some two hundred pictures as it starts.
  HBITMAP part = CreateCompatibleBitmap(from.Get(), w, h);
  if (!part) return;
  {
    SelectIn b(to.Get(), part);
    BitBlt(to.Get(), 0, 0, w, h, from.Get(), left, top, SRCCOPY);
  }
  target.Reset(part);
}

namespace {

// The pixels of a bitmap as 32-bit 0x00RRGGBB, rows top-down.
bool ReadPixels(HBITMAP bitmap, SIZE size, std::vector<uint32_t>& pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  pixels.assign(size_t(size.cx) * size.cy, 0);
  WindowDC screen(nullptr);
  MemoryDC dc(screen.Get());
  if (!dc) return false;
  return GetDIBits(dc.Get(), bitmap, 0, size.cy, pixels.data(), &info, DIB_RGB_COLORS) == size.cy;
}

HRGN RegionFromList(const OutlineRect* rects, size_t count, const OutlineRect& bounds) {
  std::vector<char> data(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(count);
  header->nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
  header->rcBound = {bounds.left, bounds.top, bounds.right, bounds.bottom};
  auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
  for (size_t i = 0; i < count; ++i)
    out[i] = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
  return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                         reinterpret_cast<const RGNDATA*>(data.data()));
}

// One batch of runs as a region. Some region engines add a rectangle list
// one rectangle at a time, each costing as much as the region so far; so each
// row (one band) is made on its own and the rows are united pairwise, which
// keeps the work near n log n whatever the engine.
HRGN RegionFromRects(const std::vector<OutlineRect>& rects) {
  std::vector<Region> parts;
  for (size_t first = 0; first < rects.size();) {
    size_t end = first;
    while (end < rects.size() && rects[end].top == rects[first].top) ++end;
    const OutlineRect band{rects[first].left, rects[first].top, rects[end - 1].right,
                           rects[first].bottom};
    parts.emplace_back(RegionFromList(&rects[first], end - first, band));
    first = end;
  }
  while (parts.size() > 1) {
    std::vector<Region> merged;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
      CombineRgn(parts[i].Get(), parts[i].Get(), parts[i + 1].Get(), RGN_OR);
      merged.push_back(std::move(parts[i]));
    }
    if (parts.size() % 2) merged.push_back(std::move(parts.back()));
    parts = std::move(merged);
  }
  return parts.empty() ? nullptr : parts.front().Release();
}

}  // namespace

HRGN RegionFromMask(HBITMAP mask, COLORREF key, BYTE tolerance) {
  if (!mask) return nullptr;
  const SIZE size = BitmapSize(mask);
  if (size.cx <= 0 || size.cy <= 0) return nullptr;
  std::vector<uint32_t> pixels;
  if (!ReadPixels(mask, size, pixels)) return nullptr;

  Region result(CreateRectRgn(0, 0, 0, 0));
  if (!result) return nullptr;
  BuildOutline(pixels.data(), size.cx, size.cy, size.cx, key, tolerance,
               [&](const std::vector<OutlineRect>& rects, const OutlineRect&) {
                 Region part(RegionFromRects(rects));
                 if (part) CombineRgn(result.Get(), result.Get(), part.Get(), RGN_OR);
               });
  return result.Release();
}

COLORREF TopLeftColor(HBITMAP bitmap) {
  if (!bitmap) return CLR_INVALID;
  WindowDC screen(nullptr);
  MemoryDC dc(screen.Get());
  SelectIn in(dc.Get(), bitmap);
  return GetPixel(dc.Get(), 0, 0);
}

void BlitBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
  if (!bitmap) return;
  const SIZE size = BitmapSize(bitmap);
  MemoryDC from(dc);
  SelectIn in(from.Get(), bitmap);
  BitBlt(dc, x, y, size.cx, size.cy, from.Get(), 0, 0, SRCCOPY);
}
