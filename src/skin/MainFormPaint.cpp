// Painting the skin: the composed background, the elements that differ from it, captions
// drawn onto element pictures, and cross-fade frames.

#include "app/DescriptionSyntax.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/ui/ColorConversion.h"
#include "platform/ui/SkinScale.h"
#include "skin/MainForm.h"
#include "tools/Captions.h"
#include "tools/TextMsg.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

QString GroupCaption(const std::string& caption) {
  const std::string lower = AsciiLower(caption);
  if (lower == "2d") return QStringLiteral("2D");
  if (lower == "3d") return QStringLiteral("3D");
  return FromCp1251(caption);
}

}  // namespace

void TMainForm::DrawCaption(TKind kind, int index, TLook look) {
  const int s = Global.CurrentScreen;
  if (kind == TKind::Button) {
    const RBtn& b = Skin.ScreenBtns[s][index];
    RBtnPic& pic = BtnPics[index];
    QImage& picture = look == TLook::Up ? pic.up : look == TLook::Mv ? pic.mv : pic.dn;
    const TFontStyles style = look == TLook::Up   ? b.textfontstyleup
                              : look == TLook::Mv ? b.textfontstylemv
                                                  : b.textfontstyledn;
    const TColor color = look == TLook::Up   ? b.textfontcolorup
                         : look == TLook::Mv ? b.textfontcolormv
                                             : b.textfontcolordn;
    DrawCharacters(picture, FromCp1251(b.textcaption), EdgeBox(b.texttx, b.textty, b.textbx, b.textby),
                   CaptionFont(b.textfontname, b.textfontsize, style), ToQColor(color));
    return;
  }
  RSwthPic& pic = kind == TKind::SwitchOne ? SwthOnePics[index] : SwthGrpPics[index];
  QImage& picture = look == TLook::Up     ? pic.up
                    : look == TLook::MvUp ? pic.mvUp
                    : look == TLook::MvDn ? pic.mvDn
                                          : pic.dn;
  const bool upCaption = look == TLook::Up || look == TLook::MvUp;
  auto draw = [&](const auto& r, const QString& text, const QRect& box) {
    const TFontStyles style = look == TLook::Up     ? r.textfontstyleup
                              : look == TLook::MvUp ? r.textfontstylemvup
                              : look == TLook::MvDn ? r.textfontstylemvdn
                                                    : r.textfontstyledn;
    const TColor color = look == TLook::Up     ? r.textfontcolorup
                         : look == TLook::MvUp ? r.textfontcolormvup
                         : look == TLook::MvDn ? r.textfontcolormvdn
                                               : r.textfontcolordn;
    DrawCharacters(picture, text, box, CaptionFont(r.textfontname, r.textfontsize, style), ToQColor(color));
  };
  if (kind == TKind::SwitchOne) {
    const RSwthOne& r = Skin.ScreenSwthOne[s][index];
    if (upCaption)
      draw(r, FromCp1251(r.textcaptionup), EdgeBox(r.texttxup, r.texttyup, r.textbxup, r.textbyup));
    else
      draw(r, FromCp1251(r.textcaptiondn), EdgeBox(r.texttxdn, r.texttydn, r.textbxdn, r.textbydn));
  } else {
    const RSwthGrp& r = Skin.ScreenSwthGrp[s][index];
    draw(r, GroupCaption(upCaption ? r.textcaptionup : r.textcaptiondn),
         EdgeBox(r.texttx, r.textty, r.textbx, r.textby));
  }
}

void TMainForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  FormPaint(painter);
}

void TMainForm::FormPaint(QPainter& painter) {
  // A screen's background keeps to the top-left corner of the window the build sized; what it
  // does not cover shows the window's colour.
  const QRegion uncovered = QRegion(rect()) - QRect(QPoint(0, 0), BackgroundBitmap.size());
  for (const QRect& r : uncovered) painter.fillRect(r, palette().window());
  if (!BackgroundBitmap.isNull()) painter.drawImage(0, 0, screenBackground_(BackgroundBitmap));
  const int s = Global.CurrentScreen;
  if (s < 0 || s >= Skin.ScreenCount()) return;
  for (size_t i = 0; i < BtnPics.size(); ++i)
    if (BtnPics[i].hover)
      painter.drawImage(Skin.ScreenBtns[s][i].vx, Skin.ScreenBtns[s][i].vy, screenPictures_(BtnPics[i].mv));
  auto paintSwitches = [&](const auto& records, const std::vector<RSwthPic>& pics) {
    for (size_t i = 0; i < pics.size(); ++i) {
      const auto& r = records[i];
      const QImage* picture = r.hover ? (r.state ? &pics[i].mvDn : &pics[i].mvUp) : r.state ? &pics[i].dn : nullptr;
      if (picture) painter.drawImage(r.vx, r.vy, screenPictures_(*picture));
    }
  };
  paintSwitches(Skin.ScreenSwthOne[s], SwthOnePics);
  paintSwitches(Skin.ScreenSwthGrp[s], SwthGrpPics);

  // The last frame a fade drew stays on the element until the screen is rebuilt: a pressed
  // button keeps its pressed look although its flags name the hover picture. Fade frames
  // pass once: they are scaled as they are drawn.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const auto& [corner, frame] : fadeFrames_) painter.drawImage(corner.first, corner.second, frame);

  if (TextMsg) TextMsg->PaintTexts(painter);
}

void TMainForm::DrawFadeFrame(const QImage& frame, QPoint at) {
  fadeFrames_[{at.x(), at.y()}] = frame;
  repaint(QRect(at, frame.size()));
}
