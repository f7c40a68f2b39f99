#include "tools/PathInputBox.h"

#include "app/Settings.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QWidget>

namespace {

// The box's height is the whole line of its text, as Windows measures a font's height; Qt's
// pixel size is the letters alone, so the size is lowered until a line fits.
QFont FontForLineHeight(QFont font, int lineHeight) {
  if (lineHeight <= 0) return font;
  int size = lineHeight;
  font.setPixelSize(size);
  while (size > 1 && QFontMetrics(font).height() > lineHeight) font.setPixelSize(--size);
  return font;
}

}  // namespace

TPathInputBox::TPathInputBox(QWidget* window, const TDynamicPathInputArray& paths, int screen, TMouseMove mouseMove)
    : mouseMove_(std::move(mouseMove)) {
  const TBookSettings settings;
  for (size_t i = 0; i < paths.size(); ++i) {
    const RPathInput& r = paths[i];
    auto* box = new QLineEdit(window);
    box->setFrame(false);
    box->setVisible(false);
    box->setToolTip(FromCp1251(r.hint));
    box->setFont(FontForLineHeight(box->font(), r.vh - r.vy - 1));
    box->setGeometry(r.vx, r.vy, r.vw - r.vx, r.vh - r.vy);
    box->setMouseTracking(true);
    box->installEventFilter(this);

    std::string text = settings.ReadString(Settings::Name(Settings::PathInstall, int(i))).value_or(std::string());
    if (text.empty()) text = r.pathdef;
    box->setText(FromCp1251(text));
    box->setCursorPosition(0);  // a long path shows its beginning

    boxes_.emplace_back(box);
    screens_.push_back(r.screen);
  }
  ScreenChanged(screen);
}

TPathInputBox::~TPathInputBox() {
  TBookSettings settings;
  for (size_t i = 0; i < boxes_.size(); ++i) {
    if (!boxes_[i]) continue;
    settings.WriteString(Settings::Name(Settings::PathInstall, int(i)), ToCp1251(boxes_[i]->text()));
    delete boxes_[i];
  }
}

QLineEdit* TPathInputBox::Box(int index) const { return boxes_[index]; }

void TPathInputBox::SetScreenVisible(int screen, bool visible) {
  for (size_t i = 0; i < boxes_.size(); ++i)
    if (screens_[i] == screen && boxes_[i]) boxes_[i]->setVisible(visible);
}

void TPathInputBox::ScreenChanged(int screen) {
  SetScreenVisible(screen, true);
  if (lastScreen_ != screen) SetScreenVisible(lastScreen_, false);
  lastScreen_ = screen;
}

void TPathInputBox::HideBoxes(bool hide) { SetScreenVisible(lastScreen_, !hide); }

void TPathInputBox::GetPath(std::string& path) const {
  for (size_t i = 0; i < boxes_.size(); ++i) {
    if (screens_[i] != lastScreen_ || !boxes_[i]) continue;
    path = ToCp1251(boxes_[i]->text());
    if (path.empty() || path.back() != '\\') path += '\\';
    return;
  }
}

bool TPathInputBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove && mouseMove_) mouseMove_(QPoint(-1, -1));
  return QObject::eventFilter(watched, event);
}
