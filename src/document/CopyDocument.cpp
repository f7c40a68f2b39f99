// "copyhtml": the page shown, and the folder of its pictures saved beside it, copied into the
// folder of the path box. The reader hears of a copy that failed, never of a success then.

#include "app/FileCopy.h"
#include "app/Log.h"
#include "document/HtmlFrame.h"
#include "document/LinkRules.h"
#include "document/PaneHost.h"
#include "html/FrameViewer.h"
#include "platform/Cp1251.h"
#include "platform/HostPath.h"

void THtmlFrame::CopyDocument() {
  TFrameViewer* viewer = CurrentViewer();
  if (!viewer || viewer->isHidden()) return;
  const std::string file = viewer->CurrentFile();
  if (file.empty()) return;
  const std::string installFolder = host_.InstallFolder().value_or(std::string());
  if (installFolder.empty()) return;

  std::string problem;
  bool copied = FileCopy::CopyReplacing(file, installFolder + FileNamePart(file), &problem);
  const std::string companion = WithoutExtension(file) + ".files";
  if (copied && HostPath::FolderExists(companion))
    copied = FileCopy::CopyFolderTree(companion + '\\', FolderPart(file), installFolder, &problem);
  if (copied)
    host_.SetStatusText(ToCp1251(u"Файл скопирован"));
  else
    ReportCopyFailure(installFolder, problem);
}

void THtmlFrame::ReportCopyFailure(const std::string& targetFolder, const std::string& problem) {
  qCWarning(lcErrors).noquote() << "copy failed:" << QString::fromStdString(problem);
  host_.SetStatusText(ToCp1251(QStringLiteral("Не удалось скопировать файл в ") + HostPath::ToHost(targetFolder)));
}
