#pragma once
// A page of many numbered lines in a viewer, the built-in "PDF" printer as the only printer,
// and a host that records the skinned dialog's pages it was asked to show.

#include "html/HTMLViewer.h"
#include "print/PrintHost.h"
#include "support/ui/HtmlFixture.h"

#include <vector>

class TRecordingPrintHost : public TPrintHost {
 public:
  bool hasDialog = true;
  std::vector<int> pages;
  int helps = 0;
  bool ShowDialogPage(int page) override {
    pages.push_back(page);
    return hasDialog;
  }
  void PreviewHelp(QWidget*) override { ++helps; }
};

class PrintFixture : public HtmlFixture {
 protected:
  PrintFixture();
  // A page of `lines` lines "строка N" (from 1), shown in viewer_.
  void LoadLines(int lines);

  THTMLViewer viewer_;
  TRecordingPrintHost host_;
};
