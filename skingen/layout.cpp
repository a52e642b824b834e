#include "skingen/layout.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace skingen {
namespace {

constexpr std::array<std::pair<std::string_view, Kind>, 21> kKinds{{
    {"button", Kind::kButton}, {"plate", Kind::kPlate},   {"dropdown", Kind::kDropdown},
    {"check", Kind::kCheck},   {"tab", Kind::kTab},       {"close", Kind::kClose},
    {"minimise", Kind::kMinimise}, {"slider", Kind::kSlider}, {"spin", Kind::kSpin},
    {"number", Kind::kNumber}, {"edit", Kind::kEdit},     {"list", Kind::kList},
    {"value", Kind::kValue},   {"area", Kind::kArea},     {"page", Kind::kPage},
    {"color", Kind::kColor},   {"swatch", Kind::kSwatch}, {"level", Kind::kLevel},
    {"palette", Kind::kPalette}, {"preview", Kind::kPreview}, {"record", Kind::kRecord},
}};

constexpr int kMaxSize = 4096;
constexpr size_t kMaxName = 39;   // the toolkit keeps 39 characters of a name
constexpr size_t kMaxHelp = 399;  // and 399 of a help text

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r')) ++i;
    const size_t start = i;
    while (i < s.size() && s[i] != ' ' && s[i] != '\t' && s[i] != '\r') ++i;
    if (i > start) words.push_back(s.substr(start, i - start));
  }
  return words;
}

// Splits "head | a | b" into its parts, trimmed.
std::vector<std::string_view> Parts(std::string_view line) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (;;) {
    const size_t bar = line.find('|', start);
    parts.push_back(Trim(line.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start)));
    if (bar == std::string_view::npos) return parts;
    start = bar + 1;
  }
}

std::optional<int> Number(std::string_view word, int min, int max) {
  int value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc() || end != word.data() + word.size() || value < min || value > max) return std::nullopt;
  return value;
}

bool PlainName(std::string_view s, std::string_view extra) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [&](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           extra.find(c) != std::string_view::npos;
  });
}

bool EndsWith(std::string_view s, std::string_view tail) {
  return s.size() > tail.size() && s.substr(s.size() - tail.size()) == tail;
}

bool ImageFile(std::string_view s) { return PlainName(s, ".-") && (EndsWith(s, ".bmp") || EndsWith(s, ".jpg")); }

class CParser {
 public:
  ParseResult Run(std::string_view text) {
    size_t start = 0;
    while (start <= text.size() && error_.empty()) {
      const size_t end = std::min(text.find('\n', start), text.size());
      ++line_;
      Statement(Trim(text.substr(start, end - start)));
      start = end + 1;
    }
    if (error_.empty()) Finish();
    if (!error_.empty()) return {std::nullopt, error_};
    return {std::move(layout_), {}};
  }

 private:
  void Fail(std::string what) {
    if (error_.empty()) error_ = "line " + std::to_string(line_) + ": " + std::move(what);
  }

  void Statement(std::string_view line) {
    if (line.empty() || line.front() == '#') return;
    const auto parts = Parts(line);
    const auto words = Words(parts[0]);
    if (words.empty()) return Fail("a line must start with a statement");
    const std::string_view verb = words[0];
    if (verb == "skin") return Skin(words);
    if (verb == "size") return Size(words);
    if (verb == "images") return Images(words);
    if (verb == "shape") return ShapeLine(words);
    if (verb == "title") return Title(line.substr(5));
    if (layout_.width == 0) return Fail("'size' must come before '" + std::string(verb) + "'");
    if (verb == "group") return Group(words, parts);
    if (verb == "text") return Text(words, parts);
    if (verb == "art") return Art(words);
    if (verb == "link") return Link(words);
    if (verb == "control") return ControlLine(words, parts);
    if (verb == "sprite") return SpriteLine(words);
    Fail("unknown statement '" + std::string(verb) + "'");
  }

  bool Count(const std::vector<std::string_view>& words, size_t n) {
    if (words.size() == n) return true;
    Fail("'" + std::string(words[0]) + "' takes " + std::to_string(n - 1) + " values");
    return false;
  }

  void Skin(const std::vector<std::string_view>& words) {
    if (!Count(words, 2)) return;
    if (!layout_.skin_file.empty()) return Fail("a second 'skin'");
    if (!PlainName(words[1], ".-") || !EndsWith(words[1], ".ini")) return Fail("skin file must be a plain *.ini name");
    layout_.skin_file = words[1];
  }

  void Size(const std::vector<std::string_view>& words) {
    if (!Count(words, 3)) return;
    if (layout_.width) return Fail("a second 'size'");
    const auto w = Number(words[1], 1, kMaxSize), h = Number(words[2], 1, kMaxSize);
    if (!w || !h) return Fail("size must be two numbers from 1 to 4096");
    layout_.width = *w;
    layout_.height = *h;
  }

  void Images(const std::vector<std::string_view>& words) {
    if (!Count(words, 6)) return;
    if (!layout_.normal.empty()) return Fail("a second 'images'");
    for (size_t i = 1; i < 6; ++i)
      if (!ImageFile(words[i])) return Fail("'" + std::string(words[i]) + "' is not a plain *.bmp or *.jpg name");
    layout_.mask = words[1];
    layout_.normal = words[2];
    layout_.over = words[3];
    layout_.down = words[4];
    layout_.disable = words[5];
  }

  void ShapeLine(const std::vector<std::string_view>& words) {
    if (words.size() == 2 && words[1] == "rect") {
      layout_.shape = Shape::kRect;
    } else if (words.size() == 2 && words[1] == "main") {
      layout_.shape = Shape::kMain;
    } else if (words.size() == 3 && (words[1] == "round" || words[1] == "chamfer")) {
      const auto size = Number(words[2], 1, 200);
      if (!size) return Fail("shape size must be 1 to 200");
      layout_.shape = words[1] == "round" ? Shape::kRound : Shape::kChamfer;
      layout_.shape_size = *size;
    } else {
      Fail("shape is rect, main, round <r> or chamfer <cut>");
    }
  }

  void Title(std::string_view rest) {
    const std::string_view text = Trim(rest);
    if (text.empty()) return Fail("title without text");
    layout_.decorations.push_back({Decoration::Type::kTitle, {}, std::string(text), 0});
  }

  std::optional<Rect> RectAt(const std::vector<std::string_view>& words, size_t first) {
    const auto x = Number(words[first], 0, kMaxSize), y = Number(words[first + 1], 0, kMaxSize);
    const auto w = Number(words[first + 2], 0, kMaxSize), h = Number(words[first + 3], 0, kMaxSize);
    if (!x || !y || !w || !h) {
      Fail("rectangle must be four numbers x y w h, none negative");
      return std::nullopt;
    }
    if (*x + *w > layout_.width || *y + *h > layout_.height) {
      Fail("rectangle reaches outside the window");
      return std::nullopt;
    }
    return Rect{*x, *y, *w, *h};
  }

  void Group(const std::vector<std::string_view>& words, const std::vector<std::string_view>& parts) {
    if (!Count(words, 5)) return;
    if (const auto r = RectAt(words, 1))
      layout_.decorations.push_back({Decoration::Type::kGroup, *r, parts.size() > 1 ? std::string(parts[1]) : "", 0});
  }

  void Text(const std::vector<std::string_view>& words, const std::vector<std::string_view>& parts) {
    if (!Count(words, 4)) return;
    const auto x = Number(words[1], 0, layout_.width), y = Number(words[2], 0, layout_.height);
    const auto size = Number(words[3], 6, 72);
    if (!x || !y || !size) return Fail("text needs x y inside the window and a size of 6 to 72");
    if (parts.size() < 2 || parts[1].empty()) return Fail("text without words");
    layout_.decorations.push_back({Decoration::Type::kText, {*x, *y, 0, *size}, std::string(parts[1]), 0});
  }

  void Art(const std::vector<std::string_view>& words) {
    if (!Count(words, 6)) return;
    if (!PlainName(words[1], "-")) return Fail("art needs a name");
    if (const auto r = RectAt(words, 2))
      layout_.decorations.push_back({Decoration::Type::kArt, *r, std::string(words[1]), 0});
  }

  void Link(const std::vector<std::string_view>& words) {
    if (!Count(words, 4)) return;
    const auto key = Number(words[1], 0, 9999);
    const auto x = Number(words[2], 0, layout_.width), y = Number(words[3], 0, layout_.height);
    if (!key || !x || !y) return Fail("link needs a key and a point inside the window");
    layout_.decorations.push_back({Decoration::Type::kLink, {*x, *y, 0, 0}, {}, *key});
    links_.push_back({*key, line_});
  }

  void ControlLine(const std::vector<std::string_view>& words, const std::vector<std::string_view>& parts) {
    if (!Count(words, 8)) return;
    if (parts.size() > 3) return Fail("a control has at most a caption and a help text");
    Control c;
    const auto key = Number(words[1], 0, 9999);
    if (!key) return Fail("key must be a number from 0 to 9999");
    if (layout_.Find(*key)) return Fail("key " + std::to_string(*key) + " is placed twice");
    c.key = *key;
    if (!PlainName(words[2], "") || words[2].size() > kMaxName) return Fail("name must be 1 to 39 letters, digits or _");
    c.name = words[2];
    const auto kind = KindFromName(words[3]);
    if (!kind) return Fail("unknown kind '" + std::string(words[3]) + "'");
    c.kind = *kind;
    const auto r = RectAt(words, 4);
    if (!r) return;
    c.rect = *r;
    if (parts.size() > 1) c.caption = parts[1];
    if (parts.size() > 2) c.help = parts[2];
    // The toolkit takes the help text after the last comma of the record.
    if (c.help.find(',') != std::string::npos) return Fail("help text must not contain commas");
    if (c.help.size() > kMaxHelp) return Fail("help text longer than 399 characters");
    if (c.kind == Kind::kSwatch && !SwatchColour(c.caption)) return Fail("a swatch's caption is its colour, #rrggbb");
    layout_.controls.push_back(std::move(c));
  }

  static bool SwatchColour(std::string_view s) {
    return s.size() == 7 && s[0] == '#' && std::all_of(s.begin() + 1, s.end(), [](char c) {
             return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
           });
  }

  void SpriteLine(const std::vector<std::string_view>& words) {
    if (!Count(words, 5)) return;
    if (!ImageFile(words[1])) return Fail("sprite needs a plain *.bmp or *.jpg name");
    if (!PlainName(words[2], "-")) return Fail("sprite needs an art name");
    const auto w = Number(words[3], 1, kMaxSize), h = Number(words[4], 1, kMaxSize);
    if (!w || !h) return Fail("sprite size must be two numbers from 1 to 4096");
    layout_.sprites.push_back({std::string(words[1]), std::string(words[2]), *w, *h});
  }

  void Finish() {
    if (layout_.skin_file.empty()) return Fail("no 'skin' line");
    if (layout_.width == 0) return Fail("no 'size' line");
    if (layout_.normal.empty()) return Fail("no 'images' line");
    for (const auto& [key, line] : links_)
      if (!layout_.Find(key)) {
        line_ = line;
        return Fail("link to key " + std::to_string(key) + ", which is not placed");
      }
  }

  Layout layout_;
  std::vector<std::pair<int, int>> links_;  // key, line
  int line_ = 0;
  std::string error_;
};

}  // namespace

const Control* Layout::Find(int key) const {
  for (const auto& c : controls)
    if (c.key == key) return &c;
  return nullptr;
}

std::optional<Kind> KindFromName(std::string_view name) {
  for (const auto& [n, k] : kKinds)
    if (n == name) return k;
  return std::nullopt;
}

ParseResult ParseLayout(std::string_view text) { return CParser().Run(text); }

}  // namespace skingen
