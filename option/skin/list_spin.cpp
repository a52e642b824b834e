#include "option/skin/list_spin.h"

#include <cstdint>
#include <cstdlib>

int DigitsForRange(int minimum, int maximum) {
  int digits = 1;
  for (int64_t m = std::llabs(int64_t{maximum}); m >= 10; m /= 10) ++digits;
  return minimum < 0 ? digits + 1 : digits;
}

int CListSpinModel::DisplayDigits() const { return DigitsForRange(minimum_, maximum_); }

void CListSpinModel::SetValue(int v) {
  position_ = 1;
  for (int i = 0; i < kListSize; ++i)
    if (list_[i] == v) position_ = i;
  value_ = v;
}

bool CListSpinModel::StepUp() {
  if (value_ >= maximum_) return false;
  if (position_ < kListSize - 1) ++position_;
  int v = list_[position_];
  if (v > maximum_) v = maximum_;
  if (v < minimum_) v = minimum_;
  value_ = v;
  return Notifies();
}

bool CListSpinModel::StepDown() {
  if (value_ <= minimum_) return false;
  if (position_ > 0) --position_;
  int v = list_[position_];
  if (v < minimum_) v = minimum_;
  if (v > maximum_) v = maximum_;
  value_ = v;
  return Notifies();
}
