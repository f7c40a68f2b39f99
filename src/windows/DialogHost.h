#pragma once
// What the skinned dialog needs of the main window: where to centre, the keys it passes on,
// the click sounds, and the text search whose fields, switches and results it shows.

#include "search/MakeFind.h"

#include <QRect>
#include <Qt>
#include <string>

class QImage;
class QPainter;
class QWidget;

class TDialogHost {
 public:
  virtual ~TDialogHost() = default;

  // The main window's place on the screen.
  virtual QRect MainWindowRect() = 0;
  // A key the dialog passes to the main window's key handling (Esc).
  virtual void DialogKeyDown(int key, Qt::KeyboardModifiers modifiers) = 0;
  // A button's sound (not empty, not "no"), when button sounds are on.
  virtual void PlayButtonSound(const std::string& sound) = 0;
  // The dialog's texts ("_text" elements of number 1000), painted over its page.
  virtual void PaintDialogTexts(QPainter& painter) = 0;

  // The search page.
  virtual const TSearchResults& SearchResults() = 0;
  virtual void StopSearch() = 0;
  virtual void SetIndexMode() = 0;     // index mode on, contents mode off
  virtual void SetContentsMode() = 0;  // contents mode on, index mode off
  virtual void SetAllFiles(bool flag) = 0;
  virtual void FindNext(int number) = 0;
  // The search fields go into `dialog`; they show while it shows its search page.
  virtual void PlaceSearchFields(QWidget* dialog, bool searchPage) = 0;
  // Hidden while the fade-in runs.
  virtual void HideSearchFields(bool hide) = 0;
  // The progress bar draws its empty picture into the dialog's background.
  virtual void PrepareProgressBar() = 0;
  // A result was chosen: the page is shown and its first occurrence selected.
  virtual void OpenResult(const std::string& file) = 0;
  // The dialog closed: the search stops and the status line is cleared.
  virtual void DialogClosed() = 0;
};
