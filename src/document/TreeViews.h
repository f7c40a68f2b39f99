#pragma once
// One contents tree: the book's table of contents at the left of the reading screen's page.
// Selecting an item opens its page; the tree follows the page shown; the chapter commands
// walk it and the chapter buttons' hints name where they lead.

#include "document/Contents.h"
#include "skin/SkinModel.h"
#include "widgets/ElTree.h"

#include <QJsonObject>
#include <string>
#include <vector>

class TMainForm;
class TMyControl;

class TTreeViews : public TElTree {
  Q_OBJECT
 public:
  // Hidden on the background panel, with the items of the declaration's contents file.
  TTreeViews(TMainForm& form, const RTree& declaration);

  std::string PendingLink;    // the link of the item last reported as selected
  bool TreeHidden = false;    // hidden by "offtree"
  bool TreeInactive = false;  // not on the screen shown, or the other tree was chosen
  std::string StartLink;      // the page to select when the tree is shown

  // The width the tree takes beside the page: as declared, then as the reader drags it.
  int PreferredWidth() const { return preferredWidth_; }

  void ShowForScreen();
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

  TMainForm& form_;
  std::vector<TContentsEntry> entries_;
  int preferredWidth_ = 0;
};

// The splitter of the background panel gives each shown tree its preferred width and the
// page the rest.
void FitPanelSplitter(TMainForm& form);

struct TChapterButton {
  bool next;             // runs "nextchapter", else "prevchapter"
  TMyControl* control;  // carries the hint
};
// The buttons of the screen shown that run a chapter command.
std::vector<TChapterButton> ChapterButtons(const TMainForm& form);
