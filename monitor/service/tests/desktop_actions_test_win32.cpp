// The desktop actions inside this process, for what can't be watched from
// outside Monitor: the application commands that Windows Media Player gets go
// to Monitor's own window. (Keys, macros, programs and the other players are
// tested through the running Monitor, in monitor_actions_end_to_end_test.)
#include "monitor/service/desktop_actions_win32.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "monitor/service/media_desktop_win32.h"
#include "player_stand_ins_win32.h"

using ::testing::ElementsAre;

TEST(DesktopActionsTest, MediaPlayerCommandsAreApplicationCommandsToMonitorsOwnWindow) {
  auto set = std::make_unique<ProfileSet>();
  set->CurrentProfile = 1;
  set->Profiles[1].MediaOption = 0;
  HWND window = stand_in::MakeWindow("MonitorStandIn", "Monitor stand-in");
  ASSERT_NE(window, nullptr);
  stand_in::ReceivedLog().clear();
  {
    std::unique_ptr<CHostActions> actions = CreateDesktopActions(*set, window);
    actions->OnMultimedia(0x21, true);
    actions->OnMultimedia(0x22, true);
    actions->OnMultimedia(0x23, true);
    actions->OnMultimedia(0x23, false);  // releases do nothing
    actions->OnMultimedia(0x24, true);
    stand_in::Pump(200);
  }
  const auto command = [&](int c) {
    return Received{window, WM_APPCOMMAND, reinterpret_cast<WPARAM>(window), c << 16};
  };
  EXPECT_THAT(stand_in::ReceivedLog(), ElementsAre(command(11), command(12), command(14), command(13)));
  DestroyWindow(window);
}

TEST(MediaDesktopTest, APlayerRegisteredInThe32BitViewIsFound) {
  constexpr char kParent[] = "SOFTWARE\\OspreyArenaTest";
  constexpr char kKey[] = "SOFTWARE\\OspreyArenaTest\\Player";
  constexpr char kPath[] = "C:\\Player\\player.exe";
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_WRITE | KEY_WOW64_32KEY,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, "path", 0, REG_SZ, reinterpret_cast<const BYTE*>(kPath), sizeof kPath);
  RegCloseKey(key);
  CMediaDesktopWin32 desktop(nullptr);
  EXPECT_EQ(desktop.ReadRegistry(kKey, "path"), std::optional<std::string>(kPath));
  EXPECT_EQ(desktop.ReadRegistry(kKey, "missing"), std::nullopt);
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kKey, KEY_WOW64_32KEY, 0);
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kParent, KEY_WOW64_32KEY, 0);
}
