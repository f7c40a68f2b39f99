#include "Descriptions.h"

#include "Captions.h"
#include "HelpFile.h"
#include "TextElements.h"
#include "platform/Cp1251.h"

#include <stdexcept>

namespace {

// The reader finds keywords anywhere in a line, values included. A value holding one of
// these would start a handler or a key where none is meant.
const char* const kReservedWords[] = {
    "codec", "rolic",       "helpwin",   "background", "icon",      "bgsounddef", "vertexmain", "minimize",
    "close", "button",      "switchone", "switchgrp",  "_html",     "_findtxt",   "_path",      "_clip",
    "_text", "_image",      "_popup",    "_tree",      "_splitter", "_screen",    "vx",         "vy",
    "vw",    "vh",          "fn",        "go",         "hint",      "wav",        "state",      "store",
    "group", "textcaption", "texttx",    "textty",     "textbx",    "textby",     "textfont",   "font",
    "size",  "style",       "color",     "value",      "ident",     "number",     "pathdef"};

QString Checked(const QString& value) {
  const QString lower = value.toLower();
  for (const char* word : kReservedWords)
    if (lower.contains(QLatin1String(word)))
      throw std::runtime_error("value \"" + value.toStdString() + "\" contains the keyword " + word);
  if (value.contains(';') || value.contains('[') || value.contains(']'))
    throw std::runtime_error("value \"" + value.toStdString() + "\" contains a separator");
  return value;
}

QString Color(const QColor& c) { return QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue()); }

QString Box(const QString& suffix, const QRect& box) {
  return QStringLiteral("texttx%5=%1; textty%5=%2; textbx%5=%3; textby%5=%4")
      .arg(box.left())
      .arg(box.top())
      .arg(box.right() + 1)
      .arg(box.bottom() + 1)
      .arg(suffix);
}

QString Pictures(const SkinElement& e) {
  QStringList parts;
  const QStringList looks = LooksOf(e.kind);
  for (int i = 0; i < looks.size(); ++i)
    parts << QStringLiteral("fn%1=%2").arg(i + 1).arg(Checked(PictureFile(e, looks[i])));
  return parts.join("; ");
}

QString Position(const SkinElement& e) { return QStringLiteral("vx=%1; vy=%2").arg(e.rect.left()).arg(e.rect.top()); }

QString OnOff(bool on) { return on ? "on" : "off"; }

// The wav key ends its element's block and stands alone on the last line, so the ".wav" of
// its value comes after the key the reader has already found there.
QString Sound(const QString& file) {
  if (file.isEmpty()) return "no";
  if (!file.endsWith(".wav")) throw std::runtime_error("sound \"" + file.toStdString() + "\" is no .wav");
  return Checked(file.chopped(4)) + ".wav";
}

// Caption keys go before vx: the reader takes them from lines where the next main key is
// absent.
QStringList CaptionLines(const SkinElement& e) {
  QStringList lines;
  const QString font =
      QStringLiteral("textfontname=%1; textfontsize=%2").arg(Checked(CaptionFontFamily())).arg(e.fontPoints);
  if (e.kind == ElementKind::Button) {
    lines << QStringLiteral("textcaption=%1; ").arg(Checked(e.captionUp)) + Box("", CaptionBox(e, e.captionUp));
    lines << font;
    lines << "textfontstyleup=bold; textfontstylemv=bold; textfontstyledn=bold";
    lines << QStringLiteral("textfontcolorup=%1; textfontcolormv=%2; textfontcolordn=%3")
                 .arg(Color(e.colors[0]), Color(e.colors[1]), Color(e.colors[2]));
    return lines;
  }
  lines << QStringLiteral("textcaptionup=%1; textcaptiondn=%2").arg(Checked(e.captionUp), Checked(e.captionDn));
  if (e.kind == ElementKind::Toggle) {
    lines << Box("up", CaptionBox(e, e.captionUp));
    lines << Box("dn", CaptionBox(e, e.captionDn));
  } else {
    lines << Box("", CaptionBox(e, e.captionUp));
  }
  lines << font;
  lines << "textfontstyleup=bold; textfontstylemvup=bold; textfontstylemvdn=bold; "
           "textfontstyledn=bold";
  lines << QStringLiteral(
               "textfontcolorup=%1; textfontcolormvup=%2; textfontcolormvdn=%3; "
               "textfontcolordn=%4")
               .arg(Color(e.colors[0]), Color(e.colors[1]), Color(e.colors[2]), Color(e.colors[3]));
  return lines;
}

QStringList ElementLines(const SkinElement& e) {
  const QString screen = QString::number(e.screen + 1);
  QStringList lines;
  switch (e.kind) {
    case ElementKind::Button:
      lines << "button " + screen << CaptionLines(e) << Position(e) << Pictures(e) << "go=" + Checked(e.command);
      break;
    case ElementKind::Toggle:
      lines << "switchone " + screen << CaptionLines(e) << Position(e) << Pictures(e)
            << QStringLiteral("state=%1; store=%2").arg(OnOff(e.state), OnOff(e.store))
            << QStringLiteral("goup=%1; godown=%2").arg(Checked(e.commandOff), Checked(e.commandOn));
      break;
    case ElementKind::Grouped:
      lines << "switchgrp " + screen << CaptionLines(e) << Position(e) << Pictures(e)
            << QStringLiteral("state=%1; store=%2").arg(OnOff(e.state), OnOff(e.store))
            << QStringLiteral("group=%1; go=%2").arg(e.group).arg(Checked(e.command));
      break;
  }
  lines << "hint=" + Checked(e.hint) << "wav=" + Sound(e.sound) << QString();
  return lines;
}

// Keys in the reader's order; each is searched from the line of the one before.
QStringList TextLines(const SkinText& t) {
  const QPoint at = TextPosition(t);
  return {QStringLiteral("_text %1").arg(t.screen + 1),
          QStringLiteral("vx=%1; vy=%2; vw=%3").arg(at.x()).arg(at.y()).arg(t.area.x() + t.area.width()),
          QStringLiteral("font=%1; size=%2; style=%3; color=%4")
              .arg(Checked(t.family))
              .arg(t.points)
              .arg(t.bold ? "bold" : "normal", Color(t.color)),
          "value=" + Checked(t.value),
          QStringLiteral("ident=%1; number=%2").arg(Checked(t.ident)).arg(t.number),
          QString()};
}

// vw and vh are the box's right and bottom edges.
QStringList PathLines(const SkinPath& p) {
  const QRect& b = p.box;
  return {
      QStringLiteral("_path %1").arg(p.screen + 1),
      QStringLiteral("vx=%1; vy=%2; vw=%3; vh=%4").arg(b.x()).arg(b.y()).arg(b.x() + b.width()).arg(b.y() + b.height()),
      "pathdef=" + Checked(p.pathdef), "hint=" + Checked(p.hint), QString()};
}

QStringList HtmlLines(const SkinHtml& h) {
  const QRect& b = h.box;
  return {
      QStringLiteral("_html %1").arg(h.screen + 1),
      QStringLiteral("vx=%1; vy=%2; vw=%3; vh=%4").arg(b.x()).arg(b.y()).arg(b.x() + b.width()).arg(b.y() + b.height()),
      "fn=" + Checked(h.start), QStringLiteral("number=%1").arg(h.number), QString()};
}

// vw and vh are the field's right and bottom edges. The frame name is a key word of the
// description ("text"), which is harmless in this value: no key is looked for after it on its
// line.
QStringList FindTxtLines(const SkinFindTxt& f) {
  const QRect& b = f.box;
  return {
      QStringLiteral("_findtxt %1").arg(f.screen + 1),
      QStringLiteral("vx=%1; vy=%2; vw=%3; vh=%4").arg(b.x()).arg(b.y()).arg(b.x() + b.width()).arg(b.y() + b.height()),
      "frame=" + f.frame,
      "nofiles=[]",
      QStringLiteral("number=%1").arg(f.number),
      "hint=" + Checked(f.hint),
      QString()};
}

// vw and vh are the panel's right and bottom edges; html names the pane the clip's page
// shows in.
QStringList ClipLines(const SkinClip& c) {
  const QRect& b = c.box;
  return {
      QStringLiteral("_clip %1").arg(c.screen + 1),
      QStringLiteral("vx=%1; vy=%2; vw=%3; vh=%4").arg(b.x()).arg(b.y()).arg(b.x() + b.width()).arg(b.y() + b.height()),
      QStringLiteral("bgcolor=%1; html=%2").arg(Color(c.color)).arg(c.html), QString()};
}

// vw and vh are the tree's right and bottom edges on the window.
QStringList TreeLines(const SkinTree& t) {
  return {QStringLiteral("_tree %1").arg(t.screen + 1), QStringLiteral("vw=%1; vh=%2").arg(t.right).arg(t.bottom),
          QStringLiteral("colorselect=%1; colorselecttext=%2").arg(Color(t.select), Color(t.selectText)),
          "fn=" + Checked(t.file), QString()};
}

// Inside a list's block the reader looks for the list's keys, element headers and top-level
// keywords anywhere in a line: its values must hold none of them. List items with a "." or
// "\\" are taken for file names, which a caption is not.
const char* const kPopupReservedWords[] = {
    "codec",   "rolic",     "helpwin",   "background", "icon",     "bgsounddef", "vertexmain", "minimize", "close",
    "button",  "switchone", "switchgrp", "_html",      "_findtxt", "_path",      "_clip",      "_text",    "_image",
    "_popup",  "_tree",     "_splitter", "_screen",    "xfon",     "yfon",       "fnfon",      "xbtn",     "ybtn",
    "fnbtnup", "fnbtnmove", "fnbtndown", "fontup",     "sizeup",   "styleup",    "colorup",    "fontmv",   "sizemv",
    "stylemv", "colormv",   "caption",   "go",         "parent",   "type",       "vertex"};

QString CheckedInPopup(const QString& value) {
  const QString lower = value.toLower();
  for (const char* word : kPopupReservedWords)
    if (lower.contains(QLatin1String(word)))
      throw std::runtime_error("popup value \"" + value.toStdString() + "\" contains the keyword " + word);
  if (value.contains(';') || value.contains('[') || value.contains(']'))
    throw std::runtime_error("popup value \"" + value.toStdString() + "\" contains a separator");
  return value;
}

QString CaptionInPopup(const QString& caption) {
  if (caption.contains('.') || caption.contains('\\'))
    throw std::runtime_error("popup caption \"" + caption.toStdString() + "\" would be read as a file name");
  return CheckedInPopup(caption);
}

QString PopupList(const QStringList& items, QString (*checked)(const QString&)) {
  QStringList parts;
  for (const QString& item : items) parts << checked(item);
  return "[" + parts.join(';') + "]";
}

QStringList PopupLines(const SkinPopup& p) {
  QStringList vertices;
  if (p.shaped)
    for (const QPoint& pt : PopupShape(p)) vertices << QStringLiteral("%1,%2").arg(pt.x()).arg(pt.y());
  const QString font = CheckedInPopup(CaptionFontFamily());
  return {QStringLiteral("_popup %1").arg(p.screen + 1),
          QStringLiteral("xfon=%1; yfon=%2; fnfon=%3")
              .arg(p.fixed.x())
              .arg(p.fixed.y())
              .arg(CheckedInPopup(PopupPictureFile(p, "fon"))),
          QStringLiteral("xbtn=-1; ybtn=%1").arg(p.margin),
          "fnbtnup=[" + CheckedInPopup(PopupPictureFile(p, "up")) + "]",
          "fnbtnmove=[" + CheckedInPopup(PopupPictureFile(p, "mv")) + "]",
          "fnbtndown=[" + CheckedInPopup(PopupPictureFile(p, "dn")) + "]",
          QStringLiteral("fontup=%1; sizeup=%2; styleup=normal; colorup=226,232,240").arg(font).arg(p.shaped ? 10 : 9),
          QStringLiteral("fontmv=%1; sizemv=%2; stylemv=bold; colormv=24,32,44").arg(font).arg(p.shaped ? 10 : 9),
          "caption=" + PopupList(p.captions, CaptionInPopup),
          "go=" + PopupList(p.commands, CheckedInPopup),
          "parent=none; type=" + p.type,
          "vertex=[" + vertices.join(';') + "]",
          QString()};
}

QString WindowButtonLine(const QString& keyword, const SkinElement& e) {
  return QStringLiteral("%1; %2; %3; hint=%4; wav=%5")
      .arg(keyword, Position(e), Pictures(e), Checked(e.hint), Sound(e.sound));
}

std::string Encode(const QStringList& lines) {
  std::string text;
  for (const QString& line : lines) text += ToCp1251(line) + "\r\n";
  return text;
}

}  // namespace

std::string StructText(const SkinLayout& s) {
  QStringList lines;
  lines << "codec="
        << "rolic=" + Checked(s.startClip) << "background=no"
        << "bgsounddef=[" + s.songs.join(';') + "]"
        << QStringLiteral("helpwin vw=0; vh=0; fn=%1").arg(Checked(kHelpFile));
  QStringList vertices;
  for (const QPoint& pt : s.windowShape) vertices << QStringLiteral("%1,%2").arg(pt.x()).arg(pt.y());
  lines << "vertexmain=[" + vertices.join(';') + "]";
  lines << WindowButtonLine("minimize", s.minimize) << WindowButtonLine("close", s.close) << QString();
  // Each screen after its elements, so that its window buttons come last in its list.
  for (int screen = 0; screen < s.backgrounds.size(); ++screen) {
    for (const SkinElement& e : s.elements)
      if (e.screen == screen) lines << ElementLines(e);
    for (const SkinText& t : s.texts)
      if (t.screen == screen) lines << TextLines(t);
    for (const SkinPath& p : s.paths)
      if (p.screen == screen) lines << PathLines(p);
    for (const SkinHtml& h : s.htmls)
      if (h.screen == screen) lines << HtmlLines(h);
    for (const SkinPopup& p : s.popups)
      if (p.screen == screen) lines << PopupLines(p);
    for (const SkinTree& t : s.trees)
      if (t.screen == screen) lines << TreeLines(t);
    for (const SkinFindTxt& f : s.findFields)
      if (f.screen == screen) lines << FindTxtLines(f);
    for (const SkinClip& c : s.clips)
      if (c.screen == screen) lines << ClipLines(c);
    lines << QStringLiteral("_screen%1 %2").arg(screen + 1).arg(Checked(s.backgrounds[screen])) << QString();
  }
  while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return Encode(lines);
}

std::string TitleText(const SkinLayout& s) { return Encode({s.title}); }

std::string TesaurusText(const SkinLayout& s) {
  QStringList lines;
  lines << "title=" + Checked(s.title) << WindowButtonLine("minimize", s.minimize) << WindowButtonLine("close", s.close)
        << QString();
  for (const SkinElement& e : s.elements) lines << ElementLines(e);
  for (const SkinFindTxt& f : s.findFields) lines << FindTxtLines(f);
  for (const SkinHtml& h : s.htmls) lines << HtmlLines(h);
  for (const SkinText& t : s.texts) lines << TextLines(t);
  lines << "_screen1 " + Checked(s.backgrounds.front());
  return Encode(lines);
}
