#pragma once
// The white panel of the reading screen that holds the contents tree (left) and the document
// pane (the rest), with a coloured splitter between them. It never erases its background.

#include "app/DescriptionSyntax.h"
#include "app/SkinModel.h"

#include <QWidget>

class QSplitter;

class TPanelBkgrd : public QWidget {
  Q_OBJECT
 public:
  TPanelBkgrd(QWidget* window, const TDynamicSplitterArray& splitters);
  QSplitter* Splitter() const { return splitter_; }

 private:
  QSplitter* splitter_;
};
