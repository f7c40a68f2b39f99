// The engine's pages, the recorder and the progress window: what is recorded and printed.

#include "document/PageNumberHeader.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/ui/Printers.h"
#include "print/MetaFilePrinter.h"
#include "print/PrnStatusForm.h"
#include "support/ui/PageText.h"
#include "support/ui/PrintFixture.h"

#include <QDir>
#include <QLabel>
#include <QPrinter>
#include <QTest>
#include <QToolButton>

namespace {

class PrintTest : public PrintFixture {
 protected:
  void SetUp() override {
    viewer_.OnPrintHeader = [](THTMLViewer*, QPainter& painter, int numPage, int w, int, bool&) {
      DrawPageNumberHeader(painter, numPage, w);
    };
  }
  QString Pdf(const QString& name) const { return QDir(dir_.Path()).filePath(name); }
};

bool Says(const QStringList& texts, const QString& what) {
  for (const QString& text : texts)
    if (text.contains(what)) return true;
  return false;
}

TEST_F(PrintTest, ALongPageTakesSeveralSheets) {
  LoadLines(400);
  TMetaFilePrinter recorder(&host_, nullptr);
  const int pages = viewer_.PrintPreview(recorder, 1.0);
  ASSERT_GE(pages, 10);
  EXPECT_EQ(recorder.PageCount(), pages);
  EXPECT_FALSE(recorder.Printing());
  // A smaller print scale puts more on a page.
  EXPECT_LT(viewer_.PrintPreview(recorder, 0.5), pages);
}

TEST_F(PrintTest, PageNumberHeaderOnlyWhileNumbersAreOn) {
  LoadLines(100);
  TMetaFilePrinter recorder(&host_, nullptr);
  const int pages = viewer_.PrintPreview(recorder, 1.0);
  ASSERT_GE(pages, 2);
  EXPECT_TRUE(TextsOf(recorder.Page(0)).contains(QStringLiteral("Страница 1")));
  EXPECT_TRUE(TextsOf(recorder.Page(1)).contains(QStringLiteral("Страница 2")));

  recorder.SetShowPageNumbers(false);
  EXPECT_EQ(viewer_.PrintPreview(recorder, 1.0), pages);
  for (int p = 0; p < pages; ++p) EXPECT_FALSE(Says(TextsOf(recorder.Page(p)), QStringLiteral("Страница")));
}

TEST_F(PrintTest, AnEmptyLastPageIsRemoved) {
  TMetaFilePrinter recorder(&host_, nullptr);
  recorder.BeginPages();
  recorder.Canvas().drawText(10, 10, QStringLiteral("один"));
  recorder.NewPage();
  recorder.EndPages();
  EXPECT_EQ(recorder.PageCount(), 1);
}

TEST_F(PrintTest, CancellingAtPageThreeEndsTheRunWithCancel) {
  LoadLines(400);
  TMetaFilePrinter recorder(&host_, nullptr);
  TPrnStatusForm status;
  std::vector<int> seen;
  status.OnProgress = [&](int page) {
    seen.push_back(page);
    if (page == 3) QTest::mouseClick(status.SpeedButton1, Qt::LeftButton);
  };
  EXPECT_TRUE(status.RunFormatting(&viewer_, &recorder, 1.0));
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(recorder.PageCount(), 2);  // the pages recorded before stay
  EXPECT_FALSE(viewer_.OnPageEvent);

  // A key pressed in the window cancels as well; a run left alone ends with "OK".
  TPrnStatusForm keyed;
  keyed.OnProgress = [&](int page) {
    if (page == 1) QTest::keyClick(&keyed, Qt::Key_Space);
  };
  EXPECT_TRUE(keyed.RunFormatting(&viewer_, &recorder, 1.0));
  TPrnStatusForm plain;
  QString lastText;
  plain.OnProgress = [&](int) { lastText = plain.StatusLabel->text(); };
  EXPECT_FALSE(plain.RunFormatting(&viewer_, &recorder, 1.0));
  EXPECT_GE(recorder.PageCount(), 10);
  EXPECT_EQ(lastText, QStringLiteral("Номер страницы %1").arg(recorder.PageCount() - 1));
}

TEST_F(PrintTest, PrintingPagesThreeToFiveMakesAPdfOfThosePages) {
  if (!PdfToolsInstalled()) GTEST_SKIP() << "poppler-utils is not installed";
  LoadLines(400);
  ASSERT_EQ(Printers::DefaultName(), Printers::PdfName);
  TMetaFilePrinter recorder(&host_, nullptr);
  recorder.SetOutputFile(Pdf("all.pdf"));
  ASSERT_TRUE(viewer_.Print(recorder, 1, 1000, 1.0));
  recorder.SetOutputFile(Pdf("part.pdf"));
  ASSERT_TRUE(viewer_.Print(recorder, 3, 5, 1.0));

  const int all = PdfPageCount(Pdf("all.pdf"));
  EXPECT_EQ(all, viewer_.PrintPreview(recorder, 1.0));
  EXPECT_EQ(PdfPageCount(Pdf("part.pdf")), 3);
  const QString part = PdfText(Pdf("part.pdf"));
  EXPECT_TRUE(part.contains(QStringLiteral("Страница 3")));
  EXPECT_FALSE(part.contains(QStringLiteral("строка 1\n")));
  EXPECT_EQ(part, PdfText(Pdf("all.pdf"), 3, 5));
}

TEST_F(PrintTest, MissingOrUnreachablePrinterIsReportedOnce) {
  Global.NoPdfPrinter = true;
  if (Printers::Installed()) GTEST_SKIP() << "the system has printers";
  {
    TMetaFilePrinter recorder(&host_, nullptr);
    TPrinterMetrics metrics;
    EXPECT_FALSE(recorder.ReadPrinterCaps(metrics));
    EXPECT_EQ(metrics.paperWidth, 2479);
    EXPECT_EQ(metrics.printableHeight, 3321);
  }
  EXPECT_EQ(host_.pages, std::vector<int>{2});
  host_.hasDialog = false;
  Global.DialogsAnswered.clear();
  { TMetaFilePrinter recorder(&host_, nullptr); }
  EXPECT_EQ(Global.DialogsAnswered, QStringList{QStringLiteral("Не найдено установленных принтеров!")});

  // A default printer that cannot be reached.
  Global.NoPdfPrinter = false;
  Global.Printer = std::make_shared<QPrinter>();
  Global.Printer->setPrinterName(QStringLiteral("нет такого принтера"));
  Global.DialogsAnswered.clear();
  host_.pages.clear();
  host_.hasDialog = true;
  { TMetaFilePrinter recorder(&host_, nullptr); }
  EXPECT_EQ(host_.pages, std::vector<int>{3});
  host_.hasDialog = false;
  {
    TMetaFilePrinter recorder(&host_, nullptr);
    TPrinterMetrics metrics;
    EXPECT_FALSE(recorder.ReadPrinterCaps(metrics));
    EXPECT_EQ(recorder.BeginPrinting(), nullptr);
  }
  EXPECT_EQ(Global.DialogsAnswered,
            QStringList{QStringLiteral("Принтер, установленный по умолчанию, сейчас не доступен!")});
}

}  // namespace
