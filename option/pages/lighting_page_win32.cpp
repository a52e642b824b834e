#include "option/pages/lighting_page_win32.h"

#include "option/pages/level_values.h"
#include "option/skin/skin_font_win32.h"
#include "option/skin/skin_menu_win32.h"

namespace {
constexpr int kEffectMenuKey = 1;
constexpr int kPanelKey = 2;
constexpr int kFirstEffectKey = 3;
constexpr int kFirstEffectName = 1072;
}  // namespace

Profile& CLightingPage::Edited() { return EditedProfile(working_); }

CLightPanel& CLightingPage::Panel(LightEffect effect) {
  CLightPanel* panels[kLightEffectCount] = {&single_, &neon_, &wave_, &seven_};
  return *panels[static_cast<int>(effect)];
}

void CLightingPage::CreateControls(const CSkinBuilder& skin) {
  skin.AddButton(effectMenu_, kEffectMenuKey);
  for (int i = 0; i < kLightEffectCount; ++i) skin.AddButton(effects_[i], kFirstEffectKey + i);
  const Placement p = skin.Place(kPanelKey);
  panelRect_ = RectOf(p);
}

void CLightingPage::OnInitDialog() { menuFont_.Reset(CreateSkinTextFont()); }

void CLightingPage::Refresh() {
  if (!IsCreated()) return;
  ShowEffect(Edited().LightType);
  for (int i = 0; i < kLightEffectCount; ++i) Panel(static_cast<LightEffect>(i)).Refresh();
}

void CLightingPage::ShowEffect(int lightType) {
  const int nameId = EffectNameId(lightType);
  const std::string name = nameId ? caption_(nameId) : std::string();
  effectMenu_.SetCaption(name);
  // The name as window text too, for screen readers.
  SetWindowTextA(effectMenu_.Hwnd(), name.c_str());
  const int held = HeldEffectButton(lightType);
  for (int i = 0; i < kLightEffectCount; ++i) effects_[i].SetHeldDown(i == held);

  const LightEffect shown = PanelOf(lightType);
  CLightPanel& panel = Panel(shown);
  if (!panel.IsCreated() && panel.CreatePage(Hwnd(), panelRect_.left, panelRect_.top)) {
    SetWindowTextA(panel.Hwnd(), caption_(kFirstEffectName + static_cast<int>(shown)).c_str());
    panel.Refresh();
  }
  // The new panel goes up before the old one comes down: nothing flickers through.
  panel.Show(true);
  for (int i = 0; i < kLightEffectCount; ++i)
    if (i != static_cast<int>(shown)) Panel(static_cast<LightEffect>(i)).Show(false);
}

void CLightingPage::ChooseEffect(int effect) {
  Edited().LightType = effect;
  ShowEffect(effect);
}

void CLightingPage::OpenEffectMenu() {
  if (!menuGuard_.MayOpen(GetTickCount())) return;
  CSkinMenu menu(menuFont_.Get());
  for (int i = 0; i < kLightEffectCount; ++i)
    menu.AppendItem(kFirstEffectItem + i, caption_(kFirstEffectName + i));
  RECT r{};
  GetWindowRect(effectMenu_.Hwnd(), &r);
  menu.Show(Hwnd(), r.left, r.bottom + 2);
  menuGuard_.MenuClosed(GetTickCount());
  effectMenu_.SetHover(false);
  InvalidateRect(effectMenu_.Hwnd(), nullptr, FALSE);
  SetFocus(Hwnd());
}

void CLightingPage::OnCurrentLevelChosen(int level) { single_.ShowLevelColour(level); }

bool CLightingPage::OnCommandFrom(HWND control, int id, int) {
  if (!control) {  // a menu item
    if (const auto effect = EffectOfMenuItem(static_cast<unsigned>(id))) ChooseEffect(*effect);
    return true;
  }
  if (control == effectMenu_.Hwnd()) return OpenEffectMenu(), true;
  for (int i = 0; i < kLightEffectCount; ++i)
    if (control == effects_[i].Hwnd()) return ChooseEffect(i), true;
  return false;
}
