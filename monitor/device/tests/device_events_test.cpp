#include "monitor/device/device_events.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records each call as a short text so that tests compare whole sequences.
class CRecordingSink : public CDeviceEventSink {
 public:
  std::vector<std::string> calls;
  void OnDeviceArrival() override { calls.push_back("arrival"); }
  void OnDeviceRemoval() override { calls.push_back("removal"); }
  void OnHorizontalScroll(int d) override { calls.push_back("scroll " + std::to_string(d)); }
  void OnDevicePollingRate(int r) override { calls.push_back("rate " + std::to_string(r)); }
  void OnDeviceProfile(int p) override { calls.push_back("profile " + std::to_string(p)); }
  void OnHostButton(int b, bool pressed, bool notice) override {
    calls.push_back("button " + std::to_string(b) + (pressed ? " down" : " up") +
                    (notice ? " notice" : ""));
  }
  void OnRunProgram(int b) override { calls.push_back("run " + std::to_string(b)); }
  void OnOpenOption() override { calls.push_back("option"); }
  void OnDeviceLevel(int l) override { calls.push_back("level " + std::to_string(l)); }
  void OnDeviceSensitivity(int x, int y) override {
    calls.push_back("sens " + std::to_string(x) + " " + std::to_string(y));
  }
  void OnTraceOnly() override { calls.push_back("trace"); }
  void OnMultimedia(int f, bool pressed) override {
    calls.push_back("media " + std::to_string(f) + (pressed ? " down" : " up"));
  }
};

std::vector<std::string> Dispatch(uint32_t type, uint32_t value, int state = kDeviceAttached) {
  CRecordingSink sink;
  DispatchDeviceEvent((type << 16) | value, state, sink);
  return sink.calls;
}

using V = std::vector<std::string>;

TEST(DeviceEventWord, BuiltFromTheTwoLibraryMessages) {
  EXPECT_EQ(EventWordFromChange(1), 0x7F000001u);
  EXPECT_EQ(EventWordFromChange(0), 0x7F000002u);
  EXPECT_EQ(EventWordFromChange(5), 0x7F000000u);
  EXPECT_EQ(EventWordFromReport(0x12340700, 0xABCD0003), 0x07000003u);
}

TEST(DeviceEventDispatch, ArrivalAndRemovalFollowTheState) {
  EXPECT_EQ(Dispatch(0x7F00, 1, kDeviceNotFound), V{"arrival"});
  EXPECT_EQ(Dispatch(0x7F00, 1, kDeviceRemoved), V{"arrival"});
  EXPECT_EQ(Dispatch(0x7F00, 1, kDeviceAttached), V{});
  EXPECT_EQ(Dispatch(0x7F00, 2, kDeviceAttached), V{"removal"});
  EXPECT_EQ(Dispatch(0x7F00, 2, kDeviceNotFound), V{"removal"});
  EXPECT_EQ(Dispatch(0x7F00, 2, kDeviceRemoved), V{});
  EXPECT_EQ(Dispatch(0x7F00, 0), V{});
}

TEST(DeviceEventDispatch, ScrollDirections) {
  EXPECT_EQ(Dispatch(0x1000, 1), V{"scroll -1"});
  EXPECT_EQ(Dispatch(0x1000, 0xFF), V{"scroll 1"});
  EXPECT_EQ(Dispatch(0x1000, 2), V{});
}

TEST(DeviceEventDispatch, PollingRateOnlyForIntervalsTheMouseIsGiven) {
  EXPECT_EQ(Dispatch(0x01F2, 8), V{"rate 0"});
  EXPECT_EQ(Dispatch(0x01F2, 4), V{"rate 1"});
  EXPECT_EQ(Dispatch(0x01F2, 2), V{"rate 2"});
  EXPECT_EQ(Dispatch(0x01F2, 1), V{"rate 3"});
  for (uint32_t v : {0u, 3u, 5u, 6u, 7u, 9u}) EXPECT_EQ(Dispatch(0x01F2, v), V{}) << v;
}

TEST(DeviceEventDispatch, ProfileSwitchAnyTypeOfTheRange) {
  EXPECT_EQ(Dispatch(0x0800, 1), V{"profile 0"});
  EXPECT_EQ(Dispatch(0x08FF, 5), V{"profile 4"});
  EXPECT_EQ(Dispatch(0x0800, 6), V{});
  EXPECT_EQ(Dispatch(0x0800, 0), V{});
}

TEST(DeviceEventDispatch, HostButtonsProgramsAndOption) {
  EXPECT_EQ(Dispatch(0x4000, 0x0003), V{"button 3 down notice"});
  EXPECT_EQ(Dispatch(0x4000, 0x0103), V{"button 3 up notice"});
  EXPECT_EQ(Dispatch(0x5000, 0x0010), V{"button 16 down"});
  EXPECT_EQ(Dispatch(0x4000, 0x0011), V{});
  EXPECT_EQ(Dispatch(0x4000, 0x0000), V{});
  EXPECT_EQ(Dispatch(0x000A, 0x0002), V{"run 2"});
  EXPECT_EQ(Dispatch(0x000A, 0x0102), V{});
  EXPECT_EQ(Dispatch(0x00A0, 0x1234), V{"option"});
}

TEST(DeviceEventDispatch, LevelSensitivityTraceAndMedia) {
  EXPECT_EQ(Dispatch(0x0700, 1), V{"level 1"});
  EXPECT_EQ(Dispatch(0x07FF, 8), V{"level 8"});
  EXPECT_EQ(Dispatch(0x0700, 9), V{});
  EXPECT_EQ(Dispatch(0xC000, 0x0A00), V{"sens -1 10"});
  EXPECT_EQ(Dispatch(0xC000, 0x0514), V{"sens 20 5"});
  EXPECT_EQ(Dispatch(0xC000, 0x1500), V{});
  EXPECT_EQ(Dispatch(0xE000, 4), V{"trace"});
  EXPECT_EQ(Dispatch(0xE000, 9), V{});
  EXPECT_EQ(Dispatch(0xF000, 0x0020), V{"media 32 down"});
  EXPECT_EQ(Dispatch(0xF000, 0x0127), V{"media 39 up"});
  EXPECT_EQ(Dispatch(0xF000, 0x0028), V{});
}

TEST(DeviceEventDispatch, UnknownTypesAreIgnoredQuietly) {
  CRecordingSink sink;
  for (uint32_t type : {0x0000u, 0x0100u, 0x0900u, 0x6000u, 0xFFFFu})
    EXPECT_FALSE(DispatchDeviceEvent((type << 16) | 1, kDeviceAttached, sink));
  EXPECT_TRUE(sink.calls.empty());
}

}  // namespace
