// Keys, the close request, the folding exit and what the window stores when it goes.

#include "app/Log.h"
#include "app/Settings.h"
#include "document/ContentsTrees.h"
#include "document/ControlPopupWindow.h"
#include "document/HtmlFrame.h"
#include "media/MyAviPlayer.h"
#include "media/SuperTimer.h"
#include "platform/Globals.h"
#include "platform/ui/FontTable.h"
#include "platform/ui/WindowShape.h"
#include "print/PreviewForm.h"
#include "search/FindTxtHtml.h"
#include "skin/ArchiveBrowser.h"
#include "skin/MainForm.h"
#include "tools/NavFont.h"
#include "tools/PathInputBox.h"
#include "tools/ScaleBar.h"
#include "tools/StatusLine.h"
#include "tools/TextMsg.h"
#include "windows/CoolDialog.h"
#include "windows/InstanceRoles.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTimer>

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  // The window sees keys before its focused controls do. A key that a control leaves goes on up
  // to its parents as the same event, and must not act a second time there.
  if (event->type() == QEvent::KeyPress) {
    auto* widget = qobject_cast<QWidget*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool passedOn = key == lastKey_.event && key->timestamp() == lastKey_.timestamp && lastKey_.receiver &&
                          widget && widget != lastKey_.receiver && widget->isAncestorOf(lastKey_.receiver);
    if (widget && !passedOn && (widget == this || isAncestorOf(widget))) {
      lastKey_ = {key, key->timestamp(), widget};
      if (FormKeyDown(watched, key->key(), key->modifiers())) return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool TMainForm::FormKeyDown(QObject* sender, int key, Qt::KeyboardModifiers shift) {
  const Qt::KeyboardModifiers mods = shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (key == Qt::Key_Escape && mods == Qt::NoModifier) {
    if (Global.HasParams) {
      Q_EMIT TerminateApplication();
      return false;
    }
    // Esc stops a running search or closes the dialog; otherwise the popup lists.
    if (Dialog && Dialog->isVisible()) {
      if (FindTxt && !FindTxt->Idle())
        FindTxt->SetIdle(true);
      else
        Dialog->FormClose();
      return true;
    }
    if (PopupLists) PopupLists->CloseAll();
    return false;
  }
  if (key == Qt::Key_F1 && mods == Qt::NoModifier) {
    if (preview_ && sender == static_cast<QObject*>(preview_))
      RequestHelp(commandLine_.Role(), Skin.HelpFile, "Topic18", this);
    else if (Global.CurrentScreen == 0 || Global.CurrentScreen == 1)
      RequestHelp(commandLine_.Role(), Skin.HelpFile, Global.CurrentScreen == 0 ? "Topic12" : "Topic13", this);
    return false;
  }
  if (!HtmlFrame || (Global.CurrentScreen != 1 && !Global.HasParams)) return false;
  if (Global.CurrentScreen < 0 || Global.CurrentScreen >= Skin.ScreenCount()) return false;
  const bool shiftOnly = mods == Qt::ShiftModifier;
  const bool ctrlOnly = mods == Qt::ControlModifier;
  if ((shiftOnly || mods == (Qt::ShiftModifier | Qt::ControlModifier)) && key == Qt::Key_Z) {
    const char* command = shiftOnly ? "tree1" : "offtree";
    const TDynamicSwthOneArray toggles = Skin.ScreenSwthOne[Global.CurrentScreen];
    for (const RSwthOne& toggle : toggles)
      if (AsciiLower(toggle.goup) == command || AsciiLower(toggle.godown) == command)
        FormMouseDown(Qt::LeftButton, Qt::NoModifier, QPoint(toggle.vx + 1, toggle.vy + 1));
  } else if (shiftOnly && (key == Qt::Key_Up || key == Qt::Key_Down)) {
    RunCommand(key == Qt::Key_Up ? "prevchapter" : "nextchapter", {}, 0, TKind::Button, true);
    return true;
  } else if (shiftOnly && key == Qt::Key_Home) {
    RunCommand("1", {}, 0, TKind::Button, true);
  } else if (ctrlOnly && key == Qt::Key_A) {
    HtmlFrame->SelectAllText();
  } else if (ctrlOnly && key == Qt::Key_F) {
    if (Dialog && Global.CurrentScreen == 1) Dialog->ShowPage(TCoolDialog::SearchPage);
  } else if (shiftOnly && key == Qt::Key_T) {
    OpenThesaurus();
  } else if (ctrlOnly && key == Qt::Key_I) {
    if (PopupLists) PopupLists->AddToFavorite();
  } else if (ctrlOnly && key == Qt::Key_P) {
    // The preview runs its own loop: it opens once the key's delivery is over, not inside it
    // (synthetic keys were seen delivered a second time after such a loop).
    QTimer::singleShot(0, this, [this] {
      if (HtmlFrame) HtmlFrame->PrintDocument();
    });
  }
  return false;
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  QStringList files;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) files << url.toLocalFile();
  event->acceptProposedAction();
  if (!HtmlFrame) return;
  try {
    HtmlFrame->WMDropFiles(files);
  } catch (const std::exception& e) {
    // A page that cannot be shown leaves the pane as it was.
    qCWarning(lcErrors) << e.what();
  }
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (Global.HasParams || commandLine_.Role() != TRole::Main) {
    event->accept();
    // A secondary window's process ends with it.
    Q_EMIT TerminateApplication();
    return;
  }
  event->ignore();
  FormClose();
}

void TMainForm::FormClose() {
  if (!OpeningRunning() && !ClosingRunning()) QuitMainWindow();
  // No later screen switch may find the 3D restart timer.
  delete restart3dTimer_;
  restart3dTimer_ = nullptr;
  if (Clip3d) Clip3d->Shutdown();
}

bool TMainForm::ClosingRunning() const { return closingTimer_ && closingTimer_->Enabled(); }

void TMainForm::QuitMainWindow() {
  ++exitSequences_;
  // The about window joins the closing once it exists.
  CloseOtherWindows(this, [this] {
    if (Dialog && Dialog->isVisible()) Dialog->FormClose();
  });

  closingX_ = closingY_ = 0;
  if (!closingTimer_) {
    closingTimer_ = new TSuperTimer(this);
    closingTimer_->SetInterval(2);
    closingTimer_->OnTimer = [this](TSuperTimer*) { ClosingTick(); };
  }
  closingTimer_->SetEnabled(true);
}

// The window folds to a band 20 pixels high, narrows to a small rounded box and vanishes as
// a shrinking ellipse.
void TMainForm::ClosingTick() {
  const int w = width(), h = height();
  int &x = closingX_, &y = closingY_;
  QRegion region;
  if (y <= h / 2 - 10) {
    region = WindowShape::RoundRectRegion(QRect(QPoint(0, y), QPoint(w - 1, h - y - 1)), 20, 20);
    y += 2;
  } else if (x <= w / 2 - 10) {
    region = WindowShape::RoundRectRegion(QRect(QPoint(x, y), QPoint(w - x - 1, h - y - 1)), 20, 20);
    x += 3;
  } else if (x <= w / 2) {
    region = WindowShape::EllipseRegion(QRect(QPoint(x, y), QPoint(w - x - 1, h - y - 1)));
    x += 1;
    y += 1;
  } else {
    closingTimer_->SetEnabled(false);
    Q_EMIT TerminateApplication();
    return;
  }
  WindowShape::SetWindowRegion(this, region, true);
}

void TMainForm::StoreSwitchStates() {
  if (Global.HasParams) return;
  TBookSettings settings;
  for (size_t s = 0; s < Skin.ScreenSwthOne.size(); ++s) {
    for (size_t a = 0; a < Skin.ScreenSwthOne[s].size(); ++a)
      if (Skin.ScreenSwthOne[s][a].store)
        settings.WriteBool(Settings::Name(Settings::SwOne, int(s), int(a)), Skin.ScreenSwthOne[s][a].state);
    for (size_t a = 0; a < Skin.ScreenSwthGrp[s].size(); ++a)
      if (Skin.ScreenSwthGrp[s][a].store)
        settings.WriteBool(Settings::Name(Settings::SwGrp, int(s), int(a)), Skin.ScreenSwthGrp[s][a].state);
  }
}

void TMainForm::FormDestroy() {
  ReleaseMedia();
  for (const std::string& font : addedFonts_) FontTable::RemoveFontResource(font);
  addedFonts_.clear();
  PathInput.reset();
  PopupLists.reset();
  Trees.reset();
  // The dialog's texts and progress bar go with it; the search fields it holds go with the search.
  if (ScaleBar) ScaleBar->SetDialog(nullptr, nullptr);
  if (TextMsg) TextMsg->SetDialog(nullptr);
  Dialog.reset();
  FindTxt.reset();
  HtmlFrame.reset();
  ArchiveBrowser.reset();
  if (built_) StoreSwitchStates();
  StatusLine.reset();
  TextMsg.reset();
  ClearScreenPictures();
  BackgroundBitmap = QImage();
}
