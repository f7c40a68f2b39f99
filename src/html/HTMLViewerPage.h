#pragma once
// What a viewer keeps of the page it shows.

#include "html/HTMLViewer.h"
#include "html/PagePreparser.h"

#include <QBrush>
#include <QString>
#include <string>
#include <vector>

class QButtonGroup;

struct THTMLViewer::Page {
  TPreparsedPage preparsed;
  std::vector<QWidget*> controls;     // in step with preparsed.controls; null when not drawn
  std::vector<int> controlPositions;  // where each control's placeholder is in the document
  std::vector<QButtonGroup*> radioGroups;
  // Each stretch of a link in the document, to colour links without walking the page.
  struct Link {
    int start, end;
    QString href;                      // as the document has it (with its target)
    std::string visitedKey;            // the expanded, lower-cased name; empty for bare anchors
    QBrush own, shown;                 // the colour the page gave it and the one it has now
    bool underlined, shownUnderlined;  // as the page has it, and now
  };
  std::vector<Link> links;
};
