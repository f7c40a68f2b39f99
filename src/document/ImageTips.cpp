// Image tips: a picture's title shown in a small pale window under the mouse.

#include "document/HtmlFrame.h"
#include "document/PaneHost.h"
#include "html/FrameViewer.h"

#include <QCursor>
#include <QLabel>

namespace {
constexpr int kTipMaxWidth = 300;
constexpr int kTipOffset = 18;
}  // namespace

TTipObject THtmlFrame::ObjectUnder(TFrameViewer* viewer, QPoint at) const {
  TTipObject object;
  for (THTMLViewer* frame : viewer->Viewers()) {
    const QPoint local = frame->mapFrom(viewer, at);
    if (!frame->rect().contains(local)) continue;
    TImageObj image;
    // A page is under the mouse wherever a frame is; only pictures are objects with a title.
    object.present = frame->PtInObject(local, image);
    if (object.present) {
      object.image = true;
      object.id = image.source + QLatin1Char('@') + QString::number(image.rect.x()) + QLatin1Char(',') +
                  QString::number(image.rect.y());
      object.title = image.title;
    }
    break;
  }
  return object;
}

void THtmlFrame::PaneMouseMove(TFrameViewer* viewer, QPoint at) {
  if (tipState_.MouseMove(ObjectUnder(viewer, at), imageHintTimer_.isActive())) imageHintTimer_.start();
  // No skin element stays lit while the mouse is over the page.
  host_.PointerLeftSkin();
}

void THtmlFrame::ImageHintTick() {
  TFrameViewer* viewer = CurrentViewer();
  const QPoint cursor = QCursor::pos();
  const TTipObject under = viewer ? ObjectUnder(viewer, viewer->mapFromGlobal(cursor)) : TTipObject();
  switch (tipState_.Tick(under)) {
    case TImageTipState::TStep::Nothing: break;
    case TImageTipState::TStep::Hide: HideHint(); break;
    case TImageTipState::TStep::Show: {
      hintWindow_->setText(under.title);
      hintWindow_->setMaximumWidth(kTipMaxWidth);
      hintWindow_->adjustSize();
      hintWindow_->move(cursor + QPoint(0, kTipOffset));
      hintWindow_->show();
      break;
    }
  }
}

void THtmlFrame::HideHint() {
  imageHintTimer_.stop();
  hintWindow_->hide();
}
