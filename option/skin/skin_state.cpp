#include "option/skin/skin_state.h"

#include <utility>

namespace {

struct SkinState {
  std::filesystem::path skinsFolder;
  std::function<void(const SkinFault&)> faultHandler;
  uintptr_t helpTextWindow = 0;
  std::string helpText;
};

SkinState& State() {
  static SkinState state;
  return state;
}

}  // namespace

void SetSkinsFolder(std::filesystem::path folder) { State().skinsFolder = std::move(folder); }
const std::filesystem::path& SkinsFolder() { return State().skinsFolder; }
std::filesystem::path SkinPath(std::string_view fileName) {
  return State().skinsFolder / std::filesystem::path(fileName);
}

void SetSkinFaultHandler(std::function<void(const SkinFault&)> handler) {
  State().faultHandler = std::move(handler);
}
bool SkinFaultsStopDialogs() { return static_cast<bool>(State().faultHandler); }
void ReportSkinFault(const SkinFault& fault) {
  if (State().faultHandler) State().faultHandler(fault);
}

void SetHelpTextWindow(uintptr_t window) { State().helpTextWindow = window; }
uintptr_t HelpTextWindow() { return State().helpTextWindow; }

void SetSharedHelpText(std::string text) { State().helpText = std::move(text); }
const std::string& SharedHelpText() { return State().helpText; }
