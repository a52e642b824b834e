// The four media players a profile can drive: found through the registry,
// started, and given next/previous/play-pause/stop the way each understands.
#pragma once

#include "monitor/service/media_desktop.h"

enum : int {
  PLAYER_WINDOWS_MEDIA = 0,
  PLAYER_ITUNES = 1,
  PLAYER_REALPLAYER = 2,
  PLAYER_WINAMP = 3,
};

// Multimedia functions of a button.
enum : int {
  MEDIA_START = 0x20,
  MEDIA_NEXT = 0x21,
  MEDIA_PREVIOUS = 0x22,
  MEDIA_PLAY_PAUSE = 0x23,
  MEDIA_STOP = 0x24,
};

class CMediaPlayers {
 public:
  explicit CMediaPlayers(CMediaDesktop& desktop) : desktop_(desktop) {}

  // Function 0x20: start the player, or bring Windows Media Player forward.
  void Start(int player);
  // Functions 0x21..0x24.
  void Command(int player, int function);

 private:
  void ITunesCtrlArrow(CMediaDesktop::Window w, bool right);
  void ITunesSpace(CMediaDesktop::Window w);

  CMediaDesktop& desktop_;
  // Winamp has separate play and pause commands; alternate between them for
  // the life of Monitor, whatever the profile.
  bool winampPlaying_ = false;
};
