#include "monitor/device/transfer_thread_win32.h"

#include <mmsystem.h>

#include <memory>

#include "settings/system_names.h"

namespace {

constexpr SIZE_T kStackSize = 4096;

// A job owns its copy of the settings from the post until the thread ran it.
using Job = std::unique_ptr<ProfileSet>;

Job TakeJob(const MSG& msg) { return Job(reinterpret_cast<ProfileSet*>(msg.lParam)); }

// A full transfer with another one queued behind it would only be overwritten:
// a mouse plugged in and out several times gets one full transfer, not many.
bool FullTransferQueued() {
  MSG next;
  return PeekMessageA(&next, nullptr, MSG_TRANSFER, MSG_TRANSFER, PM_NOREMOVE) &&
         next.wParam == TRANSFER_FULL;
}

// The mouse's 100 ms pauses need a timer finer than the default 15.6 ms tick.
class FineTimer {
 public:
  FineTimer() { timeBeginPeriod(1); }
  ~FineTimer() { timeEndPeriod(1); }
  FineTimer(const FineTimer&) = delete;
  FineTimer& operator=(const FineTimer&) = delete;
};

}  // namespace

TransferThread::TransferThread(ReportSink& sink, Completion done,
                               Transfer::ProfileActivated activated)
    : transfer_(sink, wait_, std::move(activated)), done_(std::move(done)) {}

TransferThread::~TransferThread() { Stop(); }

bool TransferThread::Start() {
  if (thread_) return true;
  ready_ = UniqueHandle(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!ready_) return false;
  thread_ = UniqueHandle(
      CreateThread(nullptr, kStackSize, &TransferThread::ThreadMain, this, 0, &threadId_));
  if (thread_) {
    const HANDLE waits[] = {ready_.get(), thread_.get()};
    WaitForMultipleObjects(2, waits, FALSE, INFINITE);
  }
  ready_.Reset();
  return static_cast<bool>(thread_);
}

bool TransferThread::Post(unsigned kind, const ProfileSet& set) {
  if (!thread_) return false;
  Job job = std::make_unique<ProfileSet>(set);
  if (!PostThreadMessageA(threadId_, MSG_TRANSFER, kind, reinterpret_cast<LPARAM>(job.get()))) {
    return false;
  }
  job.release();  // the thread's queue owns it now
  return true;
}

void TransferThread::Stop() {
  if (!thread_) return;
  // Shutdown must not wait for transfers queued behind the running one.
  stopping_ = true;
  RequestAbort();
  PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
  WaitForSingleObject(thread_.get(), INFINITE);
  thread_.Reset();
  threadId_ = 0;
}

DWORD WINAPI TransferThread::ThreadMain(LPVOID self) {
  static_cast<TransferThread*>(self)->RunLoop();
  return 0;
}

void TransferThread::RunLoop() {
  MSG msg;
  // The queue exists once the thread has peeked at it: only then may Start
  // return and jobs be posted.
  PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  SetEvent(ready_.get());

  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message != MSG_TRANSFER) continue;
    const Job job = TakeJob(msg);
    if (!job) continue;
    const auto kind = static_cast<unsigned>(msg.wParam);
    TransferResult result;
    if (stopping_ || (kind == TRANSFER_FULL && FullTransferQueued())) {
      result = TransferResult::Aborted;
    } else {
      FineTimer fine;
      result = transfer_.Run(kind, *job, attached_);
    }
    if (done_) done_(kind, result);
  }
  // Jobs still queued at the end are dropped, not leaked.
  while (PeekMessageA(&msg, nullptr, MSG_TRANSFER, MSG_TRANSFER, PM_REMOVE)) TakeJob(msg);
}
