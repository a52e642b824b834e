#include "settings/key_table.h"

#include "settings/profile_set.h"

namespace {

constexpr std::array<KeyRow, kKeyRowCount> kRows{{
    // Letters A..Z.
    {0x41, 0x04, 30}, {0x42, 0x05, 48}, {0x43, 0x06, 46}, {0x44, 0x07, 32},
    {0x45, 0x08, 18}, {0x46, 0x09, 33}, {0x47, 0x0A, 34}, {0x48, 0x0B, 35},
    {0x49, 0x0C, 23}, {0x4A, 0x0D, 36}, {0x4B, 0x0E, 37}, {0x4C, 0x0F, 38},
    {0x4D, 0x10, 50}, {0x4E, 0x11, 49}, {0x4F, 0x12, 24}, {0x50, 0x13, 25},
    {0x51, 0x14, 16}, {0x52, 0x15, 19}, {0x53, 0x16, 31}, {0x54, 0x17, 20},
    {0x55, 0x18, 22}, {0x56, 0x19, 47}, {0x57, 0x1A, 17}, {0x58, 0x1B, 45},
    {0x59, 0x1C, 21}, {0x5A, 0x1D, 44},
    // Digits 1..9, 0.
    {0x31, 0x1E, 2}, {0x32, 0x1F, 3}, {0x33, 0x20, 4}, {0x34, 0x21, 5},
    {0x35, 0x22, 6}, {0x36, 0x23, 7}, {0x37, 0x24, 8}, {0x38, 0x25, 9},
    {0x39, 0x26, 10}, {0x30, 0x27, 11},
    // Enter, Esc, Backspace, Tab, Space.
    {0x0D, 0x28, 28}, {0x1B, 0x29, 1}, {0x08, 0x2A, 14}, {0x09, 0x2B, 15},
    {0x20, 0x2C, 57},
    // - = [ ] \ ; ' ` , . /
    {0xBD, 0x2D, 12}, {0xBB, 0x2E, 13}, {0xDB, 0x2F, 26}, {0xDD, 0x30, 27},
    {0xDC, 0x31, 43}, {0xBA, 0x33, 39}, {0xDE, 0x34, 40}, {0xC0, 0x35, 41},
    {0xBC, 0x36, 51}, {0xBE, 0x37, 52}, {0xBF, 0x38, 53},
    // Caps Lock, F1..F12.
    {0x14, 0x39, 58}, {0x70, 0x3A, 59}, {0x71, 0x3B, 60}, {0x72, 0x3C, 61},
    {0x73, 0x3D, 62}, {0x74, 0x3E, 63}, {0x75, 0x3F, 64}, {0x76, 0x40, 65},
    {0x77, 0x41, 66}, {0x78, 0x42, 67}, {0x79, 0x43, 68}, {0x7A, 0x44, 87},
    {0x7B, 0x45, 88},
    // Print Screen .. Up.
    {0x2C, 0x46, 0}, {0x91, 0x47, 0}, {0x13, 0x48, 0}, {0x2D, 0x49, 0},
    {0x24, 0x4A, 0}, {0x21, 0x4B, 0}, {0x2E, 0x4C, 0}, {0x23, 0x4D, 0},
    {0x22, 0x4E, 0}, {0x27, 0x4F, 0}, {0x25, 0x50, 0}, {0x28, 0x51, 0},
    {0x26, 0x52, 0},
    // Num Lock, keypad, application key.
    {0x90, 0x53, 0}, {0x6F, 0x54, 0}, {0x6A, 0x55, 0}, {0x6D, 0x56, 0},
    {0x6B, 0x57, 0}, {0x6C, 0x58, 0}, {0x61, 0x59, 0}, {0x62, 0x5A, 0},
    {0x63, 0x5B, 0}, {0x64, 0x5C, 0}, {0x65, 0x5D, 0}, {0x67, 0x5F, 0},
    {0x66, 0x5E, 0}, {0x68, 0x60, 0}, {0x69, 0x61, 0}, {0x60, 0x62, 0},
    {0x6E, 0x63, 0}, {0x5D, 0x65, 0},
    // Left and right Ctrl, Shift, Alt, Windows.
    {0xA2, 0xE0, 0}, {0xA0, 0xE1, 0}, {0xA4, 0xE2, 0}, {0x5B, 0xE3, 0},
    {0xA3, 0xE4, 0}, {0xA1, 0xE5, 0}, {0xA5, 0xE6, 0}, {0x5C, 0xE7, 0},
    // Mouse buttons: left, right, middle, back, forward.
    {0xF0, 0xF0, 0}, {0xF1, 0xF1, 0}, {0xF2, 0xF2, 0}, {0xF3, 0xF3, 0},
    {0xF4, 0xF4, 0},
}};

// Usages of the main block and F1..F12 follow the physical key position.
bool FollowsLayout(int usage) { return usage >= 4 && usage <= 69; }

const KeyRow* RowOfVirtualKey(int virtualKey) {
  for (const KeyRow& row : kRows)
    if (row.virtualKey == virtualKey) return &row;
  return nullptr;
}

const KeyRow* RowOfUsage(int usage) {
  for (const KeyRow& row : kRows)
    if (row.usage == usage) return &row;
  return nullptr;
}

// Scan code 0 means "no position"; it must not pick the rows that have none.
const KeyRow* RowOfScanCode(int scanCode) {
  if (scanCode == 0) return nullptr;
  for (const KeyRow& row : kRows)
    if (row.scanCode == scanCode) return &row;
  return nullptr;
}

}  // namespace

const std::array<KeyRow, kKeyRowCount>& KeyTable() { return kRows; }

int VirtualKeyToUsage(int virtualKey, int& usage, const CKeyboardLayout& layout) {
  const KeyRow* row = RowOfVirtualKey(virtualKey);
  if (!row) {
    usage = 0;
    return 0;
  }
  usage = row->usage;
  if (FollowsLayout(row->usage)) {
    if (const KeyRow* placed = RowOfScanCode(layout.VirtualKeyToScanCode(virtualKey)))
      usage = placed->usage;
  }
  return 1;
}

int VirtualKeyToUsage(int virtualKey, int& usage) {
  return VirtualKeyToUsage(virtualKey, usage, SystemKeyboardLayout());
}

int UsageToVirtualKey(int usage, int& virtualKey, const CKeyboardLayout& layout) {
  const KeyRow* row = RowOfUsage(usage);
  if (!row) {
    virtualKey = 0;
    return 0;
  }
  virtualKey = row->virtualKey;
  if (FollowsLayout(row->usage)) {
    // A layout without a key at that position keeps the table's key rather
    // than producing key 0.
    if (const int placed = layout.ScanCodeToVirtualKey(row->scanCode)) virtualKey = placed;
  }
  return 1;
}

int UsageToVirtualKey(int usage, int& virtualKey) {
  return UsageToVirtualKey(usage, virtualKey, SystemKeyboardLayout());
}

std::string KeyName(int virtualKey) {
  static constexpr const char* kNavigation[] = {"Page UP", "Page Down", "End",   "Home",
                                                "Left",    "Up",        "Right", "Down"};
  static constexpr const char* kKeypadOperators[] = {"Num_*", "Num_+", "Num_ ",
                                                     "Num_-", "Num_.", "Num_/"};
  static constexpr const char* kModifiers[] = {"Left Shift", "Right Shift", "Left Ctrl",
                                               "Right Ctrl", "Left Alt",    "Right Alt"};
  static constexpr const char* kMouseButtons[] = {"Left", "Right", "Wheel", "Backward",
                                                  "Forward"};
  const int vk = virtualKey;
  switch (vk) {
    case 0x08: return "BackSpace";
    case 0x09: return "Tab";
    case 0x0D: return "Enter";
    case 0x13: return "Pause";
    case 0x14: return "CapsLock";
    case 0x1B: return "Esc";
    case 0x20: return "Space";
    case 0x29: return "Select";
    case 0x2B: return "Execute";
    case 0x2C: return "Print Screen";
    case 0x2D: return "Insert";
    case 0x2E: return "Delete";
    case 0x2F: return "Help";
    case 0x5B: return "L_WIN";
    case 0x5C: return "R_WIN";
    case 0x5D: return "APP";
    case 0x90: return "Number Lock";
    case 0x91: return "Scroll Lock";
    default: break;
  }
  if (vk >= 0x21 && vk <= 0x28) return kNavigation[vk - 0x21];
  if ((vk >= 0x30 && vk <= 0x39) || (vk >= 0x41 && vk <= 0x5A))
    return std::string(1, static_cast<char>(vk));
  if (vk >= 0x60 && vk <= 0x69) return "Num_" + std::to_string(vk - 0x60);
  if (vk >= 0x6A && vk <= 0x6F) return kKeypadOperators[vk - 0x6A];
  if (vk >= 0x70 && vk <= 0x7B) return "F" + std::to_string(vk - 0x70 + 1);
  if (vk >= 0xA0 && vk <= 0xA5) return kModifiers[vk - 0xA0];
  if (vk >= 0xBA && vk <= 0xC0) return std::string(1, ";=,-./`"[vk - 0xBA]);
  if (vk >= 0xDB && vk <= 0xDE) return std::string(1, "[\\]'"[vk - 0xDB]);
  if (vk >= 0xF0 && vk <= 0xF4) return kMouseButtons[vk - 0xF0];
  return {};
}

std::string CombinationLabel(uint8_t modifierBits, int usage, const CKeyboardLayout& layout) {
  std::string label;
  if (!(modifierBits & kModPlainKey)) {
    if (modifierBits & kModShift) label += "Shift+";
    if (modifierBits & kModCtrl) label += "Ctrl+";
    if (modifierBits & kModAlt) label += "Alt+";
    if (modifierBits & kModWin) label += "Win+";
  }
  int virtualKey = 0;
  UsageToVirtualKey(usage, virtualKey, layout);
  return label + KeyName(virtualKey);
}

std::string CombinationLabel(uint8_t modifierBits, int usage) {
  return CombinationLabel(modifierBits, usage, SystemKeyboardLayout());
}
