#include "option/pages/profile_fields.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(StoreGameFile, PathThatFitsReplacesTheWholeField) {
  Profile p{};
  std::memset(p.GameFile, 'x', sizeof p.GameFile);
  ASSERT_TRUE(StoreGameFile(p, "C:\\Games\\arena.exe"));
  EXPECT_STREQ(p.GameFile, "C:\\Games\\arena.exe");
  EXPECT_EQ(p.GameFile[sizeof p.GameFile - 1], '\0');  // no stale bytes left behind
}

TEST(StoreGameFile, LongestPathWithItsNulFits) {
  Profile p{};
  const std::string longest(sizeof p.GameFile - 1, 'a');
  ASSERT_TRUE(StoreGameFile(p, longest));
  EXPECT_EQ(std::string(p.GameFile), longest);
}

TEST(StoreGameFile, TooLongPathIsRefusedAndTheFieldKept) {
  Profile p{};
  std::strcpy(p.GameFile, "C:\\old.exe");
  p.DbleClickSpeed = 0x12345678;  // the next field must not be touched
  EXPECT_FALSE(StoreGameFile(p, std::string(sizeof p.GameFile, 'b')));
  EXPECT_STREQ(p.GameFile, "C:\\old.exe");
  EXPECT_EQ(p.DbleClickSpeed, 0x12345678);
}

TEST(StoreGameFile, EmptyPathClearsTheField) {
  Profile p{};
  std::strcpy(p.GameFile, "C:\\old.exe");
  ASSERT_TRUE(StoreGameFile(p, ""));
  EXPECT_STREQ(p.GameFile, "");
}

TEST(StoreProfileName, StoresAndTerminatesEvenWhenTooLong) {
  Profile p{};
  StoreProfileName(p, "Arena");
  EXPECT_STREQ(p.ProFileName, "Arena");
  StoreProfileName(p, std::string(400, 'n'));
  EXPECT_EQ(std::strlen(p.ProFileName), sizeof p.ProFileName - 1);
  StoreProfileName(p, "");
  EXPECT_STREQ(p.ProFileName, "");
}
