// The number box's arithmetic: a number field with up and down arrows that
// steps by a fixed step within a range, and brings typed text into it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The integer the text starts with, as the C library reads it (blanks, an
// optional sign, digits; 0 when there are none), kept within int's range.
int LeadingInteger(std::string_view text);

// The text Enter leaves: from its first character out of "-+123456789" on,
// only the digits and the first sign.
std::string CleanTypedNumber(std::string_view text);

class CNumberBoxModel {
 public:
  void SetRange(int minimum, int maximum);
  // Steps below 1 are refused.
  void SetStep(int step);
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  int Step() const { return step_; }
  int Value() const { return value_; }
  // Characters the field may hold.
  int TextLimit() const;

  // The arrows, from the text the field shows: the value it is to show
  // next (also stored), or nullopt when the arrow does nothing (the text
  // reads above the maximum for up, below the minimum for down).
  std::optional<int> Up(std::string_view text);
  std::optional<int> Down(std::string_view text);

  // After every change of the text and when the field loses the focus, and
  // when Enter is released in it: the value the owner hears of (stored), and
  // the text the field is to show instead when it must change.
  struct Settled {
    int value;
    std::optional<std::string> rewrite;
  };
  Settled SettleText(std::string_view text);
  Settled SettleOnEnter(std::string_view text);

 private:
  int Clamp(long long v) const;
  int Round(long long v) const;

  int value_ = 0;
  int minimum_ = 0;
  int maximum_ = 10;
  int step_ = 1;
};
