// The frame painter: every popup menu window of this thread gets a red outer
// line and two dark grey inner lines instead of the system's 3-D border.
// Installed once at start-up, removed at exit.
#pragma once

#include <windows.h>

// Returns the hook (the existing one when already installed).
HHOOK InstallMenuPainter();
void RemoveMenuPainter();
// Whether a menu window is currently taken over.
bool MenuPainterOwns(HWND menuWindow);
