#pragma once
// Builds the skin model from the main description in two passes over its lines: first the
// top-level keywords, then the element blocks.

#include "app/DescriptionKeys.h"
#include "app/DescriptionSyntax.h"
#include "app/SkinModel.h"

#include <string>
#include <vector>

// `lines` have their ASCII letters lower-cased. Throws EDataError for a malformed
// description (a key that never occurs, a header without a usable screen number, a bad
// vertex list); the message names `descriptionName` and the line. With `trace`, every key
// read is recorded there in reading order, and a malformed element is recorded there too and
// passed over instead.
TSkinModel ReadSkin(const TLines& lines, const std::string& descriptionName, TSkinReadTrace* trace = nullptr);

// The thesaurus window's description: "title" (not used), "icon", "minimize" and "close",
// then the elements "button", "_html", "_findtxt", "_text" and "_screen". Throws as ReadSkin.
TSkinModel ReadTesaurusSkin(const TLines& lines, const std::string& descriptionName);

// The words that open elements, in the order the second pass tests them.
std::vector<std::string> ElementHeaderWords();
// The top-level keywords in the order the first pass tests them on every line.
std::vector<std::string> TopLevelKeywords();
