// The open-file dialog for a program to run, shared by the dialogs that store
// one in a record field.
#pragma once

#include <windows.h>

#include <string>

// Asks for a program, starting on the desktop. The chosen path as ANSI text
// for a record field (its short form when a letter has no ANSI form); empty
// when cancelled or when the path has no ANSI form at all.
std::string BrowseForProgram(HWND owner);
