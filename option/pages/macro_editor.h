// The macro manager's editor: the macro shown (a position in the store), a
// working copy of its events that is written back into the stored record at
// every change, the recorder that turns the keyboard hook's key events into
// events, and the edits of the event list's menu.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/key_table.h"
#include "settings/profile_set.h"

class CMacroStore;

// What the event list's menu does with a mouse button.
enum class MouseAction { Press, Release, Click };

class CMacroEditor {
 public:
  explicit CMacroEditor(CMacroStore& store) : store_(store) {}

  // The macro at `position` becomes the current one (none when out of range).
  void Load(int position);
  int Current() const;  // its position, or -1
  bool HasMacro() const { return Current() >= 0; }
  int Count() const { return count_; }
  const MacroEvent* Events() const { return events_; }
  // The repeat count shown (1 when the record has none) and whether the
  // repeat toggle shows on.
  int RepeatShown() const;
  bool RepeatOn() const;
  // Toggle and count into the record: the count when on, 1 when off.
  void SetRepeat(bool on, int count);

  // Recording. Fresh: the events are emptied first. Inserting: new events go
  // in before event `at` (appended when at is -1 or past the end).
  void StartFresh();
  void StartInserting(int at);
  bool Recording() const { return recording_; }
  void SetRecordDelays(bool on) { recordDelays_ = on; }
  bool RecordDelays() const { return recordDelays_; }

  enum class KeyOutcome {
    Ignored,   // not recording, or a typematic repeat of the last key event
    Recorded,  // LastRecorded() says where it went
    Full,      // the macro holds 40 events now: the recording must stop
  };
  // A key event from the hook at tick `nowMs`.
  KeyOutcome OnKey(int virtualKey, bool released, uint32_t nowMs, const CKeyboardLayout& layout);
  int LastRecorded() const { return lastRecorded_; }
  void Stop();

  // The event-list menu's edits; each answers whether anything changed.
  // A 1 ms pause after the event before `event`, when that one has none.
  bool InsertPauseBefore(int event);
  // The pause after `event`; 0 removes it.
  bool SetPause(int event, int delay);
  bool DeleteEvent(int event);
  // Mouse-button events before `event` (appended when -1 or past the end);
  // a click needs room for both of its events.
  bool InsertMouse(int event, uint8_t code, MouseAction action);

 private:
  MacroRecord* Record() const;
  bool Insert(int at, const MacroEvent& e);
  void WriteBack();

  CMacroStore& store_;
  int position_ = -1;
  MacroEvent events_[kMacroEventCount] = {};
  int count_ = 0;

  bool recording_ = false;
  bool recordDelays_ = false;
  int insertAt_ = -1;        // -1: append
  bool recordedSince_ = false;
  uint32_t previousAt_ = 0;  // tick of the previous recorded event
  int lastKey_ = -1;         // the last key event from the hook
  bool lastReleased_ = false;
  int lastRecorded_ = -1;
};

// The macro list's line to select when the manager opens: for a button that
// plays a macro, the first line beginning with its name (ignoring case),
// looked for from the second line on and then the first; otherwise, or when
// none matches, the first line; -1 for an empty list.
int InitialMacroLine(const std::vector<std::string>& lines, const MacroKeyInfo& button);
