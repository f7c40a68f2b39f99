#pragma once
// The settings dialog and the keeper of the reader's settings: it reads them into
// Global.Options when the main window's build creates it, shows them in a small tabbed dialog
// and writes what the reader changed when the dialog is closed with OK. Modeless; closing it
// only hides it.

#include <QDialog>
#include <QJsonObject>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;

class TFormOptions : public QDialog {
  Q_OBJECT
 public:
  // Reads the settings; the picture page and the slide values only with slide areas.
  TFormOptions(QWidget* owner, bool slideAreas);

  void FormShow();
  void ButtonOKClick();
  void ButtonCancelClick();
  void TrackBarSlideShowChange();
  void Button1Click();

  // "Шрифт": the viewer appearance dialog.
  std::function<void()> OnChooseFont;
  // OK switched the slide show on or off, or gave it another interval.
  std::function<void()> OnSlideShowChanged;

  bool SlideAreas() const { return slideAreas_; }

  // Scripted runs: sets the control named `name` (a check box or radio button to "1"/"0",
  // the track bar or the sequence group to a number); false with `error` set when it cannot.
  bool SetControl(const QString& name, const QString& value, QString& error);

  // Every setting in memory, by its name in the book's settings.
  static QJsonObject SettingsForDump();

  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheetMain = nullptr;
  QWidget* TabSheetPictures = nullptr;
  QPushButton* ButtonOK = nullptr;
  QPushButton* ButtonCancel = nullptr;
  QGroupBox* RadioGroup1 = nullptr;
  QRadioButton* RBInerf1 = nullptr;
  QRadioButton* RBInerf2 = nullptr;
  QRadioButton* RBInerf3 = nullptr;
  QRadioButton* RBInerf4 = nullptr;
  QPushButton* Button1 = nullptr;
  QCheckBox* CheckBoxWav = nullptr;
  QCheckBox* CheckBoxClip = nullptr;
  QCheckBox* CheckBoxBGSound = nullptr;
  QCheckBox* CheckBoxAnimation = nullptr;
  QCheckBox* CheckBoxHint = nullptr;
  QCheckBox* CheckBoxRunSlideShow = nullptr;
  QSlider* TrackBarSlideShow = nullptr;
  QLabel* LabelTimeSlideShow = nullptr;
  QGroupBox* RadioGroupImageSequence = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  void CreateMainPage();
  void CreatePicturesPage();
  // The checked item of the sequence group, -1 when none is.
  int ImageSequenceIndex() const;
  void SelectImageSequence(int index);

  bool slideAreas_;
  QButtonGroup* imageSequence_ = nullptr;
};
