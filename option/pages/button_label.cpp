#include "option/pages/button_label.h"

#include <cstring>

int FunctionCaptionId(int code) {
  if (code >= 1 && code <= 4) return 1004 + code;         // 1005..1008
  if (code == 0 || code == 6) return 1010;                // nothing assigned
  if (code >= 7 && code <= 12) return 1004 + code;        // 1011..1016
  if (code >= 13 && code <= 15) return 1005 + code;       // 1018..1020
  if (code >= 18 && code <= 20) return 1006 + code;       // 1024..1026
  if (code >= 21 && code <= 24) return 1006 + code;       // 1027..1030
  if (code >= 25 && code <= 32) return 1007 + code;       // 1032..1039
  if (code >= 33 && code <= 44) return 1008 + code;       // 1041..1052
  if (code == 86) return 1076;
  return 0;
}

std::string FileNameOfPath(const std::string& path) {
  const size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ButtonLabel(const MacroKeyInfo& slot, const CaptionLookup& caption,
                        const CKeyboardLayout& layout) {
  switch (slot.function) {
    case kFunctionKey:
      if (slot.count == 0) return "";
      return CombinationLabel(slot.data[1], slot.data[0], layout);
    case kFunctionMacro:
      return std::string(slot.macroName, strnlen(slot.macroName, sizeof slot.macroName));
    case kFunctionProgram:
      return FileNameOfPath(std::string(slot.program, strnlen(slot.program, sizeof slot.program)));
    default: {
      const int id = FunctionCaptionId(slot.function);
      return id ? caption(id) : "";
    }
  }
}
