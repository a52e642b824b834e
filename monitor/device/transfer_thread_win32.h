// CTransferThread: Monitor's worker that takes MSG_TRANSFER thread messages
// and runs one transfer per message, so transfers never overlap.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>

#include "monitor/device/transfer.h"
#include "monitor/device/transfer_wait.h"
#include "settings/profile_set.h"
#include "wingui/message_thread_win32.h"

class CTransferThread {
 public:
  // Called on the transfer thread after every job (completed, aborted or of
  // an unknown kind) with the wParam it was posted with: Monitor posts the end
  // of an apply from here.
  using Completion = std::function<void(unsigned kind, TransferResult result)>;

  // The sink must outlive the thread. activated is called on the transfer
  // thread when a profile activation has reached the mouse.
  CTransferThread(CReportSink& sink, Completion done, CTransfer::ProfileActivated activated);
  ~CTransferThread();  // Stop()
  CTransferThread(const CTransferThread&) = delete;
  CTransferThread& operator=(const CTransferThread&) = delete;

  // Jobs that arrive while this says the mouse is absent are dropped (and
  // reported as NoDevice). Called on the transfer thread; set before Start.
  void SetAttachedCheck(std::function<bool()> attached) { attached_ = std::move(attached); }

  // Creates the thread (4096-byte stack) and its message queue.
  bool Start();
  // Posts MSG_TRANSFER with wParam kind. The job gets its own copy of set, so
  // the caller may change its record at once. False when the post fails.
  bool Post(unsigned kind, const ProfileSet& set);
  // Ends a running transfer after its current step; nothing when none runs.
  void RequestAbort() { transfer_.RequestAbort(); }
  bool InProgress() const { return transfer_.InProgress(); }
  // Ends the running transfer after its current step (it is reported as
  // Aborted), drops the queued jobs without sending or reporting them, and
  // waits for the thread without a time limit.
  void Stop();

 private:
  void OnMessage(const MSG& msg);

  CClockWait wait_;
  CTransfer transfer_;
  Completion done_;
  std::function<bool()> attached_;
  std::atomic<bool> stopping_{false};  // jobs still queued at shutdown are dropped
  CMessageThread thread_;
};
