// Fakes of Monitor's four platform parts that record every call as a line of
// text in one shared log and play the partner windows from a table of
// titles. FakeMonitorPlatform holds the state and one fake of each part.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "monitor/service/monitor_platform.h"

// What the fakes record and answer with.
struct FakeMonitorState {
  std::vector<std::string> log;
  std::map<std::string, WindowHandle> windows;
  ProfileSet block{};
  bool blockReadable = true;
  bool mutexFree = true;
  bool attachedAtStart = true;
  bool transferThreadTakes = true;
  bool overlayRecordPresent = true;
  bool shellTakesTrayIcon = true;
  OverlaySetting overlayRecord{};
  ProfileSet loaded{};
  std::string foreground;
  std::string noticeText = "<unset>";
  int macroNumber = -1;
  std::string macroName;
  int deviceStateKey = -1;
  int currentProfileKey = -1;

  void Add(const std::string& line) { log.push_back(line); }
  bool Has(const std::string& line) const {
    for (const auto& l : log)
      if (l == line) return true;
    return false;
  }
  int Count(const std::string& line) const {
    int n = 0;
    for (const auto& l : log) n += l == line;
    return n;
  }
  // Index of the first line equal to text, or -1.
  int IndexOf(const std::string& line) const {
    for (size_t i = 0; i < log.size(); ++i)
      if (log[i] == line) return static_cast<int>(i);
    return -1;
  }
};

class CFakeMonitorDevice : public CMonitorDevice {
 public:
  explicit CFakeMonitorDevice(FakeMonitorState& s) : s_(s) {}
  bool ConnectDevice() override {
    s_.Add("connect");
    return s_.attachedAtStart;
  }
  bool OpenDevice() override {
    s_.Add("open device");
    return true;
  }
  void CloseDevice() override { s_.Add("close device"); }
  void DisconnectDevice() override { s_.Add("disconnect"); }
  bool PostTransfer(unsigned kind, const ProfileSet&) override {
    s_.Add("transfer " + std::to_string(kind));
    return s_.transferThreadTakes;
  }
  void RequestTransferAbort() override { s_.Add("abort"); }
  void StopTransferThread() override { s_.Add("stop transfer thread"); }
  void Sleep(unsigned ms) override { s_.Add("sleep " + std::to_string(ms)); }

 private:
  FakeMonitorState& s_;
};

class CFakeMonitorDesktop : public CMonitorDesktop {
 public:
  explicit CFakeMonitorDesktop(FakeMonitorState& s) : s_(s) {}
  WindowHandle FindWindowByTitle(const char* title) override {
    auto it = s_.windows.find(title);
    return it == s_.windows.end() ? 0 : it->second;
  }
  bool Post(WindowHandle w, unsigned m, uintptr_t wp, intptr_t lp) override {
    s_.Add("post " + std::to_string(w) + " " + std::to_string(m) + " " + std::to_string(wp) + " " +
           std::to_string(lp));
    return true;
  }
  void PostClose(WindowHandle w) override { s_.Add("close " + std::to_string(w)); }
  void ActivateWindow(WindowHandle w) override { s_.Add("activate " + std::to_string(w)); }
  std::string ForegroundProgramName() override { return s_.foreground; }
  void ScrollHorizontally(int direction, int repetitions) override {
    s_.Add("scroll " + std::to_string(direction) + " x" + std::to_string(repetitions));
  }
  void ApplySystemSettings(Profile&) override { s_.Add("apply system"); }
  void WriteSystemSettings(const Profile&) override { s_.Add("write system"); }
  void StartMacroThread(const ProfileSet&) override { s_.Add("workers"); }
  void StopMacroThread() override { s_.Add("stop macro thread"); }

 private:
  FakeMonitorState& s_;
};

class CFakeMonitorShell : public CMonitorShell {
 public:
  explicit CFakeMonitorShell(FakeMonitorState& s) : s_(s) {}
  void PostOwnCommand(unsigned id) override { s_.Add("command " + std::to_string(id)); }
  void StartTimer(unsigned id, unsigned ms) override {
    s_.Add("timer " + std::to_string(id) + " " + std::to_string(ms));
  }
  void StopTimer(unsigned id) override { s_.Add("stop timer " + std::to_string(id)); }
  bool AddTrayIcon() override {
    s_.Add("tray add");
    return s_.shellTakesTrayIcon;
  }
  void RemoveTrayIcon() override { s_.Add("tray remove"); }
  std::filesystem::path InstallFolder() override { return "C:\\Osprey\\"; }
  void OpenFile(const std::filesystem::path& path) override { s_.Add("open " + path.string()); }
  void Trace(const std::string& text) override { s_.Add("trace " + text); }

 private:
  FakeMonitorState& s_;
};

class CFakeMonitorFiles : public CMonitorFiles {
 public:
  explicit CFakeMonitorFiles(FakeMonitorState& s) : s_(s) {}
  bool CreateSharedMutex() override {
    s_.Add("mutex");
    return s_.mutexFree;
  }
  bool CreateSharedBlock() override {
    s_.Add("block create");
    return true;
  }
  void CloseSharedBlock() override { s_.Add("block close"); }
  bool ReadSharedBlock(ProfileSet& dest) override {
    s_.Add("block read");
    if (s_.blockReadable) dest = s_.block;
    return s_.blockReadable;
  }
  void WriteSharedBlock(const ProfileSet& src) override {
    s_.Add("block write");
    s_.block = src;
  }
  void LoadSettings(ProfileSet& set) override {
    s_.Add("load");
    set = s_.loaded;
  }
  bool ReadOverlaySetting(OverlaySetting& record) override {
    s_.Add("read overlay");
    if (s_.overlayRecordPresent) record = s_.overlayRecord;
    return s_.overlayRecordPresent;
  }
  void WriteCurrentProfile(int index) override {
    s_.Add("key CurrentProfile " + std::to_string(index));
    s_.currentProfileKey = index;
  }
  void WriteDeviceState(int present) override {
    s_.Add("key Device " + std::to_string(present));
    s_.deviceStateKey = present;
  }
  void WriteNoticeText(const std::string& text) override {
    s_.Add("message " + text);
    s_.noticeText = text;
  }
  void WriteMacroNotice(int number, const std::string& name) override {
    s_.Add("macro notice " + std::to_string(number) + " " + name);
    s_.macroNumber = number;
    s_.macroName = name;
  }

 private:
  FakeMonitorState& s_;
};

struct FakeMonitorPlatform : FakeMonitorState {
  CFakeMonitorDevice device{*this};
  CFakeMonitorDesktop desktop{*this};
  CFakeMonitorShell shell{*this};
  CFakeMonitorFiles files{*this};
  operator MonitorPlatform() { return {device, desktop, shell, files}; }
};
