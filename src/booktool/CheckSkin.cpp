// The main description: where the reader takes each key from, keywords it finds inside other
// text, the files and commands it names and the names its switches are stored under.

#include "app/Description.h"
#include "app/ResourcePack.h"
#include "app/Settings.h"
#include "app/TextValues.h"
#include "booktool/Check.h"
#include "html/HtmlNames.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "skin/CommandTable.h"
#include "skin/SkinReader.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <map>

namespace {

struct TDescription {
  std::string name;  // Windows name
  TLines lines;      // as the reader has them: ASCII letters lower-cased
  TSkinReadTrace trace;
  int screenCount = 0;
};

std::string Quoted(const std::string& text) { return "\"" + Cp1251ToUtf8(text) + "\""; }

bool StartsWithAny(const std::string& line, const std::vector<std::string>& words) {
  const std::string_view text = TrimBlanks(line);
  return std::any_of(words.begin(), words.end(), [&](const std::string& w) { return text.starts_with(w); });
}

// Where an element's block ends: the next line on which the author starts something else.
int BlockEnd(const TLines& lines, int first) {
  const std::vector<std::string> headers = ElementHeaderWords();
  const std::vector<std::string> keywords = TopLevelKeywords();
  int line = first + 1;
  while (line < static_cast<int>(lines.size()) && !StartsWithAny(lines[line], headers) &&
         !StartsWithAny(lines[line], keywords))
    ++line;
  return line;
}

bool IsTopLevel(const std::string& word) {
  const std::vector<std::string> keywords = TopLevelKeywords();
  return std::find(keywords.begin(), keywords.end(), word) != keywords.end();
}

// What the first pass does again when it meets a top-level keyword inside other text.
std::string DoneAgain(const std::string& keyword) {
  static const std::map<std::string, std::string> kDone = {
      {"codec", "sets the codec list again"},
      {"rolic", "sets the start clip again"},
      {"helpwin", "reads the help file's keys again from here"},
      {"background", "sets the start clip's background again"},
      {"icon", "sets the window's icon again"},
      {"bgsounddef", "sets the background music again"},
      {"vertexmain", "sets the window's shape again"},
      {"minimize", "reads the minimize button's keys again from here"},
      {"close", "reads the close button's keys again from here"},
  };
  return kDone.at(keyword);
}

// Top-level keywords are looked for in every line; one that stands inside other text (a hint
// holding "close", a picture named "icons.bmp") starts its handler there.
void CheckKeywordsInsideLines(const TDescription& d, TFindings& findings) {
  for (int i = 0; i < static_cast<int>(d.lines.size()); ++i) {
    const std::string_view text = TrimBlanks(d.lines[i]);
    for (const std::string& keyword : TopLevelKeywords()) {
      const size_t at = text.find(keyword);
      if (at == std::string_view::npos || at == 0) continue;
      findings.Add(
          d.name, i + 1,
          "\"" + keyword + "\" inside this line makes the reader take it as a keyword: it " + DoneAgain(keyword));
    }
  }
}

// Elements whose header line the reader never reaches, or reads as another kind.
void CheckElementHeaders(const TDescription& d, TFindings& findings) {
  std::map<int, std::string> read;  // header line -> element the reader made of it
  for (const TKeyRead& r : d.trace.keys)
    if (!IsTopLevel(r.element)) read.emplace(r.elementLine, r.element);
  const std::vector<std::string> headers = ElementHeaderWords();
  for (int i = 0; i < static_cast<int>(d.lines.size()); ++i) {
    const std::string_view text = TrimBlanks(d.lines[i]);
    const auto opened =
        std::find_if(headers.begin(), headers.end(), [&](const std::string& w) { return text.starts_with(w); });
    const auto found = read.find(i);
    if (opened != headers.end() && found == read.end()) {
      findings.Add(d.name, i + 1,
                   "\"" + *opened + "\" is never read: the keys of the element before it ran on past it");
    } else if (found != read.end() && !text.starts_with(found->second)) {
      findings.Add(d.name, i + 1, "the reader takes this line as \"" + found->second + "\", whose word occurs in it");
    }
  }
}

// A key the reader takes from past its element's block: written before the key read ahead
// of it, or missing, so that the next element's value is taken.
void CheckKeyPlaces(const TDescription& d, TFindings& findings) {
  for (size_t i = 0; i < d.trace.keys.size();) {
    const TKeyRead& first = d.trace.keys[i];
    size_t next = i;
    while (next < d.trace.keys.size() && d.trace.keys[next].elementLine == first.elementLine &&
           d.trace.keys[next].element == first.element)
      ++next;
    // Keywords met inside other lines are reported as such; the one-line ones read in place.
    const bool ownLine =
        !IsTopLevel(first.element) || TrimBlanks(d.lines[first.elementLine]).starts_with(first.element);
    const int end = BlockEnd(d.lines, first.elementLine);
    for (size_t k = i; ownLine && k < next; ++k) {
      const TKeyRead& r = d.trace.keys[k];
      if (r.line < end) continue;
      int written = -1;
      for (int line = first.elementLine; line < end && written < 0; ++line)
        if (d.lines[line].find(r.key) != std::string::npos) written = line;
      const std::string element = "\"" + first.element + "\" of line " + std::to_string(first.elementLine + 1);
      if (written >= 0 && k > i)
        findings.Add(d.name, written + 1,
                     "\"" + r.key + "\" of " + element + " stands before \"" + d.trace.keys[k - 1].key + "\" on line " +
                         std::to_string(r.searchedFrom + 1) + ": the reader looks for the keys in order and reads \"" +
                         r.key + "\" from line " + std::to_string(r.line + 1));
      else
        findings.Add(d.name, first.elementLine + 1,
                     element + " has no \"" + r.key + "\": the reader takes the value from line " +
                         std::to_string(r.line + 1) + ", which belongs to what follows");
      break;
    }
    i = next;
  }
}

// ';' separates pairs on a line: "fn1=a.bmp fn2=b.bmp" gives fn1 the whole rest.
void CheckSwallowedPairs(const TDescription& d, TFindings& findings) {
  static const QRegularExpression kPair(QStringLiteral("\\s([a-z][a-z0-9]*)="));
  for (const TKeyRead& r : d.trace.keys) {
    const QRegularExpressionMatch m = kPair.match(QString::fromLatin1(r.token));
    if (!m.hasMatch()) continue;
    findings.Add(d.name, r.line + 1,
                 "the value of \"" + r.key + "\" runs on into \"" + m.captured(1).toStdString() +
                     "=\": put ';' between pairs on one line (\"" + r.key + "\" reads " + Quoted(r.token) + ")");
  }
}

void ExpectFile(const TDescription& d, const TKeyRead& r, const std::string& what, const std::string& file,
                TFindings& findings) {
  if (BookHas(file)) {
    const std::string anchor = AnchorOf(file);
    if (anchor.empty()) return;
    const std::vector<std::string>& anchors = PageAnchors(WithoutAnchor(file));
    if (std::find(anchors.begin(), anchors.end(), anchor) != anchors.end()) return;
    findings.Add(d.name, r.line + 1, what + " \"" + BookRelative(file) + "\" has no anchor " + Quoted(anchor));
    return;
  }
  findings.Add(d.name, r.line + 1,
               what + " \"" + BookRelative(WithoutAnchor(file)) + "\" (\"" + r.key + "\") is missing");
}

bool NoFile(const std::string& name) { return name.empty() || name == "no"; }

void CheckCommand(const TDescription& d, const TKeyRead& r, const std::string& command, TFindings& findings) {
  if (TrimBlanks(command).empty()) return;
  const TCommand c = ClassifyCommand(command, d.screenCount);
  switch (c.action) {
    case TCommandAction::Nothing:
      findings.Add(d.name, r.line + 1, "the command " + Quoted(command) + " does nothing");
      break;
    case TCommandAction::Screen:
      if (c.screen < 0 || c.screen >= d.screenCount)
        findings.Add(d.name, r.line + 1,
                     "the command " + Quoted(command) + " names a screen the description does not declare");
      if (!c.value.empty()) ExpectFile(d, r, "the page", c.value, findings);
      break;
    case TCommandAction::Html:
      if (!c.value.empty()) ExpectFile(d, r, "the page", c.value, findings);
      break;
    case TCommandAction::Run:
    case TCommandAction::Clip:
      if (!c.value.empty()) ExpectFile(d, r, "the file", c.value, findings);
      break;
    case TCommandAction::Clip3D: ExpectFile(d, r, "the clip", Global.ProgramFolder + "car.avi", findings); break;
    default: break;
  }
}

// Pictures, sounds, clips, pages and commands, each from the key that names it. Returns the
// contents files of the trees.
std::vector<std::string> CheckNamedFiles(const TDescription& d, TFindings& findings) {
  std::vector<std::string> contents;
  const auto isAnyOf = [](const std::string& text, std::initializer_list<const char*> words) {
    return std::any_of(words.begin(), words.end(), [&](const char* w) { return text == w; });
  };
  for (const TKeyRead& r : d.trace.keys) {
    const bool skinElement = isAnyOf(r.element, {"button", "switchone", "switchgrp", "minimize", "close"});
    if (skinElement && isAnyOf(r.key, {"fn1", "fn2", "fn3", "fn4"})) {
      if (!r.token.empty()) ExpectFile(d, r, "the picture", BookFile(r.token), findings);
    } else if ((r.element == "_screen" && r.key == "screen") || (r.element == "_popup" && r.key == "fnfon") ||
               (r.element == "icon" && r.key == "icon")) {
      if (!r.token.empty()) ExpectFile(d, r, "the picture", BookFile(r.token), findings);
    } else if (r.element == "_popup" && isAnyOf(r.key, {"fnbtnup", "fnbtnmove", "fnbtndown"})) {
      for (const std::string& item : r.items)
        if (!item.empty()) ExpectFile(d, r, "the picture", item, findings);
    } else if (r.key == "wav" || (r.element == "rolic" && r.key == "rolic")) {
      if (!NoFile(r.token)) ExpectFile(d, r, r.key == "wav" ? "the sound" : "the clip", BookFile(r.token), findings);
    } else if (r.element == "bgsounddef") {
      for (const std::string& item : r.items)
        if (!item.empty()) ExpectFile(d, r, "the song", item, findings);
    } else if ((r.element == "_html" || r.element == "helpwin") && r.key == "fn") {
      ExpectFile(d, r, r.element == "_html" ? "the page" : "the help file", ResolvePath(r.token), findings);
    } else if (r.element == "_tree" && r.key == "fn") {
      const std::string file = BookFile(r.token);
      if (BookHas(file))
        contents.push_back(file);
      else
        ExpectFile(d, r, "the contents file", file, findings);
    } else if (isAnyOf(r.key, {"go", "goup", "godown"}) && r.element != "_popup") {
      CheckCommand(d, r, r.token, findings);
    } else if (r.element == "_popup" && r.key == "go") {
      for (const std::string& item : r.items) CheckCommand(d, r, item, findings);
    }
  }
  return contents;
}

// Stored switches are named by kind, screen and index run together: screen 1, switch 10 and
// screen 11, switch 0 are both "SwOne110" and share one stored state.
void CheckSwitchNames(const TDescription& d, TFindings& findings) {
  std::map<std::pair<std::string, int>, int> counts;  // (kind, screen) -> switches so far
  std::map<std::string, int> stored;                  // name -> header line
  for (const TKeyRead& r : d.trace.keys) {
    if (r.key != "store" || (r.element != "switchone" && r.element != "switchgrp")) continue;
    const int screen = ParseIntAt(d.lines[r.elementLine], 1) - 1;
    const int index = counts[{r.element, screen}]++;
    if (r.token != "on") continue;
    const std::string name =
        Settings::Name(r.element == "switchone" ? Settings::SwOne : Settings::SwGrp, screen, index);
    const auto [it, added] = stored.emplace(name, r.elementLine);
    if (!added)
      findings.Add(d.name, r.elementLine + 1,
                   "this switch is stored as \"" + name + "\", like the switch on line " +
                       std::to_string(it->second + 1) + ": the two share one stored state");
  }
}

}  // namespace

std::vector<std::string> CheckMainDescription(TFindings& findings) {
  TDescription d;
  d.name = Global.ProgramFolder + "Struct.txt";
  if (!FileOrPackExists(d.name)) {
    findings.Add(d.name, 0, "missing: the book cannot start");
    return {};
  }
  try {
    d.lines = ReadDescriptionLines(d.name, true);
  } catch (const std::exception& e) {
    findings.Add(d.name, 0, e.what());
    return {};
  }
  // The reader goes on past malformed elements here, so that the rest is checked too.
  const std::string shown = "Struct.txt";
  d.screenCount = ReadSkin(d.lines, shown, &d.trace).ScreenCount();
  for (std::string error : d.trace.errors) {
    if (error.starts_with(shown + ": ")) error.erase(0, shown.size() + 2);
    findings.Add(d.name, 0, error + ": the book cannot start");
  }
  if (d.screenCount == 0) findings.Add(d.name, 0, "no screen is declared: the book cannot start");
  CheckKeywordsInsideLines(d, findings);
  // An element the reader gave up on leaves its lines to be read as something else.
  if (d.trace.errors.empty()) CheckElementHeaders(d, findings);
  CheckKeyPlaces(d, findings);
  CheckSwallowedPairs(d, findings);
  CheckSwitchNames(d, findings);
  return CheckNamedFiles(d, findings);
}
