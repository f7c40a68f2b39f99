#include "windows/FormOptions.h"

#include "app/Settings.h"
#include "platform/Globals.h"
#include "support/SavedGlobals.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

namespace {

class FormOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Global.SettingsFolder = dir_.Path();
    Global.BookTitle = "Book";
    Global.Options = TReaderOptions();
  }

  // Every settings file, as one text: what was written.
  QString Stored() const {
    QString all;
    for (const QString& name : QDir(dir_.Path()).entryList(QDir::Files)) {
      QFile file(QDir(dir_.Path()).filePath(name));
      if (file.open(QIODevice::ReadOnly)) all += QString::fromUtf8(file.readAll());
    }
    return all;
  }

  static void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center()); }

  const TSavedGlobals saved_;
  const TempDir dir_;
};

TEST_F(FormOptionsTest, ShowsTheSettingsAndOkWithoutChangesWritesOnlyTheInterfaceSize) {
  TBookSettings().Write(Settings::SizeInterface, 2);
  TFormOptions form(nullptr, false);
  EXPECT_FALSE(form.PageControl1->isTabVisible(form.PageControl1->indexOf(form.TabSheetPictures)));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Настройки"));
  EXPECT_EQ(form.size(), QSize(401, 277));
  EXPECT_EQ(form.ButtonOK->geometry(), QRect(184, 236, 75, 25));
  EXPECT_EQ(form.ButtonCancel->text(), QStringLiteral("Отмена"));

  form.show();
  EXPECT_TRUE(form.RBInerf3->isChecked());  // the stored choice
  EXPECT_FALSE(form.CheckBoxWav->isEnabled());
  const QString before = Stored();
  ASSERT_TRUE(before.contains("\"Wav\"=dword:00000001"));

  TBookSettings().Write(Settings::SizeInterface, 1);  // to see it written again
  Click(form.ButtonOK);
  EXPECT_FALSE(form.isVisible());
  // A check box the book left disabled never showed its setting: it does not flip it.
  EXPECT_EQ(Stored(), before);
  EXPECT_TRUE(Global.Options.Wav);
}

TEST_F(FormOptionsTest, CancelAndEscapeWriteNothing) {
  TFormOptions form(nullptr, true);
  form.CheckBoxWav->setEnabled(true);
  const QString before = Stored();
  for (const bool escape : {false, true}) {
    form.show();
    ASSERT_TRUE(form.CheckBoxWav->isChecked());
    Click(form.CheckBoxWav);
    Click(form.RBInerf4);
    form.TrackBarSlideShow->setValue(9);
    if (escape)
      QTest::keyClick(&form, Qt::Key_Escape);
    else
      Click(form.ButtonCancel);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Stored(), before);
    EXPECT_TRUE(Global.Options.Wav);
    EXPECT_EQ(Global.Options.SlideShowTime, 5);
  }
}

TEST_F(FormOptionsTest, ChangesAreKeptInMemoryAndWritten) {
  TFormOptions form(nullptr, true);
  int slideChanges = 0;
  form.OnSlideShowChanged = [&] { ++slideChanges; };
  form.CheckBoxWav->setEnabled(true);
  form.show();
  Click(form.CheckBoxWav);
  Click(form.RBInerf3);
  Click(form.CheckBoxRunSlideShow);
  form.RadioGroupImageSequence->findChildren<QRadioButton*>().at(1)->click();
  Click(form.ButtonOK);

  const TReaderOptions& o = Global.Options;
  EXPECT_FALSE(o.Wav);
  EXPECT_EQ(o.SizeInterface, 2);
  EXPECT_TRUE(o.RunSlideShow);
  EXPECT_EQ(o.ImageSequence, 1);
  EXPECT_EQ(slideChanges, 1);
  const TBookSettings settings;
  EXPECT_EQ(settings.Read(Settings::Wav), 0);
  EXPECT_EQ(settings.Read(Settings::SizeInterface), 2);
  EXPECT_EQ(settings.Read(Settings::RunSlideShow), 1);
  EXPECT_EQ(settings.Read(Settings::ImageSequence), 1);
}

// A stored time beyond the track bar's range plays as stored until the reader says OK.
TEST_F(FormOptionsTest, ASlideTimeOf30ShowsAs10AndOkWritesIt) {
  TBookSettings().Write(Settings::SlideShowTime, 30);
  TFormOptions form(nullptr, true);
  EXPECT_EQ(Global.Options.SlideShowTime, 30);
  int slideChanges = 0;
  form.OnSlideShowChanged = [&] { ++slideChanges; };
  form.show();
  EXPECT_EQ(form.TrackBarSlideShow->value(), 10);
  EXPECT_EQ(form.LabelTimeSlideShow->text(), QStringLiteral("10 секунд"));
  Click(form.ButtonOK);
  EXPECT_EQ(Global.Options.SlideShowTime, 10);
  EXPECT_EQ(TBookSettings().Read(Settings::SlideShowTime), 10);
  EXPECT_EQ(slideChanges, 1);
}

TEST_F(FormOptionsTest, TheLabelSaysSecondsInTheRightForm) {
  TFormOptions form(nullptr, true);
  form.show();
  const struct {
    int seconds;
    const char* text;
  } cases[] = {{1, "1 секунда"}, {2, "2 секунды"}, {3, "3 секунды"},
               {4, "4 секунды"}, {5, "5 секунд"},  {10, "10 секунд"}};
  for (const auto& c : cases) {
    form.TrackBarSlideShow->setValue(c.seconds);
    EXPECT_EQ(form.LabelTimeSlideShow->text(), QString::fromUtf8(c.text));
  }
}

// A random order, which only the stored value can ask for, survives an OK.
TEST_F(FormOptionsTest, ARandomOrderSelectsNeitherItemAndStays) {
  TBookSettings().Write(Settings::ImageSequence, 2);
  TFormOptions form(nullptr, true);
  form.show();
  for (const QRadioButton* item : form.RadioGroupImageSequence->findChildren<QRadioButton*>())
    EXPECT_FALSE(item->isChecked());
  Click(form.ButtonOK);
  EXPECT_EQ(Global.Options.ImageSequence, 2);
  EXPECT_EQ(TBookSettings().Read(Settings::ImageSequence), 2);
}

}  // namespace
