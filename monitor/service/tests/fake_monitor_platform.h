// A MonitorPlatform that records every call as a line of text and plays the
// partner windows from a table of titles.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "monitor/service/monitor_platform.h"

class FakeMonitorPlatform : public MonitorPlatform {
 public:
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

  WindowHandle FindWindowByTitle(const char* title) override {
    auto it = windows.find(title);
    return it == windows.end() ? 0 : it->second;
  }
  bool Post(WindowHandle w, unsigned m, uintptr_t wp, intptr_t lp) override {
    Add("post " + std::to_string(w) + " " + std::to_string(m) + " " + std::to_string(wp) + " " +
        std::to_string(lp));
    return true;
  }
  void PostClose(WindowHandle w) override { Add("close " + std::to_string(w)); }
  void ActivateWindow(WindowHandle w) override { Add("activate " + std::to_string(w)); }
  void PostOwnCommand(unsigned id) override { Add("command " + std::to_string(id)); }
  void StartTimer(unsigned id, unsigned ms) override {
    Add("timer " + std::to_string(id) + " " + std::to_string(ms));
  }
  void StopTimer(unsigned id) override { Add("stop timer " + std::to_string(id)); }
  bool AddTrayIcon() override {
    Add("tray add");
    return shellTakesTrayIcon;
  }
  void RemoveTrayIcon() override { Add("tray remove"); }
  bool CreateSharedMutex() override { Add("mutex"); return mutexFree; }
  bool CreateSharedBlock() override { Add("block create"); return true; }
  void CloseSharedBlock() override { Add("block close"); }
  bool ReadSharedBlock(ProfileSet& dest) override {
    Add("block read");
    if (blockReadable) dest = block;
    return blockReadable;
  }
  void WriteSharedBlock(const ProfileSet& src) override { Add("block write"); block = src; }
  void LoadSettings(ProfileSet& set) override { Add("load"); set = loaded; }
  bool ReadOverlaySetting(OverlaySetting& record) override {
    Add("read overlay");
    if (overlayRecordPresent) record = overlayRecord;
    return overlayRecordPresent;
  }
  void WriteCurrentProfile(int index) override {
    Add("key CurrentProfile " + std::to_string(index));
    currentProfileKey = index;
  }
  void WriteDeviceState(int present) override {
    Add("key Device " + std::to_string(present));
    deviceStateKey = present;
  }
  void WriteNoticeText(const std::string& text) override { Add("message " + text); noticeText = text; }
  void WriteMacroNotice(int number, const std::string& name) override {
    Add("macro notice " + std::to_string(number) + " " + name);
    macroNumber = number;
    macroName = name;
  }
  void ApplySystemSettings(Profile&) override { Add("apply system"); }
  void WriteSystemSettings(const Profile&) override { Add("write system"); }
  void StartWorkers() override { Add("workers"); }
  bool PostTransfer(unsigned kind) override {
    Add("transfer " + std::to_string(kind));
    return transferThreadTakes;
  }
  void RequestTransferAbort() override { Add("abort"); }
  void StopTransferThread() override { Add("stop transfer thread"); }
  void StopMacroThread() override { Add("stop macro thread"); }
  bool ConnectDevice() override { Add("connect"); return attachedAtStart; }
  bool OpenDevice() override { Add("open device"); return true; }
  void CloseDevice() override { Add("close device"); }
  void DisconnectDevice() override { Add("disconnect"); }
  void Sleep(unsigned ms) override { Add("sleep " + std::to_string(ms)); }
  std::filesystem::path InstallFolder() override { return "C:\\Osprey\\"; }
  void OpenFile(const std::filesystem::path& path) override { Add("open " + path.string()); }
  std::string ForegroundProgramName() override { return foreground; }
  void ScrollHorizontally(int direction, int repetitions) override {
    Add("scroll " + std::to_string(direction) + " x" + std::to_string(repetitions));
  }
  void Trace(const std::string& text) override { Add("trace " + text); }
};
