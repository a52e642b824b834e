#include "monitor/device/transfer_thread_win32.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <vector>

#include "device_fixtures.h"
#include "settings/system_names.h"

namespace {

using Clock = std::chrono::steady_clock;

class CCountingSink final : public CReportSink {
 public:
  void SetFeature(const uint8_t* bytes, size_t) override {
    std::lock_guard lock(mutex_);
    commands_.push_back(bytes[0]);
  }
  void WriteUSB(const uint8_t*, size_t) override {}
  std::vector<uint8_t> commands() {
    std::lock_guard lock(mutex_);
    return commands_;
  }

 private:
  std::mutex mutex_;
  std::vector<uint8_t> commands_;
};

// Completions as the window would see them.
class CCompletions {
 public:
  void Add(unsigned kind, TransferResult r) {
    std::lock_guard lock(mutex_);
    done_.push_back({kind, r});
  }
  // Waits until n jobs have completed.
  bool WaitFor(size_t n, std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (done().size() < n) {
      if (Clock::now() > deadline) return false;
      Sleep(1);
    }
    return true;
  }
  std::vector<std::pair<unsigned, TransferResult>> done() {
    std::lock_guard lock(mutex_);
    return done_;
  }

 private:
  std::mutex mutex_;
  std::vector<std::pair<unsigned, TransferResult>> done_;
};

class TransferThreadTest : public ::testing::Test {
 protected:
  CCountingSink sink;
  CCompletions completions;
  std::atomic<int> activatedProfile{-1};
  CTransferThread thread{sink, [this](unsigned k, TransferResult r) { completions.Add(k, r); },
                         [this](int p) { activatedProfile = p; }};
  std::unique_ptr<ProfileSet> set = MakeDefaultSet();
};

TEST_F(TransferThreadTest, RunsPostedJobsInOrderAndReportsEach) {
  ASSERT_TRUE(thread.Start());
  set->CurrentProfile = 2;
  ASSERT_TRUE(thread.Post(TRANSFER_PROFILE_ONLY, *set));
  set->CurrentProfile = 4;  // the job has its own copy
  ASSERT_TRUE(thread.Post(TRANSFER_CHANGES, *set));
  ASSERT_TRUE(completions.WaitFor(2, std::chrono::seconds(5)));
  const auto done = completions.done();
  ASSERT_EQ(done.size(), 2u);
  EXPECT_EQ(done[0], std::make_pair(unsigned{TRANSFER_PROFILE_ONLY}, TransferResult::Completed));
  EXPECT_EQ(done[1], std::make_pair(unsigned{TRANSFER_CHANGES}, TransferResult::Completed));
  EXPECT_EQ(activatedProfile, 2);
  EXPECT_EQ(sink.commands(), (std::vector<uint8_t>{0x02, 0x01, 0x02}));
  thread.Stop();
}

TEST_F(TransferThreadTest, AbortEndsAFullTransferWithinAHundredMilliseconds) {
  ASSERT_TRUE(thread.Start());
  ASSERT_TRUE(thread.Post(TRANSFER_FULL, *set));
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  while (sink.commands().size() < 3 && Clock::now() < deadline) Sleep(5);
  ASSERT_TRUE(thread.InProgress());
  const auto abortAt = Clock::now();
  thread.RequestAbort();
  ASSERT_TRUE(completions.WaitFor(1, std::chrono::seconds(5)));
  EXPECT_LT(Clock::now() - abortAt, std::chrono::milliseconds(100));
  EXPECT_EQ(completions.done().at(0).second, TransferResult::Aborted);
  EXPECT_FALSE(thread.InProgress());
  EXPECT_LT(sink.commands().size(), 6u);
}

TEST_F(TransferThreadTest, JobsArrivingWithoutTheMouseAreDropped) {
  std::atomic<bool> attached{false};
  thread.SetAttachedCheck([&] { return attached.load(); });
  ASSERT_TRUE(thread.Start());
  ASSERT_TRUE(thread.Post(TRANSFER_CHANGES, *set));
  ASSERT_TRUE(completions.WaitFor(1, std::chrono::seconds(5)));
  EXPECT_EQ(completions.done()[0].second, TransferResult::NoDevice);
  EXPECT_TRUE(sink.commands().empty());
  attached = true;
  ASSERT_TRUE(thread.Post(TRANSFER_PROFILE_ONLY, *set));
  ASSERT_TRUE(completions.WaitFor(2, std::chrono::seconds(5)));
  EXPECT_EQ(completions.done()[1].second, TransferResult::Completed);
}

TEST_F(TransferThreadTest, StopEndsTheRunningTransferAndDropsTheQueuedJobs) {
  EXPECT_FALSE(thread.Post(TRANSFER_FULL, *set));
  ASSERT_TRUE(thread.Start());
  ASSERT_TRUE(thread.Post(TRANSFER_FULL, *set));
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  while (sink.commands().size() < 2 && Clock::now() < deadline) Sleep(5);
  ASSERT_TRUE(thread.InProgress());
  ASSERT_TRUE(thread.Post(TRANSFER_PROFILE_ONLY, *set));
  ASSERT_TRUE(thread.Post(TRANSFER_CHANGES, *set));
  thread.Stop();
  // Only the running job is reported, and the mouse got a beginning of it and
  // nothing of the queued jobs (which would begin with 0x02 and 0x01).
  EXPECT_EQ(completions.done(), (std::vector<std::pair<unsigned, TransferResult>>{
                                    {TRANSFER_FULL, TransferResult::Aborted}}));
  CCountingSink whole;
  TransferLog pauses;
  CRecordingWait noWait(pauses);
  ASSERT_EQ(CTransfer(whole, noWait).Run(TRANSFER_FULL, *set), TransferResult::Completed);
  const std::vector<uint8_t> sent = sink.commands(), full = whole.commands();
  ASSERT_LT(sent.size(), full.size());
  EXPECT_EQ(sent, std::vector<uint8_t>(full.begin(), full.begin() + sent.size()));
  EXPECT_FALSE(thread.Post(TRANSFER_CHANGES, *set));
  thread.Stop();  // a second stop is harmless
}

}  // namespace
