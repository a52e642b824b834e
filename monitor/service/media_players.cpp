#include "monitor/service/media_players.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {
constexpr unsigned kWmKeyDown = 0x0100, kWmKeyUp = 0x0101, kWmCommand = 0x0111;
constexpr size_t kValueLimit = 259;  // values are read into 260-byte buffers

constexpr char kWmpKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wmplayer.exe";
constexpr char kWmpTitle[] = "Windows Media Player";
constexpr char kITunesKey[] = "SOFTWARE\\Apple Computer, Inc.\\iPod\\RegisteredApps\\4";
constexpr char kITunes[] = "iTunes";
constexpr char kRealKey[] = "SOFTWARE\\Classes\\Applications\\RealPlay.exe\\shell\\open\\command";
constexpr char kRealClass[] = "GeminiWindowClass";
constexpr char kWinampKey[] = "SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command";
constexpr char kWinampClass[] = "Winamp v1.x";

bool ContainsNoCase(const std::string& text, const std::string& word) {
  auto it = std::search(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  });
  return it != text.end();
}

// "C:\Prog\x.exe" "%1" -> C:\Prog\x.exe
std::string QuotedProgram(const std::string& command) {
  const size_t open = command.find('"');
  if (open == std::string::npos) return command;
  const size_t close = command.find('"', open + 1);
  return command.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
}

// Application commands for next, previous, play/pause and stop.
constexpr int kAppCommands[] = {11, 12, 14, 13};
constexpr unsigned kRealCommands[] = {65739, 65740, 65736, 65737};
constexpr unsigned kWinampNext = 40048, kWinampPrevious = 40044, kWinampPlay = 40045,
                   kWinampPause = 40046, kWinampStop = 40047;
}  // namespace

void CMediaPlayers::Start(int player) {
  std::optional<std::string> value;
  const char* name = nullptr;
  switch (player) {
    case PLAYER_WINDOWS_MEDIA:
      if (CMediaDesktop::Window w = desktop_.FindPlayerWindow(nullptr, kWmpTitle)) {
        desktop_.BringToForeground(w);
        return;
      }
      value = desktop_.ReadRegistry(kWmpKey, nullptr);
      if (value) value = desktop_.ExpandEnvironment(*value);
      break;
    case PLAYER_ITUNES:
      value = desktop_.ReadRegistry(kITunesKey, "path");
      name = "iTunes";
      break;
    case PLAYER_REALPLAYER:
      value = desktop_.ReadRegistry(kRealKey, nullptr);
      if (value) value = QuotedProgram(*value);
      name = "realplay";
      break;
    case PLAYER_WINAMP:
      value = desktop_.ReadRegistry(kWinampKey, nullptr);
      if (value) value = QuotedProgram(*value);
      name = "winamp";
      break;
    default:
      return;
  }
  if (!value || value->empty()) return;
  if (value->size() > kValueLimit) value->resize(kValueLimit);
  if (name && !ContainsNoCase(*value, name)) return;
  desktop_.Launch(*value);
}

void CMediaPlayers::Command(int player, int function) {
  if (function < MEDIA_NEXT || function > MEDIA_STOP) return;
  const int index = function - MEDIA_NEXT;
  switch (player) {
    case PLAYER_WINDOWS_MEDIA:
      desktop_.PostAppCommand(kAppCommands[index]);
      return;
    case PLAYER_ITUNES:
      if (CMediaDesktop::Window w = desktop_.FindPlayerWindow(kITunes, kITunes)) {
        if (function == MEDIA_NEXT || function == MEDIA_PREVIOUS) {
          ITunesCtrlArrow(w, function == MEDIA_NEXT);
        } else {
          ITunesSpace(w);
        }
      }
      return;
    case PLAYER_REALPLAYER:
      if (CMediaDesktop::Window w = desktop_.FindPlayerWindow(kRealClass, nullptr)) {
        desktop_.Send(w, kWmCommand, kRealCommands[index], 0);
      }
      return;
    case PLAYER_WINAMP:
      if (CMediaDesktop::Window w = desktop_.FindPlayerWindow(kWinampClass, nullptr)) {
        unsigned command = kWinampStop;
        if (function == MEDIA_NEXT) command = kWinampNext;
        if (function == MEDIA_PREVIOUS) command = kWinampPrevious;
        if (function == MEDIA_PLAY_PAUSE) {
          command = winampPlaying_ ? kWinampPause : kWinampPlay;
          winampPlaying_ = !winampPlaying_;
        }
        desktop_.Send(w, kWmCommand, command, 0);
      }
      return;
    default:
      return;
  }
}

// The window's own keyboard messages, as if Ctrl and an arrow key were typed.
void CMediaPlayers::ITunesCtrlArrow(CMediaDesktop::Window w, bool right) {
  const uintptr_t arrow = right ? 0x27 : 0x25;
  const intptr_t down = right ? 0x014D0001 : 0x014B0001;
  const intptr_t up = right ? static_cast<intptr_t>(0xC14D0001u) : static_cast<intptr_t>(0xC14B0001u);
  desktop_.Send(w, kWmKeyDown, 0x11, 0x001D0001);
  desktop_.Pause(100);
  desktop_.Send(w, kWmKeyDown, arrow, down);
  desktop_.Pause(100);
  desktop_.Send(w, kWmKeyUp, arrow, up);
  desktop_.Pause(100);
  desktop_.Send(w, kWmKeyUp, 0x11, static_cast<intptr_t>(0xC01D0001u));
}

void CMediaPlayers::ITunesSpace(CMediaDesktop::Window w) {
  desktop_.Post(w, kWmKeyDown, 0x20, 0x00390001);
  desktop_.Pause(100);
  desktop_.Post(w, kWmKeyUp, 0x20, static_cast<intptr_t>(0xC0390001u));
}
