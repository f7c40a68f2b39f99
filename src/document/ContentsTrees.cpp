#include "document/ContentsTrees.h"

#include "app/DescriptionSyntax.h"
#include "document/PaneHost.h"
#include "document/TreeViews.h"
#include "tools/PanelBkgrd.h"

#include <QJsonArray>
#include <QSplitter>

namespace {

// Trees go before the page on the panel's splitter, in declaration order.
TTreeViews* CreateTree(TPaneHost& host, const RTree& declaration, int position, int screen) {
  auto* tree = new TTreeViews(host, declaration);
  QSplitter* splitter = host.Panel()->Splitter();
  splitter->insertWidget(position, tree);
  splitter->setCollapsible(position, false);
  tree->hide();
  tree->ShowForScreen(screen);
  return tree;
}

}  // namespace

TContentsTrees::TContentsTrees(TPaneHost& host, const TDynamicTreeArray& declarations, int screen) : host_(host) {
  a_ = CreateTree(host, declarations.at(0), 0, screen);
  if (declarations.size() == 2) b_ = CreateTree(host, declarations[1], 1, screen);
}

TContentsTrees::~TContentsTrees() {
  delete b_;
  delete a_;
}

TTreeViews* TContentsTrees::Visible() const {
  if (a_ && !a_->isHidden()) return a_;
  if (b_ && !b_->isHidden()) return b_;
  return a_ ? a_ : b_;
}

void TContentsTrees::SetStartLink(const std::string& link) {
  if (a_) a_->StartLink = link;
}

void TContentsTrees::ShowForScreen(int screen) {
  if (b_) b_->ShowForScreen(screen);
  if (a_) a_->ShowForScreen(screen);
}

void TContentsTrees::ChooseTree(int which) {
  TTreeViews* shown = which == 1 ? b_ : a_;
  TTreeViews* other = which == 1 ? a_ : b_;
  if (shown && !shown->TreeHidden) {
    shown->show();
    if (other) other->hide();
    FitPanelSplitter(host_.Panel());
  }
  if (shown) shown->TreeInactive = false;
  if (other) {
    if (!other->TreeHidden) other->hide();
    other->TreeInactive = true;
  }
}

void TContentsTrees::SetTreesHidden(bool flag) {
  // The panel is drawn once, with both trees changed.
  QWidget* panel = host_.Panel();
  panel->setUpdatesEnabled(false);
  for (TTreeViews* tree : {b_, a_})
    if (tree && tree->TreeHidden != flag) tree->SetTreeHidden(flag);
  panel->setUpdatesEnabled(true);
}

bool TContentsTrees::SwitchIgnored(const RSwthOne& toggle) const {
  return b_ && b_->isHidden() && (!a_ || a_->isHidden()) &&
         (AsciiLower(toggle.goup) == "tree2" || AsciiLower(toggle.godown) == "tree2");
}

QJsonObject TContentsTrees::StateForDump() const {
  QJsonObject state;
  state["A"] = a_ ? a_->StateForDump() : QJsonObject{{"exists", false}};
  state["B"] = b_ ? b_->StateForDump() : QJsonObject{{"exists", false}};
  // What the chapter buttons of the screen shown say.
  QJsonArray hints;
  for (const TChapterButton& button : host_.ChapterButtons())
    hints.append(
        QJsonObject{{"command", button.next ? "nextchapter" : "prevchapter"}, {"hint", button.control->toolTip()}});
  state["chapterHints"] = hints;
  return state;
}
