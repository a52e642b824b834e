#include "option/pages/program_path.h"

#include "settings/profile_set.h"

static_assert(kProgramPathMaxLength + 1 == sizeof(MacroKeyInfo{}.program));

bool FitsProgramField(std::string_view path) {
  return path.size() <= kProgramPathMaxLength && path.find('\0') == std::string_view::npos;
}
