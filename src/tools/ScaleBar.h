#pragma once
// The progress bar of the text search: an empty-bar picture that a full-bar picture replaces
// column by column. It lives in the skinned dialog's search page and belongs to the main
// window's second screen (index 1); its pictures are held only while that screen is shown.

#include <QImage>
#include <string>

class QWidget;

class TScaleBar {
 public:
  static constexpr int X = 33;
  static constexpr int Y = 75;
  static constexpr int Screen = 1;
  static constexpr const char* EmptyBarName = "status_up.bmp";
  static constexpr const char* FullBarName = "status_dn.bmp";

  TScaleBar();

  // The skinned dialog's background picture and window, once the dialog exists. Until then
  // the bar keeps its position but draws nothing.
  void SetDialog(QImage* background, QWidget* window);

  void PrepareBar();
  void ResetBar();
  void StepBar();

  // Meaningful once PrepareBar has loaded the pictures.
  int BarLength() const { return right_ - X; }
  int FilledLength() const { return fill_ - X; }

  const QImage& EmptyBar() const { return emptyBar_; }
  const QImage& FullBar() const { return fullBar_; }
  int Right() const { return right_; }
  int Bottom() const { return bottom_; }
  int LastScreen() const { return lastScreen_; }

 private:
  bool DialogExists() const { return dialogBackground_ != nullptr; }
  // Copies `source` of `picture` to `at` in the dialog's background and repaints it there.
  void DrawOnDialog(const QImage& picture, const QRect& source, QPoint at);

  QImage emptyBar_, fullBar_;
  int right_ = 0;
  int bottom_ = 0;
  int fill_ = X;
  int lastScreen_ = -1;
  QImage* dialogBackground_ = nullptr;
  QWidget* dialogWindow_ = nullptr;
};
