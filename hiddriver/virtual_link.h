// How the device library's virtual backend and the virtual mouse program talk.
//
// Library -> virtual mouse: WM_COPYDATA to the window titled
// names::kVirtualMouseTitle, dwData one of the kCopy... values below. The
// window's answer is 1 when the report was taken (mouse plugged), 0 otherwise.
//
// Virtual mouse -> Monitor: the library publishes the window given to
// Open_DevMonitor and its two message numbers in the named mapping
// names::kVirtualLinkMapping; the virtual mouse posts events straight there.
// Either program may start first: the mapping is looked up on every post.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vlink {

enum : std::uint32_t {
  kCopyFeature = 0x4F560001,  // 8 bytes: one feature report
  kCopyPacket = 0x4F560002,   // 64 bytes: one data packet
  kCopyQuery = 0x4F560003,    // no bytes: answer 1 while plugged
  kCopyControl = 0x4F560010,  // command text (not NUL-terminated), see the README
};

inline constexpr std::uint32_t kLinkMagic = 0x4B4E494C;  // "LINK"

#pragma pack(push, 1)
struct LinkRecord {
  std::uint32_t magic;  // kLinkMagic while a window is registered, else 0
  std::uint32_t processId;
  std::uint64_t window;  // HWND of Open_DevMonitor
  std::uint32_t reportMessage;
  std::uint32_t changeMessage;
};
#pragma pack(pop)
static_assert(sizeof(LinkRecord) == 24);
static_assert(offsetof(LinkRecord, magic) == 0);
static_assert(offsetof(LinkRecord, processId) == 4);
static_assert(offsetof(LinkRecord, window) == 8);
static_assert(offsetof(LinkRecord, reportMessage) == 16);
static_assert(offsetof(LinkRecord, changeMessage) == 20);

}  // namespace vlink
