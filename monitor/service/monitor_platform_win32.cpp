#include "monitor/service/monitor_platform_win32.h"

#include <shellapi.h>

#include <algorithm>
#include <cctype>

#include "monitor/device/device_events.h"
#include "monitor/service/desktop_actions_win32.h"
#include "monitor/service/window_tree_win32.h"
#include "settings/ini_file.h"
#include "settings/profile_files.h"
#include "settings/profile_record.h"
#include "settings/shared_block.h"
#include "settings/system_names.h"
#include "settings/system_settings_apply_win32.h"
#include "settings/system_settings_store.h"

namespace {

HWND H(WindowHandle w) { return reinterpret_cast<HWND>(w); }

// Closes a process handle on every path.
struct ProcessHandle {
  HANDLE handle;
  explicit ProcessHandle(HANDLE h) : handle(h) {}
  ProcessHandle(const ProcessHandle&) = delete;
  ProcessHandle& operator=(const ProcessHandle&) = delete;
  ~ProcessHandle() {
    if (handle) CloseHandle(handle);
  }
};

}  // namespace

CLanguageLibrary::CLanguageLibrary(const std::filesystem::path& folder)
    : module_(LoadLibraryW((folder / names::kLanguageLibrary).c_str())) {}

CLanguageLibrary::~CLanguageLibrary() {
  if (module_) FreeLibrary(module_);
}

std::string CLanguageLibrary::Text(unsigned id) const {
  if (!module_) return {};
  char text[256] = {};
  const int n = LoadStringA(module_, id, text, sizeof text);
  return std::string(text, n > 0 ? static_cast<size_t>(n) : 0);
}

CMonitorPlatformWin32::CMonitorPlatformWin32(HWND window)
    : window_(window),
      folder_(::InstallFolder()),
      configPath_(ConfigFilePath(folder_)),
      language_(folder_),
      device_(std::make_unique<HidLibrary>(folder_)) {}

CMonitorPlatformWin32::~CMonitorPlatformWin32() {
  // Normally Shutdown has ended all of these already.
  StopTransferThread();
  StopMacroThread();
  DisconnectDevice();
  CloseSharedBlock();
}

WindowHandle CMonitorPlatformWin32::FindWindowByTitle(const char* title) {
  return reinterpret_cast<WindowHandle>(FindWindowA(nullptr, title));
}

bool CMonitorPlatformWin32::Post(WindowHandle w, unsigned m, uintptr_t wp, intptr_t lp) {
  return PostMessageA(H(w), m, wp, lp) != FALSE;
}

void CMonitorPlatformWin32::PostClose(WindowHandle w) { PostMessageA(H(w), WM_CLOSE, 0, 0); }

void CMonitorPlatformWin32::ActivateWindow(WindowHandle w) {
  if (IsIconic(H(w))) ShowWindow(H(w), SW_RESTORE);
  SetForegroundWindow(H(w));
  SetActiveWindow(H(w));
}

void CMonitorPlatformWin32::PostOwnCommand(unsigned id) { PostMessageA(window_, WM_COMMAND, id, 0); }

void CMonitorPlatformWin32::StartTimer(unsigned id, unsigned ms) { SetTimer(window_, id, ms, nullptr); }

void CMonitorPlatformWin32::StopTimer(unsigned id) { KillTimer(window_, id); }

bool CMonitorPlatformWin32::AddTrayIcon() {
  tray_.Add(window_, language_.Text(1004));
  return tray_.Shown();
}

void CMonitorPlatformWin32::RemoveTrayIcon() { tray_.Remove(); }

bool CMonitorPlatformWin32::CreateSharedMutex() { return !SharedBlockMutexExists(); }

bool CMonitorPlatformWin32::CreateSharedBlock() {
  blockOpen_ = ::CreateSharedBlock() == 1;
  return blockOpen_;
}

void CMonitorPlatformWin32::CloseSharedBlock() {
  if (blockOpen_) ::CloseSharedBlock();
  blockOpen_ = false;
}

bool CMonitorPlatformWin32::ReadSharedBlock(ProfileSet& dest) {
  // Read into a scratch record: a failed read must leave the copy whole.
  auto scratch = std::make_unique<ProfileSet>();
  if (::ReadSharedBlock(*scratch) != 1) return false;
  dest = *scratch;
  return true;
}

void CMonitorPlatformWin32::WriteSharedBlock(const ProfileSet& src) { ::WriteSharedBlock(src); }

void CMonitorPlatformWin32::LoadSettings(ProfileSet& set) {
  ClearProfileSet(set);
  if (LoadAll(folder_, set, DefaultSystemSettingsStore()) != 1) SetDefaultSettings(set);
}

bool CMonitorPlatformWin32::ReadOverlaySetting(OverlaySetting& record) {
  return IniFile::Load(configPath_).GetStruct("OverlaySetting", "config", &record, sizeof record);
}

void CMonitorPlatformWin32::WriteCurrentProfile(int index) {
  UpdateIniFile(configPath_, [&](IniFile& ini) { ini.SetInt("Setting", "CurrentProfile", index); });
}

void CMonitorPlatformWin32::WriteDeviceState(int present) {
  UpdateIniFile(configPath_, [&](IniFile& ini) { ini.SetInt("Setting", "Device", present); });
}

void CMonitorPlatformWin32::WriteNoticeText(const std::string& text) {
  UpdateIniFile(configPath_, [&](IniFile& ini) { ini.SetString("OverlayData", "Message", text); });
}

void CMonitorPlatformWin32::WriteMacroNotice(int number, const std::string& macroName) {
  UpdateIniFile(configPath_, [&](IniFile& ini) {
    ini.SetInt("MacroOverlay", "Number", number);
    ini.SetString("MacroOverlay", "MacroName", macroName);
  });
}

void CMonitorPlatformWin32::ApplySystemSettings(Profile& profile) {
  ::ApplySystemSettings(profile, window_);
}

void CMonitorPlatformWin32::WriteSystemSettings(const Profile& profile) {
  DefaultSystemSettingsStore().Write(profile);
}

void CMonitorPlatformWin32::StartWorkers() {
  actions_ = CreateDesktopActions(core_->Settings(), window_);
  HWND window = window_;
  transfer_ = std::make_unique<TransferThread>(
      *device_,
      [window](unsigned kind, TransferResult result) {
        PostMessageA(window, MSG_TRANSFER_DONE, kind, static_cast<LPARAM>(result));
      },
      Transfer::ProfileActivated{});
  const CMonitorCore* core = core_;
  transfer_->SetAttachedCheck([core] { return core->DeviceStateValue() == kDeviceAttached; });
  transfer_->Start();
}

bool CMonitorPlatformWin32::PostTransfer(unsigned kind) {
  return transfer_ && transfer_->Post(kind, core_->Settings());
}

void CMonitorPlatformWin32::RequestTransferAbort() {
  if (transfer_) transfer_->RequestAbort();
}

void CMonitorPlatformWin32::StopTransferThread() {
  if (transfer_) transfer_->Stop();
  transfer_.reset();
}

void CMonitorPlatformWin32::StopMacroThread() { actions_.reset(); }

bool CMonitorPlatformWin32::ConnectDevice() {
  device_->Set_VIDPID(names::kVendorId, names::kProductId);
  device_->Open_DevMonitor(reinterpret_cast<WindowId>(window_), MSG_DEVICE_EVENT, MSG_DEVICE_CHANGE);
  return OpenDevice();
}

bool CMonitorPlatformWin32::OpenDevice() {
  device_->Open_FeatureDevice();
  return device_->Open_ReportDevice();
}

void CMonitorPlatformWin32::CloseDevice() {
  device_->Close_FeatureDevice();
  device_->Close_ReportDevice();
}

void CMonitorPlatformWin32::DisconnectDevice() {
  if (!device_) return;
  CloseDevice();
  device_->Close_DevMonitor();
  device_.reset();
}

void CMonitorPlatformWin32::Sleep(unsigned ms) { ::Sleep(ms); }

void CMonitorPlatformWin32::OpenFile(const std::filesystem::path& path) {
  ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::string CMonitorPlatformWin32::ForegroundProgramName() {
  // One process per tick: the foreground window's, not a walk of them all.
  HWND foreground = GetForegroundWindow();
  if (!foreground) return {};
  DWORD pid = 0;
  GetWindowThreadProcessId(foreground, &pid);
  ProcessHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
  if (!process.handle) return {};
  char path[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  if (!QueryFullProcessImageNameA(process.handle, 0, path, &size)) return {};
  std::string name(path, size);
  const size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name;
}

void CMonitorPlatformWin32::ScrollHorizontally(int direction, int repetitions) {
  CWindowTreeWin32 tree;
  CScrollInputWin32 input;
  ScrollStep(tree, input, direction, repetitions);
}

void CMonitorPlatformWin32::Trace(const std::string& text) { OutputDebugStringA(text.c_str()); }
