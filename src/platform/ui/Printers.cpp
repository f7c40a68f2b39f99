#include "platform/ui/Printers.h"

#include "platform/Globals.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace Printers {

namespace {

// The built-in printer: an A4 sheet at 300 pixels per inch with the printable area an ordinary
// laser printer has.
std::shared_ptr<QPrinter> MakePdfPrinter() {
  auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setResolution(300);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageMargins(QMarginsF(6.35, 7.705, 6.011, 8.128), QPageLayout::Millimeter);
  printer->setCreator(QStringLiteral("SkinBook"));
  return printer;
}

std::shared_ptr<QPrinter> MakePrinter(const QString& name) {
  if (name == PdfName) return MakePdfPrinter();
  auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
  printer->setPrinterName(name);
  return printer;
}

}  // namespace

QStringList Names() {
  QStringList names = QPrinterInfo::availablePrinterNames();
  if (!Global.NoPdfPrinter) names << PdfName;
  return names;
}

bool Installed() { return !Names().isEmpty(); }

QString DefaultName() {
  const QString system = QPrinterInfo::defaultPrinterName();
  const QStringList names = Names();
  if (!system.isEmpty() && names.contains(system)) return system;
  return names.isEmpty() ? QString() : names.front();
}

QPrinter* Current() {
  if (!Global.Printer) {
    const QString name = DefaultName();
    if (name.isEmpty()) return nullptr;
    Global.Printer = MakePrinter(name);
  }
  return Global.Printer.get();
}

void Select(const QString& name) {
  if (name == CurrentName()) return;
  const QPageLayout::Orientation orientation =
      Global.Printer ? Global.Printer->pageLayout().orientation() : QPageLayout::Portrait;
  Global.Printer = MakePrinter(name);
  Global.Printer->setPageOrientation(orientation);
}

QString CurrentName() {
  if (!Global.Printer) return {};
  return IsPdf(*Global.Printer) ? PdfName : Global.Printer->printerName();
}

// Qt falls back to PDF output for a printer name it does not know: only ours is the built-in one.
bool IsPdf(const QPrinter& printer) {
  return printer.outputFormat() == QPrinter::PdfFormat && printer.creator() == QStringLiteral("SkinBook");
}

bool Reachable(const QPrinter& printer) {
  if (IsPdf(printer)) return !Global.NoPdfPrinter;
  return printer.isValid() && QPrinterInfo::availablePrinterNames().contains(printer.printerName());
}

}  // namespace Printers
