// As pack_layout_fuzz, with the directory compressed the way the pack writer compresses it,
// so the reader's inflating of the directory is part of every run.

#include "PackRun.h"
#include "app/ZlibBlock.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const PackRun::TSplitInput input = PackRun::Split(data, size);
  PackRun::OpenAndWalk(PackRun::WithHeader(Deflate(input.directory), input.directory.size(), input.data));
  return 0;
}
