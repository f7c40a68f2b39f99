// The main window's side of printing: the preview it shows modally, the skinned dialog's
// no-printer pages, the preview's help, and print requests of the standard window and of other
// instances.

#include "app/Log.h"
#include "document/HtmlFrame.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/WinNames.h"
#include "print/PreviewForm.h"
#include "skin/MainForm.h"
#include "windows/CoolDialog.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>

void TMainForm::ShowPrintPreview(THTMLViewer* document, bool asPicture, int pictureWidth, int pictureHeight) {
  TPreviewForm preview(this, this, document, asPicture, pictureWidth, pictureHeight);
  if (preview.Failed()) return;
  preview_ = &preview;
  // As QDialog::exec, but a preview closed while it was being shown (a scripted run's lines
  // run as soon as it appears) does not leave a loop waiting for it.
  QEventLoop loop;
  connect(&preview, &QDialog::finished, &loop, &QEventLoop::quit);
  preview.setWindowModality(Qt::ApplicationModal);
  preview.show();
  if (preview.isVisible()) loop.exec(QEventLoop::DialogExec);
  preview_ = nullptr;
}

bool TMainForm::ShowDialogPage(int page) { return Dialog && Dialog->ShowPage(page); }

void TMainForm::PreviewHelp(QWidget* preview) { FormKeyDown(preview, Qt::Key_F1, Qt::NoModifier); }

void TMainForm::PrintDocument() {
  if (HtmlFrame) HtmlFrame->PrintDocument();
}

// The file comes from another process: it is printed as a picture and then removed, but only
// when it lies in the temporary folder, so that a message cannot have any file of the reader
// deleted.
void TMainForm::PrintPicture(const TPrintRequest& request) {
  if (!HtmlFrame || request.file.empty()) return;
  HtmlFrame->PrintAsPicture = true;
  HtmlFrame->PictureWidth = request.width;
  HtmlFrame->PictureHeight = request.height;
  HtmlFrame->PrintDocument(request.file);
  const QString host = HostPath::ToHost(request.file);
  const QString temp = QFileInfo(HostPath::ToHost(Global.TempFolder)).canonicalFilePath();
  const QString folder = QFileInfo(QFileInfo(host).absolutePath()).canonicalFilePath();
  if (!temp.isEmpty() && (folder == temp || folder.startsWith(temp + '/'))) QFile::remove(host);
}

QJsonObject TMainForm::PreviewForDump() const {
  if (!preview_) return QJsonObject{{"open", false}};
  return preview_->StateForDump();
}
