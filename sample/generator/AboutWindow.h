#pragma once
// The about window of the sample book: "About.txt", its picture with cut corners, the
// close button's two looks. The reader draws the texts and the web and mail links.

#include <QDir>
#include <QImage>

// Writes everything into `out`; returns the window as it shows, texts left out, for the
// preview.
QImage WriteAboutWindow(const QDir& out);

// The web and mail links of the window, as "About.txt" gives them.
inline const char* const kAboutWebLink = "https://example.org/autobook?from=about";
inline const char* const kAboutMailLink = "service@example.org?subject=autobook";
