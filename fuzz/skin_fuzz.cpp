// A main description or "Tesaurus.txt" of any bytes: the skin is read, or the description error
// names the file and the line. Traced, the main description is read with the same result.

#include "DescriptionInput.h"
#include "app/Errors.h"
#include "skin/SkinReader.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void CheckError(const EDataError& e, const std::string& name) {
  if (std::string(e.what()).rfind(name + ": line ", 0) != 0) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TLines lines = DescriptionInput::Lines(data, size);
  for (std::string& line : lines) line = AsciiLower(line);
  try {
    ReadSkin(lines, "Struct.txt");
  } catch (const EDataError& e) {
    CheckError(e, "Struct.txt");
  }
  try {
    TSkinReadTrace trace;
    ReadSkin(lines, "Struct.txt", &trace);
  } catch (const EDataError& e) {
    CheckError(e, "Struct.txt");
  }
  try {
    ReadTesaurusSkin(lines, "Tesaurus.txt");
  } catch (const EDataError& e) {
    CheckError(e, "Tesaurus.txt");
  }
  return 0;
}
