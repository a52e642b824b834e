// The desktop actions with real synthetic input, timers, windows and registry:
// a low-level keyboard hook sees what they send.
#include "monitor/service/desktop_actions_win32.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "settings/system_names.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {
struct Seen {
  std::string what;  // "down 41", "up 11"
  double ms;         // since the hook was set
};
std::vector<Seen> g_seen;
LARGE_INTEGER g_start, g_frequency;

double Elapsed() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * (now.QuadPart - g_start.QuadPart) / g_frequency.QuadPart;
}

LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    char text[16];
    std::snprintf(text, sizeof text, "%s %02x", (k->flags & LLKHF_UP) ? "up" : "down",
                  static_cast<unsigned>(k->vkCode));
    g_seen.push_back({text, Elapsed()});
    (void)wParam;
    return 1;  // keep the keys away from whatever has the focus
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Messages received by a window, for the stand-in players and Monitor's window.
struct Received {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Received&) const = default;
};
std::vector<Received> g_received;
HostActions* g_actions = nullptr;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER && g_actions) {
    g_actions->OnTimer(static_cast<unsigned>(wParam));
    return 0;
  }
  if (msg == WM_COMMAND || msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_APPCOMMAND) {
    g_received.push_back({hwnd, msg, wParam, lParam});
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND MakeWindow(const char* className, const char* title) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = RecordingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = className;
  RegisterClassA(&wc);
  return CreateWindowExA(0, className, title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         wc.hInstance, nullptr);
}

void Pump(int ms) {
  const double end = Elapsed() + ms;
  while (Elapsed() < end) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
}

std::string BinFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

bool WaitForFile(const std::string& path, int ms) {
  for (int waited = 0; waited < ms; waited += 50) {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    Pump(50);
  }
  return false;
}

class DesktopActionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QueryPerformanceFrequency(&g_frequency);
    QueryPerformanceCounter(&g_start);
    g_seen.clear();
    g_received.clear();
    set_ = std::make_unique<ProfileSet>();
    set_->CurrentProfile = 1;
    window_ = MakeWindow("MonitorStandIn", "Monitor stand-in");
    actions_ = CreateDesktopActions(*set_, window_);
    g_actions = actions_.get();
    hook_ = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHook, GetModuleHandleA(nullptr), 0);
    ASSERT_NE(hook_, nullptr);
    // A new hook may miss the first keys; wait until it sees a probe key.
    for (int tries = 0; tries < 40 && g_seen.empty(); ++tries) {
      keybd_event(VK_F24, 0, 0, 0);
      keybd_event(VK_F24, 0, KEYEVENTF_KEYUP, 0);
      Pump(50);
    }
    ASSERT_FALSE(g_seen.empty()) << "the keyboard hook sees no keys";
    Pump(50);
    g_seen.clear();
  }
  void TearDown() override {
    UnhookWindowsHookEx(hook_);
    g_actions = nullptr;
    actions_.reset();
    DestroyWindow(window_);
  }
  MacroKeyInfo& Button(int n) { return set_->Profiles[1].MacroKeyInfo[n - 1]; }
  std::vector<std::string> Keys() const {
    std::vector<std::string> out;
    for (const Seen& s : g_seen) out.push_back(s.what);
    return out;
  }

  std::unique_ptr<ProfileSet> set_;
  HWND window_ = nullptr;
  std::unique_ptr<HostActions> actions_;
  HHOOK hook_ = nullptr;
};
}  // namespace

TEST_F(DesktopActionsTest, HeldKeyCombinationPressesRepeatsAndReleasesInOrder) {
  Button(4).function = kFunctionKey;
  Button(4).data[0] = 0x04;  // A
  Button(4).data[1] = kModCtrl;
  actions_->OnButton(4, true);
  Pump(1350);
  actions_->OnButton(4, false);
  Pump(100);
  std::vector<std::string> expected = {"down 11", "down 41"};
  for (int i = 0; i < 4; ++i) {
    expected.push_back("up 41");
    expected.push_back("down 41");
  }
  expected.insert(expected.end(), {"up 41", "up 11"});
  ASSERT_THAT(Keys(), ElementsAreArray(expected));
  // Repeats at about 1.0, 1.1, 1.2 and 1.3 s (timers are coarse under load).
  EXPECT_NEAR(g_seen[3].ms - g_seen[1].ms, 1000, 60);
  EXPECT_NEAR(g_seen[9].ms - g_seen[3].ms, 300, 60);
}

TEST_F(DesktopActionsTest, MacroPlaysWithItsDelaysAndASecondPressStopsIt) {
  Button(2).function = kFunctionMacro;
  Button(2).repeat = 1;
  Button(2).count = 4;
  SetMacroEvent(Button(2), 0, {0x04, kEventPress, 30});
  SetMacroEvent(Button(2), 1, {0x04, kEventRelease, 20});
  SetMacroEvent(Button(2), 2, {0xE1, kEventPress, 3000});  // left Shift, held long
  SetMacroEvent(Button(2), 3, {0xE1, kEventRelease, 1});
  actions_->OnButton(2, true);
  Pump(700);
  actions_->OnButton(2, true);  // stop
  Pump(200);
  const std::vector<std::string> keys = Keys();
  ASSERT_GE(keys.size(), 4u);
  EXPECT_THAT(std::vector<std::string>(keys.begin(), keys.begin() + 3),
              ElementsAre("down 41", "up 41", "down 10"));
  // The pauses are kept (how exactly is the timing benchmark's business; a
  // busy test machine only adds lateness).
  EXPECT_GE(g_seen[1].ms - g_seen[0].ms, 29);
  EXPECT_LT(g_seen[1].ms - g_seen[0].ms, 130);
  EXPECT_GE(g_seen[2].ms - g_seen[1].ms, 19);
  EXPECT_LT(g_seen[2].ms - g_seen[1].ms, 120);
  EXPECT_EQ(keys.back(), "up 10");  // the held Shift comes up after the stop
  EXPECT_LT(g_seen.back().ms - g_seen[2].ms, 900);
  // A further press starts it from the beginning.
  g_seen.clear();
  Button(2).count = 2;
  actions_->OnButton(2, true);
  Pump(200);
  EXPECT_THAT(Keys(), ElementsAre("down 41", "up 41"));
}

TEST_F(DesktopActionsTest, VolumeKeysRepeatWhileHeld) {
  actions_->OnMultimedia(0x26, true);
  Pump(700);
  actions_->OnMultimedia(0x26, false);
  Pump(400);
  EXPECT_THAT(Keys(), ElementsAre("down af", "up af", "down af", "up af", "down af", "up af"));
}

TEST_F(DesktopActionsTest, ProgramButtonStartsItsProgram) {
  const std::string program = BinFolder() + "desktop_actions_helper_win32.exe";
  DeleteFileA((program + ".ran").c_str());
  Button(16).function = kFunctionProgram;
  std::snprintf(Button(16).program, sizeof Button(16).program, "%s", program.c_str());
  actions_->OnRunProgram(16);
  EXPECT_TRUE(WaitForFile(program + ".ran", 5000));
}

TEST_F(DesktopActionsTest, MediaCommandsReachTheStandInPlayers) {
  HWND itunes = MakeWindow("iTunes", "iTunes");
  HWND real = MakeWindow("GeminiWindowClass", "RealPlayer");
  HWND winamp = MakeWindow("Winamp v1.x", "Winamp");
  set_->Profiles[1].MediaOption = 0;
  actions_->OnMultimedia(0x23, true);
  actions_->OnMultimedia(0x23, false);  // releases do nothing
  set_->Profiles[1].MediaOption = 1;
  actions_->OnMultimedia(0x21, true);
  actions_->OnMultimedia(0x24, true);
  set_->Profiles[1].MediaOption = 2;
  actions_->OnMultimedia(0x22, true);
  set_->Profiles[1].MediaOption = 3;
  actions_->OnMultimedia(0x23, true);
  actions_->OnMultimedia(0x23, true);
  Pump(300);
  EXPECT_THAT(g_received,
              ElementsAre(Received{itunes, WM_KEYDOWN, 0x11, 0x001D0001},
                          Received{itunes, WM_KEYDOWN, 0x27, 0x014D0001},
                          Received{itunes, WM_KEYUP, 0x27, static_cast<LPARAM>(0xC14D0001u)},
                          Received{itunes, WM_KEYUP, 0x11, static_cast<LPARAM>(0xC01D0001u)},
                          Received{real, WM_COMMAND, 65740, 0},
                          Received{winamp, WM_COMMAND, 40045, 0},
                          Received{winamp, WM_COMMAND, 40046, 0},
                          Received{window_, WM_APPCOMMAND, reinterpret_cast<WPARAM>(window_),
                                   14 << 16},
                          Received{itunes, WM_KEYDOWN, 0x20, 0x00390001},
                          Received{itunes, WM_KEYUP, 0x20, static_cast<LPARAM>(0xC0390001u)}));
  DestroyWindow(itunes);
  DestroyWindow(real);
  DestroyWindow(winamp);
}

TEST_F(DesktopActionsTest, PlayersAreStartedFromTheRegistryOrBroughtForward) {
  // A running Windows Media Player only comes forward. (First, before a
  // started stand-in program can take the foreground itself.)
  HWND wmp = MakeWindow("WMPlayerApp", "Windows Media Player");
  ShowWindow(wmp, SW_SHOWNOACTIVATE);
  set_->Profiles[1].MediaOption = 0;
  actions_->OnMultimedia(0x20, true);
  Pump(100);
  EXPECT_EQ(GetForegroundWindow(), wmp);
  DestroyWindow(wmp);

  // A stand-in Winamp registered the way the real one registers itself.
  const std::string winamp = BinFolder() + "winamp_standin.exe";
  ASSERT_TRUE(CopyFileA((BinFolder() + "desktop_actions_helper_win32.exe").c_str(), winamp.c_str(),
                        FALSE));
  DeleteFileA((winamp + ".ran").c_str());
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command",
                            0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const std::string command = "\"" + winamp + "\" \"%1\"";
  RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                 static_cast<DWORD>(command.size() + 1));
  RegCloseKey(key);
  set_->Profiles[1].MediaOption = 3;
  actions_->OnMultimedia(0x20, true);
  EXPECT_TRUE(WaitForFile(winamp + ".ran", 5000));

  RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command");
}
