// The pane's observable state, for scripted runs.

#include "document/HtmlFrame.h"
#include "html/FrameViewer.h"
#include "platform/Cp1251.h"

#include <QJsonArray>

namespace {

QString KindName(TFormControlKind kind) {
  switch (kind) {
    case TFormControlKind::Select: return QStringLiteral("select");
    case TFormControlKind::Input: return QStringLiteral("input");
    case TFormControlKind::TextArea: return QStringLiteral("textarea");
    case TFormControlKind::Button: return QStringLiteral("button");
    case TFormControlKind::CheckBox: return QStringLiteral("checkbox");
    case TFormControlKind::Radio: return QStringLiteral("radio");
  }
  return {};
}

}  // namespace

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
    QJsonArray frames;
    const std::vector<QString> names = viewer->FrameNames();
    const std::vector<THTMLViewer*> shown = viewer->Viewers();
    for (size_t i = 0; i < shown.size() && i < names.size(); ++i)
      frames.append(QJsonObject{{"name", names[i]},
                                {"currentFile", FromCp1251(shown[i]->CurrentFile())},
                                {"title", shown[i]->DocumentTitle()},
                                {"active", shown[i] == active}});
    state["frames"] = frames;
    QJsonArray controls;
    if (active)
      for (const TFormControl& control : active->FormControlList()) {
        QJsonArray chosen;
        for (int index : control.chosen) chosen.append(index);
        controls.append(QJsonObject{{"name", control.name},
                                    {"kind", KindName(control.kind)},
                                    {"value", control.value},
                                    {"checked", control.checked},
                                    {"chosen", chosen},
                                    {"drawn", control.widget != nullptr}});
      }
    state["formControls"] = controls;
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
