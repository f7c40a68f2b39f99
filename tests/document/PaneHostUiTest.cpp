// The document pane needs only its host: a plain window stands in for the skinned one.

#include "document/HtmlFrame.h"
#include "document/PaneHost.h"
#include "html/FrameViewer.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "support/SavedGlobals.h"
#include "support/TempDir.h"
#include "support/ui/PaneFixture.h"

#include <gtest/gtest.h>
#include <QWidget>

namespace {

class TRecordingHost : public TPaneHost {
 public:
  QWidget window;
  std::string status, title, pageChanged;
  std::optional<std::string> installFolder;

  QWidget* Window() override { return &window; }
  TPanelBkgrd* Panel() override { return nullptr; }
  THtmlFrame* Pane() override { return nullptr; }
  TControlPopupWindow* Popups() override { return nullptr; }
  void SetStatusText(const std::string& text) override { status = text; }
  std::optional<std::string> InstallFolder() override { return installFolder; }
  void ShowPageTitle(const std::string& text) override { title = text; }
  void PanePageChanged(const std::string& file) override { pageChanged = file; }
  void PressSwitchSilently(QPoint) override {}
  void PointerLeftSkin() override {}
  std::vector<TChapterButton> ChapterButtons() override { return {}; }
  void PlayMedia(const std::string&) override {}
  void HistoryControlsChanged() override {}
  void ShowLinkTarget(const std::string&) override {}
  void ShowPrintPreview(THTMLViewer*, bool, int, int) override {}
};

TEST(PaneHost, APaneWorksWithAPlainHost) {
  const TSavedGlobals saved;
  const TempDir book;
  Global.SettingsFolder = book.MakeFolder("settings");
  book.Write("man/a.htm", PageBytes(QStringLiteral("Страница А"), QStringLiteral("<p>text</p>")));
  const QString install = book.MakeFolder("install");
  HostPath::SetDiscRoot(book.Path());
  Global.ProgramFolder = "d:\\";

  TRecordingHost host;
  host.installFolder = HostPath::ToWindows(install + "/");
  RHTML declaration;
  declaration.vx = 10, declaration.vy = 10, declaration.vw = 300, declaration.vh = 200;
  declaration.fn = "d:\\man\\a.htm";
  declaration.number = 1;
  THtmlFrame pane(host, {declaration}, 0);

  ASSERT_NE(pane.CurrentViewer(), nullptr);
  EXPECT_EQ(pane.CurrentViewer()->parentWidget(), &host.window);
  EXPECT_EQ(pane.CurrentViewer()->geometry(), QRect(10, 10, 290, 190));
  EXPECT_EQ(FromCp1251(host.title), QStringLiteral("Страница А"));
  EXPECT_TRUE(SameName(host.pageChanged, "d:\\man\\a.htm")) << host.pageChanged;

  pane.CopyDocument();
  EXPECT_EQ(FromCp1251(host.status), QStringLiteral("Файл скопирован"));
  EXPECT_TRUE(QFileInfo::exists(install + "/a.htm"));
}

}  // namespace
