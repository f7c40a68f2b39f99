#include "document/TreeViews.h"

#include "app/Log.h"
#include "app/TextValues.h"
#include "document/ControlPopupWindow.h"
#include "document/HtmlFrame.h"
#include "html/FrameViewer.h"
#include "html/HtmlNames.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/ui/ColorConversion.h"
#include "tools/PanelBkgrd.h"

#include <QJsonObject>
#include <QMouseEvent>
#include <QSplitter>

namespace {

constexpr int kMinimumWidth = 30;

// Links name pages relative to the program's folder unless they start at a drive or a root.
bool IsFullName(const std::string& name) {
  return (name.size() >= 2 && name[1] == ':') || (!name.empty() && (name[0] == '\\' || name[0] == '/'));
}

}  // namespace

TTreeViews::TTreeViews(TPaneHost& host, const RTree& declaration)
    : TElTree(host.Panel()),
      host_(host),
      // The declaration gives the tree's right and bottom edges on the window.
      preferredWidth_(std::max(kMinimumWidth, declaration.vw - host.Panel()->x())) {
  hide();
  setGeometry(0, 0, preferredWidth_, std::max(0, declaration.vh - host.Panel()->y()));
  setMinimumWidth(kMinimumWidth);
  SetAutoExpand(true);
  SetScrollbarOpposite(true);
  SetBorder(false);
  SetShowLines(false);
  SetShowButtons(false);
  SetFocusedSelectColor(ToQColor(declaration.colorselect));
  SetFocusedSelectTextColor(ToQColor(declaration.colorselecttext));

  entries_ = ReadContentsFile(Global.ProgramFolder + declaration.fn);
  std::vector<TElTreeItem*> items;
  items.reserve(entries_.size());
  for (const TContentsEntry& entry : entries_)
    items.push_back(AddItem(entry.parent < 0 ? nullptr : items[entry.parent], FromCp1251(entry.caption)));

  OnItemSelectedChange = [this](TElTreeItem* item) { PendingLink = entries_[item->AbsoluteIndex()].link; };
  OnAfterSelectionChange = [this] { OpenPending(this); };
  OnMouseDown = [this](QMouseEvent*) {
    if (TControlPopupWindow* popups = host_.Popups()) popups->CloseAll();
  };
  OnMouseMove = [this](QMouseEvent*) { host_.PointerLeftSkin(); };
  // The width the reader drags the tree to is kept for when it is shown again.
  connect(host.Panel()->Splitter(), &QSplitter::splitterMoved, this, [this] {
    if (!isHidden()) preferredWidth_ = width();
  });
}

void TTreeViews::ShowForScreen(int screen) {
  if (screen == 1) {
    host_.Panel()->show();
    // A tree hidden by "offtree" stays hidden: its switch still says so.
    if (!TreeHidden) {
      show();
      FitPanelSplitter(host_.Panel());
    }
    TreeInactive = false;
  } else if (screen == 0) {
    host_.Panel()->hide();
    hide();
    TreeInactive = true;
    TreeHidden = false;
  }
  if (isHidden() || StartLink.empty()) return;

  for (int i = 0; i < ItemCount(); ++i)
    if (LinkNamesFile(entries_[i].link, StartLink)) {
      SelectAndOpen(i);
      return;
    }
  const size_t hash = StartLink.find('#');
  if (hash == std::string::npos) return;
  const std::string page = StartLink.substr(0, hash);
  for (int i = 0; i < ItemCount(); ++i)
    if (LinkNamesFile(entries_[i].link, page)) {
      FindByCaption(entries_[i].caption);
      return;
    }
}

void TTreeViews::SelectAndOpen(int index) {
  SetSelected(Item(index));
  EnsureVisible(Selected());
  OpenPending(nullptr);
}

void TTreeViews::OpenPending(TElTree* sender) {
  THtmlFrame* pane = host_.Pane();
  if (!pane) return;
  TFrameViewer* viewer = pane->CurrentViewer();
  const std::string shown = viewer ? viewer->CurrentFile() : std::string();
  try {
    // An entry without a link is a heading: there is nothing to open.
    if (!TrimBlanks(PendingLink).empty() && !LinkNamesFile(PendingLink, shown)) {
      if (!IsFullName(PendingLink)) PendingLink = Global.ProgramFolder + PendingLink;
      if (viewer && !viewer->isHidden())
        pane->ShowFile(PendingLink);
      else
        pane->ShowInElement(20, PendingLink);
    }
  } catch (const std::exception& e) {
    qCWarning(lcErrors) << e.what();
  }
  if (sender && CanFocus()) EnsureVisible(Selected());
}

bool TTreeViews::FindByCaption(const std::string& text) {
  const int found = FindCaption(entries_, SelectedIndex() + 1, text);
  if (found < 0) return false;
  SelectAndOpen(found);
  return true;
}

void TTreeViews::FollowPane() {
  const TFrameViewer* viewer = host_.Pane() ? host_.Pane()->CurrentViewer() : nullptr;
  const std::string shown = viewer ? std::string(TrimBlanks(viewer->CurrentFile())) : std::string();
  if (shown.empty()) return;
  // The selected item may be another entry of the same page (one of its sections, or a
  // second entry with its link): it stays.
  const int selected = SelectedIndex();
  if (selected < 0 || !LinkNamesFile(WithoutAnchor(entries_[selected].link), shown)) {
    for (int i = 0; i < ItemCount(); ++i)
      if (LinkNamesFile(entries_[i].link, shown)) {
        SetSelected(Item(i));
        EnsureVisible(Item(i));
        break;
      }
  }
  UpdateChapterHints();
}

void TTreeViews::UpdateChapterHints() {
  if (!Selected() && ItemCount() > 0) SetSelected(Item(0));
  const int selected = SelectedIndex();
  const int previous = ChapterStep(entries_, selected, -1);
  const int next = ChapterStep(entries_, selected, 1);
  const QString previousHint =
      previous < 0 ? QStringLiteral("Первый раздел") : FromCp1251(ChapterHint(entries_, previous));
  const QString nextHint = next < 0 ? QStringLiteral("Последний раздел") : FromCp1251(ChapterHint(entries_, next));

  for (const TChapterButton& button : host_.ChapterButtons())
    button.control->setToolTip(button.next ? nextHint : previousHint);
}

void TTreeViews::StepChapter(int step) {
  int target = 0;
  if (Selected()) {
    target = ChapterStep(entries_, SelectedIndex(), step);
    // At either end the selection stays and nothing is loaded.
    if (target < 0) return;
  }
  if (target >= ItemCount()) return;
  SelectAndOpen(target);
}

void TTreeViews::SetTreeHidden(bool flag) {
  if (!flag) {
    if (!TreeInactive) {
      show();
      FitPanelSplitter(host_.Panel());
    }
  } else {
    hide();
    // The page now spans the panel from the tree's left edge: lay it out for that width.
    if (TFrameViewer* viewer = host_.Pane() ? host_.Pane()->CurrentViewer() : nullptr)
      if (!viewer->isHidden()) viewer->Reload();
  }
  TreeHidden = flag;
}

QJsonObject TTreeViews::StateForDump() const {
  QJsonObject state{{"exists", true},
                    {"visible", !isHidden()},
                    {"TreeHidden", TreeHidden},
                    {"TreeInactive", TreeInactive},
                    {"PendingLink", FromCp1251(PendingLink)},
                    {"StartLink", FromCp1251(StartLink)},
                    {"items", ItemCount()}};
  const int selected = SelectedIndex();
  if (selected >= 0)
    state["selected"] =
        QJsonObject{{"caption", FromCp1251(entries_[selected].caption)}, {"link", FromCp1251(entries_[selected].link)}};
  return state;
}

void FitPanelSplitter(TPanelBkgrd* panel) {
  if (!panel) return;
  QSplitter* splitter = panel->Splitter();
  QList<int> sizes;
  // The splitter fills the panel, but may not have been laid out yet.
  int rest = panel->width();
  for (int i = 0; i < splitter->count(); ++i) {
    const auto* tree = qobject_cast<TTreeViews*>(splitter->widget(i));
    const int size = tree && !tree->isHidden() ? tree->PreferredWidth() : 0;
    if (tree && !tree->isHidden()) rest -= size + splitter->handleWidth();
    sizes.append(size);
  }
  for (int i = 0; i < splitter->count(); ++i)
    if (!qobject_cast<TTreeViews*>(splitter->widget(i))) {
      sizes[i] = std::max(0, rest);
      splitter->setStretchFactor(i, 1);
    }
  splitter->setSizes(sizes);
}
