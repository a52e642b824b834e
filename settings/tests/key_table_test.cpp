#include "settings/key_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "settings/profile_set.h"

namespace {

// A US keyboard, as the table's own scan codes describe it.
class CUsLayout : public CKeyboardLayout {
 public:
  int VirtualKeyToScanCode(int vk) const override {
    for (const KeyRow& row : KeyTable())
      if (row.virtualKey == vk) return row.scanCode;
    return 0;
  }
  int ScanCodeToVirtualKey(int scanCode) const override {
    if (scanCode == 0) return 0;
    for (const KeyRow& row : KeyTable())
      if (row.scanCode == scanCode) return row.virtualKey;
    return 0;
  }
};

// A layout where A and Q, and Z and W, trade places (as on French keyboards).
class CSwappedLayout : public CUsLayout {
 public:
  int VirtualKeyToScanCode(int vk) const override {
    const auto it = kSwap.find(vk);
    return CUsLayout::VirtualKeyToScanCode(it == kSwap.end() ? vk : it->second);
  }
  int ScanCodeToVirtualKey(int scanCode) const override {
    const int vk = CUsLayout::ScanCodeToVirtualKey(scanCode);
    const auto it = kSwap.find(vk);
    return it == kSwap.end() ? vk : it->second;
  }

 private:
  const std::map<int, int> kSwap{{'A', 'Q'}, {'Q', 'A'}, {'Z', 'W'}, {'W', 'Z'}};
};

// A layout that knows no scan codes at all.
class CEmptyLayout : public CKeyboardLayout {
 public:
  int VirtualKeyToScanCode(int) const override { return 0; }
  int ScanCodeToVirtualKey(int) const override { return 0; }
};

const CUsLayout kUs;

}  // namespace

TEST(KeyTable, RowsAreConsistent) {
  const auto& rows = KeyTable();
  std::set<int> usages, virtualKeys, scanCodes;
  for (int i = 0; i < kKeyRowCount; ++i) {
    usages.insert(rows[i].usage);
    virtualKeys.insert(rows[i].virtualKey);
    if (i <= 64) {
      EXPECT_GE(rows[i].usage, 0x04) << i;
      EXPECT_LE(rows[i].usage, 0x45) << i;
      EXPECT_NE(rows[i].scanCode, 0) << i;
      scanCodes.insert(rows[i].scanCode);
    } else {
      EXPECT_EQ(rows[i].scanCode, 0) << i;
    }
  }
  EXPECT_EQ(usages.size(), 109u);
  EXPECT_EQ(virtualKeys.size(), 109u);
  EXPECT_EQ(scanCodes.size(), 65u);
  EXPECT_EQ(rows[0].scanCode, 30);    // A
  EXPECT_EQ(rows[36].scanCode, 28);   // Enter
  EXPECT_EQ(rows[63].scanCode, 87);   // F11
  EXPECT_EQ(rows[64].scanCode, 88);   // F12
  EXPECT_EQ(rows[95].virtualKey, 0x5D);
  EXPECT_EQ(rows[95].usage, 0x65);
  EXPECT_EQ(rows[108].usage, 0xF4);
}

TEST(KeyTable, ConvertsBothWaysOnUsLayout) {
  int usage = -1, vk = -1;
  EXPECT_EQ(VirtualKeyToUsage(0x41, usage, kUs), 1);
  EXPECT_EQ(usage, 0x04);
  EXPECT_EQ(UsageToVirtualKey(0x04, vk, kUs), 1);
  EXPECT_EQ(vk, 0x41);
  EXPECT_EQ(KeyName(0x41), "A");
  // Every key of the table survives the round trip.
  for (const KeyRow& row : KeyTable()) {
    ASSERT_EQ(VirtualKeyToUsage(row.virtualKey, usage, kUs), 1);
    EXPECT_EQ(usage, row.usage);
    ASSERT_EQ(UsageToVirtualKey(row.usage, vk, kUs), 1);
    EXPECT_EQ(vk, row.virtualKey);
  }
}

TEST(KeyTable, ModifiersAndMouseButtonsDoNotAskTheLayout) {
  const CEmptyLayout none;
  const CSwappedLayout swapped;
  int vk = -1;
  EXPECT_EQ(UsageToVirtualKey(0xE1, vk, swapped), 1);
  EXPECT_EQ(vk, 0xA0);
  EXPECT_EQ(KeyName(vk), "Left Shift");
  EXPECT_EQ(UsageToVirtualKey(0xF2, vk, none), 1);
  EXPECT_EQ(vk, 0xF2);
  EXPECT_EQ(KeyName(vk), "Wheel");
}

TEST(KeyTable, UnknownKeysConvertToZero) {
  int usage = -1, vk = -1;
  EXPECT_EQ(VirtualKeyToUsage(0x0C, usage, kUs), 0);
  EXPECT_EQ(usage, 0);
  EXPECT_EQ(KeyName(0x0C), "");
  EXPECT_EQ(UsageToVirtualKey(0x32, vk, kUs), 0);
  EXPECT_EQ(vk, 0);
  EXPECT_EQ(UsageToVirtualKey(0, vk, kUs), 0);
  EXPECT_EQ(KeyName(0), "");
  EXPECT_EQ(KeyName(0xFF), "");
  EXPECT_EQ(KeyName(-5), "");
}

TEST(KeyTable, StoredUsageFollowsThePhysicalKey) {
  const CSwappedLayout swapped;
  int usage = 0, vk = 0;
  // The key labelled A sits where a US keyboard has Q.
  EXPECT_EQ(VirtualKeyToUsage('A', usage, swapped), 1);
  EXPECT_EQ(usage, 0x14);
  EXPECT_EQ(UsageToVirtualKey(0x14, vk, swapped), 1);
  EXPECT_EQ(vk, 'A');
  EXPECT_EQ(CombinationLabel(kModPlainKey, 0x14, swapped), "A");
  // Keys the layout leaves in place are unchanged.
  EXPECT_EQ(VirtualKeyToUsage('B', usage, swapped), 1);
  EXPECT_EQ(usage, 0x05);
}

TEST(KeyTable, LayoutWithoutScanCodesKeepsTheTable) {
  // Scan code 0 must not be mistaken for the rows that have no scan code.
  const CEmptyLayout none;
  int usage = 0, vk = 0;
  EXPECT_EQ(VirtualKeyToUsage('A', usage, none), 1);
  EXPECT_EQ(usage, 0x04);
  EXPECT_EQ(UsageToVirtualKey(0x04, vk, none), 1);
  EXPECT_EQ(vk, 'A');
}

TEST(KeyTable, NamesFollowTheirGroups) {
  EXPECT_EQ(KeyName(0x08), "BackSpace");
  EXPECT_EQ(KeyName(0x21), "Page UP");
  EXPECT_EQ(KeyName(0x28), "Down");
  EXPECT_EQ(KeyName(0x2A), "");
  EXPECT_EQ(KeyName(0x2F), "Help");
  EXPECT_EQ(KeyName(0x30), "0");
  EXPECT_EQ(KeyName(0x5A), "Z");
  EXPECT_EQ(KeyName(0x60), "Num_0");
  EXPECT_EQ(KeyName(0x69), "Num_9");
  EXPECT_EQ(KeyName(0x6C), "Num_ ");
  EXPECT_EQ(KeyName(0x6F), "Num_/");
  EXPECT_EQ(KeyName(0x70), "F1");
  EXPECT_EQ(KeyName(0x7B), "F12");
  EXPECT_EQ(KeyName(0x7C), "");
  EXPECT_EQ(KeyName(0xA3), "Right Ctrl");
  EXPECT_EQ(KeyName(0xBA), ";");
  EXPECT_EQ(KeyName(0xC0), "`");
  EXPECT_EQ(KeyName(0xDC), "\\");
  EXPECT_EQ(KeyName(0xDE), "'");
  // The left and right mouse buttons share the arrow keys' names.
  EXPECT_EQ(KeyName(0xF0), KeyName(0x25));
  EXPECT_EQ(KeyName(0xF1), KeyName(0x27));
  EXPECT_EQ(KeyName(0xF4), "Forward");
}

TEST(KeyTable, CombinationLabels) {
  EXPECT_EQ(CombinationLabel(kModShift | kModAlt, 0x04, kUs), "Shift+Alt+A");
  EXPECT_EQ(CombinationLabel(kModPlainKey | kModShift | kModAlt, 0x04, kUs), "A");
  EXPECT_EQ(CombinationLabel(kModWin | kModAlt | kModCtrl | kModShift, 0x3A, kUs),
            "Shift+Ctrl+Alt+Win+F1");
  EXPECT_EQ(CombinationLabel(kModCtrl, 0x99, kUs), "Ctrl+");
}

TEST(KeyTable, SystemLayoutConvertsKeysOutsideTheMainBlock) {
  int usage = 0;
  EXPECT_EQ(VirtualKeyToUsage(0x1B, usage), 1);
  EXPECT_EQ(usage, 0x29);
  int vk = 0;
  EXPECT_EQ(UsageToVirtualKey(0xE7, vk), 1);
  EXPECT_EQ(vk, 0x5C);
}
