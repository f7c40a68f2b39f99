#include "windows/FormOptions.h"

#include "app/SecondsText.h"
#include "app/Settings.h"
#include "platform/Globals.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>

namespace {

constexpr QSize kClientSize(401, 277);

template <typename Control>
Control* Place(Control* control, const char* name, QPoint at) {
  control->setObjectName(QString::fromLatin1(name));
  control->move(at);
  control->adjustSize();
  return control;
}

bool ParseFlag(const QString& value, bool& on) {
  const QString v = value.toLower();
  if (v == u"1" || v == u"true" || v == u"on")
    on = true;
  else if (v == u"0" || v == u"false" || v == u"off")
    on = false;
  else
    return false;
  return true;
}

}  // namespace

TFormOptions::TFormOptions(QWidget* owner, bool slideAreas)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      slideAreas_(slideAreas) {
  setObjectName(QStringLiteral("FormOptions"));
  setWindowTitle(QStringLiteral("Настройки"));
  setModal(false);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSize(8);
  setFont(font);
  setFixedSize(kClientSize);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->setGeometry(0, 0, 401, 217);
  CreateMainPage();
  CreatePicturesPage();

  ButtonOK = new QPushButton(QStringLiteral("OK"), this);
  ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
  ButtonOK->setGeometry(184, 236, 75, 25);
  ButtonOK->setDefault(true);
  ButtonCancel = new QPushButton(QStringLiteral("Отмена"), this);
  ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
  ButtonCancel->setGeometry(288, 236, 75, 25);
  connect(ButtonOK, &QPushButton::clicked, this, &TFormOptions::ButtonOKClick);
  connect(ButtonCancel, &QPushButton::clicked, this, &TFormOptions::ButtonCancelClick);
  connect(Button1, &QPushButton::clicked, this, &TFormOptions::Button1Click);
  connect(TrackBarSlideShow, &QSlider::valueChanged, this, &TFormOptions::TrackBarSlideShowChange);

  // FormCreate
  PageControl1->setCurrentWidget(TabSheetMain);
  if (!slideAreas_) PageControl1->setTabVisible(PageControl1->indexOf(TabSheetPictures), false);
  ReadReaderOptions(slideAreas_);
}

void TFormOptions::CreateMainPage() {
  TabSheetMain = new QWidget;
  TabSheetMain->setObjectName(QStringLiteral("TabSheetMain"));
  PageControl1->addTab(TabSheetMain, QStringLiteral("Основные"));
  auto* box = new QGroupBox(TabSheetMain);
  box->setObjectName(QStringLiteral("GroupBox1"));
  box->setGeometry(4, 4, 385, 181);

  RadioGroup1 = new QGroupBox(QStringLiteral(" Вариант интерфейса "), box);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  RadioGroup1->setGeometry(16, 16, 185, 129);
  // Placed over the frame, as the frame's own items would lie.
  RBInerf1 = Place(new QRadioButton(QStringLiteral("Автоматический выбор"), box), "RBInerf1", {32, 40});
  RBInerf2 = Place(new QRadioButton(QStringLiteral("800x600"), box), "RBInerf2", {32, 64});
  RBInerf3 = Place(new QRadioButton(QStringLiteral("1024x768"), box), "RBInerf3", {32, 88});
  RBInerf4 = Place(new QRadioButton(QStringLiteral("Произвольный"), box), "RBInerf4", {32, 112});
  RBInerf1->setChecked(true);

  Button1 = new QPushButton(QStringLiteral("Шрифт"), box);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(272, 24, 75, 25);

  CheckBoxWav = Place(new QCheckBox(QStringLiteral("Озвучка кнопок"), box), "CheckBoxWav", {28, 156});
  CheckBoxWav->setEnabled(false);
  // Kept for the settings they show; the reader never sees them.
  CheckBoxClip = Place(new QCheckBox(QStringLiteral("Клип при запуске"), box), "CheckBoxClip", {220, 96});
  CheckBoxClip->setEnabled(false);
  CheckBoxBGSound = Place(new QCheckBox(QStringLiteral("Фоновая музыка"), box), "CheckBoxBGSound", {220, 116});
  CheckBoxBGSound->setEnabled(false);
  CheckBoxAnimation = Place(new QCheckBox(QStringLiteral("Анимация окон"), box), "CheckBoxAnimation", {220, 136});
  CheckBoxHint = Place(new QCheckBox(QStringLiteral("Всплывающие подсказки"), box), "CheckBoxHint", {220, 156});
  for (QCheckBox* hidden : {CheckBoxClip, CheckBoxBGSound, CheckBoxAnimation, CheckBoxHint}) hidden->hide();
}

void TFormOptions::CreatePicturesPage() {
  TabSheetPictures = new QWidget;
  TabSheetPictures->setObjectName(QStringLiteral("TabSheetPictures"));
  PageControl1->addTab(TabSheetPictures, QStringLiteral("Картинки"));

  CheckBoxRunSlideShow =
      Place(new QCheckBox(QStringLiteral("Включить Слайд-шоу"), TabSheetPictures), "CheckBoxRunSlideShow", {28, 28});
  TrackBarSlideShow = new QSlider(Qt::Horizontal, TabSheetPictures);
  TrackBarSlideShow->setObjectName(QStringLiteral("TrackBarSlideShow"));
  TrackBarSlideShow->setGeometry(20, 64, 154, 29);
  TrackBarSlideShow->setRange(1, 10);
  TrackBarSlideShow->setSingleStep(1);
  TrackBarSlideShow->setPageStep(1);
  TrackBarSlideShow->setTickPosition(QSlider::TicksBothSides);
  TrackBarSlideShow->setTickInterval(1);
  LabelTimeSlideShow = Place(new QLabel(TabSheetPictures), "LabelTimeSlideShow", {28, 108});

  RadioGroupImageSequence = new QGroupBox(QStringLiteral(" Последовательность "), TabSheetPictures);
  RadioGroupImageSequence->setObjectName(QStringLiteral("RadioGroupImageSequence"));
  RadioGroupImageSequence->setGeometry(192, 12, 185, 121);
  imageSequence_ = new QButtonGroup(this);
  int top = 24;
  for (const char16_t* item : {u"Прямая", u"Обратная"}) {
    auto* button = new QRadioButton(QString::fromUtf16(item), RadioGroupImageSequence);
    button->move(12, top);
    button->adjustSize();
    imageSequence_->addButton(button, imageSequence_->buttons().size());
    top += 24;
  }
}

int TFormOptions::ImageSequenceIndex() const { return imageSequence_->checkedId(); }

// A stored order other than the two listed (random) selects neither item.
void TFormOptions::SelectImageSequence(int index) {
  imageSequence_->setExclusive(false);
  for (QAbstractButton* button : imageSequence_->buttons()) button->setChecked(imageSequence_->id(button) == index);
  imageSequence_->setExclusive(true);
}

void TFormOptions::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TFormOptions::FormShow() {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  ButtonOK->setFocus();
  const TReaderOptions& o = Global.Options;
  if (CheckBoxClip->isEnabled()) CheckBoxClip->setChecked(o.Clip);
  if (CheckBoxWav->isEnabled()) CheckBoxWav->setChecked(o.Wav);
  CheckBoxBGSound->setChecked(o.BGSound);
  CheckBoxAnimation->setChecked(o.Animation);
  CheckBoxHint->setChecked(o.Hint);
  QRadioButton* const choices[] = {RBInerf1, RBInerf2, RBInerf3, RBInerf4};
  if (o.SizeInterface >= 0 && o.SizeInterface <= 3) choices[o.SizeInterface]->setChecked(true);
  CheckBoxRunSlideShow->setChecked(o.RunSlideShow);
  TrackBarSlideShow->setValue(o.SlideShowTime);  // kept within 1 ... 10 by the track bar
  TrackBarSlideShowChange();
  SelectImageSequence(o.ImageSequence);
}

void TFormOptions::TrackBarSlideShowChange() {
  LabelTimeSlideShow->setText(SecondsText(TrackBarSlideShow->value()));
  LabelTimeSlideShow->adjustSize();
}

void TFormOptions::Button1Click() {
  if (OnChooseFont) OnChooseFont();
}

void TFormOptions::ButtonCancelClick() { hide(); }

void TFormOptions::reject() { ButtonCancelClick(); }

void TFormOptions::ButtonOKClick() {
  hide();
  TBookSettings settings;
  TReaderOptions& o = Global.Options;
  // A check box the build left disabled never showed its setting: it changes nothing.
  auto toggle = [&](const QCheckBox* box, bool& setting, const Settings::TInteger& value) {
    if (!box->isEnabled() || box->isChecked() == setting) return false;
    setting = !setting;
    settings.Write(value, setting ? 1 : 0);
    return true;
  };
  toggle(CheckBoxClip, o.Clip, Settings::Clip);
  toggle(CheckBoxWav, o.Wav, Settings::Wav);

  const QRadioButton* choices[] = {RBInerf1, RBInerf2, RBInerf3, RBInerf4};
  for (int i = 0; i < 4; ++i)
    if (choices[i]->isChecked()) {
      o.SizeInterface = i;
      break;
    }
  settings.Write(Settings::SizeInterface, o.SizeInterface);

  if (!slideAreas_) return;
  bool slidesChanged = toggle(CheckBoxRunSlideShow, o.RunSlideShow, Settings::RunSlideShow);
  if (TrackBarSlideShow->value() != o.SlideShowTime) {
    o.SlideShowTime = TrackBarSlideShow->value();
    settings.Write(Settings::SlideShowTime, o.SlideShowTime);
    slidesChanged = true;
  }
  if (const int sequence = ImageSequenceIndex(); sequence >= 0 && sequence != o.ImageSequence) {
    o.ImageSequence = sequence;
    settings.Write(Settings::ImageSequence, sequence);
  }
  if (slidesChanged && OnSlideShowChanged) OnSlideShowChanged();
}

bool TFormOptions::SetControl(const QString& name, const QString& value, QString& error) {
  QWidget* control = findChild<QWidget*>(name);
  if (!control) {
    error = QStringLiteral("the settings dialog has no control %1").arg(name);
    return false;
  }
  bool ok = false;
  if (auto* box = qobject_cast<QAbstractButton*>(control)) {
    bool on = false;
    ok = box->isCheckable() && ParseFlag(value, on);
    if (ok) box->setChecked(on);
  } else if (control == TrackBarSlideShow) {
    const int position = value.toInt(&ok);
    if (ok) TrackBarSlideShow->setValue(position);
  } else if (control == RadioGroupImageSequence) {
    const int index = value.toInt(&ok);
    ok = ok && index >= -1 && index < imageSequence_->buttons().size();
    if (ok) SelectImageSequence(index);
  }
  if (!ok) error = QStringLiteral("cannot set %1 to \"%2\"").arg(name, value);
  return ok;
}

QJsonObject TFormOptions::SettingsForDump() {
  const TReaderOptions& o = Global.Options;
  return {{Settings::Clip.name, o.Clip},
          {Settings::Wav.name, o.Wav},
          {Settings::BGSound.name, o.BGSound},
          {Settings::Animation.name, o.Animation},
          {Settings::Hint.name, o.Hint},
          {Settings::SizeInterface.name, o.SizeInterface},
          {Settings::RunSlideShow.name, o.RunSlideShow},
          {Settings::SlideShowTime.name, o.SlideShowTime},
          {Settings::ImageSequence.name, o.ImageSequence}};
}
