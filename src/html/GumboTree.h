#pragma once
// Small readers of gumbo's parse tree, shared by the parts of the page pre-parse. Nothing
// here recurses: hostile pages nest without end.

#include <gumbo.h>
#include <QString>
#include <vector>

QString GumboString(const char* text);
QString AttributeOf(const GumboElement& element, const char* name);
bool HasAttributeOf(const GumboElement& element, const char* name);
bool IsElementNode(const GumboNode* node);
// The element nodes below `root` (itself included) in document order.
std::vector<const GumboNode*> ElementsBelow(const GumboNode* root);
// The text below `root`, whitespace collapsed.
QString TextBelow(const GumboNode* root);
// The text children of the element `node` as written (a textarea's or a style sheet's).
QString RawText(const GumboNode* node);
