#include "option/pages/event_lines.h"

#include <cctype>

namespace {

constexpr int kFirstMouseCode = 240;
constexpr int kLastMouseCode = 244;

bool IsMouseCode(int code) { return code >= kFirstMouseCode && code <= kLastMouseCode; }

// The leading decimal number of text, held at `limit` however many digits follow.
long LeadingNumber(const std::string& text, long limit) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
    if (value < limit) value = value * 10 + (text[i] - '0');
  if (value > limit) value = limit;
  return negative ? -value : value;
}

}  // namespace

const char* EventIconFile(int icon) {
  switch (icon) {
    case kIconPause: return "event_pause.bmp";
    case kIconKeyUp: return "event_key_up.bmp";
    case kIconKeyDown: return "event_key_down.bmp";
    case kIconMouse: return "event_mouse.bmp";
    default: return "";
  }
}

std::string EventKeyName(uint8_t code, const CKeyboardLayout& layout) {
  int virtualKey = 0;
  if (code == 0 || !UsageToVirtualKey(code, virtualKey, layout)) return {};
  return KeyName(virtualKey);
}

std::string PauseText(int delay) { return std::to_string(delay) + " ms"; }

std::vector<EventLine> BuildEventLines(const MacroEvent* events, int count,
                                       const CKeyboardLayout& layout) {
  std::vector<EventLine> lines;
  for (int i = 0; i < count; ++i) {
    const MacroEvent& e = events[i];
    const bool released = e.direction == kEventRelease;
    std::string text = EventKeyName(e.code, layout);
    int icon = released ? kIconKeyUp : kIconKeyDown;
    if (IsMouseCode(e.code)) {
      text += released ? " Up" : " Down";
      icon = kIconMouse;
    }
    lines.push_back({std::move(text), EventLineValue(i, icon)});
    if (e.delay != 0) lines.push_back({PauseText(e.delay), EventLineValue(i, kIconPause)});
  }
  return lines;
}

int LineOfEvent(const MacroEvent* events, int count, int event) {
  int line = 0;
  for (int i = 0; i < count && i < event; ++i) line += events[i].delay ? 2 : 1;
  return line;
}

CaretPlace PlaceCaret(int remembered, int lineCount) {
  if (lineCount <= 0) return {};
  const int line = remembered >= 0 && remembered < lineCount ? remembered : lineCount - 1;
  const bool inside = line > 3 && lineCount - 1 - line > 3;
  return {line, inside ? line + 2 : line};
}

int PauseFromText(const std::string& text) {
  const long value = LeadingNumber(text, 65535);
  return value <= 0 ? 1 : int(value);
}

int RepeatFromText(const std::string& text, bool* corrected) {
  // One past the limit tells a number that had to be cut.
  const long value = LeadingNumber(text, 256);
  if (corrected) *corrected = value <= 0 || value > 255;
  return value <= 0 ? 1 : value > 255 ? 255 : int(value);
}
