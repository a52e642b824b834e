#include "option/skin/skin_pictures_win32.h"

#include <objbase.h>

#include <utility>

#include "option/skin/skin_state.h"

namespace {

SkinScreenImages InSkinsFolder(SkinScreenImages names) {
  for (std::string* name : {&names.mask, &names.normal, &names.over, &names.down, &names.disable})
    *name = SkinPath(*name);
  return names;
}

}  // namespace

SkinPictures SkinPictures::Load(const SkinScreenImages& names) {
  const SkinScreenImages paths = InSkinsFolder(names);
  SkinPictures p;
  SkinImageReader reader;  // the five files share one buffer
  SIZE ignored{};
  reader.Load(paths.mask, p.mask, ignored);
  reader.Load(paths.normal, p.normal, p.size);
  reader.Load(paths.over, p.over, ignored);
  reader.Load(paths.down, p.down, ignored);
  reader.Load(paths.disable, p.disable, ignored);
  return p;
}

SkinPicturesLoader::SkinPicturesLoader(const std::string& skinFileName) {
  // The paths are made here: the skins folder belongs to the interface thread.
  const SkinScreenImages paths = InSkinsFolder(SkinDescription::Load(SkinPath(skinFileName)).Screen());
  thread_ = std::thread([this, paths] { Run(paths); });
}

SkinPicturesLoader::~SkinPicturesLoader() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void SkinPicturesLoader::Run(const SkinScreenImages& paths) {
  // Some picture formats are decoded by COM objects.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  SkinImageReader reader;  // the five files share one buffer
  {
    SkinImage normal;
    SIZE size{};
    reader.Load(paths.normal, normal, size);
    std::lock_guard lock(mutex_);
    normal_ = std::move(normal);
    size_ = size;
    normalReady_ = true;
  }
  changed_.notify_all();
  {
    SkinImage mask;
    SIZE ignored{};
    reader.Load(paths.mask, mask, ignored);
    Region outline(RegionFromMask(mask.Get(), RGB(255, 255, 255), 0));
    std::lock_guard lock(mutex_);
    mask_ = std::move(mask);
    outline_ = std::move(outline);
    maskReady_ = true;
  }
  changed_.notify_all();

  std::vector<RECT> rects;
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return rectsGiven_ || stopping_; });
    rects = rects_;
  }
  std::vector<StateImages> states;
  if (!rects.empty()) states = CutAll(reader, paths, rects);
  {
    std::lock_guard lock(mutex_);
    states_ = std::move(states);
    if (!stopping_) PostMessageA(window_, message_, 0, 0);
  }
  if (SUCCEEDED(com)) CoUninitialize();
}

std::vector<StateImages> SkinPicturesLoader::CutAll(SkinImageReader& reader,
                                                    const SkinScreenImages& paths,
                                                    const std::vector<RECT>& rects) {
  SkinImage over, down, disabled;
  SIZE ignored{};
  reader.Load(paths.over, over, ignored);
  reader.Load(paths.down, down, ignored);
  reader.Load(paths.disable, disabled, ignored);
  std::vector<StateImages> states(rects.size());
  for (size_t i = 0; i < rects.size(); ++i) {
    const RECT& r = rects[i];
    CropImage(nullptr, states[i].over, over.Get(), r.left, r.top, r.right, r.bottom);
    CropImage(nullptr, states[i].down, down.Get(), r.left, r.top, r.right, r.bottom);
    CropImage(nullptr, states[i].disabled, disabled.Get(), r.left, r.top, r.right, r.bottom);
  }
  return states;
}

SkinImage SkinPicturesLoader::TakeNormal(SIZE& size) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return normalReady_; });
  size = size_;
  return std::move(normal_);
}

SkinImage SkinPicturesLoader::TakeMask(Region& outline) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return maskReady_; });
  outline = std::move(outline_);
  return std::move(mask_);
}

void SkinPicturesLoader::CutStates(std::vector<RECT> rects, HWND window, UINT message) {
  {
    std::lock_guard lock(mutex_);
    rects_ = std::move(rects);
    window_ = window;
    message_ = message;
    rectsGiven_ = true;
  }
  changed_.notify_all();
}

std::vector<StateImages> SkinPicturesLoader::TakeStates() {
  if (thread_.joinable()) thread_.join();
  return std::move(states_);
}
