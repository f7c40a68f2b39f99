#include "app/Description.h"

#include "app/ComprStream.h"
#include "app/ResourcePack.h"
#include "platform/Globals.h"

TLines ReadDescriptionLines(const std::string& windowsName, bool lowerCase) {
  TComprStream stream(windowsName);
  TLines lines;
  std::string line;
  while (ReadTextLine(stream, line)) lines.push_back(lowerCase ? AsciiLower(line) : line);
  return lines;
}

std::string ReadBookTitleFile() {
  std::string title;
  const std::string titleName = Global.ProgramFolder + "Title.txt";
  if (!FileOrPackExists(titleName)) return title;
  for (const std::string& line : ReadDescriptionLines(titleName, false))
    if (!line.empty()) title = line;
  return title;
}
