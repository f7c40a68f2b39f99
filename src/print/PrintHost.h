#pragma once
// What the print preview and its page recorder need of the main window.

class QWidget;

class TPrintHost {
 public:
  virtual ~TPrintHost() = default;

  // Shows page `page` (from 0) of the skinned dialog; false when the book has no dialog.
  virtual bool ShowDialogPage(int page) = 0;
  // F1 in the preview: the main window's key handler, told the preview sent it.
  virtual void PreviewHelp(QWidget* preview) = 0;
};
