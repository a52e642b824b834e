// The backend for the real mouse through the Windows HID API. Report layouts
// (report id 0 first on the wire, padded to the collection's declared length):
//   feature report  9 bytes or more: 0, then the 8 command bytes
//   output report  65 bytes or more: 0, then the 64 packet bytes
//   input report    see input_report.h (type, value)
// The mouse may expose several HID collections: the feature device is the
// first one with feature reports of 9 bytes or more, the report device the
// first with output reports of 65 bytes or more, and events are read from the
// first with input reports. Arrival and removal come from device-interface
// notifications on a window of the library's own thread.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "hiddriver/device_backend.h"
#include "wingui/handles_win32.h"
#include "wingui/message_thread_win32.h"
#include "wingui/window_win32.h"

class CHidBackend : public CDeviceBackend {
 public:
  ~CHidBackend() override;
  void SetVidPid(std::uint16_t vendorId, std::uint16_t productId) override;
  int OpenMonitor(void* window, unsigned reportMessage, unsigned changeMessage) override;
  int CloseMonitor() override;
  int OpenFeature() override;
  int CloseFeature() override;
  int SetFeature(const std::uint8_t* bytes, int length) override;
  int GetFeature(std::uint8_t* bytes, int length) override;
  int OpenReport() override;
  int CloseReport() override;
  int WriteUSB(const std::uint8_t* bytes, int length) override;

  // For the notification window: does a device path name our mouse?
  bool IsOurDevice(const char* path) const;
  void PostChange(bool arrived) const;

 private:
  // Receives the device-interface notifications on the notifier thread.
  class CNotifyWnd final : public CWindow {
   public:
    explicit CNotifyWnd(CHidBackend& backend) : backend_(backend) {}
    bool Create();

   protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

   private:
    // lp: the DEV_BROADCAST_HDR of the change.
    void OnDeviceChange(bool arrived, LPARAM lp);
    CHidBackend& backend_;
    HDEVNOTIFY notify_ = nullptr;
  };

  enum class Want { Feature, Output, Input };
  struct Collection {
    CHandle device;
    USHORT reportLength = 0;  // declared length of the wanted reports
  };
  Collection OpenCollection(Want want, bool overlapped) const;
  void ReadLoop();
  void StopReader();

  std::atomic<std::uint16_t> vendor_{0}, product_{0};
  std::atomic<HWND> target_{nullptr};
  std::atomic<unsigned> reportMessage_{0}, changeMessage_{0};

  std::mutex lock_;  // the handles below, between window and transfer threads
  CHandle feature_;
  USHORT featureLength_ = 0;
  CHandle output_;
  USHORT outputLength_ = 0;
  CHandle input_;
  CHandle stopRead_;
  std::thread reader_;

  CNotifyWnd notifyWindow_{*this};  // made and destroyed on notifier_
  CMessageThread notifier_;
};
