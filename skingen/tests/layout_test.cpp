#include "skingen/layout.h"

#include <gtest/gtest.h>

#include <string>

namespace skingen {
namespace {

const std::string kHead =
    "skin skin_test.ini\n"
    "size 200 100\n"
    "images m.bmp n.bmp o.bmp d.bmp x.bmp\n";

std::string ErrorOf(const std::string& text) {
  const ParseResult r = ParseLayout(text);
  EXPECT_FALSE(r.layout) << text;
  return r.error;
}

TEST(LayoutParse, ReadsEveryStatement) {
  const ParseResult r = ParseLayout(
      "# a comment\n\n" + kHead +
      "shape chamfer 12\n"
      "title HELLO THERE\n"
      "group 5 6 100 50 | PANEL\n"
      "text 10 20 11 | Some words\n"
      "art mouse 0 0 50 90\n"
      "control 3 ok button 10 60 80 24 | OK | Take it\n"
      "control 12 plate1 plate 100 60 90 24\n"
      "link 3 40 40\n"
      "sprite thumb.bmp thumb-down 11 15\r\n");
  ASSERT_TRUE(r.layout) << r.error;
  const Layout& l = *r.layout;
  EXPECT_EQ(l.skin_file, "skin_test.ini");
  EXPECT_EQ(l.width, 200);
  EXPECT_EQ(l.height, 100);
  EXPECT_EQ(l.mask, "m.bmp");
  EXPECT_EQ(l.disable, "x.bmp");
  EXPECT_EQ(l.shape, Shape::kChamfer);
  EXPECT_EQ(l.shape_size, 12);
  ASSERT_EQ(l.decorations.size(), 5u);
  EXPECT_EQ(l.decorations[0].text, "HELLO THERE");
  EXPECT_EQ(l.decorations[1].text, "PANEL");
  EXPECT_EQ(l.decorations[2].rect.h, 11);
  EXPECT_EQ(l.decorations[4].key, 3);
  ASSERT_EQ(l.controls.size(), 2u);
  const Control* ok = l.Find(3);
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->name, "ok");
  EXPECT_EQ(ok->kind, Kind::kButton);
  EXPECT_EQ(ok->rect.x, 10);
  EXPECT_EQ(ok->rect.w, 80);
  EXPECT_EQ(ok->caption, "OK");
  EXPECT_EQ(ok->help, "Take it");
  EXPECT_TRUE(l.Find(12)->caption.empty());
  EXPECT_TRUE(l.Find(12)->help.empty());
  EXPECT_EQ(l.Find(99), nullptr);
  ASSERT_EQ(l.sprites.size(), 1u);
  EXPECT_EQ(l.sprites[0].height, 15);
}

TEST(LayoutParse, EmptyRectanglesAreAllowed) {
  const ParseResult r = ParseLayout(kHead + "control 30 accept area 0 0 0 0\n");
  ASSERT_TRUE(r.layout) << r.error;
  EXPECT_EQ(r.layout->controls[0].rect.w, 0);
}

TEST(LayoutParse, MissingHeaderLinesAreNamed) {
  EXPECT_NE(ErrorOf("size 10 10\nimages a.bmp b.bmp c.bmp d.bmp e.bmp\n").find("'skin'"), std::string::npos);
  EXPECT_NE(ErrorOf("skin s.ini\nimages a.bmp b.bmp c.bmp d.bmp e.bmp\n").find("'size'"), std::string::npos);
  EXPECT_NE(ErrorOf("skin s.ini\nsize 10 10\n").find("'images'"), std::string::npos);
  EXPECT_NE(ErrorOf("").find("'skin'"), std::string::npos);
}

TEST(LayoutParse, BadStatementsGiveTheLine) {
  EXPECT_EQ(ErrorOf(kHead + "control 1 a button 0 0 10 10 | A | one, two\n"),
            "line 4: help text must not contain commas");
  EXPECT_EQ(ErrorOf(kHead + "control 1 a button 0 0 10 10\ncontrol 1 b button 0 0 10 10\n"),
            "line 5: key 1 is placed twice");
  EXPECT_EQ(ErrorOf(kHead + "control 1 a button 150 0 60 10\n"), "line 4: rectangle reaches outside the window");
  EXPECT_EQ(ErrorOf(kHead + "control 1 a knob 0 0 10 10\n"), "line 4: unknown kind 'knob'");
  EXPECT_EQ(ErrorOf(kHead + "frobnicate\n"), "line 4: unknown statement 'frobnicate'");
  EXPECT_EQ(ErrorOf(kHead + "| stray\n"), "line 4: a line must start with a statement");
  EXPECT_EQ(ErrorOf(kHead + "link 7 1 1\n"), "line 4: link to key 7, which is not placed");
  EXPECT_EQ(ErrorOf("skin s.ini\ncontrol 1 a button 0 0 1 1\n"), "line 2: 'size' must come before 'control'");
}

TEST(LayoutParse, RefusesValuesTheToolkitWouldMisread) {
  EXPECT_FALSE(ParseLayout(kHead + "control 1 a,b button 0 0 10 10\n").layout);
  EXPECT_FALSE(ParseLayout(kHead + "control 1 " + std::string(40, 'n') + " button 0 0 10 10\n").layout);
  EXPECT_FALSE(ParseLayout(kHead + "control 1 a button 0 0 10 10 | x | " + std::string(400, 'h') + "\n").layout);
  EXPECT_FALSE(ParseLayout(kHead + "control -1 a button 0 0 10 10\n").layout);
  EXPECT_FALSE(ParseLayout(kHead + "control 1 a button 0 0 -5 10\n").layout);
  EXPECT_FALSE(ParseLayout(kHead + "control 1 a button 0 0 1x 10\n").layout);
  EXPECT_FALSE(ParseLayout(kHead + "control 1 a button 0 0 10\n").layout);
  EXPECT_FALSE(ParseLayout(kHead + "control 1 a swatch 0 0 10 10 | red\n").layout);
  EXPECT_TRUE(ParseLayout(kHead + "control 1 a swatch 0 0 10 10 | #FF00aa\n").layout);
  EXPECT_FALSE(ParseLayout("skin ../evil.ini\nsize 1 1\nimages a.bmp b.bmp c.bmp d.bmp e.bmp\n").layout);
  EXPECT_FALSE(ParseLayout("skin s.ini\nsize 1 1\nimages a.png b.bmp c.bmp d.bmp e.bmp\n").layout);
  EXPECT_FALSE(ParseLayout("skin s.ini\nsize 0 1\nimages a.bmp b.bmp c.bmp d.bmp e.bmp\n").layout);
  EXPECT_FALSE(ParseLayout(kHead + "shape oval\n").layout);
}

TEST(LayoutParse, KindNames) {
  EXPECT_EQ(KindFromName("plate"), Kind::kPlate);
  EXPECT_EQ(KindFromName("record"), Kind::kRecord);
  EXPECT_FALSE(KindFromName("Plate"));
}

}  // namespace
}  // namespace skingen
