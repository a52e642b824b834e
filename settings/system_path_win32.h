// Paths between the system and the settings records. Paths stay UTF-16 from
// the call that yields them to every file call; only the fixed text fields of
// the records (a button's program, a profile's game) hold them as ANSI text.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <string_view>

// The full path of a loaded module (nullptr: the program's own file), however
// long; empty when it can't be had.
std::filesystem::path ModulePath(HMODULE module);

// ANSI text of a record field as the path it names.
std::filesystem::path PathFromAnsi(std::string_view text);
// A path as ANSI text for a record field: the path itself when every letter
// has an ANSI form, else its short form when that has one; empty when neither.
std::string AnsiFromPath(const std::filesystem::path& path);
