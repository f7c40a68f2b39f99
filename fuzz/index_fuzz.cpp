// The three index files and the word of any bytes (four parts, each preceded by its length
// byte): the search returns hits in step with their titles, each a line's file part, or raises
// the conversion error of a posting that is no number. Lines read back give the bytes without
// their line feeds.

#include "app/Errors.h"
#include "search/MakeFind.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

std::string Part(const uint8_t*& data, size_t& size) {
  if (size == 0) return {};
  const size_t length = std::min<size_t>(data[0], size - 1);
  std::string part(reinterpret_cast<const char*>(data + 1), length);
  data += length + 1;
  size -= length + 1;
  return part;
}

void CheckLines(const std::string& bytes) {
  TMemoryStream stream(bytes);
  std::string joined, line;
  for (bool more = true; more;) {
    more = ReadIndexLine(stream, line);
    joined += line;
    if (more) joined += '\r';
  }
  std::string expected;
  for (const char c : bytes)
    if (c != '\n') expected += c;
  if (joined != expected) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string word = Part(data, size);
  const std::string keywords = Part(data, size);
  const std::string index = Part(data, size);
  const std::string files(reinterpret_cast<const char*>(data), size);
  for (const std::string* part : {&keywords, &index, &files}) CheckLines(*part);
  const auto open = [&](const char* name, TMemoryStream& stream) {
    const std::string& bytes = std::string(name) == TMakeFind::KeywordsFile ? keywords
                               : std::string(name) == TMakeFind::IndexFile  ? index
                                                                            : files;
    stream = TMemoryStream(bytes);
    return true;
  };
  TSearchResults results;
  try {
    const bool found = FindInIndexFiles(open, word, results, size % 2 == 0);
    if (found != !results.Empty() || results.Files.size() != results.Titles.size()) __builtin_trap();
    std::string lines = files;
    std::erase(lines, '\n');
    for (const std::string& file : results.Files)
      if (file.empty() || lines.find(file) == std::string::npos) __builtin_trap();
  } catch (const EConvertError&) {
    // A posting that is no number: the search ends, as it should.
  }
  return 0;
}
