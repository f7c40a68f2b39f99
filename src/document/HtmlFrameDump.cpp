// The pane's observable state, for scripted runs.

#include "document/HtmlFrame.h"
#include "html/FrameViewer.h"
#include "platform/Cp1251.h"

#include <QJsonArray>

QJsonObject THtmlFrame::StateForDump() const {
  QJsonObject state;
  if (const TFrameViewer* viewer = CurrentViewer()) {
    state["currentFile"] = FromCp1251(viewer->CurrentFile());
    state["historyIndex"] = viewer->HistoryIndex();
    QJsonArray history, titles;
    for (const std::string& file : viewer->History) history.append(FromCp1251(file));
    for (const QString& title : viewer->TitleHistory) titles.append(title);
    state["history"] = history;
    state["titleHistory"] = titles;
    const THTMLViewer* active = viewer->ActiveViewer();
    state["selText"] = active ? active->SelText() : QString();
    state["vScrollBarPosition"] = active ? active->VScrollBarPosition() : 0;
    QJsonArray groups;
    for (const std::string& group : visitGroups_[CurrentViewerIndex()]) groups.append(FromCp1251(group));
    state["visitGroups"] = groups;
  }
  state["visitIndex"] = visitIndex_;
  state["archiveMode"] = IsArchiveMode();
  QJsonArray viewers;
  for (size_t i = 0; i < viewers_.size(); ++i)
    viewers.append(QJsonObject{{"screen", viewerScreens_[i]},
                               {"currentFile", FromCp1251(viewers_[i]->CurrentFile())},
                               {"visible", !viewers_[i]->isHidden()}});
  state["viewers"] = viewers;
  return state;
}
