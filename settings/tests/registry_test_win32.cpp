#include "settings/registry_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "settings/system_settings_apply_win32.h"
#include "settings/system_settings_store.h"

namespace {

constexpr char kTestKey[] = "Software\\OspreyRegistryTest\\Nested";

class RegistryTest : public ::testing::Test {
 protected:
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\OspreyRegistryTest"); }
  CRegistryWin32 registry_;
};

Profile SampleProfile() {
  Profile p{};
  p.DbleClickSpeed = 420;
  p.Orientation = 0;
  p.MouseSpeed = 7;
  p.Acceleration = 13;
  p.AccelerationFlag = 1;
  p.ScrollWheelSpeed = 5;
  p.ScrollWheelFlag = 0;
  return p;
}

}  // namespace

TEST_F(RegistryTest, CreatesMissingKeysAndKeepsStrings) {
  {
    auto key = registry_.OpenOrCreate(kTestKey);
    ASSERT_TRUE(key);
    EXPECT_FALSE(key->ReadString("Value", 80));
    EXPECT_TRUE(key->WriteString("Value", "-1"));
    EXPECT_TRUE(key->WriteString("Long", std::string(100, '7')));
  }
  auto again = registry_.OpenOrCreate(kTestKey);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->ReadString("Value", 80), "-1");
  EXPECT_FALSE(again->ReadString("Long", 80));  // longer than the buffer
  EXPECT_EQ(again->ReadString("Long", 260)->size(), 100u);

  HKEY raw = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey, 0, KEY_READ, &raw), ERROR_SUCCESS);
  DWORD type = 0;
  RegQueryValueExA(raw, "Value", nullptr, &type, nullptr, nullptr);
  RegCloseKey(raw);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
}

TEST_F(RegistryTest, NumbersOfOtherTypesReadAsMissing) {
  HKEY raw = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &raw, nullptr),
            ERROR_SUCCESS);
  const DWORD number = 12;
  RegSetValueExA(raw, "Dword", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  RegCloseKey(raw);
  EXPECT_FALSE(registry_.OpenOrCreate(kTestKey)->ReadString("Dword", 80));
}

TEST_F(RegistryTest, SystemSettingsRoundTripThroughTheUserRegistry) {
  CSystemSettingsStore& store = DefaultSystemSettingsStore();
  const Profile written = SampleProfile();
  ASSERT_EQ(store.Write(written), 1);
  auto mouse = registry_.OpenOrCreate("Control Panel\\Mouse");
  EXPECT_EQ(mouse->ReadString("MouseSpeed", 80), "2");
  EXPECT_EQ(mouse->ReadString("MouseThreshold2", 80), "11");
  EXPECT_EQ(registry_.OpenOrCreate("Control Panel\\Desktop")->ReadString("WheelScrollLines", 80),
            "5");
  Profile read{};
  ASSERT_EQ(store.Read(read), 1);
  EXPECT_EQ(read.DbleClickSpeed, 420);
  EXPECT_EQ(read.MouseSpeed, 7);
  EXPECT_EQ(read.Acceleration, 13);
  EXPECT_EQ(read.AccelerationFlag, 1);
  EXPECT_EQ(read.ScrollWheelSpeed, 5);
}

TEST_F(RegistryTest, ApplyPutsTheSettingsIntoEffect) {
  Profile profile = SampleProfile();
  ASSERT_EQ(DefaultSystemSettingsStore().Write(profile), 1);
  profile.AccelerationFlag = 0;  // off, while the registry still holds row 13
  ApplySystemSettings(profile, nullptr);
  EXPECT_EQ(profile.Acceleration, 0);
  EXPECT_EQ(registry_.OpenOrCreate("Control Panel\\Mouse")->ReadString("MouseSpeed", 80), "0");
  EXPECT_EQ(GetDoubleClickTime(), 420u);
  int acceleration[3] = {-1, -1, -1};
  SystemParametersInfoA(SPI_GETMOUSE, 0, acceleration, 0);
  EXPECT_EQ(acceleration[2], 0);
  UINT lines = 0;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  EXPECT_EQ(lines, 5u);
}
