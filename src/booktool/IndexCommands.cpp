// index and find: building a book's full-text index from its pages, and looking a word up in
// it as the reader's index search does.

#include "app/ComprStream.h"
#include "app/DescriptionSyntax.h"
#include "app/Errors.h"
#include "app/ResourcePack.h"
#include "booktool/Command.h"
#include "booktool/OpenBook.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "search/IndexBuilder.h"
#include "search/MakeFind.h"

#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <set>

namespace {

// The book's pages under the program folder: the pack's first, in its listing order, then
// those only on disk. Names are relative, '\' between folders; pack names are lower-cased.
std::vector<std::string> BookPages() {
  std::vector<std::string> pages;
  std::set<std::string> seen;
  auto add = [&](const std::string& name) {
    if (seen.insert(NameLower(name)).second) pages.push_back(name);
  };
  for (const std::string& entry : PackListFiles())
    if (NameLower(FileExtension(entry)).find(".htm") != std::string::npos) add(NameLower(entry));
  std::vector<std::string> onDisk;
  FindFiles(Global.ProgramFolder, {"*.htm*"}, true, onDisk, false);
  const size_t base = Global.ProgramFolder.size();
  for (const std::string& file : onDisk)
    if (file.size() > base && SameName(file.substr(0, base), Global.ProgramFolder)) add(file.substr(base));
  return pages;
}

void WriteBookFile(const char* name, const std::string& bytes) {
  const QString host = HostPath::ToHost(Global.ProgramFolder + name);
  QSaveFile file(host);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
      !file.commit())
    throw InputError("cannot write " + host.toStdString());
}

int Index(const std::vector<std::string>& args) {
  if (args.size() != 1) throw UsageError("expected 1 argument");
  OpenBook(args[0]);
  TIndexBuilder builder;
  for (const std::string& page : BookPages()) {
    std::string bytes;
    try {
      bytes = TComprStream(Global.ProgramFolder + page).Data();
    } catch (const std::exception& e) {
      std::fprintf(stderr, "booktool: %s: skipped: %s\n", Cp1251ToUtf8(page).c_str(), e.what());
      continue;
    }
    if (!builder.AddPage(page, bytes))
      std::fprintf(stderr, "booktool: %s: skipped: the name cannot stand in files.idx\n", Cp1251ToUtf8(page).c_str());
  }
  const TIndexFiles files = builder.Files();
  WriteBookFile(TMakeFind::KeywordsFile, files.keywords);
  WriteBookFile(TMakeFind::IndexFile, files.index);
  WriteBookFile(TMakeFind::FilesFile, files.files);
  std::printf("%d pages, %d keywords\n", builder.Documents(), builder.Keywords());
  return 0;
}

int Find(const std::vector<std::string>& args) {
  if (args.size() != 2) throw UsageError("expected 2 arguments");
  OpenBook(args[0]);
  TMakeFind find;
  find.SetFolder(Global.ProgramFolder);
  find.OnMessage = [](const std::string& text, bool) { std::fprintf(stderr, "booktool: %s\n", text.c_str()); };
  TSearchResults results;
  try {
    find.Find(ToCp1251(QString::fromLocal8Bit(args[1].c_str())), results, false);
  } catch (const EConvertError& e) {
    throw InputError(std::string("index.idx is damaged: ") + e.what());
  }
  for (size_t i = 0; i < results.Files.size(); ++i)
    std::printf("%s\t%s\n", Cp1251ToUtf8(results.Files[i]).c_str(), Cp1251ToUtf8(results.Titles[i]).c_str());
  return results.Empty() ? 1 : 0;
}

const RegisterCommand indexCommand({"index", "index BOOK", "build the book's full-text index from its pages", Index});
const RegisterCommand findCommand({"find", "find BOOK WORD", "look a word up in the book's index (case ignored)",
                                   Find});

}  // namespace
