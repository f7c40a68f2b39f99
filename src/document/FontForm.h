#pragma once
// The dialog in which the reader picks how pages show what they leave open: the default
// font and its size, the text, link and background colours. A sample page shows the choice
// as it is made. Reset goes back to the values the dialog opened with.

#include "platform/BookColor.h"

#include <QDialog>
#include <QString>

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class TColorGrid;
class THTMLViewer;

class TFontForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMinSize = 6;
  static constexpr int kMaxSize = 24;

  explicit TFontForm(QWidget* parent = nullptr);

  void SetFontName(const QString& name);
  // The selected name; "Arial" when none is selected.
  QString GetFontName() const;
  void SetFontColor(TColor color);
  void SetLinkColor(TColor color);
  void SetFontSize(int size);
  void SetBackground(TColor color);
  // The colour of the selected background entry; the button face when none is selected or
  // the entry cannot be read.
  TColor GetBackground() const;

  TColor FontColor() const { return fontColor_; }
  TColor LinkColor() const { return linkColor_; }
  int FontSize() const { return fontSize_; }

  QListWidget* FontListBox = nullptr;
  QListWidget* BackListBox = nullptr;
  TColorGrid* FontColorGrid = nullptr;
  TColorGrid* HotSpotColorGrid = nullptr;
  QSpinBox* FontSizeEdit = nullptr;
  THTMLViewer* FontViewer = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* Cancel = nullptr;
  QPushButton* ResetButton = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void ResetButtonClick();
  void ListBoxClicks(QObject* sender);
  void LoadSample();

  TColor fontColor_ = 0;
  TColor linkColor_ = 0;
  int fontSize_ = 8;
  struct {
    QString fontName;
    TColor fontColor = 0, linkColor = 0, background = 0;
    int fontSize = 8;
  } shown_;  // as the dialog opened, for Reset
};
