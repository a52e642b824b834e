#include "virtualmouse/mouse_painter_win32.h"

#include <cstdio>

#include "virtualmouse/state_dump.h"
#include "wingui/gdi_win32.h"

namespace vmouse {
namespace {

constexpr int kLine = 16;
constexpr int kMargin = 8;
constexpr int kSwatch = 12;
constexpr int kButtonsPerLine = 8;

void Text(HDC dc, int x, int y, const std::string& text) {
  TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

std::string Format(const char* format, auto... args) {
  char text[256];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

void Swatch(HDC dc, int x, int y, const Rgb& c) {
  const CBrush brush(CreateSolidBrush(RGB(c.red, c.green, c.blue)));
  RECT r{x, y + 2, x + kSwatch, y + 2 + kSwatch};
  FillRect(dc, &r, brush.Get());
  FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

int PaintProfile(HDC dc, int y, int number, const DeviceProfile& p, bool active) {
  Text(dc, kMargin, y,
       Format("%s Profile %d   interval %d ms   level %d", active ? ">" : " ", number, p.interval,
              p.level));
  y += kLine;
  const DeviceSettings& s = p.settings;
  if (s.received) {
    Text(dc, kMargin + 16, y,
         Format("sensitivity %d/%d   levels %d %d %d %d %d   lighting mode %d rate %d param %d",
                s.sensitivityX, s.sensitivityY, s.levels[0], s.levels[1], s.levels[2],
                s.levels[3], s.levels[4], s.lighting.mode, s.lighting.rate,
                s.lighting.parameter));
    for (int k = 0; k < kColours; ++k) Swatch(dc, 600 + k * (kSwatch + 3), y, s.colours[k]);
  } else {
    Text(dc, kMargin + 16, y, "no settings block yet");
  }
  y += kLine;
  if (p.buttonsReceived) {
    std::string line;
    for (int b = 0; b < kButtons; ++b) {
      line += Format("%d:%s ", b + 1, KindName(p.buttons[b][0]).c_str());
      if ((b + 1) % kButtonsPerLine == 0) {
        Text(dc, kMargin + 16, y, line);
        y += kLine;
        line.clear();
      }
    }
  } else {
    Text(dc, kMargin + 16, y, "no button table yet");
    y += kLine;
  }
  return y + 4;
}

}  // namespace

void PaintMouseState(HDC dc, const RECT& area, const PaintInfo& info) {
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
  SetBkMode(dc, TRANSPARENT);
  int y = kMargin;
  Text(dc, kMargin, y,
       Format("%s   active profile %d   reports %d   problems %d %s",
              info.plugged ? "PLUGGED" : "UNPLUGGED", info.state->activeProfile, info.reports,
              info.problems, info.lastProblem.c_str()));
  y += kLine + 6;
  for (int p = 0; p < kProfiles; ++p)
    y = PaintProfile(dc, y, p + 1, info.state->profiles[p], info.state->activeProfile == p + 1);
  Text(dc, kMargin, y, "Last reports:");
  y += kLine;
  for (const std::string& line : *info.lastReports) {
    Text(dc, kMargin + 16, y, line);
    y += kLine;
  }
}

}  // namespace vmouse
