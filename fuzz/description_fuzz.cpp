// Description text of any bytes: every syntax routine on every line must return or raise
// one of its own errors, and the text read as a contents file makes a well-formed tree.

#include "DescriptionInput.h"
#include "app/DescriptionSyntax.h"
#include "app/Errors.h"
#include "document/Contents.h"
#include "platform/Globals.h"

#include <cstddef>
#include <cstdint>

namespace {

// Positions around the interesting places of a line: its start, the characters after each
// separator ('=', '[', ';', ','), its end, and beyond both ends.
std::vector<int> PositionsIn(const std::string& line) {
  const int size = static_cast<int>(line.size());
  std::vector<int> positions = {-1, 0, 1, 2, size, size + 1, size + 2};
  for (int i = 0; i < size && positions.size() < 64; ++i)
    if (line[i] == '=' || line[i] == '[' || line[i] == ';' || line[i] == ',') positions.push_back(i + 2);
  return positions;
}

void ParseLine(const std::string& line, const std::string& next) {
  for (const int pos : PositionsIn(line)) {
    ParseIntAt(line, pos);
    ParseTokenAt(line, pos);
    ParseColorAt(line, pos);
  }
  ValueAfterFirstEq(line);
  ValueAfterLastEq(line);
  ResolvePath(line);
  JoinUnderFolder(line, next);
  // ".." never leaves the program folder.
  if (!JoinUnderFolder(Global.ProgramFolder, line).starts_with(Global.ProgramFolder)) __builtin_trap();
  ContainsText({line, next}, AsciiLower(line));
}

void CheckContents(const TLines& lines) {
  const std::vector<TContentsEntry> entries = ParseContents(lines);
  for (size_t i = 0; i < entries.size(); ++i) {
    const TContentsEntry& e = entries[i];
    const int parentDepth = e.parent < 0 ? -1 : entries[static_cast<size_t>(e.parent)].depth;
    if (e.parent >= static_cast<int>(i) || e.depth != parentDepth + 1 || e.depth > kMaxContentsDepth) __builtin_trap();
    const int index = static_cast<int>(i);
    for (const int step : {1, -1}) {
      const int next = ChapterStep(entries, index, step);
      if (next != -1 && (next - index) * step <= 0) __builtin_trap();
    }
    ChapterHint(entries, index);
    LinkNamesFile(e.link, e.caption);
    if (FindCaption(entries, index, e.caption) < 0) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TLines lines = DescriptionInput::Lines(data, size);

  CheckContents(lines);
  for (size_t i = 0; i < lines.size(); ++i) {
    ParseLine(lines[i], i + 1 < lines.size() ? lines[i + 1] : std::string());

    int index = static_cast<int>(i);
    ParseBracketList(lines, index);
    if (index < static_cast<int>(i) || index >= static_cast<int>(lines.size())) __builtin_trap();
    index = static_cast<int>(i);
    try {
      ParseVertexList(lines, index);
    } catch (const EConvertError&) {
    } catch (const EDataError&) {
    }
  }
  return 0;
}
