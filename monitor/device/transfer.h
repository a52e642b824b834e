// One transfer of settings into the mouse: the job of one MSG_TRANSFER
// (TRANSFER_CHANGES, TRANSFER_FULL or TRANSFER_PROFILE_ONLY), sent report by
// report with the pauses the mouse needs, and cut short by an abort.
#pragma once

#include <atomic>
#include <functional>

#include "monitor/device/button_table.h"
#include "monitor/device/device_link.h"
#include "monitor/device/transfer_wait.h"
#include "settings/profile_set.h"

// NoDevice: the job was dropped because the mouse had gone before it started.
enum class TransferResult { Completed, Aborted, UnknownKind, NoDevice };

class CTransfer {
 public:
  // Called at the end of a completed profile activation with the profile
  // (0..4) now active on the mouse; runs on the transferring thread.
  using ProfileActivated = std::function<void(int profile)>;

  CTransfer(CReportSink& sink, CTransferWait& wait, ProfileActivated activated = {});
  CTransfer(const CTransfer&) = delete;
  CTransfer& operator=(const CTransfer&) = delete;

  // Runs one job to its end or to an abort. Only one thread runs jobs.
  // attached (when given) is asked once the job takes aborts: false drops the
  // job (NoDevice), and an abort requested after its answer ends the job
  // before its first report, however soon it comes.
  TransferResult Run(unsigned kind, const ProfileSet& set,
                     const std::function<bool()>& attached = {});

  // From any thread: ends a running job after its current step. Ignored when
  // no job is running.
  void RequestAbort();
  bool InProgress() const { return inProgress_.load(); }

 private:
  TransferResult SendSettings(const ProfileSet& set, bool full);
  TransferResult ActivateProfile(const ProfileSet& set);
  bool SendButtons(const ProfileSet& set, int p);
  void Send(const CommandReport& report);
  // Sends a block as two packets, each followed by 100 ms.
  bool SendBlock(const DeviceBlock& block);
  // False when the transfer must end because of an abort.
  bool Pause(int ms);

  CReportSink& sink_;
  CTransferWait& wait_;
  ProfileActivated activated_;
  std::atomic<bool> abort_{false};
  std::atomic<bool> inProgress_{false};
  MacroStaging staging_;
};

// A whole job against a real clock, for callers without a transfer thread.
TransferResult RunTransfer(CReportSink& sink, const ProfileSet& set, unsigned kind);
