// check BOOK: reads the book the way the program does and lists, one line each, what would
// make the reader silently misbehave. Exit status 0 when there is nothing to say, 1 otherwise.

#include "booktool/Check.h"

#include "app/ComprStream.h"
#include "app/Description.h"
#include "app/ResourcePack.h"
#include "app/TextValues.h"
#include "booktool/BookOpening.h"
#include "booktool/Command.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/WinNames.h"

#include <algorithm>
#include <cstdio>

namespace {

// Index files and the descriptions of the other windows: only their line ends are checked here.
const char* const kOtherTextFiles[] = {"Dialog.txt", "About.txt", "Tesaurus.txt", "keywords.idx",
                                       "index.idx",  "files.idx", "tezaurus.idx"};

std::string LineEndName(const std::string& end) {
  return end == "\r\n" ? "CR LF" : end == "\r" ? "CR alone" : "LF alone";
}

int Check(const std::vector<std::string>& args) {
  if (args.size() != 1) throw UsageError("expected 1 argument");
  SetBookFolders(args[0]);
  TFindings findings;
  try {
    OpenBookPack();
  } catch (const InputError& e) {
    findings.Add(Global.ProgramFolder + "interface.dat", 0, e.what());
  }
  CheckPackMembers(findings);
  const std::string structName = Global.ProgramFolder + "Struct.txt";
  CheckLineEnds(structName, findings);
  CheckTitle(findings);
  for (const std::string& contents : CheckMainDescription(findings)) {
    CheckLineEnds(contents, findings);
    CheckContents(contents, findings);
  }
  for (const char* name : kOtherTextFiles) CheckLineEnds(Global.ProgramFolder + name, findings);
  CheckPages(findings);
  CheckIndex(findings);

  std::string out;
  for (const TFinding& f : findings.All())
    out += f.file + (f.line > 0 ? ": line " + std::to_string(f.line) : std::string()) + ": " + f.text + '\n';
  if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0)
    throw InputError("cannot write to standard output");
  return findings.All().empty() ? 0 : 1;
}

const RegisterCommand checkCommand({"check", "check BOOK",
                                    "list what in a book would make the reader misbehave (exit 1 when anything)",
                                    Check});

}  // namespace

void TFindings::Add(const std::string& windowsName, int line, const std::string& text) {
  findings_.push_back({BookRelative(windowsName), line, text});
}

std::string BookRelative(const std::string& windowsName) {
  std::string name = windowsName;
  if (NameLower(name).starts_with(NameLower(Global.ProgramFolder))) name = name.substr(Global.ProgramFolder.size());
  for (char& c : name)
    if (c == '\\') c = '/';
  return Cp1251ToUtf8(name);
}

std::string BookFile(const std::string& name) {
  if (name.find(":\\") != std::string::npos || name.find("<cd>") != std::string::npos) return ResolvePath(name);
  return Global.ProgramFolder + name;
}

bool BookHas(const std::string& windowsName) {
  const std::string name = windowsName.substr(0, windowsName.find('#'));
  return !name.empty() && FileOrPackExists(name);
}

void CheckPackMembers(TFindings& findings) {
  if (!Global.Pack) return;
  const std::string pack = Global.ProgramFolder + "interface.dat";
  for (const std::string& member : PackListFiles()) {
    TMemoryStream stream;
    if (PackLoad(Global.PackRoot + member, stream) != 0)
      findings.Add(pack, 0, "\"" + Cp1251ToUtf8(member) + "\" in the pack is damaged: it does not unpack");
  }
}

void CheckLineEnds(const std::string& windowsName, TFindings& findings) {
  if (!FileOrPackExists(windowsName)) return;
  std::string bytes;
  try {
    bytes = TComprStream(windowsName).Data();
  } catch (const std::exception& e) {
    findings.Add(windowsName, 0, e.what());
    return;
  }
  // The first line ending in each way.
  int line = 1;
  int firstLf = 0, firstCr = 0;
  std::string crEnd;
  for (size_t i = 0; i < bytes.size(); ++i, ++line) {
    i = bytes.find_first_of("\r\n", i);
    if (i == std::string::npos) break;
    if (bytes[i] == '\n') {
      if (!firstLf) firstLf = line;
    } else {
      const bool pair = i + 1 < bytes.size() && bytes[i + 1] == '\n';
      if (!firstCr) {
        firstCr = line;
        crEnd = pair ? "\r\n" : "\r";
      }
      if (pair) ++i;
    }
  }
  if (firstLf && !firstCr)
    findings.Add(windowsName, 0,
                 "lines end in LF alone: readers that end lines at CR see a single line; save it with CR LF");
  else if (firstLf && firstCr)
    findings.Add(windowsName, std::max(firstLf, firstCr),
                 "mixed line ends: line " + std::to_string(firstLf) + " ends in LF alone, line " +
                     std::to_string(firstCr) + " in " + LineEndName(crEnd) + "; save it with CR LF");
}

void CheckTitle(TFindings& findings) {
  const std::string title = Global.ProgramFolder + "Title.txt";
  if (!FileOrPackExists(title)) {
    findings.Add(title, 0,
                 "missing: the book has no title, so its window has no caption and its settings no key of their own");
    return;
  }
  CheckLineEnds(title, findings);
  bool named = false;
  try {
    for (const std::string& line : ReadDescriptionLines(title, false)) named = named || !TrimBlanks(line).empty();
  } catch (const std::exception&) {
    return;  // reported with the line ends
  }
  if (!named)
    findings.Add(title, 0, "no title in it: the book's window has no caption and its settings no key of their own");
}
