// A pack built around a directory stored as it is: the input is the directory's length as a
// word, the directory and the data area, so mutations reach the tables and the members
// rather than the masked header.

#include "PackRun.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const PackRun::TSplitInput input = PackRun::Split(data, size);
  PackRun::OpenAndWalk(PackRun::WithHeader(input.directory, input.directory.size(), input.data));
  return 0;
}
