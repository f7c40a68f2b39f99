#include "html/PagePreparser.h"

#include "html/GumboTree.h"
#include "html/PageForms.h"
#include "html/PageScan.h"
#include "html/PageStyles.h"

#include <gumbo.h>
#include <QByteArray>
#include <algorithm>
#include <cctype>

namespace {

constexpr int kMaxFramesetDepth = 16;
// Qt's layout recurses into nested tables and overflows the stack on hostile pages: the tags
// of tables nested deeper than this, and of any element nested deeper than the other limit,
// are dropped, keeping their text. Tables made for borders count as tables.
constexpr int kMaxTableDepth = 12;
constexpr int kMaxElementDepth = 300;
// gumbo slows down with the square of the nesting: a page nested deeper than this is shown as
// its source text instead of being parsed.
constexpr int kMaxSourceNesting = 1000;
// Controls beyond this many are listed but not drawn: each is a widget of its own.
constexpr int kMaxDrawnControls = 500;
constexpr size_t kMaxAreasPerMap = 2000;
const QString kMappedPrefix = QStringLiteral("skbmap:");
const QString kControlPrefix = QStringLiteral("skbform:");

bool IsTablePart(GumboTag tag) {
  switch (tag) {
    case GUMBO_TAG_TABLE:
    case GUMBO_TAG_TBODY:
    case GUMBO_TAG_THEAD:
    case GUMBO_TAG_TFOOT:
    case GUMBO_TAG_TR:
    case GUMBO_TAG_TD:
    case GUMBO_TAG_TH:
    case GUMBO_TAG_CAPTION:
    case GUMBO_TAG_COL:
    case GUMBO_TAG_COLGROUP: return true;
    default: return false;
  }
}

// Nothing drawn lies below these (or the pre-parse replaces what does).
bool HoldsNoContent(GumboTag tag) {
  switch (tag) {
    case GUMBO_TAG_HEAD:
    case GUMBO_TAG_SCRIPT:
    case GUMBO_TAG_STYLE:
    case GUMBO_TAG_TITLE:
    case GUMBO_TAG_TEMPLATE:
    case GUMBO_TAG_SELECT:
    case GUMBO_TAG_TEXTAREA:
    case GUMBO_TAG_BUTTON: return true;
    default: return false;
  }
}

TFramesetNode Frameset(const GumboNode* node, int depth) {
  TFramesetNode result;
  result.isFrameset = true;
  result.rows = AttributeOf(node->v.element, "rows");
  result.cols = AttributeOf(node->v.element, "cols");
  const GumboVector& children = node->v.element.children;
  for (unsigned i = 0; i < children.length; ++i) {
    const auto* child = static_cast<const GumboNode*>(children.data[i]);
    if (!IsElementNode(child)) continue;
    if (child->v.element.tag == GUMBO_TAG_FRAME) {
      TFramesetNode frame;
      frame.name = AttributeOf(child->v.element, "name");
      frame.src = AttributeOf(child->v.element, "src");
      result.children.push_back(frame);
    } else if (child->v.element.tag == GUMBO_TAG_FRAMESET && depth < kMaxFramesetDepth) {
      result.children.push_back(Frameset(child, depth + 1));
    }
  }
  return result;
}

TImageMap ReadMap(const GumboNode* node, const QString& baseTarget) {
  TImageMap map;
  map.name = AttributeOf(node->v.element, "name");
  if (map.name.isEmpty()) map.name = AttributeOf(node->v.element, "id");
  for (const GumboNode* child : ElementsBelow(node)) {
    const GumboElement& element = child->v.element;
    if (element.tag != GUMBO_TAG_AREA || map.areas.size() >= kMaxAreasPerMap) continue;
    TMapArea area = MakeMapArea(AttributeOf(element, "shape"), AttributeOf(element, "coords"));
    if (!HasAttributeOf(element, "nohref")) area.href = AttributeOf(element, "href").trimmed();
    area.target = HasAttributeOf(element, "target") ? AttributeOf(element, "target") : baseTarget;
    area.title = AttributeOf(element, "title");
    if (area.title.isEmpty()) area.title = AttributeOf(element, "alt");
    map.areas.push_back(std::move(area));
  }
  return map;
}

QString EscapeAttribute(QString text) {
  return text.replace('&', QStringLiteral("&amp;"))
      .replace('"', QStringLiteral("&quot;"))
      .replace('<', QStringLiteral("&lt;"));
}

// The rewriting of the source: replacements of source ranges and insertions. At one offset
// the insertions that close elements come first (inner ones first), then those that open
// elements (outer ones first), then replacements.
class TEdits {
 public:
  explicit TEdits(const QByteArray& source) : source_(source) {}

  bool InSource(const GumboStringPiece& piece) const {
    return piece.data && piece.length > 0 && piece.data >= source_.constData() &&
           piece.data + piece.length <= source_.constData() + source_.size();
  }
  qsizetype OffsetOf(const GumboStringPiece& piece) const { return piece.data - source_.constData(); }
  // Where the element's source ends: after its end tag, or where the parser closed it.
  qsizetype EndOf(const GumboElement& element) const {
    const qsizetype start = OffsetOf(element.original_tag);
    const qsizetype end =
        static_cast<qsizetype>(element.end_pos.offset) +
        static_cast<qsizetype>(InSource(element.original_end_tag) ? element.original_end_tag.length : 0);
    return std::clamp(end, start + static_cast<qsizetype>(element.original_tag.length), source_.size());
  }

  void Replace(qsizetype offset, qsizetype length, const QString& text) {
    edits_.push_back({offset, length, 0, text.toUtf8()});
  }
  void Open(qsizetype offset, int depth, const QString& text) {
    edits_.push_back({offset, 0, -kBig / 2 + depth, text.toUtf8()});
  }
  void Close(qsizetype offset, int depth, const QString& text) {
    edits_.push_back({offset, 0, -kBig - depth, text.toUtf8()});
  }
  void RemoveTags(const GumboElement& element) {
    for (const GumboStringPiece* tag : {&element.original_tag, &element.original_end_tag})
      if (InSource(*tag)) Replace(OffsetOf(*tag), static_cast<qsizetype>(tag->length), {});
  }

  QString Apply() {
    std::stable_sort(edits_.begin(), edits_.end(), [](const Edit& a, const Edit& b) {
      return a.offset != b.offset ? a.offset < b.offset : a.rank < b.rank;
    });
    QByteArray html;
    html.reserve(source_.size() + source_.size() / 8);
    qsizetype done = 0;
    for (const Edit& edit : edits_) {
      if (edit.offset < done) continue;  // inside a range already replaced
      html += QByteArrayView(source_).sliced(done, edit.offset - done);
      html += edit.text;
      done = edit.offset + edit.length;
    }
    html += QByteArrayView(source_).sliced(done);
    return QString::fromUtf8(html);
  }

 private:
  static constexpr int kBig = 1 << 20;
  struct Edit {
    qsizetype offset, length;
    int rank;
    QByteArray text;
  };
  const QByteArray& source_;
  std::vector<Edit> edits_;
};

class TPreparser {
 public:
  TPreparser(const QByteArray& source, const TPreparseOptions& options, TPreparsedPage& result)
      : source_(source), options_(options), result_(result), edits_(source) {}

  void ReadWholePage(const GumboNode* root);
  void Walk(const GumboNode* root);
  QString Finish();

 private:
  struct Visit {
    const GumboNode* node;
    int depth;
    int tableDepth;  // tables around the node
  };

  // The tables the element adds around its children (itself and a border's), or -1 when its
  // children are not to be walked.
  int Enter(const Visit& visit);
  void Control(const GumboNode* node);
  void Image(const GumboElement& element);
  int FormAt(qsizetype offset) const;

  const QByteArray& source_;
  const TPreparseOptions& options_;
  TPreparsedPage& result_;
  TEdits edits_;
  TPageStyles styles_;
  std::vector<qsizetype> formStarts_;  // where each form's start tag is, -1 when not written
  std::vector<qsizetype> formEnds_;    // where each "</form" is in the source
  int drawnControls_ = 0;
};

void TPreparser::ReadWholePage(const GumboNode* root) {
  // The source ends in a zero byte: comparing four letters never reads past it.
  for (qsizetype at = source_.indexOf("</"); at >= 0; at = source_.indexOf("</", at + 2))
    if (qstrnicmp(source_.constData() + at + 2, "form", 4) == 0) formEnds_.push_back(at);
  std::vector<const GumboNode*> maps;
  for (const GumboNode* node : ElementsBelow(root)) {
    const GumboElement& element = node->v.element;
    switch (element.tag) {
      case GUMBO_TAG_FRAMESET:
        if (!result_.isFrameset) {
          result_.isFrameset = true;
          result_.frameset = Frameset(node, 0);
        }
        break;
      case GUMBO_TAG_STYLE: styles_.AddSheet(RawText(node)); break;
      case GUMBO_TAG_LINK:
        if (options_.styleSheet &&
            AttributeOf(element, "rel").trimmed().compare("stylesheet", Qt::CaseInsensitive) == 0)
          styles_.AddSheet(options_.styleSheet(AttributeOf(element, "href")));
        break;
      case GUMBO_TAG_FORM: {
        const QString target = HasAttributeOf(element, "target") ? AttributeOf(element, "target") : QString();
        result_.forms.push_back({AttributeOf(element, "action").trimmed(), target});
        const qsizetype start = edits_.InSource(element.original_tag) ? edits_.OffsetOf(element.original_tag) : -1;
        formStarts_.push_back(start);
        break;
      }
      case GUMBO_TAG_MAP: maps.push_back(node); break;
      default: break;
    }
  }
  // The base target may come after the maps and forms that fall back to it.
  for (TPreparsedForm& form : result_.forms)
    if (form.target.isEmpty()) form.target = result_.baseTarget;
  for (const GumboNode* node : maps) result_.maps.push_back(ReadMap(node, result_.baseTarget));
}

void TPreparser::Walk(const GumboNode* root) {
  std::vector<Visit> stack{{root, 0, 0}};
  while (!stack.empty()) {
    const Visit visit = stack.back();
    stack.pop_back();
    const GumboNode* node = visit.node;
    if (!IsElementNode(node)) continue;
    const int addedTables = Enter(visit);
    if (addedTables < 0) continue;
    const int tableDepth = visit.tableDepth + addedTables;
    const GumboVector& children = node->v.element.children;
    for (unsigned i = children.length; i-- > 0;)
      stack.push_back({static_cast<const GumboNode*>(children.data[i]), visit.depth + 1, tableDepth});
  }
}

int TPreparser::Enter(const Visit& visit) {
  const GumboElement& element = visit.node->v.element;
  const int ownTable = element.tag == GUMBO_TAG_TABLE ? 1 : 0;
  if (visit.depth > kMaxElementDepth || (visit.tableDepth + ownTable > kMaxTableDepth && IsTablePart(element.tag))) {
    edits_.RemoveTags(element);
    return ownTable;
  }
  if (HoldsNoContent(element.tag) && element.tag != GUMBO_TAG_SELECT && element.tag != GUMBO_TAG_TEXTAREA &&
      element.tag != GUMBO_TAG_BUTTON)
    return -1;

  const QString id = AttributeOf(element, "id");
  const QString style = AttributeOf(element, "style");
  TElementStyle look;
  const QString tag = GumboString(gumbo_normalized_tagname(element.tag));
  if (!styles_.Empty() || !style.isEmpty()) look = styles_.StyleOf(tag, id, AttributeOf(element, "class"), style);
  const bool inSource = edits_.InSource(element.original_tag);
  const bool keptWhole = element.tag == GUMBO_TAG_HTML || element.tag == GUMBO_TAG_BODY;
  if (look.hidden && inSource && !keptWhole) {
    const qsizetype start = edits_.OffsetOf(element.original_tag);
    edits_.Replace(start, edits_.EndOf(element) - start, {});
    return -1;
  }

  int addedTables = ownTable;
  if (look.borderWidth > 0 && IsBorderedBlock(tag) && inSource && visit.tableDepth + ownTable + 1 <= kMaxTableDepth) {
    const QString css =
        QStringLiteral("border-collapse:collapse;border-style:%1%2")
            .arg(look.borderStyle, look.borderColor.isEmpty() ? QString() : ";border-color:" + look.borderColor);
    edits_.Open(
        edits_.OffsetOf(element.original_tag), visit.depth,
        QStringLiteral("<table width=\"100%\" border=\"%1\" cellspacing=\"0\" cellpadding=\"%2\" style=\"%3\"><tr><td>")
            .arg(look.borderWidth)
            .arg(look.padding >= 0 ? look.padding : 2)
            .arg(EscapeAttribute(css)));
    edits_.Close(edits_.EndOf(element), visit.depth, QStringLiteral("</td></tr></table>"));
    ++addedTables;
  }

  switch (element.tag) {
    case GUMBO_TAG_IMG: Image(element); break;
    case GUMBO_TAG_INPUT:
    case GUMBO_TAG_SELECT:
    case GUMBO_TAG_TEXTAREA:
    case GUMBO_TAG_BUTTON: Control(visit.node); return -1;
    default: break;
  }
  return addedTables;
}

void TPreparser::Image(const GumboElement& element) {
  const int index = static_cast<int>(result_.images.size());
  const QString source = AttributeOf(element, "src");
  result_.images.push_back({source, AttributeOf(element, "title"), AttributeOf(element, "usemap").trimmed()});
  const GumboAttribute* src = gumbo_get_attribute(&element.attributes, "src");
  if (!result_.images.back().usemap.isEmpty() && src && edits_.InSource(src->original_value))
    edits_.Replace(edits_.OffsetOf(src->original_value), static_cast<qsizetype>(src->original_value.length),
                   '"' + EscapeAttribute(EncodeMappedImage(index, source)) + '"');
}

void TPreparser::Control(const GumboNode* node) {
  const GumboElement& element = node->v.element;
  TPreparsedControl control;
  if (!ReadFormControl(node, control)) return;
  const bool inSource = edits_.InSource(element.original_tag);
  if (inSource) control.form = FormAt(edits_.OffsetOf(element.original_tag));
  if (options_.controlSize && inSource && drawnControls_ < kMaxDrawnControls) {
    ++drawnControls_;
    control.placeholder = kControlPrefix + QString::number(result_.controls.size());
    const QSize size = options_.controlSize(control);
    const qsizetype start = edits_.OffsetOf(element.original_tag);
    edits_.Replace(start, edits_.EndOf(element) - start,
                   QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\">")
                       .arg(control.placeholder)
                       .arg(size.width())
                       .arg(size.height()));
  }
  result_.controls.push_back(std::move(control));
}

// As browsers read it: a control belongs to the form opened last before it, unless an end tag
// of a form came between. The parser cannot keep a form opened inside a table around the
// rows, so the tree alone does not tell.
int TPreparser::FormAt(qsizetype offset) const {
  for (size_t i = formStarts_.size(); i-- > 0;) {
    const qsizetype start = formStarts_[i];
    if (start < 0 || start >= offset) continue;
    const auto end = std::upper_bound(formEnds_.begin(), formEnds_.end(), start);
    return end == formEnds_.end() || *end > offset ? static_cast<int>(i) : -1;
  }
  return -1;
}

QString TPreparser::Finish() { return edits_.Apply(); }

}  // namespace

// The index ends at a '/', which the document's resource names (URLs) keep as it is.
QString EncodeMappedImage(int index, const QString& source) {
  return kMappedPrefix + QString::number(index) + '/' + source;
}

bool DecodeMappedImage(const QString& name, int& index, QString& source) {
  const qsizetype slash = name.indexOf('/');
  bool ok = false;
  if (name.startsWith(kMappedPrefix) && slash > 0)
    index = name.mid(kMappedPrefix.size(), slash - kMappedPrefix.size()).toInt(&ok);
  if (!ok) {
    index = -1;
    source = name;
    return false;
  }
  source = name.mid(slash + 1);
  return true;
}

int PlaceholderControl(const QString& name) {
  if (!name.startsWith(kControlPrefix)) return -1;
  bool ok = false;
  const int index = name.mid(kControlPrefix.size()).toInt(&ok);
  return ok ? index : -1;
}

TPreparsedPage PreparsePage(const QString& page, const TPreparseOptions& options) {
  TPreparsedPage result;
  const TPageScan scan = ScanPage(page, options.styleSheet);
  if (scan.nesting > kMaxSourceNesting) {
    result.html = QStringLiteral("<pre>%1</pre>").arg(page.toHtmlEscaped());
    return result;
  }
  result.title = scan.title;
  result.baseTarget = scan.baseTarget;
  if (!scan.needsTree) {
    result.html = scan.html;
    return result;
  }
  const QByteArray source = scan.html.toUtf8();
  GumboOutput* output =
      gumbo_parse_with_options(&kGumboDefaultOptions, source.constData(), static_cast<size_t>(source.size()));
  TPreparser preparser(source, options, result);
  preparser.ReadWholePage(output->root);
  preparser.Walk(output->root);
  gumbo_destroy_output(&kGumboDefaultOptions, output);
  result.html = preparser.Finish();
  return result;
}

bool ShownAsSource(const QString& page) {
  // Every level of nesting needs a tag of its own: a page with fewer tags is parsed.
  return page.count(u'<') > kMaxSourceNesting && ScanPage(page, {}).nesting > kMaxSourceNesting;
}
