// The lighting page's rules: which effect name, effect button and panel a
// profile shows, what each panel's controls store in the profile, and the
// effect menu's guard against opening again on the click that closed it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "settings/profile_set.h"

// The four effects, by their LightType value; each has a panel of its own.
enum class LightEffect {
  SingleColour = kLightSingleColour,
  Neon = kLightNeon,
  ColourWave = kLightColourWave,
  SevenColours = kLightSevenColours,
};
inline constexpr int kLightEffectCount = 4;

// The panel a LightType shows: its own, single colour for a value outside 0..3.
LightEffect PanelOf(int lightType);
// The effect button held down for a LightType: 0..3, or -1 for none.
int HeldEffectButton(int lightType);
// The language string naming the effect (1072..1075), or 0 (an empty name)
// for a LightType outside 0..3.
int EffectNameId(int lightType);

// The effect menu: items 1001..1004 choose effects 0..3.
inline constexpr unsigned kFirstEffectItem = 1001;
std::optional<int> EffectOfMenuItem(unsigned item);

// A click on the effect button that comes less than 200 ms after its menu
// closed is the click that closed the menu: it must not open it again.
// Times are the system's millisecond ticks, which wrap.
class CEffectMenuGuard {
 public:
  static constexpr uint32_t kQuietMs = 200;
  void MenuClosed(uint32_t nowMs) {
    closedAt_ = nowMs;
    closed_ = true;
  }
  bool MayOpen(uint32_t nowMs) const { return !closed_ || nowMs - closedAt_ >= kQuietMs; }

 private:
  uint32_t closedAt_ = 0;
  bool closed_ = false;
};

// Speeds 1..4; the last one means the custom speed (1..12), whose box is
// enabled only then.
inline constexpr int kLightSpeedMinimum = 1;
inline constexpr int kCustomLightSpeed = 4;
inline constexpr int kCustomSpeedMinimum = 1;
inline constexpr int kCustomSpeedMaximum = 12;
inline bool CustomSpeedEnabled(int speed) { return speed == kCustomLightSpeed; }

// Control identifiers of the panels.
inline constexpr int kLightSpeedSlider = 200;
inline constexpr int kLightIntensitySlider = 201;
inline constexpr int kCustomSpeedBox = 400;

// Where a panel's controls sit in its skin and which profile fields they edit.
struct LightPanelLayout {
  const char* skinFile;
  int speedKey, customSpeedKey;
  int offSwitchKey;    // -1: no off switch (single colour)
  int pairKeys[2];     // the mode, direction or type pair; -1: none (neon)
  int firstColourKey;  // the row of seven colour buttons; -1: none
  int32_t Profile::*speed;
  int32_t Profile::*customSpeed;
  int32_t Profile::*offSwitch;  // null with no off switch
  int32_t Profile::*pair;       // null with no pair
  int pairValues[2];            // what each button of the pair stores
};
const LightPanelLayout& LayoutOf(LightEffect effect);

// The off switch is held down when its field is 1 (lighting off).
bool OffSwitchHeld(const Profile& profile, LightEffect effect);
void StoreOffSwitch(Profile& profile, LightEffect effect, bool held);
// The button of the pair held down for the profile: 0, 1, or -1 for neither.
int HeldPairButton(const Profile& profile, LightEffect effect);
void ChoosePairButton(Profile& profile, LightEffect effect, int button);

// Single colour: the seven colour buttons choose the palette index (0..6)
// of the sensitivity level the profile has current.
inline constexpr int kLightColourCount = 7;
// Stores the colour button's index for the current level; false (nothing
// stored) when the profile's current level is not one of its five.
bool ChooseLevelColour(Profile& profile, int button);
// The colour button showing the level's colour, or -1 (a level outside
// 0..4, or an index no button shows).
int LevelColourButton(const Profile& profile, int level);
