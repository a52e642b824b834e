#include "virtualmouse/state_dump.h"

#include <gtest/gtest.h>

namespace vmouse {
namespace {

TEST(StateDump, FreshMouse) {
  const std::string dump = DumpState(DeviceState{}, true, 0);
  EXPECT_EQ(dump.rfind("plugged 1\nproblems 0\nactive-profile 1\nprofile 1\n", 0), 0u);
  EXPECT_NE(dump.find("profile 5\n  interval 0\n  level 1\n  settings none\n  buttons none\n"),
            std::string::npos);
}

TEST(StateDump, ShowsDecodedSettingsButtonsAndTheirMacros) {
  DeviceState s;
  s.activeProfile = 3;
  DeviceProfile& p = s.profiles[2];
  p.interval = 4;
  p.level = 2;
  p.settings.received = true;
  p.settings.sensitivityX = 10;
  p.settings.sensitivityY = 12;
  p.settings.levels = {1, 2, 3, 4, 5};
  p.settings.secondLevels = {1, 2, 3, 4, 9};
  p.settings.lighting = {2, 50, 128};
  p.settings.colours[0] = {255, 0, 0};
  p.buttonsReceived = true;
  p.buttons[0] = {1, 0, 0xF0, 0};
  p.buttons[1] = {9, 0, 34, 2};
  p.buttons[2] = {9, 0, 35, 2};
  s.macros[33].present = true;
  s.macros[33].repeat = 3;
  s.macros[33].steps = {{true, 0x04, 20}, {false, 0x04, 1300}};

  const std::string dump = DumpState(s, false, 2);
  EXPECT_EQ(dump.substr(0, 38), "plugged 0\nproblems 2\nactive-profile 3\n");
  const std::string profile3 =
      "profile 3\n"
      "  interval 4\n"
      "  level 2\n"
      "  sensitivity 10 12\n"
      "  levels 1 2 3 4 5\n"
      "  second-levels 1 2 3 4 9\n"
      "  lighting 2 50 128\n"
      "  colours ff0000 000000 000000 000000 000000 000000 000000 000000\n"
      "  button 1 mouse 00 f0 00\n"
      "  button 2 macro 00 22 02\n"
      "    macro 34 repeat 3: +04/20 -04/1300\n"
      "  button 3 macro 00 23 02\n"
      "    macro 35 none\n"
      "  button 4 key 00 00 00\n";
  EXPECT_NE(dump.find(profile3), std::string::npos) << dump;
}

TEST(StateDump, KindNames) {
  EXPECT_EQ(KindName(0), "key");
  EXPECT_EQ(KindName(6), "report");
  EXPECT_EQ(KindName(9), "macro");
  EXPECT_EQ(KindName(11), "func11");
  EXPECT_EQ(KindName(200), "kind200");
}

}  // namespace
}  // namespace vmouse
