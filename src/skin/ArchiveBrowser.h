#pragma once
// The main window's side of the archive browser: it makes the browser the first time an
// archive is opened, gives it the document pane, the path box, the busy state and the
// status line, and shows its messages.

#include "archive/ArchiveHost.h"
#include "document/ArchiveLinks.h"

#include <QJsonObject>
#include <memory>

class TMainForm;
class TUnRar;

class TArchiveBrowser : public TArchiveHost, public TArchiveLinks {
 public:
  explicit TArchiveBrowser(TMainForm& form);
  // The browser removes its working folders as it goes.
  ~TArchiveBrowser() override;

  // TArchiveLinks
  void OpenArchive(const std::string& fileName, const std::string& sourceDocument) override;
  void ExtractAll(bool toInstallFolder, bool keepPaths) override;
  void DocumentShown(const std::string& fileName) override;

  // The command "unarc": the listing shown is extracted into the path box's folder.
  void Unarc();

  // TArchiveHost
  void ShowArchiveMessage(const std::string& text) override;
  bool IsArchiveMode() const override;
  void SetArchiveMode(bool on) override;
  void ShowFile(const std::string& file) override;
  std::optional<std::string> InstallFolder() const override;
  void SetBusy(bool on) override;
  void ShowProgress(int percent) override;
  void EndProgress() override;

  TUnRar* UnRar() const { return unrar_.get(); }
  QJsonObject StateForDump() const;

 private:
  TMainForm& form_;
  std::unique_ptr<TUnRar> unrar_;  // made when the first archive is opened
};
