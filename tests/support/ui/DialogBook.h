#pragma once
// A "Dialog.txt" for tests, with flat-coloured pictures, written into a test book.
//
// Page 1 (message): 300×150, dark blue; text area 20..220 at top 30 (DejaVu Sans 10 pt,
// white); buttons 40×20 at x 10 (left), 130 (middle) and 250 (right), top 110, command "yes".
// Page 2 (search): 400×250, grey; button "findnext1" at (340, 20); grouped switches 60×20 of
// group 1 at (10, 40) "findtxtall" (stored, on), (80, 40) "findtxtlimit" (stored),
// (150, 40) "findtxtcontents" (stored), and of group 2, both off, at (250, 40) "findnext8"
// and (320, 40) "findnext9"; a close button "no" at (340, 200).
// Pages 3 and 4: 200×100 notices with one "yes" button at (80, 70).

#include "support/ui/BookFixture.h"

#include <QColor>

namespace DialogColors {
inline const QColor kMessagePage(0, 0, 128);
inline const QColor kSearchPage(128, 128, 128);
inline const QColor kButtonUp(200, 0, 0);
inline const QColor kButtonMv(200, 200, 0);
inline const QColor kButtonDn(200, 0, 200);
inline const QColor kSwitchUp(0, 200, 0);
inline const QColor kSwitchMvUp(0, 100, 0);
inline const QColor kSwitchMvDn(0, 0, 100);
inline const QColor kSwitchDn(0, 0, 200);
}  // namespace DialogColors

void WriteTestDialog(const TBookFixture& book);
