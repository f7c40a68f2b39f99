// The viewers' appearance as the reader chooses it in the font dialog.

#include "document/FontForm.h"
#include "document/HtmlFrame.h"
#include "document/PaneHost.h"
#include "html/FrameViewer.h"

TFontForm* THtmlFrame::FontForm() const { return fontForm_.data(); }

void THtmlFrame::ChooseFont() {
  const TFrameViewer* current = CurrentViewer();
  if (!current || fontForm_) return;
  auto* form = new TFontForm(host_.Window());
  form->setAttribute(Qt::WA_DeleteOnClose);
  form->setWindowModality(Qt::ApplicationModal);
  form->SetFontName(current->DefFontName());
  form->SetFontColor(current->DefFontColor());
  form->SetFontSize(current->DefFontSize());
  form->SetLinkColor(current->DefHotSpotColor());
  form->SetBackground(current->DefBackground());
  connect(form, &QDialog::finished, this, [this, form](int result) {
    if (result != QDialog::Accepted) return;
    settings_ = {form->GetFontName(), form->FontColor(), form->FontSize(), form->LinkColor(), form->GetBackground()};
    for (TFrameViewer* viewer : viewers_) {
      viewer->SetDefFontName(settings_.fontName);
      viewer->SetDefFontColor(settings_.fontColor);
      viewer->SetDefFontSize(settings_.fontSize);
      viewer->SetDefHotSpotColor(settings_.hotSpotColor);
      viewer->SetDefBackground(settings_.background);
    }
    if (TFrameViewer* viewer = CurrentViewer()) viewer->Reload();
  });
  fontForm_ = form;
  form->show();
}
