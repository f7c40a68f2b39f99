#include "windows/DialogDescription.h"

#include "app/Description.h"
#include "app/DescriptionKeys.h"
#include "app/Errors.h"

namespace {

RDlgText ReadText(TKeyCursor& c) {
  RDlgText t;
  t.vx = c.Int("vx");
  t.vy = c.Int("vy");
  t.vw = c.Int("vw");
  t.font = c.Token("font");
  t.size = c.Int("size");
  t.style = c.Styles("style");
  t.color = c.Color("color");
  t.value = c.Token("value");
  return t;
}

TDlgAlign AlignOf(const std::string& word) {
  const std::string lower = AsciiLower(word);
  if (lower == "left") return TDlgAlign::Left;
  if (lower == "middle") return TDlgAlign::Middle;
  return TDlgAlign::Right;
}

RDlgBtn ReadButton(TKeyCursor& c) {
  RDlgBtn b;
  b.vx = c.Int("vx");
  b.vy = c.Int("vy");
  b.align = AlignOf(c.Token("align"));
  b.fn1 = c.Token("fn1");
  b.fn2 = c.Token("fn2");
  b.fn3 = c.Token("fn3");
  b.go = AsciiLower(c.Token("go"));
  b.hint = c.Token("hint");
  b.wav = AsciiLower(c.Token("wav"));
  return b;
}

void ReadCaptionKeys(const TLineKeys& keys, RSwthGrp& s) {
  keys.Token("textcaptionup", s.textcaptionup);
  keys.Token("textcaptiondn", s.textcaptiondn);
  keys.Int("texttx", s.texttx);
  keys.Int("textty", s.textty);
  keys.Int("textbx", s.textbx);
  keys.Int("textby", s.textby);
  keys.Token("textfontname", s.textfontname);
  keys.Int("textfontsize", s.textfontsize);
  keys.Styles("textfontstyleup", s.textfontstyleup);
  keys.Styles("textfontstylemvup", s.textfontstylemvup);
  keys.Styles("textfontstylemvdn", s.textfontstylemvdn);
  keys.Styles("textfontstyledn", s.textfontstyledn);
  keys.Color("textfontcolorup", s.textfontcolorup);
  keys.Color("textfontcolormvup", s.textfontcolormvup);
  keys.Color("textfontcolormvdn", s.textfontcolormvdn);
  keys.Color("textfontcolordn", s.textfontcolordn);
}

RSwthGrp ReadSwitch(TKeyCursor& c) {
  RSwthGrp s;
  c.onLineLeft = [&s](const TLineKeys& keys) { ReadCaptionKeys(keys, s); };
  s.vx = c.Int("vx");
  s.vy = c.Int("vy");
  s.fn1 = c.Token("fn1");
  s.fn2 = c.Token("fn2");
  s.fn3 = c.Token("fn3");
  s.fn4 = c.Token("fn4");
  s.state = AsciiLower(c.Token("state")) == "on";
  s.store = c.Token("store") == "on";
  s.group = c.Int("group");
  s.go = AsciiLower(ResolvePath(c.Token("go")));
  s.hint = c.Token("hint");
  s.wav = AsciiLower(c.Token("wav"));
  c.onLineLeft = nullptr;
  return s;
}

enum class TKind { Picture, Text, Button, Switch };

struct TKindWord {
  const char* word;
  TKind kind;
};

// In this order; the first that occurs on a line opens the element.
constexpr TKindWord kKinds[] = {
    {"_picture", TKind::Picture},
    {"_text", TKind::Text},
    {"_button", TKind::Button},
    {"switchgrp", TKind::Switch},
};

const TKindWord* KindOf(const std::string& lowerLine) {
  for (const TKindWord& k : kKinds)
    if (lowerLine.find(k.word) != std::string::npos) return &k;
  return nullptr;
}

RDlgPage& PageOf(TDialogPages& pages, const std::string& line, const TKindWord& kind, const TKeyCursor& c) {
  const int number = ParseIntAt(line, 1);
  const std::string element = std::string("\"") + kind.word + "\"";
  if (number == -1) throw c.Error(element + " has no page number");
  if (number < 1 || number > kMaxDialogPage)
    throw c.Error("page number " + std::to_string(number) + " of " + element + " is not between 1 and " +
                  std::to_string(kMaxDialogPage));
  if (pages.size() < static_cast<size_t>(number)) pages.resize(static_cast<size_t>(number));
  return pages[static_cast<size_t>(number) - 1];
}

}  // namespace

TDialogPages ReadDialogPages(const TLines& lines, const std::string& descriptionName) {
  TLines lower;
  lower.reserve(lines.size());
  for (const std::string& line : lines) lower.push_back(AsciiLower(line));

  TDialogPages pages;
  for (int line = 0; line < static_cast<int>(lines.size()); ++line) {
    const TKindWord* kind = KindOf(lower[line]);
    if (!kind) continue;
    TKeyCursor cursor(lower, lines, line, descriptionName, kind->word);
    RDlgPage& page = PageOf(pages, lines[line], *kind, cursor);
    switch (kind->kind) {
      case TKind::Picture: page.picture = cursor.Token("_picture"); break;
      case TKind::Text: page.text = ReadText(cursor); break;
      case TKind::Button: page.buttons.push_back(ReadButton(cursor)); break;
      case TKind::Switch: page.switches.push_back(ReadSwitch(cursor)); break;
    }
    line = cursor.Line();
  }
  return pages;
}

TDialogPages ReadDialogFile(const std::string& windowsName) {
  return ReadDialogPages(ReadDescriptionLines(windowsName, false), FileNamePart(windowsName));
}
