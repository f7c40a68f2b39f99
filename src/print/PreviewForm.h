#pragma once
// The print preview: the document laid out on sheets at a print scale, one or two sheets shown
// at a view zoom, with tools to zoom the view and the print, turn the sheet, number the pages,
// print backgrounds, and print a page range. Pictures shown as documents are fitted onto one
// sheet. Modal; made anew for each print request.

#include "html/PageGeometry.h"

#include <QDialog>
#include <QJsonObject>
#include <QPoint>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QScrollArea;
class QStatusBar;
class QToolBar;
class QToolButton;
class THTMLViewer;
class TMetaFilePrinter;
class TPrintHost;

// A box a sheet is painted in; the preview handles its paint and mouse.
class TPaintBox : public QWidget {
 public:
  using QWidget::QWidget;
  std::function<void(QPainter&)> OnPaint;
  std::function<void(QMouseEvent*)> OnMouseDown, OnMouseMove, OnMouseUp;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class TPreviewForm : public QDialog {
  Q_OBJECT

 public:
  // Lays the document of `viewer` out; Failed() tells whether the preview can be shown (no
  // printer, or the reader cancelled the first formatting).
  TPreviewForm(QWidget* owner, TPrintHost* host, THTMLViewer* viewer, bool asPicture, int pictureWidth,
               int pictureHeight);
  ~TPreviewForm() override;
  bool Failed() const { return failed_; }

  float PrintScale = 1;
  float StartPrintScale = 1;
  int CurrentPage = 0;
  double ViewZoom = 1;
  int PageCount() const;
  bool TwoPages() const;
  TMetaFilePrinter& Recorder() { return *recorder_; }
  // The PDF file the last print went to, when it went to the built-in printer.
  QString LastPdfFile() const { return lastPdfFile_; }

  void ShowPreviewPage(int n);
  void UpdateNavButtons();
  void Layout();
  // True when the reader cancelled it.
  bool Reformat(bool withStatus);
  // The print scale at which a picture of w × h pixels takes one sheet (may turn the sheet).
  double FitPictureToPage(int w, int h);
  QSize Area(double scale);

  // Printing: the dialog, then PrintPages with the reader's range.
  void PrintButClick();
  // False when the printer failed (the reader is told).
  bool PrintPages(int fromPage, int toPage);

  // Scripted runs: clicks the tool button of that object name; picks an entry of ZoomBox.
  bool ClickTool(const QString& name, QString& error);
  bool PickZoom(int index, QString& error);
  QJsonObject StateForDump() const;

  QToolBar* MainToolbar = nullptr;
  QToolButton *PrintBut = nullptr, *PageOrientationBut = nullptr, *FirstPageBut = nullptr, *PrevPageBut = nullptr,
              *NextPageBut = nullptr, *LastPageBut = nullptr, *GoToPageBut = nullptr, *FitPageBut = nullptr,
              *FitWidthBut = nullptr, *RestoreStartPrintZoomBut = nullptr, *ZoomCursorPrintBut = nullptr,
              *ZoomCursorBut = nullptr, *HandCursorBut = nullptr, *OnePageBut = nullptr, *TwoPageBut = nullptr,
              *HelpBut = nullptr, *CloseBut = nullptr;
  QComboBox* ZoomBox = nullptr;
  QScrollArea* ScrollBox = nullptr;
  QWidget* ContainPanel = nullptr;
  QWidget *PagePanel = nullptr, *PagePanel2 = nullptr;
  TPaintBox *PB1 = nullptr, *PB2 = nullptr;
  QStatusBar* StatusBar = nullptr;
  QLabel* Panels[4] = {};
  QMenu* PopupMenu1 = nullptr;
  QAction *PageNumberFormat_strN = nullptr, *PageNumberFormat_none = nullptr, *CapionsShow = nullptr,
          *PrintBackground = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildToolbar();
  void BuildPages();
  void BuildMenu();
  void SetHintsAndCaptions();
  QToolButton* AddButton(const char* name, const QString& glyph, bool checkable = false);
  void ClampPage();
  void AfterReformat();
  void PaintPage(QPainter& painter, TPaintBox* box, int page);
  void PageMouseDown(TPaintBox* box, QMouseEvent* event);
  void PageMouseMove(QMouseEvent* event);
  void PageMouseUp(QMouseEvent* event);
  void ToolCursor();
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
  // Actions of the tool bar and the menu.
  void PageOrientationButClick();
  void GoToPageButClick();
  void ZoomBoxChange();
  void FitButClick(bool width);
  void OnePageButMouseUp();
  void TwoPageButClick();
  void RestoreStartPrintZoomButClick();
  void SelectTool(QToolButton* tool);
  void PageNumbersClick(bool on);
  void CapionsShowClick();
  void PrintBackgroundClick();
  QString AskPdfFile();

  TPrintHost* host_;
  THTMLViewer* viewer_;
  std::unique_ptr<TMetaFilePrinter> recorder_;
  TPrinterMetrics metrics_;
  bool failed_ = false;
  bool dragging_ = false;
  QPoint dragStart_;
  QString lastPdfFile_;
};
