#include "document/ColorNames.h"

#include "platform/WinNames.h"

#include <cstdint>
#include <cstdio>

namespace {

// The system colours by the platform's index (the top bit marks them).
constexpr const char* kSystemNames[] = {
    "clScrollBar",    "clBackground",     "clActiveCaption", "clInactiveCaption", "clMenu",
    "clWindow",       "clWindowFrame",    "clMenuText",      "clWindowText",      "clCaptionText",
    "clActiveBorder", "clInactiveBorder", "clAppWorkSpace",  "clHighlight",       "clHighlightText",
    "clBtnFace",      "clBtnShadow",      "clGrayText",      "clBtnText",         "clInactiveCaptionText",
    "clBtnHighlight", "cl3DDkShadow",     "cl3DLight",       "clInfoText",        "clInfoBk"};
constexpr uint32_t kSystemBit = 0x80000000u;

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

}  // namespace

const std::vector<TNamedColor>& BackgroundColorNames() {
  static const std::vector<TNamedColor> names = {
      {"clBlack", 0x000000},      {"clMaroon", 0x000080},  {"clGreen", 0x008000}, {"clOlive", 0x008080},
      {"clNavy", 0x800000},       {"clPurple", 0x800080},  {"clTeal", 0x808000},  {"clGray", 0x808080},
      {"clSilver", 0xC0C0C0},     {"clRed", 0x0000FF},     {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
      {"clBlue", 0xFF0000},       {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},  {"clWhite", 0xFFFFFF},
      {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
      {"clDefault", 0x20000000},  {"clNone", 0x1FFFFFFF}};
  return names;
}

std::string ColorToText(TColor color) {
  for (const TNamedColor& named : BackgroundColorNames())
    if (named.color == color) return named.name;
  const uint32_t value = static_cast<uint32_t>(color);
  if ((value & kSystemBit) && (value & ~kSystemBit) < std::size(kSystemNames)) return kSystemNames[value & ~kSystemBit];
  char text[16];
  std::snprintf(text, sizeof text, "$%08X", value);
  return text;
}

std::optional<TColor> TextToColor(const std::string& text) {
  if (!text.empty() && text[0] == '$') {
    if (text.size() < 2 || text.size() > 9) return std::nullopt;
    uint32_t value = 0;
    for (size_t i = 1; i < text.size(); ++i) {
      if (!IsHexDigit(text[i])) return std::nullopt;
      const char c = static_cast<char>(text[i] | 0x20);
      value = value * 16 + static_cast<uint32_t>(c <= '9' ? c - '0' : c - 'a' + 10);
    }
    return static_cast<TColor>(value);
  }
  const std::string lower = AsciiLower(text);
  for (const TNamedColor& named : BackgroundColorNames())
    if (AsciiLower(named.name) == lower) return named.color;
  for (size_t i = 0; i < std::size(kSystemNames); ++i)
    if (AsciiLower(kSystemNames[i]) == lower) return static_cast<TColor>(kSystemBit | i);
  return std::nullopt;
}
