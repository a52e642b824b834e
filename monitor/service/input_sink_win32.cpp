#include "monitor/service/input_sink_win32.h"

#include <windows.h>

void Win32Input::Key(uint8_t vk, bool up) {
  keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)), up ? KEYEVENTF_KEYUP : 0, 0);
}

void Win32Input::ExtendedKey(uint8_t vk, bool up) {
  keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)),
              KEYEVENTF_EXTENDEDKEY | (up ? KEYEVENTF_KEYUP : 0), 0);
}

void Win32Input::MouseButton(uint32_t flags, uint32_t data) {
  mouse_event(flags, 0, 0, data, GetMessageExtraInfo());
}

void Win32Input::Pause(int ms) { Sleep(static_cast<DWORD>(ms)); }
