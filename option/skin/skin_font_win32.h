// The font the skinned menus, captions and messages are written in.
#pragma once

#include <windows.h>

// 14-pixel Arial; the caller owns the font.
HFONT CreateSkinTextFont();
