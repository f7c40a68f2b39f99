// The registry text store of any bytes: what is read is written again as text that reads
// back to the same keys and values.

#include "platform/RegistryFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TRegKeys keys =
      ParseRegistryText(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  const QByteArray text = FormatRegistryText(keys);
  const TRegKeys again = ParseRegistryText(text);
  if (again.size() != keys.size() || FormatRegistryText(again) != text) __builtin_trap();
  return 0;
}
