#include "search/PageText.h"

#include "html/PagePreparser.h"

#include <QHash>
#include <array>
#include <vector>

namespace {

// An entity's name and ';' fit in this many characters after the '&'.
constexpr int kEntityWindow = 9;
// Beyond these depths of elements and of tables the engine's pre-parse drops tags.
constexpr size_t kMaxDepth = 300;
constexpr int kMaxTables = 12;

// Characters 160 to 255 by name, in order.
constexpr const char* kLatin1Names[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
    "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
    "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
    "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
    "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
    "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

constexpr TNamedEntity kOtherEntities[] = {
    {"quot", 34},      {"QUOT", 34},     {"amp", 38},      {"AMP", 38},      {"apos", 39},      {"lt", 60},
    {"LT", 60},        {"gt", 62},       {"GT", 62},       {"OElig", 338},   {"oelig", 339},    {"Scaron", 352},
    {"scaron", 353},   {"Yuml", 376},    {"fnof", 402},    {"circ", 710},    {"tilde", 732},    {"Alpha", 913},
    {"Beta", 914},     {"Gamma", 915},   {"Delta", 916},   {"Epsilon", 917}, {"Zeta", 918},     {"Eta", 919},
    {"Theta", 920},    {"Iota", 921},    {"Kappa", 922},   {"Lambda", 923},  {"Mu", 924},       {"Nu", 925},
    {"Xi", 926},       {"Omicron", 927}, {"Pi", 928},      {"Rho", 929},     {"Sigma", 931},    {"Tau", 932},
    {"Upsilon", 933},  {"Phi", 934},     {"Chi", 935},     {"Psi", 936},     {"Omega", 937},    {"alpha", 945},
    {"beta", 946},     {"gamma", 947},   {"delta", 948},   {"epsilon", 949}, {"zeta", 950},     {"eta", 951},
    {"theta", 952},    {"iota", 953},    {"kappa", 954},   {"lambda", 955},  {"mu", 956},       {"nu", 957},
    {"xi", 958},       {"omicron", 959}, {"pi", 960},      {"rho", 961},     {"sigmaf", 962},   {"sigma", 963},
    {"tau", 964},      {"upsilon", 965}, {"phi", 966},     {"chi", 967},     {"psi", 968},      {"omega", 969},
    {"thetasym", 977}, {"upsih", 978},   {"piv", 982},     {"ensp", 8194},   {"emsp", 8195},    {"thinsp", 8201},
    {"zwnj", 8204},    {"zwj", 8205},    {"lrm", 8206},    {"rlm", 8207},    {"ndash", 8211},   {"mdash", 8212},
    {"lsquo", 8216},   {"rsquo", 8217},  {"sbquo", 8218},  {"ldquo", 8220},  {"rdquo", 8221},   {"bdquo", 8222},
    {"dagger", 8224},  {"Dagger", 8225}, {"bull", 8226},   {"hellip", 8230}, {"permil", 8240},  {"prime", 8242},
    {"Prime", 8243},   {"lsaquo", 8249}, {"rsaquo", 8250}, {"oline", 8254},  {"frasl", 8260},   {"euro", 8364},
    {"image", 8465},   {"weierp", 8472}, {"real", 8476},   {"trade", 8482},  {"alefsym", 8501}, {"larr", 8592},
    {"uarr", 8593},    {"rarr", 8594},   {"darr", 8595},   {"harr", 8596},   {"crarr", 8629},   {"lArr", 8656},
    {"uArr", 8657},    {"rArr", 8658},   {"dArr", 8659},   {"hArr", 8660},   {"forall", 8704},  {"part", 8706},
    {"exist", 8707},   {"empty", 8709},  {"nabla", 8711},  {"isin", 8712},   {"notin", 8713},   {"ni", 8715},
    {"prod", 8719},    {"sum", 8721},    {"minus", 8722},  {"lowast", 8727}, {"radic", 8730},   {"prop", 8733},
    {"infin", 8734},   {"ang", 8736},    {"and", 0x22A5},  {"or", 0x22A6},   {"cap", 8745},     {"cup", 8746},
    {"int", 8747},     {"there4", 8756}, {"sim", 8764},    {"cong", 8773},   {"asymp", 8776},   {"ne", 8800},
    {"equiv", 8801},   {"le", 8804},     {"ge", 8805},     {"sub", 8834},    {"sup", 8835},     {"nsub", 8836},
    {"sube", 8838},    {"supe", 8839},   {"oplus", 8853},  {"otimes", 8855}, {"perp", 8869},    {"sdot", 8901},
    {"lceil", 8968},   {"rceil", 8969},  {"lfloor", 8970}, {"rfloor", 8971}, {"lang", 9001},    {"rang", 9002},
    {"loz", 9674},     {"spades", 9824}, {"clubs", 9827},  {"hearts", 9829}, {"diams", 9830}};

// Numeric references to 128..159 mean the Windows-1252 characters of those bytes.
constexpr std::array<char16_t, 32> kWindows1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const QHash<QString, char16_t>& EntityTable() {
  static const QHash<QString, char16_t> table = [] {
    QHash<QString, char16_t> t;
    for (const TNamedEntity& e : NamedEntities()) t.insert(QString::fromLatin1(e.name), e.code);
    return t;
  }();
  return table;
}

// What this reading needs to know of an element, by its lower-cased name.
enum TTagFlag : uint8_t {
  kHides = 1,          // its content is not shown: head, title, script, style, link
  kChildless = 2,      // the importer gives it no children: what follows goes to its parent
  kTablePart = 4,      // a part of a table
  kCell = 8,           // a part whose content shows: cells and captions
  kContextRules = 16,  // may only stand inside certain others, closing what is open until it does
  kBreaksWords = 32,   // no word continues across it: blocks, line breaks, pictures and controls
};

uint8_t TagFlags(const QString& tag) {
  static const QHash<QString, uint8_t> flags = [] {
    QHash<QString, uint8_t> f;
    for (const char* t : {"head", "title", "script", "style", "link"}) f[QLatin1String(t)] |= kHides;
    for (const char* t : {"img", "hr", "br", "meta"}) f[QLatin1String(t)] |= kChildless;
    for (const char* t : {"table", "thead", "tbody", "tfoot", "tr", "td", "th", "caption"})
      f[QLatin1String(t)] |= kTablePart | kContextRules;
    for (const char* t : {"td", "th", "caption"}) f[QLatin1String(t)] |= kCell;
    for (const char* t : {"dd", "dt"}) f[QLatin1String(t)] |= kContextRules;
    for (const char* t :
         {"address", "blockquote", "body",     "br",    "button", "caption", "center",   "dd",     "dir",
          "div",     "dl",         "dt",       "embed", "form",   "frame",   "frameset", "h1",     "h2",
          "h3",      "h4",         "h5",       "h6",    "hr",     "html",    "iframe",   "img",    "input",
          "li",      "menu",       "object",   "ol",    "option", "p",       "pre",      "select", "table",
          "tbody",   "td",         "textarea", "tfoot", "th",     "thead",   "tr",       "ul"})
      f[QLatin1String(t)] |= kBreaksWords;
    return f;
  }();
  return flags.value(tag, 0);
}

class TReader {
 public:
  explicit TReader(const QString& page) : s_(page.constData()), n_(page.size()), page_(page) {
    result_.text.reserve(n_);
  }

  TPageText Read() {
    if (Suspicious()) result_.faithful = false;
    while (pos_ < n_) {
      const QChar c = s_[pos_];
      if (c == u'<') {
        ++pos_;
        Tag();
      } else if (c == u'&') {
        ++pos_;
        Emit(Entity());
      } else {
        Run();
      }
    }
    result_.title = title_.simplified();
    return std::move(result_);
  }

 private:
  struct TOpen {
    QString tag;
    uint8_t flags;
    bool inCell;  // the text inside is in a cell of a table, or in no table
  };

  // Markup whose effect on the text goes beyond this reading: styles that may hide elements,
  // form controls that the engine's pre-parse replaces by pictures, and pages the engine shows
  // as source text.
  bool Suspicious() const {
    if (ShownAsSource(page_)) return true;
    // The words are ASCII: they are looked for in the page's ASCII letters, lower-cased.
    std::string ascii(static_cast<size_t>(n_), '\0');
    for (qsizetype i = 0; i < n_; ++i) {
      const char16_t c = s_[i].unicode();
      if (c < 128) ascii[static_cast<size_t>(i)] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    for (const char* word : {"display", "visibility", "hidden", "<select", "<input", "<textarea", "<button"})
      if (ascii.find(word) != std::string::npos) return true;
    return false;
  }

  bool Hidden() const { return hidden_ > 0; }
  // Text in a table but outside its cells is dropped by the importer, and may even join the
  // words on both sides of the table.
  bool InCell() const { return stack_.empty() || stack_.back().inCell; }

  // The characters up to the next tag or entity, as they stand.
  void Run() {
    const qsizetype start = pos_;
    bool blank = true;
    while (pos_ < n_ && s_[pos_] != u'<' && s_[pos_] != u'&') {
      blank = blank && s_[pos_].isSpace();
      ++pos_;
    }
    const QStringView run(s_ + start, pos_ - start);
    if (inTitle_) title_ += run;
    if (Hidden()) return;
    if (!blank && !InCell()) result_.faithful = false;
    result_.text += run;
  }

  void Emit(const QString& text) {
    if (inTitle_) title_ += text;
    if (Hidden()) return;
    for (const QChar c : text)
      if (!c.isSpace() && !InCell()) result_.faithful = false;
    result_.text += text;
  }

  void Break() {
    if (!Hidden()) result_.text += u'\n';
  }

  bool HasPrefix(QChar c, qsizetype ahead = 0) const { return pos_ + ahead < n_ && s_[pos_ + ahead] == c; }

  void EatSpace() {
    while (pos_ < n_ && s_[pos_].isSpace()) ++pos_;
  }

  // A tag name, attribute name or value: quoted, or up to '>', "/>", '<', '=' or a blank.
  QStringView Word() {
    if (HasPrefix(u'"') || HasPrefix(u'\'')) {
      const QChar quote = s_[pos_++];
      const qsizetype start = pos_;
      while (pos_ < n_ && s_[pos_] != quote) ++pos_;
      const QStringView word(s_ + start, pos_ - start);
      if (pos_ < n_) ++pos_;
      return word;
    }
    const qsizetype start = pos_;
    while (pos_ < n_) {
      const QChar c = s_[pos_];
      if (c == u'>' || (c == u'/' && HasPrefix(u'>', 1)) || c == u'<' || c == u'=' || c.isSpace()) break;
      ++pos_;
    }
    return QStringView(s_ + start, pos_ - start);
  }

  // The attributes up to the tag's end; a style sheet link is noted.
  void Attributes(bool link) {
    QStringView rel, href;
    while (pos_ < n_) {
      EatSpace();
      if (HasPrefix(u'>') || HasPrefix(u'/')) break;
      const QStringView key = Word();
      if (key.isEmpty()) break;
      QStringView value = u"1";
      EatSpace();
      if (HasPrefix(u'=')) {
        ++pos_;
        EatSpace();
        value = Word();
      }
      if (!link || value.isEmpty()) continue;
      if (key.compare(u"rel", Qt::CaseInsensitive) == 0) rel = value;
      if (key.compare(u"href", Qt::CaseInsensitive) == 0) href = value;
    }
    if (link && rel.trimmed().compare(u"stylesheet", Qt::CaseInsensitive) == 0) result_.styleSheets << href.toString();
  }

  void Tag() {
    EatSpace();
    if (HasPrefix(u'!')) {
      Declaration();
      if (!InPre()) EatSpace();
      return;
    }
    if (HasPrefix(u'/')) {
      CloseTag();
      return;
    }
    const QString tag = Word().toString().toLower();
    const uint8_t flags = TagFlags(tag);
    if (pos_ < n_ && s_[pos_].isSpace()) Attributes(tag == u"link");
    bool closed = false;
    while (pos_ < n_ && s_[pos_] != u'>') {
      if (s_[pos_] == u'/') closed = true;
      ++pos_;
    }
    ++pos_;

    if (flags & kBreaksWords) Break();
    // Paragraphs and the parts of tables and lists may close elements above them in ways
    // this reading does not follow; inside a hidden element that decides what shows.
    if (((flags & kContextRules) || tag == u"p") && Hidden()) result_.faithful = false;
    FindParent(tag);
    if ((flags & kChildless) || closed) return;
    const bool inCell = flags & kTablePart ? (flags & kCell) != 0 : InCell();
    stack_.push_back({tag, flags, inCell});
    if (flags & kHides) ++hidden_;
    if (tag == u"pre") ++pre_;
    // The pre-parse drops the tags of elements nested too deeply.
    if (stack_.size() > kMaxDepth || (tag == u"table" && ++tables_ > kMaxTables)) result_.faithful = false;
    if (tag == u"title" && !titleSeen_) {
      titleSeen_ = true;
      inTitle_ = true;
      titleDepth_ = stack_.size();
    }
  }

  // Where the importer hangs the new element: some may only stand inside certain others and
  // close what is open until they do.
  void FindParent(const QString& tag) {
    if (tag == u"body") {
      PopWhile([](const QString& top) { return top == u"head"; });
    } else if (tag == u"td" || tag == u"th") {
      if (Open(u"table")) PopWhile([](const QString& top) { return top != u"tr"; });
    } else if (tag == u"tr") {
      if (Open(u"table"))
        PopWhile([](const QString& top) {
          return top != u"table" && top != u"thead" && top != u"tbody" && top != u"tfoot";
        });
    } else if (tag == u"thead" || tag == u"tbody" || tag == u"tfoot" || tag == u"caption") {
      PopWhile([](const QString& top) { return top != u"table"; });
    } else if (tag == u"dd") {
      PopWhile([](const QString& top) { return top != u"dt" && top != u"dl"; });
    } else if (tag == u"dt") {
      PopWhile([](const QString& top) { return top != u"dl"; });
    } else if ((tag == u"p" || tag == u"li") && !stack_.empty() && stack_.back().tag == tag) {
      Pop();
    }
  }

  template <class TTest>
  void PopWhile(TTest test) {
    while (!stack_.empty() && test(stack_.back().tag)) {
      if ((stack_.back().flags & kHides) && stack_.back().tag != u"head") result_.faithful = false;
      Pop();
    }
  }

  bool Open(QStringView tag) const {
    for (const TOpen& open : stack_)
      if (open.tag == tag) return true;
    return false;
  }

  bool InPre() const { return pre_ > 0; }

  void Pop() {
    const TOpen& top = stack_.back();
    if (top.flags & kHides) --hidden_;
    if (top.tag == u"table") --tables_;
    if (top.tag == u"pre") --pre_;
    if (inTitle_ && stack_.size() == titleDepth_) inTitle_ = false;
    stack_.pop_back();
  }

  void CloseTag() {
    ++pos_;
    const QString tag = Word().toString().toLower().trimmed();
    while (pos_ < n_)
      if (s_[pos_++] == u'>') break;
    if (TagFlags(tag) & kBreaksWords) Break();
    for (size_t i = stack_.size(); i-- > 0;) {
      if (stack_[i].tag != tag) continue;
      while (stack_.size() > i) Pop();
      return;
    }
    // The importer adds the table and row a lone cell lacks; their end tags may close a hidden
    // element this reading keeps open.
    if (Hidden() && (tag == u"table" || tag == u"tr")) result_.faithful = false;
  }

  // Comments up to "-->", other declarations up to '>'.
  void Declaration() {
    ++pos_;
    if (HasPrefix(u'-') && HasPrefix(u'-', 1)) {
      pos_ += 2;
      const qsizetype end = page_.indexOf(QLatin1String("-->"), pos_);
      pos_ = end >= 0 ? end + 3 : n_;
      return;
    }
    while (pos_ < n_)
      if (s_[pos_++] == u'>') break;
  }

  QString Entity() {
    const qsizetype recover = pos_;
    qsizetype length = 0;
    // At the end of the page the name read so far counts, ';' or not.
    while (pos_ < n_) {
      const QChar c = s_[pos_++];
      if (c.isSpace() || pos_ - recover > kEntityWindow) {
        pos_ = recover;
        return QStringLiteral("&");
      }
      if (c == u';') break;
      ++length;
    }
    if (length > 0) {
      const QStringView name(s_ + recover, length);
      if (const auto it = EntityTable().constFind(name.toString()); it != EntityTable().constEnd()) return QChar(*it);
      if (length > 1 && name[0] == u'#') {
        QStringView digits = name.mid(1);
        int base = 10;
        if (!digits.isEmpty() && digits[0].toLower() == u'x') {
          digits = digits.mid(1);
          base = 16;
        }
        bool ok = false;
        uint code = digits.toUInt(&ok, base);
        if (ok) {
          if (code >= 0x80 && code < 0xA0) code = kWindows1252High[code - 0x80];
          if (code <= 0xFFFF) return QChar(char16_t(code));
          if (code <= 0x10FFFF) return QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
          result_.faithful = false;
          return {};
        }
      } else {
        // A name the importer may know although this reading does not.
        result_.faithful = false;
      }
    }
    pos_ = recover;
    return QStringLiteral("&");
  }

  const QChar* s_;
  const qsizetype n_;
  const QString& page_;
  qsizetype pos_ = 0;
  std::vector<TOpen> stack_;
  int hidden_ = 0;
  int tables_ = 0;
  int pre_ = 0;
  bool titleSeen_ = false, inTitle_ = false;
  size_t titleDepth_ = 0;
  QString title_;
  TPageText result_;
};

}  // namespace

const std::vector<TNamedEntity>& NamedEntities() {
  static const std::vector<TNamedEntity> all = [] {
    std::vector<TNamedEntity> v;
    for (int i = 0; i < 96; ++i) v.push_back({kLatin1Names[i], char16_t(160 + i)});
    for (const TNamedEntity& e : kOtherEntities) v.push_back(e);
    return v;
  }();
  return all;
}

TPageText ReadPageText(const QString& page) { return TReader(page).Read(); }
