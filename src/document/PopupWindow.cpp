#include "document/PopupWindow.h"

#include "app/ui/PackPicture.h"
#include "document/ControlPopupWindow.h"
#include "document/HtmlFavorite.h"
#include "document/PopupHost.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/ui/WindowShape.h"

#include <QCursor>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <QVariantAnimation>
#include <algorithm>
#include <cstring>

namespace {

using namespace std::chrono_literals;

constexpr auto kSlideAgain = 250ms;  // a list opened again sooner appears at once
constexpr int kSlideMs = 100;

int HalfRoundedDown(int value) { return value >= 0 ? value / 2 : -((1 - value) / 2); }

void CopyRows(const QImage& from, int fromRow, QImage& to, int toRow, int rows) {
  const size_t bytes = static_cast<size_t>(std::min(from.bytesPerLine(), to.bytesPerLine()));
  for (int i = 0; i < rows; ++i) std::memcpy(to.scanLine(toRow + i), from.constScanLine(fromRow + i), bytes);
}

}  // namespace

QImage AdaptBackground(const QImage& old, int height, int margin) {
  if (old.isNull() || height <= 0 || height == old.height()) return old;
  const QImage source = old.convertToFormat(QImage::Format_RGB32);
  const int oldHeight = source.height();
  QImage adapted(source.width(), height, QImage::Format_RGB32);
  const int band = std::clamp(margin, 0, std::min(oldHeight, height));
  CopyRows(source, 0, adapted, 0, std::min(oldHeight, height) - (height < oldHeight ? band : 0));
  for (int row = oldHeight - band; row < height - band; ++row) CopyRows(source, oldHeight / 2, adapted, row, 1);
  CopyRows(source, oldHeight - band, adapted, height - band, band);
  return adapted;
}

// The favourites speak Windows-1251; the list shows text.
class TPopupWindow::TFavoriteAdapter : public TFavoriteItems {
 public:
  explicit TFavoriteAdapter(TPopupWindow& list) : list_(list) {}
  void AddItem(const std::string& caption, const std::string& command) override {
    list_.Add(FromCp1251(caption), command);
  }
  void SetItem(const std::string& caption, const std::string& command, int index) override {
    list_.SetItem(FromCp1251(caption), command, index);
  }

 private:
  TPopupWindow& list_;
};

// A tool-tip window: above the main window, off the task bar, and never active, so the
// main window keeps the keyboard while a list is open.
TPopupWindow::TPopupWindow(TControlPopupWindow& owner, TPopupHost& host, const RPopupData& declaration, int screen)
    : QWidget(host.Window(), Qt::ToolTip | Qt::FramelessWindowHint),
      owner_(owner),
      host_(host),
      declaration_(declaration),
      screen_(screen) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_AlwaysShowToolTips);
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
  background_ = LoadPackPicture(Global.ProgramFolder + declaration_.fnfon);
  if (!background_.isNull()) resize(background_.size());
}

TPopupWindow::~TPopupWindow() = default;

bool TPopupWindow::HasShownItem() const {
  return std::any_of(items_.begin(), items_.end(), [](const auto& item) { return item->Shown; });
}

void TPopupWindow::CreateFavorites() {
  if (favorites_) return;
  favoriteItems_ = std::make_unique<TFavoriteAdapter>(*this);
  favorites_ = std::make_unique<THtmlFavorite>(*favoriteItems_);
}

std::unique_ptr<TItemsBtn> TPopupWindow::NewItem(int position) {
  auto item = std::make_unique<TItemsBtn>(*this);
  item->TakeLooks(declaration_, position);
  item->LoadPictures();
  return item;
}

void TPopupWindow::SetCount(int count) {
  count = std::max(0, count);
  if (static_cast<int>(items_.size()) > count) items_.resize(count);
  while (static_cast<int>(items_.size()) < count) items_.push_back(NewItem(static_cast<int>(items_.size())));
  for (size_t i = 0; i < items_.size(); ++i) {
    TItemsBtn& item = *items_[i];
    item.Command.clear();
    item.ClearCaption();
    item.TakeLooks(declaration_, static_cast<int>(i));
    item.LoadPictures();
    item.Shown = item.Placed = item.Hover = item.Pressed = false;
  }
  LayoutItems();
}

void TPopupWindow::Add(const QString& caption, const std::string& command) {
  items_.push_back(NewItem(static_cast<int>(items_.size())));
  TItemsBtn& item = *items_.back();
  item.Command = command;
  item.SetCaption(caption);
  item.SetShown(true);
}

void TPopupWindow::SetItem(const QString& caption, const std::string& command, int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  items_[index]->SetCaption(caption);
  items_[index]->Command = command;
}

void TPopupWindow::SetItemShown(bool flag, int index) {
  if (index >= 0 && index < static_cast<int>(items_.size())) items_[index]->SetShown(flag);
}

void TPopupWindow::LayoutItems() {
  screenPictures_.Clear();
  const auto firstChanged =
      std::find_if(items_.begin(), items_.end(), [](const auto& item) { return !item->Shown || !item->Placed; });
  for (auto it = firstChanged; it != items_.end(); ++it) (*it)->Placed = false;

  const int margin = Margin();
  const TItemsBtn* previous = nullptr;
  int shownHeight = 0;
  for (const auto& item : items_) {
    if (!item->Shown) continue;
    if (!item->Placed) {
      const int left = declaration_.xbtn == -1 ? HalfRoundedDown(width() - item->Bounds.width()) : declaration_.xbtn;
      item->Bounds.moveTo(left, previous ? previous->Bounds.top() + previous->Bounds.height() : margin);
      item->Placed = true;
    }
    shownHeight += item->Bounds.height();
    previous = item.get();
  }
  if (!Shaped()) {
    const int height = shownHeight + 2 * margin;
    background_ = AdaptBackground(background_, height, margin);
    resize(width(), height);
  }
  update();
}

void TPopupWindow::ShowAt(QPoint at) {
  if (slide_) slide_->stop();
  QWidget* window = host_.Window();
  const QPoint fixed = window->mapToGlobal(QPoint(declaration_.xfon, declaration_.yfon));
  if (declaration_.xfon != -1) at.setX(fixed.x());
  if (declaration_.yfon != -1) at.setY(fixed.y());

  // Fully on the desktop: the right and bottom edges first, then the left and top ones.
  const QScreen* screen = QGuiApplication::screenAt(at);
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (screen) {
    const QRect desktop = screen->geometry();
    if (at.y() + height() > desktop.y() + desktop.height()) at.setY(desktop.y() + desktop.height() - height());
    if (at.x() + width() > desktop.x() + desktop.width()) at.setX(desktop.x() + desktop.width() - width());
    at.setX(std::max(at.x(), desktop.x()));
    at.setY(std::max(at.y(), desktop.y()));
  }
  move(at);

  const auto now = std::chrono::steady_clock::now();
  const bool slide = screen_ == 1 && (!openedAt_ || now - *openedAt_ > kSlideAgain);
  if (slide) slide_ = WindowShape::SlideIn(this, QCursor::pos().y() <= at.y(), kSlideMs);
  if (screen_ == 0) {
    const QRegion shape = WindowShape::PolygonRegion(declaration_.vertex);
    if (shape.isEmpty())
      WindowShape::ClearWindowRegion(this);
    else
      WindowShape::SetWindowRegion(this, shape, false);
  }
  show();
  repaint();
  openedAt_ = std::chrono::steady_clock::now();
}

void TPopupWindow::ClosePopup() {
  for (const auto& item : items_) item->Hover = item->Pressed = false;
  DeleteMode = false;
  if (slide_) slide_->stop();
  hide();
  WindowShape::ClearWindowRegion(this);
}

void TPopupWindow::DeleteItem(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  // The data of the later items moves up a place; hovering belongs to the place.
  std::vector<bool> hover;
  for (const auto& item : items_) hover.push_back(item->Hover);
  items_.erase(items_.begin() + index);
  for (size_t i = index; i < items_.size(); ++i) {
    items_[i]->Placed = false;
    items_[i]->Hover = hover[i];
  }
  LayoutItems();
  if (items_.empty()) ClosePopup();
}

void TPopupWindow::ItemClicked(const std::string& command, int index) {
  if (DeleteMode) {
    DeleteItem(index);
    if (favorites_) favorites_->RemoveAt(index);
    return;
  }
  ClosePopup();
  owner_.RunItemCommandLater(command);
}

void TPopupWindow::ListMouseMove(QPoint at) {
  for (const auto& item : items_) {
    if (!item->Shown) continue;
    const bool inside = item->Contains(at);
    if (inside && !item->Hover) {
      item->Hover = true;
      update(item->Bounds);
    } else if (!inside && item->Hover) {
      item->Hover = item->Pressed = false;
      update(item->Bounds);
    }
  }
}

void TPopupWindow::ListMouseDown(QPoint at) {
  for (size_t i = 0; i < items_.size(); ++i) {
    TItemsBtn& item = *items_[i];
    if (!item.Shown || item.Pressed || !item.Contains(at)) continue;
    item.Pressed = true;
    repaint(item.Bounds);
    const std::string command = item.Command;
    ItemClicked(command, static_cast<int>(i));
    return;
  }
}

bool TPopupWindow::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip: {
      const auto* help = static_cast<QHelpEvent*>(event);
      const auto item = std::find_if(items_.begin(), items_.end(),
                                     [&](const auto& i) { return i->Shown && i->Placed && i->Contains(help->pos()); });
      if (item != items_.end() && !(*item)->Hint().isEmpty())
        QToolTip::showText(help->globalPos(), (*item)->Hint(), this, (*item)->Bounds);
      else
        QToolTip::hideText();
      return true;
    }
    // The list never takes part in activation or focus, and the pointer leaving it changes
    // nothing.
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Enter:
    case QEvent::Leave: return true;
    default: return QWidget::event(event);
  }
}

void TPopupWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (background_.width() < width() || background_.height() < height()) painter.fillRect(rect(), Qt::black);
  painter.drawImage(0, 0, screenBackground_(background_));
  for (const auto& item : items_)
    if (item->Shown && item->Placed) painter.drawImage(item->Bounds.topLeft(), screenPictures_(item->Picture()));
}

void TPopupWindow::mouseMoveEvent(QMouseEvent* event) { ListMouseMove(event->position().toPoint()); }

void TPopupWindow::mousePressEvent(QMouseEvent* event) { ListMouseDown(event->position().toPoint()); }

void TPopupWindow::wheelEvent(QWheelEvent*) {}
