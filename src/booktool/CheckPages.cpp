// Pages, contents files and the full-text index: links and entries that lead nowhere, and an
// index that no longer matches its pages.

#include "app/ComprStream.h"
#include "app/Description.h"
#include "app/ResourcePack.h"
#include "app/TextValues.h"
#include "booktool/Check.h"
#include "document/Contents.h"
#include "document/LinkRules.h"
#include "html/HtmlNames.h"
#include "html/PageCharset.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"

#include <QDateTime>
#include <QFileInfo>

#include <gumbo.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

struct TPageLink {
  std::string url;  // as written (Windows-1251)
  int line;
  bool picture;  // <img src>
};

struct TPage {
  std::vector<std::string> anchors;
  std::vector<TPageLink> links;
};

std::string Attribute(const GumboElement& element, const char* name) {
  const GumboAttribute* attribute = gumbo_get_attribute(&element.attributes, name);
  return attribute ? ToCp1251(QString::fromUtf8(attribute->value)) : std::string();
}

TPage ParsePage(const std::string& bytes) {
  TPage page;
  const QByteArray source = DecodePage(bytes).toUtf8();
  GumboOutput* output =
      gumbo_parse_with_options(&kGumboDefaultOptions, source.constData(), static_cast<size_t>(source.size()));
  // A stack, not recursion: pages may nest deeply.
  std::vector<const GumboNode*> stack{output->root};
  while (!stack.empty()) {
    const GumboNode* node = stack.back();
    stack.pop_back();
    if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE) continue;
    const GumboElement& e = node->v.element;
    const int line = static_cast<int>(e.start_pos.line);
    if (const std::string id = Attribute(e, "id"); !id.empty()) page.anchors.push_back(id);
    if (e.tag == GUMBO_TAG_A)
      if (const std::string name = Attribute(e, "name"); !name.empty()) page.anchors.push_back(name);
    if (e.tag == GUMBO_TAG_A || e.tag == GUMBO_TAG_AREA) {
      if (const std::string href = Attribute(e, "href"); !href.empty()) page.links.push_back({href, line, false});
    } else if (e.tag == GUMBO_TAG_FRAME || e.tag == GUMBO_TAG_IFRAME) {
      if (const std::string src = Attribute(e, "src"); !src.empty()) page.links.push_back({src, line, false});
    } else if (e.tag == GUMBO_TAG_IMG) {
      if (const std::string src = Attribute(e, "src"); !src.empty()) page.links.push_back({src, line, true});
    }
    for (unsigned i = e.children.length; i > 0; --i)
      stack.push_back(static_cast<const GumboNode*>(e.children.data[i - 1]));
  }
  gumbo_destroy_output(&kGumboDefaultOptions, output);
  return page;
}

std::map<std::string, TPage>& ParsedPages() {
  static std::map<std::string, TPage> pages;
  return pages;
}

const TPage& PageOf(const std::string& page) {
  const std::string key = NameLower(page);
  auto it = ParsedPages().find(key);
  if (it == ParsedPages().end()) {
    TPage parsed;
    try {
      parsed = ParsePage(TComprStream(page).Data());
    } catch (const std::exception&) {
      // A page that cannot be read has no anchors; reading it is reported where it is named.
    }
    it = ParsedPages().emplace(key, std::move(parsed)).first;
  }
  return it->second;
}

bool IsPage(const std::string& name) {
  const std::string extension = NameLower(FileExtension(WithoutAnchor(name)));
  return extension == ".htm" || extension == ".html";
}

std::string Quoted(const std::string& windowsName) { return "\"" + BookRelative(windowsName) + "\""; }

// A link's target: missing, or a page without the anchor named.
void CheckTarget(const std::string& from, int line, const std::string& target, const std::string& what,
                 TFindings& findings) {
  const std::string file = WithoutAnchor(target);
  if (!BookHas(file)) {
    findings.Add(from, line, what + " " + Quoted(file) + " is missing");
    return;
  }
  const std::string anchor = AnchorOf(target);
  if (anchor.empty() || !IsPage(file)) return;
  const std::vector<std::string>& anchors = PageAnchors(file);
  if (std::find(anchors.begin(), anchors.end(), anchor) == anchors.end())
    findings.Add(from, line, "the page " + Quoted(file) + " has no anchor \"" + Cp1251ToUtf8(anchor) + "\"");
}

// The files.idx entries: the page's path, "#:#", its title.
std::vector<std::pair<int, std::string>> IndexedPages(const std::string& filesIdx) {
  std::vector<std::pair<int, std::string>> pages;
  int number = 0;
  for (const std::string& line : ReadDescriptionLines(filesIdx, false)) {
    ++number;
    const size_t mark = line.find("#:#");
    pages.emplace_back(number, std::string(TrimBlanks(std::string_view(line).substr(0, mark))));
  }
  return pages;
}

QDateTime Modified(const std::string& windowsName) { return QFileInfo(HostPath::ToHost(windowsName)).lastModified(); }

bool OnDisk(const std::string& windowsName) { return PackFind(windowsName) < 0 && HostPath::FileExists(windowsName); }

}  // namespace

const std::vector<std::string>& PageAnchors(const std::string& page) { return PageOf(page).anchors; }

std::vector<std::string> BookPages() {
  std::vector<std::string> pages;
  std::set<std::string> seen;
  const auto add = [&](const std::string& name) {
    if (IsPage(name) && seen.insert(NameLower(name)).second) pages.push_back(name);
  };
  for (const std::string& member : PackListFiles()) add(Global.PackRoot + member);
  std::vector<std::string> onDisk;
  FindFiles(Global.ProgramFolder, {"*.htm", "*.html"}, true, onDisk, false);
  for (const std::string& name : onDisk) add(name);
  return pages;
}

void CheckPages(TFindings& findings) {
  for (const std::string& page : BookPages()) {
    for (const TPageLink& link : PageOf(page).links) {
      if (HasUrlScheme(link.url) || ClassifyLink({}, link.url) != TLinkRow::Ordinary) continue;
      if (link.url.starts_with('#')) {
        CheckTarget(page, link.line, page + link.url, "the page", findings);
        continue;
      }
      const std::string target = ExpandHtmlName(page, link.url);
      // Names on other drives are the reader's own files, not the book's.
      if (!NameLower(target).starts_with(NameLower(Global.DiscRoot))) continue;
      CheckTarget(page, link.line, target,
                  link.picture     ? "the picture"
                  : IsPage(target) ? "the page"
                                   : "the file",
                  findings);
    }
  }
}

void CheckContents(const std::string& contentsFile, TFindings& findings) {
  TLines lines;
  try {
    lines = ReadDescriptionLines(contentsFile, false);
  } catch (const std::exception& e) {
    findings.Add(contentsFile, 0, e.what());
    return;
  }
  // Entries are the lines that are not blank, in order.
  std::vector<int> lineOf;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i)
    if (!TrimBlanks(lines[i]).empty()) lineOf.push_back(i + 1);
  const std::vector<TContentsEntry> entries = ParseContents(lines);
  for (size_t i = 0; i < entries.size() && i < lineOf.size(); ++i) {
    const std::string link(TrimBlanks(entries[i].link));
    if (link.empty()) continue;  // a heading
    const std::string target = link.find(":\\") != std::string::npos ? link : Global.ProgramFolder + link;
    CheckTarget(contentsFile, lineOf[i], target, "the entry's page", findings);
  }
}

void CheckIndex(TFindings& findings) {
  const std::string keywords = Global.ProgramFolder + "keywords.idx";
  const std::string postings = Global.ProgramFolder + "index.idx";
  const std::string files = Global.ProgramFolder + "files.idx";
  const int present = FileOrPackExists(keywords) + FileOrPackExists(postings) + FileOrPackExists(files);
  if (present == 0) return;
  if (present < 3) {
    for (const std::string& name : {keywords, postings, files})
      if (!FileOrPackExists(name)) findings.Add(name, 0, "missing: the index search needs all three index files");
    return;
  }
  try {
    if (ReadDescriptionLines(keywords, false).size() != ReadDescriptionLines(postings, false).size())
      findings.Add(postings, 0, "does not have one line for each line of keywords.idx");
    for (const auto& [line, page] : IndexedPages(files))
      if (page.empty())
        findings.Add(files, line, "names no page");
      else if (!BookHas(Global.ProgramFolder + page))
        findings.Add(files, line, "the page " + Quoted(Global.ProgramFolder + page) + " is missing");
  } catch (const std::exception& e) {
    findings.Add(files, 0, e.what());
    return;
  }
  // Dates are known only on disk: an index older than a page was built before the page changed.
  if (!OnDisk(files)) return;
  const QDateTime built = Modified(files);
  for (const std::string& page : BookPages())
    if (OnDisk(page) && Modified(page) > built) {
      findings.Add(files, 0, "older than the page " + Quoted(page) + ": build the index again");
      break;
    }
}
