#include "html/GumboTree.h"

QString GumboString(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

QString AttributeOf(const GumboElement& element, const char* name) {
  const GumboAttribute* attribute = gumbo_get_attribute(&element.attributes, name);
  return attribute ? GumboString(attribute->value) : QString();
}

bool HasAttributeOf(const GumboElement& element, const char* name) {
  return gumbo_get_attribute(&element.attributes, name) != nullptr;
}

bool IsElementNode(const GumboNode* node) {
  return node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE;
}

std::vector<const GumboNode*> ElementsBelow(const GumboNode* root) {
  std::vector<const GumboNode*> out, stack{root};
  while (!stack.empty()) {
    const GumboNode* node = stack.back();
    stack.pop_back();
    if (!IsElementNode(node)) continue;
    out.push_back(node);
    const GumboVector& children = node->v.element.children;
    for (unsigned i = children.length; i-- > 0;) stack.push_back(static_cast<const GumboNode*>(children.data[i]));
  }
  return out;
}

QString TextBelow(const GumboNode* root) {
  QString text;
  std::vector<const GumboNode*> stack{root};
  while (!stack.empty()) {
    const GumboNode* node = stack.back();
    stack.pop_back();
    if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE || node->type == GUMBO_NODE_CDATA) {
      text += GumboString(node->v.text.text);
    } else if (IsElementNode(node)) {
      const GumboVector& children = node->v.element.children;
      for (unsigned i = children.length; i-- > 0;) stack.push_back(static_cast<const GumboNode*>(children.data[i]));
    }
  }
  return text.simplified();
}

QString RawText(const GumboNode* node) {
  QString text;
  const GumboVector& children = node->v.element.children;
  for (unsigned i = 0; i < children.length; ++i) {
    const auto* child = static_cast<const GumboNode*>(children.data[i]);
    if (child->type == GUMBO_NODE_TEXT || child->type == GUMBO_NODE_WHITESPACE) text += GumboString(child->v.text.text);
  }
  return text;
}
