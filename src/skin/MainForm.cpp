#include "skin/MainForm.h"

#include "app/ComprStream.h"
#include "app/Description.h"
#include "app/Errors.h"
#include "app/Folders.h"
#include "app/Log.h"
#include "app/ResourcePack.h"
#include "app/ui/OtherInstances.h"
#include "document/ContentsTrees.h"
#include "document/ControlPopupWindow.h"
#include "document/FontForm.h"
#include "document/HtmlFrame.h"
#include "document/PopupWindow.h"
#include "media/BackgroundMusic.h"
#include "media/MyAviPlayer.h"
#include "media/SlideImage.h"
#include "media/Sound.h"
#include "media/SuperTimer.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/NamedGuard.h"
#include "platform/ui/TopWindows.h"
#include "platform/ui/WindowBus.h"
#include "platform/ui/WindowShape.h"
#include "search/FindTxtHtml.h"
#include "skin/ArchiveBrowser.h"
#include "skin/SkinReader.h"
#include "tools/NavFont.h"
#include "tools/PathInputBox.h"
#include "tools/ScaleBar.h"
#include "tools/StatusLine.h"
#include "tools/TextMsg.h"
#include "widgets/AnimatedPicture.h"
#include "windows/AboutBox.h"
#include "windows/CoolDialog.h"
#include "windows/FormOptions.h"
#include "windows/InstanceMessages.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>

TMainForm::TMainForm(const TCommandLine& commandLine) : commandLine_(commandLine) {
  setWindowFlag(Qt::FramelessWindowHint);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the paint handler covers the whole client area
  setMouseTracking(true);
  qApp->installEventFilter(this);
}

TMainForm::~TMainForm() {
  qApp->removeEventFilter(this);
  instanceMessages_.reset();
  FormDestroy();
}

void TMainForm::FormCreate() {
  ApplyFolders(ComputeFolders(commandLine_.book, commandLine_.disc));
  OpenBookPack();

  Global.HasParams = commandLine_.HasParams();
  // Messages of other processes wait for the document pane; they are taken from now on.
  instanceMessages_ = std::make_unique<TInstanceMessages>(*this);
  if (commandLine_.Role() != TRole::Main) {
    RunSecondaryRole(commandLine_.Role());
    return;
  }

  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);

  const std::string structName = Global.ProgramFolder + "Struct.txt";
  if (!FileOrPackExists(structName)) throw TStartFailure(NoDescriptionMessage());
  try {
    lines_ = ReadDescriptionLines(structName, true);
    ReadBookTitle();
    const std::string shownName = ShownFileName(structName);
    Skin = ReadSkin(lines_, shownName);
    if (Skin.ScreenCount() == 0)
      throw TStartFailure(shownName + " declares no screen: the window needs a \"_screen\" line");
  } catch (const TStartFailure&) {
    throw;
  } catch (const std::exception& e) {
    throw TStartFailure(e.what());
  }

  WindowBus().SetGroup(FromCp1251(Global.BookTitle));
  instanceGuard_ = std::make_unique<TNamedGuard>(Global.BookTitle);
  if (!instanceGuard_->Acquire()) {
    Global.OtherInstance = true;
    Global.HasParams = true;
    terminating_ = true;
    // The reader asked for the book again: show the window that has it. Scripted runs only
    // report that the book is taken.
    if (!commandLine_.Scripted()) {
      if (const TWindowHandle window = FindTopWindowByTitle(FromCp1251(Global.BookTitle))) {
        WindowBus().ShowNormal(window);
        WindowBus().SetForegroundWindow(window);
      }
    }
    return;
  }

  const QString title = FromCp1251(Global.BookTitle);
  QApplication::setApplicationDisplayName(title);
  setWindowTitle(title);
  BuildWindow();
  if (!Global.HasParams) CreateDialog();
}

// A book without its pack can still open from loose files, as authors keep it while they
// work; a pack that is there but cannot be read or is damaged stops the start.
void TMainForm::OpenBookPack() {
  const std::string packName = Global.ProgramFolder + "interface.dat";
  try {
    PackOpen(packName);
  } catch (const EFOpenError& e) {
    if (QFileInfo::exists(HostPath::ToHost(packName))) throw TStartFailure(e.what());
  } catch (const EDataError& e) {
    throw TStartFailure(e.what());
  }
  PackSetRoot(Global.PackRoot);
}

std::string TMainForm::NoDescriptionMessage() const {
  const std::string folder = HostNameForMessage(Global.ProgramFolder);
  if (!QFileInfo(HostPath::ToHost(Global.ProgramFolder)).isDir())
    return "the book folder " + folder + " does not exist";
  if (Global.Pack)
    return "the resource pack " + PackHostName().toStdString() +
           " holds no \"Struct.txt\", and there is no \"Struct.txt\" beside it in " + folder;
  return "the book folder " + folder + " has neither \"interface.dat\" nor \"Struct.txt\"";
}

void TMainForm::ReadBookTitle() { Global.BookTitle = ReadBookTitleFile(); }

void TMainForm::RunSecondaryRole(TRole role) {
  if (role == TRole::Picture) {
    RunPictureWindow();
    return;
  }
  RunThesaurusWindow();
}

bool TMainForm::OpeningRunning() const { return openingTimer_ && openingTimer_->Enabled(); }

void TMainForm::FinishStartup() {
  WindowShape::SetWindowRegion(this, QRegion(), false);
  EnableFreeSize();
  show();
  Start3dViewShownOnStart();
  // The music's file is read before the opening effect runs, so that the effect's end (which
  // lets a scripted run begin) never falls inside that read.
  StartMusic();
  openingX_ = width() / 2;
  openingY_ = height() / 2;
  openingTicks_ = 0;
  if (!openingTimer_) {
    openingTimer_ = new TSuperTimer(this);
    openingTimer_->SetInterval(1);
    openingTimer_->OnTimer = [this](TSuperTimer*) { OpeningTick(); };
  }
  openingTimer_->SetEnabled(true);
}

void TMainForm::OpeningTick() {
  ++openingTicks_;
  if (openingX_ < -(width() / 2)) {
    openingTimer_->SetEnabled(false);
    // The last ellipse would cut the corners of a tall window: give the window its own
    // shape back.
    ApplyMainShape();
    Q_EMIT OpeningFinished();
    return;
  }
  WindowShape::SetWindowRegion(this,
                               WindowShape::EllipseRegion(QRect(QPoint(openingX_, openingY_),
                                                                QPoint(width() - openingX_, height() - openingY_))),
                               true);
  openingX_ -= 4;
  openingY_ -= 2;
}

void TMainForm::ApplyMainShape() {
  if (Skin.HasVertexMain)
    WindowShape::SetWindowRegion(this, WindowShape::PolygonRegion(Skin.VertexMain), true);
  else
    WindowShape::ClearWindowRegion(this);
}

std::vector<QWidget*> TMainForm::ModalWindows() const {
  std::vector<QWidget*> windows;
  if (FormOptions && FormOptions->isVisible()) windows.push_back(FormOptions.get());
  if (AboutBox && AboutBox->isVisible()) windows.push_back(AboutBox.get());
  if (TFontForm* form = HtmlFrame ? HtmlFrame->FontForm() : nullptr; form && form->isVisible()) windows.push_back(form);
  return windows;
}

QImage TMainForm::Snapshot() {
  QImage image = grab().toImage().convertToFormat(QImage::Format_ARGB32);
  QPainter painter(&image);
  if (!mask().isEmpty()) {
    const QRegion outside = QRegion(rect()) - mask();  // the painter speaks in the window's pixels
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    for (const QRect& r : outside) painter.fillRect(r, Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
  // Open popup lists lie over the window, in their own shapes.
  if (PopupLists)
    for (TPopupWindow* list : PopupLists->Lists()) {
      if (!list->IsOpen()) continue;
      const QPoint at = list->pos() - mapToGlobal(QPoint(0, 0));
      painter.setClipRegion(list->mask().isEmpty() ? QRegion(list->rect()).translated(at)
                                                   : list->mask().translated(at));
      painter.drawPixmap(at, list->grab());
    }
  // The dialog stays on top of the window, and the modal windows over everything.
  painter.setClipping(false);
  if (Dialog && Dialog->isVisible())
    painter.drawPixmap(Dialog->geometry().topLeft() - geometry().topLeft(), Dialog->grab());
  for (QWidget* window : ModalWindows()) {
    const QPoint at = window->geometry().topLeft() - geometry().topLeft();
    painter.setClipRegion(window->mask().isEmpty() ? QRegion(window->rect()).translated(at)
                                                   : window->mask().translated(at));
    painter.drawPixmap(at, window->grab());
  }
  return image;
}
