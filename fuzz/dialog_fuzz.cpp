// "Dialog.txt" of any bytes: the reader returns pages within its limit, every switch and
// button read whole, or raises the description error naming the line.

#include "DescriptionInput.h"
#include "app/Errors.h"
#include "windows/DialogDescription.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TLines lines = DescriptionInput::Lines(data, size);
  try {
    const TDialogPages pages = ReadDialogPages(lines);
    if (pages.size() > static_cast<size_t>(kMaxDialogPage)) __builtin_trap();
    for (const RDlgPage& page : pages)
      for (const RSwthGrp& s : page.switches)
        if (s.go != AsciiLower(s.go) || s.wav != AsciiLower(s.wav)) __builtin_trap();
  } catch (const EDataError& e) {
    if (std::string(e.what()).rfind("Dialog.txt: line ", 0) != 0) __builtin_trap();
  }
  return 0;
}
