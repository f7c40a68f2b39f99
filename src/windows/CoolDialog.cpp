// The skinned dialog: its pages, their pictures and controls, results and closing.

#include "windows/CoolDialog.h"

#include "app/Errors.h"
#include "app/Log.h"
#include "app/ResourcePack.h"
#include "app/Settings.h"
#include "app/ui/PackPicture.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/ui/ColorConversion.h"
#include "tools/Captions.h"
#include "tools/EffCar.h"
#include "tools/MyControl.h"
#include "windows/DialogHost.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <algorithm>

namespace {

constexpr QSize kInitialSize(233, 188);
constexpr QRect kResultList(11, 127, 377, 112);
// A message never widens a page by more than this, however long it is.
constexpr int kMaxWidening = 4096;

QRect Rect(int left, int top, const QImage& picture) { return QRect(left, top, picture.width(), picture.height()); }

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

TCoolDialog::TCoolDialog(TDialogHost& host, TDialogPages pages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      host_(host),
      pages_(std::move(pages)) {
  setWindowTitle(QStringLiteral("CoolDialog"));
  resize(kInitialSize);
  // The page covers the whole window: nothing is erased under it.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  ReadStoredStates();
  fadeIn_ = new TEffCar(this);
  fadeIn_->OnStart = [this] { host_.HideSearchFields(true); };
  fadeIn_->OnFinish = [this] { host_.HideSearchFields(false); };
  qApp->installEventFilter(this);
}

TCoolDialog::~TCoolDialog() { qApp->removeEventFilter(this); }

std::unique_ptr<TCoolDialog> TCoolDialog::Create(TDialogHost& host, QWidget* parent) {
  const std::string name = Global.ProgramFolder + FileName;
  if (!FileOrPackExists(name)) return nullptr;
  try {
    return std::make_unique<TCoolDialog>(host, ReadDialogFile(name), parent);
  } catch (const std::exception& e) {
    qCWarning(lcErrors) << "no dialog:" << e.what();
    return nullptr;
  }
}

void TCoolDialog::ReadStoredStates() {
  const TBookSettings settings;
  for (size_t p = 0; p < pages_.size(); ++p)
    for (size_t s = 0; s < pages_[p].switches.size(); ++s) {
      RSwthGrp& sw = pages_[p].switches[s];
      if (!sw.store) continue;
      if (const auto stored = settings.ReadBool(Settings::Name(Settings::SwGrpD, int(p), int(s)))) sw.state = *stored;
    }
}

void TCoolDialog::StoreStates() const {
  TBookSettings settings;
  for (size_t p = 0; p < pages_.size(); ++p)
    for (size_t s = 0; s < pages_[p].switches.size(); ++s)
      if (pages_[p].switches[s].store)
        settings.WriteBool(Settings::Name(Settings::SwGrpD, int(p), int(s)), pages_[p].switches[s].state);
}

TMyControl* TCoolDialog::CreateControl(const QRect& rect, const std::string& hint) {
  auto* control = new TMyControl(this, rect, Global.Options.Hint ? FromCp1251(hint) : QString());
  control->OnMouseMove = [this](QMouseEvent*, QPoint at) { FormMouseMove(at); };
  control->OnMouseDown = [this](QMouseEvent*, QPoint at) { FormMouseDown(at); };
  control->OnMouseUp = [this](QMouseEvent*, QPoint at) { FormMouseUp(at); };
  return control;
}

void TCoolDialog::BuildButtons() {
  std::vector<RDlgBtn>& records = pages_[page_].buttons;
  buttons_.resize(records.size());
  for (size_t i = 0; i < records.size(); ++i) {
    RDlgBtn& b = records[i];
    TButtonPic& pic = buttons_[i];
    pic.up = LoadPackPicture(Global.ProgramFolder + b.fn1);
    pic.mv = LoadPackPicture(Global.ProgramFolder + b.fn2);
    pic.dn = LoadPackPicture(Global.ProgramFolder + b.fn3);
    b.right = b.vx + pic.up.width();
    b.bottom = b.vy + pic.up.height();
    pic.place = Rect(b.vx, b.vy, pic.up);
    pic.control = CreateControl(pic.place, b.hint);
    pic.effect = new TEffBtnCar(this, this);
    pic.effect->SetStep(4);
  }
}

void TCoolDialog::BuildSwitches() {
  std::vector<RSwthGrp>& records = pages_[page_].switches;
  switches_.resize(records.size());
  for (size_t i = 0; i < records.size(); ++i) {
    RSwthGrp& s = records[i];
    TSwitchPic& pic = switches_[i];
    pic.up = LoadPackPicture(Global.ProgramFolder + s.fn1);
    pic.mvUp = LoadPackPicture(Global.ProgramFolder + s.fn2);
    pic.mvDn = LoadPackPicture(Global.ProgramFolder + s.fn3);
    pic.dn = LoadPackPicture(Global.ProgramFolder + s.fn4);
    s.right = s.vx + pic.up.width();
    s.bottom = s.vy + pic.up.height();
    s.hover = false;
    const QRect box = EdgeBox(s.texttx, s.textty, s.textbx, s.textby);
    auto draw = [&](QImage& picture, const std::string& caption, TFontStyles style, TColor color) {
      DrawCharacters(picture, FromCp1251(caption), box, CaptionFont(s.textfontname, s.textfontsize, style),
                     ToQColor(color));
    };
    if (!s.textcaptionup.empty()) {
      draw(pic.up, s.textcaptionup, s.textfontstyleup, s.textfontcolorup);
      draw(pic.mvUp, s.textcaptionup, s.textfontstylemvup, s.textfontcolormvup);
    }
    if (!s.textcaptiondn.empty()) {
      draw(pic.mvDn, s.textcaptiondn, s.textfontstylemvdn, s.textfontcolormvdn);
      draw(pic.dn, s.textcaptiondn, s.textfontstyledn, s.textfontcolordn);
    }
    pic.control = CreateControl(Rect(s.vx, s.vy, pic.up), s.hint);
    pic.effect = new TEffBtnCar(this, this);
    pic.effect->SetStep(4);
  }
}

// The page's picture with the message drawn into its text area, and the buttons' and
// switches' resting looks. A message wider than the area widens the picture by the overflow:
// its middle column is repeated, and the buttons move with the part they stand in.
void TCoolDialog::ComposeBackground(const QImage& picture, const std::string& message) {
  const RDlgText& t = pages_[page_].text;
  const QFont font = CaptionFont(t.font, t.size, t.style);
  const QString text = FromCp1251(message);
  const QFontMetrics metrics(font, &picture);
  const int messageWidth = metrics.horizontalAdvance(text);
  const int areaWidth = t.vw - t.vx;
  const int extra = std::clamp(messageWidth - areaWidth, 0, kMaxWidening);

  QRect textRect;
  if (extra > 0) {
    const int w = picture.width(), h = picture.height(), half = w / 2;
    background_ = QImage(w + extra, h, QImage::Format_RGB32);
    QPainter painter(&background_);
    painter.drawImage(0, 0, picture, 0, 0, half, h);
    painter.drawImage(half + extra, 0, picture, half, 0, w - half, h);
    for (int x = half; x < half + extra; ++x) painter.drawImage(x, 0, picture, half, 0, 1, h);
    textRect = QRect(t.vx, t.vy, areaWidth + extra, metrics.height());
  } else {
    background_ = picture;
    textRect = QRect(t.vx + (areaWidth - messageWidth) / 2, t.vy, messageWidth, metrics.height());
  }

  QPainter painter(&background_);
  painter.setFont(font);
  painter.setPen(ToQColor(t.color));
  painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);

  const std::vector<RDlgBtn>& records = pages_[page_].buttons;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const TDlgAlign align = records[i].align;
    const int shift = align == TDlgAlign::Left ? 0 : align == TDlgAlign::Middle ? extra / 2 : extra;
    TButtonPic& pic = buttons_[i];
    pic.place.translate(shift, 0);
    pic.control->setGeometry(pic.place);
    if (!pic.up.isNull()) painter.drawImage(pic.place.topLeft(), pic.up);
  }
  const std::vector<RSwthGrp>& switches = pages_[page_].switches;
  for (size_t i = 0; i < switches_.size(); ++i) painter.drawImage(switches[i].vx, switches[i].vy, switches_[i].up);
}

bool TCoolDialog::ShowPage(int page, const std::string& message) {
  if (page < 0 || page >= static_cast<int>(pages_.size()) || pages_[page].picture.empty()) return false;
  const QImage picture = LoadPackPicture(Global.ProgramFolder + pages_[page].picture);
  if (picture.isNull()) return false;
  fadeIn_->Finish();
  RemoveResults();
  ClearPage();
  page_ = page;
  message_ = message;
  BuildButtons();
  BuildSwitches();
  host_.PlaceSearchFields(this, page == SearchPage);
  ComposeBackground(picture, message);
  if (page == SearchPage) host_.PrepareProgressBar();

  const QRect main = host_.MainWindowRect();
  resize(background_.size());
  move(main.left() + main.width() / 2 - width() / 2, main.top() + main.height() / 2 - height() / 2);
  fullHeight_ = height();

  // Stored search modes take effect again. A command may close the dialog.
  const std::vector<RSwthGrp> switches = pages_[page].switches;
  for (const RSwthGrp& s : switches)
    if (s.state && RunDialogCommand(s.go, {})) return true;

  fadeIn_->Start(geometry(), TEffCar::GrabScreen(geometry()));
  show();
  activateWindow();
  return true;
}

bool TCoolDialog::RunDialogCommand(const std::string& command, const std::string& sound) {
  if (Global.BusyFlag && Contains(command, "findnext")) {
    host_.StopSearch();
    return false;
  }
  if (!sound.empty() && sound != "no") host_.PlayButtonSound(sound);
  if (command == "findtxtall") {
    host_.SetIndexMode();
    ShowResults(host_.SearchResults());
  } else if (Contains(command, "findtxtlimit")) {
    host_.SetAllFiles(false);
    RemoveResults();
  } else if (Contains(command, "findtxtcontents")) {
    host_.SetContentsMode();
    RemoveResults();
  } else if (Contains(command, "findnext")) {
    host_.FindNext(ParseIntAt(command, 9));
  } else {
    FormClose();
    return true;
  }
  return false;
}

void TCoolDialog::ShowResults(const TSearchResults& results) {
  if (results.Empty()) {
    RemoveResults();
    resize(width(), CutHeight);
    return;
  }
  if (!results_) {
    results_ = new QListWidget(this);
    results_->setFrameShape(QFrame::NoFrame);
    results_->setGeometry(kResultList);
    connect(results_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ResultClicked(results_->row(item)); });
    results_->show();
    resize(width(), fullHeight_);
  }
  shownResults_ = results;
  results_->clear();
  for (const std::string& title : results.Titles) results_->addItem(FromCp1251(title));
}

void TCoolDialog::ResultClicked(int row) {
  if (row < 0 || row >= static_cast<int>(shownResults_.Files.size())) return;
  try {
    host_.OpenResult(shownResults_.Files[row]);
  } catch (const std::exception& e) {
    qCWarning(lcErrors) << e.what();
  }
}

void TCoolDialog::RemoveResults() {
  delete results_;
  results_ = nullptr;
  shownResults_.Clear();
}

void TCoolDialog::SetSearchButtonHint(const QString& hint) {
  if (page_ < 0 || !Global.Options.Hint) return;
  const std::vector<RDlgBtn>& records = pages_[page_].buttons;
  for (size_t i = 0; i < buttons_.size(); ++i)
    if (records[i].go == "findnext1") buttons_[i].control->setToolTip(hint);
}

// Controls and effects may be in the middle of the event that closes the page, so they go once
// that event is over.
void TCoolDialog::ClearPage() {
  screenPictures_.Clear();
  auto release = [](TMyControl* control, TEffBtnCar* effect) {
    control->hide();
    control->deleteLater();
    effect->StopFade();
    effect->deleteLater();
  };
  for (TButtonPic& pic : buttons_) release(pic.control, pic.effect);
  for (TSwitchPic& pic : switches_) release(pic.control, pic.effect);
  buttons_.clear();
  switches_.clear();
  fadeFrames_.clear();
}

void TCoolDialog::FormClose() {
  fadeIn_->Finish();
  host_.DialogClosed();
  RemoveResults();
  ClearPage();
  background_ = QImage();
  page_ = -1;
  StoreStates();
  hide();
}

bool TCoolDialog::FadeRunning() const { return fadeIn_->Running(); }

bool TCoolDialog::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  if (key == Qt::Key_Escape) {
    host_.DialogKeyDown(key, modifiers);
    return true;
  }
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && page_ != SearchPage) {
    RunDialogCommand("yes", {});
    return true;
  }
  return false;
}

// The dialog sees keys before its controls do.
bool TCoolDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && isVisible()) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && (widget == this || isAncestorOf(widget))) {
      const auto* key = static_cast<QKeyEvent*>(event);
      try {
        if (FormKeyDown(key->key(), key->modifiers())) return true;
      } catch (const std::exception& e) {
        qCWarning(lcErrors) << e.what();
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TCoolDialog::closeEvent(QCloseEvent* event) {
  event->accept();
  if (isVisible()) FormClose();
}
