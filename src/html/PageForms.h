#pragma once
// Form controls as the pre-parse reads them from gumbo's tree.

#include "html/PagePreparser.h"

#include <gumbo.h>

// The control an <input>, <select>, <textarea> or <button> element stands for; false for a
// hidden input, which the reader never sees.
bool ReadFormControl(const GumboNode* node, TPreparsedControl& control);
