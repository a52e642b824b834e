#include "option/pages/macro_editor.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "settings/macro_store.h"

namespace {
constexpr uint32_t kLongestPause = 65535;
}

MacroRecord* CMacroEditor::Record() const { return store_.Get(position_); }

int CMacroEditor::Current() const { return Record() ? position_ : -1; }

void CMacroEditor::Load(int position) {
  position_ = position;
  std::memset(events_, 0, sizeof events_);
  count_ = 0;
  if (const MacroRecord* r = Record()) {
    std::memcpy(events_, r->events, sizeof events_);
    count_ = std::clamp(r->count, 0, kMacroEventCount);
  } else {
    position_ = -1;
  }
}

int CMacroEditor::RepeatShown() const {
  const MacroRecord* r = Record();
  return r && r->repeat > 0 ? r->repeat : 1;
}

// Once and no repeat count play alike; a macro stored with the toggle off
// (repeat 1) must not come back with the toggle on.
bool CMacroEditor::RepeatOn() const {
  const MacroRecord* r = Record();
  return r && r->repeat > 1;
}

void CMacroEditor::SetRepeat(bool on, int count) {
  if (MacroRecord* r = Record()) r->repeat = on ? count : 1;
}

void CMacroEditor::WriteBack() {
  if (MacroRecord* r = Record()) {
    std::memcpy(r->events, events_, sizeof r->events);
    r->count = count_;
  }
}

void CMacroEditor::StartFresh() {
  std::memset(events_, 0, sizeof events_);
  count_ = 0;
  WriteBack();
  StartInserting(-1);
}

void CMacroEditor::StartInserting(int at) {
  insertAt_ = at >= 0 && at < count_ ? at : -1;
  recording_ = true;
  recordedSince_ = false;
  lastRecorded_ = -1;
  // A key still down when the last recording stopped must not make the first
  // press of this one look like its repeat.
  lastKey_ = -1;
}

CMacroEditor::KeyOutcome CMacroEditor::OnKey(int virtualKey, bool released, uint32_t nowMs,
                                             const CKeyboardLayout& layout) {
  if (!recording_) return KeyOutcome::Ignored;
  // Held keys repeat their press: only a change of key or state counts.
  if (virtualKey == lastKey_ && released == lastReleased_) return KeyOutcome::Ignored;

  int usage = 0;
  VirtualKeyToUsage(virtualKey, usage, layout);
  if (recordDelays_ && recordedSince_) {
    const int before = insertAt_ >= 0 ? insertAt_ - 1 : count_ - 1;
    if (before >= 0 && before < count_)
      events_[before].delay = uint16_t(std::min(nowMs - previousAt_, kLongestPause));
  }
  const MacroEvent e{uint8_t(usage > 0 && usage < 256 ? usage : 0),
                     released ? kEventRelease : kEventPress, 0};
  const int at = insertAt_ >= 0 ? insertAt_ : count_;
  if (Insert(at, e)) {
    lastRecorded_ = at;
    if (insertAt_ >= 0) ++insertAt_;
  }
  previousAt_ = nowMs;
  recordedSince_ = true;
  lastKey_ = virtualKey;
  lastReleased_ = released;
  WriteBack();
  return count_ >= kMacroEventCount ? KeyOutcome::Full : KeyOutcome::Recorded;
}

void CMacroEditor::Stop() {
  if (!recording_) return;
  recording_ = false;
  recordedSince_ = false;
  previousAt_ = 0;
  WriteBack();
}

bool CMacroEditor::Insert(int at, const MacroEvent& e) {
  if (count_ >= kMacroEventCount) return false;
  at = std::clamp(at, 0, count_);
  std::memmove(events_ + at + 1, events_ + at, sizeof(MacroEvent) * (count_ - at));
  events_[at] = e;
  ++count_;
  return true;
}

bool CMacroEditor::InsertPauseBefore(int event) {
  if (event < 1 || event >= count_ || events_[event - 1].delay != 0) return false;
  events_[event - 1].delay = 1;
  WriteBack();
  return true;
}

bool CMacroEditor::SetPause(int event, int delay) {
  if (event < 0 || event >= count_) return false;
  events_[event].delay = uint16_t(std::clamp(delay, 0, int(kLongestPause)));
  WriteBack();
  return true;
}

bool CMacroEditor::DeleteEvent(int event) {
  if (event < 0 || event >= count_) return false;
  std::memmove(events_ + event, events_ + event + 1, sizeof(MacroEvent) * (count_ - event - 1));
  events_[--count_] = MacroEvent{};
  WriteBack();
  return true;
}

bool CMacroEditor::InsertMouse(int event, uint8_t code, MouseAction action) {
  const int room = action == MouseAction::Click ? 2 : 1;
  if (count_ + room > kMacroEventCount) return false;
  const int at = event >= 0 && event < count_ ? event : count_;
  if (action != MouseAction::Release) Insert(at, MacroEvent{code, kEventPress, 0});
  if (action != MouseAction::Press) Insert(action == MouseAction::Click ? at + 1 : at,
                                           MacroEvent{code, kEventRelease, 0});
  WriteBack();
  return true;
}

int InitialMacroLine(const std::vector<std::string>& lines, const MacroKeyInfo& button) {
  if (lines.empty()) return -1;
  if (button.function != kFunctionMacro) return 0;
  const std::string name(button.macroName, strnlen(button.macroName, sizeof button.macroName));
  auto begins = [&](const std::string& line) {
    return line.size() >= name.size() &&
           std::equal(name.begin(), name.end(), line.begin(), [](char a, char b) {
             return std::tolower(static_cast<unsigned char>(a)) ==
                    std::tolower(static_cast<unsigned char>(b));
           });
  };
  const int n = static_cast<int>(lines.size());
  for (int k = 1; k <= n; ++k)
    if (begins(lines[k % n])) return k % n;
  return 0;
}
