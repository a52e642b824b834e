#include "settings/key_table.h"

namespace {
// Without a system keyboard layout the table's scan codes, which are those of
// a US keyboard, stand for the layout.
class CUsKeyboardLayout final : public CKeyboardLayout {
 public:
  int VirtualKeyToScanCode(int virtualKey) const override {
    for (const KeyRow& row : KeyTable())
      if (row.virtualKey == virtualKey) return row.scanCode;
    return 0;
  }
  int ScanCodeToVirtualKey(int scanCode) const override {
    if (scanCode == 0) return 0;
    for (const KeyRow& row : KeyTable())
      if (row.scanCode == scanCode) return row.virtualKey;
    return 0;
  }
};
}  // namespace

const CKeyboardLayout& SystemKeyboardLayout() {
  static const CUsKeyboardLayout layout;
  return layout;
}
