#include "monitor/service/media_players.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <vector>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
struct Sent {
  std::string how;  // "send", "post", "app", "front", "launch", "pause"
  uintptr_t window;
  unsigned msg;
  uintptr_t wParam;
  intptr_t lParam;
  bool operator==(const Sent&) const = default;
};

class CFakeDesktop : public CMediaDesktop {
 public:
  std::optional<std::string> ReadRegistry(const char* key, const char* value) override {
    auto it = registry.find(std::string(key) + "|" + (value ? value : ""));
    if (it == registry.end()) return std::nullopt;
    return it->second;
  }
  std::string ExpandEnvironment(const std::string& text) override {
    std::string out = text;
    const std::string var = "%ProgramFiles%";
    if (size_t at = out.find(var); at != std::string::npos) out.replace(at, var.size(), "C:\\PF");
    return out;
  }
  void Launch(const std::string& commandLine) override { launched.push_back(commandLine); }
  Window FindPlayerWindow(const char* className, const char* title) override {
    for (const auto& [w, id] : windows) {
      if ((!className || id.first == className) && (!title || id.second == title)) return w;
    }
    return 0;
  }
  void BringToForeground(Window w) override { log.push_back({"front", w, 0, 0, 0}); }
  void Send(Window w, unsigned msg, uintptr_t wp, intptr_t lp) override {
    log.push_back({"send", w, msg, wp, lp});
  }
  void Post(Window w, unsigned msg, uintptr_t wp, intptr_t lp) override {
    log.push_back({"post", w, msg, wp, lp});
  }
  void PostAppCommand(int command) override { log.push_back({"app", 0, 0, 0, command}); }
  void Pause(int ms) override { log.push_back({"pause", 0, 0, 0, ms}); }

  std::map<std::string, std::string> registry;
  std::map<uintptr_t, std::pair<std::string, std::string>> windows;  // class, title
  std::vector<std::string> launched;
  std::vector<Sent> log;
};

constexpr char kWmp[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wmplayer.exe|";
constexpr char kITunes[] = "SOFTWARE\\Apple Computer, Inc.\\iPod\\RegisteredApps\\4|path";
constexpr char kReal[] = "SOFTWARE\\Classes\\Applications\\RealPlay.exe\\shell\\open\\command|";
constexpr char kWinamp[] = "SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command|";

struct MediaPlayersTest : ::testing::Test {
  CFakeDesktop desktop;
  CMediaPlayers players{desktop};
};
}  // namespace

TEST_F(MediaPlayersTest, StartsEachInstalledPlayerFromItsRegistryEntry) {
  desktop.registry[kWmp] = "%ProgramFiles%\\Windows Media Player\\wmplayer.exe";
  desktop.registry[kITunes] = "C:\\Apps\\ITUNES\\itunes.exe";
  desktop.registry[kReal] = "\"C:\\Real\\RealPlay.exe\" \"%1\"";
  desktop.registry[kWinamp] = "\"C:\\Winamp\\winamp.exe\" /ADD \"%1\"";
  for (int p = 0; p < 4; ++p) players.Start(p);
  EXPECT_THAT(desktop.launched,
              ElementsAre("C:\\PF\\Windows Media Player\\wmplayer.exe", "C:\\Apps\\ITUNES\\itunes.exe",
                          "C:\\Real\\RealPlay.exe", "C:\\Winamp\\winamp.exe"));
}

TEST_F(MediaPlayersTest, PlayersThatAreNotInstalledAreNotStarted) {
  for (int p = -1; p < 5; ++p) players.Start(p);
  desktop.registry[kITunes] = "C:\\Apps\\music.exe";
  desktop.registry[kReal] = "\"C:\\Other\\player.exe\" realplay";  // the name is outside the quotes
  desktop.registry[kWinamp] = "";
  for (int p = 1; p < 4; ++p) players.Start(p);
  EXPECT_THAT(desktop.launched, IsEmpty());
  EXPECT_THAT(desktop.log, IsEmpty());
}

TEST_F(MediaPlayersTest, RunningWindowsMediaPlayerIsOnlyBroughtForward) {
  desktop.registry[kWmp] = "C:\\wmplayer.exe";
  desktop.windows[7] = {"WMPlayerApp", "Windows Media Player"};
  players.Start(PLAYER_WINDOWS_MEDIA);
  EXPECT_THAT(desktop.launched, IsEmpty());
  EXPECT_THAT(desktop.log, ElementsAre(Sent{"front", 7, 0, 0, 0}));
}

TEST_F(MediaPlayersTest, WindowsMediaPlayerGetsApplicationCommands) {
  for (int f = MEDIA_NEXT; f <= MEDIA_STOP; ++f) players.Command(PLAYER_WINDOWS_MEDIA, f);
  EXPECT_THAT(desktop.log, ElementsAre(Sent{"app", 0, 0, 0, 11}, Sent{"app", 0, 0, 0, 12},
                                       Sent{"app", 0, 0, 0, 14}, Sent{"app", 0, 0, 0, 13}));
}

TEST_F(MediaPlayersTest, ITunesGetsCtrlArrowsAndSpaceAsKeyMessages) {
  desktop.windows[3] = {"iTunes", "iTunes"};
  players.Command(PLAYER_ITUNES, MEDIA_NEXT);
  EXPECT_THAT(desktop.log, ElementsAre(Sent{"send", 3, 0x100, 0x11, 0x001D0001},
                                       Sent{"pause", 0, 0, 0, 100},
                                       Sent{"send", 3, 0x100, 0x27, 0x014D0001},
                                       Sent{"pause", 0, 0, 0, 100},
                                       Sent{"send", 3, 0x101, 0x27, 0xC14D0001},
                                       Sent{"pause", 0, 0, 0, 100},
                                       Sent{"send", 3, 0x101, 0x11, 0xC01D0001}));
  desktop.log.clear();
  players.Command(PLAYER_ITUNES, MEDIA_PREVIOUS);
  EXPECT_EQ(desktop.log[2], (Sent{"send", 3, 0x100, 0x25, 0x014B0001}));
  EXPECT_EQ(desktop.log[4], (Sent{"send", 3, 0x101, 0x25, 0xC14B0001}));
  for (int f : {MEDIA_PLAY_PAUSE, MEDIA_STOP}) {
    desktop.log.clear();
    players.Command(PLAYER_ITUNES, f);
    EXPECT_THAT(desktop.log, ElementsAre(Sent{"post", 3, 0x100, 0x20, 0x00390001},
                                         Sent{"pause", 0, 0, 0, 100},
                                         Sent{"post", 3, 0x101, 0x20, 0xC0390001}));
  }
}

TEST_F(MediaPlayersTest, RealPlayerAndWinampGetTheirMenuCommands) {
  desktop.windows[4] = {"GeminiWindowClass", "RealPlayer"};
  desktop.windows[5] = {"Winamp v1.x", "Winamp"};
  for (int f = MEDIA_NEXT; f <= MEDIA_STOP; ++f) players.Command(PLAYER_REALPLAYER, f);
  for (int f = MEDIA_NEXT; f <= MEDIA_STOP; ++f) players.Command(PLAYER_WINAMP, f);
  std::vector<uintptr_t> commands;
  for (const Sent& s : desktop.log) {
    EXPECT_EQ(s.msg, 0x111u);
    commands.push_back(s.wParam);
  }
  EXPECT_THAT(commands,
              ElementsAre(65739, 65740, 65736, 65737, 40048, 40044, 40045, 40047));
}

TEST_F(MediaPlayersTest, WinampPlayPauseAlternatesWhateverTheOtherCommands) {
  desktop.windows[5] = {"Winamp v1.x", ""};
  players.Command(PLAYER_WINAMP, MEDIA_PLAY_PAUSE);
  players.Command(PLAYER_WINAMP, MEDIA_STOP);
  players.Command(PLAYER_WINAMP, MEDIA_PLAY_PAUSE);
  players.Command(PLAYER_WINAMP, MEDIA_PLAY_PAUSE);
  std::vector<uintptr_t> commands;
  for (const Sent& s : desktop.log) commands.push_back(s.wParam);
  EXPECT_THAT(commands, ElementsAre(40045, 40047, 40046, 40045));
}

TEST_F(MediaPlayersTest, MissingPlayerWindowsAndOtherFunctionsDoNothing) {
  for (int p = 1; p < 4; ++p) {
    for (int f = MEDIA_NEXT; f <= MEDIA_STOP; ++f) players.Command(p, f);
  }
  players.Command(PLAYER_WINDOWS_MEDIA, MEDIA_START);
  players.Command(PLAYER_WINDOWS_MEDIA, 0x25);
  players.Command(9, MEDIA_NEXT);
  EXPECT_THAT(desktop.log, IsEmpty());
}
