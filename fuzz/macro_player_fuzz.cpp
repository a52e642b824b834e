// Any button record, as it comes from profile files and the shared block,
// played by the macro player and the media players: no crash, no stuck key.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "monitor/service/macro_player.h"
#include "monitor/service/media_players.h"

namespace {
class CCountingInput final : public CInputSink {
 public:
  void Key(uint8_t vk, bool up) override { down[vk] += up ? -1 : 1; }
  void ExtendedKey(uint8_t, bool) override {}
  void MouseButton(uint32_t, uint32_t) override {}
  void Pause(int) override {}
  int down[256] = {};
};

class CIdentityTable final : public CKeyTranslator {
 public:
  uint8_t UsageToVirtualKey(uint8_t usage) const override { return usage; }
};

class CInstantWaiter final : public CMacroWaiter {
 public:
  explicit CInstantWaiter(CMacroPlayer*& player) : player_(player) {}
  void BeginPlayback() override {}
  void EndPlayback() override {}
  // Stops the macro part-way, as a second press would.
  void Wait(int) override {
    if (++waits_ == 7 && player_) player_->Stop();
  }
  void Sleep(int) override {}
  bool Stopped() const { return waits_ >= 7; }
  void Interrupt() override {}
  void ClearInterrupt() override {}

 private:
  CMacroPlayer*& player_;
  int waits_ = 0;
};

class CFuzzDesktop final : public CMediaDesktop {
 public:
  explicit CFuzzDesktop(std::string value) : value_(std::move(value)) {}
  std::optional<std::string> ReadRegistry(const char*, const char*) override { return value_; }
  std::string ExpandEnvironment(const std::string& t) override { return t; }
  void Launch(const std::string&) override {}
  Window FindPlayerWindow(const char*, const char*) override { return 1; }
  void BringToForeground(Window) override {}
  void Send(Window, unsigned, uintptr_t, intptr_t) override {}
  void Post(Window, unsigned, uintptr_t, intptr_t) override {}
  void PostAppCommand(int) override {}
  void Pause(int) override {}

 private:
  std::string value_;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MacroKeyInfo button{};
  std::memcpy(&button, data, std::min(size, sizeof button));
  button.function = kFunctionMacro;
  // Long pauses only cost time here; keep the repeat count small.
  button.repeat = static_cast<int32_t>(static_cast<uint32_t>(button.repeat) % 4);

  CCountingInput input;
  CIdentityTable table;
  CMacroPlayer* stopper = nullptr;
  CInstantWaiter waiter(stopper);
  CMacroPlayer player(input, table, waiter, [](const std::string&) {});
  stopper = &player;
  if (player.Stage(button)) player.PlayStaged();
  // A stopped macro leaves nothing down that it pressed.
  if (waiter.Stopped()) {
    for (int count : input.down) {
      if (count > 0) std::abort();
    }
  }

  CFuzzDesktop desktop(
      size > sizeof button
          ? std::string(reinterpret_cast<const char*>(data) + sizeof button, size - sizeof button)
          : std::string());
  CMediaPlayers media(desktop);
  for (int p = -1; p < 5; ++p) {
    media.Start(p);
    for (int f = MEDIA_START; f <= MEDIA_STOP; ++f) media.Command(p, f);
  }
  return 0;
}
