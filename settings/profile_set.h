// The settings record shared byte for byte by Option, Monitor, the shared
// block and (key by key) the profile files. Its layout is an interface: every
// offset is pinned below, integers are little-endian, strings are single-byte
// and NUL-terminated inside their arrays, and nothing in it is a pointer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

inline constexpr int kProfileCount = 5;
inline constexpr int kButtonCount = 16;
inline constexpr int kLevelCount = 5;
inline constexpr int kMacroEventCount = 40;

// Packed, so no member moves; aligned to 4, so every 32-bit field sits on a
// 4-byte boundary wherever a record is placed and can be used in place.
#pragma pack(push, 1)

// One recorded key or mouse-button event: the unit of macros everywhere.
struct MacroEvent {
  uint8_t code;       // keyboard usage, or 240..244 for the mouse buttons
  uint8_t direction;  // 1 press, 2 release
  uint16_t delay;     // pause in ms after the event
};
static_assert(sizeof(MacroEvent) == 4);
static_assert(offsetof(MacroEvent, code) == 0);
static_assert(offsetof(MacroEvent, direction) == 1);
static_assert(offsetof(MacroEvent, delay) == 2);

inline constexpr uint8_t kEventPress = 1;
inline constexpr uint8_t kEventRelease = 2;

// Modifier bits of a key combination (function 5, data byte 1).
inline constexpr uint8_t kModPlainKey = 0x01;  // no modifiers; other bits ignored
inline constexpr uint8_t kModShift = 0x02;
inline constexpr uint8_t kModCtrl = 0x04;
inline constexpr uint8_t kModAlt = 0x08;
inline constexpr uint8_t kModWin = 0x10;

// Function codes that carry data in the button record.
inline constexpr uint8_t kFunctionKey = 5;
inline constexpr uint8_t kFunctionMacro = 16;
inline constexpr uint8_t kFunctionProgram = 17;

// The lighting effects (LightType).
inline constexpr int32_t kLightSingleColour = 0;
inline constexpr int32_t kLightNeon = 1;
inline constexpr int32_t kLightColourWave = 2;
inline constexpr int32_t kLightSevenColours = 3;

// The assignment of one button.
struct alignas(4) MacroKeyInfo {
  uint8_t button;      // the entry's own button number 0..15
  uint8_t function;    // function code
  char macroName[25];  // function 16: at most 24 characters and a NUL
  uint8_t pad0;
  int32_t repeat;      // function 16: repeat count
  int32_t playMode;    // function 16: play mode from the macro chooser
  int16_t count;       // function 16: events in use 0..40; function 5: 1
  uint8_t data[160];   // function 16: 40 MacroEvents; function 5: key usage, modifier bits
  char program[260];   // function 17: program or document to open
  uint8_t pad1[2];
};
static_assert(alignof(MacroKeyInfo) == 4);
static_assert(sizeof(MacroKeyInfo) == 460);
static_assert(offsetof(MacroKeyInfo, button) == 0);
static_assert(offsetof(MacroKeyInfo, function) == 1);
static_assert(offsetof(MacroKeyInfo, macroName) == 2);
static_assert(offsetof(MacroKeyInfo, pad0) == 27);
static_assert(offsetof(MacroKeyInfo, repeat) == 28);
static_assert(offsetof(MacroKeyInfo, playMode) == 32);
static_assert(offsetof(MacroKeyInfo, count) == 36);
static_assert(offsetof(MacroKeyInfo, data) == 38);
static_assert(offsetof(MacroKeyInfo, program) == 198);
static_assert(offsetof(MacroKeyInfo, pad1) == 458);

// The macro events of a button record sit unaligned; copy them in and out.
inline MacroEvent GetMacroEvent(const MacroKeyInfo& k, int i) {
  MacroEvent e;
  std::memcpy(&e, k.data + 4 * i, sizeof e);
  return e;
}
inline void SetMacroEvent(MacroKeyInfo& k, int i, const MacroEvent& e) {
  std::memcpy(k.data + 4 * i, &e, sizeof e);
}

// Every per-profile setting; fields are named after their profile-file keys.
struct alignas(4) Profile {
  char ProFileName[250];
  char GameFile[502];
  int32_t DbleClickSpeed;
  int32_t ScrollWheelSpeed;
  int32_t ScrollWheelFlag;
  int32_t MouseSpeed;
  int32_t Acceleration;
  int32_t AccelerationFlag;
  int32_t TiltSpeed;
  int32_t LightIntensity;
  int32_t BreathSpeed;
  int32_t TimeCloseFlag;
  int32_t MediaOption;
  int32_t HDDKeyboard;
  int32_t Orientation;
  int32_t XYSynchronous;
  int32_t Sensitivity_X;
  int32_t Sensitivity_Y;
  int32_t XYCpiFlag;
  int32_t CpiLevel_X[kLevelCount];
  int32_t CpiLevel_Y[kLevelCount];
  int32_t CpiStep;
  int32_t dpiStepFlag[kLevelCount];
  uint8_t dpiIndicator[kLevelCount];
  uint8_t DpiIndicationType;
  uint8_t pad0[2];
  int32_t PollingRate;
  int32_t LiftSwitch;
  int32_t LiftLevel;
  int32_t LightSwitch;
  int32_t LightType;
  int32_t ColorFlag;
  int32_t ColorOptions[8];  // the array; distinct from the byte fields below
  int32_t ColorChangeMode;
  int32_t BTOption;
  int32_t OTGSpeed;
  uint32_t DPIColor[kLevelCount];  // red in the low byte, then green, blue
  uint8_t BtnConfiguration;
  uint8_t Color1Type;
  uint8_t Color2Type;
  uint8_t LightEffectSwitch1;
  uint8_t LightEffectSwitch2;
  uint8_t LightEffectType1;
  uint8_t LightEffectType2;
  uint8_t ColorOptions1;  // byte field, not ColorOptions[1]
  uint8_t ColorOptions2;  // byte field, not ColorOptions[2]
  uint8_t ColorChangeModeOptions1;
  uint8_t ColorChangeModeOptions2;
  uint8_t FireOrOnToGoStatusIndicatorSetting;
  uint8_t ProfileSwitchIndictor;
  uint8_t pad1[3];
  ::MacroKeyInfo MacroKeyInfo[kButtonCount];
  int32_t XuanCaiDirection;
  int32_t XuanCaiSpeed;
  int32_t XuanCaiSpecielSpeed;
  int32_t NeonSpeed;
  int32_t NeonSpecielSpeed;
  int32_t NeonIntensity;
  int32_t QiSeSpeed;
  int32_t QiSeIntensity;
  int32_t QiSeType;
  int32_t QiSeSpecielSpeed;
  uint32_t ClQiSeColor[7];
  int32_t DanSeSpeed;
  int32_t DanSeSpecielSpeed;
  int32_t DanSeIntensity;
  int32_t DanSeType;
};
static_assert(alignof(Profile) == 4);
static_assert(sizeof(Profile) == 8440);
static_assert(offsetof(Profile, ProFileName) == 0);
static_assert(offsetof(Profile, GameFile) == 250);
static_assert(offsetof(Profile, DbleClickSpeed) == 752);
static_assert(offsetof(Profile, ScrollWheelSpeed) == 756);
static_assert(offsetof(Profile, ScrollWheelFlag) == 760);
static_assert(offsetof(Profile, MouseSpeed) == 764);
static_assert(offsetof(Profile, Acceleration) == 768);
static_assert(offsetof(Profile, AccelerationFlag) == 772);
static_assert(offsetof(Profile, TiltSpeed) == 776);
static_assert(offsetof(Profile, LightIntensity) == 780);
static_assert(offsetof(Profile, BreathSpeed) == 784);
static_assert(offsetof(Profile, TimeCloseFlag) == 788);
static_assert(offsetof(Profile, MediaOption) == 792);
static_assert(offsetof(Profile, HDDKeyboard) == 796);
static_assert(offsetof(Profile, Orientation) == 800);
static_assert(offsetof(Profile, XYSynchronous) == 804);
static_assert(offsetof(Profile, Sensitivity_X) == 808);
static_assert(offsetof(Profile, Sensitivity_Y) == 812);
static_assert(offsetof(Profile, XYCpiFlag) == 816);
static_assert(offsetof(Profile, CpiLevel_X) == 820);
static_assert(offsetof(Profile, CpiLevel_Y) == 840);
static_assert(offsetof(Profile, CpiStep) == 860);
static_assert(offsetof(Profile, dpiStepFlag) == 864);
static_assert(offsetof(Profile, dpiIndicator) == 884);
static_assert(offsetof(Profile, DpiIndicationType) == 889);
static_assert(offsetof(Profile, pad0) == 890);
static_assert(offsetof(Profile, PollingRate) == 892);
static_assert(offsetof(Profile, LiftSwitch) == 896);
static_assert(offsetof(Profile, LiftLevel) == 900);
static_assert(offsetof(Profile, LightSwitch) == 904);
static_assert(offsetof(Profile, LightType) == 908);
static_assert(offsetof(Profile, ColorFlag) == 912);
static_assert(offsetof(Profile, ColorOptions) == 916);
static_assert(offsetof(Profile, ColorChangeMode) == 948);
static_assert(offsetof(Profile, BTOption) == 952);
static_assert(offsetof(Profile, OTGSpeed) == 956);
static_assert(offsetof(Profile, DPIColor) == 960);
static_assert(offsetof(Profile, BtnConfiguration) == 980);
static_assert(offsetof(Profile, Color1Type) == 981);
static_assert(offsetof(Profile, Color2Type) == 982);
static_assert(offsetof(Profile, LightEffectSwitch1) == 983);
static_assert(offsetof(Profile, LightEffectSwitch2) == 984);
static_assert(offsetof(Profile, LightEffectType1) == 985);
static_assert(offsetof(Profile, LightEffectType2) == 986);
static_assert(offsetof(Profile, ColorOptions1) == 987);
static_assert(offsetof(Profile, ColorOptions2) == 988);
static_assert(offsetof(Profile, ColorChangeModeOptions1) == 989);
static_assert(offsetof(Profile, ColorChangeModeOptions2) == 990);
static_assert(offsetof(Profile, FireOrOnToGoStatusIndicatorSetting) == 991);
static_assert(offsetof(Profile, ProfileSwitchIndictor) == 992);
static_assert(offsetof(Profile, pad1) == 993);
static_assert(offsetof(Profile, MacroKeyInfo) == 996);
static_assert(offsetof(Profile, XuanCaiDirection) == 8356);
static_assert(offsetof(Profile, XuanCaiSpeed) == 8360);
static_assert(offsetof(Profile, XuanCaiSpecielSpeed) == 8364);
static_assert(offsetof(Profile, NeonSpeed) == 8368);
static_assert(offsetof(Profile, NeonSpecielSpeed) == 8372);
static_assert(offsetof(Profile, NeonIntensity) == 8376);
static_assert(offsetof(Profile, QiSeSpeed) == 8380);
static_assert(offsetof(Profile, QiSeIntensity) == 8384);
static_assert(offsetof(Profile, QiSeType) == 8388);
static_assert(offsetof(Profile, QiSeSpecielSpeed) == 8392);
static_assert(offsetof(Profile, ClQiSeColor) == 8396);
static_assert(offsetof(Profile, DanSeSpeed) == 8424);
static_assert(offsetof(Profile, DanSeSpecielSpeed) == 8428);
static_assert(offsetof(Profile, DanSeIntensity) == 8432);
static_assert(offsetof(Profile, DanSeType) == 8436);

// The active profile, five profiles, the mouse type and the change flags that
// tell Monitor what to write into the mouse on the next apply.
struct alignas(4) ProfileSet {
  int32_t CurrentProfile;  // 0..4; -1 only in a freshly cleared record
  Profile Profiles[kProfileCount];
  int32_t MouseType;
  int32_t ButtonChanged[kProfileCount][kButtonCount];
  int32_t MiscChanged[kProfileCount];
  int32_t OtgSpeedChanged[kProfileCount];
  int32_t ProfileIndexChanged;
  int32_t PollingChanged[kProfileCount];
  int32_t LevelChanged[kProfileCount];
  int32_t SettingsChanged[kProfileCount];
};
static_assert(alignof(ProfileSet) == 4);
static_assert(sizeof(ProfileSet) == 42632);
static_assert(offsetof(ProfileSet, CurrentProfile) == 0);
static_assert(offsetof(ProfileSet, Profiles) == 4);
static_assert(offsetof(ProfileSet, MouseType) == 42204);
static_assert(offsetof(ProfileSet, ButtonChanged) == 42208);
static_assert(offsetof(ProfileSet, MiscChanged) == 42528);
static_assert(offsetof(ProfileSet, OtgSpeedChanged) == 42548);
static_assert(offsetof(ProfileSet, ProfileIndexChanged) == 42568);
static_assert(offsetof(ProfileSet, PollingChanged) == 42572);
static_assert(offsetof(ProfileSet, LevelChanged) == 42592);
static_assert(offsetof(ProfileSet, SettingsChanged) == 42612);

// Notice and applet settings kept in config.ini ("OverlaySetting"/"config").
struct alignas(4) OverlaySetting {
  int32_t Switches[8];   // [2] profile notices on, [3] macro notices on
  int32_t DisplayHigh;   // passed to the notice window in the high word
  int32_t DisplayLow;    // passed likewise in the low word
  char AppletText1[100];
  int32_t AppletNumber1;  // default 110
  char AppletText2[100];
  char AppletText3[100];
  int32_t AppletNumber2;  // default 5
};
static_assert(alignof(OverlaySetting) == 4);
static_assert(sizeof(OverlaySetting) == 348);
static_assert(offsetof(OverlaySetting, Switches) == 0);
static_assert(offsetof(OverlaySetting, DisplayHigh) == 32);
static_assert(offsetof(OverlaySetting, DisplayLow) == 36);
static_assert(offsetof(OverlaySetting, AppletText1) == 40);
static_assert(offsetof(OverlaySetting, AppletNumber1) == 140);
static_assert(offsetof(OverlaySetting, AppletText2) == 144);
static_assert(offsetof(OverlaySetting, AppletText3) == 244);
static_assert(offsetof(OverlaySetting, AppletNumber2) == 344);

// One stored macro: the unit of the macro store and of .macro files.
struct alignas(4) MacroRecord {
  char name[52];
  int32_t repeat;
  int32_t count;  // 0..40
  MacroEvent events[kMacroEventCount];
};
static_assert(alignof(MacroRecord) == 4);
static_assert(sizeof(MacroRecord) == 220);
static_assert(offsetof(MacroRecord, name) == 0);
static_assert(offsetof(MacroRecord, repeat) == 52);
static_assert(offsetof(MacroRecord, count) == 56);
static_assert(offsetof(MacroRecord, events) == 60);

#pragma pack(pop)
