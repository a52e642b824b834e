#include "monitor/service/desktop_actions_win32.h"

#include <shellapi.h>

#include "monitor/service/button_actions.h"
#include "monitor/service/input_key_table.h"
#include "monitor/service/input_sink_win32.h"
#include "monitor/service/macro_waiter_win32.h"
#include "monitor/service/media_desktop_win32.h"
#include "settings/system_names.h"
#include "settings/system_path_win32.h"
#include "wingui/message_thread_win32.h"

namespace {
constexpr SIZE_T kMacroThreadStack = 4096;

class CWindowTimers final : public CActionTimers {
 public:
  explicit CWindowTimers(HWND window) : window_(window) {}
  void Start(unsigned id, unsigned ms) override { SetTimer(window_, id, ms, nullptr); }
  void Stop(unsigned id) override { KillTimer(window_, id); }

 private:
  HWND window_;
};

// CMacroThread: plays the staged macro on MSG_PLAY_MACRO; ends on WM_QUIT,
// after a macro still playing.
class CMacroThread final : public CActionLauncher {
 public:
  explicit CMacroThread(CMacroPlayer& player) {
    thread_.Start(
        [&player](const MSG& msg) {
          if (msg.message == MSG_PLAY_MACRO) player.PlayStaged();
        },
        kMacroThreadStack);
  }

  void Open(const std::string& path) override {
    // The button's program field holds ANSI text.
    ShellExecuteW(nullptr, L"open", PathFromAnsi(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }
  bool PlayMacro() override { return thread_.Post(MSG_PLAY_MACRO); }

 private:
  CMessageThread thread_;
};

class CDesktopActions final : public CHostActions {
 public:
  CDesktopActions(const ProfileSet& set, HWND window)
      : timers_(window),
        media_desktop_(window),
        keys_(input_, table_, timers_),
        player_(input_, table_, waiter_,
                [](const std::string& t) { OutputDebugStringA(t.c_str()); }),
        media_(media_desktop_),
        thread_(player_),
        actions_(set, keys_, player_, media_, thread_) {}
  // A macro still playing is stopped (releasing what it holds) rather than
  // keeping Monitor from ending; keys held on buttons come up, as no release
  // will reach them any more.
  ~CDesktopActions() override {
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
  CInputWin32 input_;
  CKeyTableTranslator table_;
  CWindowTimers timers_;
  CMacroWaiterWin32 waiter_;
  CMediaDesktopWin32 media_desktop_;
  CKeyActions keys_;
  CMacroPlayer player_;
  CMediaPlayers media_;
  CMacroThread thread_;
  CButtonActions actions_;
};
}  // namespace

std::unique_ptr<CHostActions> CreateDesktopActions(const ProfileSet& set, HWND window) {
  return std::make_unique<CDesktopActions>(set, window);
}
