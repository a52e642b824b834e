// Moving a finished temporary file over a settings file in one step, so that
// readers see either the old or the new file, never a part of one.
#pragma once

#include <filesystem>

// Renames from to to, replacing an existing to. false (and nothing changed)
// when the move fails.
bool ReplaceFileWith(const std::filesystem::path& from, const std::filesystem::path& to);
