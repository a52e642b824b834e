// The numeric filter of the skinned text field.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whether a key-down of this virtual-key code may reach a numeric field:
// main-keyboard digits, Enter, comma, full stop, Left, Right, Home, End,
// Backspace and Delete. Keypad digits and everything else are swallowed.
bool NumericKeyAllowed(unsigned virtualKey);

// The text rebuilt from its digits, commas and full stops, or nullopt when
// it holds nothing else and can stay as it is.
std::optional<std::string> FilterNumericText(std::string_view text);
