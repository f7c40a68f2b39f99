// The font dialog on the pane test book: what it shows, and what OK, Cancel and Reset do to
// the viewers.

#include "document/FontForm.h"

#include "document/ColorNames.h"
#include "html/HTMLViewer.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/PaneFixture.h"
#include "widgets/ColorGrid.h"

#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

class FontForm : public TPaneTest {
 protected:
  TFontForm* Choose() {
    frame_->ChooseFont();
    TFontForm* form = frame_->FontForm();
    EXPECT_TRUE(form && form->isVisible() && form->isModal());
    return form;
  }

  static void ClickCell(TColorGrid* grid, int index) {
    QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, grid->CellRect(index).center());
  }

  static void Pick(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << text.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(found.front()).center());
  }

  void ExpectViewers(const TViewerSettings& s) {
    for (TFrameViewer* v : frame_->Viewers()) {
      EXPECT_EQ(v->DefFontName(), s.fontName);
      EXPECT_EQ(v->DefFontColor(), s.fontColor);
      EXPECT_EQ(v->DefFontSize(), s.fontSize);
      EXPECT_EQ(v->DefHotSpotColor(), s.hotSpotColor);
      EXPECT_EQ(v->DefBackground(), s.background);
    }
  }
};

}  // namespace

TEST_F(FontForm, OpensWithTheCurrentViewersSettings) {
  Open();
  TFontForm* form = Choose();
  ASSERT_TRUE(form);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Шрифт"));
  EXPECT_EQ(form->FontSize(), 8);
  EXPECT_EQ(form->FontSizeEdit->value(), 8);
  EXPECT_EQ(form->LinkColor(), 0x003366);
  EXPECT_EQ(form->BackListBox->currentItem()->text(), "clWhite");
  EXPECT_EQ(form->GetBackground(), 0xFFFFFF);
  EXPECT_EQ(form->FontViewer->DefFontName(), "Arial");
  EXPECT_EQ(form->BackListBox->count(), static_cast<int>(BackgroundColorNames().size()));
  EXPECT_FALSE(form->FontColorGrid->MarkerShown());
  QTest::keyClick(form, Qt::Key_Escape);
  EXPECT_TRUE(ProcessEventsUntil([&] { return !frame_->FontForm(); }));
}

// Anything but OK leaves every viewer as it was.
TEST_F(FontForm, CancelLeavesTheViewersUnchanged) {
  Open();
  const TViewerSettings before = frame_->Settings();
  TFontForm* form = Choose();
  ASSERT_TRUE(form);
  form->FontSizeEdit->setValue(20);
  ClickCell(form->FontColorGrid, 9);
  Pick(form->BackListBox, "clYellow");
  EXPECT_EQ(form->FontViewer->DefFontSize(), 20);
  QTest::mouseClick(form->Cancel, Qt::LeftButton);
  EXPECT_TRUE(ProcessEventsUntil([&] { return !frame_->FontForm(); }));
  ExpectViewers(before);
}

TEST_F(FontForm, OkGivesEveryViewerTheChoice) {
  Open();
  TFontForm* form = Choose();
  ASSERT_TRUE(form);
  form->FontSizeEdit->setValue(12);
  ClickCell(form->FontColorGrid, 9);     // clRed
  ClickCell(form->HotSpotColorGrid, 2);  // clGreen
  Pick(form->BackListBox, "clCream");
  QTest::mouseClick(form->OKButton, Qt::LeftButton);
  EXPECT_TRUE(ProcessEventsUntil([&] { return !frame_->FontForm(); }));
  ExpectViewers({QStringLiteral("Arial"), 0x0000FF, 12, 0x008000, 0xF0FBFF});
  // The page shown takes the new background at once.
  TFrameViewer* shown = frame_->CurrentViewer();
  EXPECT_EQ(shown->grab().toImage().pixelColor(shown->width() - 30, shown->height() - 10), QColor(0xFF, 0xFB, 0xF0));
}

// A colour without a name joins the list in its "$" form; Reset goes back to the opening values.
TEST_F(FontForm, UnnamedBackgroundsAndResetToTheOpeningValues) {
  Open();
  TFontForm* form = Choose();
  ASSERT_TRUE(form);
  form->SetBackground(0x123456);
  EXPECT_EQ(form->BackListBox->currentItem()->text(), "$00123456");
  EXPECT_EQ(form->BackListBox->item(form->BackListBox->count() - 1)->text(), "$00123456");
  EXPECT_EQ(form->GetBackground(), 0x123456);
  EXPECT_EQ(
      form->FontViewer->grab().toImage().pixelColor(form->FontViewer->width() - 30, form->FontViewer->height() - 10),
      QColor(0x56, 0x34, 0x12));
  form->BackListBox->setCurrentRow(-1);
  EXPECT_EQ(form->GetBackground(), kButtonFaceColor);

  form->SetFontName(QStringLiteral("No Such Font"));
  EXPECT_EQ(form->FontViewer->DefFontName(), QStringLiteral("No Such Font"));
  form->FontSizeEdit->setValue(14);
  ClickCell(form->HotSpotColorGrid, 12);
  QTest::mouseClick(form->ResetButton, Qt::LeftButton);
  EXPECT_EQ(form->FontSize(), 8);
  EXPECT_EQ(form->LinkColor(), 0x003366);
  EXPECT_EQ(form->GetBackground(), 0xFFFFFF);
  EXPECT_EQ(form->FontViewer->DefFontName(), QStringLiteral("Arial"));
  form->reject();
}
