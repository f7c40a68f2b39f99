// "About.txt" of any bytes: the texts and buttons are read with their keys, lower-cased where
// they are looked up, or the description error names the file and the line.

#include "DescriptionInput.h"
#include "app/Errors.h"
#include "windows/AboutDescription.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TLines lines = DescriptionInput::Lines(data, size);
  try {
    const TAboutDescription about = ReadAboutLines(lines);
    for (const RAboutText& text : about.texts)
      if (text.idenf != AsciiLower(text.idenf)) __builtin_trap();
    for (const RAboutButton& button : about.buttons)
      if (button.wav != AsciiLower(button.wav)) __builtin_trap();
    AboutLink(about.texts.empty() ? std::string() : about.texts.front().value);
  } catch (const EDataError& e) {
    if (std::string(e.what()).find("About.txt") == std::string::npos) __builtin_trap();
  } catch (const EConvertError&) {
  }
  return 0;
}
