#include "html/PageScan.h"

#include "html/PageStyles.h"

#include <QSet>
#include <QStringList>
#include <algorithm>
#include <map>
#include <vector>

namespace {

// Tables nested deeper than this, and tags nested deeper than the other limit, need the tree
// (the pre-parse cuts them there).
constexpr int kMaxTableDepth = 12;
constexpr int kMaxElementDepth = 300;
const QString kTargetPrefix = QStringLiteral("skbtarget:");

// Views into the page, which outlives them.
struct TAttribute {
  QStringView name;
  QStringView value;     // as written, entities not read
  qsizetype start = -1;  // the value in the page, quotes included; -1 without a value
  qsizetype end = -1;
};

struct TTag {
  QString name;  // lower-cased
  bool closing = false;
  qsizetype start = 0, end = 0;  // '<' and after '>'
  std::vector<TAttribute> attributes;
  // `name` in lower case.
  const TAttribute* Find(QStringView name) const {
    for (const TAttribute& attribute : attributes)
      if (attribute.name.size() == name.size() && attribute.name.compare(name, Qt::CaseInsensitive) == 0)
        return &attribute;
    return nullptr;
  }
  QString Value(QStringView name) const {
    const TAttribute* attribute = Find(name);
    return attribute ? attribute->value.toString() : QString();
  }
};

bool IsSpace(QChar c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsAsciiLetter(QChar c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The tag at `at` ('<', then a letter or '/' and a letter), as the HTML tokenizer reads it.
void ReadTag(const QString& page, qsizetype at, TTag& tag) {
  const qsizetype n = page.size();
  qsizetype i = at + 1;
  tag.closing = page[i] == '/';
  if (tag.closing) ++i;
  const qsizetype nameStart = i;
  while (i < n && !IsSpace(page[i]) && page[i] != '>' && page[i] != '/') ++i;
  // Lower-cased into the tag's own buffer: most tags need no new memory.
  tag.name.resize(i - nameStart);
  for (qsizetype k = 0; k < tag.name.size(); ++k) tag.name[k] = page[nameStart + k].toLower();
  tag.start = at;
  tag.attributes.clear();
  while (i < n && page[i] != '>') {
    if (IsSpace(page[i]) || page[i] == '/') {
      ++i;
      continue;
    }
    TAttribute attribute;
    const qsizetype attributeStart = i++;  // a leading '=' belongs to the name
    while (i < n && !IsSpace(page[i]) && page[i] != '/' && page[i] != '>' && page[i] != '=') ++i;
    attribute.name = QStringView(page).mid(attributeStart, i - attributeStart);
    qsizetype j = i;
    while (j < n && IsSpace(page[j])) ++j;
    if (j < n && page[j] == '=') {
      ++j;
      while (j < n && IsSpace(page[j])) ++j;
      attribute.start = j;
      if (j < n && (page[j] == '"' || page[j] == '\'')) {
        const QChar quote = page[j];
        qsizetype close = page.indexOf(quote, j + 1);
        if (close < 0) close = n - 1;
        attribute.value = QStringView(page).mid(j + 1, close - j - 1);
        i = close + 1;
      } else {
        qsizetype k = j;
        while (k < n && !IsSpace(page[k]) && page[k] != '>') ++k;
        attribute.value = QStringView(page).mid(j, k - j);
        i = k;
      }
      attribute.end = i;
    }
    tag.attributes.push_back(std::move(attribute));
  }
  tag.end = std::min(i + 1, n);
}

// The length of the character at `at`: an entity reference, a surrogate pair or one unit.
qsizetype CharacterLength(const QString& page, qsizetype at) {
  if (page[at] == '&') {
    for (qsizetype i = at + 1; i < page.size() && i < at + 32; ++i) {
      if (page[i] == ';') return i + 1 - at;
      if ((!page[i].isLetterOrNumber() && page[i] != '#') || page[i].unicode() > 127) break;
    }
    return 1;
  }
  return page[at].isHighSurrogate() && at + 1 < page.size() ? 2 : 1;
}

QString ReadEntities(const QString& text) {
  if (!text.contains('&')) return text;
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length = CharacterLength(text, i);
    if (length < 3 || text[i] != '&') {
      out += text.mid(i, length);
      i += length - 1;
      continue;
    }
    const QString name = text.mid(i + 1, length - 2);
    bool ok = false;
    uint code = 0;
    if (name.startsWith(QStringLiteral("#x"), Qt::CaseInsensitive))
      code = name.mid(2).toUInt(&ok, 16);
    else if (name.startsWith('#'))
      code = name.mid(1).toUInt(&ok, 10);
    static const std::pair<const char*, char16_t> named[] = {
        {"amp", '&'},    {"lt", '<'},     {"gt", '>'},       {"quot", '"'},     {"apos", '\''}, {"nbsp", 0xA0},
        {"laquo", 0xAB}, {"raquo", 0xBB}, {"mdash", 0x2014}, {"ndash", 0x2013}, {"copy", 0xA9}};
    for (const auto& [entity, character] : named)
      if (name == QLatin1String(entity)) {
        code = character;
        ok = true;
      }
    if (ok && code > 0 && code <= 0x10FFFF)
      out += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
    else
      out += text.mid(i, length);
    i += length - 1;
  }
  return out;
}

// Values go back into the page inside double quotes; entities in them stay as written.
QString Quoted(QString value) {
  return '"' + value.replace('"', QStringLiteral("&quot;")).replace('<', QStringLiteral("&lt;")) + '"';
}

bool MayHideOrBorder(QStringView css) {
  return css.contains(QStringLiteral("display"), Qt::CaseInsensitive) ||
         css.contains(QStringLiteral("border"), Qt::CaseInsensitive);
}

// A style sheet that hides elements or draws borders round blocks: the parse tree must match
// its rules.
bool SheetNeedsTree(const QString& css) {
  if (!MayHideOrBorder(css)) return false;
  TPageStyles styles;
  styles.AddSheet(css);
  return styles.HidesOrBorders();
}

// Tags that close themselves or are closed by their next sibling do not nest.
bool Nests(const QString& name) {
  static const QSet<QString> flat = {"area",  "base",  "br",       "col",    "embed",   "hr",     "img",      "input",
                                     "link",  "meta",  "param",    "source", "track",   "wbr",    "p",        "li",
                                     "dt",    "dd",    "tr",       "td",     "th",      "option", "optgroup", "tbody",
                                     "thead", "tfoot", "colgroup", "frame",  "basefont"};
  return !flat.contains(name);
}

bool IsRawText(const QString& name) {
  static const QSet<QString> raw = {"script", "style", "title", "textarea", "xmp", "iframe", "noembed", "noframes"};
  return raw.contains(name);
}

// Tags whose names never lead to a character of the page.
bool IgnoresNames(const QString& name) {
  static const QSet<QString> head = {"meta", "link", "style", "script", "title", "base", "head"};
  return head.contains(name);
}

class TScanner {
 public:
  TScanner(const QString& page, const std::function<QString(const QString&)>& styleSheet)
      : page_(page), styleSheet_(styleSheet) {}

  TPageScan Run();

 private:
  void StartTag(const TTag& tag, qsizetype& next);
  // Where the first "</name" at or after `from` is; -1 when there is none. A search is not
  // repeated over what the last one for that name read, so that a page of unclosed elements
  // is read once.
  qsizetype CloseTag(qsizetype from, const QString& name);
  // Where the element whose start tag ends at `from` ends: after "</name...>"; -1 when it
  // never does.
  qsizetype ElementEnd(qsizetype from, const QString& name);
  void Nesting(const TTag& tag);
  // Copies the page up to `to`, then `text` in place of what lies up to `skipTo`; nothing
  // when `to` lies in what was given already.
  void Emit(qsizetype to, const QString& text, qsizetype skipTo);
  QString OpenNames(QString& close);

  const QString& page_;
  const std::function<QString(const QString&)>& styleSheet_;
  TPageScan result_;
  qsizetype copied_ = 0;
  QStringList names_;        // waiting for the next character
  qsizetype inControl_ = 0;  // up to here the page is inside a form control: no characters
  int depth_ = 0, tableDepth_ = 0, deepestTable_ = 0;
  struct TSearch {
    qsizetype from, found;  // the first "</name" at or after `from` is at `found` (-1: none)
  };
  std::map<QString, TSearch> searches_;
};

qsizetype TScanner::CloseTag(qsizetype from, const QString& name) {
  const auto known = searches_.find(name);
  if (known != searches_.end() && from >= known->second.from &&
      (known->second.found < 0 || from <= known->second.found))
    return known->second.found;
  const qsizetype close = page_.indexOf(QStringLiteral("</") + name, from, Qt::CaseInsensitive);
  searches_[name] = {from, close};
  return close;
}

qsizetype TScanner::ElementEnd(qsizetype from, const QString& name) {
  const qsizetype close = CloseTag(from, name);
  if (close < 0) return -1;
  const qsizetype gt = page_.indexOf('>', close);
  return gt < 0 ? page_.size() : gt + 1;
}

void TScanner::Emit(qsizetype to, const QString& text, qsizetype skipTo) {
  if (to < copied_) return;
  result_.html += QStringView(page_).mid(copied_, to - copied_);
  result_.html += text;
  copied_ = skipTo;
}

QString TScanner::OpenNames(QString& close) {
  QString open;
  for (const QString& name : names_) {
    open += QStringLiteral("<span id=%1>").arg(Quoted(name));
    close += QStringLiteral("</span>");
  }
  names_.clear();
  return open;
}

void TScanner::Nesting(const TTag& tag) {
  if (tag.name == "table") {
    tableDepth_ = tag.closing ? std::max(0, tableDepth_ - 1) : tableDepth_ + 1;
    deepestTable_ = std::max(deepestTable_, tableDepth_);
  }
  if (!Nests(tag.name)) return;
  depth_ = tag.closing ? std::max(0, depth_ - 1) : depth_ + 1;
  result_.nesting = std::max(result_.nesting, depth_);
}

void TScanner::StartTag(const TTag& tag, qsizetype& next) {
  const QString& name = tag.name;
  if (!IgnoresNames(name)) {
    if (const TAttribute* id = tag.Find(u"id"); id && !id->value.isEmpty()) names_ << id->value.toString();
    if (name == "a")
      if (const TAttribute* anchor = tag.Find(u"name"); anchor && !anchor->value.isEmpty())
        names_ << anchor->value.toString();
  }
  if (const TAttribute* style = tag.Find(u"style");
      style && MayHideOrBorder(style->value) && HidesOrBorders(ParseDeclarations(style->value), name))
    result_.needsTree = true;

  if (name == "a") {
    const TAttribute* href = tag.Find(u"href");
    const TAttribute* target = tag.Find(u"target");
    const QString frame = target ? target->value.toString() : result_.baseTarget;
    if (href && href->start >= 0 && !frame.isEmpty())
      Emit(href->start, Quoted(EncodeLinkTarget(frame, href->value.toString())), href->end);
  } else if (name == "frameset" || name == "frame" || name == "map" || name == "area") {
    result_.needsTree = true;
  } else if (name == "style") {
    const qsizetype end = ElementEnd(tag.end, name);
    if (SheetNeedsTree(page_.mid(tag.end, end < 0 ? -1 : end - tag.end))) result_.needsTree = true;
  } else if (name == "link" &&
             tag.Value(u"rel").trimmed().compare(QStringLiteral("stylesheet"), Qt::CaseInsensitive) == 0) {
    if (styleSheet_ && SheetNeedsTree(styleSheet_(tag.Value(u"href")))) result_.needsTree = true;
  } else if (name == "title" && result_.title.isEmpty()) {
    const qsizetype close = CloseTag(tag.end, name);
    result_.title = ReadEntities(page_.mid(tag.end, close < 0 ? -1 : close - tag.end)).simplified();
  }

  // Pictures and form controls are characters of the page: waiting names go round them. The
  // tags inside a control are still read for their nesting.
  const bool control = name == "input" || name == "select" || name == "textarea" || name == "button";
  if (control) result_.needsTree = true;
  if (name == "img" && tag.Find(u"usemap")) result_.needsTree = true;
  if ((name == "img" || control) && tag.start >= inControl_) {
    const qsizetype closed = name == "img" || name == "input" ? -1 : ElementEnd(tag.end, name);
    const qsizetype end = closed < 0 ? tag.end : closed;
    inControl_ = end;
    if (!names_.isEmpty()) {
      QString close;
      const QString open = OpenNames(close);
      Emit(tag.start, open + page_.mid(tag.start, end - tag.start) + close, end);
    }
  }
  if (IsRawText(name)) {
    const qsizetype end = ElementEnd(tag.end, name);
    next = end < 0 ? page_.size() : end;
  }
}

TPageScan TScanner::Run() {
  // The base target counts for every link, those before it too.
  for (qsizetype at = page_.indexOf(QStringLiteral("<base"), 0, Qt::CaseInsensitive);
       at >= 0 && result_.baseTarget.isEmpty();
       at = page_.indexOf(QStringLiteral("<base"), at + 5, Qt::CaseInsensitive)) {
    TTag tag;
    ReadTag(page_, at, tag);
    if (tag.name == "base") result_.baseTarget = tag.Value(u"target");
  }
  const qsizetype n = page_.size();
  TTag tag;
  qsizetype i = 0;
  while (i < n) {
    const QChar c = page_[i];
    if (c == '<' && i + 1 < n) {
      const QChar next = page_[i + 1];
      if (QStringView(page_).mid(i, 4) == u"<!--") {
        const qsizetype end = page_.indexOf(QStringLiteral("-->"), i + 4);
        i = end < 0 ? n : end + 3;
        continue;
      }
      if (next == '!' || next == '?') {
        const qsizetype end = page_.indexOf('>', i);
        i = end < 0 ? n : end + 1;
        continue;
      }
      if (IsAsciiLetter(next) || (next == '/' && i + 2 < n && IsAsciiLetter(page_[i + 2]))) {
        ReadTag(page_, i, tag);
        Nesting(tag);
        qsizetype after = tag.end;
        if (!tag.closing) StartTag(tag, after);
        i = std::max(after, i + 1);
        continue;
      }
    }
    if (IsSpace(c)) {
      ++i;
      continue;
    }
    // A character of the page.
    if (!names_.isEmpty() && i >= inControl_) {
      const qsizetype length = CharacterLength(page_, i);
      QString close;
      const QString open = OpenNames(close);
      Emit(i, open + page_.mid(i, length) + close, i + length);
      i += length;
    }
    const qsizetype lt = page_.indexOf('<', i + 1);
    i = lt < 0 ? n : lt;
  }
  result_.html += QStringView(page_).mid(copied_);
  // Names after the last character: a character of no width at the end carries them.
  if (!names_.isEmpty()) {
    QString close;
    const QString open = OpenNames(close);
    result_.html += open + QStringLiteral("&#8203;") + close;
  }
  if (deepestTable_ > kMaxTableDepth || result_.nesting > kMaxElementDepth) result_.needsTree = true;
  return result_;
}

}  // namespace

TPageScan ScanPage(const QString& page, const std::function<QString(const QString&)>& styleSheet) {
  return TScanner(page, styleSheet).Run();
}

QString EncodeLinkTarget(const QString& target, const QString& href) {
  QString safeTarget = target;
  safeTarget.remove('|');
  return kTargetPrefix + safeTarget + '|' + href;
}

void DecodeLinkTarget(const QString& href, QString& target, QString& url) {
  const qsizetype bar = href.indexOf('|');
  if (href.startsWith(kTargetPrefix) && bar > 0) {
    target = href.mid(kTargetPrefix.size(), bar - kTargetPrefix.size());
    url = href.mid(bar + 1);
  } else {
    target.clear();
    url = href;
  }
}
