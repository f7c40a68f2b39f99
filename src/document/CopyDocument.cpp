// "copyhtml": the page shown, and the folder of its pictures saved beside it, copied into the
// folder of the path box.

#include "document/FileCopy.h"
#include "document/HtmlFrame.h"
#include "document/LinkRules.h"
#include "html/FrameViewer.h"
#include "platform/Cp1251.h"
#include "platform/HostPath.h"
#include "skin/MainForm.h"
#include "tools/PathInputBox.h"
#include "tools/StatusLine.h"

void THtmlFrame::CopyDocument() {
  TFrameViewer* viewer = CurrentViewer();
  if (!viewer || viewer->isHidden() || !form_.PathInput) return;
  const std::string file = viewer->CurrentFile();
  if (file.empty()) return;
  std::string installFolder;
  form_.PathInput->GetPath(installFolder);
  if (installFolder.empty()) return;

  FileCopy::CopyReplacing(file, installFolder + FileNamePart(file));
  const std::string companion = WithoutExtension(file) + ".files";
  if (HostPath::FolderExists(companion)) FileCopy::CopyFolderTree(companion + '\\', FolderPart(file), installFolder);
  if (form_.StatusLine) form_.StatusLine->SetStatus(ToCp1251(u"Файл скопирован"));
}
