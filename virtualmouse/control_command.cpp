#include "virtualmouse/control_command.h"

#include <charconv>
#include <vector>

namespace vmouse {
namespace {

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < text.size()) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    std::size_t end = at;
    while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
    if (end > at) words.push_back(text.substr(at, end - at));
    at = end;
  }
  return words;
}

std::optional<std::uint16_t> Number(std::string_view word, unsigned low, unsigned high) {
  int base = 10;
  if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
    word.remove_prefix(2);
    base = 16;
  }
  unsigned value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, base);
  if (error != std::errc() || end != word.data() + word.size() || value < low || value > high)
    return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

}  // namespace

std::optional<ControlCommand> ParseControlCommand(std::string_view text) {
  // The path of "dump" is the rest of the line, so it may hold spaces.
  constexpr std::string_view dump = "dump ";
  if (text.substr(0, dump.size()) == dump) {
    std::string_view path = text.substr(dump.size());
    while (!path.empty() && path.front() == ' ') path.remove_prefix(1);
    while (!path.empty() && (path.back() == ' ' || path.back() == '\r' || path.back() == '\n'))
      path.remove_suffix(1);
    if (path.empty()) return std::nullopt;
    ControlCommand c;
    c.kind = ControlCommand::Kind::Dump;
    c.path = path;
    return c;
  }

  const std::vector<std::string_view> w = Words(text);
  if (w.empty()) return std::nullopt;
  using Kind = ControlCommand::Kind;
  struct Plain { std::string_view word; Kind kind; };
  for (const Plain& p : {Plain{"plug", Kind::Plug}, Plain{"unplug", Kind::Unplug},
                         Plain{"idle", Kind::Idle}, Plain{"quit", Kind::Quit}})
    if (w[0] == p.word) {
      if (w.size() != 1) return std::nullopt;
      ControlCommand c;
      c.kind = p.kind;
      return c;
    }
  for (const Plain& p : {Plain{"press", Kind::Press}, Plain{"release", Kind::Release},
                         Plain{"click", Kind::Click}})
    if (w[0] == p.word) {
      if (w.size() != 2) return std::nullopt;
      const auto button = Number(w[1], 1, 16);
      if (!button) return std::nullopt;
      ControlCommand c;
      c.kind = p.kind;
      c.first = *button;
      return c;
    }
  if (w[0] == "event" && w.size() == 3) {
    const auto type = Number(w[1], 0, 0xFFFF), value = Number(w[2], 0, 0xFFFF);
    if (!type || !value) return std::nullopt;
    ControlCommand c;
    c.kind = Kind::Event;
    c.first = *type;
    c.second = *value;
    return c;
  }
  return std::nullopt;
}

}  // namespace vmouse
