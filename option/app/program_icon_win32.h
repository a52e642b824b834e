// The main window's large and small icons from the program's icon resource.
#pragma once

#include <windows.h>

void SetProgramIcons(HWND window);
