#include "option/skin/skin_pictures_win32.h"

#include <objbase.h>

#include <system_error>
#include <utility>

namespace {

bool IsFile(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::is_regular_file(file, ec);
}

// Decodes one picture; the first failure of a series is kept in fault.
void LoadPicture(CSkinImageReader& reader, const std::filesystem::path& file, CSkinImage& image,
                 SIZE& size, std::optional<SkinFault>& fault) {
  if (!reader.Load(file, image, size) && !fault) fault = PictureFault(file);
}

}  // namespace

SkinFiles SkinFiles::Read(std::string_view skinFileName) {
  SkinFiles files{SkinPath(skinFileName), {}, {}};
  files.skin = CSkinDescription::Load(files.file);
  const SkinScreenImages names = files.skin.Screen();
  files.pictures = {SkinPath(names.mask), SkinPath(names.normal), SkinPath(names.over),
                    SkinPath(names.down), SkinPath(names.disable)};
  return files;
}

std::optional<SkinFault> SkinFiles::Missing() const {
  if (!skin.Found()) return SkinFault{file, true};
  for (const auto* picture : {&pictures.normal, &pictures.mask, &pictures.over, &pictures.down,
                              &pictures.disable})
    if (!IsFile(*picture)) return SkinFault{*picture, true};
  return std::nullopt;
}

SkinFault PictureFault(const std::filesystem::path& picture) { return {picture, !IsFile(picture)}; }

SkinPictures SkinPictures::Load(const SkinPicturePaths& paths) {
  SkinPictures p;
  CSkinImageReader reader;  // the five files share one buffer
  SIZE ignored{};
  LoadPicture(reader, paths.normal, p.normal, p.size, p.fault);
  LoadPicture(reader, paths.mask, p.mask, ignored, p.fault);
  LoadPicture(reader, paths.over, p.over, ignored, p.fault);
  LoadPicture(reader, paths.down, p.down, ignored, p.fault);
  LoadPicture(reader, paths.disable, p.disable, ignored, p.fault);
  return p;
}

CSkinPicturesLoader::CSkinPicturesLoader(const SkinPicturePaths& paths) {
  thread_ = std::thread([this, paths] { Run(paths); });
}

CSkinPicturesLoader::~CSkinPicturesLoader() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void CSkinPicturesLoader::Run(const SkinPicturePaths& paths) {
  // Some picture formats are decoded by COM objects.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  CSkinImageReader reader;  // the five files share one buffer
  {
    CSkinImage normal;
    SIZE size{};
    reader.Load(paths.normal, normal, size);
    std::lock_guard lock(mutex_);
    normal_ = std::move(normal);
    size_ = size;
    normalReady_ = true;
  }
  changed_.notify_all();
  {
    CSkinImage mask;
    SIZE ignored{};
    reader.Load(paths.mask, mask, ignored);
    CRegion outline(RegionFromMask(mask.Get(), RGB(255, 255, 255), 0));
    std::lock_guard lock(mutex_);
    mask_ = std::move(mask);
    outline_ = std::move(outline);
    maskReady_ = true;
  }
  changed_.notify_all();

  std::optional<SkinFault> fault;
  std::vector<StateImages> states = DecodeAndCutStates(reader, paths, fault);
  {
    std::lock_guard lock(mutex_);
    states_ = std::move(states);
    statesFault_ = std::move(fault);
    if (!stopping_) PostMessageA(window_, message_, 0, 0);
  }
  if (SUCCEEDED(com)) CoUninitialize();
}

// The three other pictures are decoded while the window is made and shown,
// so that only the cutting waits for the dialog to be painted. They are let
// go here, before the thread leaves COM.
std::vector<StateImages> CSkinPicturesLoader::DecodeAndCutStates(CSkinImageReader& reader,
                                                                 const SkinPicturePaths& paths,
                                                                 std::optional<SkinFault>& fault) {
  StatePictures pictures;
  if (!Stopping()) {
    SIZE ignored{};
    LoadPicture(reader, paths.over, pictures.over, ignored, fault);
    LoadPicture(reader, paths.down, pictures.down, ignored, fault);
    LoadPicture(reader, paths.disable, pictures.disabled, ignored, fault);
  }
  std::vector<RECT> rects;
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return rectsGiven_ || stopping_; });
    rects = rects_;
  }
  if (rects.empty()) return {};
  // One dialog's state pictures are cut at a time: under Wine the cutters
  // take the lock of all drawing by turns and would all end late, and the
  // main dialog's, asked for first, are part of the picture it starts with.
  static std::mutex turn;
  const std::lock_guard one(turn);
  return CutAll(pictures, rects);
}

bool CSkinPicturesLoader::Stopping() {
  std::lock_guard lock(mutex_);
  return stopping_;
}

std::vector<StateImages> CSkinPicturesLoader::CutAll(const StatePictures& pictures,
                                                     const std::vector<RECT>& rects) {
  std::vector<StateImages> states(rects.size());
  const CPictureCutter overs(nullptr, pictures.over.Get()), downs(nullptr, pictures.down.Get()),
      disableds(nullptr, pictures.disabled.Get());
  for (size_t i = 0; i < rects.size(); ++i) {
    const RECT& r = rects[i];
    overs.Cut(states[i].over, r.left, r.top, r.right, r.bottom);
    downs.Cut(states[i].down, r.left, r.top, r.right, r.bottom);
    disableds.Cut(states[i].disabled, r.left, r.top, r.right, r.bottom);
  }
  return states;
}

CSkinImage CSkinPicturesLoader::TakeNormal(SIZE& size) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return normalReady_; });
  size = size_;
  return std::move(normal_);
}

CSkinImage CSkinPicturesLoader::TakeMask(CRegion& outline) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return maskReady_; });
  outline = std::move(outline_);
  return std::move(mask_);
}

void CSkinPicturesLoader::CutStates(std::vector<RECT> rects, HWND window, UINT message) {
  {
    std::lock_guard lock(mutex_);
    rects_ = std::move(rects);
    window_ = window;
    message_ = message;
    rectsGiven_ = true;
  }
  changed_.notify_all();
}

std::vector<StateImages> CSkinPicturesLoader::TakeStates(std::optional<SkinFault>& fault) {
  if (thread_.joinable()) thread_.join();
  fault = std::move(statesFault_);
  return std::move(states_);
}
