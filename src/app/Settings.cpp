#include "app/Settings.h"

#include "platform/Globals.h"

namespace Settings {

std::string Name(TNumbered value, int first) { return value.name + std::to_string(first); }

std::string Name(TNumbered value, int first, int second) {
  return value.name + std::to_string(first) + std::to_string(second);
}

}  // namespace Settings

TBookSettings::TBookSettings() { opened_ = registry_.OpenKey(Key(), true); }

std::string TBookSettings::Key() { return "SOFTWARE\\Velquist\\" + Global.BookTitle; }

int TBookSettings::Read(const Settings::TInteger& value) const {
  return (opened_ ? registry_.ReadInteger(value.name) : std::nullopt).value_or(value.defaultValue);
}

std::optional<int> TBookSettings::ReadStored(const Settings::TInteger& value) const {
  return opened_ ? registry_.ReadInteger(value.name) : std::nullopt;
}

std::string TBookSettings::Read(const Settings::TText& value) const {
  return (opened_ ? registry_.ReadString(value.name) : std::nullopt).value_or(value.defaultValue);
}

int TBookSettings::ReadOrCreate(const Settings::TInteger& value) {
  if (const auto stored = opened_ ? registry_.ReadInteger(value.name) : std::nullopt) return *stored;
  Write(value, value.defaultValue);
  return value.defaultValue;
}

void TBookSettings::Write(const Settings::TInteger& value, int number) {
  if (opened_) registry_.WriteInteger(value.name, number);
}

void TBookSettings::Write(const Settings::TText& value, const std::string& text) {
  if (opened_) registry_.WriteString(value.name, text);
}

std::optional<bool> TBookSettings::ReadBool(const std::string& name) const {
  return opened_ ? registry_.ReadBool(name) : std::nullopt;
}

std::optional<std::string> TBookSettings::ReadString(const std::string& name) const {
  return opened_ ? registry_.ReadString(name) : std::nullopt;
}

void TBookSettings::WriteBool(const std::string& name, bool on) {
  if (opened_) registry_.WriteBool(name, on);
}

void TBookSettings::WriteString(const std::string& name, const std::string& text) {
  if (opened_) registry_.WriteString(name, text);
}

void TBookSettings::DeleteValue(const std::string& name) {
  if (opened_) registry_.DeleteValue(name);
}

void TBookSettings::WriteStrings(const TRegistry::TStringChanges& changes) {
  if (opened_) registry_.WriteStrings(changes);
}

int ReadSizeInterface(const TBookSettings& settings) {
  const int choice = settings.Read(Settings::SizeInterface);
  return choice >= 0 && choice <= 3 ? choice : Settings::SizeInterface.defaultValue;
}

void ReadReaderOptions(bool slideAreas) {
  TBookSettings settings;
  TReaderOptions& o = Global.Options;
  o.Clip = settings.ReadOrCreate(Settings::Clip) != 0;
  o.Wav = settings.ReadOrCreate(Settings::Wav) != 0;
  o.BGSound = settings.ReadOrCreate(Settings::BGSound) != 0;
  o.Animation = settings.ReadOrCreate(Settings::Animation) != 0;
  o.Hint = settings.ReadOrCreate(Settings::Hint) != 0;
  if (slideAreas) {
    o.RunSlideShow = settings.ReadOrCreate(Settings::RunSlideShow) != 0;
    o.SlideShowTime = settings.ReadOrCreate(Settings::SlideShowTime);
    o.ImageSequence = settings.ReadOrCreate(Settings::ImageSequence);
  }
  o.SizeInterface = ReadSizeInterface(settings);
}
