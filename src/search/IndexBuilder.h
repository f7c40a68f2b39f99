#pragma once
// Builds the three index files of `TMakeFind` from a book's pages. A word is a longest run of
// letters (Latin, or Cyrillic as Windows-1251 writes them, 'ё' included) and digits in the
// text a page shows; keywords are lower-cased and written once, each with the ascending
// numbers of the documents that hold it. Files are Windows-1251 with CR LF line ends.

#include <QString>
#include <map>
#include <string>
#include <vector>

struct TIndexFiles {
  std::string keywords, index, files;  // the bytes of "keywords.idx", "index.idx", "files.idx"
};

class TIndexBuilder {
 public:
  // `file`: the page's path under the program folder, '\' between folders (Windows-1251);
  // `bytes`: the page as stored. Documents are numbered in the order they are added. A file
  // name that would break its line ("#:#", CR or LF in it) is refused: false.
  bool AddPage(const std::string& file, const std::string& bytes);

  int Documents() const { return static_cast<int>(documents_.size()); }
  int Keywords() const { return static_cast<int>(postings_.size()); }

  // Keywords in byte order.
  TIndexFiles Files() const;

 private:
  std::vector<std::string> documents_;                // "file#:#title" lines
  std::map<std::string, std::vector<int>> postings_;  // lower-cased keyword -> documents
};

// The words of a page's text as the builder counts them, lower-cased, in Windows-1251, in the
// order they occur.
std::vector<std::string> IndexWords(const QString& text);
