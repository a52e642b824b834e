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

// Jobs still queued when the thread ends are dropped, not leaked.
void DropQueuedJobs() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, MSG_TRANSFER, MSG_TRANSFER, PM_REMOVE)) TakeJob(msg);
}

// The mouse's 100 ms pauses need a timer finer than the default 15.6 ms tick.
class CFineTimer {
 public:
  CFineTimer() { timeBeginPeriod(1); }
  ~CFineTimer() { timeEndPeriod(1); }
  CFineTimer(const CFineTimer&) = delete;
  CFineTimer& operator=(const CFineTimer&) = delete;
};

}  // namespace

CTransferThread::CTransferThread(CReportSink& sink, Completion done,
                                 CTransfer::ProfileActivated activated)
    : transfer_(sink, wait_, std::move(activated)), done_(std::move(done)) {}

CTransferThread::~CTransferThread() { Stop(); }

bool CTransferThread::Start() {
  return thread_.Start([this](const MSG& msg) { OnMessage(msg); }, kStackSize, {}, &DropQueuedJobs);
}

bool CTransferThread::Post(unsigned kind, const ProfileSet& set) {
  if (!thread_.Running()) return false;
  Job job = std::make_unique<ProfileSet>(set);
  if (!thread_.Post(MSG_TRANSFER, kind, reinterpret_cast<LPARAM>(job.get()))) return false;
  job.release();  // the thread's queue owns it now
  return true;
}

void CTransferThread::Stop() {
  if (!thread_.Running()) return;
  // Shutdown must not wait for transfers queued behind the running one.
  stopping_ = true;
  RequestAbort();
  thread_.Stop();
}

void CTransferThread::OnMessage(const MSG& msg) {
  if (msg.message != MSG_TRANSFER) return;
  const Job job = TakeJob(msg);
  // Stopping drops the jobs queued behind the running one unsent and
  // unreported: their owner is going away and waits for none of them.
  if (!job || stopping_) return;
  const auto kind = static_cast<unsigned>(msg.wParam);
  TransferResult result;
  if (kind == TRANSFER_FULL && FullTransferQueued()) {
    result = TransferResult::Aborted;
  } else {
    CFineTimer fine;
    result = transfer_.Run(kind, *job, attached_);
  }
  if (done_) done_(kind, result);
}
