// What Monitor's main window does with each message, timer and device event:
// its copy of the ProfileSet, the device state, the notices and the partner
// programs. The Win32 window forwards to it; the system is reached through
// the parts of MonitorPlatform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "monitor/device/device_events.h"
#include "monitor/device/transfer.h"
#include "monitor/service/foreground_settle.h"
#include "monitor/service/host_actions.h"
#include "monitor/service/monitor_platform.h"
#include "settings/profile_set.h"

class CMonitorCore : public CDeviceEventSink {
 public:
  explicit CMonitorCore(const MonitorPlatform& platform);
  CMonitorCore(const CMonitorCore&) = delete;
  CMonitorCore& operator=(const CMonitorCore&) = delete;

  // The desktop actions, once they exist (button, program and media events
  // are dropped before).
  void SetHostActions(CHostActions* actions) { actions_ = actions; }

  // The window's creation steps; false when another Monitor owns the shared
  // block (the window must not be created).
  bool Start(bool openOptionRequest);
  // The shutdown steps, in order.
  void Shutdown();

  void OnApplyRequest();        // 1224
  void OnCopyBlock();           // 1226
  void OnCopyBlockAndApply();   // 1227
  void OnDeviceMessage(uint32_t eventWord);
  void OnTimer(unsigned id);
  // Another window came to the foreground at now (ms).
  void OnForegroundChanged(uint32_t now);
  void OnCustomizer();          // command 6001
  // The shell's taskbar was (re)created: icons must be added again.
  void OnTaskbarCreated();
  // WM_COPYDATA from an applet; the window answers 1.
  void OnAppletText(const void* data, size_t size);
  // Called by CTransferThread when a transfer of this kind ends.
  void OnTransferFinished(unsigned kind, TransferResult result);

  const ProfileSet& Settings() const { return set_; }
  ProfileSet& Settings() { return set_; }
  int DeviceStateValue() const { return deviceState_; }
  const OverlaySetting& Notices() const { return notices_; }

  // CDeviceEventSink
  void OnDeviceArrival() override;
  void OnDeviceRemoval() override;
  void OnHorizontalScroll(int direction) override;
  void OnDevicePollingRate(int pollingRate) override;
  void OnDeviceProfile(int profile) override;
  void OnHostButton(int button, bool pressed, bool notice) override;
  void OnRunProgram(int button) override;
  void OnOpenOption() override;
  void OnDeviceLevel(int level) override;
  void OnDeviceSensitivity(int x, int y) override;
  void OnTraceOnly() override;
  void OnMultimedia(int function, bool pressed) override;

 private:
  enum class Mirror { kProfile, kLevel, kOther };
  void MirrorToOption(Mirror what, int level);
  void AutoSwitch();
  void StartSwitchTimers();
  void StopSwitchTimers();
  void MacroNotice(int button);
  void PostToOption(unsigned message);
  void PostToOverlay(unsigned message, uintptr_t wParam, intptr_t lParam);
  void ReadNoticeSettings();
  void KeepCurrentProfileValid();
  void ShowTrayIcon();
  Profile& Current() { return set_.Profiles[set_.CurrentProfile]; }

  CMonitorDevice& device_;
  CMonitorDesktop& desktop_;
  CMonitorShell& shell_;
  CMonitorFiles& files_;
  CHostActions* actions_ = nullptr;
  ProfileSet set_{};
  OverlaySetting notices_{};
  int deviceState_ = kDeviceNotFound;
  bool trayShown_ = false;
  CForegroundSettle settle_;
};
