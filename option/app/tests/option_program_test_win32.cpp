// Option.exe as a user meets it, without Monitor: one instance, the settings
// from the files, Apply finishing at once, profile selection saved; with its
// skins missing or damaged, a message naming the file, then the end.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "option/skin/placement.h"
#include "settings/ini_file.h"
#include "settings/profile_files.h"
#include "settings/system_names.h"
#include "wingui/process_win32.h"
#include "wingui/window_win32.h"

namespace fs = std::filesystem;

namespace {

fs::path BinFolder() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path();
}

// Every window other programs make, as the system reports them while this
// thread pumps its messages (Wine reports windows made, not shown).
class CWindowWatcher {
 public:
  CWindowWatcher()
      : hook_(SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr,
                              &CWindowWatcher::OnEvent, 0, 0,
                              WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS)) {
    Made().clear();
  }
  ~CWindowWatcher() {
    if (hook_) UnhookWinEvent(hook_);
  }
  CWindowWatcher(const CWindowWatcher&) = delete;
  CWindowWatcher& operator=(const CWindowWatcher&) = delete;

  bool Ok() const { return hook_ != nullptr; }
  // Whether the process made a window (known by its first thread when the
  // window was gone before it was reported).
  static bool MadeBy(DWORD process, DWORD firstThread) {
    return std::any_of(Made().begin(), Made().end(), [&](const Maker& m) {
      return m.process == process || (m.process == 0 && m.thread == firstThread);
    });
  }
  static void Pump(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      PumpMessages();
    }
  }

 private:
  struct Maker {
    DWORD process, thread;
  };
  static std::vector<Maker>& Made() {
    static std::vector<Maker> made;
    return made;
  }
  static void CALLBACK OnEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD thread,
                               DWORD) {
    DWORD process = 0;
    if (object == OBJID_WINDOW && window) {
      GetWindowThreadProcessId(window, &process);
      Made().push_back({process, thread});
    }
  }
  HWINEVENTHOOK hook_;
};

// Waits serving this thread's messages, so that the watcher hears of windows.
template <typename Condition>
bool WaitFor(Condition condition, int milliseconds) {
  for (int waited = 0; waited < milliseconds; waited += 50) {
    if (condition()) return true;
    CWindowWatcher::Pump(50);
  }
  return condition();
}

struct Process {
  CHandle process;
  DWORD firstThread = 0;
  bool Start(const fs::path& program) {
    process = StartProcess(L"\"" + program.native() + L"\"", program.parent_path(), firstThread);
    return static_cast<bool>(process);
  }
  bool MadeAWindow() const { return CWindowWatcher::MadeBy(GetProcessId(process.Get()), firstThread); }
  bool Ended(DWORD ms) const { return WaitForSingleObject(process.Get(), ms) == WAIT_OBJECT_0; }
  ~Process() {
    if (process && !Ended(0)) TerminateProcess(process.Get(), 1);
  }
};

// Clicks the main dialog's control placed at a key of its skin.
void ClickKey(HWND dialog, int key) {
  const std::string value = CIniFile::Load(BinFolder() / "skins" / "skin_main.ini")
                                .GetString("BUTTONPOS", std::to_string(key));
  const Placement p = ParsePlacement(value);
  POINT centre{(p.left + p.right) / 2, (p.top + p.bottom) / 2};
  HWND control = ChildWindowFromPoint(dialog, centre);
  ASSERT_NE(control, dialog) << "no control at key " << key;
  // A press and release inside the button, as the mouse would deliver them.
  const LPARAM inside = MAKELPARAM((p.right - p.left) / 2, (p.bottom - p.top) / 2);
  SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, inside);
  SendMessageA(control, WM_LBUTTONUP, 0, inside);
}

class OptionProgram : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(BinFolder() / "skins" / "skin_main.ini")) << "skins folder missing";
    ASSERT_TRUE(windows_.Ok());
    ASSERT_EQ(FindWindowA(nullptr, names::kMonitorTitle), nullptr);
    fs::remove_all(BinFolder() / "config");
    fs::remove(BinFolder() / "config.ini");
    ASSERT_TRUE(option_.Start(BinFolder() / "Option.exe"));
    ASSERT_TRUE(WaitFor([&] { return (dialog_ = FindWindowA(nullptr, names::kOptionTitle)) != nullptr; }, 20000));
    // The window is found while it is still being built; wait until it shows.
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(dialog_) != FALSE; }, 20000));
  }
  void TearDown() override {
    if (dialog_) PostMessageA(dialog_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(option_.Ended(10000));
  }
  CWindowWatcher windows_;  // from before the first start
  Process option_;
  HWND dialog_ = nullptr;
};

TEST_F(OptionProgram, ASecondStartEndsWithoutAWindow) {
  Process second;
  ASSERT_TRUE(second.Start(BinFolder() / "Option.exe"));
  EXPECT_TRUE(WaitFor([&] { return second.Ended(0); }, 10000));
  CWindowWatcher::Pump(300);  // what it did at its very end
  EXPECT_FALSE(second.MadeAWindow());
  // The watch does hear of another program's windows: the first Option's.
  EXPECT_TRUE(option_.MadeAWindow());
}

TEST_F(OptionProgram, ApplyWithoutMonitorSavesAtOnceAndKeepsTheChosenProfile) {
  ClickKey(dialog_, 7);   // profile 3
  ClickKey(dialog_, 14);  // Apply
  const fs::path config = BinFolder() / "config.ini";
  ASSERT_TRUE(WaitFor(
      [&] { return CIniFile::Load(config).GetInt("Setting", "CurrentProfile", -1) == 2; }, 10000));
  for (int n = 0; n < kProfileCount; ++n) EXPECT_TRUE(fs::exists(ProfileFilePath(BinFolder(), n)));
  // Nothing to wait for: OK and Apply are usable again as soon as Option has
  // handled the click. A message sent to it is answered only after that.
  ASSERT_TRUE(SendMessageTimeoutA(dialog_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr));
  const Placement apply = ParsePlacement(
      CIniFile::Load(BinFolder() / "skins" / "skin_main.ini").GetString("BUTTONPOS", "14"));
  HWND applyButton = ChildWindowFromPoint(dialog_, POINT{(apply.left + apply.right) / 2, (apply.top + apply.bottom) / 2});
  EXPECT_TRUE(IsWindowEnabled(applyButton));
}

TEST_F(OptionProgram, ItsWindowThreadIsASingleThreadedApartment) {
  // The shell and the file dialogs that Option opens need one.
  const HANDLE sta = CreateEventA(nullptr, TRUE, FALSE, "OspreyProbeApartmentSta");
  const HANDLE none = CreateEventA(nullptr, TRUE, FALSE, "OspreyProbeApartmentNone");
  HMODULE probe = LoadLibraryA((BinFolder() / "com_apartment_probe.dll").string().c_str());
  ASSERT_NE(probe, nullptr);
  const auto hookProc = reinterpret_cast<HOOKPROC>(
      reinterpret_cast<void*>(GetProcAddress(probe, "ProbeApartment")));
  HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, hookProc, probe,
                                 GetWindowThreadProcessId(dialog_, nullptr));
  ASSERT_NE(hook, nullptr);
  PostMessageA(dialog_, WM_NULL, 0, 0);
  const HANDLE findings[] = {sta, none};
  EXPECT_EQ(WaitForMultipleObjects(2, findings, FALSE, 10000), WAIT_OBJECT_0);
  UnhookWindowsHookEx(hook);
  FreeLibrary(probe);
  CloseHandle(sta);
  CloseHandle(none);
}

// The text of the message box: its title, then its static texts.
std::wstring MessageText(HWND box) {
  std::wstring text;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM out) {
        wchar_t part[2048] = {};
        GetWindowTextW(child, part, 2048);
        *reinterpret_cast<std::wstring*>(out) += std::wstring(part) + L"\n";
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&text));
  return text;
}

TEST(OptionSkins, AMissingOrDamagedSkinIsNamedAndOptionEnds) {
  const fs::path folder = BinFolder() / "option_skin_fault";
  const fs::path skins = folder / "skins";
  const std::string normal =
      CIniFile::Load(BinFolder() / "skins" / "skin_main.ini").GetString("SCREEN", "Normal");
  ASSERT_FALSE(normal.empty());
  struct Case {
    std::function<void()> damage;
    fs::path named;
    const wchar_t* says;
  } cases[] = {
      {[] {}, skins / "skin_main.ini", L"missing"},
      {[&] {
         fs::copy(BinFolder() / "skins", skins, fs::copy_options::recursive);
         std::ofstream(skins / normal, std::ios::binary | std::ios::trunc) << "no picture";
       },
       skins / normal, L"damaged"},
  };
  for (const Case& c : cases) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const char* file : {"Option.exe", "lan.dll"}) fs::copy_file(BinFolder() / file, folder / file);
    c.damage();
    Process option;
    ASSERT_TRUE(option.Start(folder / "Option.exe"));
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindWindowW(nullptr, names::kOptionFaultTitle)) != nullptr; }, 20000))
        << "no message for " << c.named;
    const std::wstring text = MessageText(box);
    EXPECT_NE(text.find(c.named.native()), std::wstring::npos) << c.named;
    EXPECT_NE(text.find(c.says), std::wstring::npos) << c.named;
    EXPECT_EQ(FindWindowA(nullptr, names::kOptionTitle), nullptr);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(option.Ended(10000)) << "Option still runs after the message about " << c.named;
  }
  fs::remove_all(folder);
}

}  // namespace
