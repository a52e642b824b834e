#include "settings/ini_file.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "settings/file_lock.h"
#include "settings/file_replace.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The whitespace the Windows functions trim: the C locale's, plus Ctrl-Z,
// which old editors left at the end of text files.
bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view CutAtNul(std::string_view s) {
  return s.substr(0, std::min(s.find('\0'), s.size()));
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

// A value in matching single or double quotes loses them.
std::string_view Unquote(std::string_view v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
}

std::string Clip(std::string_view v, size_t bufferSize) {
  if (bufferSize == 0) return {};
  return std::string(v.substr(0, std::min(v.size(), bufferSize - 1)));
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The number conversion behind GetPrivateProfileIntA: optional sign, a 0x,
// 0o or 0b prefix, digits up to the first that doesn't fit; arithmetic
// wraps at 32 bits.
int ParseProfileInt(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && static_cast<unsigned char>(s[i]) <= ' ') ++i;
  bool minus = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) minus = s[i++] == '-';
  uint32_t base = 10;
  if (s.size() - i >= 2 && s[i] == '0') {
    if (s[i + 1] == 'x') base = 16;
    else if (s[i + 1] == 'o') base = 8;
    else if (s[i + 1] == 'b') base = 2;
    if (base != 10) i += 2;
  }
  uint32_t total = 0;
  for (; i < s.size(); ++i) {
    char c = s[i];
    int digit = (c >= '0' && c <= '9')   ? c - '0'
                : (c >= 'A' && c <= 'Z') ? c - 'A' + 10
                : (c >= 'a' && c <= 'z') ? c - 'a' + 10
                                         : -1;
    if (digit < 0 || static_cast<uint32_t>(digit) >= base) break;
    total = total * base + static_cast<uint32_t>(digit);
  }
  return static_cast<int>(minus ? 0u - total : total);
}

// A name or value written into a line must not break the line apart.
std::string_view CutAtLineBreak(std::string_view s) {
  return s.substr(0, std::min(s.find_first_of(std::string_view("\r\n\0", 3)), s.size()));
}

}  // namespace

CIniFile CIniFile::Parse(std::string_view text) {
  CIniFile ini;
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    text.remove_prefix(kByteOrderMark.size());

  size_t pos = 0;
  while (pos < text.size()) {
    // A line ends at CR LF, LF or a lone CR.
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view raw = text.substr(pos, end - pos);
    pos = end + 1;
    if (end < text.size() && text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;

    std::string_view line = Trim(raw);
    if (!line.empty() && line.front() == '[') {
      size_t close = line.rfind(']');
      if (close != std::string_view::npos && close > 0) {
        Section s;
        s.header = std::string(raw);
        s.name = std::string(CutAtNul(Trim(line.substr(1, close - 1))));
        s.headed = true;
        ini.sections_.push_back(std::move(s));
        continue;
      }
    }
    Line l;
    l.text = std::string(raw);
    if (!line.empty()) {
      l.isKey = true;
      size_t eq = line.find('=');
      if (eq == std::string_view::npos) {
        l.key = std::string(CutAtNul(line));
      } else {
        l.key = std::string(CutAtNul(Trim(line.substr(0, eq))));
        l.value = std::string(CutAtNul(Trim(line.substr(eq + 1))));
        l.hasValue = true;
      }
    }
    ini.sections_.back().lines.push_back(std::move(l));
  }
  return ini;
}

std::optional<CIniFile> CIniFile::LoadExisting(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return Parse(text);
}

CIniFile CIniFile::Load(const std::filesystem::path& path) {
  std::optional<CIniFile> file = LoadExisting(path);
  return file ? std::move(*file) : Parse({});
}

std::string CIniFile::Serialize() const {
  std::string out;
  size_t size = kByteOrderMark.size();
  for (const Section& s : sections_) {
    size += s.header.size() + 2;
    for (const Line& l : s.lines) size += l.text.size() + 2;
  }
  out.reserve(size);
  for (const Section& s : sections_) {
    if (s.headed) out.append(s.header).append("\r\n");
    for (const Line& l : s.lines) out.append(l.text).append("\r\n");
  }
  // Reading drops one leading byte-order mark, so a first line that begins
  // with one (a name that is a mark, a file that had two) needs another in
  // front to read back as it is.
  if (std::string_view(out).substr(0, kByteOrderMark.size()) == kByteOrderMark)
    out.insert(0, kByteOrderMark);
  return out;
}

bool CIniFile::Save(const std::filesystem::path& path) const {
  return ReplaceFileContent(path, Serialize());
}

const CIniFile::Section* CIniFile::FindSection(std::string_view section) const {
  section = Trim(section);
  for (const Section& s : sections_)
    if (SameName(s.name, section)) return &s;
  return nullptr;
}

const CIniFile::Line* CIniFile::FindLine(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  if (!s) return nullptr;
  key = Trim(key);
  // Only the first section of that name counts, as in the Windows functions.
  for (const Line& l : s->lines)
    if (l.isKey && SameName(l.key, key)) return &l;
  return nullptr;
}

std::optional<std::string> CIniFile::Find(std::string_view section, std::string_view key,
                                          size_t bufferSize) const {
  const Line* l = FindLine(section, key);
  if (!l || !l->hasValue) return std::nullopt;
  return Clip(Unquote(l->value), bufferSize);
}

std::string CIniFile::GetString(std::string_view section, std::string_view key,
                                std::string_view defaultValue, size_t bufferSize) const {
  if (auto v = Find(section, key, bufferSize)) return *v;
  // The default is treated like a value: trailing blanks and quotes go.
  while (!defaultValue.empty() && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
  return Clip(Unquote(defaultValue), bufferSize);
}

int CIniFile::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
  // The Windows function reads the value into a 30-character buffer first.
  std::optional<std::string> v = Find(section, key, 30);
  if (!v || v->empty()) return defaultValue;
  return ParseProfileInt(*v);
}

bool CIniFile::GetStruct(std::string_view section, std::string_view key, void* dest,
                         size_t size) const {
  const Line* l = FindLine(section, key);
  if (!l || !l->hasValue) return false;
  return DecodeStruct(l->value, dest, size);
}

void CIniFile::SetString(std::string_view section, std::string_view key, std::string_view value) {
  section = CutAtLineBreak(Trim(section));
  key = Trim(key);
  // Names that would read back as something else are refused.
  if (key.empty() || key.front() == '[' || key.find('=') != std::string_view::npos ||
      CutAtLineBreak(key).size() != key.size())
    return;
  // Stored as it will read back from the file.
  std::string_view v = Trim(CutAtLineBreak(Trim(value)));

  Section* s = nullptr;
  for (Section& candidate : sections_)
    if (SameName(candidate.name, section)) { s = &candidate; break; }
  if (!s) {
    Section fresh;
    fresh.header.append("[").append(section).append("]");
    fresh.name = std::string(section);
    fresh.headed = true;
    sections_.push_back(std::move(fresh));
    s = &sections_.back();
  }
  for (Line& l : s->lines) {
    if (l.isKey && SameName(l.key, key)) {
      if (l.hasValue && l.value == v) return;  // unchanged: keep the line as it is
      l.value = std::string(v);
      l.hasValue = true;
      l.text = l.key + "=" + l.value;
      return;
    }
  }
  // A new key goes after the last non-blank line of its section.
  auto at = std::find_if(s->lines.rbegin(), s->lines.rend(), [](const Line& l) { return l.isKey; });
  Line fresh;
  fresh.key = std::string(key);
  fresh.value = std::string(v);
  fresh.hasValue = true;
  fresh.isKey = true;
  fresh.text = fresh.key + "=" + fresh.value;
  s->lines.insert(at.base(), std::move(fresh));
}

void CIniFile::SetInt(std::string_view section, std::string_view key, int value) {
  SetString(section, key, std::to_string(value));
}

void CIniFile::SetStruct(std::string_view section, std::string_view key, const void* src,
                         size_t size) {
  SetString(section, key, EncodeStruct(src, size));
}

void CIniFile::DeleteKey(std::string_view section, std::string_view key) {
  section = Trim(section);
  key = Trim(key);
  for (Section& s : sections_) {
    if (!SameName(s.name, section)) continue;
    auto it = std::find_if(s.lines.begin(), s.lines.end(),
                           [&](const Line& l) { return l.isKey && SameName(l.key, key); });
    if (it != s.lines.end()) s.lines.erase(it);
    return;
  }
}

void CIniFile::DeleteSection(std::string_view section) {
  section = Trim(section);
  // The lines before the first section have no header to delete; they are
  // emptied instead, so the document always starts with them.
  if (SameName(sections_.front().name, section) && !sections_.front().headed)
    sections_.front().lines.clear();
  sections_.erase(std::remove_if(sections_.begin() + 1, sections_.end(),
                                 [&](const Section& s) { return SameName(s.name, section); }),
                  sections_.end());
}

std::string EncodeStruct(const void* src, size_t size) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const auto* bytes = static_cast<const uint8_t*>(src);
  std::string out;
  out.reserve(2 * size + 2);
  uint8_t sum = 0;
  for (size_t i = 0; i < size; ++i) {
    out.push_back(kHex[bytes[i] >> 4]);
    out.push_back(kHex[bytes[i] & 15]);
    sum = static_cast<uint8_t>(sum + bytes[i]);
  }
  out.push_back(kHex[sum >> 4]);
  out.push_back(kHex[sum & 15]);
  return out;
}

bool DecodeStruct(std::string_view text, void* dest, size_t size) {
  if (text.size() != 2 * size + 2) return false;
  std::string bytes(size, '\0');
  uint8_t sum = 0;
  for (size_t i = 0; i <= size; ++i) {
    int hi = HexDigit(text[2 * i]), lo = HexDigit(text[2 * i + 1]);
    if (hi < 0 || lo < 0) return false;
    auto b = static_cast<uint8_t>(hi * 16 + lo);
    if (i == size) {
      if (b != sum) return false;
    } else {
      bytes[i] = static_cast<char>(b);
      sum = static_cast<uint8_t>(sum + b);
    }
  }
  if (size) std::copy(bytes.begin(), bytes.end(), static_cast<char*>(dest));
  return true;
}

bool UpdateIniFile(const std::filesystem::path& path, const std::function<void(CIniFile&)>& edit) {
  CFileLock lock(path);
  CIniFile ini = CIniFile::Load(path);
  edit(ini);
  return ini.Save(path);
}
