// Programs started by this one: the tests' helpers, the benchmarks' subjects.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include "wingui/handles_win32.h"

// Starts commandLine (the program's path quoted where it holds spaces), in
// folder when one is given; the process, none when it could not start. The
// narrow texts are in the ANSI code page, as CreateProcessA takes them.
CHandle StartProcess(const std::string& commandLine, const std::string& folder = {});
CHandle StartProcess(const std::wstring& commandLine, const std::filesystem::path& folder = {});
// The same, giving also the number of the process's first thread (for a test
// that attributes to it what the system reports by thread).
CHandle StartProcess(const std::wstring& commandLine, const std::filesystem::path& folder,
                     DWORD& firstThread);

// The exit code of process once it has ended, waiting up to timeoutMs; -1
// when it is still running then.
int ExitCodeWithin(HANDLE process, DWORD timeoutMs);
