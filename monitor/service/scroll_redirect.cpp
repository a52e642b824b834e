#include "monitor/service/scroll_redirect.h"

#include <algorithm>

namespace {

// A corrupt TiltSpeed must not keep the window thread posting for ever.
constexpr int kMaxRepetitions = 100;
// Slack around a pane when its scroll bar sits beside it in the parent.
constexpr int kPaneSlack = 25;
constexpr uint32_t kScrollBarVertical = 0x01;
constexpr uint32_t kScrollBarSizeBox = 0x08;

bool IsScrollBarClass(const std::string& c) { return c == "ScrollBar" || c == "NUIScrollbar"; }

class CSearch {
 public:
  CSearch(CWindowTree& tree, ScreenPoint cursor) : tree_(tree), cursor_(cursor) {}

  bool IsDesktopIcons(WindowRef w) {
    if (tree_.ClassName(w) != "SysListView32") return false;
    // Bounded walk: a broken tree must not loop.
    WindowRef a = tree_.Parent(w);
    for (int depth = 0; a != 0 && depth < 64; ++depth, a = tree_.Parent(a))
      if (tree_.ClassName(a) == "Progman") return true;
    return false;
  }

  bool PassesHorizontal(WindowRef h) {
    const std::string c = tree_.ClassName(h);
    if (c == "Internet Explorer_Server") return true;
    if (!IsScrollBarClass(c)) return (tree_.Style(h) & kStyleHScroll) != 0;
    const ScreenRect r = tree_.Rect(h);
    return (r.right - r.left) > (r.bottom - r.top) && r.right > cursor_.x;
  }

  bool IsAcrobatBar(WindowRef s) {
    if (tree_.ClassName(s) != "AVL_AVScrollBar") return false;
    const WindowRef child = tree_.FirstChild(s);
    return child != 0 && tree_.ClassName(child) == "ScrollBar" &&
           (tree_.Style(child) & (kScrollBarVertical | kScrollBarSizeBox)) == 0;
  }

  WindowRef Children(WindowRef h) {
    const WindowRef first = tree_.FirstChild(h);
    if (first == 0) return 0;
    if (PassesHorizontal(first)) return first;
    return Siblings(first);
  }

  WindowRef Siblings(WindowRef h) {
    for (WindowRef s = tree_.NextSibling(h); s != 0; s = tree_.NextSibling(s)) {
      if (IsAcrobatBar(s)) return s;
      if (IsScrollBarClass(tree_.ClassName(s)) && PassesHorizontal(s)) return s;
    }
    for (WindowRef s = tree_.PreviousSibling(h); s != 0; s = tree_.PreviousSibling(s)) {
      if (IsAcrobatBar(s)) return s;
      const std::string c = tree_.ClassName(s);
      if (c == "ScrollBar" && PassesHorizontal(s)) return s;
      if (c == "AfxWnd70" || c == "AfxWnd42") {
        // Nested frames are a few levels deep at most.
        if (++depth_ > 8) return 0;
        const WindowRef found = Children(s);
        --depth_;
        if (found != 0) return found;
      }
    }
    return 0;
  }

  WindowRef BesidePane(WindowRef c) {
    const ScreenRect r = tree_.Rect(c);
    const WindowRef parent = tree_.Parent(c);
    if (parent == 0) return 0;
    for (WindowRef s = tree_.FirstChild(parent); s != 0; s = tree_.NextSibling(s)) {
      if (!IsScrollBarClass(tree_.ClassName(s)) || !PassesHorizontal(s)) continue;
      const ScreenRect sr = tree_.Rect(s);
      if (sr.left >= r.left - kPaneSlack && sr.right <= r.right + kPaneSlack) return s;
    }
    return 0;
  }

  WindowRef Find(WindowRef w) {
    if (w == 0 || w == tree_.Desktop() || IsDesktopIcons(w)) return 0;
    WindowRef c = tree_.ChildAt(w, cursor_);
    if (c == 0) c = w;
    const std::string cls = tree_.ClassName(c);
    WindowRef target = 0;
    if (cls == "MozillaWindowClass") target = tree_.Parent(c);
    else if (PassesHorizontal(c)) target = c;
    if (target == 0 && cls != "ScrollBar") {
      target = Children(c);
      if (target == 0) target = Siblings(c);
    }
    if (target == 0 && (cls == "paneClassDC" || cls == "VISIOG")) target = BesidePane(c);
    return target;
  }

 private:
  CWindowTree& tree_;
  ScreenPoint cursor_;
  int depth_ = 0;
};

}  // namespace

AppKind KindOfClass(const std::string& c) {
  if (c == "_WwG" || c == "AVL_AVView") return {1, false};
  if (c == "EXCEL7") return {2, false};
  if (c == "paneClassDC") return {3, false};
  if (c == "VISIOG" || c == "PSViewC" || c == "EditControl") return {4, false};
  if (c == "FrontPageEditorDocumentView") return {5, false};
  if (c == "OGrid" || c == "OFormSub" || c == "OPrtPrevPage") return {6, false};
  if (c == "MozillaWindowClass") return {0, true};
  return {0, false};
}

WindowRef FindHorizontalScrollTarget(CWindowTree& tree, WindowRef window, ScreenPoint cursor) {
  return CSearch(tree, cursor).Find(window);
}

void ScrollStep(CWindowTree& tree, CScrollInput& input, int direction, int repetitions) {
  if (repetitions <= 0 || (direction != 1 && direction != -1)) return;
  repetitions = std::min(repetitions, kMaxRepetitions);
  const bool left = direction == 1;
  const ScreenPoint cursor = input.CursorPos();
  const WindowRef w = tree.WindowAt(cursor);
  if (w == 0 || w == tree.Desktop()) return;
  CSearch search(tree, cursor);
  if (search.IsDesktopIcons(w)) return;
  const AppKind kind = KindOfClass(tree.ClassName(w));
  const WindowRef target = search.Find(w);
  if (target == 0) return;

  if (kind.kind == 2) {
    // The spreadsheet only scrolls from clicks on the scroll bar's arrows.
    const ScreenRect r = tree.Rect(target);
    input.SetCursorPos(left ? ScreenPoint{r.left + 5, r.top + 5} : ScreenPoint{r.right - 5, r.top + 5});
    for (int i = 0; i < repetitions; ++i) input.ClickPrimary();
    input.SetCursorPos(cursor);
    return;
  }
  for (int i = 0; i < repetitions; ++i) {
    if (kind.kind != 0) input.PostHScroll(tree.Parent(target), left, target);
    else if (kind.browser) input.PostArrowKey(target, left);
    else input.PostHScroll(w, left, 0);
  }
}
