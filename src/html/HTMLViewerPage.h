#pragma once
// What a viewer keeps of the page it shows.

#include "html/HTMLViewer.h"
#include "html/PagePreparser.h"

#include <QBrush>
#include <QString>
#include <map>
#include <vector>

class QComboBox;

struct THTMLViewer::Page {
  TPreparsedPage preparsed;
  std::vector<QComboBox*> combos;  // in step with preparsed.controls
  std::map<QString, QBrush> linkBrushes;  // href -> colour the page gave it
};
