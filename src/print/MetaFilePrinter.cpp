#include "print/MetaFilePrinter.h"

#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Printers.h"
#include "print/PrintHost.h"

#include <QPageLayout>
#include <QPrinter>

namespace {

// The metrics of the printer's sheet in its own pixels.
TPrinterMetrics Metrics(const QPrinter& printer) {
  TPrinterMetrics m;
  m.resolutionX = m.resolutionY = printer.resolution();
  const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  m.paperWidth = qRound(paper.width());
  m.paperHeight = qRound(paper.height());
  m.offsetX = qRound(page.left() - paper.left());
  m.offsetY = qRound(page.top() - paper.top());
  m.printableWidth = qRound(page.width());
  m.printableHeight = qRound(page.height());
  return m;
}

void Warn(TPrintHost* host, int dialogPage, QWidget* parent, const QString& text) {
  if (host && host->ShowDialogPage(dialogPage)) return;
  Dialogs::Message(parent, QMessageBox::Warning, FromCp1251(Global.BookTitle), text);
}

}  // namespace

TMetaFilePrinter::TMetaFilePrinter(TPrintHost* host, QWidget* parent) {
  if (!Printers::Installed()) {
    Warn(host, 2, parent, QStringLiteral("Не найдено установленных принтеров!"));
    orientation_ = TOrientation::Portrait;
    return;
  }
  FreePages();
  QPrinter* printer = Printers::Current();
  if (printer && Printers::Reachable(*printer)) {
    orientation_ = printer->pageLayout().orientation() == QPageLayout::Landscape ? TOrientation::Landscape
                                                                                 : TOrientation::Portrait;
  } else {
    Warn(host, 3, parent, QStringLiteral("Принтер, установленный по умолчанию, сейчас не доступен!"));
    orientation_ = TOrientation::Portrait;
  }
}

TMetaFilePrinter::~TMetaFilePrinter() {
  printerPainter_.reset();
  FreePages();
}

void TMetaFilePrinter::SetPageOrientation(TOrientation orientation) {
  QPrinter* printer = Printers::Current();
  if (!printer) {
    orientation_ = orientation;
    return;
  }
  const auto wanted = orientation == TOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  printer->setPageOrientation(wanted);
  orientation_ =
      printer->pageLayout().orientation() == QPageLayout::Landscape ? TOrientation::Landscape : TOrientation::Portrait;
}

bool TMetaFilePrinter::ReadPrinterCaps(TPrinterMetrics& metrics) {
  QPrinter* printer = Printers::Current();
  if (!printer || !Printers::Reachable(*printer)) {
    metrics = FallbackMetrics(orientation_ == TOrientation::Landscape);
    return false;
  }
  const auto wanted = orientation_ == TOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  if (printer->pageLayout().orientation() != wanted) printer->setPageOrientation(wanted);
  metrics = Metrics(*printer);
  if (metrics.paperWidth <= 0 || metrics.paperHeight <= 0 || metrics.resolutionX <= 0) {
    metrics = FallbackMetrics(orientation_ == TOrientation::Landscape);
    return false;
  }
  return true;
}

void TMetaFilePrinter::BeginPages() {
  printing_ = true;
  FreePages();
  firstPage_ = true;
  ReadPrinterCaps(pageMetrics_);
  NewPage();
}

void TMetaFilePrinter::NewPage() {
  if (!printing_) ReadPrinterCaps(pageMetrics_);
  const TPrinterMetrics& m = pageMetrics_;
  CloseCanvas();
  pages_.push_back(std::make_unique<QPicture>());
  canvas_ = std::make_unique<QPainter>(pages_.back().get());
  canvas_->fillRect(QRect(0, 0, m.paperWidth - 2 * m.offsetX, m.paperHeight - 2 * m.offsetY), Qt::white);
  if (firstPage_) {
    canvas_->setFont(QFont(QStringLiteral("Arial"), 10));
    firstPage_ = false;
  }
  canvas_->setBrush(Qt::NoBrush);
  canvas_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  canvasUsed_ = false;
}

QPainter& TMetaFilePrinter::Canvas() {
  if (!canvas_) NewPage();
  canvasUsed_ = true;
  return *canvas_;
}

void TMetaFilePrinter::EndPages() {
  printing_ = false;
  const bool lastUsed = canvasUsed_;
  CloseCanvas();
  if (!pages_.empty() && !lastUsed) pages_.pop_back();
}

void TMetaFilePrinter::CloseCanvas() {
  if (canvas_) canvas_->end();
  canvas_.reset();
}

void TMetaFilePrinter::FreePages() {
  CloseCanvas();
  pages_.clear();
}

std::vector<QPicture> TMetaFilePrinter::Snapshot() const {
  std::vector<QPicture> pages;
  for (const auto& page : pages_) pages.push_back(*page);
  return pages;
}

void TMetaFilePrinter::Restore(const std::vector<QPicture>& pages) {
  FreePages();
  for (const QPicture& page : pages) pages_.push_back(std::make_unique<QPicture>(page));
}

QPainter* TMetaFilePrinter::BeginPrinting() {
  QPrinter* printer = Printers::Current();
  if (!printer || !Printers::Reachable(*printer)) return nullptr;
  if (Printers::IsPdf(*printer)) {
    if (outputFile_.isEmpty()) return nullptr;
    printer->setOutputFileName(outputFile_);
  }
  printerPainter_ = std::make_unique<QPainter>();
  if (!printerPainter_->begin(printer)) {
    printerPainter_.reset();
    return nullptr;
  }
  return printerPainter_.get();
}

bool TMetaFilePrinter::NewSheet() {
  QPrinter* printer = Printers::Current();
  return printer && printer->newPage();
}

bool TMetaFilePrinter::EndPrinting() {
  if (!printerPainter_) return false;
  const bool ok = printerPainter_->end();
  printerPainter_.reset();
  return ok;
}
