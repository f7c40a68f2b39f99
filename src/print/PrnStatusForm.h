#pragma once
// The progress window of a formatting or printing run: it starts the engine from a message it
// posts to itself, so that it is on screen and its "Отмена" can be pressed while the engine
// works; any key pressed in it cancels as well.

#include <QDialog>
#include <functional>

class QLabel;
class QToolButton;
class THTMLViewer;
class TMetaFilePrinter;

class TPrnStatusForm : public QDialog {
  Q_OBJECT

 public:
  explicit TPrnStatusForm(QWidget* parent = nullptr);

  // Both return true when the run was cancelled. Printing also fails (`failed`) when the
  // printer could not take the job.
  bool RunFormatting(THTMLViewer* viewer, TMetaFilePrinter* recorder, double scale);
  bool RunPrinting(THTMLViewer* viewer, TMetaFilePrinter* recorder, double scale, int fromPage, int toPage,
                   bool& failed);
  // The viewer's OnPageEvent while a run goes on.
  void PageProgress(int page, bool& stop);

  QLabel* StatusLabel = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  // Told each page before it is worked on (tests press "Отмена" from here).
  std::function<void(int page)> OnProgress;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool Run(bool printing);
  void Work(bool printing);

  double scale_ = 1;
  THTMLViewer* viewer_ = nullptr;
  TMetaFilePrinter* recorder_ = nullptr;
  int fromPage_ = 1, toPage_ = 1;
  bool cancelled_ = false;
  bool failed_ = false;
};
