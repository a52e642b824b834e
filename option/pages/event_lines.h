// The lines of the macro manager's event list: one per event, and one more
// for the pause after an event that has one. Each line carries a 32-bit value:
// the event's number (index + 1) in the high 16 bits, the number of the icon
// drawn in front of the text in the low 16 bits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/key_table.h"
#include "settings/profile_set.h"

// Icon numbers of the event list.
inline constexpr int kIconPause = 135;    // a clock
inline constexpr int kIconKeyUp = 137;    // arrow up
inline constexpr int kIconKeyDown = 138;  // arrow down
inline constexpr int kIconMouse = 146;

// The skins-folder picture of an icon number, or "" for none.
const char* EventIconFile(int icon);

struct EventLine {
  std::string text;
  uint32_t value = 0;
};

inline uint32_t EventLineValue(int event, int icon) {
  return (uint32_t(event + 1) << 16) | uint32_t(icon & 0xFFFF);
}
// The event a line belongs to (for a pause line, the event the pause follows).
inline int EventOfLine(uint32_t value) { return int(value >> 16) - 1; }
inline bool IsPauseLine(uint32_t value) { return (value & 0xFFFF) == kIconPause; }

// A key's name through its virtual key (letters and digits follow the
// layout); mouse buttons by their names; "" for code 0 and unknown codes.
std::string EventKeyName(uint8_t code, const CKeyboardLayout& layout);

std::vector<EventLine> BuildEventLines(const MacroEvent* events, int count,
                                       const CKeyboardLayout& layout);
std::string PauseText(int delay);

// The line of event `event` in the list built from these events.
int LineOfEvent(const MacroEvent* events, int count, int event);

// Where the caret goes after the list is rebuilt: the remembered line (the
// last one when none is remembered or it is out of range) is selected; a
// line well inside the list also brings the line two further into view.
struct CaretPlace {
  int selected = -1;  // -1: the list is empty
  int visible = -1;
};
CaretPlace PlaceCaret(int remembered, int lineCount);

// A typed pause: the leading number, at least 1 ms and at most 65535 ms.
int PauseFromText(const std::string& text);
// A typed repeat count: the leading number, 1 to 255; `corrected` tells
// whether the text must show the number it became.
int RepeatFromText(const std::string& text, bool* corrected = nullptr);
