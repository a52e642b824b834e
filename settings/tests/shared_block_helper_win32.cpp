// Second process for the shared block tests, in the role of Option.
//   write <byte>     fill a record with the byte and write it
//   expect <byte>    exit 0 only if the block holds that byte everywhere
//   alternate <evt>  write two whole patterns in turn until the event is set
//   abandon          take the block's mutex and exit without releasing it
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "settings/shared_block.h"
#include "settings/system_names.h"

namespace {

std::unique_ptr<ProfileSet> Filled(int byte) {
  auto record = std::make_unique<ProfileSet>();
  std::memset(record.get(), byte, sizeof(ProfileSet));
  return record;
}

int Expect(int byte) {
  auto record = Filled(~byte & 0xFF);
  if (!ReadSharedBlock(*record)) return 3;
  const auto expected = Filled(byte);
  return std::memcmp(record.get(), expected.get(), sizeof(ProfileSet)) == 0 ? 0 : 4;
}

int Alternate(const char* eventName) {
  HANDLE stop = OpenEventA(SYNCHRONIZE, FALSE, eventName);
  if (!stop) return 5;
  const auto a = Filled(0xAA), b = Filled(0x55);
  for (unsigned n = 0; WaitForSingleObject(stop, 0) == WAIT_TIMEOUT; ++n)
    if (!WriteSharedBlock(n % 2 ? *b : *a)) return 6;
  CloseHandle(stop);
  return 0;
}

int Abandon() {
  HANDLE mutex = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, names::kSharedBlockMutex);
  if (!mutex || WaitForSingleObject(mutex, INFINITE) != WAIT_OBJECT_0) return 7;
  ExitProcess(0);  // still owning the mutex
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string command = argv[1];
  if (command == "abandon") return Abandon();
  if (!OpenSharedBlock()) return 1;
  int result = 2;
  if (command == "write" && argc > 2)
    result = WriteSharedBlock(*Filled(std::atoi(argv[2]))) ? 0 : 3;
  else if (command == "expect" && argc > 2)
    result = Expect(std::atoi(argv[2]));
  else if (command == "alternate" && argc > 2)
    result = Alternate(argv[2]);
  CloseSharedBlock();
  return result;
}
