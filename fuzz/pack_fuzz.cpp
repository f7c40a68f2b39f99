// Opens the input as a resource pack, lists it and extracts every listed file.

#include "PackRun.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  PackRun::OpenAndWalk(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
