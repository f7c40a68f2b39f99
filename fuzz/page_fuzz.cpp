// Page bytes of any kind: the charset is found, the page pre-parsed (with controls drawn and
// style sheets linked) and every map read, without a crash or a hang.

#include "html/ImageMaps.h"
#include "html/PageCharset.h"
#include "html/PagePreparser.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const QString page = DecodePage(bytes);
  TPreparseOptions options;
  options.controlSize = [](const TPreparsedControl&) { return QSize(40, 20); };
  options.styleSheet = [&](const QString&) { return page.left(200); };
  const TPreparsedPage preparsed = PreparsePage(page, options);
  for (const TImageMap& map : preparsed.maps)
    for (int y = 0; y < 40; y += 7)
      for (int x = 0; x < 40; x += 7) MapAreaAt(map, QPointF(x, y));
  return 0;
}
