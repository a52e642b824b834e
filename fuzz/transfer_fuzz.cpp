// A full transfer of any record the shared block may hold: every encoder must
// stay inside its blocks whatever the fields contain.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "monitor/device/transfer.h"
#include "settings/profile_set.h"
#include "settings/system_names.h"

namespace {

class CNullSink final : public CReportSink {
 public:
  void SetFeature(const std::uint8_t* bytes, std::size_t length) override { Touch(bytes, length); }
  void WriteUSB(const std::uint8_t* bytes, std::size_t length) override { Touch(bytes, length); }

 private:
  void Touch(const std::uint8_t* bytes, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) sum_ += bytes[i];
  }
  unsigned sum_ = 0;
};

class CNoWait final : public CTransferWait {
 public:
  void Wait(int, const std::atomic<bool>&) override {}
  void Wake() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  auto set = std::make_unique<ProfileSet>();
  std::memset(set.get(), 0, sizeof *set);
  // The first byte picks the kind; the rest fills the record, repeated.
  const unsigned kind = data[0] % 4;
  auto* bytes = reinterpret_cast<std::uint8_t*>(set.get());
  if (size > 1) {
    for (std::size_t i = 0; i < sizeof *set; ++i) bytes[i] = data[1 + i % (size - 1)];
  }
  CNullSink sink;
  CNoWait wait;
  auto transfer = std::make_unique<CTransfer>(sink, wait);
  transfer->Run(kind, *set);
  return 0;
}
