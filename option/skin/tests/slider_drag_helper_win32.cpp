// A dialog with one slider at a known place on the screen, for a drag with
// real pointer events. Prints every WM_SLIDER_POS value on its own line and
// ends four seconds after the last one (or after 30 s without any).
#include <cstdio>
#include <filesystem>

#include "option/skin/skin_dialog_win32.h"
#include "option/skin/skin_slider_win32.h"
#include "option/skin/skin_state.h"
#include "settings/system_names.h"
#include "test_skin_files.h"

namespace {

constexpr UINT_PTR kQuietTimer = 1;

class CSliderDialog : public CSkinDialog {
 public:
  CSliderDialog() : CSkinDialog("skin_drag.ini") {}

 protected:
  void CreateControls(const CSkinBuilder& skin) override {
    const Placement p = skin.Place(1);
    slider_.Create(SkinPath("thumb.bmp"), p.left, p.top, p.right, p.bottom, Hwnd(), 201);
    slider_.SetTrackImage(p.left, p.top, p.right, p.bottom, skin.Normal());
  }
  void OnInitDialog() override { SetTimer(Hwnd(), kQuietTimer, 30000, nullptr); }
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_SLIDER_POS) {
      std::printf("%d\n", static_cast<int>(wp));
      std::fflush(stdout);
      SetTimer(Hwnd(), kQuietTimer, 4000, nullptr);
      return 0;
    }
    if (msg == WM_TIMER && wp == kQuietTimer) {
      EndModal(IDOK);
      return 0;
    }
    return CSkinDialog::HandleMessage(msg, wp, lp);
  }

 private:
  CSkinSlider slider_;
};

}  // namespace

int main() {
  const auto dir = testskin::FreshFolder("osprey_slider_drag");
  // Track (20, 70)-(130, 82): with a 10-pixel thumb the thumb travels 100 pixels.
  testskin::WriteFlatSkin(dir, "skin_drag.ini", 200, 100, 0, "1=track,20,70,110,12,\r\n");
  // The thumb's outline drops its top-left colour: magenta edge columns.
  testskin::WriteBmp(dir / "thumb.bmp", 10, 12,
                     [](int x, int) { return (x == 0 || x == 9) ? 0x00FF00FFu : 0x00000000u; });
  SetSkinsFolder(dir.string() + "\\");
  CSliderDialog dialog;
  dialog.DoModal(nullptr, "Slider drag test");
  return 0;
}
