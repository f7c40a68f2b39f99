#include "platform/ui/HelpViewer.h"

#include "platform/Cp1251.h"
#include "platform/WinNames.h"
#include "platform/ui/Dialogs.h"

namespace HelpViewer {

bool ShowTopic(const std::string& file, const std::string& topic,
               const std::function<void(const std::string& page)>& showPage) {
  if (file.empty()) return false;
  const std::string extension = NameLower(FileExtension(file));
  if (extension == ".htm" || extension == ".html") {
    showPage(topic.empty() ? file : file + "#" + topic);
    return true;
  }
  Dialogs::Message(nullptr, QMessageBox::Information, QStringLiteral("Помощь"),
                   QStringLiteral("Справку \"%1\" в этой системе показать нельзя: показываются только "
                                  "справки в формате HTML.")
                       .arg(FromCp1251(FileNamePart(file))));
  return false;
}

}  // namespace HelpViewer
