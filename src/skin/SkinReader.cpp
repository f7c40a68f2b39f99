#include "skin/SkinReader.h"

#include "app/DescriptionKeys.h"
#include "skin/SkinElementReaders.h"

#include <algorithm>
#include <span>

namespace {

// Screen numbers run from 1; the cap keeps a stray large number from allocating screens
// by the million.
constexpr int kMaxScreenNumber = 1000;

struct TTopLevelKeyword {
  const char* word;
  void (*read)(TKeyCursor& cursor, TSkinModel& model);
};

void ReadHelpWin(TKeyCursor& c, TSkinModel& m) {
  // vw and vh have no effect, but the help file is looked for after them.
  c.Int("vw");
  c.Int("vh");
  m.HelpFile = ResolvePath(c.Token("fn"));
}

// In this order on every line, element blocks included: a later keyword is tested on the
// line where an earlier one's handler stopped.
const TTopLevelKeyword kTopLevelKeywords[] = {
    {"codec", [](TKeyCursor& c, TSkinModel& m) { m.Codec = c.Token("codec"); }},
    {"rolic", [](TKeyCursor& c, TSkinModel& m) { m.Rolic = c.Token("rolic"); }},
    {"helpwin", ReadHelpWin},
    {"background", [](TKeyCursor& c, TSkinModel& m) { m.Background = c.Token("background"); }},
    {"icon", [](TKeyCursor& c, TSkinModel& m) { m.Icon = c.Token("icon"); }},
    {"bgsounddef", [](TKeyCursor& c, TSkinModel& m) { m.BgSoundDef = c.List("bgsounddef"); }},
    {"vertexmain",
     [](TKeyCursor& c, TSkinModel& m) {
       m.VertexMain = c.Vertices("vertexmain");
       m.HasVertexMain = true;
     }},
    {"minimize", [](TKeyCursor& c, TSkinModel& m) { m.MinimizeBtn = ReadWindowButton(c, "minimize"); }},
    {"close", [](TKeyCursor& c, TSkinModel& m) { m.CloseBtn = ReadWindowButton(c, "exit"); }},
};

// The thesaurus window's description knows fewer of them; its "title" is read and not used.
const TTopLevelKeyword kTesaurusTopLevelKeywords[] = {
    {"title", [](TKeyCursor& c, TSkinModel&) { c.Token("title"); }},
    {"icon", [](TKeyCursor& c, TSkinModel& m) { m.Icon = c.Token("icon"); }},
    {"minimize", [](TKeyCursor& c, TSkinModel& m) { m.MinimizeBtn = ReadWindowButton(c, "minimize"); }},
    {"close", [](TKeyCursor& c, TSkinModel& m) { m.CloseBtn = ReadWindowButton(c, "exit"); }},
};

void ReadTopLevel(const TLines& lines, const std::string& name, std::span<const TTopLevelKeyword> keywords,
                  TSkinModel& model, TSkinReadTrace* trace) {
  for (int line = 0; line < static_cast<int>(lines.size()); ++line) {
    for (const TTopLevelKeyword& keyword : keywords) {
      if (lines[line].find(keyword.word) == std::string::npos) continue;
      TKeyCursor cursor(lines, line, name, keyword.word);
      cursor.trace = trace;
      try {
        keyword.read(cursor, model);
        line = cursor.Line();
      } catch (const EDataError& e) {
        if (!trace) throw;
        trace->errors.push_back(e.what());
      }
    }
  }
}

// Buttons, switches and backgrounds exist for every screen up to the highest one used.
void EnsureScreen(TSkinModel& m, int screen) {
  const size_t count = static_cast<size_t>(screen) + 1;
  if (m.ScreenBtns.size() >= count) return;
  m.ScreenBackgrounds.resize(count);
  m.ScreenBtns.resize(count);
  m.ScreenSwthOne.resize(count);
  m.ScreenSwthGrp.resize(count);
}

// The minimize and close buttons, then the background named after "_screen" and its
// one-digit number: the token two characters after the word "screen".
void ReadScreen(TKeyCursor& c, int screen, TSkinModel& m) {
  EnsureScreen(m, screen);
  m.ScreenBtns[screen].push_back(m.MinimizeBtn);
  m.ScreenBtns[screen].push_back(m.CloseBtn);
  m.ScreenBackgrounds[screen] = c.Token("screen");
}

template <class TRecord>
void Declare(std::vector<TRecord>& list, TRecord record, int screen) {
  record.screen = screen;
  list.push_back(std::move(record));
}

void ReadPopupBlock(TKeyCursor& c, int screen, TSkinModel& m) {
  if (m.ScreenPopups.size() <= static_cast<size_t>(screen)) m.ScreenPopups.resize(static_cast<size_t>(screen) + 1);
  Declare(m.ScreenPopups[screen], ReadPopup(c), screen);
}

struct THeader {
  const char* word;
  void (*read)(TKeyCursor& cursor, int screen, TSkinModel& model);
};

// In this order; the first that occurs on a line opens the element.
const THeader kHeaders[] = {
    {"button",
     [](TKeyCursor& c, int s, TSkinModel& m) {
       EnsureScreen(m, s);
       m.ScreenBtns[s].push_back(ReadButton(c));
     }},
    {"switchone",
     [](TKeyCursor& c, int s, TSkinModel& m) {
       EnsureScreen(m, s);
       m.ScreenSwthOne[s].push_back(ReadSwitchOne(c));
     }},
    {"switchgrp",
     [](TKeyCursor& c, int s, TSkinModel& m) {
       EnsureScreen(m, s);
       m.ScreenSwthGrp[s].push_back(ReadSwitchGrp(c));
     }},
    {"_html", [](TKeyCursor& c, int s, TSkinModel& m) { Declare(m.Htmls, ReadHtml(c), s); }},
    {"_findtxt", [](TKeyCursor& c, int s, TSkinModel& m) { Declare(m.FindTxts, ReadFindTxt(c), s); }},
    {"_path", [](TKeyCursor& c, int s, TSkinModel& m) { Declare(m.PathInputs, ReadPathInput(c), s); }},
    {"_clip", [](TKeyCursor& c, int s, TSkinModel& m) { Declare(m.Clips, ReadClip(c), s); }},
    {"_text", [](TKeyCursor& c, int s, TSkinModel& m) { Declare(m.Texts, ReadText(c), s); }},
    {"_image", [](TKeyCursor& c, int s, TSkinModel& m) { Declare(m.Images, ReadImage(c), s); }},
    {"_popup", ReadPopupBlock},
    {"_tree", [](TKeyCursor& c, int s, TSkinModel& m) { Declare(m.Trees, ReadTree(c), s); }},
    {"_splitter", [](TKeyCursor& c, int s, TSkinModel& m) { Declare(m.Splitters, ReadSplitter(c), s); }},
    {"_screen", ReadScreen},
};

const THeader kTesaurusHeaders[] = {
    kHeaders[0],  // button
    {"_html", [](TKeyCursor& c, int s, TSkinModel& m) { Declare(m.Htmls, ReadHtml(c), s); }},
    {"_findtxt", [](TKeyCursor& c, int s, TSkinModel& m) { Declare(m.FindTxts, ReadFindTxt(c), s); }},
    {"_text", [](TKeyCursor& c, int s, TSkinModel& m) { Declare(m.Texts, ReadText(c), s); }},
    {"_screen", ReadScreen},
};

const THeader* HeaderOf(const std::string& line, std::span<const THeader> headers) {
  for (const THeader& header : headers)
    if (line.find(header.word) != std::string::npos) return &header;
  return nullptr;
}

// The first run of '-' and digits on the line, as ParseIntAt finds it.
std::string FirstNumberText(const std::string& line) {
  const auto isNumberChar = [](char ch) { return ch == '-' || (ch >= '0' && ch <= '9'); };
  const auto first = std::find_if(line.begin(), line.end(), isNumberChar);
  return std::string(first, std::find_if_not(first, line.end(), isNumberChar));
}

// The first integer on the header line, counted from 1, as an index from 0.
int ScreenIndex(const std::string& line, const THeader& header, const TKeyCursor& c) {
  const int number = ParseIntAt(line, 1);
  const std::string element = "\"" + Cp1251ToUtf8(header.word) + "\"";
  const std::string text = FirstNumberText(line);
  if (text.empty()) throw c.Error(element + " has no screen number");
  if (number < 1 || number > kMaxScreenNumber)
    throw c.Error("screen number " + text + " of " + element + " is not between 1 and " +
                  std::to_string(kMaxScreenNumber));
  return number - 1;
}

void ReadElements(const TLines& lines, const std::string& name, std::span<const THeader> headers, TSkinModel& model,
                  TSkinReadTrace* trace) {
  for (int line = 0; line < static_cast<int>(lines.size()); ++line) {
    const THeader* header = HeaderOf(lines[line], headers);
    if (!header) continue;
    TKeyCursor cursor(lines, line, name, header->word);
    cursor.trace = trace;
    try {
      header->read(cursor, ScreenIndex(lines[line], *header, cursor), model);
      line = cursor.Line();
    } catch (const EDataError& e) {
      if (!trace) throw;
      trace->errors.push_back(e.what());
    }
  }
}

}  // namespace

TSkinModel ReadSkin(const TLines& lines, const std::string& descriptionName, TSkinReadTrace* trace) {
  TSkinModel model;
  ReadTopLevel(lines, descriptionName, kTopLevelKeywords, model, trace);
  ReadElements(lines, descriptionName, kHeaders, model, trace);
  return model;
}

TSkinModel ReadTesaurusSkin(const TLines& lines, const std::string& descriptionName) {
  TSkinModel model;
  ReadTopLevel(lines, descriptionName, kTesaurusTopLevelKeywords, model, nullptr);
  ReadElements(lines, descriptionName, kTesaurusHeaders, model, nullptr);
  return model;
}

std::vector<std::string> ElementHeaderWords() {
  std::vector<std::string> words;
  for (const THeader& header : kHeaders) words.emplace_back(header.word);
  return words;
}

std::vector<std::string> TopLevelKeywords() {
  std::vector<std::string> words;
  for (const TTopLevelKeyword& keyword : kTopLevelKeywords) words.emplace_back(keyword.word);
  return words;
}
