#pragma once
// Shared by the targets of a book's text files: the input read as the file's lines, with the
// book's folders set as a run of the program has them.

#include "app/DescriptionSyntax.h"
#include "app/MemoryStream.h"
#include "platform/Globals.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace DescriptionInput {

inline TLines Lines(const uint8_t* data, size_t size) {
  Global.ProgramFolder = "d:\\run\\";
  Global.DiscRoot = "d:\\";
  TMemoryStream stream(std::string(reinterpret_cast<const char*>(data), size));
  TLines lines;
  for (std::string line; ReadTextLine(stream, line);) {
    // CR, LF or both end a line, so none is left inside one.
    if (line.find_first_of("\r\n") != std::string::npos) __builtin_trap();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace DescriptionInput
