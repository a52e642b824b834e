#include "option/pages/dpi_rules.h"

bool StoreSensitivity(Profile& p, int slider, int value) {
  int32_t* own = slider == kSensitivityXSlider ? &p.Sensitivity_X
                 : slider == kSensitivityYSlider ? &p.Sensitivity_Y
                                                 : nullptr;
  if (!own) return false;
  *own = value;
  if (p.XYSynchronous != 0) return false;
  (slider == kSensitivityXSlider ? p.Sensitivity_Y : p.Sensitivity_X) = value;
  return true;
}

bool StoreSensitivityLink(Profile& p, bool heldDown) {
  p.XYSynchronous = heldDown ? 1 : 0;
  if (heldDown || p.Sensitivity_X == p.Sensitivity_Y) return false;
  p.Sensitivity_Y = p.Sensitivity_X;
  return true;
}

uintptr_t EncodeLevelNotice(LevelNotice kind, int value) {
  return (static_cast<uintptr_t>(kind) << 16) + (static_cast<uintptr_t>(value) & 0xFFFF);
}

std::optional<int> ApplyLevelNotice(Profile& p, uintptr_t wParam, intptr_t windowId) {
  const intptr_t level = windowId - kFirstLevelWindowId;
  if (level < 0 || level >= kLevelCount) return std::nullopt;
  const int value = static_cast<int>(wParam & 0xFFFF);
  switch (static_cast<LevelNotice>((wParam >> 16) & 0xFFFF)) {
    case LevelNotice::InUse: p.dpiStepFlag[level] = value; break;
    case LevelNotice::Value: p.CpiLevel_X[level] = value; break;
    case LevelNotice::MakeCurrent:
      p.CpiStep = static_cast<int32_t>(level);
      return static_cast<int>(level);
  }
  return std::nullopt;
}

namespace {
int ShiftOf(int boxId) { return (boxId - kRedBoxId) * 8; }
bool IsColourBox(int boxId) { return boxId >= kRedBoxId && boxId <= kBlueBoxId; }
}  // namespace

uint32_t ColourWithPart(uint32_t colour, int boxId, int value) {
  if (!IsColourBox(boxId)) return colour;
  const int shift = ShiftOf(boxId);
  return (colour & ~(0xFFu << shift)) | ((static_cast<uint32_t>(value) & 0xFFu) << shift);
}

int ColourPart(uint32_t colour, int boxId) {
  return IsColourBox(boxId) ? static_cast<int>((colour >> ShiftOf(boxId)) & 0xFF) : 0;
}

std::optional<uintptr_t> LevelSliderNotice(int& shownValue, int sliderValue) {
  if (sliderValue == shownValue) return std::nullopt;
  shownValue = sliderValue;
  return EncodeLevelNotice(LevelNotice::Value, sliderValue);
}
