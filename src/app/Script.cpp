#include "app/Script.h"

#include "app/SkinModel.h"

#include <QHash>

namespace {

bool ParseInt(const QString& text, int& value) {
  bool ok = false;
  value = text.toInt(&ok);
  return ok;
}

// "X Y [shift]"
bool ParsePoint(const QStringList& words, TScriptLine& line) {
  int x = 0, y = 0;
  if (words.size() < 3 || words.size() > 4 || !ParseInt(words[1], x) || !ParseInt(words[2], y)) return false;
  line.at = QPoint(x, y);
  if (words.size() == 4) {
    if (words[3].compare(u"shift", Qt::CaseInsensitive) != 0) return false;
    line.shift = true;
  }
  return true;
}

const QHash<QString, int>& NamedKeys() {
  static const QHash<QString, int> keys = {
      {"esc", Qt::Key_Escape},        {"escape", Qt::Key_Escape}, {"enter", Qt::Key_Return},
      {"return", Qt::Key_Return},     {"tab", Qt::Key_Tab},       {"space", Qt::Key_Space},
      {"home", Qt::Key_Home},         {"end", Qt::Key_End},       {"up", Qt::Key_Up},
      {"down", Qt::Key_Down},         {"left", Qt::Key_Left},     {"right", Qt::Key_Right},
      {"pgup", Qt::Key_PageUp},       {"pageup", Qt::Key_PageUp}, {"pgdn", Qt::Key_PageDown},
      {"pagedown", Qt::Key_PageDown}, {"insert", Qt::Key_Insert}, {"ins", Qt::Key_Insert},
      {"delete", Qt::Key_Delete},     {"del", Qt::Key_Delete},    {"backspace", Qt::Key_Backspace},
  };
  return keys;
}

// A popup list's type as the description writes it, or as a number.
bool ParsePopupType(const QString& text, int& type) {
  static const QHash<QString, int> words = {{"historyback", ptHistoryBack},
                                            {"historyforward", ptHistoryForward},
                                            {"favorite", ptFavorite},
                                            {"contexthtml", ptContextHtml}};
  if (const auto it = words.constFind(text.toLower()); it != words.constEnd()) {
    type = *it;
    return true;
  }
  return ParseInt(text, type);
}

}  // namespace

bool ParseKeyName(const QString& keyName, int& key, Qt::KeyboardModifiers& modifiers) {
  modifiers = Qt::NoModifier;
  const QStringList parts = keyName.split(u'+');
  for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
    const QString mod = parts[i].toLower();
    if (mod == u"shift")
      modifiers |= Qt::ShiftModifier;
    else if (mod == u"ctrl" || mod == u"control")
      modifiers |= Qt::ControlModifier;
    else if (mod == u"alt")
      modifiers |= Qt::AltModifier;
    else
      return false;
  }
  const QString name = parts.last().toLower();
  if (name.isEmpty()) return false;
  if (const auto it = NamedKeys().constFind(name); it != NamedKeys().constEnd()) {
    key = *it;
    return true;
  }
  if (name.size() >= 2 && name[0] == u'f') {
    int n = 0;
    if (ParseInt(name.mid(1), n) && n >= 1 && n <= 24) {
      key = Qt::Key_F1 + n - 1;
      return true;
    }
  }
  if (name.size() == 1 && name[0].isLetterOrNumber() && name[0].unicode() < 128) {
    key = name[0].toUpper().unicode();
    return true;
  }
  return false;
}

TScript ParseScript(const QString& text) {
  TScript script;
  const QStringList rows = text.split(u'\n');
  for (qsizetype i = 0; i < rows.size(); ++i) {
    const QString row = rows[i].trimmed();
    if (row.isEmpty() || row.startsWith(u'#')) continue;
    TScriptLine line;
    line.lineNumber = static_cast<int>(i + 1);
    const QStringList words = row.split(u' ', Qt::SkipEmptyParts);
    const QString verb = words[0].toLower();
    const QString rest = row.mid(words[0].size()).trimmed();
    bool ok = true;
    if (verb == u"command") {
      line.kind = TScriptLine::Kind::Command;
      line.text = rest;
      ok = !rest.isEmpty();
    } else if (verb == u"move") {
      line.kind = TScriptLine::Kind::Move;
      ok = ParsePoint(words, line) && !line.shift;
    } else if (verb == u"press" || verb == u"release" || verb == u"click") {
      line.kind = verb == u"press"     ? TScriptLine::Kind::Press
                  : verb == u"release" ? TScriptLine::Kind::Release
                                       : TScriptLine::Kind::Click;
      ok = ParsePoint(words, line);
    } else if (verb == u"key") {
      line.kind = TScriptLine::Kind::Key;
      ok = words.size() == 2 && ParseKeyName(words[1], line.key, line.modifiers);
    } else if (verb == u"wait") {
      line.kind = TScriptLine::Kind::Wait;
      ok = words.size() == 2 && ParseInt(words[1], line.milliseconds) && line.milliseconds >= 0;
    } else if (verb == u"shot" || verb == u"dump") {
      line.kind = verb == u"shot" ? TScriptLine::Kind::Shot : TScriptLine::Kind::Dump;
      line.text = rest;
      ok = !rest.isEmpty();
    } else if (verb == u"link") {
      // link URL [TARGET]
      line.kind = TScriptLine::Kind::Link;
      ok = words.size() == 2 || words.size() == 3;
      if (ok) {
        line.text = words[1];
        if (words.size() == 3) line.target = words[2];
      }
    } else if (verb == u"find") {
      // find TEXT [case]: the text may hold blanks.
      line.kind = TScriptLine::Kind::Find;
      line.text = rest;
      if (words.size() > 2 && words.last().compare(u"case", Qt::CaseInsensitive) == 0) {
        line.matchCase = true;
        line.text = rest.left(rest.size() - words.last().size()).trimmed();
      }
      ok = !line.text.isEmpty();
    } else if (verb == u"drop") {
      line.kind = TScriptLine::Kind::Drop;
      line.text = rest;
      ok = !rest.isEmpty();
    } else if (verb == u"tree") {
      // tree N CAPTION: the caption may hold blanks.
      line.kind = TScriptLine::Kind::Tree;
      ok = words.size() >= 3 && ParseInt(words[1], line.number) && (line.number == 1 || line.number == 2);
      if (ok) line.text = rest.mid(words[1].size()).trimmed();
    } else if (verb == u"field") {
      // field N TEXT: the text may hold blanks.
      line.kind = TScriptLine::Kind::Field;
      ok = words.size() >= 3 && ParseInt(words[1], line.number);
      if (ok) line.text = rest.mid(words[1].size()).trimmed();
    } else if (verb == u"await") {
      // await file NAME | await windows N CAPTION: other processes have got that far;
      // await state PATH VALUE: the dump's value at PATH (keys joined by '.') reads VALUE.
      const QString what = words.size() > 1 ? words[1].toLower() : QString();
      if (what == u"state") {
        line.kind = TScriptLine::Kind::AwaitState;
        ok = words.size() >= 4;
        if (ok) {
          line.target = words[2];
          line.text = rest.mid(words[1].size()).trimmed().mid(words[2].size()).trimmed();
        }
      } else if (what == u"file") {
        line.kind = TScriptLine::Kind::AwaitFile;
        line.text = rest.mid(words[1].size()).trimmed();
        ok = !line.text.isEmpty();
      } else {
        line.kind = TScriptLine::Kind::AwaitWindows;
        ok = what == u"windows" && words.size() >= 4 && ParseInt(words[2], line.number) && line.number >= 0;
        if (ok) line.text = rest.mid(words[1].size()).trimmed().mid(words[2].size()).trimmed();
      }
    } else if (verb == u"item") {
      // item TYPE N: item N (from 1) of the open list of that type.
      line.kind = TScriptLine::Kind::Item;
      ok =
          words.size() == 3 && ParsePopupType(words[1], line.number) && ParseInt(words[2], line.item) && line.item >= 1;
    } else if (verb == u"preview") {
      // preview NAME: a tool button of the open print preview.
      line.kind = TScriptLine::Kind::Preview;
      ok = words.size() == 2;
      if (ok) line.text = words[1];
    } else if (verb == u"option") {
      // option NAME VALUE: a control of the open settings dialog.
      line.kind = TScriptLine::Kind::Option;
      ok = words.size() == 3;
      if (ok) {
        line.target = words[1];
        line.text = words[2];
      }
    } else if (verb == u"button") {
      // button NAME: a named button of the open modal or secondary window.
      line.kind = TScriptLine::Kind::Button;
      ok = words.size() == 2;
      if (ok) line.text = words[1];
    } else if (verb == u"zoom") {
      // zoom N: entry N (from 0) of the print preview's zoom box.
      line.kind = TScriptLine::Kind::Zoom;
      ok = words.size() == 2 && ParseInt(words[1], line.number) && line.number >= 0;
    } else if (verb == u"close") {
      line.kind = TScriptLine::Kind::Close;
      ok = words.size() == 1;
    } else {
      script.error = QStringLiteral("line %1: unknown command \"%2\"").arg(i + 1).arg(words[0]);
      return script;
    }
    if (!ok) {
      script.error = QStringLiteral("line %1: cannot read \"%2\"").arg(i + 1).arg(row);
      return script;
    }
    script.lines.push_back(line);
  }
  return script;
}
