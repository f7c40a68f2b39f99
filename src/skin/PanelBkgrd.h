#pragma once
// The white panel of the reading screen that holds the contents tree (left) and the document
// pane (the rest), with a coloured splitter between them. It never erases its background.

#include "app/DescriptionSyntax.h"
#include "skin/SkinModel.h"

#include <QWidget>

class QSplitter;

class TPanelBkgrd : public QWidget {
  Q_OBJECT
 public:
  TPanelBkgrd(QWidget* window, const TDynamicSplitterArray& splitters);
  QSplitter* Splitter() const { return splitter_; }
  TColor SplitterColor() const { return splitterColor_; }

 private:
  QSplitter* splitter_;
  TColor splitterColor_;
};
