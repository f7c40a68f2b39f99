#include "html/HtmlDocument.h"

#include "app/ComprStream.h"
#include "app/ResourcePack.h"
#include "html/HTMLViewer.h"
#include "html/HtmlNames.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"

#include <QUrl>

namespace {

QImage Blank() {
  QImage image(1, 1, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace

THtmlDocument::THtmlDocument(const std::string& baseFile, bool viewImages, QObject* parent)
    : QTextDocument(parent), baseFile_(baseFile), viewImages_(viewImages) {}

bool THtmlDocument::IsPlaceholder(const QString& name) { return name.startsWith(QStringLiteral("skbform:")); }

std::string THtmlDocument::ReadFile(const std::string& name) {
  const std::string file = WithoutAnchor(name);
  if (file.empty() || !FileOrPackExists(file)) throw EHtmlLoadError("Can't locate file: " + Cp1251ToUtf8(name));
  try {
    TComprStream stream(file);
    return stream.Data();
  } catch (const std::exception&) {
    throw EHtmlLoadError("Can't locate file: " + Cp1251ToUtf8(name));
  }
}

QVariant THtmlDocument::loadResource(int type, const QUrl& name) {
  const QString text = name.toString();
  if (type == QTextDocument::ImageResource && (IsPlaceholder(text) || !viewImages_)) return Blank();
  if (type != QTextDocument::ImageResource && type != QTextDocument::StyleSheetResource) return {};
  const std::string file = WithoutAnchor(ExpandHtmlName(baseFile_, ToCp1251(text)));
  if (HasUrlScheme(file) || !FileOrPackExists(file)) return type == QTextDocument::ImageResource ? QVariant(Blank()) : QVariant();
  std::string bytes;
  try {
    TComprStream stream(file);
    bytes = stream.Data();
  } catch (const std::exception&) {
    return {};
  }
  if (type == QTextDocument::StyleSheetResource) return FromCp1251(bytes);
  QImage image;
  if (!image.loadFromData(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())))) return Blank();
  Global.LastPictureSize = image.size();
  return image;
}
