// Under Windows the skins are read by the system picture decoder over a
// memory stream; this checks that it reads every generated picture at the
// size the skin needs, and that mask colours survive decoding exactly.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string SkinsFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.resize(folder.find_last_of('\\') + 1);
  return folder + "skins\\";
}

template <typename T>
struct ComPtr {
  T* p = nullptr;
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() {
    if (p) p->Release();
  }
};

struct MemoryDc {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = nullptr;
  MemoryDc() = default;
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() {
    if (old) SelectObject(dc, old);
    DeleteDC(dc);
  }
};

struct Decoded {
  bool ok = false;
  int width = 0, height = 0;
  COLORREF top_left = 0, centre = 0;
};

Decoded Decode(const std::string& path) {
  Decoded out;
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.empty()) return out;
  // The stream owns the memory block and frees it on release.
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!block) return out;
  memcpy(GlobalLock(block), bytes.data(), bytes.size());
  GlobalUnlock(block);
  ComPtr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream.p))) {
    GlobalFree(block);
    return out;
  }
  ComPtr<IPicture> picture;
  if (FAILED(OleLoadPicture(stream.p, LONG(bytes.size()), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(&picture.p))))
    return out;
  OLE_HANDLE handle = 0;
  picture.p->get_Handle(&handle);
  HBITMAP bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
  BITMAP info{};
  if (!GetObjectA(bitmap, sizeof info, &info)) return out;
  out.ok = true;
  out.width = info.bmWidth;
  out.height = info.bmHeight;
  MemoryDc dc;
  dc.old = SelectObject(dc.dc, bitmap);
  out.top_left = GetPixel(dc.dc, 0, 0);
  out.centre = GetPixel(dc.dc, out.width / 2, out.height / 2);
  return out;
}

std::string Value(const std::string& ini, const char* key) {
  char value[2048] = {};
  GetPrivateProfileStringA("SCREEN", key, "", value, sizeof value, ini.c_str());
  return value;
}

TEST(SkinPictures, TheSystemDecoderReadsEveryPicture) {
  CoInitialize(nullptr);
  const std::string folder = SkinsFolder();
  std::vector<std::string> skins;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "skin_*.ini").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE) << folder;
  do skins.push_back(found.cFileName);
  while (FindNextFileA(search, &found));
  FindClose(search);
  EXPECT_GE(skins.size(), 21u);
  for (const auto& skin : skins) {
    SCOPED_TRACE(skin);
    const std::string ini = folder + skin;
    const Decoded normal = Decode(folder + Value(ini, "Normal"));
    ASSERT_TRUE(normal.ok);
    for (const char* key : {"Mask", "Over", "Down", "Disable"}) {
      const Decoded d = Decode(folder + Value(ini, key));
      ASSERT_TRUE(d.ok) << key;
      EXPECT_EQ(d.width, normal.width) << key;
      EXPECT_EQ(d.height, normal.height) << key;
    }
  }
  for (const char* name : {"scroll_arrow_down.bmp", "scroll_arrow_up.bmp", "DPI_Window_Mask.bmp",
                           "start_record_normal.jpg", "start_record_over.jpg", "start_record_down.jpg",
                           "stop_record_normal.jpg", "stop_record_over.jpg", "stop_record_down.jpg"})
    EXPECT_TRUE(Decode(folder + name).ok) << name;
  CoUninitialize();
}

TEST(SkinPictures, MaskColoursSurviveDecoding) {
  CoInitialize(nullptr);
  const std::string folder = SkinsFolder();
  const Decoded main = Decode(folder + Value(folder + "skin_main.ini", "Mask"));
  ASSERT_TRUE(main.ok);
  EXPECT_EQ(main.top_left, RGB(255, 255, 255));  // the cut corner
  EXPECT_EQ(main.centre, RGB(0, 0, 0));
  const Decoded thumb = Decode(folder + "scroll_arrow_down.bmp");
  ASSERT_TRUE(thumb.ok);
  EXPECT_EQ(thumb.top_left, RGB(255, 0, 255));
  CoUninitialize();
}

}  // namespace
