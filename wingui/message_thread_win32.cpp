#include "wingui/message_thread_win32.h"

bool CMessageThread::Start(Handler handler, SIZE_T stackSize, Step first, Step last) {
  if (thread_) return true;
  handler_ = std::move(handler);
  first_ = std::move(first);
  last_ = std::move(last);
  ready_ = CHandle(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!ready_) return false;
  thread_ = CHandle(CreateThread(nullptr, stackSize, &CMessageThread::ThreadMain, this, 0,
                                 &threadId_));
  if (thread_) {
    // A thread that dies before its queue exists must not hang the caller.
    const HANDLE waits[] = {ready_.Get(), thread_.Get()};
    WaitForMultipleObjects(2, waits, FALSE, INFINITE);
  }
  ready_.Reset();
  return static_cast<bool>(thread_);
}

bool CMessageThread::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
  return thread_ && PostThreadMessageA(threadId_, message, wParam, lParam) != FALSE;
}

void CMessageThread::Stop() {
  if (!thread_) return;
  PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
  WaitForSingleObject(thread_.Get(), INFINITE);
  thread_.Reset();
  threadId_ = 0;
}

DWORD WINAPI CMessageThread::ThreadMain(LPVOID self) {
  static_cast<CMessageThread*>(self)->Run();
  return 0;
}

void CMessageThread::Run() {
  MSG msg;
  if (first_) first_();
  // The queue exists once the thread has peeked at it: only then may Start
  // return and jobs be posted.
  PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  SetEvent(ready_.Get());
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.hwnd) DispatchMessageA(&msg);
    else if (handler_) handler_(msg);
  }
  if (last_) last_();
}
