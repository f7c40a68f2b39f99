// Moving through the history, and keeping the skin's switches in step with the pages shown.
// A visit group is the file an "html" command opened followed by every file shown while it
// was current; after a move through the history the group of the page shown names the
// command, and so the switch, that opened it.

#include "app/DescriptionSyntax.h"
#include "document/ArchiveLinks.h"
#include "document/ControlPopupWindow.h"
#include "document/HtmlFrame.h"
#include "document/LinkRules.h"
#include "document/PaneHost.h"
#include "html/FrameViewer.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"

#include <QApplication>

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

void THtmlFrame::AddVisitGroup(const std::string& file) {
  const int viewer = CurrentViewerIndex();
  if (viewer < 0) return;
  auto& groups = visitGroups_[viewer];
  visitIndex_ = FindVisitGroup(groups, file);
  if (visitIndex_ >= 0) return;
  groups.push_back(file);
  visitIndex_ = static_cast<int>(groups.size()) - 1;
}

void THtmlFrame::HistoryChanged() {
  const int index = CurrentViewerIndex();
  TFrameViewer* viewer = CurrentViewer();
  if (!viewer) return;
  const std::string current = viewer->CurrentFile();

  auto& groups = visitGroups_[index];
  if (!groups.empty()) {
    const int group = FindVisitGroup(groups, current);
    if (group >= 0)
      visitIndex_ = group;
    else if (visitIndex_ >= 0 && visitIndex_ < static_cast<int>(groups.size()))
      groups[visitIndex_] += "; " + NameLower(current);
  }

  if (archive_) archive_->DocumentShown(current);
  const THTMLViewer* active = viewer->ActiveViewer();
  host_.ShowPageTitle(ToCp1251(active ? active->DocumentTitle() : QString()));
  UpdateHistoryControls();
  host_.PanePageChanged(current);
}

// The standard window's tool bar and menus follow the history first; the history popups get
// the entries nearest to the page shown and hide the rest of their eight items.
void THtmlFrame::UpdateHistoryControls() {
  host_.HistoryControlsChanged();
  historyBackItems_.clear();
  historyForwardItems_.clear();
  const TFrameViewer* viewer = CurrentViewer();
  if (!viewer) return;
  historyBackItems_ = HistoryPopupItems(viewer->TitleHistory, viewer->HistoryIndex(), true);
  historyForwardItems_ = HistoryPopupItems(viewer->TitleHistory, viewer->HistoryIndex(), false);
  TControlPopupWindow* popups = host_.Popups();
  if (!popups) return;
  for (const auto& [type, entries] :
       {std::pair{ptHistoryBack, &historyBackItems_}, std::pair{ptHistoryForward, &historyForwardItems_}}) {
    for (int i = 0; i < kHistoryPopupItems; ++i) {
      const bool used = i < static_cast<int>(entries->size());
      if (used) popups->SetItem((*entries)[i].caption, (*entries)[i].command, i, type);
      popups->SetItemShown(used, type, i);
    }
  }
}

void THtmlFrame::HistoryBack(TDynamicSwthOneArray toggles, TDynamicSwthGrpArray groups) {
  StepHistory(false, toggles, groups);
}

void THtmlFrame::HistoryForward(TDynamicSwthOneArray toggles, TDynamicSwthGrpArray groups) {
  StepHistory(true, toggles, groups);
}

void THtmlFrame::StepHistory(bool forward, const TDynamicSwthOneArray& toggles, const TDynamicSwthGrpArray& groups) {
  TFrameViewer* viewer = CurrentViewer();
  if (!viewer || !(forward ? viewer->FwdButtonEnabled() : viewer->BackButtonEnabled())) {
    QApplication::beep();
    return;
  }
  const std::string before = viewer->CurrentFile();
  if (forward)
    viewer->GoFwd();
  else
    viewer->GoBack();
  if (viewer->CurrentFile() == before) return;
  ResynchroniseSwitches(toggles, groups);
}

// A press with Shift changes a switch's state and picture without running its command: the
// page it would open is already shown.
void THtmlFrame::ResynchroniseSwitches(const TDynamicSwthOneArray& toggles, const TDynamicSwthGrpArray& groups) {
  const int index = CurrentViewerIndex();
  const std::string token = index < 0 ? std::string() : VisitGroupToken(visitGroups_[index], visitIndex_);
  if (token.empty()) return;
  for (const RSwthOne& toggle : toggles) {
    const std::string& pending = toggle.state ? toggle.goup : toggle.godown;
    if (Contains(pending, token)) host_.PressSwitchSilently(QPoint(toggle.vx + 1, toggle.vy + 1));
  }
  for (const RSwthGrp& group : groups)
    if (Contains(group.go, token)) host_.PressSwitchSilently(QPoint(group.vx + 1, group.vy + 1));
}
