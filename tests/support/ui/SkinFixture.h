#pragma once
// A two-screen test skin with flat-coloured pictures, and opening it in a main window.
//
// Screen 0 (800×600): button 2 at (10,20) 100×30 "screen2" with a caption; button 3 at
// (60,60) and button 4 at (100,60), overlapping, 100×30 each; toggle switch 0 at (200,20)
// 40×20 (stored, off); grouped switches 0
// and 1 at (300,20) and (350,20), group 1 (stored; 0 on). Buttons 0 and 1 are minimize and
// close at (740,5) and (770,5), 20×20.
// Screen 1 (800×600, white): minimize and close; button 2 at (10,20) "screen1"; grouped
// switch 0 at (300,20), group 1, on.

#include "skin/MainForm.h"
#include "support/ui/BookFixture.h"

#include <QColor>
#include <memory>

namespace SkinColors {
inline const QColor kBackground(20, 40, 60);
inline const QColor kUp(200, 0, 0);
inline const QColor kMv(200, 200, 0);
inline const QColor kDn(200, 0, 200);
inline const QColor kSwitchUp(0, 200, 0);
inline const QColor kSwitchMvUp(0, 100, 0);
inline const QColor kSwitchMvDn(0, 0, 100);
inline const QColor kSwitchDn(0, 0, 200);
}  // namespace SkinColors

struct TTestSkinCommands {
  QString button3 = "nothing", button4 = "nothing";
  QString toggleOff = "offtree", toggleOn = "ontree";
  QString group0 = "tree1", group1 = "tree2";  // the grouped switches of screen 0
  QStringList extraLines;                      // further element blocks, after the others
};

void WriteTestSkin(const TBookFixture& book, const QString& title, const TTestSkinCommands& commands = {});

// A title unique to this test process.
QString UniqueTitle(const char* name);

// Builds the window of the book and waits until its opening effect has ended.
std::unique_ptr<TMainForm> OpenBook(const TBookFixture& book, const QStringList& arguments = {});
