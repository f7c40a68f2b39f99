#include "windows/AboutDescription.h"

#include "app/Description.h"
#include "app/DescriptionKeys.h"

namespace {

bool Has(const std::string& line, const char* word) { return line.find(word) != std::string::npos; }

RAboutText ReadText(TKeyCursor& c) {
  RAboutText t;
  t.vx = c.Int("vx");
  t.vy = c.Int("vy");
  t.font = c.Token("font");
  t.size = c.Int("size");
  t.style = c.Styles("style");
  t.color = c.Color("color");
  t.value = c.Token("value");
  t.idenf = AsciiLower(c.Token("idenf"));
  return t;
}

RAboutButton ReadButton(TKeyCursor& c) {
  RAboutButton b;
  b.vx = c.Int("vx");
  b.vy = c.Int("vy");
  b.fn1 = c.Token("fn1");
  b.fn2 = c.Token("fn2");
  b.hint = c.Token("hint");
  b.wav = AsciiLower(c.Token("wav"));
  return b;
}

}  // namespace

TAboutDescription ReadAboutLines(const TLines& lines, const std::string& descriptionName) {
  TLines lower;
  lower.reserve(lines.size());
  for (const std::string& line : lines) lower.push_back(AsciiLower(line));

  // Only a keyword with its '=' counts here: a text may well speak of pictures or vertices.
  TAboutDescription about;
  for (int line = 0; line < static_cast<int>(lines.size()); ++line) {
    if (const size_t at = lower[line].find("picture="); at != std::string::npos)
      about.picture = ParseTokenAt(lines[line], static_cast<int>(at) + 1 + 7 + 1);
    if (Has(lower[line], "vertex=")) {
      const int listLine = line;
      try {
        about.vertex = ParseVertexList(lines, line);
      } catch (const EDataError& e) {  // an unclosed or overlong list: say where it starts
        throw EDataError(descriptionName + ": line " + std::to_string(listLine + 1) + ": " + e.what());
      }
      about.hasVertex = true;
    }
  }
  // An element's keys may hold the other element's word ("fn1=button.bmp", "hint=text"):
  // the next element is looked for after the line its last key was read from.
  for (int line = 0; line < static_cast<int>(lines.size()); ++line) {
    if (Has(lower[line], "text")) {
      TKeyCursor cursor(lower, lines, line, descriptionName, "text");
      about.texts.push_back(ReadText(cursor));
      line = cursor.Line();
    } else if (Has(lower[line], "button")) {
      TKeyCursor cursor(lower, lines, line, descriptionName, "button");
      about.buttons.push_back(ReadButton(cursor));
      line = cursor.Line();
    }
  }
  return about;
}

TAboutDescription ReadAboutFile(const std::string& windowsName) {
  return ReadAboutLines(ReadDescriptionLines(windowsName, false), FileNamePart(windowsName));
}

TAboutLink AboutLink(const std::string& value) {
  return {value.find('@') != std::string::npos ? "mailto:" + value : value, value.substr(0, value.find('?'))};
}
