#include "monitor/service/desktop_actions_win32.h"

#include <shellapi.h>

#include "settings/unique_handle_win32.h"
#include "monitor/service/button_actions.h"
#include "monitor/service/input_key_table.h"
#include "monitor/service/input_sink_win32.h"
#include "monitor/service/macro_waiter_win32.h"
#include "monitor/service/media_desktop_win32.h"
#include "settings/system_names.h"
#include "settings/system_path_win32.h"

namespace {
constexpr SIZE_T kMacroThreadStack = 4096;

class WindowTimers final : public ActionTimers {
 public:
  explicit WindowTimers(HWND window) : window_(window) {}
  void Start(unsigned id, unsigned ms) override { SetTimer(window_, id, ms, nullptr); }
  void Stop(unsigned id) override { KillTimer(window_, id); }

 private:
  HWND window_;
};

// MacroThread: a message loop that plays the staged macro on MSG_PLAY_MACRO
// and ends on WM_QUIT.
class MacroThread final : public ActionLauncher {
 public:
  explicit MacroThread(MacroPlayer& player) : player_(player) {
    UniqueHandle ready(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ready_ = ready.get();
    thread_ = UniqueHandle(CreateThread(nullptr, kMacroThreadStack, &MacroThread::Run, this, 0, &id_));
    // PostThreadMessage needs the thread's queue: wait until it exists.
    if (thread_) WaitForSingleObject(ready.get(), INFINITE);
  }
  ~MacroThread() override {
    if (!thread_) return;
    PostThreadMessageA(id_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_.get(), INFINITE);
  }
  MacroThread(const MacroThread&) = delete;
  MacroThread& operator=(const MacroThread&) = delete;

  void Open(const std::string& path) override {
    // The button's program field holds ANSI text.
    ShellExecuteW(nullptr, L"open", PathFromAnsi(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }
  bool PlayMacro() override {
    return thread_ && PostThreadMessageA(id_, MSG_PLAY_MACRO, 0, 0) != 0;
  }

 private:
  static DWORD WINAPI Run(void* self) {
    auto* thread = static_cast<MacroThread*>(self);
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    SetEvent(thread->ready_);
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
      if (msg.message == MSG_PLAY_MACRO) thread->player_.PlayStaged();
    }
    return 0;
  }

  MacroPlayer& player_;
  HANDLE ready_ = nullptr;
  UniqueHandle thread_;
  DWORD id_ = 0;
};

class DesktopActions final : public HostActions {
 public:
  DesktopActions(const ProfileSet& set, HWND window)
      : timers_(window),
        media_desktop_(window),
        keys_(input_, table_, timers_),
        player_(input_, table_, waiter_, [](const std::string& t) { OutputDebugStringA(t.c_str()); }),
        media_(media_desktop_),
        thread_(player_),
        actions_(set, keys_, player_, media_, thread_) {}
  // A macro still playing is stopped (releasing what it holds) rather than
  // keeping Monitor from ending; keys held on buttons come up, as no release
  // will reach them any more.
  ~DesktopActions() override {
    if (player_.Playing()) player_.Stop();
    actions_.ReleaseHeld();
  }

  void OnButton(int button, bool pressed) override { actions_.OnButton(button, pressed); }
  void OnRunProgram(int button) override { actions_.OnRunProgram(button); }
  void OnMultimedia(int function, bool pressed) override {
    actions_.OnMultimedia(function, pressed);
  }
  void OnTimer(unsigned timerId) override { actions_.OnTimer(timerId); }
  void ReleaseHeld() override { actions_.ReleaseHeld(); }

 private:
  Win32Input input_;
  KeyTableTranslator table_;
  WindowTimers timers_;
  Win32MacroWaiter waiter_;
  Win32MediaDesktop media_desktop_;
  KeyActions keys_;
  MacroPlayer player_;
  MediaPlayers media_;
  MacroThread thread_;
  ButtonActions actions_;
};
}  // namespace

std::unique_ptr<HostActions> CreateDesktopActions(const ProfileSet& set, HWND window) {
  return std::make_unique<DesktopActions>(set, window);
}
