// Measures a full transfer of the default profiles with real pauses and
// prints how much longer it takes than the pauses the mouse needs.
// Usage: bench_transfer_overhead [runs]
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "monitor/device/tests/device_fixtures.h"
#include "monitor/device/transfer.h"
#include "settings/system_names.h"

namespace {

class CNullSink final : public CReportSink {
 public:
  void SetFeature(const std::uint8_t*, std::size_t) override { ++reports; }
  void WriteUSB(const std::uint8_t*, std::size_t) override { ++packets; }
  int reports = 0;
  int packets = 0;
};

// The real wait, adding up what the transfer asked for.
class CSummingWait final : public CTransferWait {
 public:
  void Wait(int ms, const std::atomic<bool>& abort) override {
    requestedMs += ms;
    real_.Wait(ms, abort);
  }
  void Wake() override { real_.Wake(); }
  long requestedMs = 0;

 private:
  CClockWait real_;
};

}  // namespace

int main(int argc, char** argv) {
  const int runs = std::max(1, argc > 1 ? std::atoi(argv[1]) : 3);
  const auto set = MakeDefaultSet();
  std::vector<double> overheads;
  for (int i = 0; i < runs; ++i) {
    CNullSink sink;
    CSummingWait wait;
    auto transfer = std::make_unique<CTransfer>(sink, wait);
    const auto start = std::chrono::steady_clock::now();
    const TransferResult result = transfer->Run(TRANSFER_FULL, *set);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    const double overhead = 100.0 * (took.count() - wait.requestedMs) / wait.requestedMs;
    overheads.push_back(overhead);
    std::printf("full transfer: %d reports, %d packets, pauses %ld ms, measured %.1f ms, overhead %.3f %%%s\n",
                sink.reports, sink.packets, wait.requestedMs, took.count(), overhead,
                result == TransferResult::Completed ? "" : " (not completed)");
  }
  std::sort(overheads.begin(), overheads.end());
  const double median = overheads[overheads.size() / 2];
  std::printf("median overhead over %d runs: %.3f %% (target < 2 %%)\n", runs, median);
  return 0;
}
