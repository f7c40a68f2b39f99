#include "document/PopupCommands.h"

#include "app/DescriptionSyntax.h"
#include "app/ResourcePack.h"
#include "platform/HostPath.h"

#include <string_view>

namespace {

struct TFixed {
  std::string_view command;
  TPopupAction action;
};

constexpr TFixed kFixed[] = {
    {"copyclipboardhtml", TPopupAction::CopyClipboard},
    {"addtofavorite", TPopupAction::AddToFavorite},
    {"deffonthtml", TPopupAction::DefFont},
    {"selectallhtml", TPopupAction::SelectAll},
    {"printhtml", TPopupAction::Print},
};

}  // namespace

TPopupCommand ClassifyPopupCommand(const std::string& command) {
  TPopupCommand result;
  const size_t eq = command.find('=');
  const std::string head = eq == std::string::npos ? std::string() : command.substr(0, eq);
  if (head == "history") {
    result.action = TPopupAction::History;
    result.history = ParseIntAt(command, static_cast<int>(eq) + 2);
  } else if (head == "html") {
    result.action = TPopupAction::Html;
    result.file = ValueAfterFirstEq(command);
  } else if (head == "htmlpos") {
    result.action = TPopupAction::HtmlPos;
    result.file = ValueAfterFirstEq(command);
    result.position = ParseIntAt(ValueAfterLastEq(command), 1);
  } else {
    for (const TFixed& fixed : kFixed)
      if (command == fixed.command) result.action = fixed.action;
  }
  return result;
}

std::string OnCdWhenMissing(const std::string& file) {
  if (file.empty() || FileOrPackExists(file)) return file;
  const char drive = HostPath::FirstCdDrive();
  if (drive == 0) return file;
  std::string moved = file;
  moved[0] = drive;
  return moved;
}
