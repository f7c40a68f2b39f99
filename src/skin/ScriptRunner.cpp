#include "skin/ScriptRunner.h"

#include "app/DescriptionSyntax.h"
#include "document/ContentsTrees.h"
#include "document/ControlPopupWindow.h"
#include "document/HtmlFrame.h"
#include "document/PopupWindow.h"
#include "document/TreeViews.h"
#include "html/FrameViewer.h"
#include "platform/Cp1251.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/SkinScale.h"
#include "platform/ui/TopWindows.h"
#include "print/PreviewForm.h"
#include "search/FindTxtHtml.h"
#include "skin/MainForm.h"
#include "windows/CoolDialog.h"
#include "windows/FormOptions.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDropEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QSaveFile>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <cstdio>

namespace {

constexpr int kCloseTimeoutMs = 20000;
constexpr int kAwaitTimeoutMs = 20000;
constexpr int kAwaitPollMs = 20;
constexpr int kSlideTimeoutMs = 1000;

// The dump's value at a path of keys joined by '.', as text ("true", "12", "playing").
QString StateAt(const QJsonObject& state, const QString& path) {
  QJsonValue value = state;
  for (const QString& key : path.split(u'.')) value = value.toObject().value(key);
  if (value.isBool()) return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
  if (value.isDouble()) return QString::number(value.toDouble());
  return value.toString();
}

bool WriteFile(const QString& name, const QByteArray& bytes) {
  QSaveFile file(name);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace

TScriptRunner::TScriptRunner(TMainForm& form, TScript script) : form_(form), script_(std::move(script)) {
  connect(&form_, &TMainForm::TerminateApplication, this, [this] { exitFinished_ = true; });
}

void TScriptRunner::Start() { RunLines(nullptr); }

// A line that opens the print preview or a modal window returns only when that window closes:
// the lines after it run meanwhile from the window's own event loop, until the window is gone.
void TScriptRunner::RunLines(QWidget* modal) {
  // A window closed by a line may be deleted while a later line waits.
  const QPointer<QWidget> guard(modal);
  while (next_ < script_.lines.size()) {
    if (modal && (!guard || !guard->isVisible())) return;  // back to the line that opened it
    const TScriptLine& line = script_.lines[next_++];
    const auto blocking = [this]() -> QWidget* {
      QWidget* shown = QApplication::activeModalWidget();
      return shown && !Dialogs::ClosesByItself(shown) ? shown : form_.Preview();
    };
    QWidget* before = blocking();
    QTimer watch;
    watch.setInterval(kAwaitPollMs);
    connect(&watch, &QTimer::timeout, this, [this, &watch, before, blocking] {
      QWidget* window = blocking();
      if (!window || window == before || !window->isVisible()) return;
      watch.stop();
      RunLines(window);
    });
    watch.start();
    QString error;
    const bool ran = RunLine(line, error);
    watch.stop();
    if (finished_) return;
    if (!ran) {
      Finish(1, QStringLiteral("script line %1: %2").arg(line.lineNumber).arg(error));
      return;
    }
    if (exitFinished_) return;  // the program is ending: its exit status stands
  }
  Finish(0);
}

void TScriptRunner::Finish(int status, const QString& message) {
  if (finished_) return;
  finished_ = true;
  if (!message.isEmpty()) std::fprintf(stderr, "skinbook: %s\n", qUtf8Printable(message));
  QCoreApplication::exit(status);
}

// As a click on such a link in the page shown: the pane decides first, and what it leaves the
// viewer follows into the target frame.
bool TScriptRunner::ClickLink(const TScriptLine& line, QString& error) {
  TFrameViewer* viewer = form_.HtmlFrame ? form_.HtmlFrame->CurrentViewer() : nullptr;
  if (!viewer) {
    error = QStringLiteral("no page is shown");
    return false;
  }
  bool handled = false;
  try {
    form_.HtmlFrame->LinkClicked(viewer, line.target, line.text, handled);
    if (!handled) viewer->FollowLink(line.target, line.text);
  } catch (const std::exception& e) {
    error = QString::fromUtf8(e.what());
    return false;
  }
  return true;
}

// As the reader would: the item is scrolled into view and clicked.
bool TScriptRunner::ClickTreeItem(const TScriptLine& line, QString& error) {
  TTreeViews* tree = !form_.Trees ? nullptr : line.number == 1 ? form_.Trees->A() : form_.Trees->B();
  if (!tree || !tree->isVisible()) {
    error = QStringLiteral("tree %1 is not shown").arg(line.number);
    return false;
  }
  for (int i = 0; i < tree->ItemCount(); ++i) {
    TElTreeItem* item = tree->Item(i);
    if (item->Caption() != line.text) continue;
    tree->EnsureVisible(item);
    const QRect place = tree->visualItemRect(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, place.center());
    return true;
  }
  error = QStringLiteral("tree %1 has no item \"%2\"").arg(line.number).arg(line.text);
  return false;
}

// As the reader would type it: once the field shows (a dialog fading in hides its fields), it
// gets the focus, its old text is selected and typed over.
bool TScriptRunner::TypeIntoField(const TScriptLine& line, QString& error) {
  const auto shownField = [&]() -> QLineEdit* {
    QLineEdit* field = form_.FindTxt ? form_.FindTxt->Field(line.number) : nullptr;
    return field && field->isVisible() ? field : nullptr;
  };
  if (!Await([&] { return shownField() != nullptr; })) {
    error = QStringLiteral("search field %1 is not shown").arg(line.number);
    return false;
  }
  QLineEdit* field = shownField();
  if (!field) return true;  // a window opened meanwhile ran the later lines
  field->activateWindow();
  field->setFocus(Qt::OtherFocusReason);
  field->selectAll();
  // One key event a character, carrying its text (Cyrillic has no key code of its own here).
  for (const QChar c : line.text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(field, &release);
  }
  return true;
}

// When a modal window opened during the wait, the lines after this one ran from its event loop:
// the script has moved past the wait, which then ends without a verdict.
bool TScriptRunner::Await(const std::function<bool()>& done) {
  QDeadlineTimer deadline(kAwaitTimeoutMs);
  const size_t waitingAt = next_;
  while (!done()) {
    if (next_ != waitingAt || finished_) return true;
    if (deadline.hasExpired()) return false;
    Wait(kAwaitPollMs);
  }
  return true;
}

// The mouse meets the dialog where it lies over the main window, as a reader's would. Scripts
// give points in the screenshot's pixels; the windows take them in the skin's.
std::pair<QWindow*, QPoint> TScriptRunner::WindowAt(QPoint shotPoint) const {
  const QPoint at = SkinScale::ToLogical(shotPoint);
  const std::vector<QWidget*> modal = form_.ModalWindows();
  if (!modal.empty())
    return {modal.back()->windowHandle(), at + form_.geometry().topLeft() - modal.back()->geometry().topLeft()};
  if (form_.Dialog && form_.Dialog->isVisible()) {
    const QPoint inDialog = at + form_.geometry().topLeft() - form_.Dialog->geometry().topLeft();
    if (form_.Dialog->rect().contains(inDialog)) return {form_.Dialog->windowHandle(), inDialog};
  }
  return {form_.windowHandle(), at};
}

// As the reader would: once the list has slid in, a press on the item.
bool TScriptRunner::ClickPopupItem(const TScriptLine& line, QString& error) {
  TPopupWindow* list = form_.PopupLists ? form_.PopupLists->List(line.number) : nullptr;
  if (!list || !list->IsOpen()) {
    error = QStringLiteral("popup list %1 is not open").arg(line.number);
    return false;
  }
  const auto& items = list->Items();
  const TItemsBtn* item = line.item <= static_cast<int>(items.size()) ? items[line.item - 1].get() : nullptr;
  if (!item || !item->Shown || !item->Placed) {
    error = QStringLiteral("popup list %1 shows no item %2").arg(line.number).arg(line.item);
    return false;
  }
  for (int waited = 0; list->Sliding() && waited < kSlideTimeoutMs; waited += 10) Wait(10);
  const QPoint centre = item->Bounds.center();
  QTest::mouseMove(list, centre);
  QTest::mousePress(list, Qt::LeftButton, Qt::NoModifier, centre);
  QTest::mouseRelease(list, Qt::LeftButton, Qt::NoModifier, centre);
  return true;
}

bool TScriptRunner::SetOption(const TScriptLine& line, QString& error) {
  if (!form_.FormOptions || !form_.FormOptions->isVisible()) {
    error = QStringLiteral("the settings dialog is not open");
    return false;
  }
  return form_.FormOptions->SetControl(line.target, line.text, error);
}

// The modal window first, then the active one, then any other shown window of the process
// other than the main window: the first that holds a shown child of that name.
bool TScriptRunner::PressButton(const TScriptLine& line, QString& error) {
  QList<QWidget*> windows{QApplication::activeModalWidget(), QApplication::activeWindow()};
  windows += QApplication::topLevelWidgets();
  for (QWidget* window : windows) {
    if (!window || window == &form_ || !window->isVisible()) continue;
    QWidget* button = window->findChild<QWidget*>(line.text);
    if (!button || !button->isVisible()) continue;
    const QPoint centre = button->rect().center();
    QTest::mouseMove(button, centre);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, centre);
    return true;
  }
  error = QStringLiteral("no open window has a button %1").arg(line.text);
  return false;
}

void TScriptRunner::Wait(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

bool TScriptRunner::RunLine(const TScriptLine& line, QString& error) {
  QWindow* window = form_.windowHandle();
  const Qt::KeyboardModifiers shift = line.shift ? Qt::ShiftModifier : Qt::NoModifier;
  switch (line.kind) {
    case TScriptLine::Kind::Command:
      form_.RunCommand(AsciiLower(ToCp1251(line.text)), {}, 0, TMainForm::TKind::Button, true);
      break;
    case TScriptLine::Kind::Move: {
      const auto [target, at] = WindowAt(line.at);
      QTest::mouseMove(target, at);
      break;
    }
    case TScriptLine::Kind::Press: {
      const auto [target, at] = WindowAt(line.at);
      QTest::mousePress(target, Qt::LeftButton, shift, at);
      break;
    }
    case TScriptLine::Kind::Release: {
      const auto [target, at] = WindowAt(line.at);
      QTest::mouseRelease(target, Qt::LeftButton, shift, at);
      break;
    }
    case TScriptLine::Kind::Click: {
      const auto [target, at] = WindowAt(line.at);
      QTest::mousePress(target, Qt::LeftButton, shift, at);
      QTest::mouseRelease(target, Qt::LeftButton, shift, at);
      break;
    }
    case TScriptLine::Kind::Key:
      // While the print preview is open it has the keyboard; else the control that has the focus,
      // in whichever window it is (the dialog's fields too).
      if (form_.Preview())
        QTest::keyClick(form_.Preview()->windowHandle(), static_cast<Qt::Key>(line.key), line.modifiers);
      else if (QWidget* focused = QApplication::focusWidget())
        QTest::keyClick(focused, static_cast<Qt::Key>(line.key), line.modifiers);
      else
        QTest::keyClick(window, static_cast<Qt::Key>(line.key), line.modifiers);
      break;
    case TScriptLine::Kind::Wait: Wait(line.milliseconds); break;
    case TScriptLine::Kind::Shot:
      if (!(form_.Preview() ? form_.Preview()->grab().toImage() : form_.Snapshot()).save(line.text, "PNG")) {
        error = QStringLiteral("cannot write %1").arg(line.text);
        return false;
      }
      break;
    case TScriptLine::Kind::Dump:
      if (!WriteFile(line.text, QJsonDocument(form_.StateForDump()).toJson())) {
        error = QStringLiteral("cannot write %1").arg(line.text);
        return false;
      }
      break;
    case TScriptLine::Kind::Link:
      if (!ClickLink(line, error)) return false;
      break;
    case TScriptLine::Kind::Find: {
      TFrameViewer* viewer = form_.HtmlFrame ? form_.HtmlFrame->CurrentViewer() : nullptr;
      THTMLViewer* active = viewer ? viewer->ActiveViewer() : nullptr;
      if (!active) {
        error = QStringLiteral("no page is shown");
        return false;
      }
      active->Find(line.text, line.matchCase);
      break;
    }
    case TScriptLine::Kind::Drop: {
      QMimeData data;
      data.setUrls({QUrl::fromLocalFile(QFileInfo(line.text).absoluteFilePath())});
      const QPointF centre(form_.width() / 2.0, form_.height() / 2.0);
      QDragEnterEvent enter(centre.toPoint(), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
      QCoreApplication::sendEvent(&form_, &enter);
      QDropEvent drop(centre, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
      QCoreApplication::sendEvent(&form_, &drop);
      break;
    }
    case TScriptLine::Kind::Tree:
      if (!ClickTreeItem(line, error)) return false;
      break;
    case TScriptLine::Kind::Field:
      if (!TypeIntoField(line, error)) return false;
      break;
    case TScriptLine::Kind::AwaitFile:
      if (!Await([&] { return QFileInfo::exists(line.text); })) {
        error = QStringLiteral("%1 did not appear").arg(line.text);
        return false;
      }
      break;
    case TScriptLine::Kind::AwaitWindows:
      if (!Await([&] { return FindTopWindowsByTitle(line.text).size() == static_cast<size_t>(line.number); })) {
        error = QStringLiteral("no %1 windows \"%2\" appeared").arg(line.number).arg(line.text);
        return false;
      }
      break;
    case TScriptLine::Kind::AwaitState:
      if (!Await([&] { return StateAt(form_.StateForDump(), line.target) == line.text; })) {
        error = QStringLiteral("%1 did not become %2").arg(line.target, line.text);
        return false;
      }
      break;
    case TScriptLine::Kind::Item:
      if (!ClickPopupItem(line, error)) return false;
      break;
    case TScriptLine::Kind::Preview:
      if (!form_.Preview()) {
        error = QStringLiteral("the print preview is not open");
        return false;
      }
      if (!form_.Preview()->ClickTool(line.text, error)) return false;
      break;
    case TScriptLine::Kind::Zoom:
      if (!form_.Preview()) {
        error = QStringLiteral("the print preview is not open");
        return false;
      }
      if (!form_.Preview()->PickZoom(line.number, error)) return false;
      break;
    case TScriptLine::Kind::Option:
      if (!SetOption(line, error)) return false;
      break;
    case TScriptLine::Kind::Button:
      if (!PressButton(line, error)) return false;
      break;
    case TScriptLine::Kind::Close: {
      form_.close();
      QEventLoop loop;
      connect(&form_, &TMainForm::TerminateApplication, &loop, &QEventLoop::quit);
      QTimer::singleShot(kCloseTimeoutMs, &loop, &QEventLoop::quit);
      if (!exitFinished_) loop.exec();
      if (!exitFinished_) {
        error = QStringLiteral("the window did not close");
        return false;
      }
      break;
    }
  }
  QCoreApplication::processEvents();
  return true;
}
