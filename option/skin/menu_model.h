// The platform-free half of the skinned popup menu: its items, their sizes
// and colours, and the frame drawn around every popup menu window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr unsigned kMenuSeparatorId = 2048;  // appended as a separator
inline constexpr unsigned kMenuLineId = 0;          // drawn as a 5-pixel line
inline constexpr unsigned kMenuHiddenId = 1;        // takes no space

struct MenuColors {
  uint32_t normalBack = 0x1E1E1E;      // colour references: red in the low byte
  uint32_t selectedBack = 0x1E1EE6;
  uint32_t line = 0x1414E6;
  uint32_t normalText = 0xF0F0F0;
  uint32_t selectedText = 0xFFFFFF;
  uint32_t markedText = 0xFFC044;
};

struct MenuItem {
  std::string text;
  int index = 0;  // running index in append order
  unsigned id = 0;
  int mark = 0;
};

struct MenuItemSize {
  int width = 0;
  int height = 0;
};

class CMenuModel {
 public:
  void SetWidth(int width) { width_ = width; }
  int Width() const { return width_; }
  void SetItemHeight(int height) { itemHeight_ = height; }

  // Records the item and widens the menu to 8 pixels per character.
  void Append(unsigned id, std::string_view text, int mark);
  // The first item with this identifier, or null.
  const MenuItem* Find(unsigned id) const;
  MenuItemSize Measure(unsigned id) const;
  uint32_t TextColor(unsigned id, bool selected) const;

  MenuColors colors;

 private:
  std::vector<MenuItem> items_;
  int width_ = 0;
  int itemHeight_ = 18;
};

// The frame of a popup menu window of size width x height: three nested
// one-pixel outlines, outermost first.
struct FrameOutline {
  int left, top, right, bottom;  // right and bottom exclusive
  uint32_t color;
};
inline constexpr uint32_t kMenuFrameOuter = 0x1414E6;  // red 230, green 20, blue 20
inline constexpr uint32_t kMenuFrameInner = 0x1E1E1E;  // red 30, green 30, blue 30
std::vector<FrameOutline> MenuFrameOutlines(int width, int height);

// Class name of a window as read into a 10-character buffer: popup menus
// carry exactly "#32768".
bool IsPopupMenuClassName(std::string_view readName);

// Menu windows taken over by the frame painter, with their earlier window
// procedures: 1000 buckets hashed on (handle / 16) % 1000.
class CMenuPainterTable {
 public:
  static constexpr size_t kBuckets = 1000;

  CMenuPainterTable() : buckets_(kBuckets) {}
  void Add(uintptr_t window);
  bool Contains(uintptr_t window) const;
  void Remove(uintptr_t window);
  bool Empty() const { return count_ == 0; }
  size_t Size() const { return count_; }
  std::vector<uintptr_t> Windows() const;

 private:
  static size_t Bucket(uintptr_t window) { return (window / 16) % kBuckets; }
  std::vector<std::vector<uintptr_t>> buckets_;
  size_t count_ = 0;
};
