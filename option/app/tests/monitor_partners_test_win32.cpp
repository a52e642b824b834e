// Option's link to Monitor when Option was there first: the block that
// Monitor makes later is the one Option's apply fills.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "option/app/option_links_win32.h"
#include "settings/profile_record.h"
#include "settings/system_names.h"
#include "wingui/handles_win32.h"

TEST(MonitorPartnersTest, ABlockMadeAfterOptionStartedTakesTheApply) {
  CMonitorPartners partners;
  ASSERT_FALSE(partners.MonitorRunning());

  // Monitor starts: its mutex and block, as its process makes them.
  CHandle mutex(CreateMutexA(nullptr, FALSE, names::kSharedBlockMutex));
  CHandle mapping(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                     sizeof(ProfileSet), names::kSharedBlockName));
  ASSERT_TRUE(mapping);
  const CMappedView mapped(
      MapViewOfFile(mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(ProfileSet)));
  ASSERT_TRUE(mapped);
  const auto* view = static_cast<const ProfileSet*>(mapped.Get());

  auto applied = std::make_unique<ProfileSet>();
  ClearProfileSet(*applied);
  applied->CurrentProfile = 3;
  partners.WriteSharedBlock(*applied);
  EXPECT_EQ(view->CurrentProfile, 3);
}
