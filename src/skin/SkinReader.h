#pragma once
// Builds the skin model from the main description in two passes over its lines: first the
// top-level keywords, then the element blocks.

#include "app/DescriptionSyntax.h"
#include "app/SkinModel.h"

#include <string>

// `lines` have their ASCII letters lower-cased. Throws EDataError for a malformed
// description (a key that never occurs, a header without a usable screen number, a bad
// vertex list); the message names `descriptionName` and the line.
TSkinModel ReadSkin(const TLines& lines, const std::string& descriptionName);
