#include "settings/macro_store.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "settings/ini_file.h"

namespace fs = std::filesystem;

namespace {

MacroRecord Macro(const char* name, int count, int repeat = 1) {
  MacroRecord r{};
  std::memcpy(r.name, name, strnlen(name, sizeof r.name - 1));
  r.repeat = repeat;
  r.count = count;
  for (int i = 0; i < count; ++i)
    r.events[i] = MacroEvent{static_cast<uint8_t>(4 + i), static_cast<uint8_t>(i % 2 + 1),
                             static_cast<uint16_t>(10 * i)};
  return r;
}

MacroKeyInfo Slot(const MacroRecord& r, uint8_t button = 0) {
  MacroKeyInfo k{};
  k.button = button;
  k.function = kFunctionMacro;
  std::memcpy(k.macroName, r.name, strnlen(r.name, sizeof k.macroName - 1));
  k.repeat = r.repeat;
  k.count = static_cast<int16_t>(r.count);
  std::memcpy(k.data, r.events, sizeof k.data);
  return k;
}

std::string Name(const MacroRecord* r) { return r ? std::string(r->name) : "<none>"; }

// An installation folder of its own for each test.
class MacroStoreFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> serial{0};
    folder_ = fs::temp_directory_path() /
              ("macro_store_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + std::to_string(serial++));
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "config");
  }
  void TearDown() override { fs::remove_all(folder_); }

  void WriteStoreText(const std::string& text) {
    std::ofstream(MacroStorePath(folder_), std::ios::binary) << text;
  }

  fs::path folder_;
};

}  // namespace

TEST(MacroNames, CompareCaseInsensitivelyWithoutOuterBlanks) {
  EXPECT_TRUE(SameMacroName("  Fire ", "fIRE"));
  EXPECT_TRUE(SameMacroName("", "   "));
  EXPECT_FALSE(SameMacroName("Fire", "Fire2"));
  EXPECT_FALSE(SameMacroName("Fi re", "Fire"));
  EXPECT_FALSE(SameMacroName("\xC4", "\xE4"));  // only ASCII letters fold
}

TEST(MacroNames, UsableRecordsHaveACountAndATerminatedName) {
  EXPECT_TRUE(IsUsableMacro(Macro("a", 40)));
  MacroRecord r = Macro("a", 0);
  EXPECT_TRUE(IsUsableMacro(r));
  r.count = 41;
  EXPECT_FALSE(IsUsableMacro(r));
  r.count = -1;
  EXPECT_FALSE(IsUsableMacro(r));
  r.count = 1;
  std::memset(r.name, 'x', sizeof r.name);
  EXPECT_FALSE(IsUsableMacro(r));
}

TEST_F(MacroStoreFiles, MissingFileOrCountLoadsEmpty) {
  CMacroStore store;
  store.Create("stale");
  store.Load(folder_);
  EXPECT_EQ(store.Count(), 0);
  for (const char* text : {"[Macros]\r\nnumber=0\r\n", "[Macros]\r\nnumber=-4\r\n",
                           "[Macros]\r\n", "[Other]\r\nnumber=2\r\n"}) {
    WriteStoreText(text);
    store.Load(folder_);
    EXPECT_EQ(store.Count(), 0) << text;
  }
}

TEST_F(MacroStoreFiles, SavedStoreLoadsBackInOrder) {
  CMacroStore store;
  for (int i = 0; i < 5; ++i) {
    const std::string name = "m" + std::to_string(i);
    *store.Get(store.Create(name)) = Macro(name.c_str(), i * 9, i);
  }
  ASSERT_TRUE(store.Save(folder_));
  CMacroStore loaded;
  loaded.Load(folder_);
  ASSERT_EQ(loaded.Count(), 5);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(std::memcmp(loaded.Get(i), store.Get(i), sizeof(MacroRecord)), 0) << i;
  const CIniFile file = CIniFile::Load(MacroStorePath(folder_));
  EXPECT_EQ(file.GetInt("Macros", "number", -1), 5);
  EXPECT_EQ(file.Find("Macros", "4")->size(), 442u);
}

TEST_F(MacroStoreFiles, ShorterListLeavesNoOldKeys) {
  CMacroStore store;
  for (int i = 0; i < 5; ++i) store.Create("m" + std::to_string(i));
  ASSERT_TRUE(store.Save(folder_));
  store.Delete(4);
  store.Delete(0);
  store.Delete(1);
  ASSERT_TRUE(store.Save(folder_));
  const CIniFile file = CIniFile::Load(MacroStorePath(folder_));
  EXPECT_EQ(file.GetInt("Macros", "number", -1), 2);
  for (const char* key : {"2", "3", "4"}) EXPECT_FALSE(file.Find("Macros", key)) << key;
  store.Load(folder_);
  EXPECT_EQ(Name(store.Get(0)), "m1");
  EXPECT_EQ(Name(store.Get(1)), "m3");
}

TEST_F(MacroStoreFiles, DamagedValuesAndRecordsAreSkipped) {
  CIniFile file;
  const MacroRecord good = Macro("good", 2);
  const std::string value = EncodeStruct(&good, sizeof good);
  MacroRecord overfull = Macro("overfull", 1);
  overfull.count = 41;
  MacroRecord unterminated = Macro("x", 1);
  std::memset(unterminated.name, 'x', sizeof unterminated.name);
  std::string badSum = value;
  badSum.back() = badSum.back() == '0' ? '1' : '0';
  file.SetInt("Macros", "number", 7);
  file.SetString("Macros", "0", value.substr(0, 441));
  file.SetString("Macros", "1", value + "0");
  file.SetString("Macros", "2", badSum);
  file.SetStruct("Macros", "3", &overfull, sizeof overfull);
  file.SetStruct("Macros", "4", &unterminated, sizeof unterminated);
  file.SetString("Macros", "6", value);  // key 5 is missing
  CMacroStore store;
  store.LoadFrom(file);
  ASSERT_EQ(store.Count(), 1);
  EXPECT_EQ(Name(store.Get(0)), "good");
}

TEST(MacroStore, HugeCountsStopAtTheLimit) {
  CIniFile file;
  file.SetInt("Macros", "number", 2147483647);
  const MacroRecord r = Macro("last", 1);
  file.SetStruct("Macros", std::to_string(kMaxStoredMacros - 1), &r, sizeof r);
  CMacroStore store;
  store.LoadFrom(file);
  EXPECT_EQ(store.Count(), 1);
}

TEST(MacroStore, PositionsAddressTheList) {
  CMacroStore store;
  EXPECT_EQ(store.Get(0), nullptr);
  EXPECT_EQ(store.Create("a"), 0);
  EXPECT_EQ(store.Create(std::string(80, 'L')), 1);
  EXPECT_EQ(std::strlen(store.Get(1)->name), 51u);
  EXPECT_EQ(store.Create("c"), 2);
  const MacroRecord* c = store.Get(2);
  EXPECT_EQ(store.Get(3), nullptr);
  EXPECT_EQ(store.Get(-1), nullptr);
  EXPECT_TRUE(store.Delete(1));
  EXPECT_FALSE(store.Delete(2));
  EXPECT_EQ(store.Get(1), c);  // records don't move in memory
  EXPECT_TRUE(store.NameExists(" C "));
  EXPECT_FALSE(store.NameExists("b"));
  EXPECT_EQ(store.Get(0)->repeat, 0);
  EXPECT_EQ(store.Get(0)->count, 0);
}

TEST(MacroStore, FindTellsWhetherTheSlotCopyIsIdentical) {
  CMacroStore store;
  store.Create("other");
  const MacroRecord fire = Macro("Fire", 6, 3);
  *store.Get(store.Create("Fire")) = fire;
  MacroKeyInfo slot = Slot(fire);
  std::memset(slot.data + 4 * 6, 0x77, 4);  // bytes beyond the count don't matter
  EXPECT_EQ(store.Find(slot).position, 1);
  EXPECT_TRUE(store.Find(slot).identical);
  slot.data[3] ^= 1;  // one delay
  EXPECT_FALSE(store.Find(slot).identical);
  slot = Slot(fire);
  slot.repeat = 4;
  EXPECT_FALSE(store.Find(slot).identical);
  slot = Slot(fire);
  slot.count = 300;
  EXPECT_FALSE(store.Find(slot).identical);
  std::strcpy(slot.macroName, "Ice");
  EXPECT_EQ(store.Find(slot).position, -1);
  EXPECT_FALSE(store.Find(slot).identical);
}

TEST(MacroStore, AddFromSlotCopiesNameAndEvents) {
  CMacroStore store;
  MacroKeyInfo slot = Slot(Macro("Burst", 3, 9));
  std::memset(slot.macroName, 'N', sizeof slot.macroName);  // lost terminator
  slot.count = 99;
  const MacroRecord& r = *store.Get(store.AddFromSlot(slot));
  EXPECT_EQ(std::string(r.name), std::string(24, 'N'));
  EXPECT_EQ(r.count, 40);
  EXPECT_EQ(r.repeat, 0);
  EXPECT_EQ(r.events[2].code, 6);
}

TEST(MacroStore, MergeAddsAndUpdatesFromTheProfiles) {
  auto set = std::make_unique<ProfileSet>();
  CMacroStore store;
  const MacroRecord stored = Macro("Fire", 5, 2);
  *store.Get(store.Create("Fire")) = stored;
  MacroRecord changed = stored;
  changed.events[3].delay = 999;
  set->Profiles[1].MacroKeyInfo[4] = Slot(changed, 4);
  set->Profiles[3].MacroKeyInfo[0] = Slot(Macro("Reload", 2, 7));
  MacroKeyInfo notMacro = Slot(Macro("Jump", 1));
  notMacro.function = kFunctionKey;
  set->Profiles[0].MacroKeyInfo[1] = notMacro;
  MacroKeyInfo damaged = Slot(Macro("Damaged", 1));
  damaged.count = -2;
  set->Profiles[0].MacroKeyInfo[2] = damaged;

  store.MergeFromProfiles(*set);
  ASSERT_EQ(store.Count(), 2);
  EXPECT_EQ(store.Get(0)->events[3].delay, 999);
  EXPECT_EQ(Name(store.Get(1)), "Reload");
  EXPECT_EQ(store.Get(1)->count, 2);
  EXPECT_EQ(store.Get(1)->repeat, 7);  // the button keeps its repeat count
  store.MergeFromProfiles(*set);
  EXPECT_EQ(store.Count(), 2);
}

TEST(MacroStore, PushCopiesStoredMacrosAndDropsMissingOnes) {
  auto set = std::make_unique<ProfileSet>();
  CMacroStore store;
  *store.Get(store.Create("Fire")) = Macro("Fire", 4, 5);
  *store.Get(store.Create("Gone")) = Macro("Gone", 2);
  MacroKeyInfo old = Slot(Macro("fire", 1, 1));
  std::strcpy(old.program, "kept.exe");
  set->Profiles[0].MacroKeyInfo[3] = old;
  set->Profiles[2].MacroKeyInfo[5] = Slot(Macro("Gone", 2));
  set->Profiles[4].MacroKeyInfo[5] = Slot(Macro("Gone", 2));
  store.Delete(1);
  store.PushToProfiles(*set);

  const MacroKeyInfo& fire = set->Profiles[0].MacroKeyInfo[3];
  EXPECT_STREQ(fire.macroName, "Fire");
  EXPECT_EQ(fire.count, 4);
  EXPECT_EQ(fire.repeat, 5);
  EXPECT_EQ(GetMacroEvent(fire, 3).code, 7);
  EXPECT_STREQ(fire.program, "kept.exe");
  EXPECT_EQ(set->ButtonChanged[0][3], 1);
  for (int p : {2, 4}) {
    EXPECT_EQ(set->Profiles[p].MacroKeyInfo[5].function, 6);
    EXPECT_EQ(set->ButtonChanged[p][5], 1);
  }
  EXPECT_EQ(set->ButtonChanged[1][3], 0);
}

TEST(MacroStore, LongStoredNamesStayLinkedToTheirButtons) {
  auto set = std::make_unique<ProfileSet>();
  CMacroStore store;
  const std::string longName = "A very long macro name of forty chars!!";
  *store.Get(store.Create(longName)) = Macro(longName.c_str(), 3, 2);
  MacroKeyInfo slot = Slot(Macro("", 0));
  std::memcpy(slot.macroName, longName.data(), 24);
  set->Profiles[0].MacroKeyInfo[0] = slot;
  store.PushToProfiles(*set);
  EXPECT_EQ(std::string(set->Profiles[0].MacroKeyInfo[0].macroName), longName.substr(0, 24));
  EXPECT_EQ(set->Profiles[0].MacroKeyInfo[0].function, kFunctionMacro);
  EXPECT_EQ(set->Profiles[0].MacroKeyInfo[0].count, 3);
  store.MergeFromProfiles(*set);
  EXPECT_EQ(store.Count(), 1);
}

TEST_F(MacroStoreFiles, ImportRenamesTakenNames) {
  const fs::path file = folder_ / "fire.macro";
  CMacroStore source;
  *source.Get(source.Create("Fire")) = Macro("Fire", 3, 4);
  ASSERT_TRUE(source.Export(0, file));
  CMacroStore store;
  store.Create("fire");
  EXPECT_EQ(store.Import(file), 1);
  EXPECT_EQ(store.Import(file), 2);
  EXPECT_EQ(Name(store.Get(1)), "Fire1");
  EXPECT_EQ(Name(store.Get(2)), "Fire2");
  EXPECT_EQ(store.Get(2)->count, 3);
  EXPECT_EQ(store.Get(2)->repeat, 4);
  // A .macro file holds key 0 and no count.
  const CIniFile exported = CIniFile::Load(file);
  EXPECT_FALSE(exported.Find("Macros", "number"));
  EXPECT_TRUE(exported.Find("Macros", "0"));
}

TEST_F(MacroStoreFiles, ImportedNamesFitAButtonSlot) {
  const fs::path file = folder_ / "long.macro";
  const std::string name(40, 'q');
  CMacroStore source;
  source.Create(name);
  ASSERT_TRUE(source.Export(0, file));
  CMacroStore store;
  EXPECT_EQ(store.Import(file), 0);
  EXPECT_EQ(Name(store.Get(0)), std::string(24, 'q'));
  EXPECT_EQ(store.Import(file), 1);
  EXPECT_EQ(Name(store.Get(1)), std::string(23, 'q') + "1");
}

TEST_F(MacroStoreFiles, UnusableImportsChangeNothing) {
  CMacroStore store;
  EXPECT_EQ(store.Import(folder_ / "missing.macro"), -1);
  MacroRecord bad = Macro("bad", 1);
  bad.count = 77;
  CIniFile file;
  file.SetStruct("Macros", "0", &bad, sizeof bad);
  EXPECT_EQ(store.ImportFrom(file), -1);
  EXPECT_EQ(store.Count(), 0);
}

TEST_F(MacroStoreFiles, ExportReplacesTheFileOnlyForAMacro) {
  const fs::path file = folder_ / "out.macro";
  std::ofstream(file) << "[Old]\r\nkey=1\r\n";
  CMacroStore store;
  EXPECT_FALSE(store.Export(0, file));
  EXPECT_EQ(CIniFile::Load(file).GetInt("Old", "key", 0), 1);
  store.Create("m");
  EXPECT_TRUE(store.Export(0, file));
  EXPECT_FALSE(CIniFile::Load(file).Find("Old", "key"));
  EXPECT_FALSE(store.Export(0, folder_ / "no such folder" / "x.macro"));
}
