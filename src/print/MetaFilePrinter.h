#pragma once
// The page recorder of the print preview: keeps the printer's metrics and records each page
// the engine lays out as a picture, in printer pixels with the printable area's top-left
// corner at 0, 0. For printing it hands the engine the printer itself.

#include "html/PageTarget.h"

#include <QPainter>
#include <QPicture>
#include <QString>
#include <memory>
#include <vector>

class QWidget;
class TPrintHost;

enum class TOrientation { Portrait, Landscape };

class TMetaFilePrinter : public TPageTarget {
 public:
  // Reports a missing or unreachable printer once: through the skinned dialog's pages 3 and 4
  // when `host` has a dialog, else in a message box over `parent`.
  TMetaFilePrinter(TPrintHost* host, QWidget* parent);
  ~TMetaFilePrinter() override;

  bool ShowPageNumbers() const override { return showPageNumbers_; }
  void SetShowPageNumbers(bool on) { showPageNumbers_ = on; }
  TOrientation PageOrientation() const { return orientation_; }
  // Asks the printer for the orientation and keeps what it then reports.
  void SetPageOrientation(TOrientation orientation);

  bool ReadPrinterCaps(TPrinterMetrics& metrics) override;
  void BeginPages() override;
  void NewPage() override;
  QPainter& Canvas() override;
  void EndPages() override;
  int PageCount() const { return static_cast<int>(pages_.size()); }
  const QPicture& Page(int i) const { return *pages_[i]; }
  void FreePages();
  // The pages as they are now, and putting them back (a cancelled formatting keeps the old).
  std::vector<QPicture> Snapshot() const;
  void Restore(const std::vector<QPicture>& pages);
  bool Printing() const { return printing_; }

  // Where the built-in "PDF" printer writes the next job.
  void SetOutputFile(const QString& file) { outputFile_ = file; }
  QPainter* BeginPrinting() override;
  bool NewSheet() override;
  bool EndPrinting() override;

 private:
  void CloseCanvas();

  bool showPageNumbers_ = true;
  TOrientation orientation_ = TOrientation::Portrait;
  bool printing_ = false;
  std::vector<std::unique_ptr<QPicture>> pages_;
  std::unique_ptr<QPainter> canvas_;
  bool canvasUsed_ = false;
  bool firstPage_ = false;
  TPrinterMetrics pageMetrics_;  // read once per recording
  QString outputFile_;
  std::unique_ptr<QPainter> printerPainter_;
};
