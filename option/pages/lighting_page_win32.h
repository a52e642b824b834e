// CLightingPage: the page of the main dialog on which the user chooses the
// current profile's lighting effect, from the effect button's menu or from
// the four effect buttons, and sets it up on the effect's panel. Both ways
// of choosing keep everything in step: LightType, the effect button's name,
// the effect button held down and the panel shown.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "option/pages/current_level_listener.h"
#include "option/pages/light_panel_win32.h"
#include "option/pages/lighting_rules.h"
#include "option/pages/profile_page_win32.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_dialog_win32.h"
#include "settings/profile_set.h"
#include "wingui/gdi_win32.h"

class CLightingPage final : public CProfilePage, public CCurrentLevelListener {
 public:
  // caption: a language string by its id.
  CLightingPage(ProfileSet& working, std::function<std::string(int)> caption)
      : CProfilePage("skin_light_setting.ini"),
        working_(working),
        caption_(std::move(caption)),
        single_(working),
        neon_(working, LightEffect::Neon),
        wave_(working, LightEffect::ColourWave),
        seven_(working) {}

  // COptionPage. Also on every showing: the DPI page changes the current
  // level, whose colour a panel shows. Each panel is made when its effect is
  // first shown.
  void Refresh() override;

  // CCurrentLevelListener: the single-colour panel shows that level's colour.
  void OnCurrentLevelChosen(int level) override;

 protected:
  void CreateControls(const CSkinBuilder& skin) override;
  void OnInitDialog() override;
  bool OnCommandFrom(HWND control, int id, int code) override;

 private:
  Profile& Edited();
  CLightPanel& Panel(LightEffect effect);
  void OpenEffectMenu();
  void ChooseEffect(int effect);
  void ShowEffect(int lightType);

  ProfileSet& working_;
  std::function<std::string(int)> caption_;
  CSkinButton effectMenu_;
  std::array<CSkinButton, kLightEffectCount> effects_;
  RECT panelRect_{};
  CSingleColourPanel single_;
  CLightPanel neon_, wave_;
  CSevenColoursPanel seven_;
  CEffectMenuGuard menuGuard_;
  CFont menuFont_;
};
