// What Monitor's window hands to the desktop actions: the button, program and
// multimedia events the mouse reports for the host, and the repeat timers.
#pragma once

class CHostActions {
 public:
  virtual ~CHostActions() = default;
  // Events 0x4000 and 0x5000: button 1..16 pressed or released.
  virtual void OnButton(int button, bool pressed) = 0;
  // Event 0x000A pressed: run the program of button 1..16.
  virtual void OnRunProgram(int button) = 0;
  // Event 0xF000: multimedia function 0x20..0x27 pressed or released.
  virtual void OnMultimedia(int function, bool pressed) = 0;
  // The window's TIMER_VOLUME_REPEAT and TIMER_KEY_REPEAT.
  virtual void OnTimer(unsigned timerId) = 0;
  // The mouse is gone and will report no releases: lets go of the keys its
  // buttons hold and ends the key and volume repeats.
  virtual void ReleaseHeld() = 0;
};
