#include "option/skin/skin_font_win32.h"

HFONT CreateSkinTextFont() {
  return CreateFontA(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                     "Arial");
}
