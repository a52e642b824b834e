// Runs Monitor for the end-to-end tests in an installation folder of its own
// (bin\monitor_e2e\) beside the virtual mouse, with stand-ins for Option, the
// notice window and the applets that log what they receive.
#pragma once

#include <windows.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <fstream>
#include <sstream>

#include "settings/profile_set.h"
#include "settings/shared_block.h"
#include "settings/system_names.h"
#include "wingui/process_win32.h"

class CMonitorHarness {
 public:
  CMonitorHarness();
  ~CMonitorHarness();
  CMonitorHarness(const CMonitorHarness&) = delete;
  CMonitorHarness& operator=(const CMonitorHarness&) = delete;

  const std::string& Folder() const { return folder_; }
  bool Ready() const { return ready_; }

  // The virtual mouse, plugged or not, logging its reports.
  bool StartMouse(bool plugged = true);
  void StopMouse();
  int Vmctl(const std::string& args);
  std::string Dump();
  std::string ReportLog();

  // Starts Monitor.exe with the command line; returns its process handle.
  HANDLE StartMonitor(const std::string& commandLine = "");
  HWND MonitorWindow() const;
  // Exits Monitor through its tray command and waits for the process.
  bool StopMonitor(DWORD timeoutMs = 20000);
  HANDLE MonitorProcess() const { return monitor_; }

  // A stand-in program copied under name into the folder, started.
  HANDLE StartStandIn(const std::string& relativeName, const std::string& args = "");
  std::string StandInLog(const std::string& stem) const;

  int ConfigInt(const char* section, const char* key, int fallback) const;
  std::string ConfigString(const char* section, const char* key) const;
  // Monitor's shared block.
  bool ReadBlock(ProfileSet& set);
  bool WriteBlock(const ProfileSet& set);
  // Changes Monitor's current profile the way Option would: edits it in the
  // shared block under its mutex, then has Monitor copy the block in.
  bool EditCurrentProfile(const std::function<void(Profile&)>& edit);

  // Makes window the foreground window and raises the foreground event, as
  // Windows does on every change and Wine 8 never does; raised twice, it is
  // still one change to Monitor.
  static void BringToForeground(HWND window);

  static int RunAndWait(const std::string& commandLine, DWORD timeoutMs = 30000);
  static bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs);
  // When something happened, on GetTickCount64's clock: not yet at before,
  // done at after. A busy machine only widens the bracket, so an interval that
  // must be long is timed from a before to an after, and one that must be
  // short from an after to a before. before keeps the caller's value when the
  // condition holds at once.
  struct Moment {
    ULONGLONG before = 0, after = 0;
  };
  static bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs, Moment& when);

 private:
  std::string bin_, folder_;
  bool ready_ = false;
  HANDLE mouse_ = nullptr;
  HANDLE monitor_ = nullptr;
  std::vector<HANDLE> standIns_;
};



namespace harness {

inline std::string BinFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path);
  return s.substr(0, s.find_last_of('\\') + 1);
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The process, owned by the caller; null when it could not start.
inline HANDLE Start(const std::string& commandLine, const std::string& folder) {
  return StartProcess(commandLine, folder).Release();
}

inline void EndProcess(HANDLE& process) {
  if (!process) return;
  if (WaitForSingleObject(process, 5000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
  CloseHandle(process);
  process = nullptr;
}

}  // namespace harness

inline CMonitorHarness::CMonitorHarness() : bin_(harness::BinFolder()), folder_(bin_ + "monitor_e2e\\") {
  CreateDirectoryA(folder_.c_str(), nullptr);
  CreateDirectoryA((folder_ + "config").c_str(), nullptr);
  CreateDirectoryA((folder_ + "Applets").c_str(), nullptr);
  for (const char* file : {"config.ini", "config\\Default0.gmp", "config\\Default1.gmp",
                           "config\\Default2.gmp", "config\\Default3.gmp", "config\\Default4.gmp",
                           "reports.log", "option.log", "overlay.log", "Applets\\sysgauge.log",
                           "Applets\\mailwatch.log"})
    DeleteFileA((folder_ + file).c_str());
  ready_ = true;
  for (const char* file : {"Monitor.exe", names::kDeviceLibrary, names::kLanguageLibrary})
    ready_ = ready_ && CopyFileA((bin_ + file).c_str(), (folder_ + file).c_str(), FALSE);
  std::ofstream(folder_ + names::kDeviceLibrarySettings) << "[Backend]\r\nType=virtual\r\n";
  // Stand-ins for the programs Monitor starts and closes.
  for (const char* name : {"Option.exe", "Overlay.exe", "Applets\\SysGauge.exe", "Applets\\MailWatch.EXE"})
    ready_ = ready_ && CopyFileA((bin_ + "partner_window_helper_win32.exe").c_str(), (folder_ + name).c_str(), FALSE);
}

inline CMonitorHarness::~CMonitorHarness() {
  StopMonitor();
  for (const char* title : {names::kOptionTitle, names::kOverlayTitle, names::kAppletGaugeTitle,
                            names::kAppletPop3Title})
    while (HWND w = FindWindowA(nullptr, title)) {
      SendMessageTimeoutA(w, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
      if (FindWindowA(nullptr, title) == w) break;
    }
  for (HANDLE& h : standIns_) harness::EndProcess(h);
  StopMouse();
}

inline bool CMonitorHarness::StartMouse(bool plugged) {
  std::string line = "\"" + bin_ + "VirtualMouse.exe\"" + (plugged ? "" : " --unplugged") +
                     " --log \"" + folder_ + "reports.log\"";
  mouse_ = harness::Start(line, "");
  return mouse_ && Vmctl("wait-window 20000") == 0;
}

inline void CMonitorHarness::StopMouse() {
  if (FindWindowA(nullptr, names::kVirtualMouseTitle)) Vmctl("quit");
  harness::EndProcess(mouse_);
}

inline int CMonitorHarness::Vmctl(const std::string& args) {
  return RunAndWait("\"" + bin_ + "vmctl.exe\" " + args);
}

inline std::string CMonitorHarness::Dump() {
  const std::string path = folder_ + "state.txt";
  DeleteFileA(path.c_str());
  if (Vmctl("dump \"" + path + "\"") != 0) return {};
  return harness::ReadFile(path);
}

inline std::string CMonitorHarness::ReportLog() { return harness::ReadFile(folder_ + "reports.log"); }

inline HANDLE CMonitorHarness::StartMonitor(const std::string& commandLine) {
  HANDLE process = harness::Start("\"" + folder_ + "Monitor.exe\" " + commandLine, folder_);
  if (!monitor_) monitor_ = process;
  return process;
}

inline HWND CMonitorHarness::MonitorWindow() const { return FindWindowA(nullptr, names::kMonitorTitle); }

inline bool CMonitorHarness::StopMonitor(DWORD timeoutMs) {
  if (!monitor_) return true;
  if (HWND w = MonitorWindow()) PostMessageA(w, WM_COMMAND, CMD_EXIT_MONITOR, 0);
  const bool ended = WaitForSingleObject(monitor_, timeoutMs) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(monitor_, 1);
  CloseHandle(monitor_);
  monitor_ = nullptr;
  return ended;
}

inline HANDLE CMonitorHarness::StartStandIn(const std::string& relativeName, const std::string& args) {
  const std::string path = folder_ + relativeName;
  CopyFileA((bin_ + "partner_window_helper_win32.exe").c_str(), path.c_str(), FALSE);
  HANDLE process = harness::Start("\"" + path + "\" " + args, folder_);
  if (process) standIns_.push_back(process);
  return process;
}

inline std::string CMonitorHarness::StandInLog(const std::string& stem) const {
  return harness::ReadFile(folder_ + stem + ".log");
}

inline int CMonitorHarness::ConfigInt(const char* section, const char* key, int fallback) const {
  return static_cast<int>(GetPrivateProfileIntA(section, key, fallback, (folder_ + "config.ini").c_str()));
}

inline std::string CMonitorHarness::ConfigString(const char* section, const char* key) const {
  char text[2048] = {};
  GetPrivateProfileStringA(section, key, "", text, sizeof text, (folder_ + "config.ini").c_str());
  return text;
}

inline bool CMonitorHarness::ReadBlock(ProfileSet& set) {
  if (OpenSharedBlock() != 1) return false;
  const bool ok = ReadSharedBlock(set) == 1;
  CloseSharedBlock();
  return ok;
}

inline bool CMonitorHarness::WriteBlock(const ProfileSet& set) {
  if (OpenSharedBlock() != 1) return false;
  const bool ok = WriteSharedBlock(set) == 1;
  CloseSharedBlock();
  return ok;
}

inline bool CMonitorHarness::EditCurrentProfile(const std::function<void(Profile&)>& edit) {
  HWND monitor = MonitorWindow();
  HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, names::kSharedBlockName);
  HANDLE mutex = OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, names::kSharedBlockMutex);
  bool done = false;
  void* view = mapping ? MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(ProfileSet)) : nullptr;
  if (monitor && view && mutex && WaitForSingleObject(mutex, 10000) == WAIT_OBJECT_0) {
    auto set = std::make_unique<ProfileSet>();
    std::memcpy(set.get(), view, sizeof *set);
    if (set->CurrentProfile >= 0 && set->CurrentProfile < kProfileCount) {
      edit(set->Profiles[set->CurrentProfile]);
      std::memcpy(view, set.get(), sizeof *set);
      done = true;
    }
    ReleaseMutex(mutex);
  }
  if (view) UnmapViewOfFile(view);
  if (mapping) CloseHandle(mapping);
  if (mutex) CloseHandle(mutex);
  return done && SendMessageTimeoutA(monitor, MSG_COPY_BLOCK, 0, 0, SMTO_NORMAL, 10000, nullptr) != 0;
}

inline void CMonitorHarness::BringToForeground(HWND window) {
  // Wine raises an event only when this thread knows of a hook for it, and
  // the thread learns of hooks set since only when it takes a message.
  PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
  MSG message;
  PeekMessageA(&message, nullptr, WM_NULL, WM_NULL, PM_REMOVE);
  SetForegroundWindow(window);
  NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, window, OBJID_WINDOW, CHILDID_SELF);
}

inline int CMonitorHarness::RunAndWait(const std::string& commandLine, DWORD timeoutMs) {
  HANDLE process = harness::Start(commandLine, "");
  if (!process) return -1;
  WaitForSingleObject(process, timeoutMs);
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  return static_cast<int>(code);
}

inline bool CMonitorHarness::WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  Moment ignored;
  return WaitFor(condition, timeoutMs, ignored);
}

inline bool CMonitorHarness::WaitFor(const std::function<bool()>& condition, DWORD timeoutMs,
                                     Moment& when) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    const ULONGLONG asked = GetTickCount64();
    if (condition()) {
      when.after = GetTickCount64();
      return true;
    }
    when.before = asked;
    if (asked > end) return false;
    Sleep(20);
  }
}
