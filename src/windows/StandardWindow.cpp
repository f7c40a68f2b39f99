#include "windows/StandardWindow.h"

#include "app/ui/OtherInstances.h"
#include "document/HistoryLists.h"
#include "document/HtmlFrame.h"
#include "html/FrameViewer.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/WinNames.h"
#include "platform/ui/WindowShape.h"

#include <QApplication>
#include <QEvent>
#include <QJsonArray>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

namespace {

constexpr QSize kSchemeSize(780, 550);
constexpr QSize kPictureMargin(45, 90);
constexpr QPoint kWindowCorner(40, 30);
constexpr int kDividerWidth = 10;
constexpr int kImageSize = 20;

// The tool bar's pictures: 0 back, 1 forward, 2 print, 3 collapse.
QIcon ToolImage(int image) {
  QPixmap pixmap(kImageSize, kImageSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(40, 60, 110), 1.5));
  painter.setBrush(QColor(90, 130, 200));
  if (image == 0 || image == 1) {
    QPainterPath arrow;
    arrow.moveTo(3, 10);
    arrow.lineTo(10, 3);
    arrow.lineTo(10, 7);
    arrow.lineTo(17, 7);
    arrow.lineTo(17, 13);
    arrow.lineTo(10, 13);
    arrow.lineTo(10, 17);
    arrow.closeSubpath();
    if (image == 1) painter.setTransform(QTransform(-1, 0, 0, 1, kImageSize, 0));
    painter.drawPath(arrow);
  } else if (image == 2) {
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(6, 2.5, 8, 6));
    painter.setBrush(QColor(150, 150, 160));
    painter.drawRoundedRect(QRectF(2.5, 8.5, 15, 7), 1.5, 1.5);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(6, 13, 8, 5));
  } else {
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(2.5, 3.5, 15, 13));
    painter.setBrush(QColor(90, 130, 200));
    painter.drawRect(QRectF(2.5, 3.5, 15, 3.5));
  }
  return QIcon(pixmap);
}

void SetWindowColour(QWidget* window, const QColor& colour) {
  QPalette palette = window->palette();
  palette.setColor(QPalette::Window, colour);
  window->setPalette(palette);
}

void SetCaption(QWidget* window, const QString& caption) {
  window->setWindowTitle(caption);
  QApplication::setApplicationDisplayName(caption);
}

}  // namespace

TStandardWindow::TStandardWindow(TStandardWindowHost& host, bool pictureWindow)
    : host_(host), pictureWindow_(pictureWindow) {
  host_.Window()->installEventFilter(this);
}

TStandardWindow::~TStandardWindow() { host_.Window()->removeEventFilter(this); }

QToolButton* TStandardWindow::Button(int position) const {
  return toolBar_ ? qobject_cast<QToolButton*>(widgets_[position]) : nullptr;
}

QMenu* TStandardWindow::CreateHistoryMenu(const QString& title) {
  auto* menu = new QMenu(title, host_.Window());
  for (int i = 0; i < kMenuItems; ++i) {
    QAction* item = menu->addAction(QString());
    connect(item, &QAction::triggered, this, [this, item] {
      if (THtmlFrame* pane = host_.Pane()) pane->GoToHistory(item->data().toInt());
    });
  }
  return menu;
}

void TStandardWindow::CreateBars() {
  QWidget* window = host_.Window();
  backMenu_ = CreateHistoryMenu(QStringLiteral("Назад"));
  backMenu_->setIcon(ToolImage(0));
  forwardMenu_ = CreateHistoryMenu(QStringLiteral("Вперед"));
  forwardMenu_->setIcon(ToolImage(1));

  // The bars sit on the window's own painting (the skin in the main role): they paint their
  // ground themselves.
  toolBar_ = new QToolBar(window);
  toolBar_->setAutoFillBackground(true);
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  toolBar_->setIconSize(QSize(kImageSize, kImageSize));

  auto makeButton = [&](const QString& caption, const QString& hint, int image, QMenu* menu) {
    auto* button = new QToolButton;
    button->setText(caption);
    button->setToolTip(hint);
    button->setIcon(ToolImage(image));
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    if (menu) {
      button->setMenu(menu);
      button->setPopupMode(QToolButton::MenuButtonPopup);
    }
    return button;
  };
  // Made collapse first and back last, the bar lists them the other way round.
  QToolButton* collapse = makeButton(pictureWindow_ ? QString() : QStringLiteral("Свернуть"),
                                     QStringLiteral("Вернуться к красивому окошку"), 3, nullptr);
  QToolButton* print = makeButton(QStringLiteral("Печать"), QStringLiteral("Напечатать текущий файл"), 2, nullptr);
  auto* divider = new QWidget;
  divider->setFixedWidth(kDividerWidth);
  QToolButton* forward = makeButton(QString(), QStringLiteral("Перемещение вперед на одну ссылку"), 1, forwardMenu_);
  QToolButton* back = makeButton(QString(), QStringLiteral("Перемещение назад на одну ссылку"), 0, backMenu_);

  widgets_ = {back, forward, divider, print, collapse};
  for (int position = 0; position < ToolButtonCount; ++position) {
    actions_.push_back(toolBar_->addWidget(widgets_[position]));
    if (auto* button = qobject_cast<QToolButton*>(widgets_[position]))
      connect(button, &QToolButton::clicked, this, [this, position] { ToolButtonClick(position); });
  }
  if (pictureWindow_) actions_[Collapse]->setVisible(false);

  statusBar_ = new QStatusBar(window);
  statusBar_->setAutoFillBackground(true);
  statusBar_->setSizeGripEnabled(false);
}

void TStandardWindow::Enter(const std::string& commandLineFile) {
  QWidget* window = host_.Window();
  host_.HideFields(true);

  savedRegion_ = window->mask();
  window->setWindowFlag(Qt::FramelessWindowHint, false);
  WindowShape::ClearWindowRegion(window);
  SetWindowColour(window, QApplication::palette().color(QPalette::Button));
  window->setAcceptDrops(true);
  active_ = true;

  if (!toolBar_) CreateBars();
  toolBar_->show();
  // Only "Печать" and, in the main role, "Свернуть" stay on show.
  for (int position : {Back, Forward, Divider}) actions_[position]->setVisible(false);
  statusBar_->hide();

  if (THtmlFrame* pane = host_.Pane())
    pane->UpdateHistoryControls();
  else
    UpdateHistoryControls();
  LayOut();

  SizeForFile(commandLineFile);
  PlaceOnWorkArea();
  shownFile_ = commandLineFile;
  if (pictureWindow_)
    window->show();
  else
    window->showMaximized();
}

void TStandardWindow::Leave() {
  if (!active_) return;
  QWidget* window = host_.Window();
  active_ = false;
  toolBar_->hide();
  statusBar_->hide();
  SetWindowColour(window, Qt::white);
  window->setWindowState(Qt::WindowNoState);

  const QPoint at = window->pos();
  window->setWindowFlag(Qt::FramelessWindowHint, true);
  window->resize(host_.SkinSize());
  window->move(at);
  if (savedRegion_.isEmpty())
    WindowShape::ClearWindowRegion(window);
  else
    WindowShape::SetWindowRegion(window, savedRegion_, true);
  window->show();

  if (THtmlFrame* pane = host_.Pane()) pane->RestoreBounds();
  host_.HideFields(false);
  window->setAcceptDrops(true);
  // The skinned window is found by the book's title again.
  SetCaption(window, FromCp1251(Global.BookTitle));
}

void TStandardWindow::SizeForFile(const std::string& file) {
  const std::string name = NameLower(FileNamePart(file));
  QWidget* window = host_.Window();
  if (name == "scheme.bmp" || name == "scheme_lux.bmp") {
    window->resize(kSchemeSize);
    return;
  }
  const std::string extension = FileExtension(name);
  const bool picture = extension == ".bmp" || extension == ".gif" || extension == ".jpg" || extension == ".jpeg";
  if (picture && Global.LastPictureSize.isValid()) window->resize(Global.LastPictureSize + kPictureMargin);
}

// Near the top left corner of the work area, moved onto its edge when it would stick out.
void TStandardWindow::PlaceOnWorkArea() {
  QWidget* window = host_.Window();
  QPoint corner = kWindowCorner;
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (screen) {
    const QRect work = screen->availableGeometry();
    if (corner.x() + window->width() > work.width()) corner.setX(0);
    if (corner.y() + window->height() > work.height()) corner.setY(0);
  }
  window->move(corner);
}

bool TStandardWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == host_.Window() && event->type() == QEvent::Resize) LayOut();
  return false;
}

// The tool bar across the top, the status bar (when shown) along the bottom, and the page
// between them.
void TStandardWindow::LayOut() {
  if (!active_ || !toolBar_) return;
  QWidget* window = host_.Window();
  const int width = window->width();
  const int top = toolBar_->sizeHint().height();
  toolBar_->setGeometry(0, 0, width, top);
  toolBar_->raise();
  int bottom = window->height();
  if (!statusBar_->isHidden()) {
    const int height = statusBar_->sizeHint().height();
    bottom -= height;
    statusBar_->setGeometry(0, bottom, width, height);
    statusBar_->raise();
  }
  if (THtmlFrame* pane = host_.Pane()) pane->FillParent(QRect(0, top, width, std::max(0, bottom - top)));
}

void TStandardWindow::UpdateHistoryControls() {
  if (!toolBar_ || !active_) return;
  THtmlFrame* pane = host_.Pane();
  const TFrameViewer* viewer = pane ? pane->CurrentViewer() : nullptr;
  if (!viewer) {
    Button(Back)->setEnabled(false);
    Button(Forward)->setEnabled(false);
    return;
  }
  Button(Back)->setEnabled(viewer->BackButtonEnabled());
  Button(Forward)->setEnabled(viewer->FwdButtonEnabled());
  FillHistoryMenu(backMenu_, true);
  FillHistoryMenu(forwardMenu_, false);
  SetCaption(host_.Window(), OtherInstances::kPictureCaption);
}

void TStandardWindow::FillHistoryMenu(QMenu* menu, bool back) {
  const TFrameViewer* viewer = host_.Pane()->CurrentViewer();
  const std::vector<THistoryMenuItem> items =
      HistoryMenuItems(viewer->History, viewer->TitleHistory, viewer->HistoryIndex(), back);
  const QList<QAction*> actions = menu->actions();
  for (int i = 0; i < actions.size(); ++i) {
    const bool used = i < static_cast<int>(items.size());
    actions[i]->setVisible(used);
    actions[i]->setText(used ? items[i].caption : QString());
    actions[i]->setData(used ? items[i].index : -1);
  }
}

void TStandardWindow::ShowLinkTarget(const std::string& text) {
  if (!statusBar_) return;
  if (text.empty())
    statusBar_->clearMessage();
  else
    statusBar_->showMessage(FromCp1251(text));
}

void TStandardWindow::ToolButtonClick(int position) {
  switch (position) {
    case Back:
    case Forward: host_.HistoryStep(position == Forward); break;
    case Print: host_.PrintDocument(); break;
    case Collapse: Leave(); break;
    default: break;
  }
}

QJsonObject TStandardWindow::StateForDump() const {
  QJsonObject state{{"active", active_}, {"shownFile", FromCp1251(shownFile_)}};
  if (!toolBar_) return state;
  QJsonArray buttons;
  for (int position = 0; position < ToolButtonCount; ++position) {
    const QToolButton* button = Button(position);
    buttons.append(QJsonObject{{"caption", button ? button->text() : QString()},
                               {"visible", actions_[position]->isVisible()},
                               {"enabled", button ? button->isEnabled() : false}});
  }
  state["toolBar"] = buttons;
  for (const auto& [name, menu] : {std::pair{"backMenu", backMenu_}, std::pair{"forwardMenu", forwardMenu_}}) {
    QJsonArray items;
    for (const QAction* item : menu->actions())
      if (item->isVisible()) items.append(QJsonObject{{"caption", item->text()}, {"index", item->data().toInt()}});
    state[name] = items;
  }
  state["statusBar"] = statusBar_->currentMessage();
  return state;
}
