// CSkinDialog: a window whose look, outline and controls come from a skin
// description file. Derive from it, give the file name, and create the
// controls in CreateControls. It runs either as a modal dialog (DoModal,
// ended by EndModal with IDOK or IDCANCEL) or as a child page of another
// window (CreatePage, Show). A modal dialog's pictures are decoded on a
// thread of their own while its window is made, and its controls get their
// hover, pressed and disabled pictures just after it is first painted. When
// skin faults stop dialogs (SetSkinFaultHandler), a dialog whose skin file or
// pictures are missing or damaged is not shown and the fault is reported.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "option/skin/placement.h"
#include "option/skin/skin_file.h"
#include "option/skin/skin_image_win32.h"
#include "option/skin/skin_picture_target_win32.h"
#include "option/skin/skin_pictures_win32.h"
#include "wingui/gdi_win32.h"
#include "wingui/window_win32.h"

class CSkinButton;

// A control whose hover, pressed and disabled pictures come after it is made.
struct PendingStates {
  CSkinPictureTarget* control;
  RECT rect;
};

// A skin rectangle as Win32 takes it.
inline RECT RectOf(const Placement& p) { return RECT{p.left, p.top, p.right, p.bottom}; }

// What a dialog gets while its controls are created: its skin description
// and the four full-window state pictures the controls are cut from.
class CSkinBuilder {
 public:
  CSkinBuilder(HWND dialog, const CSkinDescription& skin, HBITMAP normal, HBITMAP over,
               HBITMAP down, HBITMAP disabled)
      : dialog_(dialog), skin_(skin), images_{normal, over, down, disabled} {}
  // Without the other state pictures yet: buttons are listed in later.
  CSkinBuilder(HWND dialog, const CSkinDescription& skin, HBITMAP normal,
               std::vector<PendingStates>& later)
      : dialog_(dialog), skin_(skin), images_{normal, nullptr, nullptr, nullptr}, later_(&later) {}

  HWND Dialog() const { return dialog_; }
  const CSkinDescription& Skin() const { return skin_; }
  Placement Place(std::string_view key) const { return skin_.PlacementOf(key); }
  Placement Place(int key) const { return skin_.PlacementOf(key); }
  HBITMAP Normal() const { return images_[0]; }
  HBITMAP Over() const { return images_[1]; }
  HBITMAP Down() const { return images_[2]; }
  HBITMAP Disabled() const { return images_[3]; }

  // Creates the button on the key's rectangle with identifier 0, cuts its
  // pictures, gives it the record's help text and held-down flag.
  Placement AddButton(CSkinButton& button, std::string_view key) const;
  Placement AddButton(CSkinButton& button, int key) const;
  // Gives any control its pictures cut at the rectangle: all four at once
  // when the dialog has them, else the normal one now and the three others
  // once they are cut (a modal dialog or a page, once it is painted).
  void CutPictures(CSkinPictureTarget& control, const RECT& rect) const;

 private:
  HWND dialog_;
  const CSkinDescription& skin_;
  HBITMAP images_[4];
  std::vector<PendingStates>* later_ = nullptr;
};

class CSkinDialog : public CWindow {
 public:
  explicit CSkinDialog(std::string skinFileName) : skinFileName_(std::move(skinFileName)) {}

  // Shows the dialog over owner (centred on it; at the screen origin without
  // one), disables owner meanwhile, and returns the EndModal result
  // (IDCANCEL when closed any other way).
  INT_PTR DoModal(HWND owner, const char* title = "");
  void EndModal(INT_PTR result);
  // Creates the dialog as a hidden child page of parent at (x, y).
  bool CreatePage(HWND parent, int x = 0, int y = 0);
  // Starts decoding the pictures on their own thread now, for a page made
  // later: it then gets its state pictures once painted, as a modal dialog.
  // False (reported) when the skin files are missing.
  bool PreloadPictures();
  void Show(bool visible);

  const std::string& SkinFileName() const { return skinFileName_; }
  SIZE Size() const { return size_; }
  HBITMAP Background() const { return background_.Get(); }
  HBITMAP Mask() const { return mask_.Get(); }

 protected:
  // Creates the controls from the skin (buttons in the order the dialog
  // recognises them) while the window is made.
  virtual void CreateControls(const CSkinBuilder& skin) { (void)skin; }
  // After the skin and the outline are in place.
  virtual void OnInitDialog() {}
  // A modal dialog is on the screen and about to handle its first message.
  virtual void OnShown() {}
  // A command from a child, recognised by its handle. Return true if handled.
  virtual bool OnCommandFrom(HWND control, int id, int code) {
    (void)control, (void)id, (void)code;
    return false;
  }
  // Drawing over the background. A dialog that draws says so with DrawsOver:
  // its picture is then composed in an off-screen bitmap of the client size
  // first, so that nothing flickers; the others copy the background straight
  // to the window, sparing a full-size bitmap per paint.
  virtual void PaintOver(HDC dc) { (void)dc; }
  virtual bool DrawsOver() const { return false; }
  // Top-level dialogs move when dragged by their surface; pages do not.
  bool IsPage() const;

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  bool CreateTopLevel(HWND owner, const char* title);
  // Reads the skin file; false (reported) when it or a picture is missing.
  bool ReadSkinFiles();
  // The pictures and controls; false when a picture that did not decode
  // stops the dialog (fault_ says which).
  bool LoadSkin(CRegion& outline);
  void OnPaint();
  void PaintComposed(HDC dc);
  void OnLButtonDown(LPARAM lp);
  void CenterOver(HWND owner);
  void TakeBackground(CSkinImage normal, SIZE size);
  void AskForStatesWhenPainted();
  void OnStatesTimer();
  void OnStatesReady();

  std::string skinFileName_;
  SkinFiles files_;
  std::optional<SkinFault> fault_;  // what stopped the window being made
  CSkinImage mask_;
  CSkinImage background_;
  std::unique_ptr<CSkinPicturesLoader> preload_;  // a modal dialog's pictures, decoding
  std::vector<PendingStates> pendingStates_;     // controls waiting for preload_
  bool statesAsked_ = false;
  SIZE size_{0, 0};
  bool modalEnded_ = false;
  INT_PTR modalResult_ = IDCANCEL;
};
