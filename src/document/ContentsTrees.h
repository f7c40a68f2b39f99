#pragma once
// The one or two contents trees of the reading screen, tree A and tree B. A book declaring
// two may switch between them ("tree1" shows tree B, "tree2" tree A) and hide them both
// ("offtree", "ontree"). Operations on "the tree" go to the visible one.

#include "app/SkinModel.h"

#include <QJsonObject>
#include <string>

class TPaneHost;
class TTreeViews;
struct RSwthOne;

class TContentsTrees {
 public:
  // Tree A from the first of one or two declarations, tree B from the second, on the background
  // panel, which the host has. `screen` is the one the window shows.
  TContentsTrees(TPaneHost& host, const TDynamicTreeArray& declarations, int screen);
  ~TContentsTrees();
  TContentsTrees(const TContentsTrees&) = delete;
  TContentsTrees& operator=(const TContentsTrees&) = delete;

  TTreeViews* A() const { return a_; }
  TTreeViews* B() const { return b_; }
  // Tree A when shown, else tree B when shown, else tree A.
  TTreeViews* Visible() const;

  // The page the "screen" command names, for tree A.
  void SetStartLink(const std::string& link);
  // The window shows `screen` now: tree B, then tree A.
  void ShowForScreen(int screen);
  void ChooseTree(int which);
  void SetTreesHidden(bool flag);
  // The switch that shows tree A means nothing while both trees are hidden.
  bool SwitchIgnored(const RSwthOne& toggle) const;

  QJsonObject StateForDump() const;

 private:
  TPaneHost& host_;
  TTreeViews* a_ = nullptr;
  TTreeViews* b_ = nullptr;
};
