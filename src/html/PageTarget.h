#pragma once
// Where the engine puts a document laid out on pages: the page recorder of the print preview
// (one recording per page) and, for printing, the printer itself.

#include "html/PageGeometry.h"

class QPainter;

class TPageTarget {
 public:
  virtual ~TPageTarget() = default;

  // The sheet's metrics; false when no printer can be reached (the fallback metrics are
  // filled in then).
  virtual bool ReadPrinterCaps(TPrinterMetrics& metrics) = 0;
  // The engine draws the page-number header only when this is set.
  virtual bool ShowPageNumbers() const = 0;

  // Recording: every page is dropped, then one empty page is begun.
  virtual void BeginPages() = 0;
  virtual void NewPage() = 0;
  // The current page, in printer pixels with the printable area's top-left corner at 0, 0.
  virtual QPainter& Canvas() = 0;
  virtual void EndPages() = 0;

  // Printing: a painter on the printer's first page, or none when the printer cannot be
  // used; NewSheet moves to the next sheet; EndPrinting ends the job (false: it failed).
  virtual QPainter* BeginPrinting() = 0;
  virtual bool NewSheet() = 0;
  virtual bool EndPrinting() = 0;
};
