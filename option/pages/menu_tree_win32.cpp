#include "option/pages/menu_tree_win32.h"

#include <memory>

#include "option/skin/skin_menu_win32.h"

namespace {

class CMenuTree {
 public:
  CMenuTree(HFONT font, const CaptionLookup& caption) : font_(font), caption_(caption) {}

  CSkinMenu& Build(const std::vector<MenuEntry>& entries, int width) {
    menus_.push_back(std::make_unique<CSkinMenu>(font_));
    CSkinMenu& menu = *menus_.back();
    if (width > 0) menu.SetWidth(width);
    for (const MenuEntry& e : entries) {
      const std::string text = e.caption ? caption_(e.caption) : e.text;
      switch (e.kind) {
        case MenuEntry::Kind::Separator: menu.AppendItem(kMenuSeparatorId, ""); break;
        case MenuEntry::Kind::Submenu: {
          // The system names a submenu's item by the submenu's handle.
          HMENU sub = Build(e.items, e.width).Handle();
          menu.AppendItem(static_cast<unsigned>(reinterpret_cast<uintptr_t>(sub)), text, sub);
          break;
        }
        case MenuEntry::Kind::Command:
          menu.AppendItem(e.command, text, nullptr, e.checked ? 1 : 0);
          break;
      }
    }
    return menu;
  }

 private:
  HFONT font_;
  const CaptionLookup& caption_;
  // Submenus must outlive the popup that shows them.
  std::vector<std::unique_ptr<CSkinMenu>> menus_;
};

}  // namespace

void ShowMenuTree(HWND owner, int x, int y, HFONT font, const std::vector<MenuEntry>& entries,
                  const CaptionLookup& caption, int width) {
  CMenuTree tree(font, caption);
  tree.Build(entries, width).Show(owner, x, y);
}
