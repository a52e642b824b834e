// Option's private messages and timers: what its skinned controls, hooks and
// helper threads post to the windows of Option, and the timers of those
// windows. No other program sees them.
#pragma once

// Notifications of the skinned controls (WM_USER = 1024 based).
enum : unsigned {
  WM_SKIN_HOVER = 1024 + 100,
  WM_SKIN_HELPTEXT = 1024 + 101,
  WM_SLIDER_POS = 1024 + 70,
  WM_EDIT_ENTER = 1024 + 92,
  WM_NUMBER_CHANGED = 1024 + 90,
  WM_DPI_LEVEL = 1024 + 104,
  MSG_HOOK_KEY = 1034,                 // keyboard hook -> macro manager, shortcut dialog
  MSG_LIST_EDIT_DONE = 1524,           // editable list -> parent
  MSG_LIST_RCLICK = 1724,              // editable list -> parent
  MSG_SKIN_STATES_READY = 0x8000 + 1,  // picture thread -> skinned dialog: state pictures cut
};

// Timers of Option's windows.
enum : unsigned {
  TIMER_SKIN_STATES = 601,  // a skinned dialog is painted: decode its state pictures
};

// Registered messages of the bitmap edit field.
inline constexpr char kBitmapEditKillFocus[] = "BitmapEdit_KillFocus";
inline constexpr char kBitmapEditChange[] = "BitmapEdit_Change";
