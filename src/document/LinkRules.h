#pragma once
// The decisions of the document pane that need no window: what a clicked link asks for, page
// links against file links, taking files from the disc, where "copy:" may write, what a
// dropped file is, which visit group a page belongs to and what the status bar says over a
// link. Names are Windows names in Windows-1251.

#include "platform/WinNames.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The rows of link activation, in the order they are tested.
enum class TLinkRow {
  PictureWindow,  // target "_blank": an enlarged-picture window
  Web,            // a web or mail address, for the desktop
  PrintHtml,      // "printhtml:" file
  Copy,           // "copy:" file into the install folder
  CopyList,       // "copylist:" name of a drop-down list
  Ordinary,       // a page or a file
};

TLinkRow ClassifyLink(const std::string& target, const std::string& url);

// `url` as written in the page; `extension` of the expanded, lower-cased name. Page links are
// followed by the viewer; everything else is a file to open, play or save.
bool IsPageLink(const std::string& url, const std::string& extension);

// Files the book names are taken from the disc even when the page was shown from a copy
// elsewhere: a name on another drive is moved onto `discRoot` ("d:\"). Archive listings name
// extracted members, which stay where they are.
std::string RedirectToDisc(const std::string& expandedName, const std::string& discRoot, bool archiveMode);

// In archive mode a page link to a member that is not one of the browser's own frame pages
// ("as_") is shown by the pane itself.
bool ArchivePageShownByPane(const std::string& url, const std::string& expandedName);

// `url` without the first occurrence of `scheme`, letter case ignored.
std::string WithoutScheme(const std::string& url, const std::string& scheme);

// Where a "copy:" link copies `source` (the expanded name, from wherever the book can read
// it): `installFolder` (ending in '\') followed by the source's file name. Refused (nullopt)
// only when that name could leave the folder: empty, "." or "..".
std::optional<std::string> CopyDestination(const std::string& installFolder, const std::string& source);

// What a file dropped on the window does; the name is tested lower-cased.
enum class TDropAction { Show, Archive, Media, Ignore };
TDropAction ClassifyDrop(const std::string& name);

// The first group that holds `file` (letter case ignored, as Windows names are); -1 when none.
int FindVisitGroup(const std::vector<std::string>& groups, const std::string& file);
// The file that opened the group `index` (its first token); empty outside the list.
std::string VisitGroupToken(const std::vector<std::string>& groups, int index);

// The status bar text over a link; empty clears the bar. `expand` makes a link a full name
// relative to the page shown; `installFolder` is the path box's folder, when there is one.
struct TLinkCoveredInput {
  std::string target, url, currentFile;
  bool archiveMode = false;
  std::optional<std::string> installFolder;
};
std::string LinkCoveredText(const TLinkCoveredInput& input,
                            const std::function<std::string(const std::string&)>& expand);

// The selection as copied by Ctrl+C: without leading and trailing CR and LF characters.
QString TrimLineBreaks(const QString& text);
