#pragma once
// The skin's text elements ("_text"): lines of text drawn transparently over the main
// window's background. The window paints them from its paint handler; a changed text asks
// the window to repaint where the old and the new text lie.

#include "app/SkinModel.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <string>
#include <vector>

class QPainter;
class QWidget;

// Elements of this number belong to the skinned dialog.
constexpr int DialogTextNumber = 1000;

struct TTextElement {
  QFont font;
  QColor color;
  QRect rect;  // where the text was painted last; left and top are the element's place
  int screen = 0;
  int number = 0;
  std::string text;  // Windows-1251
  std::string ident;
  int progress = -1;  // percent shown by a bar after the text; -1: no bar
};

class TTextMsg {
 public:
  TTextMsg(QWidget* window, const TDynamicTextArray& texts);

  // The skinned dialog, once it exists: elements of DialogTextNumber are drawn on it.
  void SetDialog(QWidget* dialog) { dialog_ = dialog; }

  // Paints the elements of the current screen; called from the window's paint handler.
  void PaintTexts(QPainter& painter);
  // The same for the dialog's elements, from the dialog's paint handler.
  void PaintDialogTexts(QPainter& painter);
  // Number >= 0: the first element of that number; -1: every "statusline" element.
  void SetText(const std::string& text, int number, bool redraw);
  // A bar after every "statusline" text, `percent` of it filled; -1 takes it away. The window
  // is repainted at once: the operation that reports its progress keeps events waiting.
  void SetProgress(int percent);

  const std::vector<TTextElement>& Elements() const { return elements_; }
  std::vector<std::string> Texts() const;

 private:
  void Store(TTextElement& element, const std::string& text, bool redraw);
  void Paint(QPainter& painter, bool dialog);

  QWidget* window_;
  QWidget* dialog_ = nullptr;
  std::vector<TTextElement> elements_;
};
