#pragma once
// The sheet a document is printed on, as a printer reports it, and where the engine lays a
// document out on it: 2 cm margins on every side at the print scale, in screen pixels.

#include <QRect>
#include <QSize>

// Printer metrics in printer pixels.
struct TPrinterMetrics {
  int resolutionX = 300;  // pixels per inch
  int resolutionY = 300;
  int paperWidth = 0;
  int paperHeight = 0;
  int offsetX = 0;  // of the printable area
  int offsetY = 0;
  int printableWidth = 0;
  int printableHeight = 0;
};

// An A4 sheet at 300 pixels per inch, for when the printer cannot be asked.
TPrinterMetrics FallbackMetrics(bool landscape);

// The usable area of the sheet at a print scale, in screen pixels of `screenPpi` (`Area`).
QSize PrintArea(const TPrinterMetrics& metrics, double scale, int screenPpi);

// Where a document page lies on the sheet: the layout's page size in screen pixels, the
// factor from screen pixels to printer pixels and the top-left corner of the text in the
// printable-area coordinates the recordings use.
struct TPageGeometry {
  QSize page;          // layout width and height of one page, screen pixels
  double factorX = 1;  // printer pixels per screen pixel
  double factorY = 1;
  QPoint origin;       // printer pixels, printable-area coordinates
  QSize sheet;         // the whole paper in layout units (screen pixels at the scale)
  QPoint sheetOrigin;  // the paper's top-left corner in layout units, printable-area origin
};
TPageGeometry PageGeometry(const TPrinterMetrics& metrics, double scale, int screenPpi);
