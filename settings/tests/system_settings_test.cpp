#include "settings/system_settings.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// Keys are maps of values; keys named in `broken` can't be opened or created.
class CFakeRegistry : public CRegistry {
 public:
  std::map<std::string, std::map<std::string, std::string>> keys;
  std::set<std::string> broken;

  std::unique_ptr<CRegistryKey> OpenOrCreate(std::string_view path) override {
    if (broken.count(std::string(path))) return nullptr;
    return std::make_unique<CKey>(keys[std::string(path)]);
  }

  std::string Value(const std::string& key, const std::string& name) {
    return keys[key].count(name) ? keys[key][name] : "<missing>";
  }

 private:
  class CKey : public CRegistryKey {
   public:
    explicit CKey(std::map<std::string, std::string>& values) : values_(values) {}
    std::optional<std::string> ReadString(std::string_view name, size_t maxBytes) override {
      const auto it = values_.find(std::string(name));
      if (it == values_.end()) return std::nullopt;
      return it->second.substr(0, maxBytes - 1);
    }
    bool WriteString(std::string_view name, std::string_view value) override {
      values_[std::string(name)] = value;
      return true;
    }

   private:
    std::map<std::string, std::string>& values_;
  };
};

Profile SampleProfile() {
  Profile p{};
  p.DbleClickSpeed = 550;
  p.Orientation = 1;
  p.MouseSpeed = 12;
  p.Acceleration = 4;
  p.AccelerationFlag = 1;
  p.ScrollWheelSpeed = 3;
  p.ScrollWheelFlag = 0;
  return p;
}

void SetAcceleration(CFakeRegistry& reg, const char* s, const char* t1, const char* t2) {
  reg.keys[kMouseKey]["MouseSpeed"] = s;
  reg.keys[kMouseKey]["MouseThreshold1"] = t1;
  reg.keys[kMouseKey]["MouseThreshold2"] = t2;
}

}  // namespace

TEST(AccelerationTable, RowsFollowTheThresholdPattern) {
  EXPECT_EQ(AccelerationTableRow(0).speed, 0);
  const AccelerationRow r1 = AccelerationTableRow(1);
  EXPECT_EQ(r1.speed, 1);
  EXPECT_EQ(r1.threshold1, 13);
  EXPECT_EQ(r1.threshold2, 0);
  EXPECT_EQ(AccelerationTableRow(10).threshold1, 4);
  const AccelerationRow r11 = AccelerationTableRow(11);
  EXPECT_EQ(r11.speed, 2);
  EXPECT_EQ(r11.threshold1, 4);
  EXPECT_EQ(r11.threshold2, 13);
  EXPECT_EQ(AccelerationTableRow(19).threshold2, 5);
  // Every row is found again from its own values.
  for (int r = 0; r < kAccelerationRows; ++r) {
    const AccelerationRow row = AccelerationTableRow(r);
    EXPECT_EQ(AccelerationRowMatching(row.speed, row.threshold1, row.threshold2), r);
  }
}

TEST(SystemSettings, WritesEveryValueAsDecimalText) {
  CFakeRegistry reg;
  EXPECT_EQ(WriteSystemSettings(SampleProfile(), reg), 1);
  EXPECT_EQ(reg.Value(kMouseKey, "DoubleClickSpeed"), "550");
  EXPECT_EQ(reg.Value(kMouseKey, "SwapMouseButtons"), "1");
  EXPECT_EQ(reg.Value(kMouseKey, "MouseSensitivity"), "12");
  EXPECT_EQ(reg.Value(kMouseKey, "MouseSpeed"), "1");
  EXPECT_EQ(reg.Value(kMouseKey, "MouseThreshold1"), "10");
  EXPECT_EQ(reg.Value(kMouseKey, "MouseThreshold2"), "0");
  EXPECT_EQ(reg.Value(kDesktopKey, "WheelScrollLines"), "3");
}

TEST(SystemSettings, AccelerationOffWritesRowZero) {
  CFakeRegistry reg;
  Profile p = SampleProfile();
  p.AccelerationFlag = 0;
  p.Acceleration = 15;
  WriteSystemSettings(p, reg);
  EXPECT_EQ(reg.Value(kMouseKey, "MouseSpeed"), "0");
  EXPECT_EQ(reg.Value(kMouseKey, "MouseThreshold1"), "0");
  EXPECT_EQ(reg.Value(kMouseKey, "MouseThreshold2"), "0");
  p.AccelerationFlag = 1;
  p.Acceleration = -3;
  WriteSystemSettings(p, reg);
  EXPECT_EQ(reg.Value(kMouseKey, "MouseSpeed"), "0");
}

TEST(SystemSettings, AccelerationBeyondTheTableWritesTheLastRow) {
  CFakeRegistry reg;
  Profile p = SampleProfile();
  p.Acceleration = 25;
  WriteSystemSettings(p, reg);
  EXPECT_EQ(reg.Value(kMouseKey, "MouseSpeed"), "2");
  EXPECT_EQ(reg.Value(kMouseKey, "MouseThreshold1"), "4");
  EXPECT_EQ(reg.Value(kMouseKey, "MouseThreshold2"), "5");
}

TEST(SystemSettings, ValuesMatchingNoRowKeepTheAcceleration) {
  CFakeRegistry reg;
  SetAcceleration(reg, "1", "6", "10");
  Profile p = SampleProfile();
  p.Acceleration = 7;
  p.AccelerationFlag = 0;
  EXPECT_EQ(ReadSystemSettings(p, reg), 1);
  EXPECT_EQ(p.Acceleration, 7);
  EXPECT_EQ(p.AccelerationFlag, 1);  // the flag follows the kept value
  p.Acceleration = 0;
  ReadSystemSettings(p, reg);
  EXPECT_EQ(p.AccelerationFlag, 0);
}

TEST(SystemSettings, TheLastMatchingRowWins) {
  CFakeRegistry reg;
  SetAcceleration(reg, "1", "4", "0");
  Profile p = SampleProfile();
  ReadSystemSettings(p, reg);
  EXPECT_EQ(p.Acceleration, 10);
  EXPECT_EQ(p.AccelerationFlag, 1);
  SetAcceleration(reg, "0", "0", "0");
  ReadSystemSettings(p, reg);
  EXPECT_EQ(p.Acceleration, 0);
  EXPECT_EQ(p.AccelerationFlag, 0);
}

TEST(SystemSettings, PageScrollRoundTrips) {
  CFakeRegistry reg;
  reg.keys[kDesktopKey]["WheelScrollLines"] = "-1";
  Profile p = SampleProfile();
  EXPECT_EQ(ReadSystemSettings(p, reg), 1);
  EXPECT_EQ(p.ScrollWheelSpeed, 0);
  EXPECT_EQ(p.ScrollWheelFlag, 1);
  reg.keys[kDesktopKey].clear();
  WriteSystemSettings(p, reg);
  EXPECT_EQ(reg.Value(kDesktopKey, "WheelScrollLines"), "-1");
}

TEST(SystemSettings, ReadsBackWhatWasWritten) {
  CFakeRegistry reg;
  const Profile written = SampleProfile();
  WriteSystemSettings(written, reg);
  Profile read{};
  EXPECT_EQ(ReadSystemSettings(read, reg), 1);
  EXPECT_EQ(read.DbleClickSpeed, 550);
  EXPECT_EQ(read.Orientation, 1);
  EXPECT_EQ(read.MouseSpeed, 12);
  EXPECT_EQ(read.Acceleration, 4);
  EXPECT_EQ(read.AccelerationFlag, 1);
  EXPECT_EQ(read.ScrollWheelSpeed, 3);
  EXPECT_EQ(read.ScrollWheelFlag, 0);
}

TEST(SystemSettings, MissingOrDamagedValuesReadAsZero) {
  CFakeRegistry reg;
  reg.keys[kMouseKey]["DoubleClickSpeed"] = "fast";
  reg.keys[kMouseKey]["MouseSensitivity"] = " 14px";
  reg.keys[kMouseKey]["SwapMouseButtons"] = "99999999999999999999";
  Profile p = SampleProfile();
  EXPECT_EQ(ReadSystemSettings(p, reg), 1);
  EXPECT_EQ(p.DbleClickSpeed, 0);
  EXPECT_EQ(p.MouseSpeed, 14);
  EXPECT_EQ(p.Orientation, INT32_MAX);
  EXPECT_EQ(p.ScrollWheelSpeed, 0);
  EXPECT_EQ(RegistryNumber(std::nullopt), 0);
  EXPECT_EQ(RegistryNumber(std::string("-12")), -12);
}

TEST(SystemSettings, KeysThatCantBeOpenedStopTheWork) {
  CFakeRegistry reg;
  reg.broken.insert(kMouseKey);
  Profile p = SampleProfile();
  EXPECT_EQ(WriteSystemSettings(p, reg), -1);
  EXPECT_EQ(reg.keys.count(kDesktopKey), 0u);  // nothing further written
  EXPECT_EQ(ReadSystemSettings(p, reg), 0);
  EXPECT_EQ(p.DbleClickSpeed, 550);

  reg.broken = {kDesktopKey};
  reg.keys[kMouseKey]["DoubleClickSpeed"] = "300";
  EXPECT_EQ(ReadSystemSettings(p, reg), -1);
  EXPECT_EQ(p.DbleClickSpeed, 300);  // the mouse values are already read
  EXPECT_EQ(p.ScrollWheelSpeed, 3);
  EXPECT_EQ(WriteSystemSettings(p, reg), -1);
}

TEST(SystemSettings, LiveAccelerationFollowsTheProfileSwitch) {
  CFakeRegistry reg;
  SetAcceleration(reg, "2", "4", "9");
  Profile p = SampleProfile();
  AccelerationRow live = LiveAcceleration(p, reg);
  EXPECT_EQ(live.speed, 2);
  EXPECT_EQ(live.threshold2, 9);
  EXPECT_EQ(p.Acceleration, 4);

  p.AccelerationFlag = 0;
  live = LiveAcceleration(p, reg);
  EXPECT_EQ(live.speed, 0);
  EXPECT_EQ(live.threshold1, 0);
  EXPECT_EQ(live.threshold2, 0);
  EXPECT_EQ(p.Acceleration, 0);
  EXPECT_EQ(reg.Value(kMouseKey, "MouseSpeed"), "0");
  EXPECT_EQ(reg.Value(kMouseKey, "MouseThreshold2"), "0");

  reg.broken.insert(kMouseKey);
  p.AccelerationFlag = 1;
  p.Acceleration = 12;
  live = LiveAcceleration(p, reg);
  EXPECT_EQ(live.speed, 2);
  EXPECT_EQ(live.threshold2, 12);
}
