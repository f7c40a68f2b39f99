#include "document/LinkRules.h"

#include "app/DescriptionSyntax.h"
#include "platform/Cp1251.h"

namespace {

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

bool ContainsAny(const std::string& text, std::initializer_list<const char*> parts) {
  for (const char* part : parts)
    if (Contains(text, part)) return true;
  return false;
}

// The scheme of a URL: the text before "://", else the text before the first ':' when it
// is longer than a drive letter; empty when none.
std::string UrlScheme(const std::string& url) {
  const size_t slashes = url.find("://");
  if (slashes != std::string::npos) return url.substr(0, slashes);
  const size_t colon = url.find(':');
  if (colon != std::string::npos && colon > 1 && url.find_first_of("\\/") > colon) return url.substr(0, colon);
  return {};
}

// The host part: after "scheme://" (or the whole URL without one) up to the next '/'.
std::string UrlHost(const std::string& url) {
  const size_t slashes = url.find("://");
  const std::string rest = slashes == std::string::npos ? url : url.substr(slashes + 3);
  return rest.substr(0, rest.find('/'));
}

}  // namespace

TLinkRow ClassifyLink(const std::string& target, const std::string& url) {
  if (AsciiLower(target) == "_blank") return TLinkRow::PictureWindow;
  const std::string lower = AsciiLower(url);
  if (ContainsAny(lower, {"http:", "https:", "mailto:"})) return TLinkRow::Web;
  if (Contains(lower, "printhtml:")) return TLinkRow::PrintHtml;
  if (Contains(lower, "copy:")) return TLinkRow::Copy;
  if (Contains(lower, "copylist:")) return TLinkRow::CopyList;
  return TLinkRow::Ordinary;
}

bool IsPageLink(const std::string& url, const std::string& extension) {
  if (url.starts_with('#')) return true;
  return ContainsAny(extension, {".htm", ".txt", ".inf", ".diz", ".bmp", ".gif", ".jpg", ".jpeg"});
}

std::string RedirectToDisc(const std::string& expandedName, const std::string& discRoot, bool archiveMode) {
  if (archiveMode) return expandedName;
  const bool hasDrive = expandedName.size() >= 3 && expandedName[1] == ':' && expandedName[2] == '\\';
  const std::string drive = hasDrive ? expandedName.substr(0, 3) : std::string();
  if (AsciiLower(drive) == AsciiLower(discRoot)) return expandedName;
  return discRoot + expandedName.substr(drive.size());
}

bool ArchivePageShownByPane(const std::string& url, const std::string& expandedName) {
  return !Contains(FileNamePart(expandedName), "as_") && !url.starts_with('#');
}

std::string WithoutScheme(const std::string& url, const std::string& scheme) {
  const size_t at = AsciiLower(url).find(AsciiLower(scheme));
  if (at == std::string::npos) return url;
  return url.substr(0, at) + url.substr(at + scheme.size());
}

std::optional<std::string> CopyDestination(const std::string& installFolder, const std::string& source) {
  // The name part ends at the last separator, so it holds none.
  const std::string name = FileNamePart(source);
  if (name.empty() || name == "." || name == "..") return std::nullopt;
  return installFolder + name;
}

TDropAction ClassifyDrop(const std::string& name) {
  const std::string lower = AsciiLower(name);
  if (ContainsAny(lower, {".htm", ".txt", ".bmp", ".jpg", ".jpeg", ".gif", ".png"})) return TDropAction::Show;
  if (Contains(lower, ".rar")) return TDropAction::Archive;
  if (ContainsAny(lower, {".wav", ".mp3", ".mpa"})) return TDropAction::Media;
  return TDropAction::Ignore;
}

int FindVisitGroup(const std::vector<std::string>& groups, const std::string& file) {
  const std::string lower = AsciiLower(file);
  for (size_t i = 0; i < groups.size(); ++i)
    if (Contains(AsciiLower(groups[i]), lower.c_str())) return static_cast<int>(i);
  return -1;
}

std::string VisitGroupToken(const std::vector<std::string>& groups, int index) {
  if (index < 0 || index >= static_cast<int>(groups.size())) return {};
  return ParseTokenAt(groups[index], 1);
}

std::string LinkCoveredText(const TLinkCoveredInput& input,
                            const std::function<std::string(const std::string&)>& expand) {
  const std::string& url = input.url;
  if (url.empty() || input.archiveMode) return {};
  std::string text;
  const std::string scheme = AsciiLower(UrlScheme(url));
  if (url.starts_with('#')) {
    text = input.currentFile + url;
  } else if (scheme == "copy") {
    const std::string host = UrlHost(url);
    const std::string name = expand(host.substr(host.rfind(':') + 1));
    if (input.installFolder) {
      const std::string quote = "\"";
      text = ToCp1251(u"Копирование файла ") + quote + name + quote + ToCp1251(u" в каталог ") + quote +
             *input.installFolder + quote;
    } else {
      text = name;
    }
  } else if (!scheme.empty() && scheme != "file") {
    text = url;
  } else {
    text = expand(url);
  }
  if (!input.target.empty()) return "Url: " + text + "  Target: " + input.target;
  return text;
}

QString TrimLineBreaks(const QString& text) {
  auto isBreak = [](QChar c) { return c == u'\r' || c == u'\n'; };
  qsizetype first = 0, last = text.size();
  while (first < last && isBreak(text[first])) ++first;
  while (last > first && isBreak(text[last - 1])) --last;
  return text.mid(first, last - first);
}
