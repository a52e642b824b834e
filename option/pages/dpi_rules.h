// The DPI page's rules: the X and Y sensitivity and their link, the notices
// of the five level windows, and a colour's bytes.
#pragma once

#include <cstdint>
#include <optional>

#include "settings/profile_set.h"

// The X and Y sensitivity sliders, by control identifier.
enum : int { kSensitivityXSlider = 201, kSensitivityYSlider = 202 };
inline constexpr int kSensitivityMinimum = 1;
inline constexpr int kSensitivityMaximum = 19;

// Stores what the user set on slider 201 (X) or 202 (Y). Returns true when
// the link made the other one follow (both hold the value now).
bool StoreSensitivity(Profile& profile, int slider, int value);
// Stores the link toggle (held down = X and Y apart). Returns true when
// linking them made Y take X's value.
bool StoreSensitivityLink(Profile& profile, bool heldDown);

// A level window's notice to the page (WM_DPI_LEVEL): wParam carries the kind
// in its high 16 bits and a value in its low 16, lParam the window's
// identifier 500 + level.
enum class LevelNotice { InUse = 1, Value = 2, MakeCurrent = 3 };
inline constexpr int kFirstLevelWindowId = 500;
inline constexpr int kLevelSliderId = 300;

uintptr_t EncodeLevelNotice(LevelNotice kind, int value);
// Stores what the notice says. Returns the level made current by it, if any.
std::optional<int> ApplyLevelNotice(Profile& profile, uintptr_t wParam, intptr_t windowId);

// The colour with the red (box 400), green (401) or blue (402) byte replaced;
// other boxes leave it as it is. Colours hold red in the low byte.
inline constexpr int kRedBoxId = 400;
inline constexpr int kGreenBoxId = 401;
inline constexpr int kBlueBoxId = 402;
uint32_t ColourWithPart(uint32_t colour, int boxId, int value);
int ColourPart(uint32_t colour, int boxId);

// A level window's value slider moved to sliderValue while the window shows
// shownValue: the notice to post (and shownValue updated), or none when the
// value stays.
std::optional<uintptr_t> LevelSliderNotice(int& shownValue, int sliderValue);
