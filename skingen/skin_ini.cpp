#include "skingen/skin_ini.h"

#include <algorithm>

namespace skingen {

std::string SkinIni(const Layout& layout) {
  // CR LF: the files are read by the Windows profile functions.
  std::string out = "[SCREEN]\r\n";
  out += "Mask=" + layout.mask + "\r\n";
  out += "Normal=" + layout.normal + "\r\n";
  out += "Over=" + layout.over + "\r\n";
  out += "Down=" + layout.down + "\r\n";
  out += "Disable=" + layout.disable + "\r\n";
  out += "\r\n[BUTTONPOS]\r\n";
  std::vector<const Control*> sorted;
  for (const auto& c : layout.controls) sorted.push_back(&c);
  std::sort(sorted.begin(), sorted.end(), [](const Control* a, const Control* b) { return a->key < b->key; });
  for (const Control* c : sorted) {
    out += std::to_string(c->key) + "=" + c->name + "," + std::to_string(c->rect.x) + "," +
           std::to_string(c->rect.y) + "," + std::to_string(c->rect.w) + "," + std::to_string(c->rect.h) + "," +
           c->help + "\r\n";
  }
  return out;
}

}  // namespace skingen
