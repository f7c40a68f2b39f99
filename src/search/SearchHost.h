#pragma once
// What the text search needs of the window that holds it: the document pane and contents
// tree it searches, the status line, the progress bar and the dialog it reports to.

#include <QString>
#include <string>

class QWidget;
class TContentsTrees;
class THtmlFrame;
class TScaleBar;
struct TSearchResults;

class TSearchHost {
 public:
  virtual ~TSearchHost() = default;

  // The window the hidden viewers of a walk sit on.
  virtual QWidget* Window() = 0;
  virtual THtmlFrame* Pane() = 0;                           // nullptr without a document pane
  virtual TContentsTrees* ContentsTrees() = 0;              // nullptr without contents trees
  virtual TScaleBar* ProgressBar() = 0;                     // nullptr without one
  virtual void SetStatusText(const std::string& text) = 0;  // Windows-1251
  virtual void ClearStatus() = 0;
  // The dialog's search button (command "findnext1") names what it would do now.
  virtual void SetSearchButtonHint(const QString& hint) = 0;
  virtual void ShowResults(const TSearchResults& results) = 0;
  // Enter in the first field: the dialog's command, silently.
  virtual void RunDialogCommand(const std::string& command, const std::string& sound) = 0;
  // The pointer moved onto a search field: no skin element stays highlighted.
  virtual void PointerLeftSkin() = 0;
};
