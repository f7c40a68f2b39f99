#include "platform/Registry.h"

#include "platform/Globals.h"
#include "platform/RegistryFile.h"
#include "platform/WinNames.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const char* RootName(TRegistry::Root root) {
  switch (root) {
    case TRegistry::Root::CurrentUser: return "HKEY_CURRENT_USER";
    case TRegistry::Root::LocalMachine: return "HKEY_LOCAL_MACHINE";
    case TRegistry::Root::ClassesRoot: return "HKEY_CLASSES_ROOT";
  }
  return "";
}

std::string TrimSlashes(std::string key) {
  while (!key.empty() && key.front() == '\\') key.erase(0, 1);
  while (!key.empty() && key.back() == '\\') key.pop_back();
  return key;
}

TRegKeys Load(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return ParseRegistryText(file.readAll());
}

bool Save(const QString& fileName, const TRegKeys& keys) {
  QDir().mkpath(QFileInfo(fileName).path());
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(FormatRegistryText(keys));
  return file.commit();
}

// Re-reads the file, changes it and writes it back while holding a lock, so that processes
// sharing the file do not undo each other's changes.
template <typename Change>
bool Modify(const QString& fileName, Change change) {
  QDir().mkpath(QFileInfo(fileName).path());
  QLockFile lock(fileName + QStringLiteral(".lock"));
  if (!lock.tryLock(2000)) return false;
  TRegKeys keys = Load(fileName);
  if (!change(keys)) return false;
  return Save(fileName, keys);
}

}  // namespace

TRegistry::TRegistry(Root root) : root_(root) {}

QString TRegistry::FileName() const {
  const QString folder =
      Global.SettingsFolder.isEmpty()
          ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/skinbook")
          : Global.SettingsFolder;
  return folder + u'/' + QString::fromLatin1(RootName(root_)) + QStringLiteral(".reg");
}

namespace {
std::string FullPath(TRegistry::Root root, const std::string& key) {
  const std::string trimmed = TrimSlashes(key);
  return std::string(RootName(root)) + (trimmed.empty() ? "" : "\\" + trimmed);
}
}  // namespace

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  const std::string full = FullPath(root_, key);
  const std::string folded = AsciiLower(full);
  if (!Load(FileName()).count(folded)) {
    if (!canCreate) return false;
    const bool created = Modify(FileName(), [&](TRegKeys& keys) {
      if (keys[folded].name.empty()) keys[folded].name = full;
      return true;
    });
    if (!created) return false;
  }
  key_ = full;
  return true;
}

bool TRegistry::DeleteKey(const std::string& key) {
  const std::string folded = AsciiLower(FullPath(root_, key));
  return Modify(FileName(), [&](TRegKeys& keys) {
    bool found = false;
    for (auto it = keys.begin(); it != keys.end();) {
      if (it->first == folded || it->first.rfind(folded + "\\", 0) == 0) {
        it = keys.erase(it);
        found = true;
      } else {
        ++it;
      }
    }
    return found;
  });
}

namespace {
std::optional<TRegValue> Find(const QString& fileName, const std::string& key, const std::string& name) {
  if (key.empty()) return {};
  const TRegKeys keys = Load(fileName);
  const auto k = keys.find(AsciiLower(key));
  if (k == keys.end()) return {};
  const auto v = k->second.values.find(AsciiLower(name));
  if (v == k->second.values.end()) return {};
  return v->second.second;
}
}  // namespace

bool TRegistry::ValueExists(const std::string& name) const { return Find(FileName(), key_, name).has_value(); }

std::optional<std::string> TRegistry::ReadString(const std::string& name) const {
  const auto v = Find(FileName(), key_, name);
  if (!v || v->type != TRegValue::Type::String) return {};
  return v->text;
}

std::optional<int> TRegistry::ReadInteger(const std::string& name) const {
  const auto v = Find(FileName(), key_, name);
  if (!v || v->type != TRegValue::Type::Integer) return {};
  return v->integer;
}

std::optional<bool> TRegistry::ReadBool(const std::string& name) const {
  const auto n = ReadInteger(name);
  if (!n) return {};
  return *n != 0;
}

std::optional<std::string> TRegistry::ReadBinary(const std::string& name) const {
  const auto v = Find(FileName(), key_, name);
  if (!v || v->type != TRegValue::Type::Binary) return {};
  return v->text;
}

namespace {
bool Write(const QString& fileName, const std::string& key, const std::string& name, const TRegValue& value) {
  if (key.empty()) return false;
  return Modify(fileName, [&](TRegKeys& keys) {
    TRegKey& k = keys[AsciiLower(key)];
    if (k.name.empty()) k.name = key;
    k.values[AsciiLower(name)] = {name, value};
    return true;
  });
}
}  // namespace

bool TRegistry::WriteString(const std::string& name, const std::string& value) {
  return Write(FileName(), key_, name, {TRegValue::Type::String, value, 0});
}

bool TRegistry::WriteInteger(const std::string& name, int value) {
  return Write(FileName(), key_, name, {TRegValue::Type::Integer, {}, value});
}

bool TRegistry::WriteBool(const std::string& name, bool value) { return WriteInteger(name, value ? 1 : 0); }

bool TRegistry::WriteBinary(const std::string& name, const std::string& bytes) {
  return Write(FileName(), key_, name, {TRegValue::Type::Binary, bytes, 0});
}

bool TRegistry::DeleteValue(const std::string& name) {
  if (key_.empty()) return false;
  return Modify(FileName(), [&](TRegKeys& keys) {
    const auto k = keys.find(AsciiLower(key_));
    return k != keys.end() && k->second.values.erase(AsciiLower(name)) > 0;
  });
}

bool TRegistry::WriteStrings(const TStringChanges& changes) {
  if (key_.empty()) return false;
  return Modify(FileName(), [&](TRegKeys& keys) {
    TRegKey& k = keys[AsciiLower(key_)];
    if (k.name.empty()) k.name = key_;
    for (const auto& [name, text] : changes) {
      if (text)
        k.values[AsciiLower(name)] = {name, {TRegValue::Type::String, *text, 0}};
      else
        k.values.erase(AsciiLower(name));
    }
    return true;
  });
}
