// hiddriver.dll as Monitor loads it, with no setting file: the real HID
// backend. Under Wine there is no mouse, so every call must fail quietly.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "hiddriver/hiddriver_api.h"
#include "settings/system_names.h"

namespace {

const char* const kEntryPoints[] = {"Set_VIDPID",         "Open_DevMonitor",    "Close_DevMonitor",
                                    "Open_FeatureDevice", "Close_FeatureDevice", "SetFeature",
                                    "GetFeature",         "Open_ReportDevice",  "Close_ReportDevice",
                                    "WriteUSB",           "ReadUSB"};

class DeviceLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string bin(path);
    bin.resize(bin.find_last_of('\\') + 1);
    // A folder of its own: bin\ may hold a setting that picks the virtual mouse.
    const std::string folder = bin + "hid_backend_test\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    DeleteFileA((folder + names::kDeviceLibrarySettings).c_str());
    ASSERT_TRUE(CopyFileA((bin + names::kDeviceLibrary).c_str(),
                          (folder + names::kDeviceLibrary).c_str(), FALSE));
    module_ = LoadLibraryA((folder + names::kDeviceLibrary).c_str());
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }
  template <typename Fn>
  Fn Get(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }
  HMODULE module_ = nullptr;
};

TEST_F(DeviceLibrary, ExportsTheElevenEntryPointsByName) {
  for (const char* name : kEntryPoints) EXPECT_NE(GetProcAddress(module_, name), nullptr) << name;
}

TEST_F(DeviceLibrary, WithoutAMouseEveryCallFailsQuietly) {
  HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  Get<Set_VIDPID_fn>("Set_VIDPID")(names::kVendorId, names::kProductId);
  EXPECT_EQ(Get<Open_DevMonitor_fn>("Open_DevMonitor")(window, MSG_DEVICE_EVENT, MSG_DEVICE_CHANGE), 1);
  Get<Open_FeatureDevice_fn>("Open_FeatureDevice")();
  EXPECT_EQ(Get<Open_ReportDevice_fn>("Open_ReportDevice")(), 0);
  std::uint8_t bytes[64] = {0x01, 0x88, 0x02, 0, 0, 0, 0, 0x74};
  EXPECT_EQ(Get<SetFeature_fn>("SetFeature")(bytes, 8), 0);
  EXPECT_EQ(Get<WriteUSB_fn>("WriteUSB")(bytes, 64), 0);
  EXPECT_EQ(Get<GetFeature_fn>("GetFeature")(bytes, 8), 0);
  EXPECT_EQ(Get<ReadUSB_fn>("ReadUSB")(bytes, 64), 0);
  EXPECT_EQ(Get<SetFeature_fn>("SetFeature")(nullptr, 8), 0);
  Get<Close_FeatureDevice_fn>("Close_FeatureDevice")();
  Get<Close_ReportDevice_fn>("Close_ReportDevice")();
  EXPECT_EQ(Get<Close_DevMonitor_fn>("Close_DevMonitor")(), 1);
  EXPECT_EQ(Get<Close_DevMonitor_fn>("Close_DevMonitor")(), 0) << "a second close has nothing to close";
  DestroyWindow(window);
}

}  // namespace
