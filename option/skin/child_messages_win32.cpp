#include "option/skin/child_messages_win32.h"

#include "option/skin/skin_menu_win32.h"

namespace {
constexpr char kReflectProperty[] = "OspreySkinReflect";

CReflectTarget* TargetOf(HWND control) {
  return control ? static_cast<CReflectTarget*>(GetPropA(control, kReflectProperty)) : nullptr;
}
}  // namespace

void AttachReflectTarget(HWND control, CReflectTarget* target) {
  SetPropA(control, kReflectProperty, target);
}

void DetachReflectTarget(HWND control) { RemovePropA(control, kReflectProperty); }

bool HandleSkinChildMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (CReflectTarget* target = TargetOf(reinterpret_cast<HWND>(lp)))
        return target->OnReflected(msg, wp, lp, result);
      return false;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      return CSkinMenu::HandleOwnerMessage(msg, wp, lp, result);
    default:
      return false;
  }
}
