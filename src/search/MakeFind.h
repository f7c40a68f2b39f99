#pragma once
// The book's full-text index: three text files in the program folder (on disk or in the
// pack), Windows-1251, one record per line, lines ended by CR (line feeds are ignored):
//   "keywords.idx"  line n: keyword n, exactly as it is matched;
//   "index.idx"     line n: the documents holding keyword n, line numbers of "files.idx"
//                   separated by ':' (3:17:230);
//   "files.idx"     line n: document n, its path under the program folder, "#:#", its title.
// `TMakeFind` looks a word up with three passes over them and keeps nothing between searches.

#include "app/MemoryStream.h"

#include <functional>
#include <string>
#include <vector>

// Hit pages and their titles, in step.
struct TSearchResults {
  std::vector<std::string> Files;
  std::vector<std::string> Titles;

  void Clear() {
    Files.clear();
    Titles.clear();
  }
  bool Empty() const { return Files.empty(); }
};

// One line: bytes up to a CR, line feeds dropped. True when a CR ended it (more may follow),
// false when the data did; so data ending in CR LF gives a last, empty line.
bool ReadIndexLine(TMemoryStream& stream, std::string& line);

// The pieces of `text` between occurrences of `delimiter`, each trimmed of characters up to
// 32 and kept when not empty; the rest after the last one is kept as it is when not empty, or
// when exactly one piece came before it (so "name#:#" gives "name" and an empty title).
std::vector<std::string> SplitByDelimiter(const std::string& delimiter, const std::string& text);

// The three passes over index files that `open` reads by name ("keywords.idx", ...), each when
// its pass comes; `open` returns false for a file it cannot read, and that pass finds nothing.
// As TMakeFind::Find once the files are known to exist.
bool FindInIndexFiles(const std::function<bool(const char* name, TMemoryStream& stream)>& open, const std::string& word,
                      TSearchResults& results, bool caseSensitive);

class TMakeFind {
 public:
  static constexpr const char* KeywordsFile = "keywords.idx";
  static constexpr const char* IndexFile = "index.idx";
  static constexpr const char* FilesFile = "files.idx";
  static constexpr const char* MissingMessage = "Индескный(е) файл(ы) не найден";

  // One trailing '\' is dropped.
  void SetFolder(const std::string& path);
  const std::string& Folder() const { return folder_; }
  // All three files exist (pack or disk); tested in the order above, up to the first missing.
  bool IndexExists() const;

  // Appends the documents holding `word` (the caller clears `results`). With `caseSensitive`
  // clear, letter case is ignored, Cyrillic included. Hits come in "files.idx" order, each
  // once. Throws EConvertError when the posting line holds something other than numbers.
  bool Find(const std::string& word, TSearchResults& results, bool caseSensitive);

  // The reader is told when the files are missing (a plain message) or one cannot be read (a
  // warning naming it); texts are UTF-8. Without a handler nothing is said.
  std::function<void(const std::string& text, bool warning)> OnMessage;

 private:
  // The file read whole, or nothing after the warning.
  bool Open(const char* name, TMemoryStream& stream) const;
  void Tell(const std::string& text, bool warning) const;

  std::string folder_;
};
