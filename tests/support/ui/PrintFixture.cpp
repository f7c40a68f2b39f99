#include "support/ui/PrintFixture.h"

#include "document/PageNumberHeader.h"
#include "platform/Globals.h"

PrintFixture::PrintFixture() {
  Global.Printer.reset();
  Global.NoPdfPrinter = false;
  Global.Unattended = true;
  viewer_.resize(500, 400);
  viewer_.OnPrintHeader = [](THTMLViewer*, QPainter& painter, int numPage, int w, int, bool&) {
    DrawPageNumberHeader(painter, numPage, w);
  };
}

void PrintFixture::LoadLines(int lines) {
  QString html = QStringLiteral("<html><head><title>Регламент</title></head><body>");
  for (int i = 1; i <= lines; ++i) html += QStringLiteral("<p>строка %1</p>").arg(i);
  html += QStringLiteral("</body></html>");
  viewer_.LoadFromFile(WriteText("lines.htm", html));
}
