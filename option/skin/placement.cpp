#include "option/skin/placement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

int64_t Clamp32(int64_t v) {
  return std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                             std::numeric_limits<int32_t>::max());
}

// One "%d" conversion: optional blanks, optional sign, digits. Returns false
// (consuming nothing) when there are no digits.
bool ReadInt(std::string_view& s, int64_t& out) {
  size_t i = s.find_first_not_of(kBlanks);
  if (i == std::string_view::npos) return false;
  bool negative = false;
  if (s[i] == '+' || s[i] == '-') negative = s[i++] == '-';
  if (i >= s.size() || s[i] < '0' || s[i] > '9') return false;
  int64_t v = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
    v = std::min<int64_t>(v * 10 + (s[i] - '0'), int64_t{1} << 40);  // saturate early
  out = Clamp32(negative ? -v : v);
  s.remove_prefix(i);
  return true;
}

// The four numbers of "%d,%d,%d,%d": stops at the first mismatch, like scanf.
void ReadNumbers(std::string_view s, int64_t (&n)[4]) {
  for (int k = 0; k < 4; ++k) {
    if (k > 0) {
      if (s.empty() || s.front() != ',') return;
      s.remove_prefix(1);
    }
    if (!ReadInt(s, n[k])) return;
  }
}

std::string_view Trim(std::string_view s) {
  const size_t first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

Placement ParsePlacement(std::string_view value) {
  Placement p;
  const size_t firstComma = value.find(',');
  p.name = std::string(value.substr(0, std::min(firstComma, value.size())).substr(0, kPlacementNameMax));
  if (firstComma == std::string_view::npos) return p;  // a bare name: no place, no text

  int64_t n[4] = {0, 0, 0, 0};
  ReadNumbers(value.substr(firstComma + 1), n);
  p.left = static_cast<int>(n[0]);
  p.top = static_cast<int>(n[1]);
  p.right = static_cast<int>(Clamp32(n[0] + n[2]));
  p.bottom = static_cast<int>(Clamp32(n[1] + n[3]));

  const size_t lastComma = value.rfind(',');
  p.text = std::string(Trim(value.substr(lastComma + 1)).substr(0, kPlacementTextMax));
  return p;
}
