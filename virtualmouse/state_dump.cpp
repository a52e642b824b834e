#include "virtualmouse/state_dump.h"

#include <cstdio>

namespace vmouse {
namespace {

constexpr std::uint8_t kKindMacro = 9;

std::string Format(const char* format, auto... args) {
  char text[160];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

std::string Levels(const std::array<int, kLevels>& levels) {
  std::string line;
  for (int v : levels) line += Format(" %d", v);
  return line;
}

void DumpSettings(std::string& out, const DeviceSettings& s) {
  if (!s.received) {
    out += "  settings none\n";
    return;
  }
  out += Format("  sensitivity %d %d\n", s.sensitivityX, s.sensitivityY);
  out += "  levels" + Levels(s.levels) + "\n";
  out += "  second-levels" + Levels(s.secondLevels) + "\n";
  out += Format("  lighting %d %d %d\n", s.lighting.mode, s.lighting.rate, s.lighting.parameter);
  out += "  colours";
  for (const Rgb& c : s.colours) out += Format(" %02x%02x%02x", c.red, c.green, c.blue);
  out += "\n";
}

void DumpMacro(std::string& out, const DeviceState& state, int slot) {
  if (slot < 1 || slot > kMacroSlots || !state.macros[slot - 1].present) {
    out += Format("    macro %d none\n", slot);
    return;
  }
  const DeviceMacro& m = state.macros[slot - 1];
  out += Format("    macro %d repeat %d:", slot, m.repeat);
  for (const MacroStep& step : m.steps)
    out += Format(" %c%02x/%d", step.press ? '+' : '-', step.code, step.delayMs);
  out += "\n";
}

void DumpButtons(std::string& out, const DeviceState& state, const DeviceProfile& p) {
  if (!p.buttonsReceived) {
    out += "  buttons none\n";
    return;
  }
  for (int b = 0; b < kButtons; ++b) {
    const ButtonCode& c = p.buttons[b];
    out += Format("  button %d %s %02x %02x %02x\n", b + 1, KindName(c[0]).c_str(), c[1], c[2],
                  c[3]);
    if (c[0] == kKindMacro) DumpMacro(out, state, c[2]);
  }
}

}  // namespace

std::string KindName(std::uint8_t kind) {
  static const char* const names[] = {"key",    "mouse", "kind2", "consumer", "func4",  "func5",
                                      "report", "level", "profile", "macro",  "repeat", "func11"};
  if (kind < std::size(names)) return names[kind];
  return Format("kind%d", kind);
}

std::string DumpState(const DeviceState& state, bool plugged, int problems) {
  std::string out;
  out += Format("plugged %d\n", plugged ? 1 : 0);
  out += Format("problems %d\n", problems);
  out += Format("active-profile %d\n", state.activeProfile);
  for (int p = 0; p < kProfiles; ++p) {
    const DeviceProfile& profile = state.profiles[p];
    out += Format("profile %d\n", p + 1);
    out += Format("  interval %d\n", profile.interval);
    out += Format("  level %d\n", profile.level);
    DumpSettings(out, profile.settings);
    DumpButtons(out, state, profile);
  }
  return out;
}

}  // namespace vmouse
