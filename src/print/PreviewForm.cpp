#include "print/PreviewForm.h"

#include "app/InstanceMessage.h"
#include "app/Log.h"
#include "html/HTMLViewer.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/WinNames.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Printers.h"
#include "platform/ui/TopWindows.h"
#include "print/GoPageForm.h"
#include "print/MetaFilePrinter.h"
#include "print/PrintDialog.h"
#include "print/PrintHost.h"
#include "print/PrnStatusForm.h"

#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

constexpr double kZooms[] = {0.25, 0.5, 0.75, 1, 1.25, 1.5, 2, 3, 4};

QIcon GlyphIcon(const QString& glyph) {
  QPixmap pixmap(20, 20);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  QFont font = painter.font();
  font.setPixelSize(glyph.size() > 2 ? 9 : 14);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor(0x20, 0x30, 0x60));
  painter.drawText(pixmap.rect(), Qt::AlignCenter, glyph);
  return QIcon(pixmap);
}

// The zoom cursors: a magnifier, with "+" or "−" for the direction.
QCursor MagnifierCursor(QChar sign) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 2));
  painter.setBrush(Qt::white);
  painter.drawEllipse(QRectF(2, 2, 18, 18));
  painter.setPen(QPen(Qt::black, 4));
  painter.drawLine(QPointF(18, 18), QPointF(29, 29));
  painter.setPen(QPen(Qt::black, 2));
  if (!sign.isNull()) {
    painter.drawLine(QPointF(6, 11), QPointF(16, 11));
    if (sign == u'+') painter.drawLine(QPointF(11, 6), QPointF(11, 16));
  }
  return QCursor(pixmap, 11, 11);
}

enum TCursorNumber { Zoom = 140, ZoomIn = 141, ZoomOut = 142, HandOpened = 143, HandClosed = 144 };

QCursor PreviewCursor(int number) {
  switch (number) {
    case ZoomIn: return MagnifierCursor(u'+');
    case ZoomOut: return MagnifierCursor(u'-');
    case HandOpened: return QCursor(Qt::OpenHandCursor);
    case HandClosed: return QCursor(Qt::ClosedHandCursor);
    default: return MagnifierCursor(QChar());
  }
}

QString Percent(const QString& label, double value) {
  return label + QLocale(QLocale::Russian).toString(value * 100, 'f', 0) + QStringLiteral("%");
}

}  // namespace

void TPaintBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (OnPaint) OnPaint(painter);
}
void TPaintBox::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown(event);
}
void TPaintBox::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(event);
}
void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
  if (OnMouseUp) OnMouseUp(event);
}

TPreviewForm::TPreviewForm(QWidget* owner, TPrintHost* host, THTMLViewer* viewer, bool asPicture, int pictureWidth,
                           int pictureHeight)
    : QDialog(owner), host_(host), viewer_(viewer) {
  setWindowTitle(QStringLiteral("Предварительный просмотр"));
  setModal(true);
  if (const TWindowHandle other = FindTopWindowByTitle(QStringLiteral("Rudovozozove")))
    WindowBus().PostMessage(other, {InstanceMessages::WindowHandle, WindowBus().HandleOf(this), 0, {}});

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  BuildToolbar();
  BuildPages();
  BuildMenu();
  layout->addWidget(MainToolbar);
  layout->addWidget(ScrollBox, 1);
  layout->addWidget(StatusBar);

  ZoomBox->setCurrentIndex(0);
  SelectTool(ZoomCursorBut);
  viewer_->PrintTableBackground = PrintBackground->isChecked();

  recorder_ = std::make_unique<TMetaFilePrinter>(host_, owner);
  if (!recorder_->ReadPrinterCaps(metrics_)) {
    failed_ = true;
    return;
  }
  StartPrintScale = 1;
  if (asPicture && pictureWidth != 0 && pictureHeight != 0)
    StartPrintScale = static_cast<float>(std::min(1.0, FitPictureToPage(pictureWidth, pictureHeight)));
  PrintScale = StartPrintScale;
  if (Reformat(true)) {
    failed_ = true;
    return;
  }
  if (asPicture)
    while (recorder_->PageCount() >= 2 && PrintScale > 0.05f) {
      StartPrintScale -= 0.005f;
      PrintScale = StartPrintScale;
      Reformat(false);
    }

  SetHintsAndCaptions();
  setWindowIcon(QApplication::windowIcon());
  PageOrientationBut->setChecked(recorder_->PageOrientation() == TOrientation::Landscape);
  setMinimumSize(250, 300);
  qApp->installEventFilter(this);
}

TPreviewForm::~TPreviewForm() { qApp->removeEventFilter(this); }

QToolButton* TPreviewForm::AddButton(const char* name, const QString& glyph, bool checkable) {
  auto* button = new QToolButton(MainToolbar);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(GlyphIcon(glyph));
  button->setCheckable(checkable);
  button->setAutoRaise(true);
  button->setToolButtonStyle(Qt::ToolButtonIconOnly);
  button->setFocusPolicy(Qt::NoFocus);
  MainToolbar->addWidget(button);
  return button;
}

void TPreviewForm::BuildToolbar() {
  MainToolbar = new QToolBar(this);
  MainToolbar->setContextMenuPolicy(Qt::CustomContextMenu);
  PrintBut = AddButton("PrintBut", QStringLiteral("▤"));
  MainToolbar->addSeparator();
  PageOrientationBut = AddButton("PageOrientationBut", QStringLiteral("⟲"), true);
  MainToolbar->addSeparator();
  FirstPageBut = AddButton("FirstPageBut", QStringLiteral("|◀"));
  PrevPageBut = AddButton("PrevPageBut", QStringLiteral("◀"));
  NextPageBut = AddButton("NextPageBut", QStringLiteral("▶"));
  LastPageBut = AddButton("LastPageBut", QStringLiteral("▶|"));
  GoToPageBut = AddButton("GoToPageBut", QStringLiteral("№"));
  MainToolbar->addSeparator();
  ZoomBox = new QComboBox(MainToolbar);
  ZoomBox->setObjectName(QStringLiteral("ZoomBox"));
  ZoomBox->setMaxVisibleItems(12);
  ZoomBox->addItems({QStringLiteral("Страница целиком"), QStringLiteral("По ширине страницы"),
                     QStringLiteral("Вручную"), QStringLiteral("25%"), QStringLiteral("50%"), QStringLiteral("75%"),
                     QStringLiteral("100%"), QStringLiteral("125%"), QStringLiteral("150%"), QStringLiteral("200%"),
                     QStringLiteral("300%"), QStringLiteral("400%")});
  MainToolbar->addWidget(ZoomBox);
  MainToolbar->addSeparator();
  FitPageBut = AddButton("FitPageBut", QStringLiteral("▯"), true);
  FitWidthBut = AddButton("FitWidthBut", QStringLiteral("↔"), true);
  MainToolbar->addSeparator();
  RestoreStartPrintZoomBut = AddButton("RestoreStartPrintZoomBut", QStringLiteral("1:1"));
  ZoomCursorPrintBut = AddButton("ZoomCursorPrintBut", QStringLiteral("P±"), true);
  ZoomCursorBut = AddButton("ZoomCursorBut", QStringLiteral("±"), true);
  HandCursorBut = AddButton("HandCursorBut", QStringLiteral("⇕"), true);
  MainToolbar->addSeparator();
  OnePageBut = AddButton("OnePageBut", QStringLiteral("1"), true);
  TwoPageBut = AddButton("TwoPageBut", QStringLiteral("2"), true);
  MainToolbar->addSeparator();
  HelpBut = AddButton("HelpBut", QStringLiteral("?"));
  MainToolbar->addSeparator();
  CloseBut = AddButton("CloseBut", QStringLiteral("✕"));

  connect(PrintBut, &QToolButton::clicked, this, [this] { PrintButClick(); });
  connect(PageOrientationBut, &QToolButton::clicked, this, [this] { PageOrientationButClick(); });
  connect(FirstPageBut, &QToolButton::clicked, this, [this] {
    ShowPreviewPage(0);
    UpdateNavButtons();
  });
  connect(PrevPageBut, &QToolButton::clicked, this, [this] {
    ShowPreviewPage(CurrentPage - 1);
    UpdateNavButtons();
  });
  connect(NextPageBut, &QToolButton::clicked, this, [this] {
    ShowPreviewPage(CurrentPage + 1);
    UpdateNavButtons();
  });
  connect(LastPageBut, &QToolButton::clicked, this, [this] {
    ShowPreviewPage(PageCount() - 1);
    UpdateNavButtons();
  });
  connect(GoToPageBut, &QToolButton::clicked, this, [this] { GoToPageButClick(); });
  connect(ZoomBox, &QComboBox::activated, this, [this] {
    ZoomBoxChange();
    unsetCursor();
  });
  connect(FitPageBut, &QToolButton::clicked, this, [this] { FitButClick(false); });
  connect(FitWidthBut, &QToolButton::clicked, this, [this] { FitButClick(true); });
  connect(OnePageBut, &QToolButton::clicked, this, [this] { OnePageButMouseUp(); });
  connect(TwoPageBut, &QToolButton::clicked, this, [this] { TwoPageButClick(); });
  connect(RestoreStartPrintZoomBut, &QToolButton::clicked, this, [this] { RestoreStartPrintZoomButClick(); });
  for (QToolButton* tool : {ZoomCursorPrintBut, ZoomCursorBut, HandCursorBut})
    connect(tool, &QToolButton::clicked, this, [this, tool] { SelectTool(tool); });
  connect(HelpBut, &QToolButton::clicked, this, [this] {
    if (host_) host_->PreviewHelp(this);
  });
  connect(CloseBut, &QToolButton::clicked, this, &QDialog::reject);
  connect(MainToolbar, &QToolBar::customContextMenuRequested, this,
          [this](QPoint at) { PopupMenu1->popup(MainToolbar->mapToGlobal(at)); });
}

void TPreviewForm::BuildPages() {
  ScrollBox = new QScrollArea(this);
  ScrollBox->setFrameShape(QFrame::NoFrame);
  ScrollBox->setWidgetResizable(false);
  ContainPanel = new QWidget;
  ContainPanel->setAutoFillBackground(true);
  QPalette containPalette = ContainPanel->palette();
  containPalette.setColor(QPalette::Window, palette().color(QPalette::Dark));
  ContainPanel->setPalette(containPalette);
  ScrollBox->setWidget(ContainPanel);
  for (int i = 0; i < 2; ++i) {
    auto* panel = new QWidget(ContainPanel);
    panel->setAutoFillBackground(true);
    QPalette pagePalette = panel->palette();
    pagePalette.setColor(QPalette::Window, Qt::white);
    panel->setPalette(pagePalette);
    auto* box = new TPaintBox(panel);
    box->setMouseTracking(true);
    auto* boxLayout = new QVBoxLayout(panel);
    boxLayout->setContentsMargins(0, 0, 0, 0);
    boxLayout->addWidget(box);
    box->OnPaint = [this, box, i](QPainter& painter) { PaintPage(painter, box, CurrentPage + i); };
    box->OnMouseDown = [this, box](QMouseEvent* e) { PageMouseDown(box, e); };
    box->OnMouseMove = [this](QMouseEvent* e) { PageMouseMove(e); };
    box->OnMouseUp = [this](QMouseEvent* e) { PageMouseUp(e); };
    (i == 0 ? PagePanel : PagePanel2) = panel;
    (i == 0 ? PB1 : PB2) = box;
  }
  PagePanel2->hide();
  StatusBar = new QStatusBar(this);
  StatusBar->setSizeGripEnabled(false);
  const int widths[] = {125, 150, 150, 50};
  for (int i = 0; i < 4; ++i) {
    Panels[i] = new QLabel(StatusBar);
    Panels[i]->setMinimumWidth(widths[i]);
    if (i == 0) Panels[i]->setAlignment(Qt::AlignCenter);
    StatusBar->addWidget(Panels[i], i == 3 ? 1 : 0);
  }
}

void TPreviewForm::BuildMenu() {
  PopupMenu1 = new QMenu(this);
  QMenu* numbers = PopupMenu1->addMenu(QStringLiteral("Номера страниц"));
  auto* group = new QActionGroup(this);
  PageNumberFormat_strN = numbers->addAction(QStringLiteral("Выводить"));
  PageNumberFormat_none = numbers->addAction(QStringLiteral("Не выводить"));
  for (QAction* a : {PageNumberFormat_strN, PageNumberFormat_none}) {
    a->setCheckable(true);
    group->addAction(a);
  }
  PageNumberFormat_strN->setChecked(true);
  CapionsShow = PopupMenu1->addAction(QStringLiteral("Подписи  к кнопкам"));
  CapionsShow->setCheckable(true);
  PrintBackground = PopupMenu1->addAction(QStringLiteral("Печатать фон"));
  PrintBackground->setCheckable(true);
  PrintBackground->setChecked(true);
  connect(PageNumberFormat_strN, &QAction::triggered, this, [this] { PageNumbersClick(true); });
  connect(PageNumberFormat_none, &QAction::triggered, this, [this] { PageNumbersClick(false); });
  connect(CapionsShow, &QAction::triggered, this, [this] { CapionsShowClick(); });
  connect(PrintBackground, &QAction::triggered, this, [this] { PrintBackgroundClick(); });
}

void TPreviewForm::SetHintsAndCaptions() {
  const struct {
    QToolButton* button;
    const char* hint;
    const char* caption;
  } rows[] = {
      {PrintBut, "Печать", "Печать"},
      {PageOrientationBut, "Ориентация листа", ""},
      {FirstPageBut, "На первую страницу", "Первая станица"},
      {PrevPageBut, "На предыдущую страницу", "Предыдущая страница"},
      {NextPageBut, "На следующую страницу", "Следующая страница"},
      {LastPageBut, "На последнюю страницу", "Последняя страница"},
      {GoToPageBut, "Переход на страницу", "Переход на страницу"},
      {FitPageBut, "Лист целиком", "Лист целиком"},
      {FitWidthBut, "По ширине", "По ширине"},
      {RestoreStartPrintZoomBut, "Восстановить исходный масштаб печати", "Восстановить масштаб"},
      {ZoomCursorPrintBut, "Увеличение/уменьшение масштаба печати", "Масштаб печати"},
      {ZoomCursorBut, "Увеличение/уменьшение масштаба просмотра", "Масштаб просмотра"},
      {HandCursorBut, "Перемещение", "Перемещение"},
      {OnePageBut, "Один лист на странице", "Один лист"},
      {TwoPageBut, "Два листа на странице", "Два листа"},
      {HelpBut, "Помощь", "Помощь"},
      {CloseBut, "Завершить просмотр", "Выход"},
  };
  for (const auto& row : rows) {
    row.button->setToolTip(QString::fromUtf8(row.hint));
    row.button->setText(QString::fromUtf8(row.caption));
  }
  ZoomBox->setToolTip(QStringLiteral("Выбор масштаба отображения документа"));
  const QString pageHint =
      QStringLiteral("Просмотр страницы. Используйте правую/левую кнопку мыши для уменьшения/увеличения.");
  PB1->setToolTip(pageHint);
  PB2->setToolTip(pageHint);
}

int TPreviewForm::PageCount() const { return recorder_ ? recorder_->PageCount() : 0; }
bool TPreviewForm::TwoPages() const { return TwoPageBut->isChecked(); }

void TPreviewForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ShowPreviewPage(0);
  UpdateNavButtons();
  setWindowState(windowState() | Qt::WindowMaximized);
  Layout();
}

void TPreviewForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (!failed_) Layout();
}

void TPreviewForm::ShowPreviewPage(int n) {
  CurrentPage = std::max(0, n);
  Panels[0]->setText(QStringLiteral("Страница %1 из %2").arg(CurrentPage + 1).arg(PageCount()));
  PB1->update();
  PB2->update();
}

void TPreviewForm::UpdateNavButtons() {
  const int count = PageCount();
  NextPageBut->setEnabled(CurrentPage + 1 < count);
  LastPageBut->setEnabled(CurrentPage + 1 < count);
  PrevPageBut->setEnabled(CurrentPage > 0);
  FirstPageBut->setEnabled(CurrentPage > 0);
  GoToPageBut->setEnabled(count > 1);
  if (count == 1) {
    TwoPageBut->setEnabled(false);
    TwoPageBut->setChecked(false);
    OnePageBut->setChecked(true);
    Layout();
  } else {
    TwoPageBut->setEnabled(true);
  }
}

void TPreviewForm::Layout() {
  if (!OnePageBut->isChecked() && !TwoPageBut->isChecked()) OnePageBut->setChecked(true);
  if (ZoomBox->currentIndex() < 0) ZoomBox->setCurrentIndex(0);
  const int index = ZoomBox->currentIndex();
  if (!TwoPageBut->isChecked()) {
    FitPageBut->setChecked(index == 0);
    FitWidthBut->setChecked(index == 1);
  }
  recorder_->ReadPrinterCaps(metrics_);
  const double ppi = logicalDpiX();
  const QSize client = ScrollBox->viewport()->size();
  const double paperInchesH = double(metrics_.paperHeight) / metrics_.resolutionY;
  const double paperInchesW = double(metrics_.paperWidth) / metrics_.resolutionX;
  const double widthZoom = (client.width() - 20) / ppi / paperInchesW;
  double zoom = 1;
  if (index == 0)
    zoom = std::min((client.height() - 20) / ppi / paperInchesH, widthZoom);
  else if (index == 1)
    zoom = widthZoom;
  else if (index == 2)
    zoom = ViewZoom;
  else if (index >= 3 && index <= 11)
    zoom = kZooms[index - 3];
  if (index == 0 || index == 1) {
    OnePageBut->setChecked(true);
    TwoPageBut->setChecked(false);
  }
  zoom = std::max(zoom, 0.01);

  const bool two = TwoPageBut->isChecked();
  const int pageH = static_cast<int>(std::lround(ppi * zoom * paperInchesH));
  const int pageW = static_cast<int>(std::lround(ppi * zoom * paperInchesW));
  PagePanel->resize(pageW, pageH);
  PagePanel2->setVisible(two);
  if (two) PagePanel2->resize(pageW, pageH);
  const int content = pageW + 20 + (two ? pageW + 20 : 0);
  const int containH = std::max(pageH + 20, client.height() - 1);
  const int containW = std::max(content, client.width() - 1);
  ContainPanel->resize(containW, containH);
  const int top = pageH + 20 < containH ? containH / 2 - pageH / 2 : 10;
  const int left = content < containW ? containW / 2 - (content - 20) / 2 : 10;
  PagePanel->move(left, top);
  PagePanel2->move(left + pageW + 20, top);

  ViewZoom = zoom;
  Panels[1]->setText(Percent(QStringLiteral(" Масштаб просмотра: "), zoom));
  Panels[2]->setText(Percent(QStringLiteral(" Масштаб печати: "), PrintScale));
}

bool TPreviewForm::Reformat(bool withStatus) {
  if (!withStatus) {
    viewer_->PrintPreview(*recorder_, PrintScale);
    return false;
  }
  const std::vector<QPicture> before = recorder_->Snapshot();
  TPrnStatusForm status(this);
  const bool cancelled = status.RunFormatting(viewer_, recorder_.get(), PrintScale);
  if (cancelled && !before.empty()) recorder_->Restore(before);
  return cancelled;
}

void TPreviewForm::ClampPage() {
  if (CurrentPage >= PageCount()) CurrentPage = std::max(0, PageCount() - 1);
}

void TPreviewForm::AfterReformat() {
  Layout();
  ClampPage();
  ShowPreviewPage(CurrentPage);
  UpdateNavButtons();
}

void TPreviewForm::PaintPage(QPainter& painter, TPaintBox* box, int page) {
  if (page >= PageCount() || (box == PB2 && !TwoPageBut->isChecked())) return;
  if (metrics_.paperWidth <= 0 || metrics_.paperHeight <= 0) return;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(double(box->width()) / metrics_.paperWidth, double(box->height()) / metrics_.paperHeight);
  painter.translate(metrics_.offsetX, metrics_.offsetY);
  painter.drawPicture(0, 0, recorder_->Page(page));
}

QSize TPreviewForm::Area(double scale) {
  TPrinterMetrics metrics;
  recorder_->ReadPrinterCaps(metrics);
  return PrintArea(metrics, scale, viewer_->logicalDpiY());
}

double TPreviewForm::FitPictureToPage(int w, int h) {
  double scale = 1;
  if (w == 0 || h == 0) return 1;
  bool checkHeight = true;  // else the width is checked last
  if (recorder_->PageOrientation() == TOrientation::Landscape) {
    if (h < w) {
      const QSize area = Area(1);
      if (area.width() < w) scale = double(area.width()) / w;
      checkHeight = true;
    } else {
      if (Area(1).height() >= h) return 1;
      recorder_->SetPageOrientation(TOrientation::Portrait);
      const QSize area = Area(1);
      if (area.height() < h) scale = double(area.height()) / h;
      checkHeight = false;
    }
  } else if (h < w) {
    if (Area(1).width() < w) {
      recorder_->SetPageOrientation(TOrientation::Landscape);
      scale = double(Area(1).width()) / w;
    }
    checkHeight = true;
  } else {
    const QSize area = Area(1);
    if (area.height() >= h) return 1;
    scale = double(area.height()) / h;
    checkHeight = false;
  }
  const QSize scaled = Area(scale);
  if (checkHeight && scaled.height() < h) scale = double(Area(1).height()) / h;
  if (!checkHeight && scaled.width() < w) scale = double(Area(1).width()) / w;
  return scale;
}

void TPreviewForm::PageOrientationButClick() {
  recorder_->SetPageOrientation(PageOrientationBut->isChecked() ? TOrientation::Landscape : TOrientation::Portrait);
  PageOrientationBut->setChecked(recorder_->PageOrientation() == TOrientation::Landscape);
  if (!Reformat(true)) AfterReformat();
}

void TPreviewForm::GoToPageButClick() {
  TGoPageForm form(this);
  form.PageNum->setMaximum(PageCount());
  form.PageNum->setValue(CurrentPage + 1);
  if (form.exec() == QDialog::Accepted) {
    const int v = form.PageNum->value();
    ShowPreviewPage(v >= 1 ? std::min(v, PageCount()) - 1 : 0);
  }
  UpdateNavButtons();
}

void TPreviewForm::ZoomBoxChange() {
  Layout();
  Layout();
}

void TPreviewForm::FitButClick(bool width) {
  FitPageBut->setChecked(!width);
  FitWidthBut->setChecked(width);
  TwoPageBut->setChecked(false);
  ZoomBox->setCurrentIndex(width ? 1 : 0);
  Layout();
  Layout();
}

void TPreviewForm::OnePageButMouseUp() {
  TwoPageBut->setChecked(false);
  FitWidthBut->setChecked(false);
  OnePageBut->setChecked(true);
  ZoomBox->setCurrentIndex(0);
  Layout();
}

void TPreviewForm::TwoPageButClick() {
  ZoomBox->setCurrentIndex(2);
  Layout();
  Layout();
  FitPageBut->setChecked(false);
  FitWidthBut->setChecked(false);
  OnePageBut->setChecked(false);
  TwoPageBut->setChecked(true);
  Layout();
  PB2->update();
}

void TPreviewForm::RestoreStartPrintZoomButClick() {
  PrintScale = StartPrintScale;
  Reformat(true);
  AfterReformat();
}

void TPreviewForm::SelectTool(QToolButton* tool) {
  for (QToolButton* t : {ZoomCursorPrintBut, ZoomCursorBut, HandCursorBut}) t->setChecked(t == tool);
  ToolCursor();
}

void TPreviewForm::ToolCursor() {
  const QCursor cursor = PreviewCursor(HandCursorBut->isChecked() ? HandOpened : Zoom);
  PB1->setCursor(cursor);
  PB2->setCursor(cursor);
}

void TPreviewForm::PageNumbersClick(bool on) {
  recorder_->SetShowPageNumbers(on);
  Reformat(true);
  ShowPreviewPage(CurrentPage);
  Layout();
}

void TPreviewForm::CapionsShowClick() {
  const bool shown = CapionsShow->isChecked();
  for (QToolButton* b : MainToolbar->findChildren<QToolButton*>()) {
    if (b->objectName().isEmpty()) continue;
    b->setToolButtonStyle(shown ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    if (shown) {
      b->setMinimumSize(0, 0);
      b->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
      b->setFixedSize(23, 22);
    }
  }
  PageOrientationBut->setText(shown ? QStringLiteral("Ориентация листа") : QString());
  if (shown) PageOrientationBut->setFixedWidth(125);
  setMinimumSize(shown ? 300 : 250, shown ? 600 : 300);
  Layout();
}

void TPreviewForm::PrintBackgroundClick() {
  viewer_->PrintTableBackground = PrintBackground->isChecked();
  if (!Reformat(true)) AfterReformat();
}

void TPreviewForm::PageMouseDown(TPaintBox* box, QMouseEvent* event) {
  if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
  const bool left = event->buttons() & Qt::LeftButton;
  const bool right = event->buttons() & Qt::RightButton;
  if (ZoomCursorPrintBut->isChecked()) {
    const float before = PrintScale;
    if (left && PrintScale < 3)
      PrintScale *= 1.1f;
    else if (right && PrintScale > 0.05f)
      PrintScale /= 1.1f;
    if (PrintScale != before && !Reformat(true)) AfterReformat();
  } else if (ZoomCursorBut->isChecked()) {
    const QSize old = PagePanel->size();
    if (left && ViewZoom < 20)
      ViewZoom *= 1.25;
    else if (right && ViewZoom > 0.1)
      ViewZoom /= 1.25;
    ZoomBox->setCurrentIndex(2);
    Layout();
    QPoint at = event->position().toPoint();
    if (box == PB2) at += PagePanel2->pos() - PagePanel->pos();
    const int x =
        old.width() > 0 ? static_cast<int>(std::lround(double(PagePanel->width()) * at.x() / old.width())) : 0;
    const int y =
        old.height() > 0 ? static_cast<int>(std::lround(double(PagePanel->height()) * at.y() / old.height())) : 0;
    ScrollBox->horizontalScrollBar()->setValue(x - ScrollBox->width() / 2);
    ScrollBox->verticalScrollBar()->setValue(y - ScrollBox->height() / 2);
  } else if (HandCursorBut->isChecked()) {
    PB1->setCursor(PreviewCursor(HandClosed));
    PB2->setCursor(PreviewCursor(HandClosed));
    dragging_ = true;
    dragStart_ = event->position().toPoint();
    return;
  }
  const QCursor cursor = PreviewCursor(right ? ZoomOut : ZoomIn);
  if (!HandCursorBut->isChecked()) {
    PB1->setCursor(cursor);
    PB2->setCursor(cursor);
  }
}

void TPreviewForm::PageMouseMove(QMouseEvent* event) {
  if (dragging_) {
    const QPoint delta = dragStart_ - event->position().toPoint();
    ScrollBox->horizontalScrollBar()->setValue(ScrollBox->horizontalScrollBar()->value() + delta.x());
    ScrollBox->verticalScrollBar()->setValue(ScrollBox->verticalScrollBar()->value() + delta.y());
  } else if (event->buttons() == Qt::NoButton) {
    ToolCursor();
  }
}

void TPreviewForm::PageMouseUp(QMouseEvent*) {
  dragging_ = false;
  ToolCursor();
}

bool TPreviewForm::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || (widget != this && !isAncestorOf(widget))) return false;
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    return FormKeyDown(key->key(), key->modifiers());
  }
  if (event->type() == QEvent::Enter || event->type() == QEvent::ToolTip) {
    if (!widget->toolTip().isEmpty()) Panels[3]->setText(QStringLiteral(" ") + widget->toolTip());
  }
  return false;
}

bool TPreviewForm::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers mods = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  const auto page = [this](int n) {
    ShowPreviewPage(n);
    UpdateNavButtons();
  };
  const auto scroll = [](QScrollBar* bar, int by) {
    if (bar->isVisible()) bar->setValue(bar->value() + by);
  };
  switch (key) {
    case Qt::Key_Escape: reject(); return true;
    case Qt::Key_PageUp:
      if (CurrentPage > 0) page(CurrentPage - 1);
      return true;
    case Qt::Key_PageDown:
      if (CurrentPage + 1 < PageCount()) page(CurrentPage + 1);
      return true;
    case Qt::Key_End: page(std::max(0, PageCount() - 1)); return true;
    case Qt::Key_Home: page(0); return true;
    case Qt::Key_Left: scroll(ScrollBox->horizontalScrollBar(), -10); return true;
    case Qt::Key_Right: scroll(ScrollBox->horizontalScrollBar(), 10); return true;
    case Qt::Key_Up: scroll(ScrollBox->verticalScrollBar(), -10); return true;
    case Qt::Key_Down: scroll(ScrollBox->verticalScrollBar(), 10); return true;
    case Qt::Key_P:
      if (mods != Qt::ControlModifier) return false;
      PrintButClick();
      return true;
    case Qt::Key_F1:
      if (host_) host_->PreviewHelp(this);
      return true;
    default: return false;
  }
}

QString TPreviewForm::AskPdfFile() {
  if (Global.Unattended && !Global.PrintTo.isEmpty()) {
    Global.DialogsAnswered << QStringLiteral("Сохранить как PDF");
    return Global.PrintTo;
  }
  QString title = viewer_->DocumentTitle().trimmed();
  if (title.isEmpty()) title = FromCp1251(WithoutExtension(FileNamePart(viewer_->CurrentFile())));
  if (title.isEmpty()) title = QStringLiteral("Документ");
  title.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  return Dialogs::SaveFileName(this, QStringLiteral("Сохранить как PDF"), QDir(folder).filePath(title + ".pdf"),
                               QStringLiteral("PDF (*.pdf)"));
}

void TPreviewForm::PrintButClick() {
  TPrinterMetrics metrics;
  if (!recorder_->ReadPrinterCaps(metrics)) {
    Dialogs::Message(this, QMessageBox::Warning, windowTitle(), QStringLiteral("Принтер не доступен!"));
    return;
  }
  TPrintDialog dialog(this, PageCount());
  TPrintChoice choice;
  if (!dialog.Execute(choice)) return;
  if (!choice.printer.isEmpty()) Printers::Select(choice.printer);
  PrintPages(choice.fromPage, choice.toPage);
}

bool TPreviewForm::PrintPages(int fromPage, int toPage) {
  QPrinter* printer = Printers::Current();
  if (printer && Printers::IsPdf(*printer)) {
    const QString file = AskPdfFile();
    if (file.isEmpty()) return true;
    recorder_->SetOutputFile(file);
    lastPdfFile_ = file;
  }
  bool failed = false;
  try {
    TPrnStatusForm status(this);
    status.RunPrinting(viewer_, recorder_.get(), PrintScale, fromPage, toPage, failed);
  } catch (const std::exception& e) {
    qCWarning(lcErrors) << "printing:" << e.what();
    failed = true;
  }
  if (failed) Dialogs::Message(this, QMessageBox::Warning, windowTitle(), QStringLiteral("Принтер не доступен!"));
  return !failed;
}

bool TPreviewForm::ClickTool(const QString& name, QString& error) {
  auto* button = findChild<QToolButton*>(name);
  if (!button) {
    error = QStringLiteral("the preview has no tool button %1").arg(name);
    return false;
  }
  if (!button->isEnabled()) {
    error = QStringLiteral("the preview's %1 is disabled").arg(name);
    return false;
  }
  button->click();
  return true;
}

bool TPreviewForm::PickZoom(int index, QString& error) {
  if (index < 0 || index >= ZoomBox->count()) {
    error = QStringLiteral("the zoom box has no entry %1").arg(index);
    return false;
  }
  ZoomBox->setCurrentIndex(index);
  Q_EMIT ZoomBox->activated(index);
  return true;
}

QJsonObject TPreviewForm::StateForDump() const {
  return QJsonObject{{"open", isVisible()},
                     {"pages", PageCount()},
                     {"currentPage", CurrentPage},
                     {"viewZoom", ViewZoom},
                     {"printScale", PrintScale},
                     {"orientation", recorder_ && recorder_->PageOrientation() == TOrientation::Landscape
                                         ? QStringLiteral("landscape")
                                         : QStringLiteral("portrait")},
                     {"pageNumbers", recorder_ && recorder_->ShowPageNumbers()},
                     {"twoPages", TwoPageBut->isChecked()},
                     {"pdfFile", lastPdfFile_}};
}
