#include "document/FontForm.h"

#include "document/ColorNames.h"
#include "html/HTMLViewer.h"
#include "platform/Cp1251.h"
#include "widgets/ColorGrid.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextBrowser>

namespace {

const QString kDefaultFont = QStringLiteral("Arial");
constexpr int kMaxColorText = 80;

const QString kSample = QStringLiteral(
    "<center><h1>Заголовок</h1></center><ul>Нормальный текст<li><a href=NoWhere>Ссылка</a><li><b>Жирный "
    "текст</b><li><i>Наклонный текст</i><li><code>Текст кода</code></ul> <hr>");

QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

TFontForm::TFontForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FontForm"));
  setWindowTitle(QStringLiteral("Шрифт"));
  setFont(QFont(kDefaultFont));

  FontListBox = new QListWidget(this);
  FontListBox->setObjectName(QStringLiteral("FontListBox"));
  FontListBox->setSortingEnabled(true);
  BackListBox = new QListWidget(this);
  BackListBox->setObjectName(QStringLiteral("BackListBox"));
  FontColorGrid = new TColorGrid(this);
  FontColorGrid->setObjectName(QStringLiteral("FontColorGrid"));
  HotSpotColorGrid = new TColorGrid(this);
  HotSpotColorGrid->setObjectName(QStringLiteral("HotSpotColorGrid"));
  FontSizeEdit = new QSpinBox(this);
  FontSizeEdit->setObjectName(QStringLiteral("FontSizeEdit"));
  FontSizeEdit->setRange(kMinSize, kMaxSize);
  FontViewer = new THTMLViewer(this);
  FontViewer->setObjectName(QStringLiteral("FontViewer"));
  FontViewer->SetViewImages(false);
  FontViewer->Browser()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FontViewer->Browser()->setTextInteractionFlags(Qt::NoTextInteraction);
  FontViewer->Browser()->setFrameShape(QFrame::Box);
  OKButton = new QPushButton(QStringLiteral("O&K"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setDefault(true);
  Cancel = new QPushButton(QStringLiteral("Отмена"), this);
  Cancel->setObjectName(QStringLiteral("Cancel"));
  ResetButton = new QPushButton(QStringLiteral("&Сброс"), this);
  ResetButton->setObjectName(QStringLiteral("ResetButton"));
  ResetButton->setAutoDefault(false);
  Cancel->setAutoDefault(false);

  auto* grid = new QGridLayout(this);
  grid->addWidget(Label(QStringLiteral("&Шрифт"), FontListBox, this), 0, 0);
  grid->addWidget(FontListBox, 1, 0, 4, 1);
  grid->addWidget(Label(QStringLiteral("Цвет &текста"), FontColorGrid, this), 0, 1);
  grid->addWidget(FontColorGrid, 1, 1, Qt::AlignTop);
  grid->addWidget(Label(QStringLiteral("Цвет &ссылки"), HotSpotColorGrid, this), 0, 2);
  grid->addWidget(HotSpotColorGrid, 1, 2, Qt::AlignTop);
  grid->addWidget(Label(QStringLiteral("&Размер"), FontSizeEdit, this), 2, 1);
  grid->addWidget(FontSizeEdit, 3, 1);
  grid->addWidget(Label(QStringLiteral("&Цвет фона"), BackListBox, this), 0, 3);
  grid->addWidget(BackListBox, 1, 3, 4, 1);
  grid->addWidget(FontViewer, 5, 0, 1, 4);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ResetButton);
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addWidget(Cancel);
  grid->addLayout(buttons, 6, 0, 1, 4);
  grid->setRowStretch(4, 1);
  grid->setRowMinimumHeight(5, 150);
  FontListBox->setMinimumWidth(170);
  BackListBox->setMinimumWidth(130);
  resize(560, 420);

  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(ResetButton, &QPushButton::clicked, this, &TFontForm::ResetButtonClick);
  FontColorGrid->OnChange = [this] { SetFontColor(FontColorGrid->Selected()); };
  HotSpotColorGrid->OnChange = [this] { SetLinkColor(HotSpotColorGrid->Selected()); };
  connect(FontListBox, &QListWidget::currentRowChanged, this, [this] { ListBoxClicks(FontListBox); });
  connect(BackListBox, &QListWidget::currentRowChanged, this, [this] { ListBoxClicks(BackListBox); });
  connect(FontSizeEdit, &QSpinBox::valueChanged, this, [this] { ListBoxClicks(FontSizeEdit); });
  FormCreate();
}

void TFontForm::FormCreate() {
  const QSignalBlocker blockFonts(FontListBox);
  const QSignalBlocker blockColours(BackListBox);
  FontListBox->addItems(QFontDatabase::families());
  for (const TNamedColor& named : BackgroundColorNames()) BackListBox->addItem(QString::fromLatin1(named.name));
  LoadSample();
}

void TFontForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TFontForm::FormShow() {
  OKButton->setFocus();
  shown_ = {GetFontName(), fontColor_, linkColor_, GetBackground(), fontSize_};
}

void TFontForm::ResetButtonClick() {
  SetFontName(shown_.fontName);
  SetFontSize(shown_.fontSize);
  SetFontColor(shown_.fontColor);
  SetLinkColor(shown_.linkColor);
  SetBackground(shown_.background);
}

void TFontForm::ListBoxClicks(QObject* sender) {
  if (sender == FontListBox) {
    if (const QListWidgetItem* item = FontListBox->currentItem()) SetFontName(item->text());
  } else if (sender == BackListBox) {
    SetBackground(GetBackground());
  } else if (sender == FontSizeEdit) {
    SetFontSize(FontSizeEdit->value());
  }
}

void TFontForm::LoadSample() { FontViewer->LoadFromBuffer(ToCp1251(kSample)); }

void TFontForm::SetFontName(const QString& name) {
  {
    const QSignalBlocker block(FontListBox);
    QList<QListWidgetItem*> found = FontListBox->findItems(name, Qt::MatchFixedString);
    if (found.isEmpty()) found = FontListBox->findItems(kDefaultFont, Qt::MatchFixedString);
    if (found.isEmpty()) {
      FontListBox->setCurrentRow(-1);
    } else {
      FontListBox->setCurrentItem(found.front());
      FontListBox->scrollToItem(found.front());
    }
  }
  // A font the system lacks stays the page's default: the engine finds a substitute.
  FontViewer->SetDefFontName(name);
  LoadSample();
}

QString TFontForm::GetFontName() const {
  const QListWidgetItem* item = FontListBox->currentItem();
  return item ? item->text() : kDefaultFont;
}

void TFontForm::SetFontColor(TColor color) {
  FontViewer->SetDefFontColor(color);
  fontColor_ = color;
  FontColorGrid->SetMarkerShown(false);
  LoadSample();
}

void TFontForm::SetLinkColor(TColor color) {
  FontViewer->SetDefHotSpotColor(color);
  linkColor_ = color;
  HotSpotColorGrid->SetMarkerShown(false);
  LoadSample();
}

void TFontForm::SetFontSize(int size) {
  FontViewer->SetDefFontSize(size);
  fontSize_ = size;
  {
    const QSignalBlocker block(FontSizeEdit);
    FontSizeEdit->setValue(size);
  }
  LoadSample();
}

void TFontForm::SetBackground(TColor color) {
  const QString text = QString::fromLatin1(ColorToText(color)).left(kMaxColorText);
  {
    const QSignalBlocker block(BackListBox);
    QList<QListWidgetItem*> found = BackListBox->findItems(text, Qt::MatchExactly);
    if (found.isEmpty()) {
      BackListBox->addItem(text);
      found = BackListBox->findItems(text, Qt::MatchExactly);
    }
    BackListBox->setCurrentItem(found.front());
    BackListBox->scrollToItem(found.front());
  }
  FontViewer->SetDefBackground(color);
  LoadSample();
}

TColor TFontForm::GetBackground() const {
  const QListWidgetItem* item = BackListBox->currentItem();
  if (!item) return kButtonFaceColor;
  return TextToColor(item->text().toStdString()).value_or(kButtonFaceColor);
}
