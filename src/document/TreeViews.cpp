#include "document/TreeViews.h"

#include "platform/Globals.h"
#include "app/Log.h"
#include "app/TextValues.h"
#include "document/HtmlFrame.h"
#include "html/FrameViewer.h"
#include "html/HtmlNames.h"
#include "platform/Cp1251.h"
#include "platform/ui/ColorConversion.h"
#include "skin/MainForm.h"
#include "skin/MyControl.h"
#include "skin/PanelBkgrd.h"

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

TTreeViews::TTreeViews(TMainForm& form, const RTree& declaration)
    : TElTree(form.PanelBkgrd),
      form_(form),
      // The declaration gives the tree's right and bottom edges on the window.
      preferredWidth_(std::max(kMinimumWidth, declaration.vw - form.PanelBkgrd->x())) {
  hide();
  setGeometry(0, 0, preferredWidth_, std::max(0, declaration.vh - form.PanelBkgrd->y()));
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
  // Popup lists close on a click in the tree once the window has them.
  OnMouseMove = [this](QMouseEvent*) { form_.FormMouseMove(QPoint(-1, -1)); };
  // The width the reader drags the tree to is kept for when it is shown again.
  connect(form.PanelBkgrd->Splitter(), &QSplitter::splitterMoved, this, [this] {
    if (!isHidden()) preferredWidth_ = width();
  });
}

void TTreeViews::ShowForScreen() {
  if (Global.CurrentScreen == 1) {
    if (form_.PanelBkgrd) form_.PanelBkgrd->show();
    // A tree hidden by "offtree" stays hidden: its switch still says so.
    if (!TreeHidden) {
      show();
      FitPanelSplitter(form_);
    }
    TreeInactive = false;
  } else if (Global.CurrentScreen == 0) {
    if (form_.PanelBkgrd) form_.PanelBkgrd->hide();
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
  THtmlFrame* pane = form_.HtmlFrame.get();
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
  const TFrameViewer* viewer = form_.HtmlFrame ? form_.HtmlFrame->CurrentViewer() : nullptr;
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

  for (const TChapterButton& button : ChapterButtons(form_)) button.control->setToolTip(button.next ? nextHint : previousHint);
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
      FitPanelSplitter(form_);
    }
  } else {
    hide();
    // The page now spans the panel from the tree's left edge: lay it out for that width.
    if (TFrameViewer* viewer = form_.HtmlFrame ? form_.HtmlFrame->CurrentViewer() : nullptr)
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
    state["selected"] = QJsonObject{{"caption", FromCp1251(entries_[selected].caption)},
                                    {"link", FromCp1251(entries_[selected].link)}};
  return state;
}

std::vector<TChapterButton> ChapterButtons(const TMainForm& form) {
  std::vector<TChapterButton> result;
  if (Global.CurrentScreen < 0 || Global.CurrentScreen >= form.Skin.ScreenCount()) return result;
  const TDynamicBtnArray& buttons = form.Skin.ScreenBtns[Global.CurrentScreen];
  for (size_t i = 0; i < buttons.size() && i < form.BtnPics.size(); ++i) {
    const std::string command = AsciiLower(buttons[i].go);
    if ((command == "prevchapter" || command == "nextchapter") && form.BtnPics[i].control)
      result.push_back({command == "nextchapter", form.BtnPics[i].control});
  }
  return result;
}

void FitPanelSplitter(TMainForm& form) {
  if (!form.PanelBkgrd) return;
  QSplitter* splitter = form.PanelBkgrd->Splitter();
  QList<int> sizes;
  // The splitter fills the panel, but may not have been laid out yet.
  int rest = form.PanelBkgrd->width();
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
