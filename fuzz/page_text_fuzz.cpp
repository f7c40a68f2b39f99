// Page bytes of any kind: the quick reading of the text a page shows never returns more text
// than the page holds, and the index builder takes any page.

#include "html/PageCharset.h"
#include "search/IndexBuilder.h"
#include "search/PageText.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const QString page = DecodePage(bytes);
  const TPageText text = ReadPageText(page);
  if (text.text.size() > page.size() || text.title.size() > page.size()) __builtin_trap();
  TIndexBuilder builder;
  builder.AddPage("man\\page.htm", bytes);
  const TIndexFiles files = builder.Files();
  if (builder.Documents() != 1 || files.files.find("man\\page.htm#:#") != 0) __builtin_trap();
  return 0;
}
