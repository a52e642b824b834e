#include "monitor/service/monitor_core.h"

#include <cstdio>

#include "monitor/service/auto_switch.h"
#include "monitor/service/notices.h"
#include "settings/profile_record.h"
#include "settings/system_names.h"

namespace {

inline constexpr unsigned kAutoSwitchPeriod = 2000;
inline constexpr unsigned kFirstTransferDelay = 200;
// The mouse needs a moment after it announces itself before it takes reports.
inline constexpr unsigned kArrivalSettleTime = 1000;

std::string Format(const char* format, long long value) {
  char text[96];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

CMonitorCore::CMonitorCore(MonitorPlatform& platform) : platform_(platform) {}

void CMonitorCore::KeepCurrentProfileValid() {
  // Every reader indexes the profiles with it: a file or block without a
  // valid active profile starts at the first one.
  if (set_.CurrentProfile < 0 || set_.CurrentProfile >= kProfileCount) set_.CurrentProfile = 0;
}

void CMonitorCore::ReadNoticeSettings() {
  OverlaySetting record{};
  if (platform_.ReadOverlaySetting(record)) notices_ = record;
}

bool CMonitorCore::Start(bool openOptionRequest) {
  platform_.LoadSettings(set_);
  KeepCurrentProfileValid();
  ReadNoticeSettings();
  if (!platform_.CreateSharedMutex()) return false;
  if (platform_.CreateSharedBlock()) platform_.WriteSharedBlock(set_);
  platform_.StartWorkers();

  const bool attached = platform_.ConnectDevice();
  deviceState_ = attached ? kDeviceAttached : kDeviceNotFound;
  if (attached) {
    platform_.StartTimer(TIMER_AUTO_SWITCH, kAutoSwitchPeriod);
    platform_.StartTimer(TIMER_FIRST_TRANSFER, kFirstTransferDelay);
    ShowTrayIcon();
    if (openOptionRequest) OnCustomizer();
  }
  platform_.WriteDeviceState(attached ? 1 : 0);
  platform_.ApplySystemSettings(Current());

  for (const char* program : {names::kOverlayProgram, names::kSysGaugeProgram,
                              names::kMailWatchProgram})
    platform_.OpenFile(platform_.InstallFolder() += program);
  return true;
}

void CMonitorCore::Shutdown() {
  platform_.StopTimer(TIMER_AUTO_SWITCH);
  platform_.StopTimer(TIMER_FIRST_TRANSFER);
  if (WindowHandle option = platform_.FindWindowByTitle(names::kOptionTitle))
    platform_.PostClose(option);
  if (WindowHandle overlay = platform_.FindWindowByTitle(names::kOverlayTitle))
    platform_.PostClose(overlay);
  for (const char* title : names::kAppletTitles)
    if (WindowHandle applet = platform_.FindWindowByTitle(title)) platform_.PostClose(applet);
  platform_.RequestTransferAbort();
  platform_.StopTransferThread();
  platform_.DisconnectDevice();
  platform_.StopMacroThread();
  platform_.CloseSharedBlock();
  platform_.RemoveTrayIcon();
}

void CMonitorCore::PostToOption(unsigned message) {
  if (WindowHandle option = platform_.FindWindowByTitle(names::kOptionTitle))
    platform_.Post(option, message, 0, 0);
}

void CMonitorCore::PostToOverlay(unsigned message, uintptr_t wParam, intptr_t lParam) {
  if (WindowHandle overlay = platform_.FindWindowByTitle(names::kOverlayTitle))
    platform_.Post(overlay, message, wParam, lParam);
}

void CMonitorCore::OnApplyRequest() {
  platform_.ReadSharedBlock(set_);
  KeepCurrentProfileValid();
  platform_.ApplySystemSettings(Current());
  ReadNoticeSettings();
  PostToOverlay(MSG_OVERLAY_SETTINGS, 0, OverlaySettingsParam(notices_));
  if (deviceState_ == kDeviceAttached && platform_.PostTransfer(TRANSFER_CHANGES)) return;
  platform_.Trace("OnApplyAllSetting  Send Enable OK/Apply Button\n");
  if (WindowHandle option = platform_.FindWindowByTitle(names::kOptionTitle))
    platform_.Post(option, MSG_APPLY_DONE, 0, 0);
  else
    platform_.Trace("OnApplyAllSetting Don't find Brisa Option Dialog\n");
}

void CMonitorCore::OnCopyBlock() {
  platform_.ReadSharedBlock(set_);
  KeepCurrentProfileValid();
}

void CMonitorCore::OnCopyBlockAndApply() {
  OnCopyBlock();
  platform_.ApplySystemSettings(Current());
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
    case TIMER_FIRST_TRANSFER:
      platform_.StopTimer(TIMER_FIRST_TRANSFER);
      platform_.PostTransfer(TRANSFER_FULL);
      break;
    case TIMER_VOLUME_REPEAT:
    case TIMER_KEY_REPEAT:
      if (actions_) actions_->OnTimer(id);
      break;
    default:
      break;
  }
}

void CMonitorCore::AutoSwitch() {
  const std::string program = platform_.ForegroundProgramName();
  const int profile = ProfileForProgram(set_, program);
  if (profile < 0 || profile == set_.CurrentProfile) return;
  set_.CurrentProfile = profile;
  platform_.WriteSharedBlock(set_);
  platform_.PostTransfer(TRANSFER_PROFILE_ONLY);
  platform_.WriteSystemSettings(Current());
  platform_.ApplySystemSettings(Current());
  PostToOption(MSG_PROFILE_CHANGED);
  if (ProfileNoticesOn(notices_))
    PostToOverlay(MSG_OVERLAY_SHOW, OVERLAY_PROFILE, ProfileNoticeParam(profile));
}

void CMonitorCore::ShowTrayIcon() { trayShown_ = platform_.AddTrayIcon(); }

void CMonitorCore::OnTaskbarCreated() {
  // A new shell knows none of the icons the old one showed.
  platform_.RemoveTrayIcon();
  trayShown_ = false;
  if (deviceState_ == kDeviceAttached) ShowTrayIcon();
}

void CMonitorCore::OnCustomizer() {
  platform_.Trace("CMonitorWnd OnCustomizer\n");
  if (WindowHandle option = platform_.FindWindowByTitle(names::kOptionTitle)) {
    platform_.Trace("CMonitorWnd OnCustomizer hWnd!=NULL\n");
    platform_.ActivateWindow(option);
  } else {
    platform_.Trace("CMonitorWnd OnCustomizer hWnd==NULL\n");
    platform_.OpenFile(platform_.InstallFolder() += names::kOptionProgram);
  }
}

void CMonitorCore::OnAppletText(const void* data, size_t size) {
  std::string text;
  if (!AppletText(data, size, text)) return;
  platform_.WriteNoticeText(text);
  if (deviceState_ == kDeviceAttached) PostToOverlay(MSG_OVERLAY_SHOW, OVERLAY_TEXT, 0);
}

void CMonitorCore::OnTransferFinished(unsigned kind, TransferResult result) {
  if (kind == TRANSFER_CHANGES) {
    platform_.Trace("Thread Send Enable OK/Apply Button\n");
    if (WindowHandle option = platform_.FindWindowByTitle(names::kOptionTitle))
      platform_.Post(option, MSG_APPLY_DONE, 0, 0);
    else
      platform_.Trace("OnApplyAllSetting Don't find Brisa Option Dialog\n");
  } else if (kind == TRANSFER_PROFILE_ONLY && result == TransferResult::Completed &&
             ProfileNoticesOn(notices_)) {
    // Only a profile the mouse really took is announced again.
    PostToOverlay(MSG_OVERLAY_SHOW, OVERLAY_PROFILE, ProfileNoticeParam(set_.CurrentProfile));
  }
}

void CMonitorCore::OnDeviceArrival() {
  platform_.Sleep(kArrivalSettleTime);
  deviceState_ = kDeviceAttached;
  platform_.OpenDevice();
  MarkAllChanged(set_);
  platform_.PostTransfer(TRANSFER_FULL);
  ShowTrayIcon();
  platform_.WriteDeviceState(1);
  platform_.StartTimer(TIMER_AUTO_SWITCH, kAutoSwitchPeriod);
}

void CMonitorCore::OnDeviceRemoval() {
  deviceState_ = kDeviceRemoved;
  // No release will come for a button held now.
  if (actions_) actions_->ReleaseHeld();
  platform_.CloseDevice();
  platform_.RequestTransferAbort();
  platform_.RemoveTrayIcon();
  trayShown_ = false;
  platform_.StopTimer(TIMER_AUTO_SWITCH);
  platform_.WriteDeviceState(0);
  if (WindowHandle option = platform_.FindWindowByTitle(names::kOptionTitle))
    platform_.PostClose(option);
}

void CMonitorCore::OnHorizontalScroll(int direction) {
  const int repetitions = Current().TiltSpeed;
  if (repetitions > 0) platform_.ScrollHorizontally(direction, repetitions);
}

void CMonitorCore::OnDevicePollingRate(int pollingRate) {
  Current().PollingRate = pollingRate;
  MirrorToOption(Mirror::kOther, 0);
}

void CMonitorCore::OnDeviceProfile(int profile) {
  set_.CurrentProfile = profile;
  platform_.WriteCurrentProfile(profile);
  MirrorToOption(Mirror::kProfile, 0);
}

void CMonitorCore::OnHostButton(int button, bool pressed, bool notice) {
  if (actions_) actions_->OnButton(button, pressed);
  if (notice && pressed && button <= 15 && MacroNoticesOn(notices_)) MacroNotice(button);
}

void CMonitorCore::MacroNotice(int button) {
  const MacroKeyInfo& info = Current().MacroKeyInfo[button - 1];
  if (info.function != kFunctionMacro) return;
  platform_.WriteMacroNotice(MacroNoticeNumber(button - 1), MacroName(info));
  PostToOverlay(MSG_OVERLAY_SHOW, OVERLAY_MACRO, 0);
}

void CMonitorCore::OnRunProgram(int button) {
  if (actions_) actions_->OnRunProgram(button);
}

void CMonitorCore::OnOpenOption() { platform_.PostOwnCommand(CMD_OPEN_OPTION); }

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
  platform_.Trace(Format("Show Overlay %lld\n",
                         static_cast<long long>(platform_.FindWindowByTitle(names::kOverlayTitle))));
}

void CMonitorCore::OnMultimedia(int function, bool pressed) {
  if (actions_) actions_->OnMultimedia(function, pressed);
}

void CMonitorCore::MirrorToOption(Mirror what, int level) {
  platform_.WriteSharedBlock(set_);
  const WindowHandle overlay = platform_.FindWindowByTitle(names::kOverlayTitle);
  platform_.Trace(Format("Show Overlay %lld\n", static_cast<long long>(overlay)));
  if (what == Mirror::kProfile) {
    PostToOption(MSG_PROFILE_CHANGED);
    PostToOverlay(MSG_OVERLAY_SHOW, OVERLAY_PROFILE, ProfileNoticeParam(set_.CurrentProfile));
  }
  PostToOption(MSG_DEVICE_CHANGED);
  if (what == Mirror::kLevel) {
    platform_.WriteNoticeText(LevelNoticeText(Current(), level));
    PostToOverlay(MSG_OVERLAY_SHOW, OVERLAY_TEXT, 0);
  }
}
