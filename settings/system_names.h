// Every name and number by which the programs, the device library, the notice
// program and the applets find and talk to each other. Both programs include
// this header; nothing here may be spelled out anywhere else.
#pragma once

#include <cstdint>

namespace names {

// Named kernel objects.
inline constexpr char kSharedBlockName[] = "Vantel_Kestrel_Gaming_Mouse_Normal_Share_Data";
inline constexpr char kSharedBlockMutex[] = "Vantel_Kestrel_Gaming_Mouse_Normal_Mutex_Object";
inline constexpr char kMonitorInstanceMutex[] = "Vantel_Kestrel_Gaming_Mouse_Normal_Monitor_Mutex";
inline constexpr char kOptionInstanceMutex[] = "Vantel_Kestrel_Gaming_Mouse_Normal_configure";
// Guards read-modify-write of config.ini, which both programs write.
inline constexpr char kConfigFileMutex[] = "Vantel_Kestrel_Gaming_Mouse_Normal_Config_Mutex";

// Window titles (found by exact title, any class).
inline constexpr char kOptionTitle[] = "Osprey Arena";
inline constexpr char kMonitorTitle[] = "Osprey Arena Monitor";
inline constexpr char kOverlayTitle[] = "Vantel_Kestrel_Gaming_Mouse_Normal_Overlay";
inline constexpr char kAppletPop3Title[] = "Vantel_Kestrel Gaming Mouse Pop3";
inline constexpr char kAppletGaugeTitle[] = "Vantel_Kestrel Gaming Mouse CPU RAM Overlay";
inline constexpr char kAppletSkypeTitle[] = "Vantel_Kestrel Gaming Mouse Overlay SKYPE";
inline constexpr char kAppletMsnTitle[] = "Vantel_Kestrel Gaming Mouse Overlay MSN";
inline constexpr const char* kAppletTitles[] = {kAppletPop3Title, kAppletGaugeTitle,
                                                kAppletSkypeTitle, kAppletMsnTitle};
inline constexpr char kShortcutDialogTitle[] = "Z.ORIN Shortcut Dialog";
// Option's message when its skin is missing or damaged.
inline constexpr wchar_t kOptionFaultTitle[] = L"Osprey Arena Option";

// Programs started by Monitor, relative to the installation folder.
inline constexpr char kOptionProgram[] = "Option.exe";
inline constexpr char kOverlayProgram[] = "Overlay.exe";
inline constexpr char kSysGaugeProgram[] = "Applets\\SysGauge.exe";
inline constexpr char kMailWatchProgram[] = "Applets\\MailWatch.EXE";
inline constexpr char kDeviceLibrary[] = "hiddriver.dll";
inline constexpr char kLanguageLibrary[] = "lan.dll";

// The mouse.
inline constexpr uint16_t kVendorId = 0x1017;
inline constexpr uint16_t kProductId = 0x2001;

// The device library's backend setting (beside the DLL) and its virtual mouse.
inline constexpr char kDeviceLibrarySettings[] = "hiddriver.ini";
inline constexpr char kVirtualMouseTitle[] = "Osprey Virtual Mouse";
inline constexpr char kVirtualLinkMapping[] = "Vantel_Kestrel_Gaming_Mouse_Normal_Virtual_Link";

}  // namespace names

// Messages between the programs (application range).
enum : unsigned {
  MSG_APPLY = 1224,               // Option -> Monitor (sent) and -> applets (posted)
  MSG_RELOAD_ALL = 1254,          // any -> Option: full reload
  MSG_PROFILE_CHANGED = 1255,     // Monitor -> Option
  MSG_APPLY_DONE = 1256,          // Monitor -> Option
  MSG_DEVICE_CHANGED = 1257,      // Monitor -> Option: level, sensitivity, rate or profile
  MSG_OPTION_IGNORED = 1258,      // accepted and ignored by Option
  MSG_COPY_BLOCK = 1226,          // any -> Monitor: copy the shared block in
  MSG_COPY_BLOCK_APPLY = 1227,    // any -> Monitor: copy in, apply system settings
  MSG_MONITOR_IGNORED = 1274,     // accepted and ignored by Monitor
  MSG_OVERLAY_SHOW = 1324,        // Monitor -> notice window
  MSG_OVERLAY_SETTINGS = 1326,    // Monitor -> notice window
  MSG_DEVICE_EVENT = 1325,        // device library -> Monitor: wParam type, lParam value
  MSG_DEVICE_CHANGE = 1326,       // device library -> Monitor: wParam 1 arrived, 0 removed
  MSG_TRAY_NOTIFY = 1036,         // tray icon callback of Monitor
  MSG_PLAY_MACRO = 1648,          // thread message to MacroThread
  MSG_TRANSFER = 1649,            // thread message to CTransferThread
  MSG_TRANSFER_DONE = 1650,       // CTransferThread -> Monitor's window: wParam kind, lParam result
  MSG_FOREGROUND_CHANGED = 1651,  // foreground hook -> Monitor's window: lParam event time (ms)
};

// wParam of MSG_TRANSFER.
enum : unsigned { TRANSFER_CHANGES = 1, TRANSFER_FULL = 2, TRANSFER_PROFILE_ONLY = 3 };

// wParam of MSG_OVERLAY_SHOW.
enum : unsigned { OVERLAY_PROFILE = 40, OVERLAY_TEXT = 50, OVERLAY_MACRO = 70 };

// Commands of Monitor's window (tray menu, second instance).
enum : unsigned { CMD_OPEN_OPTION = 6001, CMD_EXIT_MONITOR = 6002 };

// Monitor's timers.
enum : unsigned {
  TIMER_VOLUME_REPEAT = 101,   // 300 ms
  TIMER_KEY_REPEAT = 102,      // 1000 ms, then 100 ms
  TIMER_AUTO_SWITCH = 500,     // 10 s: safety net behind the foreground hook
  TIMER_FIRST_TRANSFER = 502,  // 200 ms, once
  TIMER_FOREGROUND_SETTLE = 503,  // once: the foreground has settled, choose the profile
};
inline constexpr unsigned kTrayIconId = 102;
