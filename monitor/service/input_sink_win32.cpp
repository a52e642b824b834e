#include "monitor/service/input_sink_win32.h"

#include <windows.h>

void CInputWin32::Key(uint8_t vk, bool up) {
  keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)), up ? KEYEVENTF_KEYUP : 0, 0);
}

void CInputWin32::ExtendedKey(uint8_t vk, bool up) {
  keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)),
              KEYEVENTF_EXTENDEDKEY | (up ? KEYEVENTF_KEYUP : 0), 0);
}

void CInputWin32::MouseButton(uint32_t flags, uint32_t data) {
  mouse_event(flags, 0, 0, data, GetMessageExtraInfo());
}

void CInputWin32::Pause(int ms) { Sleep(static_cast<DWORD>(ms)); }
