#include "html/PageGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMarginInches = 0.7874015748031496;  // 2 cm

int Round(double v) { return static_cast<int>(std::lround(v)); }

// The paper's extent unless the printable area reaches beyond it.
int UsableExtent(int paper, int printable, int offset) {
  return paper - printable - offset < 0 ? printable + offset : paper;
}

}  // namespace

TPrinterMetrics FallbackMetrics(bool landscape) {
  TPrinterMetrics m;
  m.resolutionX = m.resolutionY = 300;
  if (landscape) {
    m.paperWidth = 3508, m.paperHeight = 2479, m.offsetX = 95, m.offsetY = 75;
    m.printableWidth = 3321, m.printableHeight = 2333;
  } else {
    m.paperWidth = 2479, m.paperHeight = 3508, m.offsetX = 75, m.offsetY = 91;
    m.printableWidth = 2333, m.printableHeight = 3321;
  }
  return m;
}

QSize PrintArea(const TPrinterMetrics& metrics, double scale, int screenPpi) {
  const int rx = std::max(1, Round(metrics.resolutionX * scale));
  const int ry = std::max(1, Round(metrics.resolutionY * scale));
  const int mx = Round(rx * kMarginInches);
  const int my = Round(ry * kMarginInches);
  const int width = UsableExtent(metrics.paperWidth, metrics.printableWidth, metrics.offsetX) - 2 * mx;
  const int height = UsableExtent(metrics.paperHeight, metrics.printableHeight, metrics.offsetY) - 2 * my;
  return {Round(double(width) * screenPpi / rx), Round(double(height) * screenPpi / ry)};
}

TPageGeometry PageGeometry(const TPrinterMetrics& metrics, double scale, int screenPpi) {
  TPageGeometry g;
  const QSize area = PrintArea(metrics, scale, screenPpi);
  g.page = QSize(std::max(1, area.width()), std::max(1, area.height()));
  const int rx = std::max(1, Round(metrics.resolutionX * scale));
  const int ry = std::max(1, Round(metrics.resolutionY * scale));
  g.factorX = double(rx) / screenPpi;
  g.factorY = double(ry) / screenPpi;
  // The margins are measured from the paper's edge; the recordings start at the printable area.
  g.origin = QPoint(Round(rx * kMarginInches) - metrics.offsetX, Round(ry * kMarginInches) - metrics.offsetY);
  g.sheet = QSize(Round(metrics.paperWidth / g.factorX), Round(metrics.paperHeight / g.factorY));
  g.sheetOrigin = QPoint(Round(-metrics.offsetX / g.factorX), Round(-metrics.offsetY / g.factorY));
  return g;
}
