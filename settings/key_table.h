// The one table that ties the three key code spaces together: Windows
// virtual-key codes (hooks, synthetic input), keyboard usages (what the
// profile, the macros and the mouse store) and PC scan codes (the physical
// key position). Both programs convert through it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct KeyRow {
  int32_t virtualKey;
  int32_t usage;
  int32_t scanCode;  // scan code set 1 make code for usages 4..69, else 0
};

inline constexpr int kKeyRowCount = 109;
const std::array<KeyRow, kKeyRowCount>& KeyTable();

// The current keyboard layout's view of scan codes. Letters, digits and
// punctuation are converted through the physical position, so a recorded key
// plays back as the same key on any layout.
class CKeyboardLayout {
 public:
  virtual ~CKeyboardLayout() = default;
  // 0 when the layout has no scan code for the key.
  virtual int VirtualKeyToScanCode(int virtualKey) const = 0;
  // 0 when the layout has no key at that position.
  virtual int ScanCodeToVirtualKey(int scanCode) const = 0;
};

// The layout of this platform: the system's on Windows, a fixed US layout
// elsewhere.
const CKeyboardLayout& SystemKeyboardLayout();

// 1 and the usage if the key is in the table, else 0 and usage 0.
int VirtualKeyToUsage(int virtualKey, int& usage, const CKeyboardLayout& layout);
int VirtualKeyToUsage(int virtualKey, int& usage);
// 1 and the virtual key if the usage is in the table, else 0 and vk 0.
int UsageToVirtualKey(int usage, int& virtualKey, const CKeyboardLayout& layout);
int UsageToVirtualKey(int usage, int& virtualKey);

// Display name of a virtual key; empty for keys without a name.
std::string KeyName(int virtualKey);

// "Shift+", "Ctrl+", "Alt+", "Win+" for the set modifier bits (none when the
// plain-key bit is set), then the name of the key with that usage.
std::string CombinationLabel(uint8_t modifierBits, int usage, const CKeyboardLayout& layout);
std::string CombinationLabel(uint8_t modifierBits, int usage);
