// What a clicked link does. Pages are left to the engine; everything else (addresses, programs,
// zip files, copies into the reader's folder, serial numbers, pictures in their own window)
// is done here and the link reported as handled.

#include "app/DescriptionSyntax.h"
#include "app/FileCopy.h"
#include "app/ResourcePack.h"
#include "app/ui/OtherInstances.h"
#include "document/ArchiveLinks.h"
#include "document/HtmlFrame.h"
#include "document/LinkRules.h"
#include "document/PaneHost.h"
#include "html/FrameViewer.h"
#include "html/HtmlNames.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Shell.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

void THtmlFrame::LinkClicked(TFrameViewer* viewer, const QString& target, const QString& url, bool& handled) {
  const std::string link = ToCp1251(url);
  const std::string expanded = NameLower(viewer->HTMLExpandFilename(url));
  switch (ClassifyLink(ToCp1251(target), link)) {
    case TLinkRow::PictureWindow: OpenPictureWindow(viewer, expanded, handled); break;
    case TLinkRow::Web:
      MarkVisited(viewer, expanded, handled);
      Shell::Open(link);
      break;
    case TLinkRow::PrintHtml: {
      const std::string file = viewer->HTMLExpandFilename(FromCp1251(WithoutScheme(link, "printhtml:")));
      MarkVisited(viewer, file, handled);
      PrintDocument(file);
      break;
    }
    case TLinkRow::Copy: CopyToInstallFolder(viewer, link, expanded, handled); break;
    case TLinkRow::CopyList:
      MarkVisited(viewer, expanded, handled);
      CopyListSelection(viewer, url.mid(9));
      break;
    case TLinkRow::Ordinary: OrdinaryLink(viewer, link, expanded, handled); break;
  }
}

void THtmlFrame::MarkVisited(TFrameViewer* viewer, const std::string& name, bool& handled) {
  handled = true;
  viewer->AddVisitedLink(name);
  viewer->CheckVisitedLinks();
}

void THtmlFrame::LinkCovered(TFrameViewer* viewer, const QString& target, const QString& url) {
  const TLinkCoveredInput input{ToCp1251(target), ToCp1251(url), viewer->CurrentFile(), ArchiveModeOf(viewer),
                                host_.InstallFolder()};
  host_.ShowLinkTarget(LinkCoveredText(
      input, [viewer](const std::string& name) { return viewer->HTMLExpandFilename(FromCp1251(name)); }));
}

// A picture window of the book that shows the file already comes forward; else another
// instance of the program opens one for it.
void THtmlFrame::OpenPictureWindow(TFrameViewer* viewer, const std::string& expanded, bool& handled) {
  MarkVisited(viewer, expanded, handled);
  if (!FileOrPackExists(WithoutAnchor(expanded))) return;
  OtherInstances::ShowInPictureWindow(host_.Window(), expanded);
}

void THtmlFrame::CopyToInstallFolder(TFrameViewer* viewer, const std::string& url, const std::string& expanded,
                                     bool& handled) {
  MarkVisited(viewer, expanded, handled);
  const std::optional<std::string> installFolder = host_.InstallFolder();
  if (!installFolder || installFolder->empty()) return;
  const std::string written = url.substr(std::min<size_t>(5, url.size()));
  const std::string source = NameLower(viewer->HTMLExpandFilename(FromCp1251(written)));
  std::string problem;
  if (const auto target = CopyDestination(*installFolder, source))
    if (!FileCopy::CopyReplacing(source, *target, &problem)) ReportCopyFailure(*installFolder, problem);
}

void THtmlFrame::CopyListSelection(TFrameViewer* viewer, const QString& name) {
  THTMLViewer* active = viewer->ActiveViewer();
  if (!active) return;
  for (const TFormControl& control : active->FormControlList()) {
    if (control.kind != TFormControlKind::Select || control.name.compare(name, Qt::CaseInsensitive) != 0) continue;
    if (control.selectedIndex < 0) continue;
    QGuiApplication::clipboard()->setText(control.SelectedText());
    host_.SetStatusText(ToCp1251(u"Серийный номер скопирован"));
  }
}

void THtmlFrame::OrdinaryLink(TFrameViewer* viewer, const std::string& url, const std::string& expanded,
                              bool& handled) {
  const bool archiveMode = ArchiveModeOf(viewer);
  const std::string extension = FileExtension(expanded);

  // A member followed in a listing: the archive is extracted into the listing's folder.
  if (archiveMode && archive_ && !url.starts_with('#') && !FileOrPackExists(WithoutAnchor(expanded)))
    archive_->ExtractAll(false, true);

  if (IsPageLink(url, extension)) {
    if (archiveMode && ArchivePageShownByPane(url, expanded)) {
      handled = true;
      ShowFile(expanded);
    }
    return;
  }

  MarkVisited(viewer, expanded, handled);
  const std::string file = RedirectToDisc(expanded, Global.DiscRoot, archiveMode);
  if (extension.find(".zip") != std::string::npos) {
    SaveZip(file);
    return;
  }
  if (archive_ && extension.find(".rar") != std::string::npos) {
    archive_->OpenArchive(file, viewer->CurrentFile());
    return;
  }
  if (extension.find(".wav") != std::string::npos) {
    host_.PlayMedia(file);
    return;
  }
  // Any other file is opened by the desktop, which sees only files on disk.
  const std::string onDisk = FileCopy::OnDiskForDesktop(file);
  const std::string folder = FolderPart(onDisk);
  const QString hostFolder = HostPath::ToHost(folder);
  if (!hostFolder.isEmpty() && QFileInfo(hostFolder).isDir()) QDir::setCurrent(hostFolder);
  Shell::Open(onDisk, {}, folder);
}

void THtmlFrame::SaveZip(const std::string& file) {
  const QString name = FromCp1251(FileNamePart(file));
  std::string& lastFolder = Global.LastSaveFolder;
  const QString startFolder = lastFolder.empty() ? QDir::currentPath() : HostPath::ToHost(lastFolder);
  const QString chosen =
      Dialogs::SaveFileName(host_.Window(), QStringLiteral("Сохранить как"), QDir(startFolder).filePath(name),
                            QStringLiteral("Zip файлы (*.zip);;Все файлы (*.*)"));
  if (chosen.isEmpty()) return;
  const QFileInfo info(chosen);
  lastFolder = HostPath::ToWindows(info.absolutePath() + QLatin1Char('/'));
  std::string problem;
  if (!FileCopy::CopyReplacing(file, HostPath::ToWindows(info.absoluteFilePath()), &problem))
    ReportCopyFailure(lastFolder, problem);
}
