// dump-skin: the main description of a book as the skin reader understands it, in JSON.
// Records use the description's own key names; the buttons' and switches' right and bottom
// edges are left out, since they come from the pictures when the window loads them.
// "vertexmain" is null when the description gives no window shape.

#include "app/ComprStream.h"
#include "app/Description.h"
#include "app/Errors.h"
#include "app/ResourcePack.h"
#include "booktool/BookOpening.h"
#include "booktool/Command.h"
#include "booktool/OpenBook.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "skin/SkinReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

QJsonValue Text(const std::string& text) { return FromCp1251(text); }

QJsonArray Texts(const std::vector<std::string>& texts) {
  QJsonArray array;
  for (const std::string& text : texts) array.append(Text(text));
  return array;
}

QJsonArray Points(const std::vector<QPoint>& points) {
  QJsonArray array;
  for (const QPoint& p : points) array.append(QJsonArray{p.x(), p.y()});
  return array;
}

QJsonObject Button(const RBtn& b) {
  return {{"vx", b.vx},
          {"vy", b.vy},
          {"textcaption", Text(b.textcaption)},
          {"texttx", b.texttx},
          {"textty", b.textty},
          {"textbx", b.textbx},
          {"textby", b.textby},
          {"textfontname", Text(b.textfontname)},
          {"textfontsize", b.textfontsize},
          {"textfontstyleup", b.textfontstyleup},
          {"textfontstylemv", b.textfontstylemv},
          {"textfontstyledn", b.textfontstyledn},
          {"textfontcolorup", b.textfontcolorup},
          {"textfontcolormv", b.textfontcolormv},
          {"textfontcolordn", b.textfontcolordn},
          {"fn1", Text(b.fn1)},
          {"fn2", Text(b.fn2)},
          {"fn3", Text(b.fn3)},
          {"go", Text(b.go)},
          {"hint", Text(b.hint)},
          {"wav", Text(b.wav)}};
}

// What both switch kinds hold under the same keys.
template <class TSwitch>
QJsonObject SwitchCommon(const TSwitch& r) {
  return {{"vx", r.vx},
          {"vy", r.vy},
          {"fn1", Text(r.fn1)},
          {"fn2", Text(r.fn2)},
          {"fn3", Text(r.fn3)},
          {"fn4", Text(r.fn4)},
          {"state", r.state},
          {"store", r.store},
          {"hint", Text(r.hint)},
          {"wav", Text(r.wav)},
          {"textcaptionup", Text(r.textcaptionup)},
          {"textcaptiondn", Text(r.textcaptiondn)},
          {"textfontname", Text(r.textfontname)},
          {"textfontsize", r.textfontsize},
          {"textfontstyleup", r.textfontstyleup},
          {"textfontstylemvup", r.textfontstylemvup},
          {"textfontstylemvdn", r.textfontstylemvdn},
          {"textfontstyledn", r.textfontstyledn},
          {"textfontcolorup", r.textfontcolorup},
          {"textfontcolormvup", r.textfontcolormvup},
          {"textfontcolormvdn", r.textfontcolormvdn},
          {"textfontcolordn", r.textfontcolordn}};
}

QJsonObject SwitchOne(const RSwthOne& r) {
  QJsonObject o = SwitchCommon(r);
  o.insert("goup", Text(r.goup));
  o.insert("godown", Text(r.godown));
  o.insert("texttxup", r.texttxup);
  o.insert("texttyup", r.texttyup);
  o.insert("textbxup", r.textbxup);
  o.insert("textbyup", r.textbyup);
  o.insert("texttxdn", r.texttxdn);
  o.insert("texttydn", r.texttydn);
  o.insert("textbxdn", r.textbxdn);
  o.insert("textbydn", r.textbydn);
  return o;
}

QJsonObject SwitchGrp(const RSwthGrp& r) {
  QJsonObject o = SwitchCommon(r);
  o.insert("group", r.group);
  o.insert("go", Text(r.go));
  o.insert("texttx", r.texttx);
  o.insert("textty", r.textty);
  o.insert("textbx", r.textbx);
  o.insert("textby", r.textby);
  return o;
}

QJsonObject Html(const RHTML& r) {
  return {{"screen", r.screen}, {"vx", r.vx},       {"vy", r.vy},        {"vw", r.vw},
          {"vh", r.vh},         {"fn", Text(r.fn)}, {"number", r.number}};
}

QJsonObject FindTxt(const RFindTxt& r) {
  return {{"screen", r.screen},
          {"vx", r.vx},
          {"vy", r.vy},
          {"vw", r.vw},
          {"vh", r.vh},
          {"frame", Text(r.frame)},
          {"nofiles", Texts(r.nofiles)},
          {"number", r.number},
          {"hint", Text(r.hint)}};
}

QJsonObject PathInput(const RPathInput& r) {
  return {{"screen", r.screen},         {"vx", r.vx},          {"vy", r.vy}, {"vw", r.vw}, {"vh", r.vh},
          {"pathdef", Text(r.pathdef)}, {"hint", Text(r.hint)}};
}

QJsonObject Clip(const RClip& r) {
  return {{"screen", r.screen}, {"vx", r.vx},           {"vy", r.vy},    {"vw", r.vw},
          {"vh", r.vh},         {"bgcolor", r.bgcolor}, {"html", r.html}};
}

QJsonObject TextElement(const RText& r) {
  return {{"screen", r.screen},
          {"vx", r.vx},
          {"vy", r.vy},
          {"vw", r.vw},
          {"font", Text(r.font)},
          {"size", r.size},
          {"style", Text(r.style)},
          {"color", r.color},
          {"value", Text(r.value)},
          {"ident", Text(r.ident)},
          {"number", r.number}};
}

QJsonObject Image(const RImage& r) {
  return {{"screen", r.screen}, {"vx", r.vx}, {"vy", r.vy}, {"vw", r.vw}, {"vh", r.vh}, {"dir", Text(r.dir)}};
}

QJsonObject Popup(const RPopupData& r) {
  return {{"screen", r.screen},
          {"xfon", r.xfon},
          {"yfon", r.yfon},
          {"fnfon", Text(r.fnfon)},
          {"xbtn", r.xbtn},
          {"ybtn", r.ybtn},
          {"fnbtnup", Texts(r.fnbtnup)},
          {"fnbtnmove", Texts(r.fnbtnmove)},
          {"fnbtndown", Texts(r.fnbtndown)},
          {"fontup", Text(r.fontup)},
          {"sizeup", r.sizeup},
          {"styleup", Text(r.styleup)},
          {"colorup", r.colorup},
          {"fontmv", Text(r.fontmv)},
          {"sizemv", r.sizemv},
          {"stylemv", Text(r.stylemv)},
          {"colormv", r.colormv},
          {"caption", Texts(r.caption)},
          {"go", Texts(r.go)},
          {"parent", Text(r.parent)},
          {"type", r.type},
          {"vertex", Points(r.vertex)}};
}

QJsonObject Tree(const RTree& r) {
  return {{"screen", r.screen},
          {"vw", r.vw},
          {"vh", r.vh},
          {"colorselect", r.colorselect},
          {"colorselecttext", r.colorselecttext},
          {"fn", Text(r.fn)}};
}

QJsonObject Splitter(const RSplitter& r) { return {{"screen", r.screen}, {"color", r.color}}; }

template <class TRecord, class TWriter>
QJsonArray Records(const std::vector<TRecord>& records, TWriter write) {
  QJsonArray array;
  for (const TRecord& r : records) array.append(write(r));
  return array;
}

QJsonArray Screens(const TSkinModel& m) {
  QJsonArray screens;
  for (int s = 0; s < m.ScreenCount(); ++s) {
    screens.append(QJsonObject{{"background", Text(m.ScreenBackgrounds[s])},
                               {"buttons", Records(m.ScreenBtns[s], Button)},
                               {"switchone", Records(m.ScreenSwthOne[s], SwitchOne)},
                               {"switchgrp", Records(m.ScreenSwthGrp[s], SwitchGrp)}});
  }
  return screens;
}

// One list in screen order; each record names its screen.
QJsonArray Popups(const TSkinModel& m) {
  QJsonArray array;
  for (const TPopupData& screen : m.ScreenPopups)
    for (const RPopupData& r : screen) array.append(Popup(r));
  return array;
}

QJsonObject SkinJson(const TSkinModel& m) {
  return {{"screens", Screens(m)},
          {"html", Records(m.Htmls, Html)},
          {"findtxt", Records(m.FindTxts, FindTxt)},
          {"path", Records(m.PathInputs, PathInput)},
          {"clip", Records(m.Clips, Clip)},
          {"text", Records(m.Texts, TextElement)},
          {"image", Records(m.Images, Image)},
          {"popup", Popups(m)},
          {"tree", Records(m.Trees, Tree)},
          {"splitter", Records(m.Splitters, Splitter)},
          {"codec", Text(m.Codec)},
          {"rolic", Text(m.Rolic)},
          {"background", Text(m.Background)},
          {"helpfile", Text(m.HelpFile)},
          {"icon", Text(m.Icon)},
          {"bgsounddef", Texts(m.BgSoundDef)},
          {"vertexmain", m.HasVertexMain ? QJsonValue(Points(m.VertexMain)) : QJsonValue()}};
}

int DumpSkin(const std::vector<std::string>& args) {
  if (args.size() != 1) throw UsageError("expected 1 argument");
  SetBookFolders(args[0]);
  OpenBookPack();
  const std::string structName = Global.ProgramFolder + "Struct.txt";
  if (!FileOrPackExists(structName)) throw InputError("no Struct.txt in " + args[0]);
  TSkinModel model;
  try {
    model = ReadSkin(ReadDescriptionLines(structName, true), ShownFileName(structName));
  } catch (const std::runtime_error& e) {
    throw InputError(e.what());
  }
  const QByteArray json = QJsonDocument(SkinJson(model)).toJson(QJsonDocument::Indented);
  if (std::fwrite(json.data(), 1, json.size(), stdout) != static_cast<size_t>(json.size()) || std::fflush(stdout) != 0)
    throw InputError("cannot write to standard output");
  return 0;
}

const RegisterCommand dumpSkinCommand({"dump-skin", "dump-skin BOOK", "print the book's main description as JSON",
                                       DumpSkin});

}  // namespace
