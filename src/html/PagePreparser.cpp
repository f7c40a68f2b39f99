#include "html/PagePreparser.h"

#include <QByteArray>
#include <algorithm>
#include <gumbo.h>

namespace {

constexpr int kMaxFramesetDepth = 16;
// Qt's layout recurses into nested tables and overflows the stack on hostile pages: the tags
// of tables nested deeper than this, and of any element nested deeper than the other limit,
// are dropped, keeping their text.
constexpr int kMaxTableDepth = 12;
constexpr int kMaxElementDepth = 300;
// gumbo slows down with the square of the nesting: a page nested deeper than this is shown as
// its source text instead of being parsed.
constexpr int kMaxSourceNesting = 1000;
const QString kTargetPrefix = QStringLiteral("skbtarget:");

QString Utf8(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

QString Attribute(const GumboElement& element, const char* name) {
  const GumboAttribute* attribute = gumbo_get_attribute(&element.attributes, name);
  return attribute ? Utf8(attribute->value) : QString();
}

bool HasAttribute(const GumboElement& element, const char* name) {
  return gumbo_get_attribute(&element.attributes, name) != nullptr;
}

bool IsElement(const GumboNode* node) {
  return node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE;
}

struct Placed {
  const GumboNode* node;
  int depth;
  int tableDepth;  // tables around the element, itself included
};

bool IsTablePart(GumboTag tag) {
  switch (tag) {
    case GUMBO_TAG_TABLE: case GUMBO_TAG_TBODY: case GUMBO_TAG_THEAD: case GUMBO_TAG_TFOOT: case GUMBO_TAG_TR:
    case GUMBO_TAG_TD: case GUMBO_TAG_TH: case GUMBO_TAG_CAPTION: case GUMBO_TAG_COL: case GUMBO_TAG_COLGROUP:
      return true;
    default:
      return false;
  }
}

// Every element below `root` in document order with its depth, without recursion (pages may
// nest deeply).
std::vector<Placed> PlacedElements(const GumboNode* root) {
  std::vector<Placed> out, stack{{root, 0, 0}};
  while (!stack.empty()) {
    const Placed placed = stack.back();
    stack.pop_back();
    if (!IsElement(placed.node)) continue;
    Placed element = placed;
    if (placed.node->v.element.tag == GUMBO_TAG_TABLE) ++element.tableDepth;
    out.push_back(element);
    const GumboVector& children = placed.node->v.element.children;
    for (unsigned i = children.length; i-- > 0;)
      stack.push_back({static_cast<const GumboNode*>(children.data[i]), placed.depth + 1, element.tableDepth});
  }
  return out;
}

std::vector<const GumboNode*> Elements(const GumboNode* root) {
  std::vector<const GumboNode*> out;
  for (const Placed& placed : PlacedElements(root)) out.push_back(placed.node);
  return out;
}

QString TextOf(const GumboNode* root) {
  QString text;
  std::vector<const GumboNode*> stack{root};
  while (!stack.empty()) {
    const GumboNode* node = stack.back();
    stack.pop_back();
    if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE || node->type == GUMBO_NODE_CDATA) {
      text += Utf8(node->v.text.text);
    } else if (IsElement(node)) {
      const GumboVector& children = node->v.element.children;
      for (unsigned i = children.length; i-- > 0;) stack.push_back(static_cast<const GumboNode*>(children.data[i]));
    }
  }
  return text.simplified();
}

TFramesetNode Frameset(const GumboNode* node, int depth) {
  TFramesetNode result;
  result.isFrameset = true;
  result.rows = Attribute(node->v.element, "rows");
  result.cols = Attribute(node->v.element, "cols");
  const GumboVector& children = node->v.element.children;
  for (unsigned i = 0; i < children.length; ++i) {
    const auto* child = static_cast<const GumboNode*>(children.data[i]);
    if (!IsElement(child)) continue;
    if (child->v.element.tag == GUMBO_TAG_FRAME) {
      TFramesetNode frame;
      frame.name = Attribute(child->v.element, "name");
      frame.src = Attribute(child->v.element, "src");
      result.children.push_back(frame);
    } else if (child->v.element.tag == GUMBO_TAG_FRAMESET && depth < kMaxFramesetDepth) {
      result.children.push_back(Frameset(child, depth + 1));
    }
  }
  return result;
}

QString EscapeAttribute(QString text) {
  return text.replace('&', QStringLiteral("&amp;")).replace('"', QStringLiteral("&quot;")).replace('<', QStringLiteral("&lt;"));
}

struct Edit {
  qsizetype offset, length;
  QByteArray replacement;
};

TPreparsedControlKind InputKind(const GumboElement& element) {
  const QString type = Attribute(element, "type").toLower();
  if (type == "submit" || type == "button" || type == "reset" || type == "image") return TPreparsedControlKind::Button;
  return TPreparsedControlKind::Input;
}

// Tags that close themselves or are closed by their next sibling do not count.
bool NestsInSource(QStringView name) {
  static const QStringList flat = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta",
                                   "param", "source", "track", "wbr", "p", "li", "dt", "dd", "tr", "td", "th",
                                   "option", "optgroup", "tbody", "thead", "tfoot", "colgroup", "frame", "basefont"};
  for (const QString& tag : flat)
    if (name.compare(tag, Qt::CaseInsensitive) == 0) return false;
  return true;
}

// A cheap upper estimate of how deep the page's tags nest.
int SourceNesting(const QString& page) {
  int depth = 0, deepest = 0;
  for (qsizetype i = 0; i + 1 < page.size(); ++i) {
    if (page[i] != '<') continue;
    const bool closing = page[i + 1] == '/';
    qsizetype start = closing ? i + 2 : i + 1, end = start;
    while (end < page.size() && page[end].isLetterOrNumber() && page[end].unicode() < 128) ++end;
    if (end == start || !page[start].isLetter() || !NestsInSource(QStringView(page).mid(start, end - start))) continue;
    depth = closing ? std::max(0, depth - 1) : depth + 1;
    deepest = std::max(deepest, depth);
  }
  return deepest;
}

}  // namespace

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

TPreparsedPage PreparsePage(const QString& page, const std::function<QSize(const QStringList&)>& placeholderSize) {
  TPreparsedPage result;
  if (SourceNesting(page) > kMaxSourceNesting) {
    result.html = QStringLiteral("<pre>%1</pre>").arg(page.toHtmlEscaped());
    return result;
  }
  const QByteArray source = page.toUtf8();
  GumboOutput* output = gumbo_parse_with_options(&kGumboDefaultOptions, source.constData(),
                                                 static_cast<size_t>(source.size()));
  const std::vector<const GumboNode*> elements = Elements(output->root);

  for (const GumboNode* node : elements) {
    const GumboElement& element = node->v.element;
    if (element.tag == GUMBO_TAG_TITLE && result.title.isEmpty()) result.title = TextOf(node);
    if (element.tag == GUMBO_TAG_BASE && result.baseTarget.isEmpty()) result.baseTarget = Attribute(element, "target");
    if (element.tag == GUMBO_TAG_FRAMESET && !result.isFrameset) {
      result.isFrameset = true;
      result.frameset = Frameset(node, 0);
    }
  }

  std::vector<Edit> edits;
  const auto inSource = [&](const GumboStringPiece& piece) {
    return piece.data && piece.length > 0 && piece.data >= source.constData() &&
           piece.data + piece.length <= source.constData() + source.size();
  };
  qsizetype skipUntil = -1;  // inside a replaced drop-down list
  for (const Placed& placed : PlacedElements(output->root)) {
    const GumboNode* node = placed.node;
    const GumboElement& element = node->v.element;
    if (static_cast<qsizetype>(element.start_pos.offset) < skipUntil) continue;
    if (placed.depth > kMaxElementDepth || (placed.tableDepth > kMaxTableDepth && IsTablePart(element.tag))) {
      for (const GumboStringPiece* tag : {&element.original_tag, &element.original_end_tag})
        if (inSource(*tag)) edits.push_back({tag->data - source.constData(), static_cast<qsizetype>(tag->length), {}});
      continue;
    }
    switch (element.tag) {
      case GUMBO_TAG_A: {
        const GumboAttribute* href = gumbo_get_attribute(&element.attributes, "href");
        QString target = Attribute(element, "target");
        if (target.isEmpty() && !HasAttribute(element, "target")) target = result.baseTarget;
        if (href && !target.isEmpty() && inSource(href->original_value)) {
          const QString value = EncodeLinkTarget(target, Utf8(href->value));
          edits.push_back({href->original_value.data - source.constData(),
                           static_cast<qsizetype>(href->original_value.length),
                           ('"' + EscapeAttribute(value) + '"').toUtf8()});
        }
        break;
      }
      case GUMBO_TAG_IMG:
        result.images.push_back({Attribute(element, "src"), Attribute(element, "title")});
        break;
      case GUMBO_TAG_SELECT: {
        TPreparsedControl control;
        control.kind = TPreparsedControlKind::Select;
        control.name = Attribute(element, "name");
        for (const GumboNode* option : Elements(node)) {
          if (option->v.element.tag != GUMBO_TAG_OPTION) continue;
          if (HasAttribute(option->v.element, "selected")) control.selectedIndex = static_cast<int>(control.items.size());
          control.items << TextOf(option);
        }
        if (control.selectedIndex < 0 && !control.items.isEmpty()) control.selectedIndex = 0;
        if (inSource(element.original_tag)) {
          control.placeholder = QStringLiteral("skbform:%1").arg(result.controls.size());
          const QSize size = placeholderSize ? placeholderSize(control.items) : QSize(100, 20);
          const qsizetype start = element.original_tag.data - source.constData();
          qsizetype end = static_cast<qsizetype>(element.end_pos.offset) +
                          static_cast<qsizetype>(element.original_end_tag.length);
          end = std::clamp(end, start + static_cast<qsizetype>(element.original_tag.length), source.size());
          edits.push_back({start, end - start,
                           QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\">")
                               .arg(control.placeholder).arg(size.width()).arg(size.height()).toUtf8()});
          skipUntil = end;
        }
        result.controls.push_back(control);
        break;
      }
      case GUMBO_TAG_INPUT:
        if (Attribute(element, "type").toLower() == "hidden") break;
        result.controls.push_back({InputKind(element), Attribute(element, "name"), {}, -1, {}});
        break;
      case GUMBO_TAG_TEXTAREA:
        result.controls.push_back({TPreparsedControlKind::TextArea, Attribute(element, "name"), {}, -1, {}});
        break;
      case GUMBO_TAG_BUTTON:
        result.controls.push_back({TPreparsedControlKind::Button, Attribute(element, "name"), {}, -1, {}});
        break;
      default:
        break;
    }
  }
  gumbo_destroy_output(&kGumboDefaultOptions, output);

  std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.offset < b.offset; });
  QByteArray html;
  qsizetype done = 0;
  for (const Edit& edit : edits) {
    if (edit.offset < done) continue;
    html += source.mid(done, edit.offset - done);
    html += edit.replacement;
    done = edit.offset + edit.length;
  }
  html += source.mid(done);
  result.html = QString::fromUtf8(html);
  return result;
}

bool ShownAsSource(const QString& page) {
  // Every level of nesting needs a tag of its own: a page with fewer tags is parsed.
  return page.count(u'<') > kMaxSourceNesting && SourceNesting(page) > kMaxSourceNesting;
}
