// Keys and mouse presses in the page, and files dropped on the window.

#include "document/ArchiveLinks.h"
#include "document/ControlPopupWindow.h"
#include "document/HtmlFrame.h"
#include "document/LinkRules.h"
#include "document/PaneHost.h"
#include "html/FrameViewer.h"
#include "platform/Cp1251.h"
#include "platform/HostPath.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>

void THtmlFrame::PaneKeyDown(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  const bool copy = mods == Qt::ControlModifier && (event->key() == Qt::Key_C || event->key() == Qt::Key_Insert);
  if (!copy) return;
  TFrameViewer* viewer = CurrentViewer();
  THTMLViewer* active = viewer ? viewer->ActiveViewer() : nullptr;
  if (!active) return;
  // The page's own copy of the selection comes after this handler: the trimmed text replaces
  // it once the key has been handled, and a selection of line breaks alone copies nothing.
  const QString text = TrimLineBreaks(active->SelText());
  const QString before = QGuiApplication::clipboard()->text();
  QTimer::singleShot(0, this,
                     [text, before] { QGuiApplication::clipboard()->setText(text.isEmpty() ? before : text); });
}

void THtmlFrame::PaneMouseDown(TFrameViewer* viewer, Qt::MouseButtons buttons, QPoint at) {
  TControlPopupWindow* popups = host_.Popups();
  if (!popups) return;
  popups->CloseAll();
  const Qt::KeyboardModifiers keys =
      QGuiApplication::keyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (buttons == Qt::RightButton && keys == Qt::NoModifier) popups->Popup(ptContextHtml, viewer->mapToGlobal(at));
}

void THtmlFrame::WMDropFiles(const QStringList& hostFiles) {
  if (hostFiles.isEmpty()) return;
  const std::string name = NameLower(HostPath::ToWindows(hostFiles.first()));
  switch (ClassifyDrop(name)) {
    case TDropAction::Show: ShowFile(name); break;
    case TDropAction::Archive:
      if (archive_) {
        const TFrameViewer* viewer = CurrentViewer();
        archive_->OpenArchive(name, viewer ? viewer->CurrentFile() : std::string());
      }
      break;
    case TDropAction::Media: host_.PlayMedia(name); break;
    default: break;
  }
}
