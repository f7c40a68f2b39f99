// The print preview window: its tools and their limits, page keys, pictures fitted to a
// sheet, page numbers, printing and the no-printer paths.

#include "platform/Globals.h"
#include "platform/ui/Printers.h"
#include "print/GoPageForm.h"
#include "print/MetaFilePrinter.h"
#include "print/PreviewForm.h"
#include "support/ui/PageText.h"
#include "support/ui/PrintFixture.h"

#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {

class PreviewTest : public PrintFixture {
 protected:
  std::unique_ptr<TPreviewForm> Open(bool asPicture = false, int w = 0, int h = 0) {
    auto preview = std::make_unique<TPreviewForm>(nullptr, &host_, &viewer_, asPicture, w, h);
    if (!preview->Failed()) {
      preview->resize(900, 700);
      preview->show();
      QCoreApplication::processEvents();
    }
    return preview;
  }
  QString Pdf(const QString& name) const { return QDir(dir_.Path()).filePath(name); }
};

void Click(QWidget* box, Qt::MouseButton button, int times) {
  for (int i = 0; i < times; ++i) QTest::mouseClick(box, button, {}, QPoint(20, 20));
}

TEST_F(PreviewTest, ViewZoomStopsAtTwentyAndAtOneTenth) {
  LoadLines(60);
  const auto preview = Open();
  ASSERT_FALSE(preview->Failed());
  ASSERT_TRUE(preview->ZoomCursorBut->isChecked());
  Click(preview->PB1, Qt::LeftButton, 30);
  EXPECT_GE(preview->ViewZoom, 20);
  EXPECT_LT(preview->ViewZoom, 25);
  const double top = preview->ViewZoom;
  Click(preview->PB1, Qt::LeftButton, 1);
  EXPECT_EQ(preview->ViewZoom, top);
  EXPECT_EQ(preview->ZoomBox->currentIndex(), 2);

  Click(preview->PB1, Qt::RightButton, 60);
  EXPECT_LE(preview->ViewZoom, 0.1);
  EXPECT_GT(preview->ViewZoom, 0.08);
  const double bottom = preview->ViewZoom;
  Click(preview->PB1, Qt::RightButton, 1);
  EXPECT_EQ(preview->ViewZoom, bottom);
  EXPECT_EQ(preview->Panels[1]->text(), QStringLiteral(" Масштаб просмотра: %1%").arg(qRound(bottom * 100)));
}

TEST_F(PreviewTest, PrintScaleStopsAtThreeAndAtOneTwentieth) {
  LoadLines(5);
  const auto preview = Open();
  ASSERT_FALSE(preview->Failed());
  QTest::mouseClick(preview->ZoomCursorPrintBut, Qt::LeftButton);
  EXPECT_TRUE(preview->ZoomCursorPrintBut->isChecked());
  EXPECT_FALSE(preview->ZoomCursorBut->isChecked());
  Click(preview->PB1, Qt::LeftButton, 13);
  EXPECT_GE(preview->PrintScale, 3);
  EXPECT_LT(preview->PrintScale, 3.3);
  EXPECT_EQ(preview->Panels[2]->text(), QStringLiteral(" Масштаб печати: 314%"));
  Click(preview->PB1, Qt::RightButton, 50);
  EXPECT_LE(preview->PrintScale, 0.05);
  const float bottom = preview->PrintScale;
  Click(preview->PB1, Qt::RightButton, 1);
  EXPECT_EQ(preview->PrintScale, bottom);

  QTest::mouseClick(preview->RestoreStartPrintZoomBut, Qt::LeftButton);
  EXPECT_EQ(preview->PrintScale, 1);
}

TEST_F(PreviewTest, OnePageDisablesPagingAndTwoPages) {
  LoadLines(3);
  const auto preview = Open();
  ASSERT_EQ(preview->PageCount(), 1);
  for (QToolButton* b : {preview->TwoPageBut, preview->GoToPageBut, preview->FirstPageBut, preview->PrevPageBut,
                         preview->NextPageBut, preview->LastPageBut})
    EXPECT_FALSE(b->isEnabled()) << qPrintable(b->objectName());
  EXPECT_TRUE(preview->OnePageBut->isChecked());
  EXPECT_EQ(preview->Panels[0]->text(), QStringLiteral("Страница 1 из 1"));
}

TEST_F(PreviewTest, PageKeysAndTwoPages) {
  LoadLines(200);
  const auto preview = Open();
  const int pages = preview->PageCount();
  ASSERT_GE(pages, 4);
  QTest::keyClick(preview->ZoomBox, Qt::Key_End);  // the form sees keys before its controls
  EXPECT_EQ(preview->CurrentPage, pages - 1);
  EXPECT_FALSE(preview->NextPageBut->isEnabled());
  QTest::keyClick(preview.get(), Qt::Key_PageDown);
  EXPECT_EQ(preview->CurrentPage, pages - 1);
  QTest::keyClick(preview.get(), Qt::Key_Home);
  EXPECT_EQ(preview->CurrentPage, 0);
  QTest::keyClick(preview.get(), Qt::Key_PageDown);
  EXPECT_EQ(preview->CurrentPage, 1);
  EXPECT_EQ(preview->Panels[0]->text(), QStringLiteral("Страница 2 из %1").arg(pages));

  QTest::mouseClick(preview->TwoPageBut, Qt::LeftButton);
  EXPECT_TRUE(preview->TwoPages());
  EXPECT_TRUE(preview->PagePanel2->isVisible());
  EXPECT_EQ(preview->PagePanel2->x(), preview->PagePanel->x() + preview->PagePanel->width() + 20);
  EXPECT_EQ(preview->ZoomBox->currentIndex(), 2);
  QTest::mouseClick(preview->FitWidthBut, Qt::LeftButton);
  EXPECT_FALSE(preview->TwoPages());
  EXPECT_FALSE(preview->PagePanel2->isVisible());
  EXPECT_EQ(preview->PagePanel->width() + 20, preview->ScrollBox->viewport()->width());

  // The sheet is painted: its text is darker than the white paper.
  const QImage sheet = preview->PB1->grab().toImage();
  bool ink = false;
  for (int y = 0; y < sheet.height() && !ink; y += 2)
    for (int x = 0; x < sheet.width() && !ink; x += 2) ink = qGray(sheet.pixel(x, y)) < 128;
  EXPECT_TRUE(ink);

  QTest::keyClick(preview.get(), Qt::Key_Escape);
  EXPECT_FALSE(preview->isVisible());
}

TEST_F(PreviewTest, GoToPageAcceptsEnterAndEscCancels) {
  TGoPageForm form;
  form.PageNum->setMaximum(9);
  form.PageNum->setValue(2);
  QTimer::singleShot(0, &form, [&] {
    form.PageNum->selectAll();
    QTest::keyClicks(form.PageNum, "7");
    QTest::keyClick(form.PageNum, Qt::Key_Return);
  });
  EXPECT_EQ(form.exec(), QDialog::Accepted);
  EXPECT_EQ(form.PageNum->value(), 7);
  QTimer::singleShot(0, &form, [&] { QTest::keyClick(form.PageNum, Qt::Key_Escape); });
  EXPECT_EQ(form.exec(), QDialog::Rejected);
}

TEST_F(PreviewTest, PageNumbersOffAndOnKeepThePages) {
  LoadLines(100);
  const auto preview = Open();
  const int pages = preview->PageCount();
  EXPECT_TRUE(TextsOf(preview->Recorder().Page(0)).contains(QStringLiteral("Страница 1")));
  preview->PageNumberFormat_none->trigger();
  EXPECT_EQ(preview->PageCount(), pages);
  EXPECT_FALSE(TextsOf(preview->Recorder().Page(0)).contains(QStringLiteral("Страница 1")));
  preview->PageNumberFormat_strN->trigger();
  EXPECT_EQ(preview->PageCount(), pages);
  EXPECT_TRUE(TextsOf(preview->Recorder().Page(0)).contains(QStringLiteral("Страница 1")));
}

TEST_F(PreviewTest, APictureLargerThanTheSheetFitsOneLandscapePage) {
  QImage picture(3000, 2000, QImage::Format_RGB32);
  picture.fill(Qt::darkGreen);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "PNG");
  Write("big.png", png);
  viewer_.LoadFromFile(WriteText("big.htm", QStringLiteral("<html><body><img src=\"big.png\"></body></html>")));
  const auto preview = Open(true, 3000, 2000);
  ASSERT_FALSE(preview->Failed());
  EXPECT_EQ(preview->Recorder().PageOrientation(), TOrientation::Landscape);
  EXPECT_TRUE(preview->PageOrientationBut->isChecked());
  EXPECT_EQ(preview->PageCount(), 1);
  EXPECT_LT(preview->StartPrintScale, 1);
  EXPECT_GT(preview->StartPrintScale, 0.1);
  // The fit keeps the largest scale that still gives one sheet.
  EXPECT_NEAR(preview->FitPictureToPage(3000, 2000), 971.0 / 3000, 0.01);
}

TEST_F(PreviewTest, PrintingGoesToThePdfPrinterAndAllPagesStartAtOne) {
  if (!PdfToolsInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  LoadLines(200);
  const auto preview = Open();
  Global.PrintTo = Pdf("range.pdf");
  EXPECT_TRUE(preview->PrintPages(3, 5));
  EXPECT_EQ(PdfPageCount(Pdf("range.pdf")), 3);
  Global.PrintTo = Pdf("all.pdf");
  QTest::mouseClick(preview->PrintBut, Qt::LeftButton);
  EXPECT_EQ(PdfPageCount(Pdf("all.pdf")), preview->PageCount());
  EXPECT_EQ(preview->LastPdfFile(), Pdf("all.pdf"));
}

TEST_F(PreviewTest, WithoutAPrinterThePreviewIsNotShown) {
  Global.NoPdfPrinter = true;
  if (Printers::Installed()) GTEST_SKIP() << "the system has printers";
  LoadLines(10);
  EXPECT_TRUE(Open()->Failed());
  EXPECT_EQ(host_.pages, std::vector<int>{2});
}

TEST_F(PreviewTest, HelpGoesToTheMainWindow) {
  LoadLines(10);
  const auto preview = Open();
  QTest::keyClick(preview.get(), Qt::Key_F1);
  QTest::mouseClick(preview->HelpBut, Qt::LeftButton);
  EXPECT_EQ(host_.helps, 2);
}

}  // namespace
