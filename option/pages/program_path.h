// The program path a button with the launch function keeps: it lives in the
// slot's 260-byte program field together with its terminating NUL.
#pragma once

#include <string_view>

inline constexpr size_t kProgramPathMaxLength = 259;

// True when the path fits the slot's program field whole.
bool FitsProgramField(std::string_view path);
