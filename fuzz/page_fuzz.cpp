// Page bytes of any kind: the charset is found, the page pre-parsed (with controls drawn and
// style sheets linked) and every map read, without a crash or a hang; what the pre-parse
// lists of the controls holds together.

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
  // Every control points into the page's forms and its own list, and its placeholder
  // picture names it.
  const int controls = static_cast<int>(preparsed.controls.size());
  for (int i = 0; i < controls; ++i) {
    const TPreparsedControl& control = preparsed.controls[i];
    const int items = static_cast<int>(control.items.size());
    if (control.form < -1 || control.form >= static_cast<int>(preparsed.forms.size())) __builtin_trap();
    if (control.selectedIndex < -1 || control.selectedIndex >= items) __builtin_trap();
    for (const int chosen : control.chosen)
      if (chosen < 0 || chosen >= items) __builtin_trap();
    if (!control.placeholder.isEmpty() && PlaceholderControl(control.placeholder) != i) __builtin_trap();
  }
  for (const TImageMap& map : preparsed.maps)
    for (int y = 0; y < 40; y += 7)
      for (int x = 0; x < 40; x += 7) MapAreaAt(map, QPointF(x, y));
  return 0;
}
