#pragma once
// The skinned dialog of the sample book: "Dialog.txt" with its four pages (a message, the
// search page, two printing notices), their pictures, and the search page's progress bar.

#include <QDir>
#include <QImage>

// Writes everything into `out`; returns the pages side by side as they first show, for the
// preview.
QImage WriteDialog(const QDir& out);
