// The Win32 side of the pages' end-to-end tests (pages_e2e_lib.sh and the
// scripts that source it), which click and drag with real X events. One
// command per run:
//   idle                     waits until Option's window thread has handled
//                            everything (at most ten seconds)
//   settled X Y              exit 0 once no window of Option's other than the
//                            one at the screen point holds the mouse capture
//                            (at most ten seconds): a button that keeps it
//                            to follow its hover would take the next click
//   class-at X Y CLASS       exit 0 when the window at the screen point, or
//                            one that holds it, is of the window class
//   text-at X Y OUT          the text of the window at the screen point
//   menu-open [OUT]          exit 0 while a popup menu is on the screen; its
//                            rectangle on the screen
//   profile GMP OUT          the edited fields of the first profile of a file
//   block OUT                the same of the shared block's current profile
//   system OUT               the system mouse settings: registry and live
//   default-profile GMP N LIGHTTYPE
//                            writes the defaults of profile N with that
//                            LightType
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "settings/profile_files.h"
#include "settings/profile_record.h"
#include "settings/shared_block.h"
#include "settings/system_names.h"
#include "wingui/handles_win32.h"

namespace {

void WriteText(const std::filesystem::path& path, const std::string& text) {
  if (std::FILE* file = _wfopen(path.c_str(), L"wb")) {
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
  }
}

int Idle() {
  HWND option = FindWindowA(nullptr, names::kOptionTitle);
  DWORD pid = 0;
  if (!option || !GetWindowThreadProcessId(option, &pid)) return 1;
  const CHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, pid));
  if (!process) return 1;
  return WaitForInputIdle(process.Get(), 10000) == 0 ? 0 : 1;
}

int Settled(int x, int y) {
  HWND option = FindWindowA(nullptr, names::kOptionTitle);
  const DWORD thread = option ? GetWindowThreadProcessId(option, nullptr) : 0;
  if (!thread) return std::printf("no window of Option's\n"), 1;
  for (int i = 0; i < 500; ++i) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(thread, &info))
      return std::printf("Option's thread unreadable (%lu)\n", GetLastError()), 1;
    const HWND at = WindowFromPoint(POINT{x, y});
    // A menu's own loop reads the pointer, whoever holds the capture.
    if ((info.flags & GUI_INMENUMODE) || !info.hwndCapture || info.hwndCapture == at ||
        IsChild(info.hwndCapture, at))
      return 0;
    if (i == 499) {
      char held[64] = {}, under[64] = {};
      GetClassNameA(info.hwndCapture, held, sizeof held);
      GetClassNameA(at, under, sizeof under);
      std::printf("capture: %s, at the point: %s, left button %s\n", held, under,
                  GetAsyncKeyState(VK_LBUTTON) < 0 ? "held" : "up");
    }
    Sleep(20);
  }
  return 1;
}

int TextAt(int x, int y, const std::filesystem::path& out) {
  HWND w = WindowFromPoint(POINT{x, y});
  if (!w) return 1;
  char text[256] = {};
  GetWindowTextA(w, text, sizeof text);
  WriteText(out, std::string(text) + "\n");
  return 0;
}

int MenuOpen(const wchar_t* out) {
  HWND menu = FindWindowA("#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return 1;
  RECT r{};
  GetWindowRect(menu, &r);
  if (out)
    WriteText(out, std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
                       std::to_string(r.bottom) + "\n");
  return 0;
}

int WriteDefaultProfile(const std::filesystem::path& gmp, int n, int lightType) {
  Profile p{};
  SetDefaultProfile(p, n);
  p.LightType = lightType;
  return SaveProfile(p, gmp) == 1 ? 0 : 1;
}

int ClassAt(int x, int y, const std::wstring& wanted) {
  for (HWND w = WindowFromPoint(POINT{x, y}); w; w = GetParent(w)) {
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    if (wanted == name) return 0;
  }
  return 1;
}

std::string Describe(const Profile& p) {
  std::string text;
  auto line = [&](const char* name, const std::string& values) { text += std::string(name) + values + "\n"; };
  auto ints = [](const int32_t* v, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += " " + std::to_string(v[i]);
    return s;
  };
  auto hex = [](const uint32_t* v, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) {
      char one[16];
      std::snprintf(one, sizeof one, " %06x", static_cast<unsigned>(v[i]));
      s += one;
    }
    return s;
  };
  const std::string colours = hex(p.DPIColor, kLevelCount);
  line("levels", ints(p.CpiLevel_X, kLevelCount));
  line("in-use", ints(p.dpiStepFlag, kLevelCount));
  line("current", ints(&p.CpiStep, 1));
  line("colours", colours);
  line("link", ints(&p.XYSynchronous, 1));
  line("sensitivity", ints(&p.Sensitivity_X, 2));
  line("rate", ints(&p.PollingRate, 1));
  line("speed", ints(&p.MouseSpeed, 1));
  line("acceleration", ints(&p.AccelerationFlag, 1) + ints(&p.Acceleration, 1));
  line("wheel", ints(&p.ScrollWheelSpeed, 1) + ints(&p.ScrollWheelFlag, 1));
  line("tilt", ints(&p.TiltSpeed, 1));
  line("double-click", ints(&p.DbleClickSpeed, 1));
  line("light-type", ints(&p.LightType, 1));
  line("single", ints(&p.DanSeType, 1) + ints(&p.DanSeSpeed, 1) + ints(&p.DanSeSpecielSpeed, 1) +
                     ints(&p.DanSeIntensity, 1));
  line("level-colours", ints(p.ColorOptions, 8));
  line("neon", ints(&p.NeonIntensity, 1) + ints(&p.NeonSpeed, 1) + ints(&p.NeonSpecielSpeed, 1));
  line("wave", ints(&p.LightSwitch, 1) + ints(&p.XuanCaiDirection, 1) + ints(&p.XuanCaiSpeed, 1) +
                   ints(&p.XuanCaiSpecielSpeed, 1));
  line("seven", ints(&p.QiSeIntensity, 1) + ints(&p.QiSeType, 1) + ints(&p.QiSeSpeed, 1) +
                    ints(&p.QiSeSpecielSpeed, 1));
  line("seven-colours", hex(p.ClQiSeColor, 7));
  return text;
}

int DescribeFile(const std::filesystem::path& gmp, const std::filesystem::path& out) {
  Profile p{};
  if (LoadProfile(p, gmp) != 1) return 1;
  WriteText(out, Describe(p));
  return 0;
}

int DescribeBlock(const std::filesystem::path& out) {
  static ProfileSet set{};
  if (!OpenSharedBlock() || !ReadSharedBlock(set)) return 1;
  CloseSharedBlock();
  const int current = set.CurrentProfile >= 0 && set.CurrentProfile < kProfileCount ? set.CurrentProfile : 0;
  WriteText(out, "profile " + std::to_string(current) + "\n" + Describe(set.Profiles[current]));
  return 0;
}

std::string RegistryValue(const char* key, const char* value) {
  char data[80] = {};
  DWORD size = sizeof data - 1;
  if (RegGetValueA(HKEY_CURRENT_USER, key, value, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
    return "-";
  return data;
}

int DescribeSystem(const std::filesystem::path& out) {
  const char* mouse = "Control Panel\\Mouse";
  std::string text = "registry double-click " + RegistryValue(mouse, "DoubleClickSpeed") + " speed " +
                     RegistryValue(mouse, "MouseSensitivity") + " acceleration " +
                     RegistryValue(mouse, "MouseSpeed") + " " + RegistryValue(mouse, "MouseThreshold1") + " " +
                     RegistryValue(mouse, "MouseThreshold2") + " wheel " +
                     RegistryValue("Control Panel\\Desktop", "WheelScrollLines") + "\n";
  int speed = 0, acceleration[3] = {};
  UINT lines = 0;
  SystemParametersInfoA(SPI_GETMOUSESPEED, 0, &speed, 0);
  SystemParametersInfoA(SPI_GETMOUSE, 0, acceleration, 0);
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  text += "live double-click " + std::to_string(GetDoubleClickTime()) + " speed " + std::to_string(speed) +
          " acceleration " + std::to_string(acceleration[2]) + " " + std::to_string(acceleration[0]) + " " +
          std::to_string(acceleration[1]) + " wheel " + std::to_string(lines) + "\n";
  WriteText(out, text);
  return 0;
}

}  // namespace

// Wide arguments: the installation folder may be named outside the ANSI code page.
int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"idle") return Idle();
  if (command == L"settled" && argc == 4) return Settled(_wtoi(argv[2]), _wtoi(argv[3]));
  if (command == L"class-at" && argc == 5) return ClassAt(_wtoi(argv[2]), _wtoi(argv[3]), argv[4]);
  if (command == L"text-at" && argc == 5) return TextAt(_wtoi(argv[2]), _wtoi(argv[3]), argv[4]);
  if (command == L"menu-open") return MenuOpen(argc > 2 ? argv[2] : nullptr);
  if (command == L"default-profile" && argc == 5)
    return WriteDefaultProfile(argv[2], _wtoi(argv[3]), _wtoi(argv[4]));
  if (command == L"profile" && argc == 4) return DescribeFile(argv[2], argv[3]);
  if (command == L"block" && argc == 3) return DescribeBlock(argv[2]);
  if (command == L"system" && argc == 3) return DescribeSystem(argv[2]);
  std::fputs("usage: see the top of pages_e2e_helper_win32.cpp\n", stderr);
  return 2;
}
