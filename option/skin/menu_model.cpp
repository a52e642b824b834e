#include "option/skin/menu_model.h"

#include <algorithm>

void CMenuModel::Append(unsigned id, std::string_view text, int mark) {
  items_.push_back({std::string(text), static_cast<int>(items_.size()), id, mark});
  const size_t wanted = 8 * text.size();
  if (wanted > static_cast<size_t>(std::max(width_, 0)))
    width_ = static_cast<int>(std::min<size_t>(wanted, 1 << 20));
}

const MenuItem* CMenuModel::Find(unsigned id) const {
  for (const MenuItem& item : items_)
    if (item.id == id) return &item;
  return nullptr;
}

MenuItemSize CMenuModel::Measure(unsigned id) const {
  if (id == kMenuLineId) return {width_, 5};
  if (id == kMenuHiddenId) return {width_, 0};
  return {width_, itemHeight_ + 3};
}

uint32_t CMenuModel::TextColor(unsigned id, bool selected) const {
  const MenuItem* item = Find(id);
  if (item && item->mark == 1) return colors.markedText;
  return selected ? colors.selectedText : colors.normalText;
}

std::vector<FrameOutline> MenuFrameOutlines(int width, int height) {
  return {{0, 0, width, height, kMenuFrameOuter},
          {1, 1, width - 1, height - 1, kMenuFrameInner},
          {2, 2, width - 2, height - 2, kMenuFrameInner}};
}

bool IsPopupMenuClassName(std::string_view readName) { return readName == "#32768"; }

void CMenuPainterTable::Add(uintptr_t window) {
  if (Contains(window)) return;
  buckets_[Bucket(window)].push_back(window);
  ++count_;
}

bool CMenuPainterTable::Contains(uintptr_t window) const {
  const auto& b = buckets_[Bucket(window)];
  return std::find(b.begin(), b.end(), window) != b.end();
}

void CMenuPainterTable::Remove(uintptr_t window) {
  auto& b = buckets_[Bucket(window)];
  const auto it = std::find(b.begin(), b.end(), window);
  if (it == b.end()) return;
  b.erase(it);
  --count_;
}

std::vector<uintptr_t> CMenuPainterTable::Windows() const {
  std::vector<uintptr_t> all;
  for (const auto& b : buckets_) all.insert(all.end(), b.begin(), b.end());
  return all;
}
