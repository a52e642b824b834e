// The readable description of one skinned window, as kept in
// skingen/layouts/*.txt, and its parser. One line per statement:
//
//   skin   <file.ini>
//   size   <width> <height>
//   images <mask> <normal> <over> <down> <disable>
//   shape  rect | round <radius> | chamfer <cut> | main
//   title  <text>                               heading in the top bar
//   group  <x> <y> <w> <h> | <title>              framed panel
//   text   <x> <y> <size> | <text>                static words
//   art    <name> <x> <y> <w> <h>                 a drawing (mouse, ...)
//   link   <key> <x> <y>                          leader line from a control
//   control <key> <name> <kind> <x> <y> <w> <h> [| <caption> [| <help>]]
//   sprite <file> <art> <w> <h>                   a stand-alone picture
//
// Blank lines and lines starting with '#' are ignored.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skingen {

enum class Kind {
  kButton,    // plate with its caption in every state
  kPlate,     // plate whose caption the program draws (white, red on hover)
  kDropdown,  // plate with an arrow; the program draws the chosen name
  kCheck,     // toggle with a box that fills when held down
  kTab,       // page or profile switch
  kClose,     // the window's close cross
  kMinimise,  // the window's minimise bar
  kSlider,    // slider track (the thumb is a sprite)
  kSpin,      // list spin box: number field and up/down arrows
  kNumber,    // number box: number field and up/down arrows
  kEdit,      // text field
  kList,      // list area
  kValue,     // light display the program writes dark text into
  kArea,      // a rectangle the program uses; nothing drawn
  kPage,      // the place of a child page or panel
  kColor,     // colour button the program fills
  kSwatch,    // fixed colour choice; caption is the colour as #rrggbb
  kLevel,     // a sensitivity level window
  kPalette,   // colour field to pick from
  kPreview,   // colour preview the program fills
  kRecord,    // the record button, drawn from its own pictures
};

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
};

struct Control {
  int key = 0;
  std::string name;
  Kind kind = Kind::kButton;
  Rect rect;
  std::string caption;
  std::string help;
};

struct Decoration {
  enum class Type { kTitle, kGroup, kText, kArt, kLink } type = Type::kText;
  Rect rect;  // kText: x, y and h = size; kLink: x, y = the far end
  std::string text;  // title, words, art name
  int key = 0;       // kLink: the control it starts from
};

struct Sprite {
  std::string file;
  std::string art;
  int width = 0, height = 0;
};

enum class Shape { kRect, kRound, kChamfer, kMain };

struct Layout {
  std::string skin_file;
  int width = 0, height = 0;
  std::string mask, normal, over, down, disable;
  Shape shape = Shape::kRect;
  int shape_size = 0;
  std::vector<Decoration> decorations;  // in drawing order
  std::vector<Control> controls;
  std::vector<Sprite> sprites;

  const Control* Find(int key) const;
};

struct ParseResult {
  std::optional<Layout> layout;
  std::string error;  // "line N: what is wrong" when layout is empty
};

ParseResult ParseLayout(std::string_view text);

std::optional<Kind> KindFromName(std::string_view name);

}  // namespace skingen
