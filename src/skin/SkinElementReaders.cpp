#include "skin/SkinElementReaders.h"

namespace {

void ReadButtonCaptions(const TLineKeys& keys, RBtn& b) {
  keys.Token("textcaption", b.textcaption);
  keys.Int("texttx", b.texttx);
  keys.Int("textty", b.textty);
  keys.Int("textbx", b.textbx);
  keys.Int("textby", b.textby);
  keys.Token("textfontname", b.textfontname);
  keys.Int("textfontsize", b.textfontsize);
  keys.Styles("textfontstyleup", b.textfontstyleup);
  keys.Styles("textfontstylemv", b.textfontstylemv);
  keys.Styles("textfontstyledn", b.textfontstyledn);
  keys.Color("textfontcolorup", b.textfontcolorup);
  keys.Color("textfontcolormv", b.textfontcolormv);
  keys.Color("textfontcolordn", b.textfontcolordn);
}

// The caption font keys both switch kinds share, after their caption boxes.
template <class TSwitch>
void ReadSwitchFont(const TLineKeys& keys, TSwitch& r) {
  keys.Token("textfontname", r.textfontname);
  keys.Int("textfontsize", r.textfontsize);
  keys.Styles("textfontstyleup", r.textfontstyleup);
  keys.Styles("textfontstylemvup", r.textfontstylemvup);
  keys.Styles("textfontstylemvdn", r.textfontstylemvdn);
  keys.Styles("textfontstyledn", r.textfontstyledn);
  keys.Color("textfontcolorup", r.textfontcolorup);
  keys.Color("textfontcolormvup", r.textfontcolormvup);
  keys.Color("textfontcolormvdn", r.textfontcolormvdn);
  keys.Color("textfontcolordn", r.textfontcolordn);
}

void ReadSwitchOneCaptions(const TLineKeys& keys, RSwthOne& r) {
  keys.Token("textcaptionup", r.textcaptionup);
  keys.Token("textcaptiondn", r.textcaptiondn);
  keys.Int("texttxup", r.texttxup);
  keys.Int("texttyup", r.texttyup);
  keys.Int("textbxup", r.textbxup);
  keys.Int("textbyup", r.textbyup);
  keys.Int("texttxdn", r.texttxdn);
  keys.Int("texttydn", r.texttydn);
  keys.Int("textbxdn", r.textbxdn);
  keys.Int("textbydn", r.textbydn);
  ReadSwitchFont(keys, r);
}

void ReadSwitchGrpCaptions(const TLineKeys& keys, RSwthGrp& r) {
  keys.Token("textcaptionup", r.textcaptionup);
  keys.Token("textcaptiondn", r.textcaptiondn);
  keys.Int("texttx", r.texttx);
  keys.Int("textty", r.textty);
  keys.Int("textbx", r.textbx);
  keys.Int("textby", r.textby);
  ReadSwitchFont(keys, r);
}

// The main keys both switch kinds begin with.
template <class TSwitch>
void ReadSwitchPictures(TKeyCursor& c, TSwitch& r) {
  r.vx = c.Int("vx");
  r.vy = c.Int("vy");
  r.fn1 = c.Token("fn1");
  r.fn2 = c.Token("fn2");
  r.fn3 = c.Token("fn3");
  r.fn4 = c.Token("fn4");
  r.state = c.OnOff("state");
  r.store = c.OnOff("store");
}

int PopupType(TKeyCursor& c) {
  const std::string word = c.Token("type");
  const auto is = [&word](const char* name) { return word.find(name) != std::string::npos; };
  if (is("historyback")) return ptHistoryBack;
  if (is("historyforward")) return ptHistoryForward;
  if (is("favorite")) return ptFavorite;
  if (is("contexthtml")) return ptContextHtml;
  return c.Int("type");
}

// A folder name is made to end in '\' before it is resolved, so that a bare folder name
// is taken under the program folder too.
std::string FolderName(std::string name) {
  if (name.empty()) return name;
  if (name.back() != '\\') name += '\\';
  return ResolvePath(name);
}

}  // namespace

RBtn ReadWindowButton(TKeyCursor& c, const std::string& command) {
  RBtn b;
  b.go = command;
  b.vx = c.Int("vx");
  b.vy = c.Int("vy");
  b.fn1 = c.Token("fn1");
  b.fn2 = c.Token("fn2");
  b.fn3 = c.Token("fn3");
  b.hint = c.Token("hint");
  b.wav = c.Token("wav");
  return b;
}

RBtn ReadButton(TKeyCursor& c) {
  RBtn b;
  c.onLineLeft = [&b](const TLineKeys& keys) { ReadButtonCaptions(keys, b); };
  b.vx = c.Int("vx");
  b.vy = c.Int("vy");
  b.fn1 = c.Token("fn1");
  b.fn2 = c.Token("fn2");
  b.fn3 = c.Token("fn3");
  b.go = c.Token("go");
  b.hint = c.Token("hint");
  b.wav = c.Token("wav");
  c.onLineLeft = nullptr;
  return b;
}

RSwthOne ReadSwitchOne(TKeyCursor& c) {
  RSwthOne r;
  c.onLineLeft = [&r](const TLineKeys& keys) { ReadSwitchOneCaptions(keys, r); };
  ReadSwitchPictures(c, r);
  r.goup = ResolvePath(c.Token("goup"));
  r.godown = ResolvePath(c.Token("godown"));
  r.hint = c.Token("hint");
  r.wav = c.Token("wav");
  c.onLineLeft = nullptr;
  return r;
}

RSwthGrp ReadSwitchGrp(TKeyCursor& c) {
  RSwthGrp r;
  c.onLineLeft = [&r](const TLineKeys& keys) { ReadSwitchGrpCaptions(keys, r); };
  ReadSwitchPictures(c, r);
  r.group = c.Int("group");
  r.go = ResolvePath(c.Token("go"));
  r.hint = c.Token("hint");
  r.wav = c.Token("wav");
  c.onLineLeft = nullptr;
  return r;
}

RHTML ReadHtml(TKeyCursor& c) {
  RHTML r;
  r.vx = c.Int("vx");
  r.vy = c.Int("vy");
  r.vw = c.Int("vw");
  r.vh = c.Int("vh");
  r.fn = ResolvePath(c.Token("fn"));
  r.number = c.Int("number");
  return r;
}

RFindTxt ReadFindTxt(TKeyCursor& c) {
  RFindTxt r;
  r.vx = c.Int("vx");
  r.vy = c.Int("vy");
  r.vw = c.Int("vw");
  r.vh = c.Int("vh");
  r.frame = c.Token("frame");
  r.nofiles = c.List("nofiles");
  r.number = c.Int("number");
  r.hint = c.Token("hint");
  return r;
}

RPathInput ReadPathInput(TKeyCursor& c) {
  RPathInput r;
  r.vx = c.Int("vx");
  r.vy = c.Int("vy");
  r.vw = c.Int("vw");
  r.vh = c.Int("vh");
  r.pathdef = c.Token("pathdef");
  r.hint = c.Token("hint");
  return r;
}

RClip ReadClip(TKeyCursor& c) {
  RClip r;
  r.vx = c.Int("vx");
  r.vy = c.Int("vy");
  r.vw = c.Int("vw");
  r.vh = c.Int("vh");
  r.bgcolor = c.Color("bgcolor");
  r.html = c.Int("html");
  return r;
}

RText ReadText(TKeyCursor& c) {
  RText r;
  r.vx = c.Int("vx");
  r.vy = c.Int("vy");
  r.vw = c.Int("vw");
  r.font = c.Token("font");
  r.size = c.Int("size");
  r.style = c.Token("style");
  r.color = c.Color("color");
  r.value = c.Token("value");
  r.ident = c.Token("ident");
  r.number = c.Int("number");
  return r;
}

RImage ReadImage(TKeyCursor& c) {
  RImage r;
  r.vx = c.Int("vx");
  r.vy = c.Int("vy");
  r.vw = c.Int("vw");
  r.vh = c.Int("vh");
  r.dir = FolderName(c.Token("dir"));
  return r;
}

RPopupData ReadPopup(TKeyCursor& c) {
  RPopupData r;
  r.xfon = c.Int("xfon");
  r.yfon = c.Int("yfon");
  r.fnfon = c.Token("fnfon");
  r.xbtn = c.Int("xbtn");
  r.ybtn = c.Int("ybtn");
  r.fnbtnup = c.List("fnbtnup");
  r.fnbtnmove = c.List("fnbtnmove");
  r.fnbtndown = c.List("fnbtndown");
  r.fontup = c.Token("fontup");
  r.sizeup = c.Int("sizeup");
  r.styleup = c.Token("styleup");
  r.colorup = c.Color("colorup");
  r.fontmv = c.Token("fontmv");
  r.sizemv = c.Int("sizemv");
  r.stylemv = c.Token("stylemv");
  r.colormv = c.Color("colormv");
  r.caption = c.List("caption");
  r.go = c.List("go");
  r.parent = c.Token("parent");
  r.type = PopupType(c);
  r.vertex = c.Vertices("vertex");
  return r;
}

RTree ReadTree(TKeyCursor& c) {
  RTree r;
  r.vw = c.Int("vw");
  r.vh = c.Int("vh");
  r.colorselect = c.Color("colorselect");
  r.colorselecttext = c.Color("colorselecttext");
  r.fn = c.Token("fn");
  return r;
}

RSplitter ReadSplitter(TKeyCursor& c) {
  RSplitter r;
  r.color = c.Color("color");
  return r;
}
