// Stepping of the list spin box through its fixed list of values.
#pragma once

#include <array>

// Characters a number field of this range needs: the digits of the maximum,
// one more for a sign when the minimum is negative.
int DigitsForRange(int minimum, int maximum);

class CListSpinModel {
 public:
  static constexpr int kListSize = 12;

  int Value() const { return value_; }
  int Position() const { return position_; }
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }

  void SetList(const std::array<int, kListSize>& list) { list_ = list; }
  void SetRange(int minimum, int maximum) { minimum_ = minimum; maximum_ = maximum; }
  // Digits the display may hold: those of the maximum, one more for a sign.
  int DisplayDigits() const;
  // Position of the last list entry equal to v (1 if none); no notice.
  void SetValue(int v);

  // One step; true when the owner is to hear of the new value.
  bool StepUp();
  bool StepDown();

 private:
  bool Notifies() const { return minimum_ <= value_ && minimum_ <= maximum_; }

  int value_ = 0;
  int position_ = 1;
  std::array<int, kListSize> list_ = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  int minimum_ = 0;
  int maximum_ = 12;
};
