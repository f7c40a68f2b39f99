#pragma once
// The printers the reader can print on: the system's (CUPS through Qt) and a built-in printer
// named "PDF" that writes a PDF file. "PDF" is the default when the system has none, so that
// printing always works; Global.NoPdfPrinter leaves it out.

#include <QString>
#include <QStringList>

class QPrinter;

namespace Printers {

inline const QString PdfName = QStringLiteral("PDF");

// The system's printers, then "PDF".
QStringList Names();
bool Installed();
// The system's default printer, else the first one, else "PDF"; empty when there is none.
QString DefaultName();

// The printer the process prints on (Global.Printer), made for the default printer the first
// time; nullptr when no printer is installed.
QPrinter* Current();
// Makes `name` the printer the process prints on, keeping the orientation.
void Select(const QString& name);
QString CurrentName();
bool IsPdf(const QPrinter& printer);
// The printer is there and can take a job.
bool Reachable(const QPrinter& printer);

}  // namespace Printers
