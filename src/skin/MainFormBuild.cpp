// The main window's build from the skin model, in the order the components depend on.

#include "app/ComprStream.h"
#include "app/ResourcePack.h"
#include "app/Settings.h"
#include "app/ui/PackPicture.h"
#include "document/ContentsTrees.h"
#include "document/HtmlFrame.h"
#include "media/SlideImage.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/ui/FontTable.h"
#include "platform/ui/WindowShape.h"
#include "search/FindTxtHtml.h"
#include "skin/ArchiveBrowser.h"
#include "skin/MainForm.h"
#include "tools/MyControl.h"
#include "tools/NavFont.h"
#include "tools/PanelBkgrd.h"
#include "tools/PathInputBox.h"
#include "tools/ScaleBar.h"
#include "tools/StatusLine.h"
#include "tools/TextMsg.h"
#include "widgets/AnimatedPicture.h"
#include "windows/FormOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kPistonLeft = 583;
constexpr int kPistonTop = 470;

}  // namespace

QImage TMainForm::LoadPicture(const std::string& name) const { return LoadPackPicture(Global.ProgramFolder + name); }

void TMainForm::BuildWindow() {
  // The window's own shape; the opening effect replaces it until it ends.
  if (Skin.HasVertexMain) WindowShape::SetWindowRegion(this, WindowShape::PolygonRegion(Skin.VertexMain), false);
  if (!Skin.Icon.empty()) {
    const QImage icon = LoadPicture(Skin.Icon);
    if (!icon.isNull()) QApplication::setWindowIcon(QPixmap::fromImage(icon));
  }

  // The settings come first: the codecs, the clip and the sounds read them.
  FormOptions = std::make_unique<TFormOptions>(this, !Skin.Images.empty());
  InstallCodecs();
  setAcceptDrops(true);
  Global.CurrentScreen = 0;
  LoadBackground();
  // The window takes the first screen's size once; other screens draw into it.
  if (!BackgroundBitmap.isNull()) resize(BackgroundBitmap.size());
  setAttribute(Qt::WA_AlwaysShowToolTips);
  BuildScreenPictures();
  RestoreSwitchStates();
  ComposeBackground();

  CreateComponents();

  AddBookFonts();
  EnableOptionBoxes();
  built_ = true;
  ReplaySwitches(false);
  PlayStartClipOrFinish();
}

void TMainForm::EnableOptionBoxes() {
  if (!Skin.Rolic.empty() && Skin.Rolic != "no") FormOptions->CheckBoxClip->setEnabled(true);
  for (const auto& screen : Skin.ScreenBtns)
    for (const RBtn& b : screen)
      if (!b.wav.empty() && b.wav != "no") FormOptions->CheckBoxWav->setEnabled(true);
}

void TMainForm::LoadBackground() {
  const auto& backgrounds = Skin.ScreenBackgrounds;
  BackgroundBitmap = Global.CurrentScreen < static_cast<int>(backgrounds.size())
                         ? LoadPicture(backgrounds[Global.CurrentScreen])
                         : QImage();
}

// Controls and effects may be in the middle of the event that switched the screen, so they
// go once that event is over.
void TMainForm::ClearScreenPictures() {
  auto release = [](TMyControl* control, TEffBtnCar* effect) {
    if (control) {
      control->hide();
      control->deleteLater();
    }
    if (effect) {
      effect->StopFade();
      effect->deleteLater();
    }
  };
  for (RBtnPic& pic : BtnPics) release(pic.control, pic.effect);
  for (auto* list : {&SwthOnePics, &SwthGrpPics})
    for (RSwthPic& pic : *list) release(pic.control, pic.effect);
  BtnPics.clear();
  SwthOnePics.clear();
  SwthGrpPics.clear();
  fadeFrames_.clear();
  screenPictures_.Clear();
}

TMyControl* TMainForm::CreateControl(const QRect& rect, const std::string& hint) {
  auto* control = new TMyControl(this, rect, FromCp1251(hint));
  control->OnMouseMove = [this](QMouseEvent*, QPoint at) { FormMouseMove(at); };
  control->OnMouseDown = [this](QMouseEvent* e, QPoint at) { FormMouseDown(e->button(), e->modifiers(), at); };
  control->OnMouseUp = [this](QMouseEvent*, QPoint at) { FormMouseUp(at); };
  return control;
}

void TMainForm::BuildScreenPictures() {
  ClearScreenPictures();
  const int s = Global.CurrentScreen;
  if (s < 0 || s >= Skin.ScreenCount()) return;
  auto& buttons = Skin.ScreenBtns[s];
  BtnPics.resize(buttons.size());
  for (size_t i = 0; i < buttons.size(); ++i) {
    RBtn& b = buttons[i];
    RBtnPic& pic = BtnPics[i];
    pic.up = LoadPicture(b.fn1);
    b.right = b.vx + pic.up.width();
    b.bottom = b.vy + pic.up.height();
    pic.mv = LoadPicture(b.fn2);
    pic.dn = LoadPicture(b.fn3);
    if (!QString::fromLatin1(b.textcaption).trimmed().isEmpty())
      for (TLook look : {TLook::Up, TLook::Mv, TLook::Dn}) DrawCaption(TKind::Button, int(i), look);
    pic.control = CreateControl(QRect(b.vx, b.vy, pic.up.width(), pic.up.height()), b.hint);
    pic.effect = new TEffBtnCar(this, this);
    pic.effect->SetStep(AsciiLower(b.go).find("contextmenu") != std::string::npos ? 3 : 4);
  }
  auto buildSwitches = [this](auto& records, std::vector<RSwthPic>& pics, TKind kind) {
    pics.resize(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
      auto& r = records[i];
      RSwthPic& pic = pics[i];
      pic.up = LoadPicture(r.fn1);
      r.right = r.vx + pic.up.width();
      r.bottom = r.vy + pic.up.height();
      pic.mvUp = LoadPicture(r.fn2);
      pic.mvDn = LoadPicture(r.fn3);
      pic.dn = LoadPicture(r.fn4);
      if (!QString::fromLatin1(r.textcaptionup).trimmed().isEmpty())
        for (TLook look : {TLook::Up, TLook::MvUp}) DrawCaption(kind, int(i), look);
      if (!QString::fromLatin1(r.textcaptiondn).trimmed().isEmpty())
        for (TLook look : {TLook::MvDn, TLook::Dn}) DrawCaption(kind, int(i), look);
      pic.control = CreateControl(QRect(r.vx, r.vy, pic.up.width(), pic.up.height()), r.hint);
      pic.effect = new TEffBtnCar(this, this);
      pic.effect->SetStep(4);
    }
  };
  buildSwitches(Skin.ScreenSwthOne[s], SwthOnePics, TKind::SwitchOne);
  buildSwitches(Skin.ScreenSwthGrp[s], SwthGrpPics, TKind::SwitchGrp);
}

void TMainForm::RestoreSwitchStates() {
  const TBookSettings settings;
  for (size_t s = 0; s < Skin.ScreenSwthOne.size(); ++s) {
    auto restore = [&](auto& records, Settings::TNumbered value) {
      for (size_t a = 0; a < records.size(); ++a) {
        records[a].hover = false;
        if (!records[a].store) continue;
        if (const auto stored = settings.ReadBool(Settings::Name(value, int(s), int(a)))) records[a].state = *stored;
      }
    };
    restore(Skin.ScreenSwthOne[s], Settings::SwOne);
    restore(Skin.ScreenSwthGrp[s], Settings::SwGrp);
  }
}

void TMainForm::ComposeBackground() {
  if (BackgroundBitmap.isNull()) return;
  QPainter painter(&BackgroundBitmap);
  const int s = Global.CurrentScreen;
  for (size_t i = 0; i < BtnPics.size(); ++i)
    painter.drawImage(Skin.ScreenBtns[s][i].vx, Skin.ScreenBtns[s][i].vy, BtnPics[i].up);
  for (size_t i = 0; i < SwthOnePics.size(); ++i)
    painter.drawImage(Skin.ScreenSwthOne[s][i].vx, Skin.ScreenSwthOne[s][i].vy, SwthOnePics[i].up);
  for (size_t i = 0; i < SwthGrpPics.size(); ++i)
    painter.drawImage(Skin.ScreenSwthGrp[s][i].vx, Skin.ScreenSwthGrp[s][i].vy, SwthGrpPics[i].up);
}

void TMainForm::CreateComponents() {
  StatusLine = std::make_unique<TStatusLine>();
  NavFont = std::make_unique<TNavFont>();
  CreateMusicPlayer();
  PanelBkgrd = new TPanelBkgrd(this, Skin.Splitters);
  if (!Skin.Texts.empty()) {
    TextMsg = std::make_unique<TTextMsg>(this, Skin.Texts);
    StatusLine->SetTextMsg(TextMsg.get());
  }
  if (!Skin.Htmls.empty()) HtmlFrame = std::make_unique<THtmlFrame>(*this, Skin.Htmls, Global.CurrentScreen);
  if (!Skin.FindTxts.empty()) FindTxt = std::make_unique<TFindTxtHtml>(*this, Skin.FindTxts, Global.CurrentScreen);
  PathInput = std::make_unique<TPathInputBox>(this, Skin.PathInputs, Global.CurrentScreen,
                                              [this](QPoint at) { FormMouseMove(at); });
  CreatePagePlayer();
  if (!Skin.Images.empty())
    Slides = std::make_unique<TSlideImage>(this, Skin.Images, [this](QPoint at) { FormMouseMove(at); });
  FormOptions->OnChooseFont = [this] {
    if (HtmlFrame) HtmlFrame->ChooseFont();
  };
  FormOptions->OnSlideShowChanged = [this] {
    if (!Slides) return;
    Slides->SetInterval(Global.Options.SlideShowTime);
    Slides->EnableTimer(Global.Options.RunSlideShow);
  };
  if (!Skin.ScreenPopups.empty()) CreatePopupLists();
  if (Skin.Trees.size() == 1 || Skin.Trees.size() == 2)
    Trees = std::make_unique<TContentsTrees>(*this, Skin.Trees, Global.CurrentScreen);
  ScaleBar = std::make_unique<TScaleBar>();
  ArchiveBrowser = std::make_unique<TArchiveBrowser>(*this);
  if (HtmlFrame) HtmlFrame->SetArchiveLinks(ArchiveBrowser.get());
  CreatePiston();
}

void TMainForm::CreatePiston() {
  piston_ = new TAnimatedPicture(this);
  piston_->move(kPistonLeft, kPistonTop);
  piston_->SetAnimate(true);
  try {
    TComprStream stream(Global.ProgramFolder + "piston.gif");
    piston_->LoadFromStream(stream);
  } catch (const std::exception&) {
    // The animation is decoration: without it the window is complete.
  }
  piston_->show();
}

void TMainForm::AddBookFonts() {
  std::vector<std::string> fonts;
  FindFiles(Global.ProgramFolder, {"*.ttf"}, false, fonts, false);
  for (const std::string& font : fonts)
    if (FontTable::AddFontResource(font)) addedFonts_.push_back(font);
}
