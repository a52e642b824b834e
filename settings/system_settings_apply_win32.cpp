#include "settings/system_settings_apply_win32.h"

#include <cstdint>

#include "settings/registry_win32.h"
#include "settings/system_settings.h"

namespace {

void Notify(HWND ownWindow, WPARAM what, LPARAM detail) {
  if (ownWindow) SendMessageA(ownWindow, WM_WININICHANGE, what, detail);
}

}  // namespace

void ApplySystemSettings(Profile& profile, HWND ownWindow) {
  SetDoubleClickTime(static_cast<UINT>(profile.DbleClickSpeed));

  CRegistryWin32 registry;
  const AccelerationRow live = LiveAcceleration(profile, registry);
  int mouse[3] = {live.threshold1, live.threshold2, live.speed};
  SystemParametersInfoA(SPI_SETMOUSE, 0, mouse, SPIF_SENDCHANGE);
  Notify(ownWindow, SPI_SETMOUSE, reinterpret_cast<LPARAM>(mouse));

  // Windows takes the speed from the pointer parameter and ignores the other;
  // Wine (8.0) takes it from the other and stored 0. Both carry it.
  SystemParametersInfoA(SPI_SETMOUSESPEED, static_cast<UINT>(profile.MouseSpeed),
                        reinterpret_cast<void*>(static_cast<intptr_t>(profile.MouseSpeed)),
                        SPIF_SENDCHANGE);
  Notify(ownWindow, SPI_SETMOUSESPEED, 0);

  // -1 lines means one page per notch.
  const int lines = profile.ScrollWheelFlag ? -1 : profile.ScrollWheelSpeed;
  SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, static_cast<UINT>(lines), nullptr,
                        SPIF_SENDCHANGE);
  DWORD recipients = BSM_APPLICATIONS;
  static const char kWheelSection[] = "WheelScrollLines";
  BroadcastSystemMessageA(BSF_NOHANG, &recipients, WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES,
                          reinterpret_cast<LPARAM>(kWheelSection));
}
