// The dialog's painting and its answer to the mouse: hover and press looks with cross-fades,
// clicks that run commands, radio switches, and dragging the window by its page.

#include "platform/Cp1251.h"
#include "tools/EffCar.h"
#include "windows/CoolDialog.h"
#include "windows/DialogHost.h"

#include <QJsonArray>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {

// Strictly inside: the border lines belong to the outside.
bool Inside(const QRect& r, QPoint at) {
  return r.left() < at.x() && at.x() < r.left() + r.width() && r.top() < at.y() && at.y() < r.top() + r.height();
}

QRect SwitchRect(const RSwthGrp& s) { return QRect(s.vx, s.vy, s.right - s.vx, s.bottom - s.vy); }

}  // namespace

void TCoolDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  FormPaint(painter);
}

void TCoolDialog::FormPaint(QPainter& painter) {
  // Frames of fades pass once: they are scaled as they are drawn; the page's pictures are
  // made ready for the screen once.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (fadeIn_->Running()) {
    painter.drawImage(0, 0, fadeIn_->Frame());
    return;
  }
  if (page_ < 0) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  painter.drawImage(0, 0, screenBackground_(background_));
  for (const TButtonPic& pic : buttons_)
    if (pic.hover) painter.drawImage(pic.place.topLeft(), screenPictures_(pic.mv));
  const std::vector<RSwthGrp>& records = pages_[page_].switches;
  for (size_t i = 0; i < switches_.size(); ++i) {
    const RSwthGrp& s = records[i];
    const QImage* picture = s.hover   ? (s.state ? &switches_[i].mvDn : &switches_[i].mvUp)
                            : s.state ? &switches_[i].dn
                                      : nullptr;
    if (picture) painter.drawImage(s.vx, s.vy, screenPictures_(*picture));
  }
  // The last frame a fade drew stays on its element until the page is rebuilt.
  for (const auto& [corner, frame] : fadeFrames_) painter.drawImage(corner.first, corner.second, frame);
  host_.PaintDialogTexts(painter);
}

void TCoolDialog::DrawFadeFrame(const QImage& frame, QPoint at) {
  fadeFrames_[{at.x(), at.y()}] = frame;
  repaint(QRect(at, frame.size()));
}

void TCoolDialog::mouseMoveEvent(QMouseEvent* event) { FormMouseMove(event->position().toPoint()); }
void TCoolDialog::mousePressEvent(QMouseEvent* event) { FormMouseDown(event->position().toPoint()); }
void TCoolDialog::mouseReleaseEvent(QMouseEvent* event) { FormMouseUp(event->position().toPoint()); }

void TCoolDialog::FormMouseMove(QPoint at) {
  if (page_ < 0 || fadeIn_->Running()) return;
  for (TButtonPic& pic : buttons_) {
    if (Inside(pic.place, at)) {
      if (pic.hover) continue;
      pic.effect->StartFade(pic.up, pic.mv, pic.place.topLeft());
      pic.hover = true;
    } else if (pic.hover) {
      pic.effect->StartFade(pic.mv, pic.up, pic.place.topLeft());
      pic.hover = pic.pressed = false;
    }
  }
  std::vector<RSwthGrp>& records = pages_[page_].switches;
  for (size_t i = 0; i < switches_.size(); ++i) {
    RSwthGrp& s = records[i];
    TSwitchPic& pic = switches_[i];
    const QPoint corner(s.vx, s.vy);
    if (Inside(SwitchRect(s), at)) {
      if (s.hover) continue;
      if (s.state)
        pic.effect->StartFade(pic.dn, pic.mvDn, corner);
      else
        pic.effect->StartFade(pic.up, pic.mvUp, corner);
      s.hover = true;
    } else if (s.hover) {
      if (s.state)
        pic.effect->StartFade(pic.mvDn, pic.dn, corner);
      else
        pic.effect->StartFade(pic.mvUp, pic.up, corner);
      s.hover = false;
    }
  }
}

void TCoolDialog::FormMouseDown(QPoint at) {
  if (page_ < 0 || fadeIn_->Running()) return;
  for (TButtonPic& pic : buttons_) {
    if (!Inside(pic.place, at) || pic.pressed) continue;
    pic.effect->StartFade(pic.mv, pic.dn, pic.place.topLeft());
    pic.pressed = true;
    return;
  }
  std::vector<RSwthGrp>& records = pages_[page_].switches;
  for (size_t i = 0; i < switches_.size(); ++i) {
    RSwthGrp& s = records[i];
    if (!Inside(SwitchRect(s), at)) continue;
    if (s.state) return;
    switches_[i].effect->StartFade(switches_[i].mvUp, switches_[i].mvDn, QPoint(s.vx, s.vy));
    for (size_t j = 0; j < switches_.size(); ++j) {
      RSwthGrp& other = records[j];
      if (j == i || other.group != s.group || !other.state) continue;
      switches_[j].effect->StartFade(switches_[j].dn, switches_[j].up, QPoint(other.vx, other.vy));
      other.state = false;
    }
    s.state = true;
    // The command may close the dialog and free the page: take what it needs first.
    const std::string command = s.go, sound = s.wav;
    RunDialogCommand(command, sound);
    return;
  }
  // Nothing hit: the page moves the window.
  if (QWindow* handle = windowHandle()) handle->startSystemMove();
}

void TCoolDialog::FormMouseUp(QPoint at) {
  if (page_ < 0) return;
  const int page = page_;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    TButtonPic& pic = buttons_[i];
    if (!Inside(pic.place, at)) continue;
    if (pic.pressed) {
      pic.pressed = false;
      pic.effect->StartFade(pic.dn, pic.mv, pic.place.topLeft());
      const RDlgBtn& b = pages_[page].buttons[i];
      const std::string command = b.go, sound = b.wav;
      if (RunDialogCommand(command, sound) || page_ != page) return;
    } else {
      pic.effect->StartFade(pic.dn, pic.up, pic.place.topLeft());
    }
  }
  std::vector<RSwthGrp>& records = pages_[page].switches;
  for (size_t i = 0; i < switches_.size(); ++i) {
    if (!Inside(SwitchRect(records[i]), at)) continue;
    records[i].hover = false;
    FormMouseMove(at);
  }
}

QJsonObject TCoolDialog::StateForDump() const {
  QJsonArray switches;
  for (const RDlgPage& p : pages_) {
    QJsonArray states;
    for (const RSwthGrp& s : p.switches) states.append(s.state);
    switches.append(states);
  }
  QJsonArray titles;
  if (results_)
    for (int i = 0; i < results_->count(); ++i) titles.append(results_->item(i)->text());
  return {{"exists", true},     {"visible", isVisible()},          {"page", page_ + 1},    {"width", width()},
          {"height", height()}, {"message", FromCp1251(message_)}, {"switches", switches}, {"results", titles}};
}
