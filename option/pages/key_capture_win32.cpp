#include "option/pages/key_capture_win32.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "option/skin/control_messages.h"

namespace {

constexpr WPARAM kKeyReleased = 0x80;

// Installed captures, oldest first; the hook procedure only ever runs on the
// thread that installed them, so no lock.
std::vector<HWND>& Targets() {
  static std::vector<HWND> targets;
  return targets;
}

}  // namespace

bool CKeyCapture::Install(HWND target) {
  Remove();
  hook_.Reset(SetWindowsHookExA(WH_KEYBOARD_LL, HookProc, GetModuleHandleA(nullptr), 0));
  if (traced_) {
    char line[64];
    std::snprintf(line, sizeof line, "Hhook: %llx\r\n",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(hook_.Get())));
    OutputDebugStringA(line);
  }
  if (!hook_) return false;
  target_ = target;
  Targets().push_back(target);
  return true;
}

void CKeyCapture::Remove() {
  if (!hook_) return;
  // Removed here rather than by the owner: the trace tells whether it went.
  const BOOL removed = UnhookWindowsHookEx(hook_.Release());
  if (traced_) OutputDebugStringA(removed ? "UnHhook: Success \r\n" : "UnHhook: Fail \r\n");
  auto& targets = Targets();
  if (const auto it = std::find(targets.rbegin(), targets.rend(), target_); it != targets.rend())
    targets.erase(std::next(it).base());
  target_ = nullptr;
}

// The keys themselves are never written anywhere: any program listening to
// the debugger output would read what the user types.
LRESULT CALLBACK CKeyCapture::HookProc(int code, WPARAM wp, LPARAM lp) {
  if (code != HC_ACTION || Targets().empty()) return CallNextHookEx(nullptr, code, wp, lp);
  const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp);
  const WPARAM released = (key->flags & LLKHF_UP) ? kKeyReleased : 0;
  PostMessageA(Targets().back(), MSG_HOOK_KEY, key->vkCode, released);
  return 1;  // swallowed: neither other programs nor other hooks see it
}
