#include "option/skin/skin_state.h"

#include <utility>

namespace {

struct SkinState {
  std::string skinsFolder;
  uintptr_t helpTextWindow = 0;
  std::string helpText;
};

SkinState& State() {
  static SkinState state;
  return state;
}

}  // namespace

std::string SkinsFolderFromProgramPath(std::string_view programPath) {
  const size_t slash = programPath.find_last_of("\\/");
  std::string folder(slash == std::string_view::npos ? std::string_view{}
                                                     : programPath.substr(0, slash + 1));
  return folder + "skins\\";
}

void SetSkinsFolder(std::string folder) { State().skinsFolder = std::move(folder); }
const std::string& SkinsFolder() { return State().skinsFolder; }
std::string SkinPath(std::string_view fileName) { return State().skinsFolder + std::string(fileName); }

void SetHelpTextWindow(uintptr_t window) { State().helpTextWindow = window; }
uintptr_t HelpTextWindow() { return State().helpTextWindow; }

void SetSharedHelpText(std::string text) { State().helpText = std::move(text); }
const std::string& SharedHelpText() { return State().helpText; }
