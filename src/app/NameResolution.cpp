// ResolvePath and JoinUnderFolder: data names relative to the program folder or the disc.

#include "app/DescriptionSyntax.h"
#include "app/TextValues.h"
#include "platform/Globals.h"

namespace {

// The '\' that ".." never climbs above: the one closing the first folder after the drive
// (the drive's own '\' when there is no such folder), else the first '\'. A base without
// any '\' gets one appended.
size_t FindAnchor(std::string& base) {
  const size_t drive = base.find(":\\");
  if (drive != std::string::npos) {
    const size_t next = base.find('\\', drive + 2);
    return next == std::string::npos ? drive + 1 : next;
  }
  const size_t first = base.find('\\');
  if (first != std::string::npos) return first;
  base += '\\';
  return base.size() - 1;
}

// Folds every "\..\" at its first occurrence: after the anchor it takes the folder name
// before it along, at or before the anchor only its "..\" goes. Works in one pass (a fold
// only shortens the text already read, so the next first occurrence ends further on), so a
// name of many "..\" costs linear time.
std::string FoldParentSteps(const std::string& text, size_t anchor) {
  static constexpr std::string_view kStep = "\\..\\";
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    out.push_back(c);
    if (!std::string_view(out).ends_with(kStep)) continue;
    const size_t at = out.size() - kStep.size();
    if (at > anchor) {
      out.resize(out.rfind('\\', at - 1) + 1);
    } else {
      out.resize(at + 1);
      // A fold before the anchor moves it, so it keeps naming the same folder.
      if (at < anchor) anchor -= kStep.size() - 1;
    }
  }
  return out;
}

}  // namespace

std::string JoinUnderFolder(const std::string& base, const std::string& relative) {
  std::string folder = base;
  const size_t anchor = FindAnchor(folder);
  if (folder.back() != '\\') folder += '\\';
  const std::string_view name = TrimBlanks(relative);
  std::string joined =
      name.starts_with('\\') ? folder.substr(0, anchor + 1).append(name.substr(1)) : folder.append(name);
  return FoldParentSteps(joined, anchor);
}

std::string ResolvePath(const std::string& text) {
  static constexpr std::string_view kDiscMarker = "<cd>";
  const size_t marker = text.find(kDiscMarker);
  if (marker != std::string::npos) return std::string(text).replace(marker, kDiscMarker.size(), Global.DiscRoot);
  if (text.find(":\\") != std::string::npos || text.find_first_of(".\\") == std::string::npos) return text;
  // In key=name only the name is resolved.
  const size_t eq = text.rfind('=');
  if (eq == std::string::npos) return JoinUnderFolder(Global.ProgramFolder, text);
  return text.substr(0, eq + 1) + JoinUnderFolder(Global.ProgramFolder, text.substr(eq + 1));
}
