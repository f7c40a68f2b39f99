#pragma once
// The command "installfonts": the TrueType fonts lying beside the page shown are copied into
// the Windows fonts folder and made available.

#include <string>

class TNavFont {
 public:
  // The folder of `fileName` (a Windows name), where the fonts are looked for.
  void SetFontFolder(const std::string& fileName);
  const std::string& FontFolder() const { return fontFolder_; }

  // False when any font could not be copied or registered.
  bool InstallFonts();

 private:
  std::string fontFolder_;
};
