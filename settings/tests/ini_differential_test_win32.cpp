// Our INI engine against the Windows private-profile functions: for awkward
// files and for sequences of writes, every value we read must be the value
// the Windows functions read, and every file we write must read back the
// same through them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <set>
#include <vector>

#include "settings/ini_file.h"
#include "temp_folder.h"

namespace {

constexpr char kMissing[] = "<missing>";

class Differential : public ::testing::Test {
 protected:
  std::string NewFile(const std::string& text) {
    std::string path = (dir.path() / ("f" + std::to_string(counter++) + ".ini")).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  static std::string WinString(const std::string& path, const std::string& s,
                               const std::string& k, DWORD size = 2048) {
    std::vector<char> buffer(size + 1, '\0');
    GetPrivateProfileStringA(s.c_str(), k.c_str(), kMissing, buffer.data(), size, path.c_str());
    return buffer.data();
  }

  // Every value of text, as we and the Windows functions read it.
  void ExpectSameReads(const std::string& text, const std::vector<std::string>& sections,
                       const std::vector<std::string>& keys) {
    std::string path = NewFile(text);
    CIniFile ini = CIniFile::Parse(text);
    for (const std::string& s : sections) {
      for (const std::string& k : keys) {
        SCOPED_TRACE("[" + s + "] " + k + " in:\n" + text);
        EXPECT_EQ(ini.GetString(s, k, kMissing), WinString(path, s, k));
        EXPECT_EQ(ini.GetInt(s, k, -12345),
                  static_cast<int>(GetPrivateProfileIntA(s.c_str(), k.c_str(), -12345, path.c_str())));
      }
    }
  }

  CTempFolder dir;
  int counter = 0;
};

TEST_F(Differential, AwkwardFiles) {
  const std::vector<std::string> sections = {"Setting", "setting", " SETTING ", "Other", "", "None",
                                             "a b", "x"};
  const std::vector<std::string> keys = {"Key", "KEY", " key ", "Name", "Quoted", "Single", "Empty",
                                         "Dup", "Long", "Num", "Hex", ";comment", "missing", "a b",
                                         "Trail"};
  const std::string longLine(3000, 'L');
  const std::vector<std::string> files = {
      "[Setting]\r\nKey=1\r\nName = spaced value \r\n",
      "[Setting]\nKey=1\nkey=2\n[setting]\nDup=3\n[Other]\nKey=4\n",
      "; comment line\n;comment=5\n\n\n[Setting]\n\n  Key  =  7  \n\n[Other]\nKey=8",
      "[Setting]\nQuoted=\"in quotes\"\nSingle='single'\nEmpty=\nTrail=\"x'\nName=\"\n",
      "[Setting]\nLong=" + longLine + "\nKey=after\n",
      "Key=top\n[Setting]\nKey=1\n",
      "[Setting]\r\nNum=-42\r\nHex=0x1F\r\nKey=12abc\r\nName=+7\r\n",
      "[Setting]\rKey=cr only\rName=2\r",
      "\t[Setting]\t\n\tKey\t=\ttabbed\t\n",
      "[Setting] trailing text\nKey=1\n[x]\na b=space key\n",
      "[Setting\nKey=no close\n[Other]\nKey=2\n",
      "[Setting]\nKey\nKey=second\nName=first=second\n",
      "[Setting]\nKey==double\n= no name\n",
      "[ a b ]\nKey=1\n[a b]\nKey=2\n",
      "\xEF\xBB\xBF[Setting]\nKey=bom\n",
      "[Setting]\nKey=1\n[Setting]\nName=2\n",
      "[]\nKey=empty section\n",
      "[Setting]\nKey=\"  quoted spaces  \"\nName='\n",
  };
  for (const std::string& f : files) ExpectSameReads(f, sections, keys);
}

TEST_F(Differential, RandomFiles) {
  std::mt19937 random(1234);
  const std::vector<std::string> pieces = {"[", "]", "=", " ", "\t", "\"", "'", ";", "a", "B", "k",
                                           "K", "1", "-", "0x", "\r\n", "\n", "\r", "ab", "sec"};
  const std::vector<std::string> sections = {"a", "A", "sec", "k", "", "ab", " a"};
  const std::vector<std::string> keys = {"a", "k", "K", "ab", "B", ";", "1", "kab", "\"a\""};
  for (int round = 0; round < 60; ++round) {
    std::string text;
    int n = static_cast<int>(random() % 40);
    for (int i = 0; i < n; ++i) text += pieces[random() % pieces.size()];
    ExpectSameReads(text, sections, keys);
  }
}

TEST_F(Differential, Structs) {
  std::mt19937 random(99);
  std::vector<uint8_t> record(220);
  for (auto& b : record) b = static_cast<uint8_t>(random());
  std::string encoded = EncodeStruct(record.data(), record.size());
  ASSERT_EQ(encoded.size(), 442u);

  // Written by Windows, read by us.
  std::string path = NewFile("");
  ASSERT_TRUE(WritePrivateProfileStructA("Macros", "0", record.data(), 220, path.c_str()));
  EXPECT_EQ(WinString(path, "Macros", "0", 4096), encoded);
  std::vector<uint8_t> ours(220);
  ASSERT_TRUE(CIniFile::Load(path).GetStruct("macros", "0", ours.data(), 220));
  EXPECT_EQ(ours, record);

  // Written by us, read by Windows.
  CIniFile ini;
  ini.SetStruct("Macros", "1", record.data(), 220);
  std::string ourPath = (dir.path() / "ours.ini").string();
  ASSERT_TRUE(ini.Save(ourPath));
  std::vector<uint8_t> theirs(220);
  ASSERT_TRUE(GetPrivateProfileStructA("Macros", "1", theirs.data(), 220, ourPath.c_str()));
  EXPECT_EQ(theirs, record);

  // 441 digits (one short), 442 with a wrong checksum, lower case: the same
  // verdict from both.
  std::string badSum = encoded;
  badSum[441] = badSum[441] == '0' ? '1' : '0';
  std::string lower = encoded;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::vector<std::string> values = {encoded.substr(1), badSum, lower, encoded + " ",
                                           "\"" + encoded + "\""};
  for (const std::string& v : values) {
    std::string p = NewFile("[Macros]\n0=" + v + "\n");
    std::vector<uint8_t> a(220), b(220);
    bool win = GetPrivateProfileStructA("Macros", "0", b.data(), 220, p.c_str());
    EXPECT_EQ(CIniFile::Load(p).GetStruct("Macros", "0", a.data(), 220), win) << v.size();
    if (win) EXPECT_EQ(a, b);
  }
}

TEST_F(Differential, StructOfOddLengthIsRefused) {
  // 443 digits: the checksum in the last two, one stray digit before them.
  // The record needs exactly 2n+2 digits; Wine's functions accept this one,
  // we refuse it (a value of the wrong length is not the record).
  std::vector<uint8_t> record(220, 0x11);
  std::string encoded = EncodeStruct(record.data(), record.size());
  std::string odd = encoded.substr(0, 440) + "7" + encoded.substr(440);
  std::string p = NewFile("[Macros]\n0=" + odd + "\n");
  std::vector<uint8_t> a(220);
  EXPECT_FALSE(CIniFile::Load(p).GetStruct("Macros", "0", a.data(), 220));
}

// The same writes through the Windows functions and through our engine, on
// the same starting file: both results read the same through Windows.
TEST_F(Differential, WriteSequences) {
  std::mt19937 random(5);
  const std::vector<std::string> starts = {
      "", "; head\r\n[Setting]\r\nKey=1\r\n\r\n[Other]\r\nx=1\r\n",
      "[setting]\nkey = old\nKEY=2\n[Setting]\nName=3", "top=1\n[a]\n"};
  const std::vector<std::string> sections = {"Setting", "SETTING", "Other", "New", "a"};
  const std::vector<std::string> keys = {"Key", "key", "Name", "x", "Fresh", "top"};
  const std::vector<std::string> values = {"1", "two words", "  lead", "\"q\"", "", "-5",
                                           std::string(500, 'v')};
  for (const std::string& start : starts) {
    for (int round = 0; round < 10; ++round) {
      std::string theirs = NewFile(start);
      std::string oursPath = NewFile(start);
      CIniFile ours = CIniFile::Load(oursPath);
      for (int step = 0; step < 8; ++step) {
        const std::string& s = sections[random() % sections.size()];
        const std::string& k = keys[random() % keys.size()];
        const std::string& v = values[random() % values.size()];
        if (random() % 6 == 0) {
          WritePrivateProfileStringA(s.c_str(), k.c_str(), nullptr, theirs.c_str());
          ours.DeleteKey(s, k);
        } else {
          WritePrivateProfileStringA(s.c_str(), k.c_str(), v.c_str(), theirs.c_str());
          ours.SetString(s, k, v);
        }
      }
      ASSERT_TRUE(ours.Save(oursPath));
      CIniFile reread = CIniFile::Load(oursPath);
      for (const std::string& s : sections) {
        for (const std::string& k : keys) {
          SCOPED_TRACE("[" + s + "] " + k + " from:\n" + start);
          std::string expected = WinString(theirs, s, k);
          EXPECT_EQ(WinString(oursPath, s, k), expected);
          EXPECT_EQ(ours.GetString(s, k, kMissing), expected);
          EXPECT_EQ(reread.GetString(s, k, kMissing), expected);
        }
      }
    }
  }
}

}  // namespace

namespace {

TEST_F(Differential, QuotedValueFillingTheBufferKeepsItsLastCharacter) {
  // "abc" in quotes read into 4 bytes: the three characters fit. Wine's
  // function drops one more character in exactly this case; we don't.
  std::string p = NewFile("[s]\nk=\"abc\"\n");
  EXPECT_EQ(CIniFile::Load(p).GetString("s", "k", "", 4), "abc");
  EXPECT_EQ(CIniFile::Load(p).GetString("s", "k", "", 3), WinString(p, "s", "k", 3));
  EXPECT_EQ(CIniFile::Load(p).GetString("s", "k", "", 6), WinString(p, "s", "k", 6));
  std::printf("Windows functions read \"%s\" into 4 bytes\n", WinString(p, "s", "k", 4).c_str());
}

}  // namespace
