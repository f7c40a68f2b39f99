#include "platform/RegistryFile.h"

#include "platform/Cp1251.h"
#include "platform/WinNames.h"

#include <QList>
#include <QString>

namespace {

// "text with \"quotes\" and \\" -> the text; false when the quoting is broken.
bool Unquote(const QString& quoted, qsizetype& pos, QString& out) {
  if (pos >= quoted.size() || quoted[pos] != u'"') return false;
  out.clear();
  for (++pos; pos < quoted.size(); ++pos) {
    const QChar c = quoted[pos];
    if (c == u'"') {
      ++pos;
      return true;
    }
    if (c == u'\\') {
      if (++pos >= quoted.size()) return false;
      out += quoted[pos];
    } else {
      out += c;
    }
  }
  return false;
}

QString Quote(const std::string& text) {
  QString out = FromCp1251(text);
  out.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
  return u'"' + out + u'"';
}

bool ParseValue(const QString& text, TRegValue& value) {
  if (text.startsWith(u'"')) {
    qsizetype pos = 0;
    QString s;
    if (!Unquote(text, pos, s) || pos != text.size()) return false;
    value.type = TRegValue::Type::String;
    value.text = ToCp1251(s);
    return true;
  }
  if (text.startsWith(QStringLiteral("dword:"))) {
    bool ok = false;
    const uint n = text.mid(6).toUInt(&ok, 16);
    if (!ok || text.size() != 14) return false;
    value.type = TRegValue::Type::Integer;
    value.integer = static_cast<int>(n);
    return true;
  }
  if (text.startsWith(QStringLiteral("hex:"))) {
    value.type = TRegValue::Type::Binary;
    value.text.clear();
    const QString body = text.mid(4);
    if (body.isEmpty()) return true;
    for (const QString& part : body.split(u',')) {
      bool ok = false;
      const uint b = part.trimmed().toUInt(&ok, 16);
      if (!ok || b > 255) return false;
      value.text.push_back(static_cast<char>(b));
    }
    return true;
  }
  return false;
}

QString FormatValue(const TRegValue& value) {
  switch (value.type) {
    case TRegValue::Type::String: return Quote(value.text);
    case TRegValue::Type::Integer:
      return QStringLiteral("dword:%1").arg(static_cast<uint>(value.integer), 8, 16, QChar(u'0'));
    case TRegValue::Type::Binary: {
      QStringList bytes;
      for (unsigned char b : value.text) bytes << QStringLiteral("%1").arg(b, 2, 16, QChar(u'0'));
      return QStringLiteral("hex:") + bytes.join(u',');
    }
  }
  return {};
}

}  // namespace

TRegKeys ParseRegistryText(const QByteArray& text) {
  TRegKeys keys;
  TRegKey* current = nullptr;
  for (const QByteArray& raw : text.split('\n')) {
    const QString line = QString::fromUtf8(raw).trimmed();
    if (line.startsWith(u'[') && line.endsWith(u']') && line.size() > 2) {
      const std::string name = ToCp1251(line.mid(1, line.size() - 2));
      TRegKey& key = keys[AsciiLower(name)];
      if (key.name.empty()) key.name = name;
      current = &key;
      continue;
    }
    if (!current) continue;
    qsizetype pos = 0;
    QString name;
    // A key's default value has the empty name, written "@".
    if (line.startsWith(QStringLiteral("@=")))
      pos = 1;
    else if (!line.startsWith(u'"') || !Unquote(line, pos, name) || pos >= line.size() || line[pos] != u'=')
      continue;
    TRegValue value;
    if (!ParseValue(line.mid(pos + 1), value)) continue;
    const std::string cpName = ToCp1251(name);
    current->values[AsciiLower(cpName)] = {cpName, value};
  }
  return keys;
}

QByteArray FormatRegistryText(const TRegKeys& keys) {
  QString out = QStringLiteral("REGEDIT4\n");
  for (const auto& [folded, key] : keys) {
    out += QStringLiteral("\n[") + FromCp1251(key.name) + QStringLiteral("]\n");
    for (const auto& [foldedName, entry] : key.values)
      out +=
          (entry.first.empty() ? QStringLiteral("@") : Quote(entry.first)) + u'=' + FormatValue(entry.second) + u'\n';
  }
  return out.toUtf8();
}
