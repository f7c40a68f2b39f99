// A script of any text: it is read whole, or the first line that cannot run is named.

#include "app/Script.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TScript script =
      ParseScript(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!script.error.isEmpty() && !script.error.startsWith(QStringLiteral("line "))) __builtin_trap();
  return 0;
}
