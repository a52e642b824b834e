// CMessageThread: a worker thread with a message queue. Jobs are thread
// messages, handled one at a time in the order they were posted; windows
// made on the thread get their messages there too. WM_QUIT ends it.
//
//   CMessageThread worker;
//   worker.Start([](const MSG& m) { if (m.message == MSG_JOB) DoJob(m.wParam); });
//   worker.Post(MSG_JOB, 7);
//   worker.Stop();  // or let the destructor stop it
#pragma once

#include <windows.h>

#include <functional>

#include "wingui/handles_win32.h"

class CMessageThread {
 public:
  using Handler = std::function<void(const MSG& msg)>;
  using Step = std::function<void()>;

  CMessageThread() = default;
  ~CMessageThread() { Stop(); }
  CMessageThread(const CMessageThread&) = delete;
  CMessageThread& operator=(const CMessageThread&) = delete;

  // Creates the thread and returns once its queue exists, so that nothing
  // posted after is lost. On the thread, first runs before the queue is
  // announced, every thread message (one without a window) goes to handler,
  // and last runs after WM_QUIT. stackSize 0: the program's default.
  bool Start(Handler handler, SIZE_T stackSize = 0, Step first = {}, Step last = {});
  // False when the thread is not running or its queue is full.
  bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // Posts WM_QUIT and waits for the thread without a time limit.
  void Stop();
  bool Running() const { return static_cast<bool>(thread_); }

 private:
  static DWORD WINAPI ThreadMain(LPVOID self);
  void Run();

  Handler handler_;
  Step first_, last_;
  CHandle ready_;
  CHandle thread_;
  DWORD threadId_ = 0;
};
