#pragma once
// The thesaurus index "tezaurus.idx" in the program folder (disk or pack): Windows-1251 lines
// ended by CR, each a term, '~' and a target page under the program folder, perhaps with
// "#anchor". The first line's target is the thesaurus start page.

#include <functional>
#include <string>

class TMakeTesaurusFind {
 public:
  static constexpr const char* IndexFile = "tezaurus.idx";

  // One trailing '\' is dropped.
  void SetFolder(const std::string& path);
  bool IndexExists() const;

  // The trimmed target of the first line for an empty `word`, else of the first line whose
  // term is `word` (letter case ignored, Cyrillic included). False when the file is missing
  // or unreadable, or the line has no target.
  bool Lookup(const std::string& word, std::string& target) const;

  // Told (UTF-8) when the file exists but cannot be read.
  std::function<void(const std::string& text)> OnWarning;

 private:
  std::string folder_;
};
