// The five full-window pictures of a skinned dialog (section "SCREEN"), and
// their decoding on a thread of their own.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

#include "option/skin/skin_file.h"
#include "option/skin/skin_image_win32.h"
#include "option/skin/skin_state.h"
#include "wingui/gdi_win32.h"

// The full paths of a dialog's five pictures.
struct SkinPicturePaths {
  std::filesystem::path mask, normal, over, down, disable;
};

// A dialog's skin file as read from the skins folder, with its pictures' paths.
struct SkinFiles {
  std::filesystem::path file;
  CSkinDescription skin;
  SkinPicturePaths pictures;

  static SkinFiles Read(std::string_view skinFileName);
  // The skin file or the first of its pictures that is not there.
  std::optional<SkinFault> Missing() const;
};

// The fault of a picture that did not decode: missing, or there but damaged.
SkinFault PictureFault(const std::filesystem::path& picture);

struct SkinPictures {
  CSkinImage mask, normal, over, down, disable;
  SIZE size{};  // of the normal picture: the dialog's size
  std::optional<SkinFault> fault;  // the first picture that did not decode

  static SkinPictures Load(const SkinPicturePaths& paths);
};

// A control's hover, pressed and disabled pictures, cut from the skin.
struct StateImages {
  CBitmap over, down, disabled;
};

// Decodes a modal dialog's pictures beside the interface thread, in steps.
// The normal picture comes first: with it the dialog makes its window and
// controls. Meanwhile the mask is decoded and the outline made from it, then
// the three other pictures, which are only needed once the pointer is on a
// control: when the dialog has painted, it hands over its controls'
// rectangles and the thread cuts the state pictures and tells the dialog.
//
// Under Wine, making the first window and decoding the main dialog's five
// full-size pictures each take many tens of milliseconds; this way the main
// dialog is painted in not much more than the time the window system needs,
// and its controls have all their pictures a few hundredths of a second later.
class CSkinPicturesLoader {
 public:
  explicit CSkinPicturesLoader(const SkinPicturePaths& paths);
  CSkinPicturesLoader(const CSkinPicturesLoader&) = delete;
  CSkinPicturesLoader& operator=(const CSkinPicturesLoader&) = delete;
  ~CSkinPicturesLoader();  // stops what nobody waits for any more

  // Waits for the normal picture and hands it over with its size.
  CSkinImage TakeNormal(SIZE& size);
  // Waits for the mask and hands it over with the outline made from it
  // (white cut away; empty when there is none).
  CSkinImage TakeMask(CRegion& outline);
  // Asks for the state pictures at these rectangles; message is posted to
  // window when they are cut.
  void CutStates(std::vector<RECT> rects, HWND window, UINT message);
  // After the message: the pictures, in the order of the rectangles, and
  // the first of the three full pictures that did not decode.
  std::vector<StateImages> TakeStates(std::optional<SkinFault>& fault);

 private:
  // The full hover, pressed and disabled pictures.
  struct StatePictures {
    CSkinImage over, down, disabled;
  };

  void Run(const SkinPicturePaths& paths);
  std::vector<StateImages> DecodeAndCutStates(CSkinImageReader& reader,
                                              const SkinPicturePaths& paths,
                                              std::optional<SkinFault>& fault);
  bool Stopping();  // nobody waits any more
  static std::vector<StateImages> CutAll(const StatePictures& pictures,
                                         const std::vector<RECT>& rects);

  std::mutex mutex_;
  std::condition_variable changed_;
  bool normalReady_ = false;
  bool maskReady_ = false;
  bool rectsGiven_ = false;
  bool stopping_ = false;
  CSkinImage normal_, mask_;
  SIZE size_{};
  CRegion outline_;
  std::vector<RECT> rects_;
  HWND window_ = nullptr;
  UINT message_ = 0;
  std::vector<StateImages> states_;
  std::optional<SkinFault> statesFault_;
  std::thread thread_;  // last: starts when everything above exists
};
