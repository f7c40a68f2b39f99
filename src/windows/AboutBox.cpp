#include "windows/AboutBox.h"

#include "app/Errors.h"
#include "app/Log.h"
#include "app/ResourcePack.h"
#include "app/ui/PackPicture.h"
#include "media/ButtonSound.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/ui/ColorConversion.h"
#include "platform/ui/Shell.h"
#include "platform/ui/WindowShape.h"
#include "tools/Captions.h"
#include "tools/EffCar.h"
#include "tools/MyControl.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace {

bool Inside(const QRect& r, QPoint at) {
  return r.left() < at.x() && at.x() < r.left() + r.width() && r.top() < at.y() && at.y() < r.top() + r.height();
}

}  // namespace

TAboutBox::TAboutBox(const TAboutDescription& description, const QImage& picture, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), background_(picture) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("About"));
  setWindowModality(Qt::ApplicationModal);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  resize(background_.size());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.left() + area.width() / 2 - width() / 2, area.top() + area.height() / 2 - height() / 2);
  }
  if (description.hasVertex) WindowShape::SetWindowRegion(this, WindowShape::PolygonRegion(description.vertex), false);
  BuildButtons(description.buttons, Global.Options.Hint);
  DrawTexts(description.texts);
  fadeIn_ = new TEffCar(this);
}

TAboutBox::~TAboutBox() = default;

std::unique_ptr<TAboutBox> TAboutBox::Create(QWidget* parent) {
  const std::string name = Global.ProgramFolder + FileName;
  if (!FileOrPackExists(name)) return nullptr;
  try {
    const TAboutDescription description = ReadAboutFile(name);
    const QImage picture = LoadPackPicture(Global.ProgramFolder + description.picture);
    if (picture.isNull()) {
      qCWarning(lcErrors) << "no about window: its picture" << FromCp1251(description.picture) << "cannot be read";
      return nullptr;
    }
    return std::make_unique<TAboutBox>(description, picture, parent);
  } catch (const std::exception& e) {
    qCWarning(lcErrors) << "no about window:" << e.what();
    return nullptr;
  }
}

void TAboutBox::BuildButtons(const std::vector<RAboutButton>& buttons, bool hints) {
  QPainter painter(&background_);
  for (const RAboutButton& b : buttons) {
    TButton button;
    button.up = LoadPackPicture(Global.ProgramFolder + b.fn1);
    button.hover = LoadPackPicture(Global.ProgramFolder + b.fn2);
    button.wav = b.wav;
    button.rect = QRect(b.vx, b.vy, button.up.width(), button.up.height());
    if (!button.up.isNull()) painter.drawImage(button.rect.topLeft(), button.up);
    button.control = new TMyControl(this, button.rect, hints ? FromCp1251(b.hint) : QString());
    button.control->OnMouseMove = [this](QMouseEvent*, QPoint at) { FormMouseMove(at); };
    button.control->OnMouseDown = [this](QMouseEvent*, QPoint at) { FormMouseDown(at); };
    button.effect = new TEffBtnCar(this, this);
    button.effect->SetStep(4);
    buttons_.push_back(std::move(button));
  }
}

void TAboutBox::DrawTexts(const std::vector<RAboutText>& texts) {
  QPainter painter(&background_);
  for (const RAboutText& t : texts) {
    const QFont font = CaptionFont(t.font, t.size, t.style);
    QString shown = FromCp1251(t.value);
    if (t.IsLink()) {
      const TAboutLink link = AboutLink(t.value);
      shown = FromCp1251(link.shown);
      const QFontMetrics metrics(font, &background_);
      TButton button;
      button.command = link.command;
      button.rect = QRect(t.vx, t.vy, metrics.horizontalAdvance(shown), metrics.height());
      buttons_.push_back(std::move(button));
    }
    painter.setFont(font);
    painter.setPen(ToQColor(t.color));
    painter.drawText(QRect(t.vx, t.vy, background_.width(), background_.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, shown);
  }
}

void TAboutBox::ClearLooks() {
  for (TButton& b : buttons_) {
    b.hovered = b.linkCursor = false;
    if (b.effect) b.effect->StopFade();
  }
  fadeFrames_.clear();
  unsetCursor();
}

void TAboutBox::ShowModal() {
  ClearLooks();
  fadeIn_->Finish();
  fadeIn_->Start(geometry(), TEffCar::GrabScreen(geometry()));
  show();
  raise();
  activateWindow();
  setFocus(Qt::ActiveWindowFocusReason);
}

void TAboutBox::FormClose() {
  fadeIn_->Finish();
  ClearLooks();
  hide();
}

bool TAboutBox::FadeRunning() const { return fadeIn_->Running(); }

void TAboutBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (fadeIn_->Running()) {
    painter.drawImage(0, 0, fadeIn_->Frame());
    return;
  }
  painter.drawImage(0, 0, background_);
  for (const TButton& b : buttons_)
    if (b.hovered && !b.hover.isNull()) painter.drawImage(b.rect.topLeft(), b.hover);
  // The last frame a fade drew stays on its button.
  for (const auto& [corner, frame] : fadeFrames_) painter.drawImage(corner.first, corner.second, frame);
}

void TAboutBox::DrawFadeFrame(const QImage& frame, QPoint at) {
  fadeFrames_[{at.x(), at.y()}] = frame;
  repaint(QRect(at, frame.size()));
}

void TAboutBox::mouseMoveEvent(QMouseEvent* event) { FormMouseMove(event->position().toPoint()); }
void TAboutBox::mousePressEvent(QMouseEvent* event) { FormMouseDown(event->position().toPoint()); }

void TAboutBox::FormMouseMove(QPoint at) {
  if (fadeIn_->Running()) return;
  for (TButton& b : buttons_) {
    const bool inside = Inside(b.rect, at);
    if (b.IsLink() && inside != b.linkCursor) {
      b.linkCursor = inside;
      if (inside)
        setCursor(Qt::PointingHandCursor);
      else
        unsetCursor();
    }
    if (b.hover.isNull() || inside == b.hovered) continue;
    b.hovered = inside;
    if (inside)
      b.effect->StartFade(b.up, b.hover, b.rect.topLeft());
    else
      b.effect->StartFade(b.hover, b.up, b.rect.topLeft());
  }
}

void TAboutBox::FormMouseDown(QPoint at) {
  if (fadeIn_->Running()) return;
  for (const TButton& b : buttons_) {
    if (!Inside(b.rect, at)) continue;
    PlayButtonSound(b.wav);
    if (b.IsLink()) {
      Shell::Open(b.command);
    } else {
      FormClose();
    }
    return;
  }
  if (QWindow* handle = windowHandle()) handle->startSystemMove();
}

void TAboutBox::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
    FormClose();
    return;
  }
  QWidget::keyPressEvent(event);
}

QJsonObject TAboutBox::StateForDump() const {
  QJsonArray links;
  for (const TButton& b : buttons_)
    if (b.IsLink()) links.append(FromCp1251(b.command));
  return {{"open", isVisible()}, {"fading", FadeRunning()}, {"links", links}};
}
