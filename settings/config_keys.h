// The sections and keys of config.ini that Option, Monitor, the notice
// program and the settings library share. Nothing here may be spelled out
// anywhere else.
#pragma once

namespace config {

inline constexpr char kFileName[] = "config.ini";

// The installation's state.
inline constexpr char kSetting[] = "Setting";
inline constexpr char kCurrentProfile[] = "CurrentProfile";
inline constexpr char kMouseType[] = "MouseType";
inline constexpr char kDevice[] = "Device";  // 1 while the mouse is attached
inline constexpr char kFirmwareVersion[] = "FWVersion";

// The stamp of the last apply.
inline constexpr char kApplyStampSection[] = "HidAccessCode";
inline constexpr char kApplyStamp[] = "Code";

// The notice settings record.
inline constexpr char kOverlaySettingSection[] = "OverlaySetting";
inline constexpr char kOverlaySetting[] = "config";

// The texts of the notices: Monitor writes them, the notice program shows them.
inline constexpr char kOverlayDataSection[] = "OverlayData";
inline constexpr char kOverlayMessage[] = "Message";
inline constexpr char kMacroOverlaySection[] = "MacroOverlay";
inline constexpr char kMacroNumber[] = "Number";
inline constexpr char kMacroName[] = "MacroName";

}  // namespace config
