#include "html/PageStyles.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

// A page with more rules than this is not looked at further; each rule costs every element.
constexpr size_t kMaxRules = 5000;
constexpr int kMaxClassesPerElement = 32;
constexpr int kMaxBorderWidth = 20;

// Comments removed; strings kept as they are.
QString WithoutComments(QStringView css) {
  QString out;
  out.reserve(css.size());
  QChar quote;
  for (qsizetype i = 0; i < css.size(); ++i) {
    const QChar c = css[i];
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
      out += c;
    } else if (c == '"' || c == '\'') {
      quote = c;
      out += c;
    } else if (c == '/' && i + 1 < css.size() && css[i + 1] == '*') {
      const qsizetype end = css.indexOf(QStringLiteral("*/"), i + 2);
      i = end < 0 ? css.size() : end + 1;
      out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}

// Where the block opened at `open` ('{') closes, strings and nested blocks skipped; the end
// of the text when it never does.
qsizetype BlockEnd(const QString& css, qsizetype open) {
  int depth = 0;
  QChar quote;
  for (qsizetype i = open; i < css.size(); ++i) {
    const QChar c = css[i];
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '{') {
      ++depth;
    } else if (c == '}' && --depth == 0) {
      return i;
    }
  }
  return css.size();
}

// A length in pixels: "2px", "1.5pt", "0", "3" and the keywords thin, medium, thick.
std::optional<int> LengthOf(QStringView word) {
  if (word == u"thin") return 1;
  if (word == u"medium") return 3;
  if (word == u"thick") return 5;
  qsizetype end = 0;
  while (end < word.size() && (word[end].isDigit() || word[end] == '.')) ++end;
  if (end == 0) return std::nullopt;
  bool ok = false;
  double value = word.left(end).toDouble(&ok);
  if (!ok) return std::nullopt;
  const QStringView unit = word.mid(end);
  if (unit == u"pt")
    value = value * 4 / 3;
  else if (unit == u"em")
    value *= 16;
  else if (!unit.isEmpty() && unit != u"px")
    return std::nullopt;
  // Clamped before the conversion: a width of fifty digits is no int.
  return static_cast<int>(std::clamp(value + 0.5, 0.0, static_cast<double>(kMaxBorderWidth)));
}

bool IsBorderStyle(QStringView word) {
  static const QStringList styles = {"none",   "hidden", "dotted", "dashed", "solid",
                                     "double", "groove", "ridge",  "inset",  "outset"};
  return styles.contains(word.toString());
}

// Colours go into an attribute of the rewritten page: only the characters colours use.
QString SafeColour(QStringView word) {
  for (QChar c : word)
    if (!c.isLetterOrNumber() && c != '#' && c != '(' && c != ')' && c != ',' && c != '.' && c != '%' && c != ' ')
      return {};
  return word.toString();
}

// The words of a value, commas inside "rgb(...)" kept with their word.
QStringList ValueWords(QStringView value) {
  QStringList words;
  QString word;
  int parens = 0;
  for (QChar c : value) {
    if (c == '(') ++parens;
    if (c == ')') parens = std::max(0, parens - 1);
    if (c.isSpace() && parens == 0) {
      if (!word.isEmpty()) words << word;
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.isEmpty()) words << word;
  return words;
}

void ApplyBorder(QStringView value, TStyleDeclarations& out) {
  // The shorthand sets all three, with the defaults for what it leaves out.
  int width = 3;
  QString style = QStringLiteral("none"), colour;
  for (const QString& word : ValueWords(value)) {
    if (IsBorderStyle(word))
      style = word;
    else if (const auto length = LengthOf(word))
      width = *length;
    else
      colour = SafeColour(word);
  }
  out.borderWidth = width;
  out.borderStyle = style;
  out.borderColor = colour;
}

}  // namespace

void TStyleDeclarations::Apply(const TStyleDeclarations& later) {
  if (later.hidden) hidden = later.hidden;
  if (later.borderWidth) borderWidth = later.borderWidth;
  if (later.borderStyle) borderStyle = later.borderStyle;
  if (later.borderColor) borderColor = later.borderColor;
  if (later.padding) padding = later.padding;
}

TStyleDeclarations ParseDeclarations(QStringView text) {
  TStyleDeclarations out;
  for (QStringView declaration : text.split(u';')) {
    const qsizetype colon = declaration.indexOf(u':');
    if (colon < 0) continue;
    const QString property = declaration.left(colon).trimmed().toString().toLower();
    QString value = declaration.mid(colon + 1).trimmed().toString().toLower();
    value.remove(QStringLiteral("!important"));
    value = value.trimmed();
    if (property == "display") {
      out.hidden = value == "none";
    } else if (property == "border") {
      ApplyBorder(value, out);
    } else if (property == "border-width") {
      const QStringList words = ValueWords(value);
      if (!words.isEmpty())
        if (const auto width = LengthOf(words.front())) out.borderWidth = *width;
    } else if (property == "border-style") {
      const QStringList words = ValueWords(value);
      if (!words.isEmpty() && IsBorderStyle(words.front())) out.borderStyle = words.front();
    } else if (property == "border-color") {
      const QStringList words = ValueWords(value);
      if (!words.isEmpty()) out.borderColor = SafeColour(words.front());
    } else if (property == "padding") {
      const QStringList words = ValueWords(value);
      if (!words.isEmpty())
        if (const auto padding = LengthOf(words.front())) out.padding = *padding;
    }
  }
  return out;
}

bool IsBorderedBlock(const QString& tag) {
  static const QStringList blocks = {"div",      "p",       "blockquote", "pre",   "center", "address", "h1",  "h2",
                                     "h3",       "h4",      "h5",         "h6",    "ul",     "ol",      "dl",  "form",
                                     "fieldset", "section", "article",    "aside", "header", "footer",  "nav", "main"};
  return blocks.contains(tag);
}

bool HidesOrBorders(const TStyleDeclarations& declarations, const QString& tag) {
  if (declarations.hidden.value_or(false)) return true;
  const QString style = declarations.borderStyle.value_or(QString());
  return !style.isEmpty() && style != "none" && style != "hidden" && declarations.borderWidth.value_or(3) > 0 &&
         (tag.isEmpty() || IsBorderedBlock(tag));
}

bool TPageStyles::HidesOrBorders() const {
  for (const Rule& rule : rules_)
    if (::HidesOrBorders(rule.declarations, rule.tag)) return true;
  return false;
}

void TPageStyles::AddSheet(QStringView sheet) {
  const QString css = WithoutComments(sheet);
  qsizetype pos = 0;
  while (pos < css.size() && rules_.size() < kMaxRules) {
    const qsizetype open = css.indexOf(u'{', pos);
    const qsizetype semicolon = css.indexOf(u';', pos);
    const QStringView prelude = QStringView(css).mid(pos, (open < 0 ? css.size() : open) - pos).trimmed();
    // "@import ...;" and the like end at their semicolon.
    if (prelude.startsWith(u'@') && semicolon >= 0 && (open < 0 || semicolon < open)) {
      pos = semicolon + 1;
      continue;
    }
    if (open < 0) break;
    const qsizetype close = BlockEnd(css, open);
    // Rules inside "@media" and other at-rules are for other media or beyond this reader.
    if (!prelude.startsWith(u'@')) {
      const TStyleDeclarations declarations = ParseDeclarations(QStringView(css).mid(open + 1, close - open - 1));
      if (!declarations.Empty()) AddRule(prelude, declarations);
    }
    pos = close + 1;
  }
}

void TPageStyles::AddRule(QStringView selectors, const TStyleDeclarations& declarations) {
  static const QRegularExpression simple(QStringLiteral("^([a-z0-9]*|\\*)((?:[.#][-_a-z0-9]+)*)$"),
                                         QRegularExpression::CaseInsensitiveOption);
  for (QStringView selector : selectors.split(u',')) {
    const QRegularExpressionMatch match = simple.match(selector.trimmed());
    if (!match.hasMatch() || selector.trimmed().isEmpty()) continue;
    Rule rule;
    rule.tag = match.captured(1).toLower();
    if (rule.tag == "*") rule.tag.clear();
    const QString parts = match.captured(2).toLower();
    int ids = 0;
    qsizetype i = 0;
    while (i < parts.size()) {
      qsizetype end = i + 1;
      while (end < parts.size() && parts[end] != '.' && parts[end] != '#') ++end;
      const QString name = parts.mid(i + 1, end - i - 1);
      if (parts[i] == '#') {
        if (!rule.id.isEmpty() && rule.id != name) ids = -1000;  // "#a#b" matches nothing
        rule.id = name;
        ++ids;
      } else {
        rule.classes << name;
      }
      i = end;
    }
    if (ids < 0) continue;
    rule.specificity = ids * 10000 + static_cast<int>(rule.classes.size()) * 100 + (rule.tag.isEmpty() ? 0 : 1);
    rule.order = static_cast<int>(rules_.size());
    rule.declarations = declarations;
    const int index = static_cast<int>(rules_.size());
    if (!rule.id.isEmpty())
      byId_[rule.id].push_back(index);
    else if (!rule.classes.isEmpty())
      byClass_[rule.classes.front()].push_back(index);
    else if (!rule.tag.isEmpty())
      byTag_[rule.tag].push_back(index);
    else
      universal_.push_back(index);
    rules_.push_back(std::move(rule));
  }
}

bool TPageStyles::Matches(const Rule& rule, const QString& tag, const QString& id, const QStringList& classes) const {
  if (!rule.tag.isEmpty() && rule.tag != tag) return false;
  if (!rule.id.isEmpty() && rule.id != id) return false;
  for (const QString& name : rule.classes)
    if (!classes.contains(name)) return false;
  return true;
}

TElementStyle TPageStyles::StyleOf(const QString& tag, const QString& id, const QString& classAttribute,
                                   const QString& inlineStyle) const {
  TStyleDeclarations cascade;
  if (!rules_.empty()) {
    const QString lowerId = id.toLower();
    QStringList classes = classAttribute.simplified().toLower().split(u' ', Qt::SkipEmptyParts);
    if (classes.size() > kMaxClassesPerElement) classes.resize(kMaxClassesPerElement);
    std::vector<int> candidates = universal_;
    const auto add = [&](const std::unordered_map<QString, std::vector<int>>& index, const QString& key) {
      const auto found = index.find(key);
      if (found != index.end()) candidates.insert(candidates.end(), found->second.begin(), found->second.end());
    };
    if (!lowerId.isEmpty()) add(byId_, lowerId);
    for (const QString& name : classes) add(byClass_, name);
    add(byTag_, tag);
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    std::vector<const Rule*> matching;
    for (int index : candidates)
      if (Matches(rules_[index], tag, lowerId, classes)) matching.push_back(&rules_[index]);
    std::stable_sort(matching.begin(), matching.end(), [](const Rule* a, const Rule* b) {
      return a->specificity != b->specificity ? a->specificity < b->specificity : a->order < b->order;
    });
    for (const Rule* rule : matching) cascade.Apply(rule->declarations);
  }
  if (!inlineStyle.isEmpty()) cascade.Apply(ParseDeclarations(inlineStyle));

  TElementStyle style;
  style.hidden = cascade.hidden.value_or(false);
  const QString borderStyle = cascade.borderStyle.value_or(QString());
  const int width = cascade.borderWidth.value_or(3);
  if (!borderStyle.isEmpty() && borderStyle != "none" && borderStyle != "hidden" && width > 0) {
    style.borderWidth = width;
    style.borderStyle = borderStyle;
    style.borderColor = cascade.borderColor.value_or(QString());
  }
  style.padding = cascade.padding.value_or(-1);
  return style;
}
