#pragma once
// Colours as the font dialog's background list writes them: a named colour by its name, any
// other as "$" and its value in 8 hexadecimal digits. Names are compared without regard to
// the case of their letters.

#include "platform/BookColor.h"

#include <optional>
#include <string>
#include <vector>

struct TNamedColor {
  const char* name;
  TColor color;
};

// The colours the background list offers, in its order: the named colours that are not
// system colours.
const std::vector<TNamedColor>& BackgroundColorNames();
// The button face, what the list gives when nothing in it can be read.
constexpr TColor kButtonFaceColor = static_cast<TColor>(0x8000000F);

// The name of the colour (system colours too), else "$" and 8 hexadecimal digits.
std::string ColorToText(TColor color);
// A name or a "$" form with 1 to 8 hexadecimal digits; nothing for any other text.
std::optional<TColor> TextToColor(const std::string& text);
