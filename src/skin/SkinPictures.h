#pragma once
// The pictures of the current screen's elements, rebuilt at every screen change.

#include <QImage>
#include <memory>

class TEffBtnCar;
class TMyControl;

struct RBtnPic {
  QImage up, mv, dn;
  bool hover = false;
  bool hover2 = false;  // cleared together with hover
  bool pressed = false;
  TMyControl* control = nullptr;  // owned by the window
  TEffBtnCar* effect = nullptr;   // owned by the window
};

struct RSwthPic {
  QImage up, mvUp, mvDn, dn;
  TMyControl* control = nullptr;
  TEffBtnCar* effect = nullptr;
};
