// The generated skins folder is what the programs open: every description
// file they name, every picture those name, at the sizes the windows rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "skingen/bmp_codec.h"
#include "skingen/mask.h"

namespace skingen {
namespace {

namespace fs = std::filesystem;
const fs::path kSkins = SKINGEN_SKINS_DIR;

using Section = std::map<std::string, std::string>;
using Ini = std::map<std::string, Section>;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Ini ReadIni(const fs::path& path) {
  Ini ini;
  std::istringstream in(ReadAll(path));
  std::string line, section;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
    } else if (const auto eq = line.find('='); eq != std::string::npos) {
      ini[section][line.substr(0, eq)] = line.substr(eq + 1);
    }
  }
  return ini;
}

struct Size {
  int w = 0, h = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

std::optional<Image> ReadJpeg(const fs::path& path) {
  const std::string bytes = ReadAll(path);
  if (bytes.empty()) return std::nullopt;
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  const bool baseline = !info.progressive_mode;
  Image image(int(info.output_width), int(info.output_height));
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = &image.pixels[size_t(info.output_scanline) * info.output_width * 3];
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  if (!baseline) return std::nullopt;
  return image;
}

std::optional<Image> ReadPicture(const std::string& name) {
  const fs::path path = kSkins / name;
  if (!fs::exists(path)) return std::nullopt;
  if (path.extension() == ".jpg") return ReadJpeg(path);
  const std::string bytes = ReadAll(path);
  return DecodeBmp(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

struct Placement {
  int x = 0, y = 0, w = 0, h = 0;
};

// "name,x,y,w,h,help": four numbers after the first comma, help after the last.
std::optional<Placement> ParsePlacement(const std::string& value) {
  Placement p;
  const auto comma = value.find(',');
  if (comma == std::string::npos || comma == 0) return std::nullopt;
  char tail = 0;
  if (std::sscanf(value.c_str() + comma + 1, "%d,%d,%d,%d,%c", &p.x, &p.y, &p.w, &p.h, &tail) < 4)
    return std::nullopt;
  if (std::count(value.begin(), value.end(), ',') != 5) return std::nullopt;
  return p;
}

struct Expected {
  std::string file;
  std::vector<int> keys;
};

std::vector<int> Range(int from, int to, std::vector<int> more = {}) {
  for (int k = from; k <= to; ++k) more.push_back(k);
  return more;
}

const std::vector<Expected>& AllSkins() {
  static const std::vector<Expected> skins{
      {"skin_main.ini", Range(1, 14, Range(20, 47))},
      {"skin_click_warn.ini", {1, 2, 3}},
      {"skin_reset_current_warn.ini", {1, 2, 3}},
      {"skin_reset_all_warn.ini", {1, 2, 3}},
      {"skin_macro_set_warn.ini", {1, 2}},
      {"skin_delete_macro_warn.ini", {1, 2, 3}},
      {"skin_button_page.ini", Range(20, 35)},
      {"skin_macro_manager.ini", Range(1, 13)},
      {"skin_shortcut.ini", Range(2, 10)},
      {"skin_lanuch_program.ini", Range(1, 5)},
      {"skin_select_player.ini", Range(1, 4)},
      {"skin_select_macro.ini", Range(1, 7)},
      {"skin_profile.ini", Range(1, 6)},
      {"skin_performance.ini", Range(1, 15, Range(20, 52, Range(201, 204)))},
      {"skin_DPI.ini", Range(2, 14, {20, 21})},
      {"skin_dpi_color.ini", Range(1, 8)},
      {"skin_light_setting.ini", Range(1, 6)},
      {"skin_danse_light.ini", Range(3, 13, {0, 1})},
      {"skin_dandian_light.ini", {1, 2, 3}},
      {"skin_xuancai_light.ini", Range(1, 6)},
      {"skin_qise_light.ini", Range(1, 13)},
  };
  return skins;
}

Size NormalSize(const std::string& skin) {
  const auto image = ReadPicture(ReadIni(kSkins / skin)["SCREEN"]["Normal"]);
  return image ? Size{image->width, image->height} : Size{};
}

Placement Key(const std::string& skin, int key) {
  return ParsePlacement(ReadIni(kSkins / skin)["BUTTONPOS"][std::to_string(key)]).value_or(Placement{});
}

bool PureMask(const Image& mask) {
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x)
      if (mask.At(x, y) != kMaskOutside && mask.At(x, y) != kMaskInside) return false;
  return true;
}

TEST(SkinsFolder, EverySkinHasItsPicturesAndPlacements) {
  for (const auto& expected : AllSkins()) {
    SCOPED_TRACE(expected.file);
    ASSERT_TRUE(fs::exists(kSkins / expected.file));
    Ini ini = ReadIni(kSkins / expected.file);
    const auto normal = ReadPicture(ini["SCREEN"]["Normal"]);
    ASSERT_TRUE(normal) << "Normal picture missing or undecodable";
    for (const char* state : {"Mask", "Over", "Down", "Disable"}) {
      const auto image = ReadPicture(ini["SCREEN"][state]);
      ASSERT_TRUE(image) << state;
      EXPECT_EQ(image->width, normal->width) << state;
      EXPECT_EQ(image->height, normal->height) << state;
    }
    EXPECT_TRUE(PureMask(*ReadPicture(ini["SCREEN"]["Mask"])));
    for (int key : expected.keys) {
      SCOPED_TRACE(key);
      const auto it = ini["BUTTONPOS"].find(std::to_string(key));
      ASSERT_NE(it, ini["BUTTONPOS"].end());
      const auto p = ParsePlacement(it->second);
      ASSERT_TRUE(p) << it->second;
      EXPECT_GE(p->x, 0);
      EXPECT_GE(p->y, 0);
      EXPECT_LE(p->x + p->w, normal->width);
      EXPECT_LE(p->y + p->h, normal->height);
    }
  }
}

TEST(SkinsFolder, MainDialogFitsTheScreenWithAShapedOutline) {
  const Size main = NormalSize("skin_main.ini");
  EXPECT_LE(main.w, 1100);
  EXPECT_LE(main.h, 760);
  const auto mask = ReadPicture(ReadIni(kSkins / "skin_main.ini")["SCREEN"]["Mask"]);
  ASSERT_TRUE(mask);
  EXPECT_EQ(mask->At(0, 0), kMaskOutside);
  EXPECT_EQ(mask->At(main.w / 2, main.h / 2), kMaskInside);
}

TEST(SkinsFolder, PagesFillThePageRectangle) {
  const Placement page = Key("skin_main.ini", 42);
  ASSERT_GT(page.w, 0);
  for (const char* skin : {"skin_button_page.ini", "skin_macro_manager.ini", "skin_performance.ini", "skin_DPI.ini",
                           "skin_light_setting.ini"}) {
    EXPECT_EQ(NormalSize(skin), (Size{page.w, page.h})) << skin;
  }
  const Placement panel = Key("skin_light_setting.ini", 2);
  ASSERT_GT(panel.w, 0);
  for (const char* skin : {"skin_danse_light.ini", "skin_dandian_light.ini", "skin_xuancai_light.ini",
                           "skin_qise_light.ini"}) {
    EXPECT_EQ(NormalSize(skin), (Size{panel.w, panel.h})) << skin;
  }
}

TEST(SkinsFolder, LevelWindowsMatchTheirMaskAndHoldTheirControls) {
  const auto mask = ReadPicture("DPI_Window_Mask.bmp");
  ASSERT_TRUE(mask);
  EXPECT_TRUE(PureMask(*mask));
  // The slider (21, 21)-(417, 36) and the value (385, 3)-(416, 13) must fit.
  EXPECT_GE(mask->width, 417);
  EXPECT_GE(mask->height, 36);
  EXPECT_EQ(mask->At(mask->width / 2, mask->height / 2), kMaskInside);
  for (int key = 5; key <= 9; ++key) {
    const Placement level = Key("skin_DPI.ini", key);
    EXPECT_EQ(level.w, mask->width) << key;
    EXPECT_EQ(level.h, mask->height) << key;
  }
}

TEST(SkinsFolder, SliderThumbsAreCutByTheirTopLeftColour) {
  for (const char* name : {"scroll_arrow_down.bmp", "scroll_arrow_up.bmp"}) {
    SCOPED_TRACE(name);
    const auto thumb = ReadPicture(name);
    ASSERT_TRUE(thumb);
    EXPECT_GE(thumb->width, 9);
    EXPECT_LE(thumb->width, 15);
    EXPECT_EQ(thumb->height, 15);  // the height of the tracks it slides on
    // Only the background around the pointer carries the key colour.
    const Rgb key = thumb->At(0, 0);
    EXPECT_NE(thumb->At(thumb->width / 2, thumb->height / 2), key);
    int keyed = 0;
    for (int y = 0; y < thumb->height; ++y)
      for (int x = 0; x < thumb->width; ++x) keyed += thumb->At(x, y) == key;
    const int all = thumb->width * thumb->height;
    EXPECT_GT(keyed, all / 20);
    EXPECT_LT(keyed, all / 2);
  }
  EXPECT_EQ(Key("skin_DPI.ini", 3).h, 15);
}

TEST(SkinsFolder, RecordButtonPicturesHaveTheButtonsSize) {
  const Placement record = Key("skin_macro_manager.ini", 7);
  ASSERT_GT(record.w, 0);
  for (const char* name : {"start_record_normal.jpg", "start_record_over.jpg", "start_record_down.jpg",
                           "stop_record_normal.jpg", "stop_record_over.jpg", "stop_record_down.jpg"}) {
    const auto image = ReadPicture(name);
    ASSERT_TRUE(image) << name;
    EXPECT_EQ(image->width, record.w) << name;
    EXPECT_EQ(image->height, record.h) << name;
  }
}

// The event list draws its icons with black left out: each has a black
// surround and enough drawn pixels, and no two look alike.
TEST(SkinsFolder, EventIconsAreDrawnOnBlack) {
  std::vector<Image> icons;
  for (const char* name : {"event_pause.bmp", "event_key_up.bmp", "event_key_down.bmp", "event_mouse.bmp"}) {
    const auto image = ReadPicture(name);
    ASSERT_TRUE(image) << name;
    ASSERT_EQ(image->width, 12) << name;
    ASSERT_EQ(image->height, 12) << name;
    EXPECT_EQ(image->At(0, 0), (Rgb{0, 0, 0})) << name;
    int drawn = 0;
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 12; ++x) drawn += !(image->At(x, y) == Rgb{0, 0, 0});
    EXPECT_GT(drawn, 30) << name;
    icons.push_back(*image);
  }
  for (size_t a = 0; a < icons.size(); ++a)
    for (size_t b = a + 1; b < icons.size(); ++b) EXPECT_FALSE(icons[a].pixels == icons[b].pixels) << a << b;
}

// Mean colour of a rectangle of a picture.
Rgb Mean(const Image& image, const Placement& p) {
  long sum[3] = {};
  for (int y = p.y; y < p.y + p.h; ++y)
    for (int x = p.x; x < p.x + p.w; ++x) {
      const Rgb c = image.At(x, y);
      sum[0] += c.r;
      sum[1] += c.g;
      sum[2] += c.b;
    }
  const long n = std::max(1L, long(p.w) * p.h);
  return {uint8_t(sum[0] / n), uint8_t(sum[1] / n), uint8_t(sum[2] / n)};
}

bool SameCrop(const Image& a, const Image& b, const Placement& p) {
  for (int y = p.y; y < p.y + p.h; ++y)
    for (int x = p.x; x < p.x + p.w; ++x)
      if (a.At(x, y) != b.At(x, y)) return false;
  return true;
}

struct States {
  Image normal, over, down, disable;
};

States LoadStates(const std::string& skin) {
  Ini ini = ReadIni(kSkins / skin);
  return {ReadPicture(ini["SCREEN"]["Normal"]).value_or(Image{}), ReadPicture(ini["SCREEN"]["Over"]).value_or(Image{}),
          ReadPicture(ini["SCREEN"]["Down"]).value_or(Image{}),
          ReadPicture(ini["SCREEN"]["Disable"]).value_or(Image{})};
}

TEST(SkinsFolder, EveryButtonStateLooksDifferent) {
  const std::vector<Expected> buttons{
      {"skin_main.ini", Range(1, 14, Range(20, 40, Range(43, 47)))},
      {"skin_button_page.ini", Range(20, 35)},
      {"skin_click_warn.ini", {1, 2, 3}},
      {"skin_performance.ini", Range(2, 15, Range(20, 29, Range(32, 52)))},
  };
  for (const auto& skin : buttons) {
    SCOPED_TRACE(skin.file);
    const States s = LoadStates(skin.file);
    ASSERT_GT(s.normal.width, 0);
    for (int key : skin.keys) {
      const Placement p = Key(skin.file, key);
      EXPECT_FALSE(SameCrop(s.normal, s.over, p)) << key;
      EXPECT_FALSE(SameCrop(s.normal, s.down, p)) << key;
      EXPECT_FALSE(SameCrop(s.over, s.down, p)) << key;
      EXPECT_FALSE(SameCrop(s.normal, s.disable, p)) << key;
    }
  }
}

// The program writes these captions itself, white or red on hover: the
// plates must stay dark under them in every state.
TEST(SkinsFolder, PlatesUnderProgramCaptionsStayDark) {
  const std::vector<Expected> plates{{"skin_main.ini", Range(20, 34)}, {"skin_button_page.ini", Range(20, 35)}};
  for (const auto& skin : plates) {
    SCOPED_TRACE(skin.file);
    const States s = LoadStates(skin.file);
    for (int key : skin.keys) {
      Placement p = Key(skin.file, key);
      p = {p.x + 8, p.y + 3, p.w - 12, p.h - 6};  // where the words go
      for (const Image* image : {&s.normal, &s.over, &s.down, &s.disable}) {
        const Rgb m = Mean(*image, p);
        EXPECT_LT(int(m.r), 100) << key;
        EXPECT_LT(int(m.g), 100) << key;
      }
    }
  }
}

}  // namespace
}  // namespace skingen
