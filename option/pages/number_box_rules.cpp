#include "option/pages/number_box_rules.h"

#include <algorithm>
#include <climits>

#include "option/skin/list_spin.h"

int LeadingInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long v = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    v = v * 10 + (text[i] - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) v = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) v = -v;
  return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

std::string CleanTypedNumber(std::string_view text) {
  const size_t start = text.find_first_of("-+123456789");
  std::string out;
  if (start == std::string_view::npos) return out;
  bool signKept = false;
  for (char c : text.substr(start)) {
    if (c >= '0' && c <= '9') {
      out += c;
    } else if ((c == '+' || c == '-') && !signKept) {
      out += c;
      signKept = true;
    }
  }
  return out;
}

void CNumberBoxModel::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
}

void CNumberBoxModel::SetStep(int step) {
  if (step >= 1) step_ = step;
}

int CNumberBoxModel::TextLimit() const { return DigitsForRange(minimum_, maximum_); }

int CNumberBoxModel::Clamp(long long v) const {
  // Raised to the minimum last: an inverted range gives the minimum.
  return static_cast<int>(std::max<long long>(std::min<long long>(v, maximum_), minimum_));
}

// To the nearest multiple of the step (halves away from zero for positive
// values, as integer division rounds toward zero).
int CNumberBoxModel::Round(long long v) const { return Clamp(step_ * ((v + step_ / 2) / step_)); }

std::optional<int> CNumberBoxModel::Up(std::string_view text) {
  const long long b = LeadingInteger(text);
  if (b > maximum_) return std::nullopt;
  // Rounded after the range is applied, then kept in it: a step that does
  // not divide the maximum must not round past it.
  value_ = Round(Clamp(b + step_));
  return value_;
}

std::optional<int> CNumberBoxModel::Down(std::string_view text) {
  const long long b = LeadingInteger(text);
  if (b < minimum_) return std::nullopt;
  value_ = Round(Clamp(b - step_));
  return value_;
}

CNumberBoxModel::Settled CNumberBoxModel::SettleText(std::string_view text) {
  const int typed = LeadingInteger(text);
  value_ = Round(typed);
  Settled s{value_, std::nullopt};
  if (value_ != typed) s.rewrite = std::to_string(value_);
  return s;
}

CNumberBoxModel::Settled CNumberBoxModel::SettleOnEnter(std::string_view text) {
  value_ = Clamp(LeadingInteger(CleanTypedNumber(text)));
  Settled s{value_, std::nullopt};
  const std::string shown = std::to_string(value_);
  if (shown != text) s.rewrite = shown;
  return s;
}
