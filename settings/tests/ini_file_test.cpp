#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <random>

#include "temp_folder.h"

namespace {

TEST(IniRead, NamesCompareWithoutCaseAndFirstMatchWins) {
  CIniFile ini = CIniFile::Parse(
      "[Setting]\nMouseSpeed=10\nmousespeed=11\n[setting]\nOther=1\n[SETTING]\nMouseSpeed=12\n");
  EXPECT_EQ(ini.GetString("SETTING", "MOUSESPEED"), "10");
  // Only the first section of a name is searched.
  EXPECT_FALSE(ini.Find("Setting", "Other"));
}

TEST(IniRead, TrimsAroundNamesAndValuesAndStripsMatchingQuotes) {
  CIniFile ini = CIniFile::Parse(
      "  [Setting]  \r\n  Name  =  Some Value \t\r\nQ=\"quoted \"\nS='single'\nHalf=\"open\n"
      "Mixed=\"x'\nEmpty=\nTwo=\"\"\n");
  EXPECT_EQ(ini.GetString(" Setting ", " Name "), "Some Value");
  EXPECT_EQ(ini.GetString("Setting", "Q"), "quoted ");
  EXPECT_EQ(ini.GetString("Setting", "S"), "single");
  EXPECT_EQ(ini.GetString("Setting", "Half"), "\"open");
  EXPECT_EQ(ini.GetString("Setting", "Mixed"), "\"x'");
  EXPECT_EQ(ini.Find("Setting", "Empty"), "");
  EXPECT_EQ(ini.Find("Setting", "Two"), "");
}

TEST(IniRead, LinesWithoutEqualsAndCommentsAreNotValues) {
  CIniFile ini = CIniFile::Parse("[s]\n;comment=5\nflag\nflag=2\n[broken\nk=1\n");
  // A line without '=' is a key without value: it hides later ones.
  EXPECT_FALSE(ini.Find("s", "flag"));
  EXPECT_EQ(ini.GetString("s", "flag", "dflt"), "dflt");
  EXPECT_EQ(ini.GetString("s", ";comment"), "5");
  // A '[' line without ']' is an ordinary line of the section.
  EXPECT_EQ(ini.GetString("s", "k"), "1");
}

TEST(IniRead, LineEndsAndLongLines) {
  std::string longValue(3000, 'x');
  CIniFile ini = CIniFile::Parse("[a]\r\nk1=1\rk2=2\n\n\nk3=" + longValue);
  EXPECT_EQ(ini.GetString("a", "k1"), "1");
  EXPECT_EQ(ini.GetString("a", "k2"), "2");
  EXPECT_EQ(ini.GetString("a", "k3").size(), 2047u);
  EXPECT_EQ(ini.GetString("a", "k3", "", 10), std::string(9, 'x'));
  EXPECT_EQ(ini.GetString("a", "k3", "", 0), "");
}

TEST(IniRead, KeysBeforeTheFirstSectionBelongToTheEmptySection) {
  CIniFile ini = CIniFile::Parse("\xEF\xBB\xBFtop=1\n[a]\nk=2\n");
  EXPECT_EQ(ini.GetString("", "top"), "1");
  EXPECT_FALSE(ini.Find("a", "top"));
}

TEST(IniRead, DefaultsLoseTrailingBlanksAndQuotes) {
  CIniFile ini;
  EXPECT_EQ(ini.GetString("a", "b", "\"x\"  "), "x");
  EXPECT_EQ(ini.GetString("a", "b", "abcdef", 4), "abc");
}

TEST(IniRead, IntegersAsTheWindowsFunctionReadsThem) {
  CIniFile ini = CIniFile::Parse(
      "[n]\na=42\nb=-7\nc=+5\nd=12abc\ne=abc\nf=\ng=0x1F\nh=4294967295\ni=\" 9\"\nj=0b101\n"
      "k=99999999999\n");
  EXPECT_EQ(ini.GetInt("n", "a", 0), 42);
  EXPECT_EQ(ini.GetInt("n", "b", 0), -7);
  EXPECT_EQ(ini.GetInt("n", "c", 0), 5);
  EXPECT_EQ(ini.GetInt("n", "d", 0), 12);
  EXPECT_EQ(ini.GetInt("n", "e", -1), 0);
  EXPECT_EQ(ini.GetInt("n", "f", -1), -1);  // empty reads as missing
  EXPECT_EQ(ini.GetInt("n", "g", 0), 31);
  EXPECT_EQ(ini.GetInt("n", "h", 0), -1);
  EXPECT_EQ(ini.GetInt("n", "i", 0), 9);
  EXPECT_EQ(ini.GetInt("n", "j", 0), 5);
  EXPECT_EQ(ini.GetInt("n", "k", 0), static_cast<int>(99999999999ull & 0xFFFFFFFFu));
  EXPECT_EQ(ini.GetInt("n", "missing", -1), -1);
}

TEST(IniStruct, EncodingIsUpperHexWithAdditiveChecksum) {
  const uint8_t bytes[] = {0x00, 0xAB, 0xFF, 0x10};
  EXPECT_EQ(EncodeStruct(bytes, sizeof bytes), "00ABFF10BA");
  EXPECT_EQ(EncodeStruct(nullptr, 0), "00");
  std::array<uint8_t, 4> out{};
  ASSERT_TRUE(DecodeStruct("00abff10ba", out.data(), out.size()));  // lower case is read too
  EXPECT_EQ(out, (std::array<uint8_t, 4>{0x00, 0xAB, 0xFF, 0x10}));
}

TEST(IniStruct, BadValuesLeaveTheDestinationUntouched) {
  std::array<uint8_t, 4> out{1, 2, 3, 4};
  const std::array<uint8_t, 4> before = out;
  EXPECT_FALSE(DecodeStruct("00ABFF10BB", out.data(), 4));   // checksum
  EXPECT_FALSE(DecodeStruct("00ABFF10B", out.data(), 4));    // short
  EXPECT_FALSE(DecodeStruct("00ABFF10BA0", out.data(), 4));  // long
  EXPECT_FALSE(DecodeStruct("00ABFG10BA", out.data(), 4));   // not hex
  EXPECT_FALSE(DecodeStruct("", out.data(), 4));
  EXPECT_EQ(out, before);
}

TEST(IniStruct, RoundTripsThroughTheDocument) {
  std::mt19937 random(7);
  std::vector<uint8_t> record(220);
  for (auto& b : record) b = static_cast<uint8_t>(random());
  CIniFile ini;
  ini.SetStruct("Macros", "0", record.data(), record.size());
  std::vector<uint8_t> back(220);
  CIniFile reread = CIniFile::Parse(ini.Serialize());
  ASSERT_TRUE(reread.GetStruct("macros", "0", back.data(), back.size()));
  EXPECT_EQ(back, record);
  EXPECT_EQ(reread.GetString("Macros", "0", "", 4096).size(), 442u);
  // The wrong size never decodes.
  EXPECT_FALSE(reread.GetStruct("Macros", "0", back.data(), 219));
  EXPECT_FALSE(reread.GetStruct("Macros", "missing", back.data(), 220));
}

TEST(IniWrite, ReplacesInPlaceAppendsToSectionAndAddsSectionsAtTheEnd) {
  CIniFile ini = CIniFile::Parse("; head\r\n[A]\r\n  Key = old \r\nz=1\r\n\r\n[B]\r\nb=2\r\n");
  ini.SetString("a", "KEY", "new");
  ini.SetString("A", "added", "3");
  ini.SetString("C", "c", "4");
  ini.SetInt("B", "b", 2);  // unchanged value keeps its line
  EXPECT_EQ(ini.Serialize(),
            "; head\r\n[A]\r\nKey=new\r\nz=1\r\nadded=3\r\n\r\n[B]\r\nb=2\r\n[C]\r\nc=4\r\n");
}

TEST(IniWrite, ValuesAreStoredAsTheyReadBack) {
  CIniFile ini;
  ini.SetString("s", "lead", "   padded  ");
  ini.SetString("s", "inject", "x\r\n[Evil]\r\nk=v");
  ini.SetString(" s ", " spaced ", "1");
  EXPECT_EQ(ini.GetString("s", "lead"), "padded");
  EXPECT_EQ(ini.GetString("s", "inject"), "x");
  EXPECT_EQ(ini.GetString("s", "spaced"), "1");
  CIniFile reread = CIniFile::Parse(ini.Serialize());
  EXPECT_FALSE(reread.Find("Evil", "k"));
  EXPECT_EQ(reread.GetString("s", "lead"), "padded");
}

TEST(IniWrite, NamesThatWouldReadBackDifferentlyAreRefused) {
  CIniFile ini;
  ini.SetString("s", "", "1");
  ini.SetString("s", "a=b", "1");
  ini.SetString("s", "[x]", "1");
  ini.SetString("s", "a\nb", "1");
  EXPECT_EQ(ini.Serialize(), "");
}

TEST(IniWrite, AByteOrderMarkThatStartsTheFirstLineSurvivesASaveAndReload) {
  // A file with two marks, tabs and an empty section name: the second mark
  // starts the first line, which is therefore no section header.
  const std::string bom = "\xEF\xBB\xBF";
  CIniFile twice = CIniFile::Parse(bom + bom + "[Other]\t=\t1\n[]\nk=2\n");
  twice.SetString("Other", bom, "3");
  twice.SetString("", "k", "4");
  EXPECT_EQ(twice.GetString("", bom + "[Other]"), "1");
  EXPECT_EQ(twice.GetString("Other", bom), "3");
  EXPECT_EQ(twice.GetString("", "k"), "4");
  // A key that is itself a mark, first in an empty document.
  CIniFile single;
  single.SetString("", bom, "5");
  EXPECT_EQ(single.GetString("", bom), "5");
  for (const CIniFile* ini : {&twice, &single}) {
    CIniFile reread = CIniFile::Parse(ini->Serialize());
    for (const char* section : {"Other", ""})
      for (const std::string& key : {bom, std::string("k"), bom + "[Other]"})
        EXPECT_EQ(reread.Find(section, key), ini->Find(section, key)) << section << "|" << key;
  }
}

TEST(IniWrite, DeleteKeyAndSection) {
  CIniFile ini = CIniFile::Parse("top=0\n[a]\nk=1\nk=2\n[b]\nx=1\n[A]\ny=1\n");
  ini.DeleteKey("A", "K");
  EXPECT_EQ(ini.GetString("a", "k"), "2");
  ini.DeleteSection("a");
  EXPECT_FALSE(ini.Find("a", "y"));
  EXPECT_EQ(ini.GetString("b", "x"), "1");
  ini.DeleteSection("");
  EXPECT_EQ(ini.Serialize(), "[b]\r\nx=1\r\n");
}

TEST(IniFileIo, SaveWritesWholeFileAndLoadReadsIt) {
  CTempFolder dir;
  CIniFile ini;
  ini.SetInt("Setting", "CurrentProfile", 3);
  ASSERT_TRUE(ini.Save(dir.path() / "config.ini"));
  EXPECT_EQ(CIniFile::Load(dir.path() / "config.ini").GetInt("Setting", "CurrentProfile", -1), 3);
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(IniFileIo, MissingFileOrFolder) {
  CTempFolder dir;
  EXPECT_EQ(CIniFile::Load(dir.path() / "none.ini").Serialize(), "");
  CIniFile ini;
  ini.SetInt("a", "b", 1);
  EXPECT_FALSE(ini.Save(dir.path() / "no" / "such" / "x.ini"));
}

TEST(IniFileIo, UpdateKeepsOtherKeys) {
  CTempFolder dir;
  auto path = dir.path() / "config.ini";
  std::ofstream(path) << "[Setting]\nMouseType=2\n";
  ASSERT_TRUE(UpdateIniFile(path, [](CIniFile& ini) { ini.SetInt("Setting", "Device", 1); }));
  CIniFile ini = CIniFile::Load(path);
  EXPECT_EQ(ini.GetInt("Setting", "MouseType", -1), 2);
  EXPECT_EQ(ini.GetInt("Setting", "Device", -1), 1);
}

}  // namespace
