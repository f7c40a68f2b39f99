#pragma once
// The book's settings: the registry key they live under and, in one table, the name and the
// default of every value. Booleans are stored as the integers 0 and 1.

#include "platform/Registry.h"

#include <optional>
#include <string>

namespace Settings {

struct TInteger {
  const char* name;
  int defaultValue;
};
struct TText {
  const char* name;
  const char* defaultValue;
};
// Values kept once per element or position: the name followed by the numbers.
struct TNumbered {
  const char* name;
};

// The reader's choices in the settings dialog.
inline constexpr TInteger Clip{"Clip", 1};
inline constexpr TInteger Wav{"Wav", 1};
inline constexpr TInteger BGSound{"BGSound", 1};
inline constexpr TInteger Animation{"Animation", 1};
inline constexpr TInteger Hint{"Hint", 1};
inline constexpr TInteger RunSlideShow{"RunSlideShow", 0};
inline constexpr TInteger SlideShowTime{"SlideShowTime", 5};
inline constexpr TInteger ImageSequence{"ImageSequence", 0};
inline constexpr TInteger SizeInterface{"SizeInterface", 0};
// The factor of the free interface size as the reader last left it, in thousandths.
inline constexpr TInteger FreeSizeScale{"FreeSizeScale", 1000};

// The document pane's appearance.
inline constexpr TText FontName{"FontName", "Arial"};
inline constexpr TInteger FontColor{"FontColor", 0};
inline constexpr TInteger FontSize{"FontSize", 8};
inline constexpr TInteger HotSpotColor{"HotSpotColor", 13158};  // 003366: dark brown
inline constexpr TInteger Background{"Background", 0xFFFFFF};

// Where the background music stopped.
inline constexpr TInteger BGSoundSong{"BGSoundSong", 0};
inline constexpr TInteger BGSoundPos{"BGSoundPos", 0};

inline constexpr TNumbered SwOne{"SwOne"};    // screen, switch
inline constexpr TNumbered SwGrp{"SwGrp"};    // screen, switch
inline constexpr TNumbered SwGrpD{"SwGrpD"};  // dialog page, switch
inline constexpr TNumbered Favorite{"Favorite"};
inline constexpr TNumbered PathInstall{"PathInstall"};

std::string Name(TNumbered value, int first);
std::string Name(TNumbered value, int first, int second);

}  // namespace Settings

// The current user's key of the book ("SOFTWARE\Velquist\" + the book's title), created when
// missing. Reads give the table's default when the key or the value is missing or of another
// type; writes to a key that could not be opened are dropped.
class TBookSettings {
 public:
  TBookSettings();

  static std::string Key();
  bool Opened() const { return opened_; }

  int Read(const Settings::TInteger& value) const;
  // Nothing when the value is missing or of another type.
  std::optional<int> ReadStored(const Settings::TInteger& value) const;
  std::string Read(const Settings::TText& value) const;
  // The stored value; when there is none, the default is written and returned.
  int ReadOrCreate(const Settings::TInteger& value);
  void Write(const Settings::TInteger& value, int number);
  void Write(const Settings::TText& value, const std::string& text);

  // Numbered values, by their full names; nothing when the key could not be opened.
  std::optional<bool> ReadBool(const std::string& name) const;
  std::optional<std::string> ReadString(const std::string& name) const;
  void WriteBool(const std::string& name, bool on);
  void WriteString(const std::string& name, const std::string& text);
  void DeleteValue(const std::string& name);
  // Several string values written and deleted in one step (see TRegistry::WriteStrings).
  void WriteStrings(const TRegistry::TStringChanges& changes);

 private:
  TRegistry registry_;
  bool opened_ = false;
};

// Fills Global.Options from the book's settings; a missing value gets its default written. The
// slide values are read only for a book with slide areas. The interface size is read, never
// created.
void ReadReaderOptions(bool slideAreas);
// The stored interface size choice (0 ... 3); 0 when none is stored or it is out of range.
int ReadSizeInterface(const TBookSettings& settings);
