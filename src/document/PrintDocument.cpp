// Printing from the pane: the preview of the page shown, or of a named file.

#include "app/Log.h"
#include "document/HtmlFrame.h"
#include "document/PageNumberHeader.h"
#include "document/PaneHost.h"
#include "html/FrameViewer.h"
#include "platform/Globals.h"
#include "platform/WinNames.h"

#include <QPainter>

namespace {

bool IsPictureFile(const std::string& file) {
  const std::string ext = AsciiLower(FileExtension(file));
  return ext == ".bmp" || ext == ".gif" || ext == ".jpg" || ext == ".jpeg";
}

}  // namespace

void THtmlFrame::PrintDocument(const std::string& file) {
  try {
    if (!file.empty()) {
      // A viewer of its own, hidden, that keeps no history and draws links plainly.
      TFrameViewer print(host_.Window());
      print.hide();
      print.setGeometry(0, 0, 0, 0);
      print.HistoryMaxCount = 0;
      print.ImageCacheCount = 0;
      print.NoBorder = false;
      print.OverLinksActive = false;
      print.NoLinkUnderline = true;
      print.ViewImages = true;
      print.OnPrintHeader = [](TFrameViewer*, QPainter& painter, int numPage, int w, int, bool&) {
        DrawPageNumberHeader(painter, numPage, w);
      };
      print.LoadFromFile(file);
      if (THTMLViewer* document = print.ActiveViewer())
        host_.ShowPrintPreview(document, PrintAsPicture, PictureWidth, PictureHeight);
      PrintAsPicture = false;
      return;
    }
    TFrameViewer* viewer = CurrentViewer();
    THTMLViewer* document = viewer ? viewer->ActiveViewer() : nullptr;
    if (!document) return;
    PrintAsPicture = IsPictureFile(document->CurrentFile());
    const QSize picture = Global.LastPictureSize;
    host_.ShowPrintPreview(document, PrintAsPicture, picture.width(), picture.height());
  } catch (const std::exception& e) {
    PrintAsPicture = false;
    qCWarning(lcErrors) << "printing:" << e.what();
  }
}
