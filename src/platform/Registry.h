#pragma once
// The settings store standing in for the Windows registry: one REGEDIT4-style text file per
// root under the user's config folder. Keys are matched without regard to ASCII letter case.
// Every change re-reads the file and replaces it atomically, so several processes of the
// program can share it without losing each other's values. Names and texts are
// Windows-1251; the file is UTF-8.

#include <QString>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TRegistry {
 public:
  enum class Root { CurrentUser, LocalMachine, ClassesRoot };

  explicit TRegistry(Root root = Root::CurrentUser);

  // Opens `key` (a path like "SOFTWARE\Velquist\Title"); creates it when `canCreate`.
  bool OpenKey(const std::string& key, bool canCreate);
  bool DeleteKey(const std::string& key);  // with its subkeys

  bool ValueExists(const std::string& name) const;
  // Empty when the value is missing or of another type.
  std::optional<std::string> ReadString(const std::string& name) const;
  std::optional<int> ReadInteger(const std::string& name) const;
  std::optional<bool> ReadBool(const std::string& name) const;  // a nonzero integer is true
  std::optional<std::string> ReadBinary(const std::string& name) const;

  bool WriteString(const std::string& name, const std::string& value);
  bool WriteInteger(const std::string& name, int value);
  bool WriteBool(const std::string& name, bool value);
  bool WriteBinary(const std::string& name, const std::string& bytes);
  bool DeleteValue(const std::string& name);
  // Writes each string value that has a text and deletes each that has none, in one change
  // of the store: a process ended midway leaves either all of them or none.
  using TStringChanges = std::vector<std::pair<std::string, std::optional<std::string>>>;
  bool WriteStrings(const TStringChanges& changes);

  // Under Global.SettingsFolder, else the user's config folder.
  QString FileName() const;

 private:
  Root root_;
  std::string key_;  // the open key, empty when none
};
