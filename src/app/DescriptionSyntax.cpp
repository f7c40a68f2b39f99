#include "app/DescriptionSyntax.h"

#include "app/Errors.h"
#include "app/TextValues.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr size_t kMaxVertexCount = 2000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A 1-based position as an index; positions below 1 read from the start.
size_t ToIndex(int pos) { return pos < 1 ? 0 : static_cast<size_t>(pos) - 1; }

int ParseIntFrom(const std::string& line, size_t start) {
  size_t first = std::min(start, line.size());
  while (first < line.size() && line[first] != '-' && !IsDigit(line[first])) ++first;
  size_t end = first;
  while (end < line.size() && (line[end] == '-' || IsDigit(line[end]))) ++end;
  int32_t value = 0;
  return TextToInt32(std::string_view(line).substr(first, end - first), value) ? value : -1;
}

size_t DecimalLength(int value) { return std::to_string(value).size(); }

int32_t VertexCoordinate(std::string_view text) {
  int32_t value = 0;
  if (!TextToInt32(TrimBlanks(text), value))
    throw EConvertError("\"" + Cp1251ToUtf8(text) + "\" is not a valid integer value");
  return value;
}

}  // namespace

bool ReadTextLine(TMemoryStream& stream, std::string& line) {
  if (stream.Position() >= stream.Size()) return false;
  line.clear();
  char c = 0;
  while (stream.ReadByte(c)) {
    if (c == '\n') break;
    if (c == '\r') {
      // The line feed of a CR LF pair goes with its line, so a text ending in CR LF has no
      // empty line after its last one, just like a text ending in CR or in LF.
      const std::string& data = stream.Data();
      if (stream.Position() < data.size() && data[stream.Position()] == '\n') stream.SetPosition(stream.Position() + 1);
      break;
    }
    line.push_back(c);
  }
  return true;
}

int ParseIntAt(const std::string& line, int pos) { return ParseIntFrom(line, ToIndex(pos)); }

std::string ParseTokenAt(const std::string& line, int pos) {
  const size_t start = ToIndex(pos);
  if (start >= line.size()) return {};
  const size_t end = line.find(';', start);
  return std::string(TrimBlanks(std::string_view(line).substr(start, end - start)));
}

TColor ParseColorAt(const std::string& line, int pos) {
  size_t first = ToIndex(pos);
  while (first < line.size() && !IsDigit(line[first])) ++first;
  if (first >= line.size()) return 0;
  // Each next number is read one separator after the decimal text of the previous one.
  const int r = ParseIntFrom(line, first);
  const size_t rLength = DecimalLength(r);
  const int g = ParseIntFrom(line, first + rLength + 1);
  const int b = ParseIntFrom(line, first + rLength + DecimalLength(g) + 2);
  return (r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16;
}

std::vector<std::string> ParseBracketList(const TLines& lines, int& lineIndex) {
  bool unclosed = false;
  return ParseBracketList(lines, lineIndex, unclosed);
}

std::vector<std::string> ParseBracketList(const TLines& lines, int& lineIndex, bool& unclosed) {
  std::vector<std::string> items;
  unclosed = false;
  if (lineIndex < 0 || static_cast<size_t>(lineIndex) >= lines.size()) return items;
  size_t pos = lines[lineIndex].find('[');
  if (pos == std::string::npos) return items;
  ++pos;
  unclosed = true;
  for (;;) {
    const std::string& line = lines[lineIndex];
    if (pos < line.size() && line[pos] == ']') {
      unclosed = false;
      break;
    }
    const size_t end = std::min(line.find_first_of(";]", pos), line.size());
    items.emplace_back(TrimBlanks(std::string_view(line).substr(pos, end - pos)));
    if (end == line.size()) {
      // An unclosed list ends with the text.
      if (static_cast<size_t>(lineIndex) + 1 >= lines.size()) break;
      ++lineIndex;
      pos = 0;
    } else {
      pos = line[end] == ';' ? end + 1 : end;
    }
  }
  for (std::string& item : items) item = ResolvePath(item);
  return items;
}

std::string ValueAfterFirstEq(const std::string& text) {
  const size_t first = text.find('=');
  if (first == std::string::npos) return {};
  const size_t last = text.rfind('=');
  const size_t end = first == last ? text.size() : last;
  return ResolvePath(text.substr(first + 1, end - first - 1));
}

std::string ValueAfterLastEq(const std::string& text) {
  const size_t first = text.find('=');
  const size_t last = text.rfind('=');
  if (first == last) return {};
  return ResolvePath(text.substr(last + 1));
}

std::vector<QPoint> ParseVertexList(const TLines& lines, int& lineIndex) {
  bool unclosed = false;
  const std::vector<std::string> items = ParseBracketList(lines, lineIndex, unclosed);
  if (unclosed) throw EDataError("the list has no closing \"]\" before the end of the description");
  if (items.size() > kMaxVertexCount)
    throw EDataError("A vertex list holds " + std::to_string(items.size()) + " points; at most " +
                     std::to_string(kMaxVertexCount) + " are allowed");
  std::vector<QPoint> points;
  points.reserve(items.size());
  for (const std::string& item : items) {
    const std::string_view text(item);
    const size_t comma = text.find(',');
    const std::string_view x = text.substr(0, comma);
    const std::string_view y = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    points.emplace_back(VertexCoordinate(x), VertexCoordinate(y));
  }
  return points;
}

bool IndexOfInt(const std::vector<int>& list, int value, int& index) {
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i] == value) {
      index = static_cast<int>(i);
      return true;
    }
  }
  index = -1;
  return false;
}

bool ContainsText(const std::vector<std::string>& list, const std::string& text) {
  const std::string wanted = AsciiLower(text);
  for (const std::string& item : list)
    if (AsciiLower(item) == wanted) return true;
  return false;
}
