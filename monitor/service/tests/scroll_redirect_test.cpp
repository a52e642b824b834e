#include "monitor/service/scroll_redirect.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// A made-up window tree: windows with class, style, rectangle and parent; the
// children keep the order in which they were added.
class CFakeTree : public CWindowTree {
 public:
  struct Node {
    std::string cls;
    uint32_t style = 0;
    ScreenRect rect;
    WindowRef parent = 0;
    std::vector<WindowRef> children;
  };
  static constexpr WindowRef kDesktop = 1;
  CFakeTree() { nodes[kDesktop] = {"#32769", 0, {0, 0, 1280, 1024}, 0, {}}; }

  WindowRef Add(WindowRef parent, const std::string& cls, ScreenRect rect, uint32_t style = 0) {
    const WindowRef id = next++;
    nodes[id] = {cls, style, rect, parent, {}};
    nodes[parent].children.push_back(id);
    return id;
  }

  WindowRef at = 0;
  std::map<WindowRef, Node> nodes;
  WindowRef next = 100;

  WindowRef WindowAt(ScreenPoint) override { return at; }
  WindowRef Desktop() override { return kDesktop; }
  std::string ClassName(WindowRef w) override { return nodes[w].cls; }
  WindowRef Parent(WindowRef w) override { return nodes[w].parent; }
  WindowRef ChildAt(WindowRef w, ScreenPoint p) override {
    for (WindowRef c : nodes[w].children) {
      const ScreenRect& r = nodes[c].rect;
      if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom) return c;
    }
    return 0;
  }
  WindowRef FirstChild(WindowRef w) override {
    return nodes[w].children.empty() ? 0 : nodes[w].children.front();
  }
  WindowRef Sibling(WindowRef w, int step) {
    const auto& list = nodes[nodes[w].parent].children;
    for (size_t i = 0; i < list.size(); ++i)
      if (list[i] == w) {
        const long j = static_cast<long>(i) + step;
        return (j < 0 || j >= static_cast<long>(list.size())) ? 0 : list[j];
      }
    return 0;
  }
  WindowRef NextSibling(WindowRef w) override { return Sibling(w, 1); }
  WindowRef PreviousSibling(WindowRef w) override { return Sibling(w, -1); }
  uint32_t Style(WindowRef w) override { return nodes[w].style; }
  ScreenRect Rect(WindowRef w) override { return nodes[w].rect; }
};

class CRecordingInput : public CScrollInput {
 public:
  ScreenPoint cursor{300, 300};
  std::vector<std::string> calls;
  ScreenPoint CursorPos() override { return cursor; }
  void SetCursorPos(ScreenPoint p) override {
    cursor = p;
    calls.push_back("move " + std::to_string(p.x) + "," + std::to_string(p.y));
  }
  void ClickPrimary() override { calls.push_back("click"); }
  void PostHScroll(WindowRef w, bool left, WindowRef bar) override {
    calls.push_back("hscroll " + std::to_string(w) + (left ? " left " : " right ") +
                    std::to_string(bar));
  }
  void PostArrowKey(WindowRef w, bool left) override {
    calls.push_back("key " + std::to_string(w) + (left ? " left" : " right"));
  }
};

using V = std::vector<std::string>;

TEST(ScrollKinds, ClassTable) {
  EXPECT_EQ(KindOfClass("_WwG").kind, 1);
  EXPECT_EQ(KindOfClass("AVL_AVView").kind, 1);
  EXPECT_EQ(KindOfClass("EXCEL7").kind, 2);
  EXPECT_EQ(KindOfClass("paneClassDC").kind, 3);
  EXPECT_EQ(KindOfClass("EditControl").kind, 4);
  EXPECT_EQ(KindOfClass("FrontPageEditorDocumentView").kind, 5);
  EXPECT_EQ(KindOfClass("OPrtPrevPage").kind, 6);
  EXPECT_TRUE(KindOfClass("MozillaWindowClass").browser);
  EXPECT_EQ(KindOfClass("Notepad").kind, 0);
  EXPECT_FALSE(KindOfClass("Notepad").browser);
}

TEST(ScrollRedirect, DesktopIconsAndTheDesktopGetNothing) {
  CFakeTree tree;
  CRecordingInput input;
  const WindowRef progman = tree.Add(CFakeTree::kDesktop, "Progman", {0, 0, 1280, 1024});
  const WindowRef view = tree.Add(progman, "SHELLDLL_DefView", {0, 0, 1280, 1024});
  const WindowRef icons = tree.Add(view, "SysListView32", {0, 0, 1280, 1024}, kStyleHScroll);
  tree.at = icons;
  ScrollStep(tree, input, 1, 3);
  tree.at = CFakeTree::kDesktop;
  ScrollStep(tree, input, 1, 3);
  tree.at = 0;
  ScrollStep(tree, input, 1, 3);
  EXPECT_TRUE(input.calls.empty());
  EXPECT_EQ(FindHorizontalScrollTarget(tree, icons, {10, 10}), 0u);
}

TEST(ScrollRedirect, BrowserGetsArrowKeysTiltSpeedTimes) {
  CFakeTree tree;
  CRecordingInput input;
  const WindowRef frame = tree.Add(CFakeTree::kDesktop, "MozillaWindowClass", {0, 0, 800, 600});
  const WindowRef content = tree.Add(frame, "MozillaWindowClass", {0, 50, 800, 600});
  tree.at = frame;
  ScrollStep(tree, input, 1, 3);
  // The browser's target is the parent of the inner window under the cursor.
  const std::string key = "key " + std::to_string(frame) + " left";
  EXPECT_EQ(input.calls, (V{key, key, key}));
  (void)content;
  input.calls.clear();
  ScrollStep(tree, input, -1, 1);
  EXPECT_EQ(input.calls, (V{"key " + std::to_string(frame) + " right"}));
}

TEST(ScrollRedirect, SpreadsheetClicksTheScrollBarEndAndPutsTheCursorBack) {
  CFakeTree tree;
  CRecordingInput input;
  const WindowRef book = tree.Add(CFakeTree::kDesktop, "XLDESK", {0, 0, 1000, 800});
  const WindowRef sheet = tree.Add(book, "EXCEL7", {0, 0, 1000, 760});
  tree.Add(book, "ScrollBar", {400, 760, 980, 780});  // horizontal bar, right of the cursor
  tree.at = sheet;
  ScrollStep(tree, input, 1, 2);
  EXPECT_EQ(input.calls, (V{"move 405,765", "click", "click", "move 300,300"}));
  input.calls.clear();
  ScrollStep(tree, input, -1, 1);
  EXPECT_EQ(input.calls, (V{"move 975,765", "click", "move 300,300"}));
}

TEST(ScrollRedirect, WordProcessorPostsToTheScrollBarsParent) {
  CFakeTree tree;
  CRecordingInput input;
  const WindowRef frame = tree.Add(CFakeTree::kDesktop, "OpusApp", {0, 0, 1000, 800});
  const WindowRef doc = tree.Add(frame, "_WwG", {0, 0, 1000, 760});
  tree.Add(frame, "ScrollBar", {980, 0, 1000, 760}, 1);  // vertical bar: higher than wide
  const WindowRef bar = tree.Add(frame, "ScrollBar", {0, 760, 1000, 780});
  tree.at = doc;
  ScrollStep(tree, input, -1, 2);
  const std::string line =
      "hscroll " + std::to_string(frame) + " right " + std::to_string(bar);
  EXPECT_EQ(input.calls, (V{line, line}));
}

TEST(ScrollRedirect, PlainWindowWithHorizontalStyleGetsMessagesWithoutBar) {
  CFakeTree tree;
  CRecordingInput input;
  const WindowRef editor = tree.Add(CFakeTree::kDesktop, "Notepad", {0, 0, 800, 600});
  const WindowRef edit = tree.Add(editor, "Edit", {0, 0, 800, 600}, kStyleHScroll);
  tree.at = editor;
  EXPECT_EQ(FindHorizontalScrollTarget(tree, editor, input.cursor), edit);
  ScrollStep(tree, input, 1, 1);
  EXPECT_EQ(input.calls, (V{"hscroll " + std::to_string(editor) + " left 0"}));
}

TEST(ScrollRedirect, WindowWithoutAnyScrollBarGetsNothing) {
  CFakeTree tree;
  CRecordingInput input;
  const WindowRef app = tree.Add(CFakeTree::kDesktop, "Calculator", {0, 0, 400, 400});
  tree.Add(app, "Button", {0, 0, 200, 200});
  tree.Add(app, "Static", {200, 200, 400, 400});
  tree.at = app;
  ScrollStep(tree, input, 1, 5);
  EXPECT_TRUE(input.calls.empty());
}

TEST(ScrollRedirect, ScrollBarLeftOfTheCursorDoesNotCount) {
  CFakeTree tree;
  const WindowRef app = tree.Add(CFakeTree::kDesktop, "App", {0, 0, 800, 600});
  const WindowRef pane = tree.Add(app, "Pane", {0, 0, 800, 500});
  tree.Add(app, "ScrollBar", {0, 500, 200, 520});
  EXPECT_EQ(FindHorizontalScrollTarget(tree, app, {300, 300}), 0u);
  EXPECT_EQ(FindHorizontalScrollTarget(tree, pane, {100, 300}), pane + 1) << "now right of the cursor";
}

TEST(ScrollRedirect, ReaderScrollBarAmongPreviousSiblingsAndFrames) {
  CFakeTree tree;
  const WindowRef app = tree.Add(CFakeTree::kDesktop, "Reader", {0, 0, 800, 600});
  const WindowRef holder = tree.Add(app, "AVL_AVScrollBar", {0, 560, 800, 580});
  tree.Add(holder, "ScrollBar", {0, 560, 800, 580});
  const WindowRef view = tree.Add(app, "AVL_AVView", {0, 0, 800, 540});
  EXPECT_EQ(FindHorizontalScrollTarget(tree, view, {300, 300}), holder);

  const WindowRef mfc = tree.Add(CFakeTree::kDesktop, "Designer", {0, 0, 800, 600});
  const WindowRef frame = tree.Add(mfc, "AfxWnd70", {0, 0, 800, 600});
  const WindowRef inner = tree.Add(frame, "Grid", {0, 0, 800, 600}, kStyleHScroll);
  const WindowRef canvas = tree.Add(mfc, "Canvas", {0, 0, 800, 600});
  EXPECT_EQ(FindHorizontalScrollTarget(tree, canvas, {300, 300}), inner);
}

TEST(ScrollRedirect, PaneFindsTheBarBesideItInItsParent) {
  CFakeTree tree;
  CRecordingInput input;
  const WindowRef app = tree.Add(CFakeTree::kDesktop, "Project", {0, 0, 1000, 800});
  // Bars before the pane: the backward sibling search only takes plain ScrollBars.
  tree.Add(app, "NUIScrollbar", {0, 700, 1000, 720});  // wider than the pane allows
  const WindowRef bar = tree.Add(app, "NUIScrollbar", {90, 700, 620, 720});
  const WindowRef pane = tree.Add(app, "paneClassDC", {100, 0, 600, 700});
  tree.at = pane;
  EXPECT_EQ(FindHorizontalScrollTarget(tree, pane, input.cursor), bar);
  ScrollStep(tree, input, 1, 1);
  EXPECT_EQ(input.calls, (V{"hscroll " + std::to_string(app) + " left " + std::to_string(bar)}));
}

TEST(ScrollRedirect, HugeTiltSpeedIsBounded) {
  CFakeTree tree;
  CRecordingInput input;
  const WindowRef app = tree.Add(CFakeTree::kDesktop, "App", {0, 0, 800, 600}, kStyleHScroll);
  tree.at = app;
  ScrollStep(tree, input, 1, 2000000000);
  EXPECT_EQ(input.calls.size(), 100u);
}

}  // namespace
