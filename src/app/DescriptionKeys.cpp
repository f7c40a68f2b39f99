#include "app/DescriptionKeys.h"

#include <stdexcept>
#include <utility>

namespace {

// 1-based position of the key's first occurrence in the line; 0 when it does not occur.
int KeyPosition(const std::string& line, std::string_view key) {
  const size_t at = line.find(key);
  return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

std::string TokenAfterKey(const std::string& line, int pos, std::string_view key) {
  return ParseTokenAt(line, pos + static_cast<int>(key.size()) + 1);
}

std::string Quoted(std::string_view text) { return "\"" + Cp1251ToUtf8(text) + "\""; }

}  // namespace

TFontStyles StylesFromWords(const std::string& words) {
  const std::string lower = AsciiLower(words);
  const auto has = [&lower](const char* word) { return lower.find(word) != std::string::npos; };
  TFontStyles styles = 0;
  if (has("bold")) styles |= fsBold;
  if (has("italic")) styles |= fsItalic;
  if (has("underline")) styles |= fsUnderline;
  if (has("strikeout")) styles |= fsStrikeOut;
  return styles;
}

void TLineKeys::Int(std::string_view key, int& value) const {
  if (const int pos = KeyPosition(line_, key)) value = ParseIntAt(line_, pos);
}

void TLineKeys::Token(std::string_view key, std::string& value) const {
  if (const int pos = KeyPosition(line_, key)) value = TokenAfterKey(values_, pos, key);
}

void TLineKeys::Color(std::string_view key, TColor& value) const {
  if (const int pos = KeyPosition(line_, key)) value = ParseColorAt(line_, pos);
}

void TLineKeys::Styles(std::string_view key, TFontStyles& value) const {
  if (const int pos = KeyPosition(line_, key)) value = StylesFromWords(TokenAfterKey(values_, pos, key));
}

TKeyCursor::TKeyCursor(const TLines& lines, int line, std::string descriptionName, std::string element)
    : TKeyCursor(lines, lines, line, std::move(descriptionName), std::move(element)) {}

TKeyCursor::TKeyCursor(const TLines& lines, const TLines& values, int line, std::string descriptionName,
                       std::string element)
    : lines_(lines),
      values_(values),
      line_(line),
      firstLine_(line),
      descriptionName_(std::move(descriptionName)),
      element_(std::move(element)) {
  if (values_.size() != lines_.size()) throw std::invalid_argument("the two copies of a description differ");
}

EDataError TKeyCursor::Error(const std::string& what) const {
  return EDataError(descriptionName_ + ": line " + std::to_string(firstLine_ + 1) + ": " + what);
}

int TKeyCursor::Seek(std::string_view key) {
  const int from = line_;
  for (;;) {
    if (line_ < 0 || static_cast<size_t>(line_) >= lines_.size())
      throw Error("key " + Quoted(key) + " of " + Quoted(element_) + " never occurs");
    if (const int pos = KeyPosition(lines_[line_], key)) {
      if (trace) trace->keys.push_back({element_, firstLine_, std::string(key), from, line_, {}, {}});
      return pos;
    }
    if (onLineLeft) onLineLeft(TLineKeys(lines_[line_], values_[line_]));
    ++line_;
  }
}

int TKeyCursor::Int(std::string_view key) {
  const int pos = Seek(key);
  return ParseIntAt(lines_[line_], pos);
}

std::string TKeyCursor::Token(std::string_view key) {
  const int pos = Seek(key);
  std::string token = TokenAfterKey(Values(), pos, key);
  if (trace) trace->keys.back().token = token;
  return token;
}

TColor TKeyCursor::Color(std::string_view key) {
  const int pos = Seek(key);
  return ParseColorAt(lines_[line_], pos);
}

TFontStyles TKeyCursor::Styles(std::string_view key) { return StylesFromWords(Token(key)); }

bool TKeyCursor::OnOff(std::string_view key) { return Token(key) == "on"; }

std::vector<std::string> TKeyCursor::List(std::string_view key) {
  Seek(key);
  std::vector<std::string> items = ParseBracketList(lines_, line_);
  if (trace) trace->keys.back().items = items;
  return items;
}

std::vector<QPoint> TKeyCursor::Vertices(std::string_view key) {
  Seek(key);
  const int listLine = line_;
  try {
    return ParseVertexList(lines_, line_);
  } catch (const std::runtime_error& e) {  // EConvertError for a bad point, EDataError for too many
    throw EDataError(descriptionName_ + ": line " + std::to_string(listLine + 1) + ": vertex list of " +
                     Quoted(element_) + ": " + e.what());
  }
}
