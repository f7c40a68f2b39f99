// The skin's answer to the mouse: hover and press pictures with cross-fades, clicks that run
// element commands, and dragging the window by its background.

#include "document/ControlPopupWindow.h"
#include "media/MyAviPlayer.h"
#include "platform/Globals.h"
#include "skin/MainForm.h"

#include <QMouseEvent>
#include <QThread>
#include <QWindow>

namespace {

// Strictly inside: the border lines belong to the outside.
template <typename Element>
bool Inside(const Element& e, QPoint at) {
  return e.vx < at.x() && at.x() < e.right && e.vy < at.y() && at.y() < e.bottom;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

void TMainForm::mouseMoveEvent(QMouseEvent* event) { FormMouseMove(event->position().toPoint()); }

void TMainForm::mousePressEvent(QMouseEvent* event) {
  FormMouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TMainForm::mouseReleaseEvent(QMouseEvent* event) { FormMouseUp(event->position().toPoint()); }

void TMainForm::FormMouseMove(QPoint at) {
  const int s = Global.CurrentScreen;
  if (s < 0 || s >= Skin.ScreenCount() || Over3dView(at)) return;
  auto& buttons = Skin.ScreenBtns[s];
  for (size_t i = 0; i < BtnPics.size(); ++i) {
    RBtnPic& pic = BtnPics[i];
    const QPoint corner(buttons[i].vx, buttons[i].vy);
    if (Inside(buttons[i], at)) {
      if (!pic.hover) {
        pic.effect->StartFade(pic.up, pic.mv, corner);
        pic.hover = true;
      }
    } else if (pic.hover) {
      pic.effect->StartFade(pic.mv, pic.up, corner);
      pic.hover = pic.hover2 = pic.pressed = false;
    }
  }

  auto& toggles = Skin.ScreenSwthOne[s];
  for (size_t i = 0; i < SwthOnePics.size(); ++i) {
    RSwthOne& r = toggles[i];
    RSwthPic& pic = SwthOnePics[i];
    const QPoint corner(r.vx, r.vy);
    if (Inside(r, at)) {
      if (r.hover) continue;
      // The second tree's switch means nothing while every tree is hidden.
      if (TreeSwitchIgnored(r)) return;
      if (r.state)
        pic.effect->StartFade(pic.dn, pic.mvDn, corner);
      else
        pic.effect->StartFade(pic.up, pic.mvUp, corner);
      r.hover = true;
    } else if (r.hover) {
      if (r.state)
        pic.effect->StartFade(pic.mvDn, pic.dn, corner);
      else
        pic.effect->StartFade(pic.mvUp, pic.up, corner);
      r.hover = false;
    }
  }

  auto& groups = Skin.ScreenSwthGrp[s];
  for (size_t i = 0; i < SwthGrpPics.size(); ++i) {
    RSwthGrp& r = groups[i];
    if (Inside(r, at) != r.hover) {
      r.hover = !r.hover;
      update(QRect(r.vx, r.vy, r.right - r.vx, r.bottom - r.vy));
    }
  }
}

void TMainForm::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint at) {
  if (PopupLists) PopupLists->CloseAll();
  const int s = Global.CurrentScreen;
  if (s < 0 || s >= Skin.ScreenCount()) return;
  const bool shiftHeld = shift & Qt::ShiftModifier;

  // A click on the 3D view pauses or resumes it; on a paused view the left button then drags
  // the window.
  if (Clip3d && Clip3d->Click(at.x(), at.y())) {
    QThread::msleep(100);
    if (button == Qt::LeftButton && Clip3d->IsIdle())
      if (QWindow* handle = windowHandle()) handle->startSystemMove();
    return;
  }

  auto& buttons = Skin.ScreenBtns[s];
  for (size_t i = 0; i < BtnPics.size(); ++i) {
    RBtnPic& pic = BtnPics[i];
    if (!Inside(buttons[i], at) || pic.pressed) continue;
    pic.effect->StartFade(pic.mv, pic.dn, QPoint(buttons[i].vx, buttons[i].vy));
    pic.pressed = true;
    return;
  }

  auto& toggles = Skin.ScreenSwthOne[s];
  for (size_t i = 0; i < SwthOnePics.size(); ++i) {
    RSwthOne& r = toggles[i];
    if (!Inside(r, at)) continue;
    if (TreeSwitchIgnored(r)) return;
    RSwthPic& pic = SwthOnePics[i];
    const QPoint corner(r.vx, r.vy);
    std::string command;
    if (r.state) {
      pic.effect->StartFade(pic.mvDn, pic.mvUp, corner);
      r.state = false;
      command = r.goup;
    } else {
      pic.effect->StartFade(pic.mvUp, pic.mvDn, corner);
      r.state = true;
      command = r.godown;
    }
    if (!shiftHeld) RunCommand(command, r.wav, int(i), TKind::SwitchOne, false);
    return;
  }

  auto& groups = Skin.ScreenSwthGrp[s];
  for (size_t i = 0; i < SwthGrpPics.size(); ++i) {
    RSwthGrp& r = groups[i];
    if (!Inside(r, at)) continue;
    if (r.state) return;
    for (size_t j = 0; j < groups.size(); ++j) {
      if (j == i || groups[j].group != r.group || !groups[j].state) continue;
      groups[j].state = false;
      update(QRect(groups[j].vx, groups[j].vy, groups[j].right - groups[j].vx, groups[j].bottom - groups[j].vy));
    }
    r.state = true;
    update(QRect(r.vx, r.vy, r.right - r.vx, r.bottom - r.vy));
    if (!shiftHeld) RunCommand(r.go, r.wav, int(i), TKind::SwitchGrp, false);
    return;
  }

  // Nothing hit: the background moves the window.
  if (QWindow* handle = windowHandle()) handle->startSystemMove();
}

void TMainForm::FormMouseUp(QPoint at) {
  const int screen = Global.CurrentScreen;
  if (screen < 0 || screen >= Skin.ScreenCount() || Over3dView(at)) return;
  for (size_t i = 0; i < BtnPics.size() && Global.CurrentScreen == screen; ++i) {
    const RBtn& b = Skin.ScreenBtns[screen][i];
    if (!Inside(b, at)) continue;
    RBtnPic& pic = BtnPics[i];
    const QPoint corner(b.vx, b.vy);
    if (pic.pressed) {
      pic.pressed = false;
      if (StartsWith(b.go, "screen2")) Freeze3dIfPlaying();
      if (!StartsWith(b.go, "screen2") && b.go != "1" && !StartsWith(b.go, "exit"))
        pic.effect->StartFade(pic.dn, pic.mv, corner);
      // The element lists may change under the command: take what it needs first.
      const std::string command = b.go, sound = b.wav;
      RunCommand(command, sound, int(i), TKind::Button, false);
    } else {
      pic.effect->StartFade(pic.dn, pic.up, corner);
    }
  }
  if (Global.CurrentScreen != screen) return;
  auto& groups = Skin.ScreenSwthGrp[screen];
  for (size_t i = 0; i < SwthGrpPics.size(); ++i) {
    if (!Inside(groups[i], at)) continue;
    groups[i].hover = false;
    FormMouseMove(at);
  }
}
