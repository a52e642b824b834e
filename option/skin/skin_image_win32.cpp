#include "option/skin/skin_image_win32.h"

#include <objidl.h>
#include <ocidl.h>
#include <olectl.h>

#include <utility>
#include <vector>

#include "option/skin/mask_outline.h"

namespace {

// The whole file into movable memory that a stream can be made on, grown
// when the file is larger than what it held before. Returns the file's size,
// or 0 when it can't be read.
DWORD ReadWholeFile(const std::filesystem::path& path, CGlobalMemory& buffer) {
  const CHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return 0;
  DWORD size = 0;
  LARGE_INTEGER length{};
  if (GetFileSizeEx(file.Get(), &length) && length.QuadPart > 0 && length.QuadPart < MAXLONG) {
    if (buffer && GlobalSize(buffer.Get()) < static_cast<SIZE_T>(length.QuadPart)) buffer.Reset();
    if (!buffer) buffer.Reset(GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(length.QuadPart)));
    void* p = buffer ? GlobalLock(buffer.Get()) : nullptr;
    DWORD read = 0;
    if (p && ReadFile(file.Get(), p, static_cast<DWORD>(length.QuadPart), &read, nullptr) &&
        read == length.QuadPart)
      size = read;
    if (p) GlobalUnlock(buffer.Get());
  }
  return size;
}

}  // namespace

CSkinImage::CSkinImage(CSkinImage&& o) noexcept
    : picture_(std::move(o.picture_)), bitmap_(std::exchange(o.bitmap_, nullptr)) {}

CSkinImage& CSkinImage::operator=(CSkinImage&& o) noexcept {
  if (this != &o) {
    picture_ = std::move(o.picture_);
    bitmap_ = std::exchange(o.bitmap_, nullptr);
  }
  return *this;
}

void CSkinImage::Reset() {
  bitmap_ = nullptr;
  picture_.Reset();  // deletes the bitmap
}

bool CSkinImageReader::Load(const std::filesystem::path& path, CSkinImage& image, SIZE& size) {
  image.Reset();
  size = {0, 0};
  const DWORD length = ReadWholeFile(path, buffer_);
  if (!length) return false;
  // The stream is told the file's length: the memory may be longer.
  CComPtr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(buffer_.Get(), FALSE, stream.Receive()))) return false;
  ULARGE_INTEGER streamSize{};
  streamSize.QuadPart = length;
  if (FAILED(stream.Get()->SetSize(streamSize))) return false;
  CComPtr<IPicture> picture;
  if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(length), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(picture.Receive()))) ||
      !picture)
    return false;
  SHORT type = PICTYPE_NONE;
  OLE_HANDLE handle = 0;
  if (FAILED(picture.Get()->get_Type(&type)) || type != PICTYPE_BITMAP ||
      FAILED(picture.Get()->get_Handle(&handle)) || !handle)
    return false;
  image.bitmap_ = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
  image.picture_ = std::move(picture);
  size = BitmapSize(image.bitmap_);
  return true;
}

bool LoadSkinImage(const std::filesystem::path& path, CSkinImage& image, SIZE& size) {
  return CSkinImageReader().Load(path, image, size);
}

CPictureCutter::CPictureCutter(HDC surface, HBITMAP source) : hasSource_(source != nullptr) {
  if (!hasSource_) return;
  from_.Reset(CreateCompatibleDC(surface));
  to_.Reset(CreateCompatibleDC(surface));
  if (from_ && to_) selected_.emplace(from_.Get(), source);
}

void CPictureCutter::Cut(CBitmap& target, int left, int top, int right, int bottom) const {
  if (!hasSource_) return;
  target.Reset();
  const int w = right - left, h = bottom - top;
  if (w <= 0 || h <= 0 || !selected_) return;
  // Made like the source picture (itself made for the screen): under Wine this
  // is several times quicker than asking the display, and the main dialog
  // cuts some two hundred pictures as it starts.
  HBITMAP part = CreateCompatibleBitmap(from_.Get(), w, h);
  if (!part) return;
  {
    CSelectObject b(to_.Get(), part);
    BitBlt(to_.Get(), 0, 0, w, h, from_.Get(), left, top, SRCCOPY);
  }
  target.Reset(part);
}

void CropImage(HDC surface, CBitmap& target, HBITMAP source, int left, int top, int right,
               int bottom) {
  CPictureCutter(surface, source).Cut(target, left, top, right, bottom);
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
  CWindowDC screen(nullptr);
  CMemoryDC dc(CreateCompatibleDC(screen.Get()));
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
  std::vector<CRegion> parts;
  for (size_t first = 0; first < rects.size();) {
    size_t end = first;
    while (end < rects.size() && rects[end].top == rects[first].top) ++end;
    const OutlineRect band{rects[first].left, rects[first].top, rects[end - 1].right,
                           rects[first].bottom};
    parts.emplace_back(RegionFromList(&rects[first], end - first, band));
    first = end;
  }
  while (parts.size() > 1) {
    std::vector<CRegion> merged;
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

  CRegion result(CreateRectRgn(0, 0, 0, 0));
  if (!result) return nullptr;
  BuildOutline(pixels.data(), size.cx, size.cy, size.cx, key, tolerance,
               [&](const std::vector<OutlineRect>& rects, const OutlineRect&) {
                 CRegion part(RegionFromRects(rects));
                 if (part) CombineRgn(result.Get(), result.Get(), part.Get(), RGN_OR);
               });
  return result.Release();
}

COLORREF TopLeftColor(HBITMAP bitmap) {
  if (!bitmap) return CLR_INVALID;
  CWindowDC screen(nullptr);
  CMemoryDC dc(CreateCompatibleDC(screen.Get()));
  CSelectObject in(dc.Get(), bitmap);
  return GetPixel(dc.Get(), 0, 0);
}

void BlitBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
  if (!bitmap) return;
  const SIZE size = BitmapSize(bitmap);
  CMemoryDC from(CreateCompatibleDC(dc));
  CSelectObject in(from.Get(), bitmap);
  BitBlt(dc, x, y, size.cx, size.cy, from.Get(), 0, 0, SRCCOPY);
}
