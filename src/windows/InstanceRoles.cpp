#include "windows/InstanceRoles.h"

#include "app/InstanceMessage.h"
#include "app/ui/OtherInstances.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/ui/HelpViewer.h"
#include "platform/ui/TopWindows.h"

#include <QDir>
#include <set>

void RequestHelp(TRole role, const std::string& helpFile, const std::string& topic, QWidget* window) {
  TWindowBus& bus = WindowBus();
  if (role == TRole::Thesaurus) return;
  if (role == TRole::Picture) {
    if (const TWindowHandle main = FindTopWindowByTitle(FromCp1251(Global.BookTitle)))
      bus.PostMessage(main, {InstanceMessages::HelpRequest, 0, 0, {}});
    return;
  }
  const QString folder = HostPath::ToHost(Global.ProgramFolder);
  if (!folder.isEmpty()) QDir::setCurrent(folder);
  HelpViewer::ShowTopic(helpFile, topic, [window](const std::string& page) {
    OtherInstances::ShowInPictureWindow(window, page, {QStringLiteral("/h")});
  });
  for (const QString& caption : OtherInstances::kHelpCaptions) {
    if (const TWindowHandle viewer = FindTopWindowByTitle(caption)) {
      bus.SetForegroundWindow(viewer);
      return;
    }
  }
}

void CloseOtherWindows(QWidget* self, const std::function<void()>& closeOwnDialogs) {
  using namespace OtherInstances;
  TWindowBus& bus = WindowBus();
  const TBusMessage close{WM_CLOSE, 0, 0, {}};

  const std::vector<TBusWindow> thesaurus = BookWindows(kThesaurusCaption);
  if (!thesaurus.empty()) bus.SendMessage(thesaurus.front().handle, close);

  // Until none is left; a window that stays (its program hangs, or refuses) is not asked again.
  std::set<TWindowHandle> asked;
  for (const QString& caption : QStringList{kDiagramCaption} + kHelpCaptions) {
    for (;;) {
      TWindowHandle next = 0;
      for (const TBusWindow& w : FindTopWindowsByTitle(caption))
        if (!asked.count(w.handle)) {
          next = w.handle;
          break;
        }
      if (!next) break;
      asked.insert(next);
      bus.SendMessage(next, close);
    }
  }

  if (closeOwnDialogs) closeOwnDialogs();

  const TWindowHandle own = bus.HandleOf(self);
  for (const TBusWindow& w : BookWindows(kPictureCaption))
    if (w.handle != own) bus.SendMessage(w.handle, close);
}
