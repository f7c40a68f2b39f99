#pragma once
// One contents tree: the book's table of contents at the left of the reading screen's page.
// Selecting an item opens its page; the tree follows the page shown; the chapter commands
// walk it and the chapter buttons' hints name where they lead.

#include "app/SkinModel.h"
#include "document/Contents.h"
#include "document/PaneHost.h"
#include "widgets/ElTree.h"

#include <QJsonObject>
#include <string>
#include <vector>

class TTreeViews : public TElTree {
  Q_OBJECT
 public:
  // Hidden on the background panel, with the items of the declaration's contents file.
  TTreeViews(TPaneHost& host, const RTree& declaration);

  std::string PendingLink;    // the link of the item last reported as selected
  bool TreeHidden = false;    // hidden by "offtree"
  bool TreeInactive = false;  // not on the screen shown, or the other tree was chosen
  std::string StartLink;      // the page to select when the tree is shown

  // The width the tree takes beside the page: as declared, then as the reader drags it.
  int PreferredWidth() const { return preferredWidth_; }

  // The window shows `screen` now.
  void ShowForScreen(int screen);
  // Opens the page of PendingLink unless it is shown. A page that cannot be loaded leaves
  // everything as it was.
  void OpenPending(TElTree* sender);
  bool FindByCaption(const std::string& text);
  void FollowPane();
  void UpdateChapterHints();
  void NextChapter() { StepChapter(1); }
  void PrevChapter() { StepChapter(-1); }
  void SetTreeHidden(bool flag);

  QJsonObject StateForDump() const;

 private:
  int SelectedIndex() const { return Selected() ? Selected()->AbsoluteIndex() : -1; }
  void SelectAndOpen(int index);
  void StepChapter(int step);

  TPaneHost& host_;
  std::vector<TContentsEntry> entries_;
  int preferredWidth_ = 0;
};

// The splitter of the background panel gives each shown tree its preferred width and the
// page the rest.
void FitPanelSplitter(TPanelBkgrd* panel);
