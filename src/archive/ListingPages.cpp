#include "archive/ListingPages.h"

#include "archive/ArchiveTexts.h"
#include "platform/Cp1251.h"
#include "platform/WinNames.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <utility>

namespace {

std::string Key(const std::string& name) { return NameLower(name); }

std::string Cp1251(const char* utf8) { return ToCp1251(QString::fromUtf8(utf8)); }

// The page templates, numbered as the listing refers to them.
const std::string& Template(int number) {
  static const std::string templates[] = {
      Cp1251("<html> <head> <title>archivename</title> </head> <frameset rows=\"50,*\" frameborder=0> "
             "<frame src=\"as_bar.htm\" name=\"Top\"> <frame src=\"filename\" name=\"Bot\"> </frameset> "
             "</head> </html>"),
      Cp1251("<html> <head> <meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"> "
             "<title>archivename</title> </head> <body bgcolor=\"#FFFFFF\" text=\"#000000\"> <table "
             "border=\"0\" cellpadding=3 width=\"100%\" cols=\"3\">"),
      Cp1251("<table border cellpadding=3 width=\"100%\" cols=\"3\" bordercolor=\"#37ffcd\"> <tr> <th "
             "align=\"left\" width=\"50%\" nowrap>Имя</th> <th align=\"right\" width=\"25%\" "
             "nowrap>Размер</th> <th align=\"left\" width=\"25%\" nowrap>Дата</th> </tr>"),
      Cp1251("<tr> <td width=\"50%\"><a href=\"reffile\">"),
      Cp1251("refname</a></td>"),
      Cp1251("<td align=\"right\" width=\"25%\">size</td> <td width=\"25%\">time</td> </tr>"),
      Cp1251("</table> </body> </html>"),
  };
  return templates[number];
}

// Names come from the archive: markup characters in them stay text.
std::string Escaped(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// The first occurrence of each placeholder in the template itself is replaced, so that a
// value never has a placeholder of its own replaced.
std::string Fill(const std::string& text, std::vector<std::pair<const char*, std::string>> values) {
  std::vector<std::pair<size_t, size_t>> places;  // position, index into values
  for (size_t i = 0; i < values.size(); ++i)
    if (const size_t at = text.find(values[i].first); at != std::string::npos) places.emplace_back(at, i);
  std::sort(places.begin(), places.end());
  std::string out;
  size_t from = 0;
  for (const auto& [at, index] : places) {
    out.append(text, from, at - from);
    out += values[index].second;
    from = at + std::strlen(values[index].first);
  }
  out.append(text, from, std::string::npos);
  return out;
}

std::string Title(const std::string& archiveName) { return Escaped(Cp1251("Содержимое архива: ") + archiveName); }

constexpr const char* kLineEnd = "\r\n";

}  // namespace

TFolderList::TFolderList() { Add({}, 0); }

bool TFolderList::Add(const std::string& name, uint32_t time) {
  if (!keys_.insert(Key(name)).second) return false;
  folders_.push_back({name, time});
  return true;
}

void TFolderList::AddFolderEntry(const std::string& name, uint32_t time) {
  if (!name.empty()) Add(name, time);
}

void TFolderList::AddMissingFolders(const std::vector<TListedFile>& files, size_t limit) {
  for (const TListedFile& file : files) {
    if (folders_.size() >= limit) return;
    Add(ParentFolder(file.path), file.time);
  }
  for (size_t i = 0; i < folders_.size() && folders_.size() < limit; ++i) {
    if (folders_[i].name.empty()) continue;
    const TListedFolder folder = folders_[i];
    Add(ParentFolder(folder.name), folder.time);
  }
}

std::string ParentFolder(const std::string& path) {
  const size_t separator = path.rfind('\\');
  return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

std::vector<TListingPage> BuildListingPages(const std::vector<TListedFolder>& folders,
                                            const std::vector<TListedFile>& files, uint32_t writeTime) {
  std::vector<TListingPage> pages(folders.size());
  std::unordered_map<std::string, size_t> pageOf;
  for (size_t i = 0; i < folders.size(); ++i) {
    pages[i].folder = folders[i].name;
    pages[i].fileName = FolderPageName(i, writeTime);
    pageOf.emplace(Key(folders[i].name), i);
  }
  auto findPage = [&](const std::string& folder) {
    const auto it = pageOf.find(Key(folder));
    return it == pageOf.end() ? pages.size() : it->second;
  };

  std::vector<size_t> parentPage(folders.size(), pages.size());
  for (size_t i = 0; i < folders.size(); ++i)
    if (!folders[i].name.empty()) parentPage[i] = findPage(ParentFolder(folders[i].name));
  for (size_t i = 0; i < folders.size(); ++i) {
    if (folders[i].name.empty() || parentPage[i] == pages.size()) continue;
    pages[i].rows.push_back({false, "..", pages[parentPage[i]].fileName, 0, 0});
  }
  for (size_t i = 0; i < folders.size(); ++i) {
    if (folders[i].name.empty() || parentPage[i] == pages.size()) continue;
    const std::string& name = folders[i].name;
    pages[parentPage[i]].rows.push_back(
        {false, name.substr(name.rfind('\\') + 1), pages[i].fileName, 0, folders[i].time});
  }
  for (const TListedFile& file : files) {
    const size_t page = findPage(ParentFolder(file.path));
    if (page == pages.size()) continue;
    pages[page].rows.push_back({true, FileNamePart(file.path), file.path, file.size, file.time});
  }
  return pages;
}

std::string FramePageText(const std::string& archiveName, const std::string& rootPage) {
  return Fill(Template(0), {{"archivename", Title(archiveName)}, {"filename", Escaped(rootPage)}}) + kLineEnd;
}

// The bar is the frame set's first frame, whose title the window shows: it names the
// archive like the folder pages do.
std::string BarPageText(const std::string& archiveName) {
  return Fill(Template(1), {{"archivename", Title(archiveName)}}) + kLineEnd + Template(2) + kLineEnd + Template(6) +
         kLineEnd;
}

std::string FolderPageText(const std::string& archiveName, const TListingPage& page) {
  std::string text = Fill(Template(1), {{"archivename", Title(archiveName)}}) + kLineEnd;
  for (const TListingRow& row : page.rows) {
    text += Fill(Template(3), {{"reffile", Escaped(row.target)}});
    text += Fill(Template(4), {{"refname", Escaped(row.caption)}});
    text += Fill(Template(5), {{"size", row.file ? SizeText(row.size) : std::string()}, {"time", TimeText(row.time)}});
    text += kLineEnd;
  }
  return text + Template(6) + kLineEnd;
}
