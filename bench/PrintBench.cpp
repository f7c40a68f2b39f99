// print_bench: how fast a long document is laid out on sheets for the print preview.
//   QT_QPA_PLATFORM=offscreen build/bench/print_bench
// A page of chapter text with a table is repeated until it makes 200 sheets. Figures: the
// preview's layout and recording of every sheet, against the viewer's own load and layout of
// the same page; and painting one recorded sheet in the preview (scrolling repaints only).
// Each figure is the best of three runs.

#include "html/HTMLViewer.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "print/MetaFilePrinter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

double BestMs(const std::function<void()>& run) {
  double best = 1e300;
  for (int i = 0; i < 3; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

QString Chapter(int copies) {
  QString html = QStringLiteral("<html><head><title>Глава</title></head><body>");
  for (int c = 0; c < copies; ++c) {
    html += QStringLiteral("<h2>Раздел %1</h2>").arg(c + 1);
    for (int p = 0; p < 6; ++p)
      html += QStringLiteral(
          "<p>Перед снятием головки блока цилиндров слейте охлаждающую жидкость, отсоедините провода "
          "высокого напряжения и шланги, снимите впускной и выпускной коллекторы. Болты крепления "
          "отворачивайте в порядке, обратном порядку затяжки, равномерно и в несколько приёмов.</p>");
    html += QStringLiteral("<table border=1 cellpadding=3><tr><th>Деталь</th><th>Момент, Н·м</th></tr>");
    for (int r = 0; r < 6; ++r)
      html += QStringLiteral("<tr><td>Болт %1</td><td>%2</td></tr>").arg(r + 1).arg(20 + r * 5);
    html += QStringLiteral("</table>");
  }
  return html + QStringLiteral("</body></html>");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTemporaryDir dir;
  HostPath::SetDiscRoot(dir.path());
  Global.ProgramFolder = "d:\\";
  Global.Unattended = true;

  THTMLViewer viewer;
  viewer.resize(800, 600);
  TMetaFilePrinter recorder(nullptr, nullptr);
  int copies = 40;
  QString page;
  for (;;) {
    page = Chapter(copies);
    QFile file(QDir(dir.path()).filePath("long.htm"));
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(page.toUtf8());
    file.close();
    viewer.LoadFromFile("d:\\long.htm");
    const int pages = viewer.PrintPreview(recorder, 1.0);
    if (pages >= 200) break;
    copies = copies * 200 / std::max(1, pages) + 1;
  }

  const double load = BestMs([&] { viewer.LoadFromFile("d:\\long.htm"); });
  int pages = 0;
  const double layout = BestMs([&] { pages = viewer.PrintPreview(recorder, 1.0); });
  QImage sheet(595, 842, QImage::Format_RGB32);
  TPrinterMetrics metrics;
  recorder.ReadPrinterCaps(metrics);
  const double paint = BestMs([&] {
    QPainter painter(&sheet);
    painter.scale(double(sheet.width()) / metrics.paperWidth, double(sheet.height()) / metrics.paperHeight);
    painter.drawPicture(0, 0, recorder.Page(pages / 2));
  });
  std::printf("document of %d sheets (%lld characters)\n", pages, static_cast<long long>(page.size()));
  std::printf("preview layout and recording: %8.1f ms (%.1f x the viewer's own load and layout, %.1f ms)\n", layout,
              layout / load, load);
  std::printf("painting one recorded sheet:  %8.2f ms (%.4f x the layout)\n", paint, paint / layout);
  return 0;
}
