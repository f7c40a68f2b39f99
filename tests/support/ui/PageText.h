#pragma once
// What a recorded page says: the texts drawn when a recording is played back, and PDF files
// read with poppler's tools.

#include <QString>
#include <QStringList>

class QPicture;

// Every text item the recording draws, in order.
QStringList TextsOf(const QPicture& page);

// Poppler's pdfinfo and pdftotext are there.
bool PdfToolsInstalled();
// The page count pdfinfo reports; -1 when it cannot read the file.
int PdfPageCount(const QString& file);
// The text of pages `first` to `last` (from 1; 0: every page).
QString PdfText(const QString& file, int first = 0, int last = 0);
