// The struct decoder on arbitrary text and sizes: a value either decodes to a
// record that encodes back to the same digits (up to case), or is refused
// without touching the destination.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "settings/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  size_t recordSize = data[0] % 64;
  if (size > 1 && (data[1] & 1)) recordSize = (size - 2) / 2;  // lengths that pass the first check
  std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::vector<uint8_t> record(recordSize, 0xA5);
  if (DecodeStruct(text, record.data(), record.size())) {
    std::string again = EncodeStruct(record.data(), record.size());
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (again != text) std::abort();
  } else {
    for (uint8_t b : record)
      if (b != 0xA5) std::abort();
  }
  return 0;
}
