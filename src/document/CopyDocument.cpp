// "copyhtml": the page shown, and the folder of its pictures saved beside it, copied into the
// folder of the path box.

#include "document/FileCopy.h"
#include "document/HtmlFrame.h"
#include "document/LinkRules.h"
#include "html/FrameViewer.h"
#include "platform/Cp1251.h"
#include "platform/HostPath.h"
#include "document/PaneHost.h"

void THtmlFrame::CopyDocument() {
  TFrameViewer* viewer = CurrentViewer();
  if (!viewer || viewer->isHidden()) return;
  const std::string file = viewer->CurrentFile();
  if (file.empty()) return;
  const std::string installFolder = host_.InstallFolder().value_or(std::string());
  if (installFolder.empty()) return;

  FileCopy::CopyReplacing(file, installFolder + FileNamePart(file));
  const std::string companion = WithoutExtension(file) + ".files";
  if (HostPath::FolderExists(companion)) FileCopy::CopyFolderTree(companion + '\\', FolderPart(file), installFolder);
  host_.SetStatusText(ToCp1251(u"Файл скопирован"));
}
