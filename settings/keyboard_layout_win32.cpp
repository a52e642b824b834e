#include <windows.h>

#include "settings/key_table.h"

namespace {
// Asks the active keyboard layout of the calling thread at every call, so a
// layout switched while the program runs is followed.
class CSystemLayout final : public CKeyboardLayout {
 public:
  int VirtualKeyToScanCode(int virtualKey) const override {
    return static_cast<int>(MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC));
  }
  int ScanCodeToVirtualKey(int scanCode) const override {
    return static_cast<int>(MapVirtualKeyA(static_cast<UINT>(scanCode), MAPVK_VSC_TO_VK_EX));
  }
};
}  // namespace

const CKeyboardLayout& SystemKeyboardLayout() {
  static const CSystemLayout layout;
  return layout;
}
