#include "app/Description.h"

#include "app/ComprStream.h"

TLines ReadDescriptionLines(const std::string& windowsName, bool lowerCase) {
  TComprStream stream(windowsName);
  TLines lines;
  std::string line;
  while (ReadTextLine(stream, line)) lines.push_back(lowerCase ? AsciiLower(line) : line);
  return lines;
}
