#pragma once
// Borderless edit boxes ("_path") on the main window in which the reader types the folder to
// install or copy into. Each box starts with the folder the reader left in it last time (kept
// in the registry as "PathInstall" + its number) or the description's default.

#include "app/SkinModel.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QWidget;

class TPathInputBox : public QObject {
  Q_OBJECT

 public:
  // The window's mouse-move handler; mouse movement over a box reaches it as (-1, -1).
  using TMouseMove = std::function<void(QPoint)>;

  // `screen` is the one the window shows.
  TPathInputBox(QWidget* window, const TDynamicPathInputArray& paths, int screen, TMouseMove mouseMove);
  // Stores every box's text; destroy it before the window's children go.
  ~TPathInputBox() override;

  // The window shows `screen` now: its boxes are shown and those of the screen before hidden.
  void ScreenChanged(int screen);
  void HideBoxes(bool hide);
  // The first box of the screen shown, ending with '\' (Windows-1251). `path` is left
  // alone when the screen has none.
  void GetPath(std::string& path) const;

  int BoxCount() const { return static_cast<int>(boxes_.size()); }
  QLineEdit* Box(int index) const;
  int BoxScreen(int index) const { return screens_[index]; }
  int LastScreen() const { return lastScreen_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetScreenVisible(int screen, bool visible);

  std::vector<QPointer<QLineEdit>> boxes_;
  std::vector<int> screens_;
  int lastScreen_ = -1;
  TMouseMove mouseMove_;
};
