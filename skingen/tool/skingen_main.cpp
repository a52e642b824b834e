// skingen <layouts folder> <skins folder>: renders every layout description
// of the layouts folder into its skin description file and pictures.
// skingen --icons <folder>: renders the programs' icons, Option.ico and
// Monitor.ico, and the setup program's side picture, setup_side.bmp.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "skingen/bmp_codec.h"
#include "skingen/layout.h"
#include "skingen/mask.h"
#include "skingen/skin_ini.h"
#include "skingen/tool/canvas.h"
#include "skingen/tool/icons.h"
#include "skingen/tool/jpeg_writer.h"
#include "skingen/tool/paint.h"

namespace fs = std::filesystem;
using namespace skingen;

namespace {

// Thumbs are cut by their top-left colour; this one never occurs in the art.
constexpr Rgb kThumbKey{255, 0, 255};

bool WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

bool WritePicture(const fs::path& path, const Image& image, bool mask = false) {
  const bool jpeg = path.extension() == ".jpg";
  if (!WriteFile(path, jpeg ? EncodeJpeg(image, 93) : mask ? EncodeMaskBmp(image) : EncodeBmp(image))) {
    std::fprintf(stderr, "skingen: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

Image RenderState(const Layout& layout, State state) {
  CCanvas canvas(layout.width, layout.height);
  DrawWindow(canvas.cr(), layout);
  for (const auto& c : layout.controls) DrawControl(canvas.cr(), c, state);
  return canvas.ToImage();
}

Image RenderMask(const Layout& layout) {
  CCanvas coverage(layout.width, layout.height, CAIRO_FORMAT_A8);
  ShapePath(coverage.cr(), layout, 0);
  cairo_set_source_rgba(coverage.cr(), 0, 0, 0, 1);
  cairo_fill(coverage.cr());
  int stride = 0;
  const auto bytes = coverage.Coverage(&stride);
  return MaskFromCoverage(layout.width, layout.height, bytes, stride);
}

// The slider thumb: a pointer pointing up or down, on the key colour.
Image RenderThumb(const Sprite& s) {
  const bool up = s.art == "thumb-up";
  auto path = [&](cairo_t* cr) {
    const double w = s.width, h = s.height, tip = h * 0.38;
    if (up) {
      cairo_move_to(cr, w / 2, 0.3);
      cairo_line_to(cr, w - 0.3, tip);
      cairo_line_to(cr, w - 0.3, h - 0.3);
      cairo_line_to(cr, 0.3, h - 0.3);
      cairo_line_to(cr, 0.3, tip);
    } else {
      // Cut top corners: the top-left pixel must stay the background.
      cairo_move_to(cr, 2, 0.3);
      cairo_line_to(cr, w - 2, 0.3);
      cairo_line_to(cr, w - 0.3, 2);
      cairo_line_to(cr, w - 0.3, h - tip);
      cairo_line_to(cr, w / 2, h - 0.3);
      cairo_line_to(cr, 0.3, h - tip);
      cairo_line_to(cr, 0.3, 2);
    }
    cairo_close_path(cr);
  };
  CCanvas coverage(s.width, s.height, CAIRO_FORMAT_A8);
  path(coverage.cr());
  cairo_fill(coverage.cr());
  CCanvas picture(s.width, s.height);
  cairo_t* cr = picture.cr();
  SetColour(cr, Rgb255(24, 24, 25));  // the track it slides on
  cairo_paint(cr);
  path(cr);
  FillVertical(cr, 0, s.height, Rgb255(255, 70, 70), Rgb255(175, 10, 10));
  path(cr);
  SetColour(cr, Rgb255(255, 150, 150));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  SetColour(cr, theme::kWhite, 0.85);
  cairo_rectangle(cr, s.width / 2.0 - 0.5, s.height * (up ? 0.45 : 0.2), 1, s.height * 0.35);
  cairo_fill(cr);
  Image image = picture.ToImage();
  int stride = 0;
  const auto bytes = coverage.Coverage(&stride);
  CutToKey(image, bytes, stride, kThumbKey);
  return image;
}

// The outline of a sensitivity level window: the same rounded rectangle the
// DPI page draws under it.
Image RenderLevelMask(const Sprite& s) {
  CCanvas coverage(s.width, s.height, CAIRO_FORMAT_A8);
  RoundRectPath(coverage.cr(), 0, 0, s.width, s.height, 6);
  cairo_fill(coverage.cr());
  int stride = 0;
  const auto bytes = coverage.Coverage(&stride);
  return MaskFromCoverage(s.width, s.height, bytes, stride);
}

Image RenderSprite(const Sprite& s) {
  if (s.art == "thumb-up" || s.art == "thumb-down") return RenderThumb(s);
  if (s.art == "level-mask") return RenderLevelMask(s);
  CCanvas canvas(s.width, s.height);
  // Icons sit on black, the colour the program leaves out when it draws them.
  SetColour(canvas.cr(), IconArt(s.art) ? Rgb255(0, 0, 0) : theme::kSurface);
  cairo_paint(canvas.cr());
  DrawArt(canvas.cr(), s.art, {0, 0, s.width, s.height});
  return canvas.ToImage();
}

bool SpriteArt(std::string_view art) {
  return art == "thumb-up" || art == "thumb-down" || art == "level-mask" || KnownArt(art);
}

// Every file a layout produces; names must not clash across layouts.
std::vector<std::string> Outputs(const Layout& l) {
  std::vector<std::string> files{l.skin_file, l.mask, l.normal, l.over, l.down, l.disable};
  for (const auto& s : l.sprites) files.push_back(s.file);
  return files;
}

std::string Check(const Layout& l) {
  for (const auto& d : l.decorations)
    if (d.type == Decoration::Type::kArt && !KnownArt(d.text)) return "unknown art '" + d.text + "'";
  for (const auto& s : l.sprites)
    if (!SpriteArt(s.art)) return "unknown sprite art '" + s.art + "'";
  std::set<std::string> images{l.mask, l.normal, l.over, l.down, l.disable};
  if (images.size() != 5) return "the five pictures need five different names";
  return {};
}

int WriteIcons(const fs::path& target) {
  std::error_code ec;
  fs::create_directories(target, ec);
  for (const char* program : {"Option", "Monitor"}) {
    const fs::path file = target / (std::string(program) + ".ico");
    if (!WriteFile(file, RenderIcon(program))) {
      std::fprintf(stderr, "skingen: cannot write %s\n", file.c_str());
      return 1;
    }
  }
  if (!WritePicture(target / "setup_side.bmp", RenderSetupSide())) return 1;
  std::printf("skingen: icons written to %s\n", target.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string_view(argv[1]) == "--icons") return WriteIcons(argv[2]);
  if (argc != 3) {
    std::fprintf(stderr, "usage: skingen <layouts folder> <skins folder>\n       skingen --icons <folder>\n");
    return 2;
  }
  const fs::path sources = argv[1], target = argv[2];
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(sources, ec))
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  if (ec || files.empty()) {
    std::fprintf(stderr, "skingen: no layouts in %s\n", sources.c_str());
    return 1;
  }
  std::sort(files.begin(), files.end());

  std::vector<Layout> layouts;
  std::set<std::string> outputs;
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ParseResult parsed = ParseLayout(text);
    std::string error = parsed.layout ? Check(*parsed.layout) : parsed.error;
    if (error.empty())
      for (const auto& name : Outputs(*parsed.layout))
        if (!outputs.insert(name).second) error = "'" + name + "' is also made by another layout";
    if (!error.empty()) {
      std::fprintf(stderr, "%s: %s\n", file.c_str(), error.c_str());
      return 1;
    }
    layouts.push_back(std::move(*parsed.layout));
  }

  fs::create_directories(target, ec);
  for (const auto& l : layouts) {
    const std::string ini = SkinIni(l);
    bool ok = WriteFile(target / l.skin_file, std::vector<uint8_t>(ini.begin(), ini.end())) &&
              WritePicture(target / l.mask, RenderMask(l), /*mask=*/true) &&
              WritePicture(target / l.normal, RenderState(l, State::kNormal)) &&
              WritePicture(target / l.over, RenderState(l, State::kOver)) &&
              WritePicture(target / l.down, RenderState(l, State::kDown)) &&
              WritePicture(target / l.disable, RenderState(l, State::kDisable));
    for (const auto& s : l.sprites) ok = ok && WritePicture(target / s.file, RenderSprite(s));
    if (!ok) {
      std::fprintf(stderr, "skingen: writing %s failed\n", l.skin_file.c_str());
      return 1;
    }
  }
  std::printf("skingen: %zu skins written to %s\n", layouts.size(), target.c_str());
  return 0;
}
