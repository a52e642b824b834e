#include "monitor/service/monitor_core.h"

#include <cstdio>

#include "monitor/service/auto_switch.h"
#include "monitor/service/notices.h"
#include "settings/profile_record.h"
#include "settings/system_names.h"

namespace {

// Foreground changes are announced as they happen; the timer only catches
// one that was missed.
inline constexpr unsigned kSafetyNetPeriod = 10000;
// A program already in front when the mouse comes is looked at once the
// first transfer is under way.
inline constexpr unsigned kFirstForegroundCheck = 2000;
inline constexpr unsigned kFirstTransferDelay = 200;
// The mouse needs a moment after it announces itself before it takes reports.
inline constexpr unsigned kArrivalSettleTime = 1000;

std::string Format(const char* format, long long value) {
  char text[96];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

CMonitorCore::CMonitorCore(const MonitorPlatform& platform)
    : device_(platform.device),
      desktop_(platform.desktop),
      shell_(platform.shell),
      files_(platform.files) {}

void CMonitorCore::KeepCurrentProfileValid() {
  // Every reader indexes the profiles with it: a file or block without a
  // valid active profile starts at the first one.
  if (set_.CurrentProfile < 0 || set_.CurrentProfile >= kProfileCount) set_.CurrentProfile = 0;
}

void CMonitorCore::ReadNoticeSettings() {
  OverlaySetting record{};
  if (files_.ReadOverlaySetting(record)) notices_ = record;
}

bool CMonitorCore::Start(bool openOptionRequest) {
  files_.LoadSettings(set_);
  KeepCurrentProfileValid();
  ReadNoticeSettings();
  if (!files_.CreateSharedMutex()) return false;
  if (files_.CreateSharedBlock()) files_.WriteSharedBlock(set_);
  desktop_.StartMacroThread(set_);

  const bool attached = device_.ConnectDevice();
  deviceState_ = attached ? kDeviceAttached : kDeviceNotFound;
  if (attached) {
    StartSwitchTimers();
    shell_.StartTimer(TIMER_FIRST_TRANSFER, kFirstTransferDelay);
    ShowTrayIcon();
    if (openOptionRequest) OnCustomizer();
  }
  files_.WriteDeviceState(attached ? 1 : 0);
  desktop_.ApplySystemSettings(Current());

  for (const char* program : {names::kOverlayProgram, names::kSysGaugeProgram,
                              names::kMailWatchProgram})
    shell_.OpenFile(shell_.InstallFolder() += program);
  return true;
}

void CMonitorCore::Shutdown() {
  StopSwitchTimers();
  shell_.StopTimer(TIMER_FIRST_TRANSFER);
  if (WindowHandle option = desktop_.FindWindowByTitle(names::kOptionTitle))
    desktop_.PostClose(option);
  if (WindowHandle overlay = desktop_.FindWindowByTitle(names::kOverlayTitle))
    desktop_.PostClose(overlay);
  for (const char* title : names::kAppletTitles)
    if (WindowHandle applet = desktop_.FindWindowByTitle(title)) desktop_.PostClose(applet);
  device_.RequestTransferAbort();
  device_.StopTransferThread();
  device_.DisconnectDevice();
  desktop_.StopMacroThread();
  files_.CloseSharedBlock();
  shell_.RemoveTrayIcon();
}

void CMonitorCore::PostToOption(unsigned message) {
  if (WindowHandle option = desktop_.FindWindowByTitle(names::kOptionTitle))
    desktop_.Post(option, message, 0, 0);
}

void CMonitorCore::PostToOverlay(unsigned message, uintptr_t wParam, intptr_t lParam) {
  if (WindowHandle overlay = desktop_.FindWindowByTitle(names::kOverlayTitle))
    desktop_.Post(overlay, message, wParam, lParam);
}

void CMonitorCore::OnApplyRequest() {
  files_.ReadSharedBlock(set_);
  KeepCurrentProfileValid();
  desktop_.ApplySystemSettings(Current());
  ReadNoticeSettings();
  PostToOverlay(MSG_OVERLAY_SETTINGS, 0, OverlaySettingsParam(notices_));
  if (deviceState_ == kDeviceAttached && device_.PostTransfer(TRANSFER_CHANGES, set_)) return;
  shell_.Trace("OnApplyAllSetting  Send Enable OK/Apply Button\n");
  if (WindowHandle option = desktop_.FindWindowByTitle(names::kOptionTitle))
    desktop_.Post(option, MSG_APPLY_DONE, 0, 0);
  else
    shell_.Trace("OnApplyAllSetting Don't find Brisa Option Dialog\n");
}

void CMonitorCore::OnCopyBlock() {
  files_.ReadSharedBlock(set_);
  KeepCurrentProfileValid();
}

void CMonitorCore::OnCopyBlockAndApply() {
  OnCopyBlock();
  desktop_.ApplySystemSettings(Current());
}

void CMonitorCore::OnDeviceMessage(uint32_t eventWord) {
  DispatchDeviceEvent(eventWord, deviceState_, *this);
}

void CMonitorCore::OnTimer(unsigned id) {
  switch (id) {
    case TIMER_AUTO_SWITCH:
      // The timer runs while the mouse is attached: the icon belongs there.
      if (!trayShown_) ShowTrayIcon();
      AutoSwitch();
      break;
    case TIMER_FOREGROUND_SETTLE:
      shell_.StopTimer(TIMER_FOREGROUND_SETTLE);
      settle_.Reset();
      AutoSwitch();
      break;
    case TIMER_FIRST_TRANSFER:
      shell_.StopTimer(TIMER_FIRST_TRANSFER);
      device_.PostTransfer(TRANSFER_FULL, set_);
      break;
    case TIMER_VOLUME_REPEAT:
    case TIMER_KEY_REPEAT:
      if (actions_) actions_->OnTimer(id);
      break;
    default:
      break;
  }
}

void CMonitorCore::OnForegroundChanged(uint32_t now) {
  // Without the mouse there is nothing to switch.
  if (deviceState_ != kDeviceAttached) return;
  if (const unsigned delay = settle_.OnChange(now)) shell_.StartTimer(TIMER_FOREGROUND_SETTLE, delay);
}

void CMonitorCore::StartSwitchTimers() {
  shell_.StartTimer(TIMER_AUTO_SWITCH, kSafetyNetPeriod);
  shell_.StartTimer(TIMER_FOREGROUND_SETTLE, kFirstForegroundCheck);
}

void CMonitorCore::StopSwitchTimers() {
  shell_.StopTimer(TIMER_AUTO_SWITCH);
  shell_.StopTimer(TIMER_FOREGROUND_SETTLE);
  settle_.Reset();
}

void CMonitorCore::AutoSwitch() {
  const std::string program = desktop_.ForegroundProgramName();
  const int profile = ProfileForProgram(set_, program);
  if (profile < 0 || profile == set_.CurrentProfile) return;
  set_.CurrentProfile = profile;
  files_.WriteSharedBlock(set_);
  device_.PostTransfer(TRANSFER_PROFILE_ONLY, set_);
  desktop_.WriteSystemSettings(Current());
  desktop_.ApplySystemSettings(Current());
  PostToOption(MSG_PROFILE_CHANGED);
  if (ProfileNoticesOn(notices_))
    PostToOverlay(MSG_OVERLAY_SHOW, OVERLAY_PROFILE, ProfileNoticeParam(profile));
}

void CMonitorCore::ShowTrayIcon() { trayShown_ = shell_.AddTrayIcon(); }

void CMonitorCore::OnTaskbarCreated() {
  // A new shell knows none of the icons the old one showed.
  shell_.RemoveTrayIcon();
  trayShown_ = false;
  if (deviceState_ == kDeviceAttached) ShowTrayIcon();
}

void CMonitorCore::OnCustomizer() {
  shell_.Trace("CMonitorWnd OnCustomizer\n");
  if (WindowHandle option = desktop_.FindWindowByTitle(names::kOptionTitle)) {
    shell_.Trace("CMonitorWnd OnCustomizer hWnd!=NULL\n");
    desktop_.ActivateWindow(option);
  } else {
    shell_.Trace("CMonitorWnd OnCustomizer hWnd==NULL\n");
    shell_.OpenFile(shell_.InstallFolder() += names::kOptionProgram);
  }
}

void CMonitorCore::OnAppletText(const void* data, size_t size) {
  std::string text;
  if (!AppletText(data, size, text)) return;
  files_.WriteNoticeText(text);
  if (deviceState_ == kDeviceAttached) PostToOverlay(MSG_OVERLAY_SHOW, OVERLAY_TEXT, 0);
}

void CMonitorCore::OnTransferFinished(unsigned kind, TransferResult result) {
  if (kind == TRANSFER_CHANGES) {
    shell_.Trace("Thread Send Enable OK/Apply Button\n");
    if (WindowHandle option = desktop_.FindWindowByTitle(names::kOptionTitle))
      desktop_.Post(option, MSG_APPLY_DONE, 0, 0);
    else
      shell_.Trace("OnApplyAllSetting Don't find Brisa Option Dialog\n");
  } else if (kind == TRANSFER_PROFILE_ONLY && result == TransferResult::Completed &&
             ProfileNoticesOn(notices_)) {
    // Only a profile the mouse really took is announced again.
    PostToOverlay(MSG_OVERLAY_SHOW, OVERLAY_PROFILE, ProfileNoticeParam(set_.CurrentProfile));
  }
}

void CMonitorCore::OnDeviceArrival() {
  device_.Sleep(kArrivalSettleTime);
  deviceState_ = kDeviceAttached;
  device_.OpenDevice();
  MarkAllChanged(set_);
  device_.PostTransfer(TRANSFER_FULL, set_);
  ShowTrayIcon();
  files_.WriteDeviceState(1);
  StartSwitchTimers();
}

void CMonitorCore::OnDeviceRemoval() {
  deviceState_ = kDeviceRemoved;
  // No release will come for a button held now.
  if (actions_) actions_->ReleaseHeld();
  device_.CloseDevice();
  device_.RequestTransferAbort();
  shell_.RemoveTrayIcon();
  trayShown_ = false;
  StopSwitchTimers();
  files_.WriteDeviceState(0);
  if (WindowHandle option = desktop_.FindWindowByTitle(names::kOptionTitle))
    desktop_.PostClose(option);
}

void CMonitorCore::OnHorizontalScroll(int direction) {
  const int repetitions = Current().TiltSpeed;
  if (repetitions > 0) desktop_.ScrollHorizontally(direction, repetitions);
}

void CMonitorCore::OnDevicePollingRate(int pollingRate) {
  Current().PollingRate = pollingRate;
  MirrorToOption(Mirror::kOther, 0);
}

void CMonitorCore::OnDeviceProfile(int profile) {
  set_.CurrentProfile = profile;
  files_.WriteCurrentProfile(profile);
  MirrorToOption(Mirror::kProfile, 0);
}

void CMonitorCore::OnHostButton(int button, bool pressed, bool notice) {
  if (actions_) actions_->OnButton(button, pressed);
  if (notice && pressed && button <= kLastMacroNoticeButton && MacroNoticesOn(notices_))
    MacroNotice(button);
}

void CMonitorCore::MacroNotice(int button) {
  const MacroKeyInfo& info = Current().MacroKeyInfo[button - 1];
  if (info.function != kFunctionMacro) return;
  files_.WriteMacroNotice(MacroNoticeNumber(button - 1), MacroName(info));
  PostToOverlay(MSG_OVERLAY_SHOW, OVERLAY_MACRO, 0);
}

void CMonitorCore::OnRunProgram(int button) {
  if (actions_) actions_->OnRunProgram(button);
}

void CMonitorCore::OnOpenOption() { shell_.PostOwnCommand(CMD_OPEN_OPTION); }

void CMonitorCore::OnDeviceLevel(int level) {
  // Levels 6..8 have no entry in the profile's five levels; the step stays.
  if (level <= kLevelCount) Current().CpiStep = level - 1;
  MirrorToOption(Mirror::kLevel, level);
}

void CMonitorCore::OnDeviceSensitivity(int x, int y) {
  if (x > 0) Current().Sensitivity_X = x;
  if (y > 0) Current().Sensitivity_Y = y;
  MirrorToOption(Mirror::kOther, 0);
}

void CMonitorCore::OnTraceOnly() {
  shell_.Trace(Format("Show Overlay %lld\n",
                         static_cast<long long>(desktop_.FindWindowByTitle(names::kOverlayTitle))));
}

void CMonitorCore::OnMultimedia(int function, bool pressed) {
  if (actions_) actions_->OnMultimedia(function, pressed);
}

void CMonitorCore::MirrorToOption(Mirror what, int level) {
  files_.WriteSharedBlock(set_);
  const WindowHandle overlay = desktop_.FindWindowByTitle(names::kOverlayTitle);
  shell_.Trace(Format("Show Overlay %lld\n", static_cast<long long>(overlay)));
  if (what == Mirror::kProfile) {
    PostToOption(MSG_PROFILE_CHANGED);
    PostToOverlay(MSG_OVERLAY_SHOW, OVERLAY_PROFILE, ProfileNoticeParam(set_.CurrentProfile));
  }
  PostToOption(MSG_DEVICE_CHANGED);
  if (what == Mirror::kLevel) {
    files_.WriteNoticeText(LevelNoticeText(Current(), level));
    PostToOverlay(MSG_OVERLAY_SHOW, OVERLAY_TEXT, 0);
  }
}
