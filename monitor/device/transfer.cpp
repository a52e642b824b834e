#include "monitor/device/transfer.h"

#include "monitor/device/settings_block.h"
#include "settings/system_names.h"

namespace {

constexpr int kStepPause = 200;
constexpr int kPacketPause = 100;
constexpr int kButtonTablePause = 100;

bool AnyButtonChanged(const ProfileSet& set, int p) {
  for (int b = 0; b < kButtonCount; ++b) {
    if (set.ButtonChanged[p][b] == 1) return true;
  }
  return false;
}

// Clears the in-progress flag however a job ends.
class CInProgressScope {
 public:
  explicit CInProgressScope(std::atomic<bool>& flag) : flag_(flag) { flag_ = true; }
  ~CInProgressScope() { flag_ = false; }
  CInProgressScope(const CInProgressScope&) = delete;
  CInProgressScope& operator=(const CInProgressScope&) = delete;

 private:
  std::atomic<bool>& flag_;
};

}  // namespace

CTransfer::CTransfer(CReportSink& sink, CTransferWait& wait, ProfileActivated activated)
    : sink_(sink), wait_(wait), activated_(std::move(activated)) {}

TransferResult CTransfer::Run(unsigned kind, const ProfileSet& set,
                              const std::function<bool()>& attached) {
  // In progress first, then the last job's abort forgotten, then the mouse
  // asked for: an unplug either shows in the answer or finds the job running
  // and its abort kept.
  CInProgressScope running(inProgress_);
  abort_ = false;
  if (attached && !attached()) return TransferResult::NoDevice;
  if (abort_) return TransferResult::Aborted;
  switch (kind) {
    case TRANSFER_CHANGES: return SendSettings(set, false);
    case TRANSFER_FULL: return SendSettings(set, true);
    case TRANSFER_PROFILE_ONLY: return ActivateProfile(set);
    default: return TransferResult::UnknownKind;
  }
}

void CTransfer::RequestAbort() {
  if (!inProgress_) return;
  abort_ = true;
  wait_.Wake();
}

void CTransfer::Send(const CommandReport& report) {
  sink_.SetFeature(report.data(), report.size());
}

bool CTransfer::SendBlock(const DeviceBlock& block) {
  sink_.WriteUSB(block.data(), kPacketSize);
  if (!Pause(kPacketPause)) return false;
  sink_.WriteUSB(block.data() + kPacketSize, kPacketSize);
  return Pause(kPacketPause);
}

bool CTransfer::Pause(int ms) {
  if (abort_) return false;
  wait_.Wait(ms, abort_);
  return !abort_;
}

TransferResult CTransfer::SendSettings(const ProfileSet& set, bool full) {
  constexpr auto kAborted = TransferResult::Aborted;
  Send(OpenTransferCommand());
  if (!Pause(kStepPause)) return kAborted;

  for (int p = 0; p < kProfileCount; ++p) {
    if (!full && set.PollingChanged[p] != 1) continue;
    Send(ReportRateCommand(p, set.Profiles[p].PollingRate));
    if (!Pause(kStepPause)) return kAborted;
  }
  for (int p = 0; p < kProfileCount; ++p) {
    if (!full && set.LevelChanged[p] != 1) continue;
    Send(LevelCommand(p, set.Profiles[p].CpiStep));
    if (!Pause(kStepPause)) return kAborted;
  }
  for (int p = 0; p < kProfileCount; ++p) {
    if (!full && set.SettingsChanged[p] != 1) continue;
    Send(SettingsBlockCommand(p));
    if (!SendBlock(BuildSettingsBlock(set.Profiles[p])) || !Pause(kStepPause)) return kAborted;
  }

  staging_.Clear();
  for (int p = 0; p < kProfileCount; ++p) {
    if (!full && !AnyButtonChanged(set, p)) continue;
    if (!SendButtons(set, p)) return kAborted;
  }

  Send(ActivateProfileCommand(set.CurrentProfile));
  return Pause(kStepPause) ? TransferResult::Completed : kAborted;
}

bool CTransfer::SendButtons(const ProfileSet& set, int p) {
  const DeviceBlock table = BuildButtonTable(set.Profiles[p], p, staging_);
  Send(ButtonTableCommand(p));
  if (!SendBlock(table) || !Pause(kButtonTablePause)) return false;
  for (int b = 0; b < kButtonCount; ++b) {
    const int slot = p * kButtonCount + b;
    if (!staging_.present[slot]) continue;
    Send(MacroBlockCommand(slot));
    if (!SendBlock(staging_.blocks[slot])) return false;
  }
  return true;
}

TransferResult CTransfer::ActivateProfile(const ProfileSet& set) {
  Send(ActivateProfileCommand(set.CurrentProfile));
  if (!Pause(kStepPause)) return TransferResult::Aborted;
  if (activated_) activated_(set.CurrentProfile);
  return TransferResult::Completed;
}

TransferResult RunTransfer(CReportSink& sink, const ProfileSet& set, unsigned kind) {
  CClockWait wait;
  CTransfer transfer(sink, wait);
  return transfer.Run(kind, set);
}
